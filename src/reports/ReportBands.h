#pragma once

#include "toolkit/report/BandReport.h"

/// Bands the recipe book's reports share.
namespace reportbands {

/// The coloured page header: the decorative name on the left, the report's name from `titleLeft` on.
report::Band pageHeader(const QString &name, const QString &title, double titleLeft);
/// The coloured page footer: the print time, and "Page:", the page number and `ofPages`.
report::Band pageFooter(const QString &printTime, const QString &ofPages, double printTimeLeft);

} // namespace reportbands
