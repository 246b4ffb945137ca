#include "SelectedWeek.h"

namespace {

constexpr int Saturday = 6; // Qt counts Monday as 1

} // namespace

QDate GetFirstWeekDate(const QDate &date) {
    QDate d = date;
    while (d.dayOfWeek() != Saturday)
        d = d.addDays(-1);
    return d;
}

QDateTime GetFirstWeekDate(const QDateTime &date) {
    return QDateTime(GetFirstWeekDate(date.date()), date.time());
}

int WeekNumber(const QDate &date) {
    const QDate start = GetFirstWeekDate(date);
    QDate first(start.year(), 1, 1);
    while (first.dayOfWeek() != Saturday)
        first = first.addDays(1);
    return int(first.daysTo(start) / 7) + 1;
}

int WeekNumber(const QDateTime &date) {
    return WeekNumber(date.date());
}

int WeekYear(const QDate &date) {
    return GetFirstWeekDate(date).year();
}

QDate WeekStart(int week, int year) {
    QDate first(year, 1, 1);
    while (first.dayOfWeek() != Qt::Saturday)
        first = first.addDays(1);
    return first.addDays(7 * (week - 1));
}

QString WeekRangeText(const QDate &date, const QLocale &locale) {
    const QDate start = GetFirstWeekDate(date);
    const QDate end = start.addDays(6);
    return QStringLiteral("%1 - %2 %3 %4")
        .arg(start.day(), 2, 10, QLatin1Char('0'))
        .arg(end.day(), 2, 10, QLatin1Char('0'))
        .arg(locale.monthName(end.month(), QLocale::ShortFormat))
        .arg(end.year(), 4, 10, QLatin1Char('0'));
}

QString TodayText(const QDate &today, const QLocale &locale) {
    return locale.toString(today, QLocale::ShortFormat);
}
