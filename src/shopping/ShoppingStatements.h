#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// The statements that derive, read and edit a week's shopping list.
namespace shopping {

/// Removes every row of the week's list.
QString deleteWeekList(int week, int year);
/// One row of the derived list: an ingredient, the number of planned meals using it, and its group's name.
QString insertDerivedRow(int week, int year, const QString &description, qint64 numberOfMeals,
                         const QString &group);

/// The week's list in ingredient order, as the shopping page's grid shows it; in shop order when asked. Its
/// SECTION is the group a row is listed under.
QString weekListQuery(int week, int year, bool inShopOrder = false);

/// What a row of `ShoppingList` is listed under: its group, or "Check at home" for an item the catalogue
/// marks always at home.
QString sectionExpression();
/// " ORDER BY ..." for rows of `ShoppingList`: the way through the shop (the groups in the order the user
/// set, then groups without one by name), each group by name, and what is always at home last.
QString shopOrderClause();
/// The caption of the section of items always at home.
inline constexpr const char *CheckAtHome = "Check at home";
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

/// Notes that the week's row of that description is the hand's: added by hand when it was inserted, else
/// changed by hand unless it was the hand's already. An item added again is no longer one deleted by hand.
QStringList markByHand(int week, int year, const QString &description, bool added);
/// Notes that the item was deleted by hand, so that a merge with the menu leaves it off.
QString rememberRemoved(int week, int year, const QString &description);

/// A group name as typed, re-cased: the letters A to Z made lower case, then the first character made upper
/// case when it is one of them. Other characters stay as they are.
QString groupCase(const QString &typed);

/// The quantity typed for a row: a whole number from 1 to the largest count the list stores, blanks around
/// it ignored. Nothing when the text is anything else.
std::optional<qint64> parseQuantity(const QString &typed);
inline constexpr qint64 MaximumQuantity = 2147483647;

} // namespace shopping
