// Recipe books that are damaged, foreign or cannot be written: the program says so in words, never writes
// to them and never crashes; what can be read of a damaged one can be saved into a new file.
#include "app/FullCheck.h"
#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/DataFile.h"
#include "data/TDataModule1.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

QByteArray digest(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}

void overwrite(const QString &path, qint64 at, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(at);
    file.write(bytes);
}

/// The page size of the test's books, and the number of the first page of the recipes' table.
qint64 rootPage(const TestDataFile &book, const char *table) {
    db::Connection c(book.path());
    c.open();
    db::Statement s(
        c, QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name='%1'").arg(QLatin1String(table)));
    return s.step() ? s.value(0).toLongLong() : 0;
}

/// A program started on the book at `path`, its boxes answered from queues and its clock at 2 January
/// 2006.
struct Started {
    explicit Started(const QString &path)
        : program(AppServices{dialogs, shell, clock, nullptr}, StartupOptions{0, 0, path}) {}
    /// Lets the window's thread run until an error box has been shown, for at most 30 seconds.
    void waitForError() {
        QElapsedTimer waited;
        waited.start();
        while (dialogs.errors.isEmpty() && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock{QDateTime(QDate(2006, 1, 2), QTime(9, 0))};
    Mealvane program;
};

struct Damage {
    const char *name;
    std::function<void(TestDataFile &)> apply;
    /// Whether the program still starts (read-only), ends with a message, or may do either (-1).
    int starts;
    /// Words the message must hold.
    const char *said;
};

void PrintTo(const Damage &value, std::ostream *out) {
    *out << value.name;
}

class DamagedBookTest : public ::testing::TestWithParam<Damage> {};

} // namespace

TEST_P(DamagedBookTest, IsNeverWrittenAndSaysSoInWords) {
    const Damage &damage = GetParam();
    TestDataFile book(TestDataFile::Contents::Starter);
    // A planned week of 42 entries that a Save Menu of a damaged book once replaced.
    book.exec(QStringLiteral(
        "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
        "SELECT 1,2006,d.n,(SELECT min(Meal_ID) FROM Meal),t.n FROM "
        "(SELECT 0 n UNION SELECT 1 UNION SELECT 2 UNION SELECT 3 UNION SELECT 4 UNION SELECT 5 "
        "UNION SELECT 6) d, (SELECT '1' n UNION SELECT '2' UNION SELECT '3' UNION SELECT '4' "
        "UNION SELECT '5' UNION SELECT '6') t"));
    damage.apply(book);
    const QByteArray before = digest(book.path());

    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime(QDate(2006, 1, 2), QTime(9, 0)));
    FakeMailer mailer;
    const AppServices services{dialogs, shell, clock, &mailer};
    std::optional<Mealvane> program;
    QString failure;
    try {
        program.emplace(services, StartupOptions{0, 0, book.path()});
    } catch (const db::DbError &error) {
        failure = error.message();
    }
    if (damage.starts >= 0) {
        ASSERT_EQ(program.has_value(), damage.starts == 1) << failure.toStdString();
    }
    if (program) {
        TForm1 &w = program->mainWindow();
        dialogs.confirmAnswers = {false}; // no salvage here
        program->tellAboutTheBook(true);
        ASSERT_FALSE(dialogs.errors.isEmpty() && dialogs.informations.isEmpty());
        failure = (dialogs.errors + dialogs.informations).join(u'\n');
        EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("(read-only)"))) << w.windowTitle().toStdString();
        EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("Action15"))->isEnabled());
        dialogs.errors.clear();
        w.JvXPBar5Items0Click();
        w.RbButton13Click();
        w.run([&w] { w.RbButton18Click(); });
        for (const QString &error : dialogs.errors) {
            EXPECT_TRUE(error.contains(QStringLiteral("read-only"))) << error.toStdString();
            EXPECT_FALSE(error.contains(QStringLiteral("attempt to write"))) << error.toStdString();
        }
        dialogs.confirmAnswers = {false};
        w.close();
        program.reset();
    }
    EXPECT_TRUE(failure.contains(QLatin1String(damage.said))) << failure.toStdString();
    EXPECT_TRUE(failure.contains(QFileInfo(book.path()).absoluteFilePath())) << "names the file";
    EXPECT_FALSE(failure.contains(QStringLiteral("malformed"))) << failure.toStdString();
    EXPECT_EQ(digest(book.path()), before) << "the book was written to";
    EXPECT_FALSE(QFile::exists(book.path() + QStringLiteral("-journal")));
}

INSTANTIATE_TEST_SUITE_P(
    Books, DamagedBookTest,
    ::testing::Values(Damage{"RecipePagesOverwritten",
                             [](TestDataFile &book) {
                                 const qint64 page = rootPage(book, "Meal");
                                 overwrite(book.path(), (page - 1) * 4096, QByteArray(4096 * 2, '\xA5'));
                             },
                             -1, "is damaged"},
                      Damage{"MenuPageOverwritten",
                             [](TestDataFile &book) {
                                 overwrite(book.path(), (rootPage(book, "Menu") - 1) * 4096,
                                           QByteArray(4096, '\xA5'));
                             },
                             1, "is damaged"},
                      Damage{"Truncated",
                             [](TestDataFile &book) {
                                 QFile(book.path()).resize(QFileInfo(book.path()).size() / 2);
                             },
                             -1, "is damaged"},
                      Damage{"ZeroLength", [](TestDataFile &book) { QFile(book.path()).resize(0); }, false,
                             "is an empty file"},
                      Damage{"NoDatabase",
                             [](TestDataFile &book) {
                                 overwrite(book.path(), 0, QByteArrayLiteral("Not a database at all"));
                             },
                             0, "is not a database"},
                      Damage{"LaterLayout",
                             [](TestDataFile &book) { book.exec(QStringLiteral("PRAGMA user_version = 7")); },
                             1, "later version of Mealvane"},
                      Damage{"UnknownTable",
                             [](TestDataFile &book) {
                                 book.exec(QStringLiteral("CREATE TABLE Meal_Ratings(Meal_ID, Stars)"));
                             },
                             1, "a table this Mealvane does not know (meal_ratings)"},
                      Damage{"UnknownColumn",
                             [](TestDataFile &book) {
                                 book.exec(QStringLiteral("ALTER TABLE Meal ADD COLUMN Servings INTEGER"));
                             },
                             1, "a column this Mealvane does not know (Servings)"},
                      Damage{"ChangedView",
                             [](TestDataFile &book) {
                                 book.exec(QStringLiteral(
                                     "DROP VIEW QMealIng; CREATE VIEW QMealIng AS SELECT Meal_ID FROM Meal"));
                             },
                             1, "view qmealing"}),
    [](const ::testing::TestParamInfo<Damage> &param) { return std::string(param.param.name); });

TEST(DamagedBook, WhatCanBeReadIsSavedIntoANewFile) {
    TestDataFile book(TestDataFile::Contents::Starter);
    book.exec(QStringLiteral("WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 400) "
                             "INSERT INTO Meal(Meal_Name, Meal_Recipe) SELECT 'Soup ' || v, "
                             "printf('%.3000c', 'x') FROM n"));
    db::Connection c(book.path());
    c.open();
    db::Statement count(c, QStringLiteral("SELECT count(*) FROM Meal"));
    ASSERT_TRUE(count.step());
    const qint64 recipes = count.value(0).toLongLong();
    c.close();
    // A leaf page in the middle of the recipes' table is lost.
    const qint64 pages = QFileInfo(book.path()).size() / 4096;
    overwrite(book.path(), (pages / 2) * 4096, QByteArray(4096, '\xA5'));
    ASSERT_EQ(datafile::examine(book.path()).state, datafile::Health::State::Damaged);

    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime(QDate(2006, 1, 2), QTime(9, 0)));
    const AppServices services{dialogs, shell, clock, nullptr};
    const QString target = QDir(book.folder()).filePath(QStringLiteral("saved.mdb"));
    dialogs.confirmAnswers = {true};
    dialogs.fileAnswers = {target};
    offerSalvage(services, book.path());
    ASSERT_EQ(dialogs.informations.size(), 1) << dialogs.errors.join(u'\n').toStdString();
    EXPECT_TRUE(
        dialogs.suggestedFiles.first().endsWith(QStringLiteral("MealvaneData40-saved-2006-01-02-0900.mdb")));
    EXPECT_EQ(datafile::examine(target).state, datafile::Health::State::Sound);
    db::Connection saved(target);
    saved.open();
    db::Statement kept(saved, QStringLiteral("SELECT count(*), max(Meal_ID) FROM Meal"));
    ASSERT_TRUE(kept.step());
    EXPECT_GT(kept.value(0).toLongLong(), recipes - 20) << "only the rows of the lost page are missing";
    EXPECT_LT(kept.value(0).toLongLong(), recipes);
    EXPECT_TRUE(dialogs.informations.first().contains(
        QStringLiteral("Saved %1 recipes").arg(kept.value(0).toLongLong())));
}

TEST(ReadOnlyBook, AFileOrFolderThatCannotBeWrittenIsSaidAtStartAndNeverWritten) {
    for (const bool folder : {false, true}) {
        TestDataFile book(TestDataFile::Contents::Starter);
        const QString locked = folder ? book.folder() : book.path();
        // As the superuser permissions do not bind: the file or folder is made immutable instead.
        const bool root = geteuid() == 0;
        const auto lock = [&](bool on) {
            if (root)
                QProcess::execute(QStringLiteral("chattr"),
                                  {on ? QStringLiteral("+i") : QStringLiteral("-i"), locked});
            else
                QFile::setPermissions(locked, on ? QFile::ReadOwner | QFile::ExeOwner
                                                 : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        lock(true);
        const auto unlock = qScopeGuard([&] { lock(false); });
        if (QFileInfo(locked).isWritable() && !root)
            GTEST_SKIP() << "cannot make a file read-only here";
        const datafile::Health health = datafile::examine(book.path());
        ASSERT_EQ(health.state, datafile::Health::State::ReadOnly) << health.message.toStdString();
        EXPECT_EQ(health.reason, folder ? QStringLiteral("its folder cannot be written")
                                        : QStringLiteral("the file cannot be written"));
        Started started(book.path());
        FakeDialogs &dialogs = started.dialogs;
        Mealvane &program = started.program;
        program.tellAboutTheBook(true);
        ASSERT_EQ(dialogs.informations.size(), 1);
        EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("is read-only")));
        TForm1 &w = program.mainWindow();
        EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("(read-only)")));
        // Every page opens; what writes is not offered, what reads and prints is.
        w.JvXPBar5Click();
        w.JvXPBar2Click();
        w.JvXPBar4Items0Click();
        w.JvXPBar4Items1Click();
        w.JvXPBar4Items3Click();
        w.JvXPBar5Items0Click();
        for (const char *writes : {"RbButton18", "RbButton11", "RbButton10", "RbButton19", "RbButton5",
                                   "RbButton6", "RbButton7", "RbButton2", "RbButton22", "RbButton25"}) {
            auto *button = w.findChild<QWidget *>(QLatin1String(writes));
            ASSERT_NE(button, nullptr) << writes;
            EXPECT_FALSE(button->isEnabled()) << writes;
        }
        EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("LoadNewPicture1"))->isEnabled());
        for (const char *detail : {"RecipeSource", "RecipeAuthor", "RecipeTotalTime"})
            EXPECT_TRUE(w.findChild<QLineEdit *>(QLatin1String(detail))->isReadOnly()) << detail;
        for (const char *reads : {"RbButton17", "RbButton20", "RbButton21", "RbButton26", "RbButton13"})
            EXPECT_TRUE(w.findChild<QWidget *>(QLatin1String(reads))->isEnabled()) << reads;
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        // A write that comes another way is refused in words.
        w.RbButton13Click();
        w.run([&w] { w.RbButton18Click(); });
        ASSERT_FALSE(dialogs.errors.isEmpty());
        EXPECT_TRUE(
            dialogs.errors.first().contains(QStringLiteral("is open read-only (%1)").arg(health.reason)))
            << dialogs.errors.first().toStdString();
    }
}

TEST(DeletedBook, AWriteAfterTheFileWasDeletedIsRefusedAndTheBookPutBackAtTheEnd) {
    TestDataFile book(TestDataFile::Contents::Starter);
    qint64 recipes = 0;
    {
        Started started(book.path());
        FakeDialogs &dialogs = started.dialogs;
        Mealvane &program = started.program;
        TForm1 &w = program.mainWindow();
        w.JvXPBar5Items0Click();
        w.RbButton13Click();
        w.run([&w] { w.RbButton18Click(); });
        ASSERT_TRUE(dialogs.errors.isEmpty());
        program.dataModule().runSql(QStringLiteral("SELECT count(*) FROM Meal"));
        recipes = program.dataModule().SQL.value(0, 0).toLongLong();
        program.dataModule().SQL.close();
        ASSERT_TRUE(QFile::remove(book.path()));
        w.RbButton13Click();
        w.run([&w] { w.RbButton18Click(); });
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors.first().contains(
            QStringLiteral("was deleted or moved while Mealvane was running")))
            << dialogs.errors.first().toStdString();
        EXPECT_TRUE(dialogs.errors.first().contains(QFileInfo(book.path()).absoluteFilePath()));
        dialogs.confirmAnswers = {false};
        w.close();
    }
    ASSERT_TRUE(QFile::exists(book.path())) << "the book is back in its place";
    EXPECT_EQ(datafile::examine(book.path()).state, datafile::Health::State::Sound);
    db::Connection back(book.path());
    back.open();
    db::Statement counts(back,
                         QStringLiteral("SELECT (SELECT count(*) FROM Meal), (SELECT count(*) FROM Menu)"));
    ASSERT_TRUE(counts.step());
    EXPECT_EQ(counts.value(0).toLongLong(), recipes);
    EXPECT_EQ(counts.value(1).toLongLong(), 42) << "the week saved before the file went";
}

TEST(DamagedBook, TheFullCheckInTheBackgroundMakesADamagedBookReadOnly) {
    TestDataFile book(TestDataFile::Contents::Starter);
    // A name changed inside the index that finds recipes by name, not in the recipes themselves: the quick
    // check on opening passes, the full one does not.
    const qint64 page = rootPage(book, "Meal_Name_Scan");
    QFile file(book.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((page - 1) * 4096);
    QByteArray bytes = file.read(4096);
    const qsizetype at = bytes.indexOf("Pancakes");
    ASSERT_GE(at, 0);
    bytes[at + 7] = 'z';
    file.seek((page - 1) * 4096);
    file.write(bytes);
    file.close();
    ASSERT_EQ(datafile::examine(book.path()).state, datafile::Health::State::Sound);
    EXPECT_FALSE(datafile::fullCheck(book.path()).isEmpty());
    const QByteArray before = digest(book.path());

    Started started(book.path());
    FakeDialogs &dialogs = started.dialogs;
    Mealvane &program = started.program;
    dialogs.confirmAnswers = {false};
    program.checkInTheBackground();
    TForm1 &w = program.mainWindow();
    started.waitForError();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("The full check of the recipe book")));
    EXPECT_EQ(dialogs.questions.size(), 1) << "what can be read is offered to be saved";
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("(read-only)")));
    EXPECT_FALSE(program.fullCheck()->passed());
    w.JvXPBar5Items0Click();
    w.RbButton13Click();
    w.run([&w] { w.RbButton18Click(); });
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors.last().contains(QStringLiteral("is open read-only (it is damaged)")));
    EXPECT_EQ(digest(book.path()), before);
}

TEST(DamagedBook, TheMessageNamesTheLastGoodBackup) {
    TestDataFile book(TestDataFile::Contents::Starter);
    const QDir top(book.folder());
    ASSERT_TRUE(top.mkpath(QStringLiteral("data")) && top.mkpath(QStringLiteral("backups")));
    const QString data = top.filePath(QStringLiteral("data/MealvaneData40.mdb"));
    const QString good = top.filePath(QStringLiteral("backups/MealvaneData40-2026-12-01-0900.mdb"));
    const QString bad = top.filePath(QStringLiteral("backups/MealvaneData40-2026-12-02-0900.mdb"));
    for (const QString &copy : {data, good, bad})
        ASSERT_TRUE(QFile::copy(book.path(), copy));
    QFile(bad).resize(QFileInfo(bad).size() / 2);
    QFile(data).resize(QFileInfo(data).size() / 2);
    const datafile::Health health = datafile::examine(data);
    ASSERT_EQ(health.state, datafile::Health::State::Damaged);
    EXPECT_TRUE(health.message.contains(QStringLiteral("The last good backup is '%1'").arg(good)))
        << health.message.toStdString();
}

TEST(DamagedBook, AQuickCheckFailingAfterTheWindowShowsIsToldThenAndNothingIsWrittenBefore) {
    TestDataFile book(TestDataFile::Contents::Starter);
    overwrite(book.path(), (rootPage(book, "Menu") - 1) * 4096, QByteArray(4096, '\xA5'));
    const QByteArray before = digest(book.path());
    Started started(book.path());
    FakeDialogs &dialogs = started.dialogs;
    Mealvane &program = started.program;
    dialogs.confirmAnswers = {false};
    program.tellAboutTheBook(); // as start-up does: without waiting for the check
    started.waitForError();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("is damaged")));
    EXPECT_TRUE(program.mainWindow().windowTitle().endsWith(QStringLiteral("(read-only)")));
    EXPECT_EQ(dialogs.questions.size(), 1) << "the salvage is offered once";
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.errors.size(), 1) << "and told once";
    EXPECT_EQ(digest(book.path()), before);
}
