#pragma once

#include <QString>
#include <QStringList>
#include <array>

/// The plain-text e-mail of a recipe: its name with the meal times it suits, its method and its ingredients.
namespace mail {

/// The recipe of a name, with its method and meal-time flags.
QString recipeQuery(const QString &name);
/// The ingredient descriptions of a recipe, in name order.
QString ingredientsQuery(const QString &mealId);

/// The meal-time labels of the set flags (morning, snack, noon, night, dessert), joined by commas.
QString mealTimeList(const std::array<bool, 5> &flags);

/// "VaneRecipe - " and the recipe's name.
QString subject(const QString &name);
/// The message body, every line ended by CR LF.
QString body(const QString &name, const QString &method, const std::array<bool, 5> &flags,
             const QStringList &ingredients);

/// The text split at every CR LF, lone CR or lone LF (a break at the very end adds no empty line) and joined
/// again with every line ended by CR LF.
QString normalised(const QString &text);

} // namespace mail
