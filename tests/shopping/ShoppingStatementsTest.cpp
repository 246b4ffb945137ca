#include "shopping/ShoppingStatements.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "support/TestDataFile.h"

#include <gtest/gtest.h>

using namespace shopping;

namespace {

struct NoGroups : IngredientGroupItems {
    void setIngredientGroupItems(const QStringList &) override {}
};

} // namespace

TEST(ShoppingStatements, TextsAsTheDataFileExpectsThem) {
    EXPECT_TRUE(weekListQuery(1, 2006).startsWith(
        QStringLiteral("SELECT INGREDIENTSDESCRIPTION,INGREDIENTSAMOUNT,INGREDIENTSCOUNT,INGREDIENTSTYPE,"
                       "CASE WHEN INGREDIENTSBOUGHT=1 THEN '\u2713' ELSE '' END AS BOUGHT,SHOPPINGLISTID,")));
    EXPECT_TRUE(
        weekListQuery(1, 2006).endsWith(QStringLiteral(" AS SECTION FROM SHOPPINGLIST WHERE WEEKNUMBER=1 and "
                                                       "YEARNUMBER=2006 ORDER BY INGREDIENTSDESCRIPTION")));
    EXPECT_EQ(pickerQuery(53, 2005, std::nullopt),
              QStringLiteral(
                  "Select INGREDIENTS.INGREDIENTS_DESCRIPTION, INGREDIENTS.INGREDIENTS_ID, "
                  "INGREDIENTS.INGREDIENTS_GROUP FROM INGREDIENTS WHERE INGREDIENTS.INGREDIENTS_DESCRIPTION "
                  "not in(SELECT INGREDIENTSDESCRIPTION FROM SHOPPINGLIST WHERE WEEKNUMBER=53 and "
                  "YEARNUMBER=2005)\n ORDER BY INGREDIENTS.INGREDIENTS_DESCRIPTION"));
    EXPECT_TRUE(pickerQuery(53, 2005, 7)
                    .contains(QStringLiteral(")\n AND INGREDIENTS.INGREDIENTS_GROUP=7\n ORDER BY")));
    EXPECT_EQ(rowCountQuery(2, 2007, QStringLiteral("Baker's yeast")),
              QStringLiteral("SELECT COUNT(*) FROM SHOPPINGLIST WHERE WEEKNUMBER=2 AND YEARNUMBER=2007 AND "
                             "INGREDIENTSDESCRIPTION='Baker''s yeast'"));
    EXPECT_EQ(insertHandRow(2, 2007, QStringLiteral("Milk"), QStringLiteral("Dairy"), 3),
              QStringLiteral(
                  "INSERT INTO SHOPPINGLIST(Weeknumber,Yearnumber,IngredientsDescription,IngredientsType,"
                  "IngredientsCount) VALUES(2,2007,'Milk','Dairy',3)"));
    EXPECT_EQ(updateRow(2, 2007, QStringLiteral("Milk"), QStringLiteral("It's"), 12),
              QStringLiteral(
                  "UPDATE SHOPPINGLIST SET IngredientsType='It''s',IngredientsCount=12 WHERE WEEKNUMBER=2 "
                  "AND YEARNUMBER=2007 AND INGREDIENTSDESCRIPTION='Milk'"));
    EXPECT_EQ(deleteRow(2, 2007, QStringLiteral("O'Brien")),
              QStringLiteral("DELETE FROM SHOPPINGLIST WHERE WEEKNUMBER=2 AND YEARNUMBER=2007 AND "
                             "INGREDIENTSDESCRIPTION='O''Brien'"));
}

TEST(ShoppingStatements, GroupNamesAreReCasedOnlyFromAToZ) {
    EXPECT_EQ(groupCase(QStringLiteral("DAIRY")), QStringLiteral("Dairy"));
    EXPECT_EQ(groupCase(QStringLiteral("dairy")), QStringLiteral("Dairy"));
    EXPECT_EQ(groupCase(QStringLiteral("fresh FRUIT")), QStringLiteral("Fresh fruit"));
    EXPECT_EQ(groupCase(QStringLiteral("crème")), QStringLiteral("Crème"));
    EXPECT_EQ(groupCase(QStringLiteral("ÉPICES ÀLA")), QStringLiteral("Épices Àla"))
        << "accented capitals stay";
    EXPECT_EQ(groupCase(QStringLiteral("éclair")), QStringLiteral("éclair"))
        << "only a to z becomes a capital";
    EXPECT_EQ(groupCase(QStringLiteral(" tins")), QStringLiteral(" tins"));
    EXPECT_EQ(groupCase(QString()), QString());
}

TEST(ShoppingStatements, OnlyWholeCountsFromOneAreQuantities) {
    EXPECT_EQ(parseQuantity(QStringLiteral("1")), 1);
    EXPECT_EQ(parseQuantity(QStringLiteral("  42 ")), 42);
    EXPECT_EQ(parseQuantity(QStringLiteral("007")), 7);
    EXPECT_EQ(parseQuantity(QStringLiteral("2147483647")), 2147483647);
    for (const char *bad : {"", "  ", "0", "-3", "+3", "1.5", "1,000", "2147483648", "99999999999999999999",
                            "abc", "1 WHERE 1=1 --", "1;DELETE FROM Menu", "١٢", "1e3", "0x10"})
        EXPECT_FALSE(parseQuantity(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(ShoppingStatements, HandEditsRunOnTheDataFile) {
    TestDataFile file(TestDataFile::Contents::Starter);
    NoGroups groups;
    TDataModule1 data(groups, file.path());
    const QString name = QStringLiteral("Baker's \"best\" 100% _flour_ é");
    data.runSql(insertHandRow(9, 2010, name, QStringLiteral("O'Neill's"), 5));
    data.runSql(rowCountQuery(9, 2010, name.toUpper()));
    EXPECT_EQ(data.SQL.value(0, 0).toLongLong(), 1) << "descriptions match without regard to case";
    data.runSql(updateRow(9, 2010, name.toLower(), QStringLiteral("Mine"), 8));
    data.runSql(weekListQuery(9, 2010));
    ASSERT_EQ(data.SQL.recordCount(), 1);
    EXPECT_EQ(data.SQL.field(QStringLiteral("INGREDIENTSDESCRIPTION")).asString(), name);
    EXPECT_EQ(data.SQL.field(QStringLiteral("INGREDIENTSCOUNT")).asInteger(), 8);
    EXPECT_EQ(data.SQL.field(QStringLiteral("INGREDIENTSTYPE")).asString(), QStringLiteral("Mine"));

    data.runSql(insertHandRow(9, 2010, QStringLiteral("Milk"), QStringLiteral("Dairy"), 1));
    data.runSql(pickerQuery(9, 2010, std::nullopt));
    EXPECT_FALSE(data.SQL.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Milk")));
    EXPECT_TRUE(data.SQL.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Butter")));
    data.runSql(deleteRow(9, 2010, QStringLiteral("MILK")));
    data.runSql(pickerQuery(9, 2010, std::nullopt));
    EXPECT_TRUE(data.SQL.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Milk")));
}
