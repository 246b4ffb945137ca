#pragma once

#include <QString>

/// The statements that derive and read a week's shopping list.
namespace shopping {

/// Removes every row of the week's list.
QString deleteWeekList(int week, int year);
/// One row of the derived list: an ingredient, the number of planned meals using it, and its group's name.
QString insertDerivedRow(int week, int year, const QString &description, qint64 numberOfMeals, const QString &group);

} // namespace shopping
