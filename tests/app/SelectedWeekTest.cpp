#include "app/SelectedWeek.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

/// An independent count: the number of Saturdays from 1 January of the week's year up to the week's Saturday.
struct Week {
    int number, year;
};
Week countSaturdays(QDate d) {
    const int back = (d.dayOfWeek() + 1) % 7; // days since Saturday (Qt: Monday 1 ... Sunday 7)
    const QDate saturday = d.addDays(-back);
    int count = 0;
    for (QDate s = saturday; s.year() == saturday.year(); s = s.addDays(-7))
        ++count;
    return {count, saturday.year()};
}

} // namespace

TEST(SelectedWeek, WorkedExamples) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const struct {
        QDate date, start;
        int week, year;
        const char *range;
    } examples[] = {
        {{2006, 5, 21}, {2006, 5, 20}, 20, 2006, "20 - 26 May 2006"},
        {{2005, 12, 31}, {2005, 12, 31}, 53, 2005, "31 - 06 Jan 2006"},
        {{2006, 1, 6}, {2005, 12, 31}, 53, 2005, "31 - 06 Jan 2006"},
        {{2006, 1, 7}, {2006, 1, 7}, 1, 2006, "07 - 13 Jan 2006"},
        {{2007, 1, 1}, {2006, 12, 30}, 52, 2006, "30 - 05 Jan 2007"},
        {{2011, 1, 1}, {2011, 1, 1}, 1, 2011, "01 - 07 Jan 2011"},
        {{2016, 12, 31}, {2016, 12, 31}, 53, 2016, "31 - 06 Jan 2017"},
        {{2006, 2, 2}, {2006, 1, 28}, 4, 2006, "28 - 03 Feb 2006"},
        {{2006, 1, 1}, {2005, 12, 31}, 53, 2005, "31 - 06 Jan 2006"},
    };
    for (const auto &e : examples) {
        SCOPED_TRACE(e.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(GetFirstWeekDate(e.date), e.start);
        EXPECT_EQ(WeekNumber(e.date), e.week);
        EXPECT_EQ(WeekYear(e.date), e.year);
        EXPECT_EQ(WeekRangeText(e.date, english), QString::fromLatin1(e.range));
    }
    for (int day = 7; day <= 13; ++day)
        EXPECT_EQ(WeekNumber(QDate(2006, 1, day)), 1);
}

TEST(SelectedWeek, TimeOfDayIsKept) {
    const QDateTime evening(QDate(2006, 5, 21), QTime(21, 30, 15));
    EXPECT_EQ(GetFirstWeekDate(evening), QDateTime(QDate(2006, 5, 20), QTime(21, 30, 15)));
    EXPECT_EQ(WeekNumber(evening), 20);
}

TEST(SelectedWeek, YearsOf53WeeksAreThoseStartingOnSaturdayOrFridayInALeapYear) {
    for (int year = 1900; year <= 2100; ++year) {
        const QDate jan1(year, 1, 1);
        const bool long53 = jan1.dayOfWeek() == 6 || (jan1.dayOfWeek() == 5 && QDate::isLeapYear(year));
        QDate lastSaturday(year, 12, 31);
        while (lastSaturday.dayOfWeek() != 6)
            lastSaturday = lastSaturday.addDays(-1);
        EXPECT_EQ(WeekNumber(lastSaturday), long53 ? 53 : 52) << year;
    }
}

TEST(SelectedWeek, AgreesWithAnIndependentCountFrom1900To2100) {
    for (QDate d(1900, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
        const Week expected = countSaturdays(d);
        ASSERT_EQ(WeekNumber(d), expected.number) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(WeekYear(d), expected.year) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(GetFirstWeekDate(d).dayOfWeek(), 6);
        ASSERT_LE(GetFirstWeekDate(d).daysTo(d), 6);
    }
}

TEST(SelectedWeek, RangeTextUsesTheLocalesShortMonthName) {
    EXPECT_EQ(WeekRangeText(QDate(2006, 2, 2), QLocale(QLocale::German)),
              QStringLiteral("28 - 03 Feb. 2006"));
    EXPECT_EQ(TodayText(QDate(2006, 5, 21), QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("5/21/06"));
}
