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

report::Band pageFooter(const QString &printTime, const QString &ofPages, double printTimeLeft) {
    using namespace reportstyle;
    return {7.9,
            [printTime, ofPages, printTimeLeft](report::Canvas &c, const report::PageInfo &page) {
                const QFont font = plain(10, true);
                c.fill(LightBlue);
                c.frame();
                c.text(printTimeLeft, 1.9, 140, printTime, font, Qt::AlignLeft, DarkGrey);
                c.text(152.4, 1.9, 11, QStringLiteral("Page:"), font, Qt::AlignLeft, DarkGrey);
                c.text(163.0, 1.9, 8.7, QString::number(page.page), font, Qt::AlignRight, DarkGrey);
                c.text(171.4, 1.9, 12, ofPages, font, Qt::AlignLeft, DarkGrey);
            },
            false};
}

} // namespace reportbands
