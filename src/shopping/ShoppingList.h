#pragma once

class TDataModule1;

/// Deriving a week's shopping list from its planned menu.
namespace shopping {

/// Replaces the week's list with one row per ingredient of the week's planned recipes, counting the planned
/// meals that use it; the list then holds no hand edits. All or nothing: on a database error the week's list
/// stays as it was (DbError thrown). Returns the number of items the list then holds.
int regenerateWeekList(TDataModule1 &data, int week, int year);

/// Whether the week's list holds rows added, changed or deleted by hand since it was last derived.
bool isHandEdited(TDataModule1 &data, int week, int year);
/// Notes that the user edited the week's list by hand.
void markHandEdited(TDataModule1 &data, int week, int year);

} // namespace shopping
