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

/// How far down the detail band a day's memos may reach: the first row stops above the second row's
/// captions, the second row at the band's foot.
double memoBottom(int day) {
    return day < 4 ? 79.6 : 157.8;
}

/// What one page shows of one day: some of its lines, at one size.
struct DayPart {
    QStringList meals, times;
    double points = 8;
    /// Whether the day began on an earlier page, and whether it goes on to the next.
    bool continued = false;
    bool continues = false;
};

/// The room at the foot of a day's block for the line saying where the day goes on.
constexpr double ContinuedNote = 4.0;

/// The height each line takes at that size: the meal wrapped in its memo, at least one line of the time.
std::vector<double> lineHeights(const DayBlock &b, const QStringList &meals, double points) {
    const QFont mealFont = reportstyle::plain(points);
    const double least = report::lineHeight(reportstyle::plain(points, false, true));
    std::vector<double> heights;
    heights.reserve(size_t(meals.size()));
    for (const QString &meal : meals)
        heights.push_back(std::max(least, report::textHeight(b.mealWidth, meal, mealFont)));
    return heights;
}

/// Spreads the days over pages. A day that does not fit its block at 8 points is set smaller, down to 6
/// points; what still does not fit goes on to the next page, under the day's caption marked as continued.
std::vector<std::array<DayPart, 7>> spread(const std::array<QStringList, 7> &txt,
                                           const std::array<QStringList, 7> &time) {
    std::vector<std::array<DayPart, 7>> pages;
    std::array<qsizetype, 7> next{};
    bool left = true;
    while (left && pages.size() < 100) {
        std::array<DayPart, 7> page;
        left = false;
        for (int day = 0; day < 7; ++day) {
            const DayBlock &b = DayBlocks[day];
            const QStringList meals = txt[size_t(day)].mid(next[size_t(day)]);
            const double room = memoBottom(day) - b.memoTop;
            DayPart &part = page[size_t(day)];
            part.continued = next[size_t(day)] > 0;
            std::vector<double> heights;
            for (part.points = 8; part.points >= 6; part.points -= 0.5) {
                heights = lineHeights(b, meals, part.points);
                double total = 0;
                for (double h : heights)
                    total += h;
                if (total <= room)
                    break;
            }
            part.points = std::max(part.points, 6.0);
            double total = 0;
            for (double h : heights)
                total += h;
            // A day that goes on keeps room at its foot to say where.
            const double fits = total <= room ? room : room - ContinuedNote;
            double used = 0;
            qsizetype taken = 0;
            for (; taken < meals.size() && used + heights[size_t(taken)] <= fits; ++taken)
                used += heights[size_t(taken)];
            // A single line taller than the block still goes somewhere.
            if (taken == 0 && !meals.isEmpty())
                taken = 1;
            part.meals = meals.mid(0, taken);
            part.times = time[size_t(day)].mid(next[size_t(day)], taken);
            next[size_t(day)] += taken;
            part.continues = next[size_t(day)] < txt[size_t(day)].size();
            // Only a day that began on an earlier page and has lines here is continued here.
            part.continued = part.continued && !part.meals.isEmpty();
            left = left || part.continues;
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

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
    r.fileName = QStringLiteral("Weekly Menu week %1 %2").arg(lblWeekNumber, lblYearNumber);
    r.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                               QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    r.footerOnEveryPage = false;
    r.titleBand = reportbands::weekTitle(QStringLiteral("VaneMenu"), QStringLiteral("   Menu for week:"),
                                         {237.9, 248.4, 250.3, 16.7}, lblWeekNumber, lblYearNumber);
    const std::vector<std::array<DayPart, 7>> pages = spread(m_txt, m_time);
    for (size_t p = 0; p < pages.size(); ++p) {
        report::Band detail;
        detail.height = 158.75;
        detail.startsNewPage = p > 0;
        const QString heading = p == 0 ? QString()
                                       : QStringLiteral("Menu for week %1 of %2, page %3")
                                             .arg(lblWeekNumber, lblYearNumber)
                                             .arg(p + 1);
        const menu::Week week{lblWeekNumber.toInt(), lblYearNumber.toInt()};
        detail.paint = [page = pages[p], p, heading, week](report::Canvas &c, const report::PageInfo &) {
            c.fill(Qt::white);
            c.rule(0, 2, Qt::black);
            c.fillRect(0, 20.4, c.band().width(), 0.3, Qt::black);
            c.fillRect(0, 87.3, c.band().width(), 0.3, Qt::black);
            // A later page names its week: the title band stands on the first page only.
            if (!heading.isEmpty())
                c.text(12.7, 4.5, 200, heading, plain(12, true));
            for (int day = 0; day < 7; ++day) {
                const DayBlock &b = DayBlocks[day];
                const DayPart &part = page[size_t(day)];
                // A later page shows only the days that go on there.
                if (p > 0 && part.meals.isEmpty())
                    continue;
                const QString caption = menu::dayCaption(week, day);
                c.text(b.captionLeft, b.captionTop, 56,
                       part.continued ? caption + QStringLiteral(" (continued)") : caption, plain(10, true));
                // Each line of the time memo names the time of the meal beside it.
                const QFont timeFont = plain(part.points, false, true);
                const QFont mealFont = plain(part.points);
                const std::vector<double> heights = lineHeights(b, part.meals, part.points);
                double y = b.memoTop;
                for (qsizetype line = 0; line < part.meals.size(); ++line) {
                    const double height = heights[size_t(line)];
                    c.text(b.timeLeft, y, b.timeWidth, part.times.value(line), timeFont, Qt::AlignLeft,
                           QColor(110, 110, 110));
                    c.text(b.mealLeft, y, b.mealWidth, part.meals.at(line), mealFont, Qt::AlignLeft,
                           Qt::black, height);
                    y += height;
                }
                if (part.continues)
                    c.text(b.captionLeft, memoBottom(day) - ContinuedNote, 60,
                           QStringLiteral("continued on page %1").arg(p + 2), plain(8, false, true),
                           Qt::AlignLeft, QColor(110, 110, 110));
            }
        };
        r.details.push_back(std::move(detail));
    }
    r.pageFooter.height = 7.9;
    r.pageFooter.paint = [this](report::Canvas &c, const report::PageInfo &) {
        c.fill(LightBlue);
        c.frame();
        c.text(0, 1.9, c.band().width(), QRLabelPrintTime, plain(10, true), Qt::AlignHCenter, DarkGrey);
    };
    return r;
}
