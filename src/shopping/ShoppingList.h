#pragma once

#include "Amounts.h"

class TDataModule1;

/// Deriving a week's shopping list from its planned menu.
namespace shopping {

/// Whom a week is planned for and how its amounts are written.
struct Household {
    /// The people at the table: a recipe's amounts are scaled by people over its servings, where it has them.
    int people = 2;
    amounts::System system = amounts::System::Metric;
};

/// Replaces the week's list with one row per ingredient of the week's planned recipes, counting the planned
/// meals that use it, and beside the count the amounts their ingredient lines give, scaled and added up; the
/// list then holds no hand edits. All or nothing: on a database error the week's list stays as it was
/// (DbError thrown). Returns the number of items the list then holds.
int regenerateWeekList(TDataModule1 &data, int week, int year, const Household &household = {});

/// Whether the week's list holds rows added, changed or deleted by hand since it was last derived.
bool isHandEdited(TDataModule1 &data, int week, int year);
/// Notes that the user edited the week's list by hand.
void markHandEdited(TDataModule1 &data, int week, int year);

} // namespace shopping
