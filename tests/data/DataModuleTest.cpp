#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "support/TestDataFile.h"
#include "toolkit/db/DbError.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class RecordingGroupBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &names) override {
        items = names;
        ++fills;
    }
    QStringList items;
    int fills = 0;
};

QString startFailure(const QString &path) {
    RecordingGroupBox box;
    try {
        TDataModule1 module(box, path);
    } catch (const db::DbError &e) {
        return e.message();
    }
    return {};
}

class DataModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        file.exec(QStringLiteral(
            "INSERT INTO IGroup(IGROUP_ID,IGROUP_NAME) VALUES(1,'Vegetables'),(2,'Dairy'),"
            "(3,'A group name of thirty chars');"
            "INSERT INTO Meal_Type(ID,Type) VALUES(1,'Breakfast');"
            "INSERT INTO Meal(Meal_ID,Meal_Name,Meal_Type) "
            "VALUES(1,'Porridge',1),(2,'Toast',42),(3,'Water',NULL);"
            "INSERT INTO Ingredients(Ingredients_ID,Ingredients_Description,Ingredients_Group) VALUES"
            "(1,'Oats',3),(2,'Milk',2),(3,'Bread',77),(4,'Salt',1);"
            "INSERT INTO Made_With VALUES(1,1),(1,2),(1,2),(2,3)"));
    }
    TestDataFile file;
    RecordingGroupBox box;
};

} // namespace

TEST_F(DataModuleTest, OpensTheStartDatasetsAndFillsTheGroupBoxInNameOrder) {
    TDataModule1 dm(box, file.path());
    for (const db::Dataset *open : std::initializer_list<const db::Dataset *>{
             &dm.MEALS, &dm.MEALTYPE, &dm.IGROUP, &dm.SQLMEALS, &dm.SQLMEAL1, &dm.SQLMEAL2, &dm.SQLSHOP,
             &dm.SQLGROUPS, &dm.SQLINGREDIENTS})
        EXPECT_TRUE(open->isOpen()) << open->objectName().toStdString();
    for (const db::Dataset *closed :
         std::initializer_list<const db::Dataset *>{&dm.OLDMeals, &dm.OLDSQLMI, &dm.SQLMEAL3, &dm.SQLMT1,
                                                    &dm.SQLMT6, &dm.SHOP, &dm.SHOPINGREDIENTS, &dm.SQL})
        EXPECT_FALSE(closed->isOpen()) << closed->objectName().toStdString();
    EXPECT_EQ(box.fills, 1);
    EXPECT_EQ(box.items, (QStringList{"A group name of thirty chars", "Dairy", "Vegetables"}));
    EXPECT_EQ(dm.SQLMEALS.field(QStringLiteral("Meal_Name")).asString(), QStringLiteral("Porridge"));
    EXPECT_EQ(dm.SQLMEAL1.recordCount(), 0) << "no recipe chosen yet";
    EXPECT_EQ(dm.SQLMEAL2.recordCount(), 4);
    EXPECT_EQ(&dm.MEALS_DS.dataset(), &dm.MEALS);
    EXPECT_EQ(&dm.SQL_GROUPS_DS.dataset(), &dm.SQLGROUPS);
    EXPECT_EQ(&dm.slotQuery(3), &dm.SQLMT4);
}

TEST_F(DataModuleTest, PostingAGroupRefillsTheGroupBox) {
    TDataModule1 dm(box, file.path());
    dm.IGROUP.append();
    dm.IGROUP.setValue(QStringLiteral("IGROUP_NAME"), QStringLiteral("Bakery"));
    dm.IGROUP.post();
    EXPECT_EQ(box.items, (QStringList{"A group name of thirty chars", "Bakery", "Dairy", "Vegetables"}));
    dm.IGROUP.deleteCurrent();
    EXPECT_EQ(box.items.size(), 4) << "a delete is no post: the box keeps its items";
}

TEST_F(DataModuleTest, LookupFieldsOfRecipesAndIngredients) {
    TDataModule1 dm(box, file.path());
    QStringList types;
    for (dm.MEALS.first(); !dm.MEALS.eof(); dm.MEALS.next())
        types << dm.MEALS.field(QStringLiteral("type")).asString();
    EXPECT_EQ(types, (QStringList{"Breakfast", "", ""}));
    QStringList groups;
    for (dm.SQLINGREDIENTS.first(); !dm.SQLINGREDIENTS.eof(); dm.SQLINGREDIENTS.next())
        groups << dm.SQLINGREDIENTS.field(QStringLiteral("IGroup")).asString();
    EXPECT_EQ(groups, (QStringList{"", "Dairy", "A group name of thirty chars",
                                   "Vegetables"})); // Bread, Milk, Oats, Salt
}

TEST_F(DataModuleTest, RecipeIngredientQueries) {
    TDataModule1 dm(box, file.path());
    dm.SQLMEAL1.close();
    dm.SQLMEAL1.setParameter(QStringLiteral("xMeal_ID"), 1);
    dm.SQLMEAL1.open();
    QStringList rows;
    for (dm.SQLMEAL1.first(); !dm.SQLMEAL1.eof(); dm.SQLMEAL1.next())
        rows << dm.SQLMEAL1.field(QStringLiteral("Ingredients_Description")).asString() + u'/' +
                    dm.SQLMEAL1.field(QStringLiteral("Group")).asString();
    EXPECT_EQ(rows, (QStringList{"Milk/Dairy", "Oats/A group name of thirty chars"}))
        << "the repeated link shows once";

    dm.SQLMEAL2.close();
    dm.SQLMEAL2.setParameter(QStringLiteral("xMeal_ID"), 3);
    dm.SQLMEAL2.open();
    EXPECT_EQ(dm.SQLMEAL2.recordCount(), 4) << "a recipe without ingredients lacks none";
    dm.SQLMEAL1.close();
    dm.SQLMEAL1.setParameter(QStringLiteral("xMeal_ID"), 3);
    dm.SQLMEAL1.open();
    EXPECT_EQ(dm.SQLMEAL1.recordCount(), 0);

    dm.SQLMEAL2.close();
    dm.SQLMEAL2.setParameter(QStringLiteral("xMeal_ID"), 1);
    dm.SQLMEAL2.open();
    rows.clear();
    for (dm.SQLMEAL2.first(); !dm.SQLMEAL2.eof(); dm.SQLMEAL2.next())
        rows << dm.SQLMEAL2.field(QStringLiteral("Ingredients_Description")).asString() + u'/' +
                    dm.SQLMEAL2.field(QStringLiteral("igroup")).asString();
    EXPECT_EQ(rows, (QStringList{"Bread/", "Salt/Vegetables"}));
}

TEST_F(DataModuleTest, ADeletedRecipesLinksAreNeverShown) {
    TDataModule1 dm(box, file.path());
    dm.runSql(QStringLiteral(
        "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) VALUES(20,2006,0,2,'1')"));
    dm.runSql(QStringLiteral("DELETE FROM Meal WHERE Meal_ID=2"));
    dm.SQLSHOP.close();
    dm.SQLSHOP.setParameter(QStringLiteral("xWeek"), QStringLiteral("20"));
    dm.SQLSHOP.setParameter(QStringLiteral("xYear"), QStringLiteral("2006"));
    dm.SQLSHOP.open();
    EXPECT_EQ(dm.SQLSHOP.recordCount(), 0);
    dm.runSql(QStringLiteral("SELECT count(*) FROM QSearchMeal WHERE Meal_Name='Toast'"));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 0);
}

TEST_F(DataModuleTest, TheScratchQueryReportsTheEnginesMessage) {
    TDataModule1 dm(box, file.path());
    try {
        dm.runSql(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('%1')").arg(QString(60, u'x')));
        FAIL();
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("CHECK constraint failed: IGROUP_NAME is longer than 50 characters"));
    }
    dm.runSql(QStringLiteral("SELECT count(*) FROM IGroup"));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 3);
}

TEST(DataModuleStart, FailsWithTheDatabaseMessageWhenTheFileCannotServe) {
    TestDataFile file;
    EXPECT_TRUE(startFailure(file.folder() + QStringLiteral("/missing.mdb"))
                    .contains(QStringLiteral("Could not find file")));
    EXPECT_TRUE(startFailure(QStringLiteral(MEALVANE_FIXTURES "/not-a-recipe-db.mdb"))
                    .contains(QStringLiteral("not a database")));
    file.exec(QStringLiteral("DROP VIEW QSearchMeal; DROP TABLE IGroup"));
    EXPECT_EQ(startFailure(file.path()), QStringLiteral("IGROUP: no such table: IGroup"));
}
