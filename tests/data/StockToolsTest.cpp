// The data file as other SQLite tools see it: sound after the program writes, and read right by the program
// after they write.
#include "data/DataFile.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Dialect.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace db;

namespace {

/// Runs the stock sqlite3 shell on the file and returns what it printed.
QString shell(const QString &path, const QString &sql) {
    QProcess process;
    process.start(QStringLiteral("sqlite3"), {path, sql});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("shell failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QStringList column(Connection &c, const QString &sql) {
    QStringList out;
    Statement s(c, sql);
    while (s.step())
        out << s.value(0).toString();
    return out;
}

const QStringList AccentedNames = {
    QStringLiteral("Crème brûlée"),
    QStringLiteral("ÉCLAIRS"),
    QStringLiteral("éclairs au café"),
    QStringLiteral("Åland pancakes"),
    QStringLiteral("Œufs en meurette"),
    QStringLiteral("Ørret"),
    QStringLiteral("Ñoquis"),
    QStringLiteral("Zürcher Geschnetzeltes"),
    QStringLiteral("Ćevapi"),
    QStringLiteral("Ψάρι"),
    QStringLiteral("ПЕЛЬМЕНИ"),
    QStringLiteral("apple pie"),
    QStringLiteral("Apple Pie à la mode"),
    QStringLiteral("Ébène"),
    QStringLiteral("Ìsola"),
};

} // namespace

TEST(StockTools, FileStaysSoundAfterTheProgramWritesAccentedText) {
    TestDataFile file(TestDataFile::Contents::Starter);
    Connection c(file.path());
    c.open();
    for (int round = 0; round < 20; ++round) {
        for (const QString &name : AccentedNames) {
            const QString n = name + QString::number(round);
            c.execute(QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('%1', '%1')").arg(n));
            c.execute(QStringLiteral("INSERT INTO Ingredients(Ingredients_Description) VALUES('%1')").arg(n));
            c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('%1')").arg(n));
            c.execute(QStringLiteral("INSERT INTO Meal_Type(Type) VALUES('%1')").arg(n));
            c.execute(
                QStringLiteral("INSERT INTO ShoppingList VALUES(NULL, 49, 2026, '%1', 1, '%1', NULL, 0, 0)")
                    .arg(n));
        }
    }
    c.execute(QStringLiteral("UPDATE Meal SET Meal_Name = upper(Meal_Name) WHERE Meal_ID % 3 = 0"));
    c.execute(QStringLiteral("DELETE FROM Ingredients WHERE Ingredients_Description LIKE 'é%'"));
    c.close();
    EXPECT_EQ(shell(file.path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
}

TEST(StockTools, RowsTheShellWritesAreFoundSortedAndCounted) {
    TestDataFile file(TestDataFile::Contents::Starter);
    ASSERT_EQ(shell(file.path(), QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('Ésprit tart'); "
                                                "INSERT INTO Meal(Meal_Name) VALUES('ésprit TART'); "
                                                "INSERT INTO Meal(Meal_Name) VALUES('Fig roll'); "
                                                "INSERT INTO Meal(Meal_Name) VALUES('Eclair'); "
                                                "INSERT INTO Ingredients(Ingredients_Description) "
                                                "VALUES('ÉPOISSES');")),
              QString());
    Connection c(file.path());
    c.open();
    EXPECT_EQ(column(c, QStringLiteral("select count(*) from meal where meal_name='ÉSPRIT TART'")),
              QStringList{QStringLiteral("2")});
    EXPECT_EQ(column(c, QStringLiteral("select Ingredients_Description from Ingredients "
                                       "where Ingredients_Description='époisses'")),
              QStringList{QStringLiteral("ÉPOISSES")});
    const QStringList ordered =
        column(c, QStringLiteral("select Meal_Name from Meal where Meal_Name in "
                                 "('fig ROLL', 'ÉSPRIT tart', 'eclair') order by Meal_Name"));
    ASSERT_EQ(ordered.size(), 4);
    EXPECT_EQ(ordered.first(), QStringLiteral("Eclair"));
    EXPECT_EQ(ordered.last(), QStringLiteral("Fig roll")) << "É sorts beside E";
    c.execute(QStringLiteral("UPDATE Meal SET Meal_Recipe='x' WHERE Meal_Name='ésprit tart'"));
    c.close();
    EXPECT_EQ(shell(file.path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
}

TEST(StockTools, AFileOfAnEarlierBuildIsMadeSoundWhenOpened) {
    TestDataFile file(TestDataFile::Contents::Starter);
    // An earlier build kept text indexes ordered by the program's own comparison.
    {
        sqlite3 *raw = nullptr;
        ASSERT_EQ(sqlite3_open(file.path().toUtf8().constData(), &raw), SQLITE_OK);
        dialect::install(raw);
        const QString script = QStringLiteral(
            // A file of the first layout: no ingredient lines, servings or amounts.
            "DROP TABLE Recipe_Lines; DROP TABLE Book_Settings; ALTER TABLE Meal DROP COLUMN Meal_Servings;"
            "ALTER TABLE ShoppingList DROP COLUMN IngredientsAmount; PRAGMA user_version = 1;"
            // Nor the hand's marks on the list's rows, the groups' order, staples or deleted recipes; one
            // week's list was edited by hand.
            "ALTER TABLE ShoppingList DROP COLUMN IngredientsHand; ALTER TABLE IGroup DROP COLUMN "
            "IGROUP_POSITION; DROP INDEX Ingredients_Staple_Index; DROP INDEX Meal_Name_Scan;"
            "ALTER TABLE Ingredients DROP COLUMN Ingredients_Staple; DROP TABLE "
            "ShoppingListRemoved; DROP TABLE Deleted_Recipes;"
            "INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription) VALUES(5,2006,'Candles'),"
            "(6,2006,'Milk'); INSERT INTO ShoppingListHandEdits VALUES(5,2006);"
            "DROP INDEX Menu_Slot_Index;"
            "CREATE INDEX Menu_Slot_Index ON Menu (Week_Number, Year_Number, Day_Number, Menu_Time);"
            "CREATE INDEX Meal_Name_Index ON Meal (Meal_Name);"
            "CREATE INDEX Ingredients_Description_Index ON Ingredients (Ingredients_Description);"
            "DROP VIEW QSearchMeal;"
            "CREATE VIEW QSearchMeal AS SELECT DISTINCT Meal.Meal_ID, Meal.Meal_Name, "
            "Ingredients.Ingredients_ID, "
            "Ingredients.Ingredients_Description FROM Meal INNER JOIN Made_With ON Made_With.Meal_ID = "
            "Meal.Meal_ID INNER JOIN Ingredients ON Ingredients.Ingredients_ID = Made_With.Ingredients_ID;");
        ASSERT_EQ(sqlite3_exec(raw, script.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        for (const QString &name : AccentedNames) {
            const QString insert = QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('%1')").arg(name);
            ASSERT_EQ(sqlite3_exec(raw, insert.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        }
        sqlite3_close(raw);
    }
    ASSERT_NE(shell(file.path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"))
        << "the earlier layout is unsound to the stock shell";
    const QString before = shell(file.path(), QStringLiteral("SELECT count(*) FROM Meal NOT INDEXED;"));

    Connection c(file.path());
    c.open();
    datafile::upgrade(c);
    EXPECT_EQ(column(c, QStringLiteral("select count(*) from meal where meal_name='œufs EN MEURETTE'")),
              QStringList{QStringLiteral("1")});
    c.close();
    EXPECT_EQ(shell(file.path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
    EXPECT_EQ(shell(file.path(), QStringLiteral("SELECT count(*) FROM Meal;")), before) << "no row is lost";
    EXPECT_EQ(shell(file.path(), QStringLiteral("SELECT group_concat(name) FROM pragma_index_info("
                                                "'Menu_Slot_Index');")),
              QStringLiteral("Week_Number,Year_Number,Day_Number"))
        << "the schema's own index comes back in its current form";
    EXPECT_FALSE(shell(file.path(), QStringLiteral("SELECT sql FROM sqlite_master WHERE name='QSearchMeal';"))
                     .contains(QStringLiteral("DISTINCT")))
        << "the view is made again in its current form";
    EXPECT_EQ(shell(file.path(), QStringLiteral("SELECT count(*) FROM pragma_table_info('Meal') WHERE name="
                                                "'Meal_Servings'; SELECT count(*) FROM Recipe_Lines; "
                                                "PRAGMA user_version;"))
                  .simplified(),
              QStringLiteral("1 0 3"))
        << "the columns and table of the later layout are added";
    EXPECT_EQ(shell(file.path(), QStringLiteral("SELECT group_concat(IngredientsHand) FROM (SELECT "
                                                "IngredientsHand FROM ShoppingList WHERE YearNumber=2006 "
                                                "ORDER BY WeekNumber);")),
              QStringLiteral("1,0"))
        << "the rows of a hand-edited week are the hand's";
    EXPECT_EQ(shell(file.path(),
                    QStringLiteral("SELECT count(*) FROM IGroup AS g WHERE IGROUP_POSITION <> "
                                   "(SELECT count(*) FROM IGroup WHERE IGROUP_NAME < g.IGROUP_NAME);")),
              QStringLiteral("0"))
        << "the groups come in name order";
    EXPECT_EQ(
        shell(file.path(), QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' AND name IN "
                                          "('Meal_Name_Scan', 'Ingredients_Staple_Index');")),
        QStringLiteral("2"))
        << "indexes with a comment before them in the schema come back too";
    EXPECT_EQ(
        shell(file.path(), QStringLiteral("SELECT count(*) FROM QSearchMeal;")),
        shell(file.path(), QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT Meal_ID, Ingredients_ID "
                                          "FROM Made_With WHERE Meal_ID IN (SELECT Meal_ID FROM Meal) "
                                          "AND Ingredients_ID IN (SELECT Ingredients_ID FROM "
                                          "Ingredients));")));
}
