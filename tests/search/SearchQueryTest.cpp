#include "search/SearchQuery.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "support/TestDataFile.h"

#include <gtest/gtest.h>

using namespace search;

namespace {

struct NoGroups : IngredientGroupItems {
    void setIngredientGroupItems(const QStringList &) override {}
};

/// The starter book with three small recipes of known ingredients.
class SearchQueryTest : public ::testing::Test {
protected:
    SearchQueryTest()
        : file(TestDataFile::Contents::Empty) {
        file.exec(QStringLiteral(
            "INSERT INTO IGroup(IGROUP_NAME) VALUES('G');"
            "INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) VALUES('Flour',1),('Baker''s "
            "yeast',1),"
            "('Salt',1),('Water',1),('Sugar',1),('Eggs',1);"
            "INSERT INTO Meal(Meal_Name) VALUES('Bread'),('O''Brien''s loaf'),('Meringue'),('Empty'),('bread "
            "rolls');"
            "INSERT INTO Made_With "
            "VALUES(1,1),(1,2),(1,3),(1,4),(2,1),(2,2),(3,5),(3,6),(5,1),(5,2),(5,3),(5,4),(5,5);"));
        data = std::make_unique<TDataModule1>(groups, file.path());
        criteria.entries = {QStringLiteral("Baker's yeast"), QStringLiteral("Eggs"),
                            QStringLiteral("Flour"),         QStringLiteral("Salt"),
                            QStringLiteral("Sugar"),         QStringLiteral("Water")};
        criteria.checked.assign(6, false);
    }
    void check(std::initializer_list<int> entries) {
        criteria.checked.assign(6, false);
        for (int e : entries)
            criteria.checked[size_t(e)] = true;
    }
    QStringList found(Mode mode) {
        criteria.mode = mode;
        data->runSql(GetQueryString(criteria));
        QStringList names;
        for (int r = 0; r < data->SQL.recordCount(); ++r)
            names << data->SQL.value(r, QStringLiteral("Meal_Name")).toString();
        data->SQL.close();
        std::sort(names.begin(), names.end());
        return names;
    }

    TestDataFile file;
    NoGroups groups;
    std::unique_ptr<TDataModule1> data;
    Criteria criteria;
};

} // namespace

TEST_F(SearchQueryTest, NamesModeMatchesAPieceWithoutRegardToCase) {
    criteria.nameText = QStringLiteral("BREAD");
    EXPECT_EQ(found(Mode::Names), (QStringList{"Bread", "bread rolls"}));
    criteria.nameText = QStringLiteral("O'Brien");
    EXPECT_TRUE(
        GetQueryString({Mode::Names, criteria.nameText, {}, {}}).contains(QStringLiteral("'%O''Brien%'")));
    EXPECT_EQ(found(Mode::Names), (QStringList{"O'Brien's loaf"}));
    criteria.nameText.clear();
    EXPECT_EQ(found(Mode::Names).size(), 5) << "an empty piece finds every recipe";
}

TEST_F(SearchQueryTest, IngredientModes) {
    check({0, 2}); // Baker's yeast, Flour
    EXPECT_EQ(found(Mode::Only), (QStringList{"O'Brien's loaf"})) << "every ingredient checked";
    EXPECT_EQ(found(Mode::Any), (QStringList{"Bread", "O'Brien's loaf", "bread rolls"}));
    EXPECT_EQ(found(Mode::Minimum), (QStringList{"Bread", "O'Brien's loaf", "bread rolls"}));
    check({2, 4}); // Flour, Sugar
    EXPECT_EQ(found(Mode::Minimum), (QStringList{"bread rolls"})) << "both, whatever else";
    EXPECT_EQ(found(Mode::Any), (QStringList{"Bread", "Meringue", "O'Brien's loaf", "bread rolls"}));
    check({0, 1, 2, 3, 4, 5});
    EXPECT_EQ(found(Mode::Only).size(), 4) << "all checked: every recipe with ingredients";
    EXPECT_TRUE(GetQueryString(criteria).contains(QStringLiteral("'Baker''s yeast','Eggs'")));
}

TEST_F(SearchQueryTest, WhenASearchMayRun) {
    criteria.mode = Mode::None;
    EXPECT_TRUE(ValidCriteria(criteria));
    EXPECT_TRUE(GetQueryString(criteria).isEmpty());
    criteria.mode = Mode::Names;
    EXPECT_TRUE(ValidCriteria(criteria));
    for (Mode mode : {Mode::Only, Mode::Any, Mode::Minimum}) {
        criteria.mode = mode;
        check({});
        EXPECT_FALSE(ValidCriteria(criteria));
        check({5});
        EXPECT_TRUE(ValidCriteria(criteria));
    }
    criteria.mode = Mode::Minimum;
    check({1, 4});
    EXPECT_TRUE(
        GetQueryString(criteria).endsWith(QStringLiteral("having Count(Ingredients_Description) =2")));
}
