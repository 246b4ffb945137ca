#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

/// Turning the search page's choices into the statement that finds recipes.
namespace search {

enum class Mode { None, Names, Only, Any, Minimum };

/// What the search page holds: the chosen mode, the piece of a name, and the ingredient entries with their
/// check marks, in the order the list shows them.
struct Criteria {
    Mode mode = Mode::None;
    QString nameText;
    QStringList entries;
    std::vector<bool> checked;
};

/// The statement whose rows carry the found recipes' `Meal_Name`; empty when no mode is chosen.
QString GetQueryString(const Criteria &criteria);
/// Whether a search may run: an ingredient mode needs at least one checked entry.
bool ValidCriteria(const Criteria &criteria);

/// The ONLY statement in a form the engine runs by looking at the recipes that use a checked ingredient,
/// instead of at every recipe-ingredient pair of the book; the same rows. Nothing for any other statement.
std::optional<QString> plannedOnly(const QString &statement);

} // namespace search
