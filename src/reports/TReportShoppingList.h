#pragma once

#include "ReportLayout.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/report/BandReport.h"

/// The week's shopping list as a two-column checklist: a box to tick, the ingredient, its group and its
/// number of meals. It reads the list through a connection of its own.
class TReportShoppingList : public ReportLayout {
public:
    explicit TReportShoppingList(const QString &dataFile);

    /// Reads the week's list, ordered by ingredient.
    void open(int week, int year);

    db::QueryDataset ADOQuery1;
    QString QRLabelPrintTime;
    /// " of " and the number of pages, set once the pages are counted.
    QString QRLabel7;

    report::BandReport QuickRep1() const;

private:
    int m_week = 0;
    int m_year = 0;
};
