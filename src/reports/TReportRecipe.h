#pragma once

#include <functional>

#include "ReportLayout.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/report/BandReport.h"

/// The recipe report: each recipe on a page of its own with its type, method, picture and ingredients, for
/// the whole book or for the recipes of one name. It reads the stored book through a connection of its own.
class TReportRecipe : public ReportLayout {
public:
    explicit TReportRecipe(const QString &dataFile);

    /// Re-reads every recipe in name order, or with a name only the recipes bearing it.
    void open(const QString *name);

    db::QueryDataset MealTypes;
    db::QueryDataset Master;
    db::QueryDataset Detail;
    /// The recipes' ingredient lines with their amounts, printed in place of the catalogue ingredients of
    /// a recipe that has them.
    db::QueryDataset Lines;
    QString QRLabelPrintTime;
    /// " of " and the number of pages.
    QString QRLabel7;
    /// Called when building the report meets a picture that cannot be read; the report goes on without it.
    std::function<void()> onPictureFailed;

    report::BandReport QuickRep1() const;

private:
    /// The recipe name the report was opened for; empty for the whole book.
    QString m_name;
};
