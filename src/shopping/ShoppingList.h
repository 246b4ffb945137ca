#pragma once

#include "Amounts.h"

#include <QStringList>

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

/// What a merge of a hand-edited list with its menu did.
struct Merged {
    /// The rows the list then holds.
    int items = 0;
    /// Rows changed by hand whose ingredient no longer comes from the menu, and went with it.
    QStringList dropped;
};
/// Makes the rows derived from the menu anew and keeps the hand's work: rows added by hand stay, a row
/// changed by hand stays as changed while the menu still needs its ingredient, and a derived row deleted by
/// hand does not come back. A derived row still needed keeps its tick. All or nothing, as above.
Merged mergeWeekList(TDataModule1 &data, int week, int year, const Household &household = {});

/// Whether the week's list holds rows added, changed or deleted by hand since it was last derived.
bool isHandEdited(TDataModule1 &data, int week, int year);
/// Notes that the user edited the week's list by hand.
void markHandEdited(TDataModule1 &data, int week, int year);

} // namespace shopping
