#include "ReportBands.h"

#include "ReportStyle.h"

namespace reportbands {

report::Band pageHeader(const QString &name, const QString &title, double titleLeft) {
    using namespace reportstyle;
    return {15.1,
            [name, title, titleLeft](report::Canvas &c, const report::PageInfo &) {
                c.fill(LightBlue);
                c.frame();
                c.text(6.3, 2.9, titleLeft - 8, name, decorative(20), Qt::AlignLeft, DarkGrey);
                c.text(titleLeft, 4.5, c.band().width() - titleLeft - 1, title, plain(16, true),
                       Qt::AlignLeft, DarkGrey);
            },
            false};
}

report::Band weekTitle(const QString &name, const QString &label, const WeekTitlePlaces &at,
                       const QString &week, const QString &year) {
    using namespace reportstyle;
    return {15.1,
            [=](report::Canvas &c, const report::PageInfo &) {
                const QFont font = plain(16, true);
                c.fill(LightBlue);
                c.frame();
                c.text(6.3, 2.9, 76, name, decorative(20), Qt::AlignLeft, DarkGrey);
                // Ends where the week number starts, whatever the width of the installed typeface.
                c.text(at.week - 80, 4.5, 80, label, font, Qt::AlignRight, DarkGrey);
                c.text(at.week, 4.5, 10.8, week, font, Qt::AlignHCenter, DarkGrey);
                c.text(at.dash, 4.5, 2, QStringLiteral("-"), font, Qt::AlignLeft, DarkGrey);
                c.text(at.year, 4.5, at.yearWidth, year, font, Qt::AlignHCenter, DarkGrey);
            },
            false};
}

report::Band pageFooter(const QString &printTime, const QString &ofPages, double printTimeLeft) {
    using namespace reportstyle;
    return {7.9,
            [printTime, ofPages, printTimeLeft](report::Canvas &c, const report::PageInfo &page) {
                const QFont font = plain(10, true);
                c.fill(LightBlue);
                c.frame();
                c.text(printTimeLeft, 1.9, 118, printTime, font, Qt::AlignLeft, DarkGrey);
                // One piece, right-aligned at the band's end: whole up to "Page: 9999 of 9999".
                const double right = c.band().width() - 1.2;
                c.text(right - 50, 1.9, 50, QStringLiteral("Page: %1%2").arg(page.page).arg(ofPages), font,
                       Qt::AlignRight, DarkGrey);
            },
            false};
}

} // namespace reportbands
