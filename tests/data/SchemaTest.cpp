#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace db;

namespace {

QStringList columns(Connection &c, const QString &table) {
    QStringList out;
    Statement s(c, QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (s.step())
        out << s.value(1).toString() + u' ' + s.value(2).toString();
    return out;
}

QString refusal(Connection &c, const QString &sql) {
    try {
        c.execute(sql);
    } catch (const DbError &e) {
        return e.message();
    }
    return {};
}

class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override { c.open(); }
    qint64 count(const QString &sql) {
        Statement s(c, sql);
        return s.step() ? s.value(0).toLongLong() : -1;
    }
    TestDataFile file;
    Connection c{file.path()};
};

} // namespace

TEST_F(SchemaTest, TablesAndColumnsWithTheirTypes) {
    EXPECT_EQ(columns(c, QStringLiteral("Meal")),
              (QStringList{"Meal_ID INTEGER",        "Meal_Name TEXT(50)",     "Meal_Recipe TEXT",
                           "Meal_Morning BOOLEAN",   "Meal_Snack BOOLEAN",     "Meal_Noon BOOLEAN",
                           "Meal_Night BOOLEAN",     "Meal_Dessert BOOLEAN",   "Meal_Type INTEGER",
                           "Meal_Picture BLOB",      "Meal_Servings INTEGER",  "Meal_Source TEXT(2048)",
                           "Meal_Author TEXT(255)",  "Meal_Description TEXT",  "Meal_Yield TEXT(255)",
                           "Meal_Prep_Time INTEGER", "Meal_Cook_Time INTEGER", "Meal_Total_Time INTEGER",
                           "Meal_Cuisine TEXT(255)", "Meal_Nutrition TEXT"}));
    EXPECT_EQ(columns(c, QStringLiteral("meal_type")), (QStringList{"ID INTEGER", "Type TEXT(50)"}));
    EXPECT_EQ(columns(c, QStringLiteral("INGREDIENTS")),
              (QStringList{"Ingredients_ID INTEGER", "Ingredients_Description TEXT(50)",
                           "Ingredients_Group INTEGER", "Ingredients_Staple BOOLEAN"}));
    EXPECT_EQ(columns(c, QStringLiteral("IGroup")),
              (QStringList{"IGROUP_ID INTEGER", "IGROUP_NAME TEXT(50)", "IGROUP_POSITION INTEGER"}));
    EXPECT_EQ(columns(c, QStringLiteral("Made_With")),
              (QStringList{"Meal_ID INTEGER", "Ingredients_ID INTEGER"}));
    EXPECT_EQ(
        columns(c, QStringLiteral("Menu")),
        (QStringList{"MENU_ID INTEGER", "Week_Number INTEGER", "Year_Number INTEGER", "Day_Number INTEGER",
                     "Meal_ID INTEGER", "Menu_Time TEXT(1)", "Menu_People INTEGER"}));
    EXPECT_EQ(columns(c, QStringLiteral("ShoppingList")),
              (QStringList{"ShoppingListID INTEGER", "WeekNumber INTEGER", "YearNumber INTEGER",
                           "IngredientsDescription TEXT(50)", "IngredientsCount INTEGER",
                           "IngredientsType TEXT(50)", "IngredientsAmount TEXT(50)",
                           "IngredientsBought BOOLEAN", "IngredientsHand INTEGER"}));
    EXPECT_EQ(
        columns(c, QStringLiteral("Recipe_Lines")),
        (QStringList{"Line_ID INTEGER", "Meal_ID INTEGER", "Line_Position INTEGER", "Line_Text TEXT(255)",
                     "Line_Heading BOOLEAN", "Line_Amount REAL", "Line_Amount_Max REAL", "Line_Unit TEXT(20)",
                     "Ingredients_ID INTEGER", "Line_Note TEXT(255)"}));
    EXPECT_FALSE(columns(c, QStringLiteral("tmp")).isEmpty());
}

TEST_F(SchemaTest, LongerTextIsRefusedNamingTheColumn) {
    const QString fifty(50, u'é');
    c.execute(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('%1')").arg(fifty));
    EXPECT_TRUE(refusal(c, QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('%1x')").arg(fifty))
                    .contains("Meal_Name"));
    EXPECT_TRUE(
        refusal(c, QStringLiteral("UPDATE Meal SET Meal_Name='%1x'").arg(fifty)).contains("Meal_Name"));
    const struct {
        const char *table, *column;
    } texts[] = {{"Meal_Type", "Type"},
                 {"Ingredients", "Ingredients_Description"},
                 {"IGroup", "IGROUP_NAME"},
                 {"ShoppingList", "IngredientsDescription"},
                 {"ShoppingList", "IngredientsType"}};
    for (const auto &t : texts) {
        const QString message =
            refusal(c, QStringLiteral("INSERT INTO %1(%2) VALUES('%3')")
                           .arg(QLatin1String(t.table), QLatin1String(t.column), QString(51, u'x')));
        EXPECT_TRUE(message.contains(QLatin1String(t.column))) << t.table << ": " << message.toStdString();
    }
    EXPECT_TRUE(refusal(c, QStringLiteral("INSERT INTO Menu(Menu_Time) VALUES('12')")).contains("Menu_Time"));
    c.execute(QStringLiteral("INSERT INTO Meal(Meal_Recipe) VALUES('%1')").arg(QString(100000, u'x')));
}

TEST_F(SchemaTest, NumbersThatAreNotNumbersAreRefused) {
    EXPECT_TRUE(refusal(c, QStringLiteral("INSERT INTO ShoppingList(IngredientsCount) VALUES('lots')"))
                    .contains("IngredientsCount"));
    EXPECT_TRUE(
        refusal(c, QStringLiteral("INSERT INTO Menu(Week_Number) VALUES('x')")).contains("Week_Number"));
    EXPECT_TRUE(
        refusal(c, QStringLiteral("INSERT INTO Meal(Meal_Morning) VALUES(2)")).contains("Meal_Morning"));
    c.execute(QStringLiteral("INSERT INTO ShoppingList(IngredientsCount) VALUES('12')"));
    EXPECT_EQ(count(QStringLiteral("SELECT typeof(IngredientsCount) = 'integer' FROM ShoppingList")), 1);
}

TEST_F(SchemaTest, DeletingAParentIsNeverRefused) {
    c.execute(QStringLiteral("INSERT INTO Meal_Type(ID,Type) VALUES(1,'Soup')"));
    c.execute(QStringLiteral("INSERT INTO Meal(Meal_ID,Meal_Name,Meal_Type) VALUES(1,'Leek soup',1)"));
    c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_ID,IGROUP_NAME) VALUES(1,'Veg')"));
    c.execute(
        QStringLiteral("INSERT INTO Ingredients(Ingredients_ID,Ingredients_Description,Ingredients_Group) "
                       "VALUES(1,'Leeks',1)"));
    c.execute(QStringLiteral("INSERT INTO MADE_WITH VALUES(1,1)"));
    c.execute(QStringLiteral(
        "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) VALUES(1,2006,0,1,'3')"));
    c.execute(QStringLiteral("DELETE FROM Meal_Type"));
    c.execute(QStringLiteral("DELETE FROM Meal"));
    c.execute(QStringLiteral("DELETE FROM IGroup"));
    c.execute(QStringLiteral("DELETE FROM Ingredients"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Made_With")), 1) << "links stay, unseen";
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM QSearchMeal")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM QMealIng")), 0);
}

TEST_F(SchemaTest, StoredQueriesGiveOneRowPerRecipeAndIngredient) {
    c.execute(
        QStringLiteral("INSERT INTO Meal(Meal_ID,Meal_Name) VALUES(1,'Porridge'),(2,'Toast'),(3,'Water')"));
    c.execute(QStringLiteral("INSERT INTO Ingredients(Ingredients_ID,Ingredients_Description) "
                             "VALUES(1,'Oats'),(2,'Milk'),(3,'Bread')"));
    c.execute(QStringLiteral("INSERT INTO Made_With VALUES(1,1),(1,2),(1,2),(2,3),(2,99),(99,1)"));
    Statement search(c, QStringLiteral("SELECT Meal_Name, Ingredients_Description FROM QSearchMeal "
                                       "ORDER BY Meal_Name, Ingredients_Description"));
    QStringList rows;
    while (search.step())
        rows << search.value(0).toString() + u'/' + search.value(1).toString();
    EXPECT_EQ(rows, (QStringList{"Porridge/Milk", "Porridge/Oats", "Toast/Bread"}));
    Statement ing(c, QStringLiteral("SELECT Ingredients_Description FROM QMealIng WHERE Meal_ID=1"));
    rows.clear();
    while (ing.step())
        rows << ing.value(0).toString();
    EXPECT_EQ(rows, (QStringList{"Milk", "Oats"}));
}

TEST_F(SchemaTest, TheStockShellOpensAndQueriesTheFile) {
    c.execute(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('Crème brûlée')"));
    c.close();
    const QString command =
        QStringLiteral("sqlite3 '%1' \"SELECT Meal_Name FROM Meal WHERE Meal_Name='crème brûlée'; "
                       "PRAGMA integrity_check;\" > '%2/out.txt'")
            .arg(file.path(), file.folder());
    ASSERT_EQ(std::system(command.toLocal8Bit().constData()), 0);
    QFile out(file.folder() + QStringLiteral("/out.txt"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()), QStringLiteral("Crème brûlée\nok\n"));
}
