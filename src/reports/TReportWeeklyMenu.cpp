#include "TReportWeeklyMenu.h"

#include "ReportBands.h"
#include "ReportStyle.h"

namespace {

/// Where each day's block stands on the detail band (millimetres).
struct DayBlock {
    double captionLeft, captionTop, timeLeft, timeWidth, mealLeft, mealWidth, memoTop;
};
const DayBlock DayBlocks[] = {
    {12.7, 14.3, 12.7, 20.4, 33.6, 40.7, 21.2},    {78.3, 14.3, 78.6, 20.4, 99.5, 40.5, 21.2},
    {143.9, 14.3, 143.9, 20.4, 164.8, 39.2, 21.2}, {207.2, 14.3, 207.4, 20.4, 228.6, 42.1, 21.2},
    {31.2, 80.4, 31.8, 20.4, 55.0, 44.2, 88.9},    {109.5, 80.4, 110.1, 20.4, 131.2, 44.7, 88.6},
    {187.9, 80.4, 187.3, 20.4, 211.7, 46.8, 88.9},
};

} // namespace

TReportWeeklyMenu::TReportWeeklyMenu(const QString &dataFile)
    : ReportLayout(QStringLiteral("ReportWeeklyMenu"), false, dataFile) {}

void TReportWeeklyMenu::fill(int week, int year, const std::vector<menu::Entry> &entries,
                             const QString &printTime) {
    for (int day = 0; day < 7; ++day) {
        m_txt[size_t(day)].clear();
        m_time[size_t(day)].clear();
    }
    for (const menu::Entry &entry : entries) {
        m_txt[size_t(entry.day)] << entry.name;
        m_time[size_t(entry.day)] << QLatin1String(menu::TimeNames[size_t(entry.code - 1)]);
    }
    lblWeekNumber = QString::number(week);
    lblYearNumber = QString::number(year);
    QRLabelPrintTime = printTime;
}

report::BandReport TReportWeeklyMenu::QuickRep1() const {
    using namespace reportstyle;
    report::BandReport r;
    r.title = QStringLiteral("Weekly Menu Report");
    r.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                               QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    r.footerOnEveryPage = false;
    r.titleBand = reportbands::weekTitle(QStringLiteral("VaneMenu"), QStringLiteral("   Menu for week:"),
                                         {237.9, 248.4, 250.3, 16.7}, lblWeekNumber, lblYearNumber);
    report::Band detail;
    detail.height = 158.75;
    detail.paint = [this](report::Canvas &c, const report::PageInfo &) {
        c.fill(Qt::white);
        c.rule(0, 2, Qt::black);
        c.fillRect(0, 20.4, c.band().width(), 0.3, Qt::black);
        c.fillRect(0, 87.3, c.band().width(), 0.3, Qt::black);
        for (int day = 0; day < 7; ++day) {
            const DayBlock &b = DayBlocks[day];
            c.text(b.captionLeft, b.captionTop, 50, QLatin1String(menu::DayNames[size_t(day)]),
                   plain(10, true));
            // The memos grow with their text; each line of the one names the time of the other's.
            const QFont timeFont = plain(8, false, true);
            const QFont mealFont = plain(8);
            double y = b.memoTop;
            for (qsizetype line = 0; line < m_txt[size_t(day)].size(); ++line) {
                const QString &meal = m_txt[size_t(day)].at(line);
                const double height = std::max(c.textHeight(b.mealWidth, meal, mealFont),
                                               c.textHeight(b.timeWidth, QStringLiteral("X"), timeFont));
                c.text(b.timeLeft, y, b.timeWidth, m_time[size_t(day)].value(line), timeFont, Qt::AlignLeft,
                       QColor(110, 110, 110));
                c.text(b.mealLeft, y, b.mealWidth, meal, mealFont, Qt::AlignLeft, Qt::black, height);
                y += height;
            }
        }
    };
    r.details.push_back(detail);
    r.pageFooter.height = 7.9;
    r.pageFooter.paint = [this](report::Canvas &c, const report::PageInfo &) {
        c.fill(LightBlue);
        c.frame();
        c.text(0, 1.9, c.band().width(), QRLabelPrintTime, plain(10, true), Qt::AlignHCenter, DarkGrey);
    };
    return r;
}
