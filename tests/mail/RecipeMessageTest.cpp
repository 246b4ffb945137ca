#include "mail/RecipeMessage.h"

#include <gtest/gtest.h>

using namespace mail;

TEST(RecipeMessage, TheWorkedExample) {
    EXPECT_EQ(subject(QStringLiteral("Pancakes")), QStringLiteral("VaneRecipe - Pancakes"));
    const QString expected =
        QStringLiteral("\r\nPancakes [Breakfast,Snack]\r\n") + QString(27, u'-') +
        QStringLiteral(
            "\r\n\r\nMix and fry. \r\n\r\nINGREDIENTS: \r\n-----------\r\nEggs\r\nFlour\r\nMilk\r\n");
    EXPECT_EQ(body(QStringLiteral("Pancakes"), QStringLiteral("Mix and fry."),
                   {true, true, false, false, false},
                   {QStringLiteral("Eggs"), QStringLiteral("Flour"), QStringLiteral("Milk")}),
              expected);
}

TEST(RecipeMessage, TitlesMethodsAndEmptyLists) {
    const QString plain = body(QStringLiteral("Toast"), QString(), {}, {});
    EXPECT_EQ(plain, QStringLiteral("\r\nToast\r\n------\r\n\r\n \r\n\r\nINGREDIENTS: \r\n-----------\r\n"))
        << "no times: the name alone, hyphens one longer; an empty method is one blank; no ingredients";
    EXPECT_EQ(mealTimeList({true, true, true, true, true}),
              QStringLiteral("Breakfast,Snack,Lunch,Dinner,Dessert"));
    EXPECT_EQ(mealTimeList({false, false, false, true, true}), QStringLiteral("Dinner,Dessert"));

    const QString lines =
        body(QStringLiteral("Soup"), QStringLiteral("Chop.\r\nBoil.\nServe\rhot.\n"), {}, {});
    EXPECT_TRUE(
        lines.contains(QStringLiteral("\r\n\r\nChop.\r\nBoil.\r\nServe\r\nhot.\r\n \r\n\r\nINGREDIENTS")))
        << qPrintable(lines);
}

TEST(RecipeMessage, NormalisingEndsEveryLineWithCrLf) {
    EXPECT_EQ(normalised(QStringLiteral("a\rb\nc\r\nd")), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(normalised(QStringLiteral("a\n")), QStringLiteral("a\r\n"))
        << "a final break adds no empty line";
    EXPECT_EQ(normalised(QStringLiteral("\n\n")), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(normalised(QString()), QString());
    const QString longLine(10000, u'x');
    EXPECT_EQ(normalised(longLine), longLine + QStringLiteral("\r\n")) << "long lines are kept whole";
}

TEST(RecipeMessage, NamesWithQuotesAreLookedUpSafely) {
    EXPECT_TRUE(recipeQuery(QStringLiteral("Mum's \"best\" pie"))
                    .endsWith(QStringLiteral("(((Meal.Meal_Name)=\"Mum's \"\"best\"\" pie\")); ")));
    EXPECT_TRUE(
        ingredientsQuery(QStringLiteral("12")).contains(QStringLiteral("(((Meal.Meal_ID)=12)) ORDER BY")));
}
