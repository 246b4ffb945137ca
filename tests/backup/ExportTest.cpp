#include "backup/RecipeExport.h"
#include "backup/WeekExport.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeFileImport.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NoGroupBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

// A thousand recipes, or a fifth of them in the build with the sanitizers, which run them twenty times
// slower.
#ifdef __SANITIZE_ADDRESS__
constexpr int Generated = 200;
#else
constexpr int Generated = 1000;
#endif

QByteArray photo(int seed) {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 200, 50 + seed % 200));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return jpeg;
}

/// Every recipe of a book as one line: what an export and an import must carry across.
QStringList recipes(const QString &path) {
    db::Connection c(path);
    c.open();
    db::Statement s(
        c,
        QStringLiteral(
            "SELECT m.Meal_Name || '|' || m.Meal_Morning || m.Meal_Snack || m.Meal_Noon || m.Meal_Night || "
            "m.Meal_Dessert || '|' || ifnull(t.Type, '') || '|' || ifnull(m.Meal_Servings, '') || '|' || "
            "ifnull(length(m.Meal_Picture) || ':' || hex(substr(m.Meal_Picture, -40)), '') || '|' || "
            "ifnull(m.Meal_Author, '') || '|' || "
            "ifnull(m.Meal_Prep_Time, '') || '|' || ifnull(m.Meal_Cuisine, '') || '|' || "
            "ifnull(m.Meal_Nutrition, '') || '|' || ifnull((SELECT group_concat(l, ' / ') FROM (SELECT "
            "Line_Text || '=' || ifnull(Line_Amount, '') || ifnull(Line_Unit, '') || ':' || Line_Heading AS "
            "l "
            "FROM Recipe_Lines WHERE Meal_ID = m.Meal_ID ORDER BY Line_Position)), '') FROM Meal m LEFT JOIN "
            "Meal_Type t ON t.ID = m.Meal_Type ORDER BY m.Meal_Name"));
    QStringList out;
    while (s.step())
        out << s.value(0).toString();
    return out;
}

/// The same recipes, told one at a time where they differ.
void expectSame(const QStringList &got, const QStringList &wanted) {
    EXPECT_EQ(got.size(), wanted.size());
    int told = 0;
    for (qsizetype i = 0; i < std::min(got.size(), wanted.size()) && told < 3; ++i) {
        if (got[i] != wanted[i]) {
            ADD_FAILURE() << "got    " << qPrintable(got[i]) << "\nwanted " << qPrintable(wanted[i]);
            ++told;
        }
    }
}

QStringList filesIn(const QString &folder, const QString &pattern) {
    QStringList out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({pattern}, QDir::Files))
        out << dir.filePath(name);
    return out;
}

/// Imports the files into a new empty book and gives back its recipes.
QStringList importedInto(const QStringList &files, recipefiles::ImportCounts *counts = nullptr) {
    TestDataFile empty;
    NoGroupBox box;
    TDataModule1 data(box, empty.path());
    QString failure;
    const recipefiles::ImportCounts done = recipefiles::importFiles(data, files, {}, &failure);
    EXPECT_TRUE(failure.isEmpty()) << qPrintable(failure);
    if (counts != nullptr)
        *counts = done;
    return recipes(empty.path());
}

} // namespace

// The starter book, with a picture, details and hard names added, written as web pages and read back into
// an empty book: every recipe, its lines and amounts, servings, meal times, type and picture.
TEST(RecipeExport, WebPagesGiveBackTheStarterBookWhole) {
    TestDataFile book(TestDataFile::Contents::Starter);
    book.exec(QStringLiteral(
        "UPDATE Meal SET Meal_Servings = 4, Meal_Yield = 'Makes 12 pancakes', Meal_Author = 'Anna & Piet', "
        "Meal_Prep_Time = 85, Meal_Cuisine = 'Dutch', Meal_Nutrition = 'Calories 420 kcal' || char(59) || ' "
        "Fat 12 g', "
        "Meal_Source = 'https://example.org/pancakes?a=1&b=2' WHERE Meal_Name = 'Pancakes';"
        "INSERT INTO Meal(Meal_Name, Meal_Recipe, Meal_Dessert, Meal_Type) VALUES('Crème \"brûlée\" <100% & "
        "more>', "
        "'Heat the cream.\nBake at 150 °C for 40 min.', 1, 0);"
        "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, Line_Unit) "
        "SELECT Meal_ID, 1, 'Custard:', 1, NULL, NULL FROM Meal WHERE Meal_Name LIKE 'Crème%';"
        "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, Line_Unit) "
        "SELECT Meal_ID, 2, '500 ml double cream', 0, 500, 'ml' FROM Meal WHERE Meal_Name LIKE 'Crème%';"
        "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, Line_Unit) "
        "SELECT Meal_ID, 3, '1 1/2 tbsp caster sugar, and a little more for the crust', 0, 1.5, 'tbsp' FROM "
        "Meal WHERE Meal_Name LIKE 'Crème%'"));
    {
        db::Connection c(book.path());
        c.open();
        db::Statement s(c, QStringLiteral("UPDATE Meal SET Meal_Picture = ? WHERE Meal_Name = 'Pancakes'"));
        s.bind(1, photo(1));
        s.step();
    }
    const QStringList before = recipes(book.path());
    ASSERT_GT(before.size(), 20);
    QTemporaryDir folder;
    recipeexport::Written written;
    {
        db::Connection c(book.path());
        c.open();
        written = recipeexport::writeWebPages(c, recipeexport::allRecipes(c), folder.path());
    }
    ASSERT_TRUE(written.failure.isEmpty()) << qPrintable(written.failure);
    EXPECT_EQ(written.recipes, before.size());
    const QStringList pages = filesIn(folder.path(), QStringLiteral("*.html"));
    EXPECT_EQ(pages.size(), before.size());
    EXPECT_EQ(filesIn(folder.path(), QStringLiteral("*.jpg")).size(), 1);
    // A readable page: the name as a title, the lines, the source as a link.
    QFile pancakes(QDir(folder.path()).filePath(QStringLiteral("pancakes.html")));
    ASSERT_TRUE(pancakes.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(pancakes.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>Pancakes</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<img src=\"pancakes.jpg\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"https://example.org/pancakes?a=1&amp;b=2\">")));
    // Its JSON-LD parses, and is a schema.org Recipe with its steps as HowToStep.
    const qsizetype from = html.indexOf(QStringLiteral("application/ld+json\">")) + 21;
    QJsonParseError error{};
    const QJsonObject recipe =
        QJsonDocument::fromJson(html.mid(from, html.indexOf(QStringLiteral("</script>")) - from).toUtf8(),
                                &error)
            .object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    EXPECT_EQ(recipe.value(QStringLiteral("@type")).toString(), QStringLiteral("Recipe"));
    EXPECT_EQ(recipe.value(QStringLiteral("prepTime")).toString(), QStringLiteral("PT1H25M"));
    EXPECT_EQ(recipe.value(QStringLiteral("image")).toString(), QStringLiteral("pancakes.jpg"));
    EXPECT_EQ(recipe.value(QStringLiteral("recipeYield")).toArray().first().toString(),
              QStringLiteral("4 servings"));
    EXPECT_EQ(recipe.value(QStringLiteral("recipeInstructions"))
                  .toArray()
                  .first()[QStringLiteral("@type")]
                  .toString(),
              QStringLiteral("HowToStep"));

    recipefiles::ImportCounts counts;
    expectSame(importedInto(pages, &counts), before);
    EXPECT_EQ(counts.imported, before.size());
    EXPECT_TRUE(counts.withoutRecipe.isEmpty()) << qPrintable(counts.withoutRecipe.join(u','));

    // Written again into the same folder, nothing is replaced: the new pages take numbers.
    db::Connection c(book.path());
    c.open();
    const recipeexport::Written again = recipeexport::writeWebPages(
        c, recipeexport::recipesNamed(c, {QStringLiteral("Pancakes")}), folder.path());
    EXPECT_EQ(again.recipes, 1);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("pancakes-2.html"))));
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("pancakes-2.jpg"))));
}

// A generated book of 1,000 recipes, each with its own picture, goes out and comes back alike; the same book
// as one MealMaster file gives back every recipe with its lines and servings.
TEST(RecipeExport, AThousandRecipesWithPicturesComeBackAlike) {
    TestDataFile book;
    book.exec(
        QStringLiteral(
            "INSERT INTO Meal_Type(Type) VALUES('Soup'), ('Main Course'), ('Snack');"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO Meal(Meal_Name, Meal_Recipe, Meal_Morning, Meal_Snack, Meal_Noon, Meal_Night, "
            "Meal_Dessert, "
            "Meal_Type, Meal_Servings) SELECT 'Dish ' || i, 'Stir pot ' || i || '.' || char(10) || 'Serve.', "
            "i % "
            "2, "
            "(i / 2) % 2, (i / 4) % 2, 1, (i / 8) % 2, i % 4, 1 + i % 6 FROM n;"
            "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, "
            "Line_Unit) "
            "SELECT Meal_ID, 1, ((Meal_ID % 9 + 1) * 50) || ' g plain flour', 0, (Meal_ID % 9 + 1) * 50, 'g' "
            "FROM Meal;"
            "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, "
            "Line_Unit) "
            "SELECT Meal_ID, 2, '2 cloves garlic, crushed', 0, 2, 'cloves' FROM Meal;"
            "INSERT INTO Recipe_Lines(Meal_ID, Line_Position, Line_Text, Line_Heading, Line_Amount, "
            "Line_Unit) "
            "SELECT Meal_ID, 3, 'salt to taste', 0, NULL, NULL FROM Meal")
            .arg(Generated));
    {
        db::Connection c(book.path());
        c.open();
        db::Statement s(c, QStringLiteral("UPDATE Meal SET Meal_Picture = ? WHERE Meal_ID = ?"));
        for (int id = 1; id <= Generated; ++id) {
            s.reset();
            s.bind(1, photo(id));
            s.bind(2, id);
            s.step();
        }
    }
    const QStringList before = recipes(book.path());
    ASSERT_EQ(before.size(), Generated);
    QTemporaryDir pages;
    QTemporaryDir mealMaster;
    recipeexport::Written asPages;
    recipeexport::Written asMealMaster;
    {
        db::Connection c(book.path());
        c.open();
        asPages = recipeexport::writeWebPages(c, recipeexport::allRecipes(c), pages.path());
        asMealMaster = recipeexport::writeMealMaster(c, recipeexport::allRecipes(c), mealMaster.path());
    }
    EXPECT_EQ(asPages.recipes, Generated);
    expectSame(importedInto(filesIn(pages.path(), QStringLiteral("*.html"))), before);

    EXPECT_EQ(asMealMaster.recipes, Generated);
    EXPECT_EQ(QFileInfo(asMealMaster.where).fileName(), QStringLiteral("Mealvane Recipes.mmf"));
    TestDataFile empty;
    NoGroupBox box;
    {
        TDataModule1 data(box, empty.path());
        const recipefiles::ImportCounts counts = recipefiles::importFiles(data, {asMealMaster.where}, {});
        EXPECT_EQ(counts.imported, Generated);
    }
    db::Connection c(empty.path());
    c.open();
    db::Statement lines(
        c,
        QStringLiteral("SELECT group_concat(Line_Text, '/'), sum(Line_Amount), max(m.Meal_Servings) FROM "
                       "Recipe_Lines l JOIN Meal m ON m.Meal_ID = l.Meal_ID WHERE m.Meal_Name = 'Dish 17'"));
    ASSERT_TRUE(lines.step());
    EXPECT_EQ(lines.value(0).toString(),
              QStringLiteral("450 g plain flour/2 cloves garlic, crushed/salt to taste"));
    EXPECT_EQ(lines.value(1).toDouble(), 452);
    EXPECT_EQ(lines.value(2).toInt(), 6);
}

TEST(RecipeExport, AMealMasterRecipeKeepsLongLinesAndHeadingsInItsColumns) {
    recipeexport::BookRecipe r;
    r.name = QStringLiteral("Apple Pie");
    r.type = QStringLiteral("Dessert");
    r.times[4] = true;
    r.servings = 8;
    r.lines = {QStringLiteral("Pastry:"), QStringLiteral("250 g plain flour"),
               QStringLiteral("1 1/2 c chilled unsalted butter, cut into small cubes and kept very cold")};
    r.headings = {true, false, false};
    r.method = QStringLiteral("Rub the butter into the flour until it looks like fine breadcrumbs, then add "
                              "cold water a spoonful at a time.\nBake.");
    const QString text = recipeexport::mealMaster(r);
    for (const QString &line : text.split(u'\n'))
        EXPECT_LE(line.size(), 80) << qPrintable(line);
    const QList<recipefiles::Recipe> back = recipefiles::readMealMaster(text.toUtf8());
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].title, r.name);
    EXPECT_EQ(back[0].ingredientLines, QStringList({QStringLiteral("PASTRY"), r.lines[1], r.lines[2]}));
    EXPECT_EQ(back[0].categories, QStringList({QStringLiteral("Dessert"), QStringLiteral("Dessert")}));
    EXPECT_EQ(back[0].yield, QStringLiteral("8"));
    EXPECT_EQ(back[0].steps.size(), 2);
    EXPECT_TRUE(back[0].steps[0].startsWith(QStringLiteral("Rub the butter")));
}

TEST(WeekExport, TheWeekAsTextAndAsCommaSeparatedValues) {
    TestDataFile book(TestDataFile::Contents::Starter);
    book.exec(QStringLiteral(
        "INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID, Menu_People) SELECT 50, "
        "2026, "
        "0, '1', Meal_ID, 3 FROM Meal WHERE Meal_Name = 'Pancakes';"
        "INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID) SELECT 50, 2026, 6, '5', "
        "Meal_ID FROM Meal WHERE Meal_Name = 'Fish pie';"
        "INSERT INTO ShoppingList(WeekNumber, YearNumber, IngredientsDescription, IngredientsCount, "
        "IngredientsType, IngredientsAmount, IngredientsBought) VALUES (50, 2026, 'Milk', 2, 'Dairy and "
        "Eggs', "
        "'1 l', 1), (50, 2026, 'Crème \"fraîche\", 30%', 1, 'Dairy and Eggs', NULL, 0), (50, 2026, '=1+1', "
        "1, "
        "NULL, NULL, 0)"));
    db::Connection c(book.path());
    c.open();
    const QString text = weekexport::text(c, 50, 2026);
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Week 50 of 2026: Saturday 12 December to Friday 18 December 2026")))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Saturday 12 December\n  Morning:  Pancakes (for 3)")))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Friday 18 December\n  Night:    Fish pie")));
    EXPECT_TRUE(text.contains(QStringLiteral("Dairy and Eggs\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  [x] Milk, 1 l\n"))) << qPrintable(text);
    const QStringList rows = weekexport::csv(c, 50, 2026).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], QStringLiteral("Part,Date,Day,Meal time,Name,Amount,Meals,Group,Bought"));
    EXPECT_EQ(rows[1], QStringLiteral("Menu,2026-12-12,Saturday,Morning,Pancakes,for 3,,,"));
    EXPECT_TRUE(rows.contains(
        QStringLiteral("Shopping list,,,,\"Crème \"\"fraîche\"\", 30%\",,1,Dairy and Eggs,no")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Shopping list,,,,'=1+1,,1,,no")))
        << qPrintable(rows.join(u'\n'));
    EXPECT_EQ(weekexport::text(c, 1, 2030).count(QStringLiteral("Nothing is planned.")), 1);
}
