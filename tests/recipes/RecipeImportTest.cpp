#include "data/OlderDataFile.h"
#include "support/ProgramTest.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString fixture(const char *name) {
    return QDir(QStringLiteral(MEALVANE_FIXTURES)).filePath(QLatin1String(name));
}

class RecipeImportTest : public ProgramTest {
protected:
    RecipeImportTest()
        : ProgramTest(QDateTime(QDate(2006, 5, 20), QTime(9, 0))) {
        // Each test keeps its import copy in a folder of its own, so that tests may run side by side.
        w.importCopy = QDir(file.folder()).filePath(QStringLiteral("MealvaneDataOld.mdb"));
    }
    void import(const QString &path) {
        dialogs.fileAnswers = {path};
        w.Action14Execute();
    }
    QString text(const QString &sql) {
        dm.runSql(sql);
        const QString value = dm.SQL.isEmpty() ? QString() : dm.SQL.value(0, 0).toString();
        dm.SQL.close();
        return value;
    }
    QStringList column(const QString &sql) {
        dm.runSql(sql);
        QStringList values;
        for (int r = 0; r < dm.SQL.recordCount(); ++r)
            values << dm.SQL.value(r, 0).toString();
        dm.SQL.close();
        return values;
    }
};

} // namespace

TEST(OlderDataFile, JetFilesAreReadAndOtherFilesAreNot) {
    EXPECT_EQ(olddata::kindOf(fixture("older-release-small.mdb")), olddata::Kind::Jet);
    EXPECT_EQ(olddata::kindOf(fixture("not-a-recipe-db.mdb")), olddata::Kind::Jet);
    const QString notes = QDir::temp().filePath(QStringLiteral("mealvane-notes.txt"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some notes, no data file");
    text.close();
    EXPECT_EQ(olddata::kindOf(notes), olddata::Kind::Unreadable);
    EXPECT_FALSE(olddata::convert(notes, notes + QStringLiteral(".copy")));
    QFile::remove(notes);
}

TEST_F(RecipeImportTest, NewRecipesComeWithTheirIngredientsAndKnownNamesAreSkipped) {
    const QString before = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(fixture("older-release-small.mdb"));
    EXPECT_EQ(dialogs.informations, (QStringList{"Importing has been done!"}));
    // Pancakes is in the starter book already; PASTA and Pasta are one name but for case.
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='pasta'")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), before.toInt() + 7);

    EXPECT_EQ(
        column(QStringLiteral("SELECT i.Ingredients_Description FROM Made_With m JOIN Ingredients i ON "
                              "i.Ingredients_ID=m.Ingredients_ID JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                              "Meal_Name='Mum''s pie' ORDER BY 1")),
        (QStringList{"Baker's yeast", "Butter", "Flour"}));
    EXPECT_EQ(text(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Mum''s pie'")).count(u'\n'),
              1)
        << "the two-line method keeps its lines";
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Crème brûlée'")),
              QStringLiteral("1"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT count(*) FROM Made_With m JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                            "Meal_Name='Fruit salad'")),
        QStringLiteral("0"));
    // Known ingredients are linked whatever their case; unknown ones are created once, without a group.
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Butter'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Flour'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral(
                  "SELECT count(*) FROM Ingredients i JOIN IGroup g ON g.IGROUP_ID=i.Ingredients_Group "
                  "WHERE Ingredients_Description='Flour'")),
              QStringLiteral("0"))
        << "a created ingredient has no group";
    EXPECT_EQ(text(QStringLiteral("SELECT (SELECT count(*) FROM Meal_Type t WHERE t.ID=m.Meal_Type) = 0 AND "
                                  "Meal_Picture IS NULL FROM Meal m WHERE Meal_Name='Toast'")),
              QStringLiteral("1"))
        << "an imported recipe has no type and no picture";
    EXPECT_GE(dm.SQLMEALS.locate(QStringLiteral("Meal_Name"), QStringLiteral("Toast")), true)
        << "lists re-read";

    // A second import finds every name and adds nothing.
    const QString after = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(fixture("older-release-small.mdb"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")), after);
}

TEST_F(RecipeImportTest, FlagsAndPlainTextFilesAndTheCurrentFile) {
    import(fixture("older-release-minimal.mdb"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Shepherd''s pie'")),
              QStringLiteral("1"));
    EXPECT_EQ(
        column(QStringLiteral("SELECT i.Ingredients_Description FROM Made_With m JOIN Ingredients i ON "
                              "i.Ingredients_ID=m.Ingredients_ID JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                              "Meal_Name='Omelette' ORDER BY 1")),
        (QStringList{"Cook's salt", "Eggs"}));

    // Into an empty book: the meal-time flags come across as they were.
    TestDataFile empty(TestDataFile::Contents::Empty);
    Mealvane fresh(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, empty.path()});
    fresh.mainWindow().importCopy = QDir(empty.folder()).filePath(QStringLiteral("MealvaneDataOld.mdb"));
    dialogs.fileAnswers = {fixture("older-release-small.mdb")};
    fresh.mainWindow().Action14Execute();
    fresh.dataModule().runSql(
        QStringLiteral("SELECT Meal_Morning, Meal_Snack, Meal_Noon, Meal_Night, Meal_Dessert, "
                       "length(Meal_Recipe) > 0 FROM Meal WHERE Meal_Name='Pancakes'"));
    QStringList flags;
    for (int c = 0; c < 6; ++c)
        flags << fresh.dataModule().SQL.value(0, c).toString();
    EXPECT_EQ(flags, (QStringList{"true", "true", "false", "false", "false", "1"}));
    fresh.dataModule().SQL.close();
    fresh.dataModule().runSql(QStringLiteral("SELECT count(*) FROM Meal"));
    EXPECT_EQ(fresh.dataModule().SQL.value(0, 0).toInt(), 9) << "ten recipes, two of one name";
    fresh.dataModule().SQL.close();

    const QString count = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(file.path());
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")), count)
        << "the current file holds every name";
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("Importing has been done!"));
}

TEST_F(RecipeImportTest, WrongFilesSayWhatWentWrongAndImportNothing) {
    const QString count = text(QStringLiteral("SELECT count(*) FROM Meal"));
    dialogs.fileAnswers = {QString()};
    w.Action14Execute();
    import(QDir::temp().filePath(QStringLiteral("no-such-file.mdb")));
    EXPECT_TRUE(dialogs.informations.isEmpty()) << "cancel and a missing file say nothing";

    const QString notes = QDir::temp().filePath(QStringLiteral("mealvane-import-notes.mdb"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a data file");
    text.close();
    import(notes);
    EXPECT_EQ(dialogs.informations,
              (QStringList{"Cannot connect to old database, possibly you chose wrong file!"}));
    QFile::remove(notes);

    import(fixture("not-a-recipe-db.mdb"));
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("Importing has been done!"))
        << "no recipe tables: nothing to read";
    import(w.importCopyPath());
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Cannot connect to old database, possibly you chose wrong file!"));
    EXPECT_EQ(this->text(QStringLiteral("SELECT count(*) FROM Meal")), count);
}
