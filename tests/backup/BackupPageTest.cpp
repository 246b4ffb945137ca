// The copies the program makes of the book, putting one back, and the exports, as a user meets them.
#include "backup/Backups.h"
#include "backup/RestoreDialog.h"
#include "support/ProgramTest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QString recipeFile(const char *name) {
    return QDir(QStringLiteral(MEALVANE_FIXTURES "/recipefiles")).filePath(QLatin1String(name));
}

class BackupPageTest : public ProgramTest {
protected:
    BackupPageTest()
        : ProgramTest(QDateTime(QDate(2026, 12, 14), QTime(9, 30))) {
        qputenv("MEALVANE_BACKUP_DIR", folder.path().toUtf8());
    }
    ~BackupPageTest() override { qputenv("MEALVANE_BACKUP_DIR", kept); }

    int recipesIn(const QString &path) {
        db::Connection c(path);
        c.open();
        db::Statement s(c, QStringLiteral("SELECT count(*) FROM Meal"));
        s.step();
        return s.value(0).toInt();
    }
    int recipes() { return program.dataModule().ADOConnectionMain.isOpen() ? recipesIn(file.path()) : -1; }
    QList<backups::Copy> copies() { return backups::copies(folder.path()); }
    /// Points the copies at a folder that cannot be made: a file stands where it would be.
    void blockTheFolder() {
        QFile blocker(folder.filePath(QStringLiteral("blocked")));
        blocker.open(QIODevice::WriteOnly);
        qputenv("MEALVANE_BACKUP_DIR", (blocker.fileName() + QStringLiteral("/backups")).toUtf8());
    }

    QByteArray kept = qgetenv("MEALVANE_BACKUP_DIR");
    QTemporaryDir folder;
};

} // namespace

TEST_F(BackupPageTest, TheDayStartsWithOneCopyMadeBehindTheWindowAndAFailureIsSaidOnce) {
    program.backUpForTheDay();
    program.waitForDailyBackup();
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(QFileInfo(copies()[0].path).fileName(), QStringLiteral("MealvaneData40-2026-12-14-0930.mdb"));
    EXPECT_EQ(recipesIn(copies()[0].path), recipes());
    // The same day again, and the next day with the book unchanged: no more copies.
    clock.at = clock.at.addSecs(3600);
    program.backUpForTheDay();
    program.waitForDailyBackup();
    clock.at = clock.at.addDays(1);
    program.backUpForTheDay();
    program.waitForDailyBackup();
    EXPECT_EQ(copies().size(), 1);
    // A changed book is copied the day after.
    file.exec(QStringLiteral("DELETE FROM Meal WHERE Meal_Name = 'Pancakes'"));
    clock.at = clock.at.addDays(1);
    program.backUpForTheDay();
    program.waitForDailyBackup();
    EXPECT_EQ(copies().size(), 2);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    blockTheFolder();
    clock.at = clock.at.addDays(1);
    program.backUpForTheDay();
    program.waitForDailyBackup();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        QStringLiteral("Today's backup of the recipe book could not be made: the "
                       "folder")))
        << qPrintable(dialogs.errors[0]);
}

TEST_F(BackupPageTest, AnImportIsBackedUpFirstAndTheCopyPutsTheBookBack) {
    const int before = recipes();
    dialogs.manyFileAnswers = {{recipeFile("two-recipes.mmf")}};
    w.Action15Execute();
    ASSERT_EQ(recipes(), before + 2);
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(copies()[0].reason, backups::Reason::BeforeChange);
    EXPECT_EQ(recipesIn(copies()[0].path), before) << "the copy holds the book before the import";

    // A damaged copy is listed as such and cannot be chosen; the sound one is chosen to begin with.
    QFile damaged(folder.filePath(QStringLiteral("MealvaneData40-2026-12-13-0800.mdb")));
    damaged.open(QIODevice::WriteOnly);
    damaged.write(QByteArray("SQLite format 3\0", 16) + QByteArray(5000, 'x'));
    damaged.close();
    QStringList listed;
    w.showModal = [&](QDialog &dialog) {
        auto *restore = qobject_cast<RestoreDialog *>(&dialog);
        ASSERT_NE(restore, nullptr);
        QTreeWidget *list = restore->list();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            listed << list->topLevelItem(row)->text(3);
        restore->choose(1);
        EXPECT_EQ(restore->chosen().path, copies()[0].path) << "the damaged copy cannot be chosen";
        dialog.accept();
    };
    dialogs.confirmAnswers = {true};
    w.ActionRestore->trigger();
    QTest::qWait(50);
    EXPECT_EQ(listed, QStringList({QString::number(before), QStringLiteral("Damaged")}));
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(
        dialogs.questions[0].startsWith(QStringLiteral("Put the recipe book back as it was on Monday 14 "
                                                       "December 2026, 09:30, with %1 recipes")
                                            .arg(before)))
        << qPrintable(dialogs.questions[0]);
    // The book is reopened as it was, in a new window; what it held is one more copy.
    EXPECT_EQ(recipes(), before);
    ASSERT_FALSE(dialogs.informations.isEmpty());
    EXPECT_TRUE(dialogs.informations.last().startsWith(QStringLiteral("The recipe book is back as it was")));
    const QList<backups::Copy> after = copies();
    ASSERT_EQ(after.size(), 3);
    EXPECT_EQ(recipesIn(after[0].path), before + 2) << "the book as it was before the restore is kept";
    EXPECT_EQ(program.dataModule().MEALS.recordCount(), before);
}

TEST_F(BackupPageTest, AnImportWithoutACopyOnlyWhenTheUserSaysSo) {
    const int before = recipes();
    blockTheFolder();
    dialogs.manyFileAnswers = {{recipeFile("two-recipes.mmf")}};
    w.Action15Execute();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].startsWith(
        QStringLiteral("No backup of the recipe book could be made before the import: the folder")))
        << qPrintable(dialogs.questions[0]);
    EXPECT_EQ(recipes(), before);
    dialogs.confirmAnswers = {true};
    dialogs.manyFileAnswers = {{recipeFile("two-recipes.mmf")}};
    w.Action15Execute();
    EXPECT_EQ(recipes(), before + 2);
}

TEST_F(BackupPageTest, TheRecipesOfATypeAndTheWeekAreExportedWhereTheUserSays) {
    QTemporaryDir out;
    w.showModal = [](QDialog &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("ExportType"))->setChecked(true);
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("ExportTypes"));
        types->setCurrentIndex(types->findText(QStringLiteral("Soup")));
        dialog.findChild<QRadioButton *>(QStringLiteral("ExportMealMaster"))->setChecked(true);
        dialog.accept();
    };
    dialogs.fileAnswers = {out.path()};
    w.ActionExportRecipes->trigger();
    const int soups =
        firstValue(
            QStringLiteral("SELECT count(*) FROM Meal JOIN Meal_Type ON ID = Meal_Type WHERE Type = 'Soup'"))
            .toInt();
    ASSERT_GT(soups, 1);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations[0],
              QStringLiteral("%1 recipes were written to %2.")
                  .arg(soups)
                  .arg(QDir(out.path()).filePath(QStringLiteral("Mealvane Recipes.mmf"))));

    dialogs.fileAnswers = {QDir(out.path()).filePath(QStringLiteral("week.csv"))};
    w.ActionExportWeek->trigger();
    QFile csv(QDir(out.path()).filePath(QStringLiteral("week.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("\xEF\xBB\xBFPart,Date,Day,Meal time,Name"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}
