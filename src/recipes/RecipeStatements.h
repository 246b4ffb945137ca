#pragma once

#include <QString>

/// The statements the recipe page issues against the recipe book.
namespace recipes {

/// Links an ingredient of the catalogue to a recipe.
QString madeWithInsert(qint64 meal, qint64 ingredient);
/// Removes every link of that ingredient to that recipe.
QString madeWithDelete(qint64 meal, qint64 ingredient);
/// How many recipes bear that name, compared as the data file compares text.
QString recipeCountByName(const QString &name);

} // namespace recipes
