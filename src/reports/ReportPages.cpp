// The reports the main window opens: the weekly menu and the week's shopping list.
#include "TReportIngredientsList.h"
#include "TReportRecipe.h"
#include "TReportShoppingList.h"
#include "TReportWeeklyMenu.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "recipes/TForm7.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStatusBar>
#include <optional>

void TForm1::attachReports(const Reports &reports) {
    m_reports = reports;
}

void TForm1::previewCounted(const std::function<report::BandReport()> &build, QString &printTime,
                            QString &ofPages) {
    std::optional<report::BandReport> report;
    {
        // Laying out a long report takes a while: the cursor and the status bar say so meanwhile.
        const BusyCursor busy;
        statusBar()->showMessage(tr("Preparing the report..."));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const int pages = build().pageCount();
        ofPages = tr(" of ") + QString::number(pages);
        printTime = this->printTime();
        report.emplace(build());
        tellDone(pages == 1 ? QStringLiteral("%1: 1 page").arg(report->title)
                            : QStringLiteral("%1: %2 pages").arg(report->title).arg(pages));
    }
    showReport(*report);
}

void TForm1::previewInWindow(const report::BandReport &report) {
    previewReport(report, this, m_services.dialogs);
}

QString TForm1::printTime() const {
    return report::printTimeText(m_services.clock.now(), QLocale());
}

void TForm1::JvXPBar3Items0Click() {
    if (!CheckChanges())
        return;
    if (m_reports.weeklyMenu == nullptr)
        return;
    m_reports.weeklyMenu->fill(SelectedWeek, SelectedYear,
                               menu::readWeek(*m_data, {SelectedWeek, SelectedYear}), printTime());
    showReport(m_reports.weeklyMenu->QuickRep1());
}

void TForm1::RbButton17Click() {
    // Printing saves the week first, but only when it holds something unsaved.
    if (WeekGridChanged)
        RbButton18Click();
    JvXPBar3Items0Click();
}

void TForm1::RbButton20Click() {
    TReportShoppingList *layout = m_reports.shoppingList;
    if (layout == nullptr)
        return;
    const QString w = QString::number(SelectedWeek);
    const QString y = QString::number(SelectedYear);
    db::QueryDataset count(QStringLiteral("CountQuery"), m_data->ADOConnectionMain);
    count.setSql(QStringLiteral("select count(1) as x from ShoppingList where YearNumber=") + y +
                 QStringLiteral(" and WeekNumber=") + w);
    count.open();
    if (count.field(QStringLiteral("x")).asInteger() == 0) {
        m_services.dialogs.showInformation(tr("Shopping List for week %1-%2 is empty").arg(w, y));
        return;
    }
    layout->open(SelectedWeek, SelectedYear);
    previewCounted([layout] { return layout->QuickRep1(); }, layout->QRLabelPrintTime, layout->QRLabel7);
}

void TForm1::PrintRecipe(const QString &name) {
    TReportRecipe *layout = m_reports.recipe;
    if (layout == nullptr)
        return;
    layout->open(&name);
    previewRecipes();
}

void TForm1::previewRecipes() {
    TReportRecipe *layout = m_reports.recipe;
    // Said when the picture is met, once for the report, which goes on without it.
    bool told = false;
    layout->onPictureFailed = [this, &told] {
        if (!told)
            m_services.dialogs.showError(tr("No puedo cargar la imagen"));
        told = true;
    };
    previewCounted([layout] { return layout->QuickRep1(); }, layout->QRLabelPrintTime, layout->QRLabel7);
    layout->onPictureFailed = {};
}

void TForm1::JvXPBar3Items1Click() {
    if (!CheckChanges())
        return;
    if (m_reports.recipe == nullptr)
        return;
    m_reports.recipe->open(nullptr);
    previewRecipes();
}

void TForm1::JvXPBar3Items2Click() {
    if (!CheckChanges())
        return;
    if (m_reports.selectMeal != nullptr)
        showModal(*m_reports.selectMeal);
}

void TForm1::JvXPBar3Items3Click() {
    if (!CheckChanges())
        return;
    TReportIngredientsList *layout = m_reports.ingredients;
    if (layout == nullptr)
        return;
    layout->open();
    previewCounted([layout] { return layout->QuickRep1(); }, layout->QRLabelPrintTime, layout->QRLabel7);
}

void TForm1::RbButton21Click() {
    if (onChosenRecipe())
        PrintRecipe(DBLookupComboBox2->currentText());
}

void TForm1::RbButton27Click() {
    const QString name = selectedResult();
    if (!name.isEmpty())
        PrintRecipe(name);
}
