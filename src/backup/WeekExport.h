#pragma once

#include <QString>

namespace db {
class Connection;
}

/// A planning week's menu and shopping list written out for use elsewhere: as plain text to read or
/// print, and as comma-separated values for a spreadsheet.
namespace weekexport {

/// "Menu" and "Shopping list", the day by day menu and the list by group, ticks shown.
QString text(db::Connection &connection, int week, int year);

/// One row a planned meal or a shopping item, under a header row: Part, Date, Day, Meal time, Name,
/// Amount, Meals, Group, Bought. Fields are quoted where they must be; a field a spreadsheet would take
/// for a formula is kept as text.
QString csv(db::Connection &connection, int week, int year);

} // namespace weekexport
