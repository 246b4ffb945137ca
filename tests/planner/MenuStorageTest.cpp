#include "planner/MenuStorage.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "shopping/ShoppingList.h"
#include "support/TestDataFile.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

#include <gtest/gtest.h>

using namespace menu;

namespace {

class NoBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

class MenuStorageTest : public ::testing::Test {
protected:
    MenuStorageTest() {
        file.exec(QStringLiteral("INSERT INTO Meal(Meal_ID,Meal_Name,Meal_Noon,Meal_Night) VALUES(1,'Mum''s "
                                 "pie',1,1),(2,'Toast',1,0),"
                                 "(3,'Soup',1,1);"
                                 "INSERT INTO Ingredients(Ingredients_ID,Ingredients_Description) "
                                 "VALUES(1,'Flour'),(2,'Bread'),(3,'Leeks');"
                                 "INSERT INTO Made_With VALUES(1,1),(2,2),(2,1),(3,3)"));
        data = std::make_unique<TDataModule1>(box, file.path());
    }
    QStringList slotNames(int k) {
        QStringList names;
        db::QueryDataset &slot = data->slotQuery(k - 1);
        for (slot.first(); !slot.eof(); slot.next())
            names << slot.field(QStringLiteral("MEAL_NAME")).asString();
        return names;
    }
    int count(const QString &sql) {
        data->runSql(sql);
        return int(data->SQL.value(0, 0).toLongLong());
    }
    TestDataFile file;
    NoBox box;
    std::unique_ptr<TDataModule1> data;
};

} // namespace

TEST(MenuStatements, TextsAsTheDataFileExpectsThem) {
    const Week w{10, 2006};
    EXPECT_EQ(
        duplicateCheck(w, 2, 7, QStringLiteral("3")),
        QStringLiteral("Select * from Menu Where Week_Number=10 and Year_Number=2006 and Day_Number=2 and "
                       "Meal_ID=7 and Menu_Time='3'"));
    EXPECT_EQ(slotInsert(w, 2, 7, QStringLiteral("3")),
              QStringLiteral("insert into Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                             "VALUES(10,2006,2,7,'3');"));
    EXPECT_EQ(slotRemoval(w, 2, 7, QStringLiteral("3")),
              QStringLiteral("DELETE FROM MENU WHERE MENU_TIME='3' AND MEAL_ID=7 AND WEEK_NUMBER=10 AND "
                             "YEAR_NUMBER=2006 AND DAY_NUMBER=2"));
    EXPECT_EQ(
        slotQuery(w, 2, 4),
        QStringLiteral("SELECT MENU.MENU_ID,MENU.WEEK_NUMBER,MENU.YEAR_NUMBER,MENU.DAY_NUMBER,MENU.MEAL_ID, "
                       "MEAL.MEAL_ID,MEAL.MEAL_NAME,MEAL.MEAL_TYPE FROM MENU,MEAL WHERE WEEK_NUMBER=10 AND "
                       "YEAR_NUMBER=2006 AND DAY_NUMBER=2 AND MENU_TIME='4' AND MENU.MEAL_ID=MEAL.MEAL_ID"));
    EXPECT_EQ(weekMenuQuery(w),
              QStringLiteral("SELECT Menu.Meal_ID,Menu.Day_Number,Menu.Menu_Time,Meal.Meal_Name FROM "
                             "MENU,MEAL WHERE Menu.Week_Number=10 and Menu.Year_Number=2006 and "
                             "Menu.Meal_ID=Meal.Meal_ID"));
    EXPECT_EQ(weekDelete(w), QStringLiteral("Delete FROM MENU WHERE Week_Number=10 and Year_Number=2006"));
    EXPECT_EQ(recipeLookupByName(QStringLiteral("Mum's pie")),
              QStringLiteral("Select meal_id from meal where meal_name='Mum''s pie'"));
    EXPECT_EQ(weekInsert(w, 6, 12, 5),
              QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,"
                             "Menu_Time) VALUES(10,2006,6,12,5)"));
    EXPECT_STREQ(DayNames[0], "Saturday");
    EXPECT_STREQ(DayNames[6], "Friday");
    EXPECT_STREQ(TimeNames[1], "MorningSnack");
    EXPECT_STREQ(TimeNames[3], "NoonSnack");
}

TEST_F(MenuStorageTest, SlotsTakeEachRecipeOnceAndLoseItOnlyThere) {
    const Week w10{10, 2006}, w11{11, 2006};
    EXPECT_TRUE(addToSlot(*data, w10, 2, 1, QStringLiteral("3")));
    EXPECT_FALSE(addToSlot(*data, w10, 2, 1, QStringLiteral("3"))) << "already in that slot";
    EXPECT_TRUE(addToSlot(*data, w10, 2, 1, QStringLiteral("5")));
    EXPECT_TRUE(addToSlot(*data, w10, 3, 1, QStringLiteral("3")));
    EXPECT_TRUE(addToSlot(*data, w11, 2, 1, QStringLiteral("3")));
    EXPECT_TRUE(addToSlot(*data, w10, 2, 2, QStringLiteral("2")));
    EXPECT_TRUE(addToSlot(*data, w10, 2, 2, QStringLiteral("4"))) << "both snacks may hold one recipe";
    refreshSlots(*data, w10, 2);
    EXPECT_EQ(slotNames(3), QStringList{"Mum's pie"});
    EXPECT_EQ(slotNames(5), QStringList{"Mum's pie"});
    EXPECT_EQ(slotNames(2), QStringList{"Toast"});
    EXPECT_EQ(slotNames(4), QStringList{"Toast"});
    EXPECT_EQ(data->SQLMT3.field(QStringLiteral("MENU.MEAL_ID")).asInteger(), 1);

    removeFromSlot(*data, w10, 2, 1, QStringLiteral("3"));
    refreshSlots(*data, w10, 2);
    EXPECT_TRUE(slotNames(3).isEmpty());
    EXPECT_EQ(slotNames(5), QStringList{"Mum's pie"});
    refreshSlots(*data, w10, 3);
    EXPECT_EQ(slotNames(3), QStringList{"Mum's pie"});
    refreshSlots(*data, w11, 2);
    EXPECT_EQ(slotNames(3), QStringList{"Mum's pie"});
}

TEST_F(MenuStorageTest, AWeekIsReadBackAndADeletedRecipeIsNotShown) {
    const Week late{53, 2005}, early{1, 2006};
    replaceWeek(*data, late,
                {{0, 3, QStringLiteral("mum's PIE")},
                 {6, 5, QStringLiteral("Soup")},
                 {1, 3, QStringLiteral("No such recipe")}});
    replaceWeek(*data, early, {{0, 3, QStringLiteral("Toast")}});
    std::vector<Entry> entries = readWeek(*data, late);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, QStringLiteral("Mum's pie"));
    EXPECT_EQ(entries[0].code, 3);
    EXPECT_EQ(entries[1].day, 6);
    EXPECT_EQ(readWeek(*data, early).size(), 1u) << "week 53 of 2005 and week 1 of 2006 are apart";
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Menu WHERE Menu_Time='5' AND typeof(Menu_Time)='text'")),
        1);

    data->runSql(QStringLiteral("DELETE FROM Meal WHERE Meal_ID=3"));
    EXPECT_EQ(readWeek(*data, late).size(), 1u);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53")), 2)
        << "the entry stays";
    replaceWeek(*data, late, {});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53")), 0)
        << "and goes with its week";
}

TEST_F(MenuStorageTest, RowsThatCannotBeReadAreSkipped) {
    data->runSql(
        QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) VALUES"
                       "(5,2006,0,1,'x'),(5,2006,9,1,'1'),(5,2006,1,2,'2')"));
    const std::vector<Entry> entries = readWeek(*data, {5, 2006});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, QStringLiteral("Toast"));
}

TEST_F(MenuStorageTest, AFailureWhileReplacingAWeekLeavesItAsItWas) {
    const Week w{20, 2006};
    replaceWeek(*data, w, {{0, 3, QStringLiteral("Toast")}});
    shopping::regenerateWeekList(*data, 20, 2006);
    data->runSql(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Menu WHEN NEW.Meal_ID = 3 "
                                "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    try {
        db::Transaction t(data->ADOConnectionMain);
        replaceWeek(*data, w, {{0, 3, QStringLiteral("Mum's pie")}});
        shopping::regenerateWeekList(*data, 20, 2006);
        replaceWeek(*data, w, {{1, 3, QStringLiteral("Soup")}});
        t.commit();
        FAIL() << "the insert must fail";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("disk full"));
    }
    const std::vector<Entry> entries = readWeek(*data, w);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, QStringLiteral("Toast"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=20")), 2)
        << "Bread, Flour";
}

TEST_F(MenuStorageTest, ShoppingListCountsPlannedMeals) {
    const Week w{20, 2006};
    replaceWeek(*data, w,
                {{0, 3, QStringLiteral("Toast")},
                 {1, 5, QStringLiteral("Toast")},
                 {2, 3, QStringLiteral("Mum's pie")}});
    data->runSql(QStringLiteral(
        "INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount) "
        "VALUES(20,2006,'By hand',9),(20,2007,'Other year',1)"));
    shopping::regenerateWeekList(*data, 20, 2006);
    data->runSql(QStringLiteral(
        "SELECT IngredientsDescription, IngredientsCount FROM ShoppingList WHERE WeekNumber=20 "
        "AND YearNumber=2006 ORDER BY IngredientsDescription"));
    QStringList rows;
    for (data->SQL.first(); !data->SQL.eof(); data->SQL.next())
        rows << data->SQL.field(QStringLiteral("IngredientsDescription")).asString() + u'=' +
                    data->SQL.field(QStringLiteral("IngredientsCount")).asString();
    EXPECT_EQ(rows, (QStringList{"Bread=2", "Flour=3"}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE YearNumber=2007")), 1);
    replaceWeek(*data, w, {});
    shopping::regenerateWeekList(*data, 20, 2006);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=20 AND YearNumber=2006")),
        0);
}

// The amounts of one ingredient added up and told as a shopper reads them.
TEST(Amounts, SumsInTheUnitAShopperReads) {
    using amounts::System;
    const struct {
        std::vector<std::pair<double, const char *>> parts;
        const char *metric;
        const char *us;
    } cases[] = {
        {{{500, "g"}, {250, "g"}}, "750 g", "1.75 lb"},
        {{{1, "kg"}, {250, "g"}}, "1.25 kg", "3 lb"},
        {{{3, "tsp"}, {2, "tbsp"}}, "3 tbsp", "3 tbsp"},
        {{{1, "tsp"}}, "1 tsp", "1 tsp"},
        {{{1, "l"}, {500, "ml"}}, "1.5 l", "1.75 quarts"},
        {{{2, "cup"}}, "480 ml", "2 cups"},
        {{{2, "cloves"}, {1, "clove"}}, "3 cloves", "3 cloves"},
        {{{1, "can"}, {1, "can"}}, "2 cans", "2 cans"},
        {{{4, ""}, {2, ""}}, "6", "6"},
        {{{500, "g"}, {2, "cup"}}, "500 g + 480 ml", "1.25 lb + 2 cups"},
        {{{8, "oz"}}, "230 g", "8 oz"},
        {{{2, "Zehen"}, {1, "Zehe"}}, "3 Zehen", "3 Zehen"},
    };
    for (const auto &c : cases) {
        amounts::Sum sum;
        for (const auto &[amount, unit] : c.parts)
            sum.add(amount, QString::fromUtf8(unit));
        EXPECT_EQ(sum.text(System::Metric), QString::fromUtf8(c.metric));
        EXPECT_EQ(sum.text(System::UsCustomary), QString::fromUtf8(c.us));
    }
    amounts::Sum none;
    none.add(0, QStringLiteral("g"));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.text(System::Metric), QString());
}

// The week's list says how much: every planned recipe's lines scaled to the people at the table and added
// up; rows whose recipes give no amount keep the column empty; the count of meals keeps its meaning.
TEST_F(MenuStorageTest, TheShoppingListSaysHowMuch) {
    file.exec(QStringLiteral(
        "UPDATE Meal SET Meal_Servings=2 WHERE Meal_ID=1;"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Amount,Line_Unit,Ingredients_ID) "
        "VALUES"
        "(1,1,'250 g flour',250,'g',1),(2,1,'2 slices bread',2,'slices',2),(2,2,'1 tbsp flour',1,'tbsp',1)"));
    data.reset();
    data = std::make_unique<TDataModule1>(box, file.path());
    replaceWeek(*data, {20, 2006},
                {{0, 3, QStringLiteral("Toast")},
                 {1, 3, QStringLiteral("Toast")},
                 {2, 3, QStringLiteral("Mum's pie")},
                 {3, 3, QStringLiteral("Soup")}});
    shopping::regenerateWeekList(*data, 20, 2006, {4, amounts::System::Metric});
    data->runSql(
        QStringLiteral("SELECT IngredientsDescription || '=' || IngredientsCount || ':' || "
                       "coalesce(IngredientsAmount, '') AS Row FROM ShoppingList WHERE WeekNumber=20 "
                       "ORDER BY IngredientsDescription"));
    QStringList rows;
    for (data->SQL.first(); !data->SQL.eof(); data->SQL.next())
        rows << data->SQL.field(QStringLiteral("Row")).asString();
    // The pie serves two and is made for four; toast has no servings and is bought as written, twice.
    EXPECT_EQ(rows, (QStringList{"Bread=2:4 slices", "Flour=3:500 g + 2 tbsp", "Leeks=1:"}));
}
