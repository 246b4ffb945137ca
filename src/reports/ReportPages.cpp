// The reports the main window opens: the weekly menu and the week's shopping list.
#include "TReportShoppingList.h"
#include "TReportWeeklyMenu.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QLocale>

void TForm1::attachReports(TReportWeeklyMenu *weeklyMenu, TReportShoppingList *shoppingList)
{
    m_weeklyMenuReport = weeklyMenu;
    m_shoppingListReport = shoppingList;
}

void TForm1::previewInWindow(const report::BandReport &report) { previewReport(report, this, m_services.dialogs); }

QString TForm1::printTime() const { return report::printTimeText(m_services.clock.now(), QLocale()); }

void TForm1::JvXPBar3Items0Click()
{
    CheckChanges();
    if (m_weeklyMenuReport == nullptr)
        return;
    m_weeklyMenuReport->fill(SelectedWeek, SelectedYear, menu::readWeek(*m_data, {SelectedWeek, SelectedYear}),
                             printTime());
    showReport(m_weeklyMenuReport->QuickRep1());
}

void TForm1::RbButton17Click()
{
    RbButton18Click();
    JvXPBar3Items0Click();
}

void TForm1::RbButton20Click()
{
    if (m_shoppingListReport == nullptr)
        return;
    const QString w = QString::number(SelectedWeek);
    const QString y = QString::number(SelectedYear);
    db::QueryDataset count(QStringLiteral("CountQuery"), m_data->ADOConnectionMain);
    count.setSql(QStringLiteral("select count(1) as x from ShoppingList where YearNumber=") + y +
                 QStringLiteral(" and WeekNumber=") + w);
    count.open();
    if (count.field(QStringLiteral("x")).asInteger() == 0) {
        m_services.dialogs.showInformation(QStringLiteral("Shopping List for week ") + w + u'-' + y +
                                           QStringLiteral(" is empty"));
        return;
    }
    m_shoppingListReport->open(SelectedWeek, SelectedYear);
    const int pages = m_shoppingListReport->QuickRep1().pageCount();
    m_shoppingListReport->QRLabel7 = QStringLiteral(" of ") + QString::number(pages);
    m_shoppingListReport->QRLabelPrintTime = printTime();
    showReport(m_shoppingListReport->QuickRep1());
}
