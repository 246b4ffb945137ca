#pragma once

#include "ReportLayout.h"
#include "planner/MenuStorage.h"
#include "toolkit/report/BandReport.h"

#include <array>

/// The weekly menu report: the week's stored menu, each day's recipes beside their meal times, on one
/// landscape page. It reads nothing itself; its user fills it.
class TReportWeeklyMenu : public ReportLayout {
public:
    explicit TReportWeeklyMenu(const QString &dataFile);

    /// Empties the day memos, then fills them from the week's entries in the order given.
    void fill(int week, int year, const std::vector<menu::Entry> &entries, const QString &printTime);

    /// The meal names and the meal-time names of a day (0 Saturday to 6 Friday), line by line.
    const QStringList &txt(int day) const { return m_txt.at(size_t(day)); }
    const QStringList &time(int day) const { return m_time.at(size_t(day)); }
    QString lblWeekNumber;
    QString lblYearNumber;
    QString QRLabelPrintTime;

    report::BandReport QuickRep1() const;

private:
    std::array<QStringList, 7> m_txt;
    std::array<QStringList, 7> m_time;
};
