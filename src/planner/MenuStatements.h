#pragma once

#include <QString>
#include <array>
#include <optional>

/// The planned menu's names and the statements the planner issues against `Menu`.
namespace menu {

/// Day names by day number, 0 (Saturday) to 6 (Friday).
inline const std::array<const char *, 7> DayNames{"Saturday",  "Sunday",   "Monday", "Tuesday",
                                                  "Wednesday", "Thursday", "Friday"};
/// Meal-time names by code minus one: codes "1" to "6".
inline const std::array<const char *, 6> TimeNames{"Morning",   "MorningSnack", "Noon",
                                                   "NoonSnack", "Night",        "Dessert"};

/// Meal-time captions on the screen by code minus one; the two snacks share one.
inline const std::array<const char *, 6> TimeCaptions{"Morning", "Snack", "Noon",
                                                      "Snack",   "Night", "Dessert"};
/// The caption of a meal time as assistive technology reads it, the two snacks told apart.
QString spokenTime(int code);

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

/// The recipe flag column of each meal time the daily page offers, and the slot codes that time fills.
struct DailyTime {
    const char *caption;
    const char *flagColumn;
    std::array<int, 2> codes; ///< the second is 0 when the time fills one slot
};
inline const std::array<DailyTime, 5> DailyTimes{{{"Morning", "MEAL_MORNING", {1, 0}},
                                                  {"Snack", "MEAL_SNACK", {2, 4}},
                                                  {"Noon", "MEAL_NOON", {3, 0}},
                                                  {"Night", "MEAL_NIGHT", {5, 0}},
                                                  {"Dessert", "MEAL_DESSERT", {6, 0}}}};

/// The recipes admitted at a meal time (its flag column), in name order; with a type, only that type's.
QString mealListQuery(const char *flagColumn, std::optional<qint64> type);

} // namespace menu
