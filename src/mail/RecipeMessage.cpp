#include "RecipeMessage.h"

namespace mail {

namespace {

const char *const TimeLabels[] = {"Breakfast", "Snack", "Lunch", "Dinner", "Dessert"};

/// A text between double quotes, each double quote inside it doubled.
QString doubleQuoted(const QString &text) {
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString recipeQuery(const QString &name) {
    return QStringLiteral(
               "SELECT Meal.Meal_ID, Meal.Meal_Name, Meal.Meal_Recipe, Meal.Meal_Morning, Meal.Meal_Snack, "
               "Meal.Meal_Noon, Meal.Meal_Night, Meal.Meal_Dessert FROM Meal WHERE (((Meal.Meal_Name)=") +
           doubleQuoted(name) + QStringLiteral(")); ");
}

QString ingredientsQuery(const QString &mealId) {
    return QStringLiteral(
               "SELECT Ingredients.Ingredients_Description FROM Meal INNER JOIN (Ingredients INNER JOIN "
               "Made_With ON Ingredients.Ingredients_ID = Made_With.Ingredients_ID) ON Meal.Meal_ID = "
               "Made_With.Meal_ID WHERE (((Meal.Meal_ID)=") +
           mealId + QStringLiteral(")) ORDER BY Ingredients.Ingredients_Description; ");
}

QString mealTimeList(const std::array<bool, 5> &flags) {
    QStringList labels;
    for (size_t t = 0; t < flags.size(); ++t) {
        if (flags[t])
            labels << QLatin1String(TimeLabels[t]);
    }
    return labels.join(u',');
}

QString subject(const QString &name) {
    return QStringLiteral("VaneRecipe - ") + name;
}

QString body(const QString &name, const QString &method, const std::array<bool, 5> &flags,
             const QStringList &ingredients) {
    const QString times = mealTimeList(flags);
    QString text = name + (times.isEmpty() ? QString() : QStringLiteral(" [") + times + u']') + u'\r';
    text += QString(text.size(), u'-');
    text = u'\r' + text + QStringLiteral("\r\r");
    text += method + QStringLiteral(" \r\r");
    text += QStringLiteral("INGREDIENTS: \r-----------\r");
    for (const QString &ingredient : ingredients)
        text += ingredient + u'\r';
    return normalised(text);
}

QString normalised(const QString &text) {
    QString result;
    result.reserve(text.size() + text.size() / 16);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        result += QStringView(text).mid(start, i - start);
        result += QStringLiteral("\r\n");
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size()) {
        result += QStringView(text).mid(start);
        result += QStringLiteral("\r\n");
    }
    return result;
}

} // namespace mail
