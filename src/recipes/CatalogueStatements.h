#pragma once

#include <QString>

/// The statements that maintain the ingredient catalogue, the recipe types and the ingredient groups.
namespace catalogue {

QString groupByName(const QString &name);
QString ingredientCount(const QString &description);
QString ingredientInsert(const QString &description, qint64 group);
/// Moves every ingredient of that description to the group.
QString ingredientRegroup(qint64 group, const QString &description);
/// Marks every ingredient of that description as always at home, or not.
QString stapleUpdate(const QString &description, bool staple);
/// How many ingredients of that description are marked always at home.
QString stapleCount(const QString &description);
/// Gives every ingredient of the old description the new one.
QString ingredientRename(const QString &newDescription, const QString &oldDescription);
/// How many links the ingredients of that description have to recipes that exist, all of them together.
QString ingredientUses(const QString &description);
QString ingredientDelete(const QString &description);
/// Removes the links that the ingredients of that description keep to recipes that no longer exist.
QString orphanLinksDelete(const QString &description);

QString recipesOfType(qint64 type);
QString deleteRecipesOfType(qint64 type);
QString ingredientsOfGroup(qint64 group);
QString deleteIngredientsOfGroup(qint64 group);

} // namespace catalogue
