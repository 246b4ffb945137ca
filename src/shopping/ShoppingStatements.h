#pragma once

#include <QString>
#include <optional>

/// The statements that derive, read and edit a week's shopping list.
namespace shopping {

/// Removes every row of the week's list.
QString deleteWeekList(int week, int year);
/// One row of the derived list: an ingredient, the number of planned meals using it, and its group's name.
QString insertDerivedRow(int week, int year, const QString &description, qint64 numberOfMeals,
                         const QString &group);

/// The week's list in ingredient order, as the shopping page's grid shows it.
QString weekListQuery(int week, int year);
/// Catalogue ingredients whose description is not on the week's list, in name order; with a group, only
/// that group's.
QString pickerQuery(int week, int year, std::optional<qint64> group);

/// How many rows of the week's list bear the description.
QString rowCountQuery(int week, int year, const QString &description);
/// A row added by hand, with its group and quantity.
QString insertHandRow(int week, int year, const QString &description, const QString &group, qint64 quantity);
/// New group and quantity for the week's row of that description; the stored description stays.
QString updateRow(int week, int year, const QString &description, const QString &group, qint64 quantity);
/// The amount typed for the week's row of that description ("500 g"); a blank one clears it.
QString amountUpdate(int week, int year, const QString &description, const QString &amount);
/// Removes the week's row of that description.
QString deleteRow(int week, int year, const QString &description);

/// A group name as typed, re-cased: the letters A to Z made lower case, then the first character made upper
/// case when it is one of them. Other characters stay as they are.
QString groupCase(const QString &typed);

/// The quantity typed for a row: a whole number from 1 to the largest count the list stores, blanks around
/// it ignored. Nothing when the text is anything else.
std::optional<qint64> parseQuantity(const QString &typed);
inline constexpr qint64 MaximumQuantity = 2147483647;

} // namespace shopping
