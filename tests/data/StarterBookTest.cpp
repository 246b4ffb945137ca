#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"

#include <gtest/gtest.h>

using namespace db;

namespace {

qint64 count(Connection &c, const QString &sql) {
    Statement s(c, sql);
    return s.step() ? s.value(0).toLongLong() : -1;
}

} // namespace

TEST(StarterBook, CoversEveryMealTimeWithRealRecipes) {
    TestDataFile file(TestDataFile::Contents::Starter);
    Connection c(file.path());
    c.open();
    EXPECT_GE(count(c, QStringLiteral("SELECT count(*) FROM Meal")), 40);
    for (const char *flag : {"Meal_Morning", "Meal_Snack", "Meal_Noon", "Meal_Night", "Meal_Dessert"})
        EXPECT_GE(
            count(c, QStringLiteral("SELECT count(*) FROM Meal WHERE %1=true").arg(QLatin1String(flag))), 6)
            << flag;
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM Meal WHERE length(Meal_Recipe) < 80")), 0);
    EXPECT_EQ(count(c, QStringLiteral(
                           "SELECT count(*) FROM Meal WHERE Meal_ID NOT IN (SELECT Meal_ID FROM Made_With)")),
              0);
    EXPECT_EQ(count(c, QStringLiteral(
                           "SELECT count(*) FROM Meal WHERE Meal_Type NOT IN (SELECT ID FROM Meal_Type)")),
              0);
    EXPECT_GE(count(c, QStringLiteral("SELECT count(*) FROM Meal_Type")), 6);
    EXPECT_GE(count(c, QStringLiteral("SELECT count(*) FROM Ingredients")), 120);
    EXPECT_GE(count(c, QStringLiteral("SELECT count(DISTINCT Ingredients_Group) FROM Ingredients "
                                      "WHERE Ingredients_Group IN (SELECT IGROUP_ID FROM IGroup)")),
              10);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM (SELECT Ingredients_Description FROM Ingredients "
                                      "GROUP BY Ingredients_Description HAVING count(*) > 1)")),
              0)
        << "the catalogue holds each description once";
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM Menu")), 0);
}
