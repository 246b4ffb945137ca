#pragma once

#include <QString>
#include <array>

/// The planned menu's names and the statements the planner issues against `Menu`.
namespace menu {

/// Day names by day number, 0 (Saturday) to 6 (Friday).
inline const std::array<const char *, 7> DayNames{"Saturday", "Sunday",   "Monday", "Tuesday",
                                                  "Wednesday", "Thursday", "Friday"};
/// Meal-time names by code minus one: codes "1" to "6".
inline const std::array<const char *, 6> TimeNames{"Morning", "MorningSnack", "Noon", "NoonSnack", "Night", "Dessert"};

/// The week a statement works on.
struct Week {
    int number;
    int year;
};

/// Is this recipe already in that slot of that day?
QString duplicateCheck(Week week, int day, qint64 meal, const QString &code);
/// Places a recipe in a slot of a day.
QString slotInsert(Week week, int day, qint64 meal, const QString &code);
/// Takes a recipe out of one slot of one day.
QString slotRemoval(Week week, int day, qint64 meal, const QString &code);
/// The recipes of slot `k` (1 to 6) of a day, with their names and types.
QString slotQuery(Week week, int day, int k);
/// Every entry of the week with its recipe's name.
QString weekMenuQuery(Week week);
/// Removes every entry of the week.
QString weekDelete(Week week);
/// The keys of the recipes of that name.
QString recipeLookupByName(const QString &name);
/// One entry of a week being replaced; the code enters as a bare number.
QString weekInsert(Week week, int day, qint64 meal, int code);

} // namespace menu
