#include "TReportShoppingList.h"

#include <algorithm>

#include "ReportBands.h"
#include "ReportStyle.h"
#include "data/BookSettings.h"
#include "shopping/ShoppingStatements.h"
#include "toolkit/db/SqlText.h"

TReportShoppingList::TReportShoppingList(const QString &dataFile)
    : ReportLayout(QStringLiteral("ReportShoppingList"), true, dataFile)
    , ADOQuery1(QStringLiteral("ADOQuery1"), ADOConnection1) {}

void TReportShoppingList::open(int week, int year) {
    m_week = week;
    m_year = year;
    if (!ADOConnection1.isOpen())
        ADOConnection1.open();
    ADOQuery1.close();
    ADOQuery1.setSql(QString());
    // In the order the shopping page shows, each row under the group it is listed under there.
    const bool shopOrder =
        booksettings::value(ADOConnection1, QLatin1String(booksettings::ShopOrder)) == QLatin1String("1");
    ADOQuery1.setSql(
        QStringLiteral("select *, ") + shopping::sectionExpression() +
        QStringLiteral(" AS Section from ShoppingList where YearNumber=") + sql::number(year) +
        QStringLiteral(" and WeekNumber=") + sql::number(week) +
        (shopOrder ? shopping::shopOrderClause() : QStringLiteral(" order by IngredientsDescription")));
    ADOQuery1.open();
}

report::BandReport TReportShoppingList::QuickRep1() const {
    using namespace reportstyle;
    report::BandReport r;
    r.title = QStringLiteral("Shopping List Report");
    r.fileName = QStringLiteral("Shopping List week %1 %2").arg(m_week).arg(m_year);
    r.columns = 2;
    const QString week =
        ADOQuery1.isEmpty() ? QString() : ADOQuery1.value(0, QStringLiteral("WeekNumber")).toString();
    const QString year =
        ADOQuery1.isEmpty() ? QString() : ADOQuery1.value(0, QStringLiteral("YearNumber")).toString();
    r.titleBand =
        reportbands::weekTitle(QStringLiteral("Vane Shopping"), QStringLiteral(" Shopping List for week:"),
                               {149.0, 158.8, 160.6, 16.1}, week, year);
    r.columnHeader.height = 10.6;
    r.columnHeader.paint = [](report::Canvas &c, const report::PageInfo &) {
        c.rule(0.5, 2, Qt::black);
        const QFont font = plain(9, true);
        // Every header stays inside its own column, with room before the next column's first.
        c.text(0, 3.2, 14.2, QStringLiteral("Checked"), font, Qt::AlignLeft);
        c.text(15.1, 3.2, 36, QStringLiteral("Ingredients Needed"), font);
        c.text(52.7, 3.2, 18, QStringLiteral("Group"), font);
        c.text(c.band().width() - 23.2, 3.2, 20.5, QStringLiteral("No Of Meals"), font, Qt::AlignHCenter);
        c.rule(9.6, 3, QColor(150, 150, 150));
    };
    const int description = ADOQuery1.fieldIndex(QStringLiteral("IngredientsDescription"));
    const int type = ADOQuery1.fieldIndex(QStringLiteral("Section"));
    const int count = ADOQuery1.fieldIndex(QStringLiteral("IngredientsCount"));
    const int amountColumn = ADOQuery1.fieldIndex(QStringLiteral("IngredientsAmount"));
    const int boughtColumn = ADOQuery1.fieldIndex(QStringLiteral("IngredientsBought"));
    const QFont font = plain(10);
    const double step = report::lineHeight(font);
    // Rows at least `least` high; a long name or group goes on over more lines, and the row grows with it:
    // nothing is cut.
    const auto rows = [&](double least) {
        r.details.clear();
        for (int row = 0; row < ADOQuery1.recordCount(); ++row) {
            report::Band detail;
            const QString meals = ADOQuery1.value(row, count).toString();
            // The amount follows the name: "Flour 750 g".
            const QString amount =
                amountColumn >= 0 ? ADOQuery1.value(row, amountColumn).toString() : QString();
            const QString item = ADOQuery1.value(row, description).toString();
            const QStringList name =
                report::wrappedLines(34.9, amount.isEmpty() ? item : item + u' ' + amount, font);
            const QStringList group = report::wrappedLines(23.5, ADOQuery1.value(row, type).toString(), font);
            const qsizetype lines = std::max<qsizetype>({1, name.size(), group.size()});
            // What was bought already (ticked on a phone, or here) is ticked on the paper too.
            const bool bought = boughtColumn >= 0 && ADOQuery1.value(row, boughtColumn).toInt() == 1;
            const QFont tickFont = plain(9, true);
            detail.height = std::max(least, 0.4 + double(lines) * step);
            detail.paint = [name, group, meals, step, font, bought, tickFont](report::Canvas &c,
                                                                              const report::PageInfo &) {
                c.box(3.4, 0.4, 4.0, 4.0);
                if (bought)
                    c.text(3.4, 0.3, 4.0, QStringLiteral("\u2713"), tickFont, Qt::AlignHCenter);
                for (qsizetype l = 0; l < name.size(); ++l)
                    c.line(14.8, 0.2 + double(l) * step, name.at(l), font);
                for (qsizetype l = 0; l < group.size(); ++l)
                    c.line(51.6, 0.2 + double(l) * step, group.at(l), font);
                c.text(78.1, 0.2, 13.2, meals, font, Qt::AlignHCenter);
            };
            r.details.push_back(std::move(detail));
        }
    };
    r.pageFooter = reportbands::pageFooter(QRLabelPrintTime, QRLabel7, 2.1);
    rows(4.8);
    // The last few rows are not given a sheet of their own when closer rows take them on the sheet before.
    if (const int pages = r.pageCount(); pages > 1) {
        rows(std::max(4.4, 0.4 + step));
        if (r.pageCount() == pages)
            rows(4.8);
    }
    return r;
}
