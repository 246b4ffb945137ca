#include "search/SearchQuery.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/SqlText.h"

#include <random>

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

namespace {

/// Every row of `statement` on `c`, each as its columns joined, sorted and in small letters: the rows
/// without their order, and without which of two names equal but for case DISTINCT kept.
QStringList rowsOf(db::Connection &c, const QString &statement) {
    db::Statement s(c, statement);
    QStringList rows;
    while (s.step()) {
        QStringList row;
        for (int column = 0; column < s.columnCount(); ++column)
            row << (s.value(column).isNull() ? QStringLiteral("<null>") : s.value(column).toString());
        rows << row.join(u'|').toLower();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

// The ingredient modes run through the program's view and plans, which read only the recipes that use a
// checked ingredient; they must find exactly what the statements find read plainly over every pair, on
// books with names that differ only in case, recipes without a name, pairs linked twice, links to recipes
// or ingredients that are gone and ingredients without a description.
TEST(SearchPlanTest, IngredientModesFindWhatThePlainStatementsFind) {
    std::mt19937 random(20261209);
    const QStringList names = {"Bread",        "BREAD", "bread",        "Soup", "Crème brûlée",
                               "CRÈME BRÛLÉE", "Tart",  "O'Hara's pie", "Stew", "Pie"};
    const QStringList descriptions = {"Flour", "Salt", "SALT", "Eggs", "Crème", "Baker's yeast", "Water"};
    for (int book = 0; book < 40; ++book) {
        TestDataFile file;
        QStringList ingredientRows, mealRows,
            linkRows = {QStringLiteral("(999,1)"), QStringLiteral("(1,999)")};
        for (const QString &description : descriptions)
            ingredientRows << u'(' + sql::literal(description) + u')';
        ingredientRows << QStringLiteral("(NULL)");
        const int recipes = 4 + int(random() % 12);
        for (int r = 1; r <= recipes; ++r) {
            const bool unnamed = book % 4 == 3 && random() % 8 == 0;
            mealRows << (unnamed ? QStringLiteral("(NULL)")
                                 : u'(' + sql::literal(names[qsizetype(random() % names.size())]) + u')');
            for (int k = int(random() % 4); k > 0; --k)
                linkRows << QStringLiteral("(%1,%2)").arg(r).arg(1 + random() % (descriptions.size() + 1));
        }
        const QString sql = QStringLiteral("INSERT INTO Ingredients(Ingredients_Description) VALUES %1;"
                                           "INSERT INTO Meal(Meal_Name) VALUES %2;"
                                           "INSERT INTO Made_With VALUES %3")
                                .arg(ingredientRows.join(u','), mealRows.join(u','), linkRows.join(u','));
        file.exec(sql + u';');

        db::Connection program(file.path());
        program.open();
        program.addPlan(search::plannedOnly);
        db::Connection plain(file.path());
        plain.open();
        plain.execute(QStringLiteral(
            "CREATE TEMP VIEW QSearchPlain AS SELECT DISTINCT Meal.Meal_ID, Meal.Meal_Name, "
            "Ingredients.Ingredients_ID, Ingredients.Ingredients_Description FROM Meal INNER JOIN Made_With "
            "ON Made_With.Meal_ID = Meal.Meal_ID INNER JOIN Ingredients ON Ingredients.Ingredients_ID = "
            "Made_With.Ingredients_ID"));

        Criteria criteria;
        criteria.entries = descriptions;
        for (int pick = 0; pick < 6; ++pick) {
            criteria.checked.assign(size_t(descriptions.size()), false);
            for (int k = 1 + int(random() % 4); k > 0; --k)
                criteria.checked[size_t(random() % descriptions.size())] = true;
            for (Mode mode : {Mode::Only, Mode::Any, Mode::Minimum}) {
                criteria.mode = mode;
                const QString statement = GetQueryString(criteria);
                EXPECT_EQ(plannedOnly(statement).has_value(), mode == Mode::Only);
                QString reference = statement;
                reference.replace(QStringLiteral("QSearchMeal"), QStringLiteral("QSearchPlain"));
                ASSERT_EQ(rowsOf(program, statement), rowsOf(plain, reference))
                    << "book " << book << ": " << statement.toStdString();
            }
        }
    }
}

TEST(SearchPlanTest, OnlyTheOnlyStatementIsPlanned) {
    Criteria criteria{Mode::Only, {}, {QStringLiteral("it's"), QStringLiteral("50% a,b")}, {true, true}};
    const QString statement = GetQueryString(criteria);
    const std::optional<QString> planned = plannedOnly(statement);
    ASSERT_TRUE(planned.has_value());
    EXPECT_EQ(planned->count(QStringLiteral("'it''s','50% a,b'")), 4);
    EXPECT_FALSE(plannedOnly(statement + QStringLiteral(" OR 1=1")));
    QString mismatched = statement;
    mismatched.replace(mismatched.lastIndexOf(QStringLiteral("'it''s'")), 7, QStringLiteral("'other'"));
    EXPECT_FALSE(plannedOnly(mismatched)) << "both lists must be the same";
    EXPECT_FALSE(plannedOnly(QStringLiteral("select Meal_Name from Meal")));
}
