#include "recipes/RecipeFiles.h"
#include "recipes/IngredientLine.h"
#include "recipes/RecipeFileImport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace recipefiles;

namespace {

QByteArray fixture(const char *name) {
    QFile file(QStringLiteral(MEALVANE_FIXTURES "/recipefiles/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The catalogue name of an ingredient line, as recipe writers write them: the food a shopper looks for.
TEST(IngredientName, RealLinesGiveTheNameAlone) {
    const std::pair<const char *, const char *> table[] = {
        {"2 cups all-purpose flour, sifted", "all-purpose flour"},
        {"1 cup sugar", "sugar"},
        {"1/2 teaspoon salt", "salt"},
        {"1 1/2 tablespoons olive oil", "olive oil"},
        {"3 large eggs", "eggs"},
        {"2 eggs, beaten", "eggs"},
        {"1 (14 oz) can diced tomatoes", "tomatoes"},
        {"3 cloves garlic, minced", "garlic"},
        {"1 medium onion, finely chopped", "onion"},
        {"Salt and pepper to taste", "Salt"},
        {"Fresh parsley, chopped", "parsley"},
        {"A pinch of salt", "salt"},
        {"250 g butter, softened", "butter"},
        {"250g butter", "butter"},
        {"500ml whole milk", "whole milk"},
        {"2 x 400g tins chopped tomatoes", "tomatoes"},
        {"1½ cups rolled oats", "rolled oats"},
        {"½ lemon, juiced", "lemon"},
        {"2-3 ripe bananas", "bananas"},
        {"2 to 3 tablespoons honey", "honey"},
        {"1 lb ground beef", "ground beef"},
        {"8 oz cream cheese, at room temperature", "cream cheese"},
        {"1 stick unsalted butter", "unsalted butter"},
        {"4 slices bacon", "bacon"},
        {"1 bunch coriander", "coriander"},
        {"2 sprigs fresh thyme", "thyme"},
        {"1 tsp. baking soda", "baking soda"},
        {"2 Tbsp maple syrup", "maple syrup"},
        {"1 T butter", "butter"},
        {"1 t vanilla extract", "vanilla extract"},
        {"3/4 c brown sugar", "brown sugar"},
        {"     4 md Apples; peeled and sliced", "Apples"},
        {"1 pk Yeast", "Yeast"},
        {"2 cn Kidney beans, drained", "Kidney beans"},
        {"- 1 red pepper, diced", "red pepper"},
        {"* 200 g spaghetti", "spaghetti"},
        {"• 1 cucumber", "cucumber"},
        {"For the sauce:", ""},
        {"TOPPING:", ""},
        {"2", ""},
        {"400 g", ""},
        {"Cloves", "Cloves"},
        {"Juice of 1 lemon", "lemon"},
        {"1 handful of spinach leaves", "spinach leaves"},
        {"a few basil leaves", "basil leaves"},
        {"Several sprigs of rosemary", "rosemary"},
        {"1 heaped tablespoon cocoa powder", "cocoa powder"},
        {"1 level teaspoon baking powder", "baking powder"},
        {"1 kg potatoes (floury), peeled", "potatoes"},
        {"100 ml double cream", "double cream"},
        {"1 litre vegetable stock", "vegetable stock"},
        {"2 pints milk", "milk"},
        {"1 quart chicken broth", "chicken broth"},
        {"1 envelope dry yeast", "dry yeast"},
        {"1 package cream cheese [8 ounces]", "cream cheese"},
        {"Olive oil, for frying", "Olive oil"},
        {"Icing sugar, for dusting", "Icing sugar"},
        {"Parmesan cheese, grated, to serve", "Parmesan cheese"},
        {"1 cup frozen peas", "frozen peas"},
        {"3 tablespoons crème fraîche", "crème fraîche"},
        {"200 g jalapeño peppers", "jalapeño peppers"},
        {"Ground cinnamon to taste", "Ground cinnamon"},
        {"Sea salt, as needed", "Sea salt"},
        {"Fresh mint leaves for garnish", "mint leaves"},
        {"1 small red onion", "red onion"},
        {"2 extra-large eggs", "eggs"},
        {"1 dash Worcestershire sauce", "Worcestershire sauce"},
        {"6 drops lemon extract", "lemon extract"},
        {"1 jar (12 oz) salsa", "salsa"},
        {"1 can (15 oz) black beans, rinsed", "black beans"},
        {"1/4 cup chopped walnuts (optional)", "walnuts"},
    };
    static_assert(std::size(table) >= 60);
    for (const auto &[line, name] : table)
        EXPECT_EQ(ingredientName(QString::fromUtf8(line)), QString::fromUtf8(name)) << line;
}

TEST(IngredientName, NamesEqualButForCaseAndNumberShareAKey) {
    EXPECT_EQ(nameKey(QStringLiteral("Eggs")), nameKey(QStringLiteral("egg")));
    EXPECT_EQ(nameKey(QStringLiteral("Tomatoes")), nameKey(QStringLiteral("tomato")));
    EXPECT_EQ(nameKey(QStringLiteral("Blueberries")), nameKey(QStringLiteral("blueberry")));
    EXPECT_EQ(nameKey(QStringLiteral("Peaches")), nameKey(QStringLiteral("PEACH")));
    EXPECT_EQ(nameKey(QStringLiteral("Ripe  Bananas")), nameKey(QStringLiteral("ripe banana")));
    EXPECT_EQ(nameKey(QStringLiteral("Couscous")), QStringLiteral("couscous"));
    EXPECT_EQ(nameKey(QStringLiteral("Glass noodles")), QStringLiteral("glass noodle"));
    EXPECT_NE(nameKey(QStringLiteral("Pea")), nameKey(QStringLiteral("Peach")));
}

TEST(RecipeText, NamesMethodsAndMealTimes) {
    bool cut = false;
    const QString longTitle =
        QStringLiteral("Slow roasted shoulder of lamb with rosemary, garlic and   anchovy butter");
    const QString name = bookName(longTitle, 50, &cut);
    EXPECT_TRUE(cut);
    EXPECT_LE(name.size(), 50);
    EXPECT_EQ(name, QStringLiteral("Slow roasted shoulder of lamb with rosemary,"));
    EXPECT_EQ(bookName(QStringLiteral("  Pea   soup "), 50, &cut), QStringLiteral("Pea soup"));
    EXPECT_EQ(bookName(QStringLiteral("Pea") + QChar(0) + QStringLiteral("soup\x01"), 50),
              QStringLiteral("Pea soup"))
        << "an imported name keeps no control character";
    EXPECT_FALSE(cut);

    Recipe r;
    r.title = longTitle;
    r.ingredientLines = {QStringLiteral("1 shoulder of lamb"), QStringLiteral("2 sprigs rosemary")};
    r.steps = {QStringLiteral("Heat the oven."), QStringLiteral("Roast for four hours.")};
    r.yield = QStringLiteral("6 servings");
    r.times = QStringLiteral("Total time: 4 h 30 min");
    EXPECT_EQ(
        methodText(r, true),
        QStringLiteral("Slow roasted shoulder of lamb with rosemary, garlic and anchovy butter\n\n"
                       "1 shoulder of lamb\n2 sprigs rosemary\n\nHeat the oven.\nRoast for four hours.\n\n"
                       "Yield: 6 servings; Total time: 4 h 30 min"));

    const auto times = [](QStringList categories) {
        Recipe x;
        x.categories = std::move(categories);
        return mealTimes(x);
    };
    EXPECT_EQ(times({"Brunch"}), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(times({"Appetizers", "Dinner"}), (std::array<bool, 5>{false, true, false, true, false}));
    EXPECT_EQ(times({"Main course"}), (std::array<bool, 5>{false, false, true, true, false}));
    EXPECT_EQ(times({"Desserts"}), (std::array<bool, 5>{false, false, false, false, true}));
    EXPECT_EQ(times({"Lunch box"}), (std::array<bool, 5>{false, false, true, false, false}));
    EXPECT_EQ(times({"Vegetarian"}), (std::array<bool, 5>{false, false, true, true, false})) << "none known";
}

TEST(MealMaster, TwoRecipesWithSubHeadingsColumnsAndContinuations) {
    const QByteArray bytes = fixture("two-recipes.mmf");
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(kindOf(bytes), Kind::MealMaster);
    const QList<Recipe> recipes = readMealMaster(bytes);
    ASSERT_EQ(recipes.size(), 2);
    const Recipe &crumble = recipes.at(0);
    EXPECT_EQ(crumble.title, QStringLiteral("Autumn Apple Crumble"));
    EXPECT_EQ(crumble.categories, (QStringList{"Desserts", "Fruits"}));
    EXPECT_EQ(crumble.yield, QStringLiteral("6 servings"));
    EXPECT_EQ(crumble.ingredientLines,
              (QStringList{"4 md Apples, peeled and sliced", "1/2 c Sugar", "1 ts Cinnamon",
                           "2 tb Lemon juice", "TOPPING", "1 c Flour",
                           "1/2 c Butter, cold and cut into small cubes", "1/2 c Rolled oats"}));
    EXPECT_EQ(crumble.steps, (QStringList{"Heat the oven to 190 C. Toss the apples with the sugar, cinnamon "
                                          "and lemon juice and spread them in a dish.",
                                          "Rub the butter into the flour, stir in the oats, scatter over the "
                                          "apples and bake for 40 minutes."}));
    const Recipe &soup = recipes.at(1);
    EXPECT_EQ(soup.title, QStringLiteral("Quick Pea Soup"));
    EXPECT_EQ(soup.yield, QStringLiteral("4"));
    EXPECT_EQ(soup.ingredientLines,
              (QStringList{"500 g Frozen peas", "1 l Vegetable stock", "1 sm Onion", "Salt"}));
    EXPECT_EQ(soup.steps.size(), 1);
}

TEST(MealMaster, TheOldCodePageIsRead) {
    const QByteArray bytes = fixture("cp437.mmf");
    ASSERT_FALSE(bytes.isEmpty());
    const QList<Recipe> recipes = readMealMaster(bytes);
    ASSERT_EQ(recipes.size(), 1);
    EXPECT_EQ(recipes.at(0).title, QStringLiteral("Crème brûlée à l'orange"));
    EXPECT_TRUE(recipes.at(0).ingredientLines.contains(QStringLiteral("250 ml Crème fraîche")));
    EXPECT_EQ(decodeText(QByteArrayLiteral("caf\xc3\xa9")), QStringLiteral("café")) << "UTF-8 stays UTF-8";
}

namespace {

QString fixturePath(const char *name) {
    return QStringLiteral(MEALVANE_FIXTURES "/recipefiles/") + QLatin1String(name);
}

QList<Recipe> page(const char *name) {
    const QByteArray bytes = fixture(name);
    EXPECT_EQ(kindOf(bytes), Kind::WebPage) << name;
    return readWebPage(bytes, fixturePath(name));
}

} // namespace

TEST(WebPage, JsonLdInAGraphWithSectionsEntitiesAndASavedPicture) {
    const QList<Recipe> recipes = page("graph-page.html");
    ASSERT_EQ(recipes.size(), 1);
    const Recipe &dal = recipes.at(0);
    EXPECT_EQ(dal.title, QStringLiteral("Weeknight Lentil Dal & Rice"));
    EXPECT_EQ(dal.ingredientLines.size(), 7);
    EXPECT_EQ(dal.ingredientLines.first(), QStringLiteral("1 cup red lentils, rinsed"));
    EXPECT_EQ(
        dal.steps,
        (QStringList{"Make the dal", "Fry the onion in the oil until soft & golden.",
                     "Add the garlic and cumin, then the lentils, coconut milk and 500 ml water.", "Finish",
                     "Simmer 30 minutes, stirring now and then.", "Season and serve with rice."}));
    EXPECT_EQ(dal.categories, (QStringList{"Dinner", "Main course"}));
    EXPECT_EQ(dal.keywords, (QStringList{"lentils", "vegan", "weeknight"}));
    EXPECT_EQ(dal.yield, QStringLiteral("4, 4 bowls"));
    EXPECT_EQ(dal.times, QStringLiteral("Preparation: 10 min, Cooking: 35 min, Total: 45 min"));
    EXPECT_TRUE(dal.picture.startsWith("\xff\xd8")) << "the picture the browser saved beside the page";
    EXPECT_EQ(mealTimes(dal), (std::array<bool, 5>{false, false, false, true, false}));
}

TEST(WebPage, AnArrayOfTwoRecipesWithTextStepsAndADataPicture) {
    const QList<Recipe> recipes = page("two-recipes-array.html");
    ASSERT_EQ(recipes.size(), 2);
    EXPECT_EQ(recipes.at(0).title, QStringLiteral("Morning Oat Pancakes"));
    EXPECT_EQ(recipes.at(0).steps, (QStringList{"Blend everything.", "Fry small pancakes in a hot pan."}));
    EXPECT_TRUE(recipes.at(0).picture.startsWith("\x89PNG"));
    EXPECT_TRUE(bookPicture(recipes.at(0).picture).startsWith("\xff\xd8")) << "kept as JPEG";
    EXPECT_TRUE(bookPicture(QByteArrayLiteral("not a picture")).isEmpty());
    EXPECT_EQ(recipes.at(1).title, QStringLiteral("Café Chocolate Pots"));
    EXPECT_EQ(recipes.at(1).yield, QStringLiteral("6"));
    EXPECT_EQ(recipes.at(1).steps.size(), 2);
}

TEST(WebPage, MicrodataWhenThereIsNoJsonLd) {
    const QList<Recipe> recipes = page("microdata.html");
    ASSERT_EQ(recipes.size(), 1);
    const Recipe &soup = recipes.at(0);
    EXPECT_EQ(soup.title, QStringLiteral("Garden Herb Soup")) << "not the author's name";
    EXPECT_EQ(soup.ingredientLines,
              (QStringList{"2 leeks, sliced", "1 l vegetable stock", "A handful of parsley"}));
    EXPECT_EQ(soup.steps, (QStringList{"Soften the leeks in butter.",
                                       "Add the stock, simmer 20 minutes, add the parsley and blend."}));
    EXPECT_EQ(soup.yield, QStringLiteral("4 servings"));
    EXPECT_EQ(soup.times, QStringLiteral("1 h 5 min"));
    EXPECT_TRUE(soup.picture.startsWith("GIF89a"));
    EXPECT_EQ(mealTimes(soup), (std::array<bool, 5>{false, false, true, false, false}));
}

TEST(WebPage, APageWithoutARecipeAndDamagedInput) {
    EXPECT_TRUE(page("no-recipe.html").isEmpty());
    EXPECT_TRUE(
        readWebPage(QByteArrayLiteral("<html><script type=\"application/ld+json\">{\"@type\":\"Recipe\","),
                    QString())
            .isEmpty());
    EXPECT_EQ(kindOf(QByteArrayLiteral("just some words")), Kind::Unknown);
    EXPECT_EQ(durationText(QStringLiteral("PT1H30M")), QStringLiteral("1 h 30 min"));
    EXPECT_EQ(durationText(QStringLiteral("soon")), QString());
}

TEST(WebPage, APictureIsKeptAtASizeTheBookShows) {
    QImage wide(5000, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(wide.save(&buffer, "PNG"));
    const QByteArray stored = bookPicture(png);
    ASSERT_TRUE(stored.startsWith("\xff\xd8"));
    const QImage kept = QImage::fromData(stored);
    EXPECT_EQ(kept.width(), 4096);
    EXPECT_NEAR(kept.height(), 82, 1);
}

// What real pages hold: JSON-LD wrapped in CDATA or a comment, a page that begins with blank lines, any
// named entity and entities a page encoded twice, every ingredient line in one string, a picture in WebP.
TEST(WebPage, WhatRealPagesHoldIsRead) {
    const auto page = [](const char *wrapOpen, const char *json, const char *wrapClose) {
        return QByteArray("<html><head><script type=\"application/ld+json\">") + wrapOpen + json + wrapClose +
               "</script></head></html>";
    };
    const char *json = "{\"@type\":\"Recipe\",\"name\":\"L&aring;t saut&amp;#233; &frac13; &hearts;\","
                       "\"recipeIngredient\":[\"1 cup flour\\n2 eggs\\r\\n\\n1 tsp salt\"],"
                       "\"recipeInstructions\":\"Mix.\"}";
    for (const auto &[open, close] :
         {std::pair{"//<![CDATA[\n", "\n//]]>"}, std::pair{"/*<![CDATA[*/", "/*]]>*/"},
          std::pair{"<!--", "-->"}, std::pair{"", ""}}) {
        const QList<Recipe> found = readWebPage(page(open, json, close), QString());
        ASSERT_EQ(found.size(), 1) << open;
        EXPECT_EQ(found[0].title, QStringLiteral("L\u00E5t saut\u00E9 \u2153 \u2665"));
        EXPECT_EQ(found[0].ingredientLines, (QStringList{"1 cup flour", "2 eggs", "1 tsp salt"}));
    }
    EXPECT_EQ(kindOf(QByteArray(20000, '\n') + page("", json, "")), Kind::WebPage);
    // A recipe the browser saved with a WebP picture keeps it, as JPEG.
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkRed);
    QByteArray webp;
    QBuffer buffer(&webp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(photo.save(&buffer, "WEBP")) << "the image formats plugin reads and writes WebP";
    EXPECT_TRUE(bookPicture(webp).startsWith("\xFF\xD8"));
    // A title and nothing else is no recipe to cook from.
    Recipe bare;
    bare.title = QStringLiteral("Just a name");
    EXPECT_EQ(refusal(bare), QStringLiteral("no ingredients or steps on the page"));
}

// Meal times from whole words of the categories and title (the key words only where those tell nothing),
// in the languages recipe books come in.
TEST(RecipeText, MealTimesFromWholeWordsInManyLanguages) {
    using T = std::array<bool, 5>;
    const T morning{true, false, false, false, false}, snack{false, true, false, false, false},
        mains{false, false, true, true, false}, dessert{false, false, false, false, true};
    const struct {
        const char *title;
        QStringList categories, keywords;
        T times;
    } cases[] = {
        {"Cranberry Fizz", {"Drinks"}, {"christmas dinner"}, snack},
        {"Pecan Pie", {}, {"thanksgiving dinner"}, dessert},
        {"Vanilla Cupcakes", {}, {}, dessert},
        {"Glazed Doughnuts", {}, {}, dessert},
        {"Berry Smoothie", {}, {}, snack},
        {"Summer Sangria", {}, {}, snack},
        {"Steak Tartare", {}, {}, mains},
        {"Chicken Pot", {"Main Dish"}, {}, mains},
        {"Stuffed Peppers", {"Entree"}, {}, mains},
        {"Leek and Potato", {"Soups"}, {}, mains},
        {"Devilled Eggs", {"Appetizer"}, {}, snack},
        {"Rinderrouladen", {"Hauptgericht"}, {}, mains},
        {"Rotkohl", {"Beilage"}, {}, snack},
        {"Crêpes Suzette", {"Nachspeise"}, {}, dessert},
        {"Overnight Oats", {"Frühstück"}, {}, morning},
        {"Pineapple Salsa", {}, {"dip"}, snack},
        {"Roast Lamb", {}, {}, mains},
    };
    for (const auto &c : cases) {
        Recipe r;
        r.title = QString::fromUtf8(c.title);
        r.categories = c.categories;
        r.keywords = c.keywords;
        EXPECT_EQ(mealTimes(r), c.times) << c.title;
    }
    EXPECT_EQ(dishKinds(QStringLiteral("Side Dish")), (QList<DishKind>{DishKind::Side}));
    EXPECT_EQ(dishKinds(QStringLiteral("Main Course")), (QList<DishKind>{DishKind::Main}));
}

// Ingredient groups a page gives, as sections of its data or as headings among its listed ingredients, are
// kept as headings in their order.
TEST(WebPage, IngredientGroupsBecomeHeadingsInOrder) {
    const QByteArray json =
        "<html><script type=\"application/ld+json\">{\"@type\":\"Recipe\",\"name\":\"Plum Tart\","
        "\"recipeIngredient\":[{\"@type\":\"HowToSection\",\"name\":\"Pastry\",\"itemListElement\":"
        "[\"200 g flour\",{\"@type\":\"HowToStep\",\"text\":\"100 g butter\"}]},{\"@type\":\"HowToSection\","
        "\"name\":\"For the filling:\",\"itemListElement\":[\"6 plums\"]},\"1 egg, beaten\"],"
        "\"recipeInstructions\":\"Bake.\"}</script></html>";
    const QList<Recipe> tart = readWebPage(json, QString());
    ASSERT_EQ(tart.size(), 1);
    EXPECT_EQ(tart[0].ingredientLines, (QStringList{"Pastry:", "200 g flour", "100 g butter",
                                                    "For the filling:", "6 plums", "1 egg, beaten"}));

    const QByteArray microdata =
        "<html><body><div itemscope itemtype=\"https://schema.org/Recipe\"><h1 itemprop=\"name\">Plum "
        "Tart</h1><h3>Ingredients</h3><h4>Pastry</h4><ul><li itemprop=\"recipeIngredient\">200 g flour</li>"
        "<li itemprop=\"recipeIngredient\">100 g butter</li></ul><h4>Filling</h4><ul><li "
        "itemprop=\"recipeIngredient\">6 plums</li></ul><h3>Method</h3><p itemprop=\"recipeInstructions\">"
        "Bake.</p></div></body></html>";
    const QList<Recipe> marked = readWebPage(microdata, QString());
    ASSERT_EQ(marked.size(), 1);
    EXPECT_EQ(marked[0].ingredientLines,
              (QStringList{"Pastry:", "200 g flour", "100 g butter", "Filling:", "6 plums"}));
    for (const QString &line : {QStringLiteral("Pastry:"), QStringLiteral("Filling:")})
        EXPECT_TRUE(ingredientline::read(line).heading) << qPrintable(line);
}
