#pragma once

#include "toolkit/report/BandReport.h"

/// Bands the recipe book's reports share.
namespace reportbands {

/// The coloured page header: the decorative name on the left, the report's name from `titleLeft` on.
report::Band pageHeader(const QString &name, const QString &title, double titleLeft);
/// Where the week title band puts the week and the year (millimetres from the band's left edge).
struct WeekTitlePlaces {
    double week;
    double dash;
    double year;
    double yearWidth;
};
/// The coloured title band of a week's report: the decorative name, then the label ending where the week
/// number starts, the week, "-" and the year.
report::Band weekTitle(const QString &name, const QString &label, const WeekTitlePlaces &at,
                       const QString &week, const QString &year);
/// The coloured page footer: the print time, and "Page:", the page number and `ofPages`.
report::Band pageFooter(const QString &printTime, const QString &ofPages, double printTimeLeft);

} // namespace reportbands
