#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

/// Planning weeks run from Saturday to Friday. Week 1 of a year is the week of its first Saturday; the days
/// before it belong to the last week of the year before.

/// The Saturday on or before `date`, at the same time of day.
QDateTime GetFirstWeekDate(const QDateTime &date);
QDate GetFirstWeekDate(const QDate &date);

/// The week number (1 to 53) of the week that holds `date`.
int WeekNumber(const QDateTime &date);
int WeekNumber(const QDate &date);

/// The year a week is stored under: the calendar year of its Saturday.
int WeekYear(const QDate &date);

/// The Saturday that begins week `week` of `year`.
QDate WeekStart(int week, int year);

/// The week panel's range text: "20 - 26 May 2006", with the month and year of the Friday.
QString WeekRangeText(const QDate &date, const QLocale &locale = QLocale());

/// Today as the week panel shows it, in the short date format of `locale`.
QString TodayText(const QDate &today, const QLocale &locale = QLocale());
