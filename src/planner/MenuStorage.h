#pragma once

#include "MenuStatements.h"

#include <QString>
#include <vector>

class TDataModule1;

/// Reading and writing the planned menu through the data module's datasets.
namespace menu {

/// One menu entry of a week as the week-menu query reads it.
struct Entry {
    int day;      ///< 0 (Saturday) to 6 (Friday)
    int code;     ///< 1 to 6
    QString name; ///< the recipe's name
};

/// A recipe checked in one week box: the day, the meal-time code and the recipe's name.
struct Planned {
    int day;
    int code;
    QString name;
};

/// Every entry of the week whose recipe still exists. Rows whose day, time or name cannot be read are
/// skipped.
std::vector<Entry> readWeek(TDataModule1 &data, Week week);

/// Adds the recipe `meal` to slot `code` of `day` unless it is there already; true when a row was written.
bool addToSlot(TDataModule1 &data, Week week, int day, qint64 meal, const QString &code);
/// Takes the recipe `meal` out of slot `code` of `day`.
void removeFromSlot(TDataModule1 &data, Week week, int day, qint64 meal, const QString &code);
/// Re-opens the six slot queries on the slots of `day`.
void refreshSlots(TDataModule1 &data, Week week, int day);

/// Replaces the week's entries with one per planned recipe, looked up by name (the first recipe of that
/// name; names no recipe bears are left out). Runs inside the caller's transaction.
void replaceWeek(TDataModule1 &data, Week week, const std::vector<Planned> &planned);

/// A day of a week as its captions name it, with its date: "Saturday 12 Dec", or short, "Sat 12".
QString dayCaption(Week week, int day, bool brief = false);

} // namespace menu
