#include "toolkit/report/BandReport.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using namespace report;

namespace {

BandReport twoColumnList(int rows) {
    BandReport r;
    r.columns = 2;
    r.titleBand.height = 15.1;
    r.columnHeader.height = 10.6;
    r.pageFooter.height = 7.9;
    for (int i = 0; i < rows; ++i)
        r.details.push_back(Band{4.8, {}});
    return r;
}

} // namespace

TEST(BandReport, RowsFillTheFirstColumnThenTheSecondThenTheNextPage) {
    const BandReport one = twoColumnList(1);
    EXPECT_EQ(one.pageCount(), 1);
    EXPECT_EQ(one.layout().size(), 4u) << "title, one column header, the row, the footer";

    // A4 portrait: 297 - 2 * 12.7 = 271.6 mm; the first page's columns hold (271.6 - 15.1 - 10.6 - 7.9) / 4.8
    // rows.
    const int firstColumn = int((271.6 - 15.1 - 10.6 - 7.9) / 4.8);
    const BandReport list = twoColumnList(2 * firstColumn + 1);
    const std::vector<Placement> placed = list.layout();
    std::vector<const Placement *> rows;
    for (const Placement &p : placed) {
        if (p.band->height == 4.8)
            rows.push_back(&p);
    }
    ASSERT_EQ(rows.size(), size_t(2 * firstColumn + 1));
    EXPECT_DOUBLE_EQ(rows[0]->rect.left(), 12.7);
    EXPECT_NEAR(rows[size_t(firstColumn)]->rect.left(), 12.7 + (210 - 25.4) / 2, 1e-9) << "second column";
    EXPECT_EQ(rows[size_t(firstColumn)]->page, 0);
    EXPECT_EQ(rows.back()->page, 1) << "then the next page";
    EXPECT_NEAR(rows.back()->rect.top(), 12.7 + 10.6, 1e-9) << "no title on later pages, a header still";
    EXPECT_EQ(list.pageCount(), 2);
    int footers = 0;
    for (const Placement &p : placed) {
        if (p.band == &list.pageFooter) {
            ++footers;
            EXPECT_NEAR(p.rect.bottom(), 297 - 12.7, 1e-9);
        }
    }
    EXPECT_EQ(footers, 2) << "a footer on every page";
}

TEST(BandReport, TheFooterAtTheEndOnlyNeedsRoomOnTheLastPage) {
    BandReport r;
    r.footerOnEveryPage = false;
    r.pageFooter.height = 20;
    r.details.push_back(Band{260, {}});
    EXPECT_EQ(r.pageCount(), 2) << "no room left for the footer under the band";
    r.details.front().height = 100;
    EXPECT_EQ(r.pageCount(), 1);
}

TEST(BandReport, PrintTimeText) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(printTimeText(QDateTime(QDate(2024, 3, 5), QTime(14, 7)), english),
              QStringLiteral("Printed:  5-Mar-2024,  at  02:07 PM"));
    EXPECT_EQ(printTimeText(QDateTime(QDate(2026, 12, 8), QTime(0, 5)), english),
              QStringLiteral("Printed:  8-Dec-2026,  at  12:05 AM"));
    EXPECT_EQ(printTimeText(QDateTime(QDate(2026, 12, 8), QTime(12, 0)), english),
              QStringLiteral("Printed:  8-Dec-2026,  at  12:00 PM"));
}
