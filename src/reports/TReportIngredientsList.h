#pragma once

#include "ReportLayout.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/report/BandReport.h"

/// The ingredient catalogue in two columns, each ingredient with its group. It reads the catalogue through a
/// connection of its own.
class TReportIngredientsList : public ReportLayout {
public:
    explicit TReportIngredientsList(const QString &dataFile);

    void open();

    db::QueryDataset Groups;
    db::QueryDataset ADOQuery1;
    QString QRLabelPrintTime;
    QString QRLabel7;

    report::BandReport QuickRep1() const;
};
