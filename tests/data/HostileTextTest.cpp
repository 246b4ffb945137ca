// Hostile text through every statement builder: each statement stays one statement, the text arrives as
// typed, and a value too long for its column is refused by the file.
#include "support/HostileText.h"
#include "data/DataFile.h"
#include "mail/RecipeMessage.h"
#include "planner/MenuStatements.h"
#include "recipes/CatalogueStatements.h"
#include "recipes/RecipeStatements.h"
#include "search/SearchQuery.h"
#include "shopping/ShoppingStatements.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"

#include <functional>
#include <gtest/gtest.h>

using namespace db;

namespace {

QString first(Connection &c, const QString &sql) {
    Statement s(c, sql);
    return s.step() ? s.value(0).toString() : QString();
}

/// The tables and views of the file, which no statement built from user text may change.
QString shape(Connection &c) {
    Statement s(c,
                QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master ORDER BY 1)"));
    return s.step() ? s.value(0).toString() : QString();
}

} // namespace

TEST(HostileText, EveryStatementBuilderKeepsTheTextAsAValue) {
    TestDataFile file(TestDataFile::Contents::Starter);
    Connection c(file.path());
    c.open();
    const QString before = shape(c);
    const QString meals = first(c, QStringLiteral("SELECT count(*) FROM Meal"));
    const menu::Week week{49, 2026};
    for (const QString &text : hostileTexts()) {
        SCOPED_TRACE(text.left(40).toStdString());
        const bool fits = text.size() <= 50;
        // Reads: each runs as one statement and finds nothing by a name the book does not hold.
        const QStringList reads = {
            menu::recipeLookupByName(text),
            recipes::recipeCountByName(text),
            catalogue::groupByName(text),
            catalogue::ingredientCount(text),
            catalogue::ingredientUses(text),
            shopping::rowCountQuery(week.number, week.year, text),
            mail::recipeQuery(text),
            search::GetQueryString({search::Mode::Names, text, {}, {}}),
            search::GetQueryString({search::Mode::Only, {}, {text, QStringLiteral("Flour")}, {true, true}}),
            search::GetQueryString({search::Mode::Any, {}, {text}, {true}}),
            search::GetQueryString(
                {search::Mode::Minimum, {}, {text, QStringLiteral("Milk")}, {true, false}}),
        };
        for (const QString &read : reads) {
            EXPECT_NO_THROW({
                Statement s(c, read);
                while (s.step()) {
                }
            }) << read.left(200).toStdString();
        }
        // Writes: the text arrives as typed, or the whole value is refused in words.
        const auto write = [&](const QString &statement) -> QString {
            try {
                c.execute(statement);
                return {};
            } catch (const DbError &error) {
                return datafile::householdMessage(error.message());
            }
        };
        const QString ingredient = write(catalogue::ingredientInsert(text, 1));
        const QString listed = write(shopping::insertHandRow(week.number, week.year, text, text, 3));
        const QString derived = write(shopping::insertDerivedRow(week.number, week.year, text, 2, text));
        if (fits) {
            EXPECT_TRUE(ingredient.isEmpty()) << ingredient.toStdString();
            EXPECT_TRUE(listed.isEmpty()) << listed.toStdString();
            EXPECT_TRUE(derived.isEmpty()) << derived.toStdString();
            EXPECT_EQ(first(c, catalogue::ingredientCount(text)), QStringLiteral("1"));
            EXPECT_EQ(first(c, shopping::rowCountQuery(week.number, week.year, text)), QStringLiteral("2"));
            EXPECT_EQ(write(shopping::updateRow(week.number, week.year, text, text, 7)), QString());
            EXPECT_EQ(write(catalogue::ingredientRename(text + QStringLiteral("!"), text)).isEmpty(),
                      text.size() < 50);
            EXPECT_EQ(write(catalogue::ingredientDelete(text + QStringLiteral("!"))), QString());
            EXPECT_EQ(write(catalogue::ingredientDelete(text)), QString());
            EXPECT_EQ(write(shopping::deleteRow(week.number, week.year, text)), QString());
            EXPECT_EQ(first(c, catalogue::ingredientCount(text)), QStringLiteral("0"));
        } else {
            for (const QString &refusal : {ingredient, listed, derived}) {
                EXPECT_TRUE(
                    refusal.endsWith(QStringLiteral("can be at most 50 characters long. Nothing was saved.")))
                    << refusal.toStdString();
                EXPECT_FALSE(isEngineText(refusal)) << refusal.toStdString();
            }
        }
        EXPECT_EQ(shape(c), before) << "nothing was created or dropped";
        EXPECT_EQ(first(c, QStringLiteral("SELECT count(*) FROM Meal")), meals);
    }
}

TEST(HostileText, RefusalsOfTheFileAreSaidInAHouseholdsWords) {
    EXPECT_EQ(
        datafile::householdMessage(
            QStringLiteral("CHECK constraint failed: IngredientsDescription is longer than 50 characters")),
        QStringLiteral("An item of the shopping list can be at most 50 characters long. Nothing was saved."));
    EXPECT_EQ(datafile::householdMessage(
                  QStringLiteral("CHECK constraint failed: Type is longer than 50 characters")),
              QStringLiteral("A recipe type can be at most 50 characters long. Nothing was saved."));
    EXPECT_FALSE(isEngineText(datafile::householdMessage(
        QStringLiteral("CHECK constraint failed: Week_Number must be a whole number"))));
    EXPECT_EQ(datafile::householdMessage(QStringLiteral("disk I/O error")), QStringLiteral("disk I/O error"));
}
