// The statement forms the program issues, run against a real data file.
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/QueryDataset.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace db;

namespace {

class StatementDialect : public ::testing::Test {
protected:
    void SetUp() override {
        c.open();
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_ID,IGROUP_NAME) VALUES(1,'Dairy'),(2,'Baking')"));
        c.execute(QStringLiteral(
            "INSERT INTO Meal(Meal_ID,Meal_Name,Meal_Morning,Meal_Snack,Meal_Noon,Meal_Dessert,Meal_Type) "
            "VALUES"
            "(1,'Pancakes',1,1,0,0,1),(2,'Mum''s pie',0,0,1,0,2),(3,'Crème "
            "brûlée',0,0,0,1,2),(4,'PASTA',0,0,1,0,2),"
            "(5,'Pasta',0,0,1,0,2),(6,'Fruit salad',0,1,0,1,3)"));
        c.execute(QStringLiteral(
            "INSERT INTO Ingredients(Ingredients_ID,Ingredients_Description,Ingredients_Group) "
            "VALUES(1,'Milk',1),(2,'Eggs',1),(3,'Flour',2),(4,'Butter',1),(5,'Baker''s yeast',2)"));
        // Pancakes: milk, eggs, flour. Mum's pie: flour, butter, yeast. Crème brûlée: milk, eggs.
        c.execute(
            QStringLiteral("INSERT INTO Made_With VALUES(1,1),(1,2),(1,3),(2,3),(2,4),(2,5),(3,1),(3,2)"));
    }
    QStringList column(const QString &sql, int col = 0) {
        QStringList out;
        Statement s(c, sql);
        while (s.step())
            out << s.value(col).toString();
        return out;
    }
    void plan(int week, int year, int day, int meal, const QString &code) {
        c.execute(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                                 "VALUES(%1,%2,%3,%4,%5)")
                      .arg(week)
                      .arg(year)
                      .arg(day)
                      .arg(meal)
                      .arg(code));
    }
    TestDataFile file;
    Connection c{file.path()};
};

} // namespace

TEST_F(StatementDialect, NamesAndKeywordsInAnyCaseWithATrailingSemicolon) {
    EXPECT_EQ(column(QStringLiteral("select meal_name from MEAL where MEAL_ID=2;")),
              QStringList{"Mum's pie"});
    EXPECT_EQ(column(QStringLiteral("SELECT [Meal].[Meal_Name] FROM [meal] WHERE [Meal].[Meal_ID]=1")),
              QStringList{"Pancakes"});
}

TEST_F(StatementDialect, TextComparesAndSortsWithoutRegardToCase) {
    EXPECT_EQ(column(QStringLiteral("Select meal_id from meal where meal_name='mum''s PIE'")),
              QStringList{"2"});
    EXPECT_EQ(column(QStringLiteral("select Meal_ID from Meal where Meal_Name='CRÈME BRÛLÉE'")),
              QStringList{"3"});
    EXPECT_EQ(column(QStringLiteral("select count(*) from meal where meal_name='pasta'")), QStringList{"2"});
    EXPECT_EQ(column(QStringLiteral("select Meal_ID from Meal where Meal_Name IN ('crème BRÛLÉE','pancakes') "
                                    "order by Meal_ID")),
              (QStringList{"1", "3"}));
    EXPECT_EQ(column(QStringLiteral("select Meal_Name from Meal where Meal_Name LIKE '%RÛL%'")),
              QStringList{"Crème brûlée"});
    const QStringList ordered = column(QStringLiteral("SELECT * FROM MEAL ORDER BY MEAL_NAME;"), 1);
    EXPECT_EQ(ordered.mid(0, 4), (QStringList{"Crème brûlée", "Fruit salad", "Mum's pie", "Pancakes"}));
    ASSERT_EQ(ordered.size(), 6);
    EXPECT_EQ(ordered.at(4).toLower(), QStringLiteral("pasta"));
    EXPECT_EQ(ordered.at(5).toLower(), QStringLiteral("pasta"));
}

TEST_F(StatementDialect, BooleanLiteralsMatchYesNoColumns) {
    EXPECT_EQ(column(QStringLiteral("select Meal_Name from Meal where Meal_Snack=true order by Meal_Name;")),
              (QStringList{"Fruit salad", "Pancakes"}));
    EXPECT_EQ(
        column(QStringLiteral("SELECT * FROM MEAL WHERE MEAL_SNACK=TRUE AND MEAL_TYPE=3 ORDER BY MEAL_NAME"),
               1),
        QStringList{"Fruit salad"});
}

TEST_F(StatementDialect, ABareNumberIntoTheTimeColumnReadsBackAsText) {
    plan(20, 2006, 0, 1, QStringLiteral("5"));
    Statement s(c, QStringLiteral("SELECT Menu_Time, typeof(Menu_Time) FROM Menu"));
    ASSERT_TRUE(s.step());
    EXPECT_EQ(s.value(0), QVariant(QStringLiteral("5")));
    EXPECT_EQ(s.value(1).toString(), QStringLiteral("text"));
    EXPECT_EQ(column(QStringLiteral("SELECT Meal_ID FROM MENU WHERE MENU_TIME='5'")), QStringList{"1"});
}

TEST_F(StatementDialect, WeekCountWithTextParametersAgainstIntegerColumns) {
    plan(20, 2006, 0, 1, QStringLiteral("'1'"));
    plan(20, 2006, 1, 1, QStringLiteral("'3'"));
    plan(20, 2006, 1, 3, QStringLiteral("'6'"));
    plan(20, 2005, 1, 2, QStringLiteral("'5'")); // another year's week 20
    QueryDataset shop(QStringLiteral("SQLSHOP"), c);
    shop.setSql(QStringLiteral("SELECT  Ingredients.Ingredients_Description, Ingredients.Ingredients_Group, "
                               "Count(Ingredients.Ingredients_ID) "
                               "AS NumberOfMeals\nFROM Menu, Meal, Made_With, Ingredients\nWHERE "
                               "(((Menu.Meal_ID)=[Meal].[Meal_ID]) AND "
                               "((Meal.Meal_ID)=[Made_With].[Meal_ID]) AND "
                               "((Made_With.Ingredients_ID)=[Ingredients].[Ingredients_ID]) AND "
                               "((Menu.Week_Number)=:xWeek)) AND ((Menu.Year_Number)=:xYear)\nGROUP BY "
                               "Ingredients.Ingredients_Description,Ingredients.Ingredients_Group;"));
    shop.declareParameter(QStringLiteral("xWeek"));
    shop.declareParameter(QStringLiteral("xYear"));
    shop.setParameter(QStringLiteral("xWeek"), QStringLiteral("20"));
    shop.setParameter(QStringLiteral("xYear"), QStringLiteral("2006"));
    shop.open();
    QStringList rows;
    for (shop.first(); !shop.eof(); shop.next())
        rows << shop.field(QStringLiteral("Ingredients_Description")).asString() + u'=' +
                    shop.field(QStringLiteral("NumberOfMeals")).asString();
    rows.sort();
    EXPECT_EQ(rows, (QStringList{"Eggs=3", "Flour=2", "Milk=3"}));
}

TEST_F(StatementDialect, SlotQueryNamesBothMealIdColumnsByTable) {
    plan(10, 2006, 2, 2, QStringLiteral("'3'"));
    QueryDataset slot(QStringLiteral("SQLMT3"), c);
    slot.setSql(
        QStringLiteral("SELECT MENU.MENU_ID,MENU.WEEK_NUMBER,MENU.YEAR_NUMBER,MENU.DAY_NUMBER,MENU.MEAL_ID, "
                       "MEAL.MEAL_ID,MEAL.MEAL_NAME,MEAL.MEAL_TYPE FROM MENU,MEAL WHERE WEEK_NUMBER=10 AND "
                       "YEAR_NUMBER=2006 AND "
                       "DAY_NUMBER=2 AND MENU_TIME='3' AND MENU.MEAL_ID=MEAL.MEAL_ID"));
    slot.open();
    ASSERT_EQ(slot.recordCount(), 1);
    QStringList names;
    for (int i = 0; i < slot.fieldCount(); ++i)
        names << slot.fieldDef(i).name.toUpper();
    EXPECT_EQ(names, (QStringList{"MENU_ID", "WEEK_NUMBER", "YEAR_NUMBER", "DAY_NUMBER", "MENU.MEAL_ID",
                                  "MEAL.MEAL_ID", "MEAL_NAME", "MEAL_TYPE"}));
    EXPECT_EQ(slot.field(QStringLiteral("MEAL_NAME")).asString(), QStringLiteral("Mum's pie"));
}

TEST_F(StatementDialect, InsertWithoutAColumnListFollowsColumnOrder) {
    c.execute(QStringLiteral("INSERT INTO MADE_WITH VALUES(6,4)"));
    EXPECT_EQ(column(QStringLiteral("SELECT Ingredients_ID FROM Made_With WHERE Meal_ID=6")),
              QStringList{"4"});
}

TEST_F(StatementDialect, NestedJoinsAndDoubleQuotedText) {
    const QString name =
        QStringLiteral("SELECT Meal.Meal_ID, Meal.Meal_Name, Meal.Meal_Recipe, Meal.Meal_Morning "
                       "FROM Meal WHERE (((Meal.Meal_Name)=\"mum's pie\")); ");
    EXPECT_EQ(column(name), QStringList{"2"});
    EXPECT_EQ(
        column(QStringLiteral(
            "SELECT Ingredients.Ingredients_Description FROM Meal INNER JOIN (Ingredients INNER JOIN "
            "Made_With "
            "ON Ingredients.Ingredients_ID = Made_With.Ingredients_ID) ON Meal.Meal_ID = Made_With.Meal_ID "
            "WHERE (((Meal.Meal_ID)=2)) ORDER BY Ingredients.Ingredients_Description; ")),
        (QStringList{"Baker's yeast", "Butter", "Flour"}));
}

TEST_F(StatementDialect, NotInSubqueriesAndSearchModes) {
    EXPECT_EQ(
        column(QStringLiteral("SELECT ingredients_id,Ingredients_Description, Ingredients_Group\nFROM "
                              "Ingredients\nWHERE Ingredients_ID NOT IN(\nSELECT Ingredients.Ingredients_Id\n"
                              "FROM Made_With INNER JOIN Ingredients ON Made_With.Ingredients_ID = "
                              "Ingredients.Ingredients_ID\nWHERE Made_With.Meal_ID = 1) \nORDER BY "
                              "Ingredients.Ingredients_Description;"),
               1),
        (QStringList{"Baker's yeast", "Butter"}));
    // ONLY these ingredients.
    EXPECT_EQ(column(QStringLiteral(
                  "select distinct Meal_Name from QSearchMeal  where Ingredients_Description in ( "
                  "'MILK','eggs') AND Meal_Name not in (select Meal_Name from QSearchMeal where "
                  "Ingredients_Description not in ( 'MILK','eggs'))")),
              QStringList{"Crème brûlée"});
    // ANY of them.
    QStringList any = column(QStringLiteral("SELECT distinct QSearchMeal.Meal_Name FROM QSearchMeal WHERE  "
                                            "QSearchMeal.Ingredients_Description='flour' OR "
                                            "QSearchMeal.Ingredients_Description='Baker''s yeast'"));
    any.sort();
    EXPECT_EQ(any, (QStringList{"Mum's pie", "Pancakes"}));
    // MINIMUM of all of them.
    EXPECT_EQ(
        column(QStringLiteral("select distinct Meal_Name, Count(Ingredients_Description) from QSearchMeal  "
                              "where Ingredients_Description in ( 'Milk','Flour')  Group By Meal_Name having "
                              "Count(Ingredients_Description) =2")),
        QStringList{"Pancakes"});
    EXPECT_EQ(
        column(QStringLiteral("select Meal_Name from Meal where Meal_Name LIKE '%%' order by Meal_Name;"))
            .size(),
        6);
    EXPECT_EQ(
        column(QStringLiteral("select Meal_Name from Meal where Meal_Name LIKE '%s_p%' order by Meal_Name;")),
        QStringList{"Mum's pie"});
}

TEST_F(StatementDialect, ShoppingListNotInAndCountAlias) {
    c.execute(QStringLiteral(
        "INSERT INTO SHOPPINGLIST(WEEKNUMBER,YEARNUMBER,INGREDIENTSDESCRIPTION,INGREDIENTSCOUNT,"
        "INGREDIENTSTYPE) VALUES(53,2005,'MILK',2,'Dairy')"));
    EXPECT_EQ(column(QStringLiteral(
                  "Select INGREDIENTS.INGREDIENTS_DESCRIPTION, INGREDIENTS.INGREDIENTS_ID, "
                  "INGREDIENTS.INGREDIENTS_GROUP FROM INGREDIENTS WHERE "
                  "INGREDIENTS.INGREDIENTS_DESCRIPTION not in(SELECT INGREDIENTSDESCRIPTION FROM "
                  "SHOPPINGLIST WHERE WEEKNUMBER=53 and YEARNUMBER=2005)\n AND "
                  "INGREDIENTS.INGREDIENTS_GROUP=1\n ORDER BY INGREDIENTS.INGREDIENTS_DESCRIPTION")),
              (QStringList{"Butter", "Eggs"}));
    EXPECT_EQ(column(QStringLiteral(
                  "select count(1) as x from ShoppingList where YearNumber=2005 and WeekNumber=53")),
              QStringList{"1"});
}
