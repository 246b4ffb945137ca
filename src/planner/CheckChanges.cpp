// The question about unsaved planner changes, asked before the user leaves a planner page or closes the
// window.
#include "app/TForm1.h"
#include "data/DataFile.h"
#include "data/TDataModule1.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Dialogs.h"

#include <QCloseEvent>

namespace {

const char *const SaveQuestion = "Do You want to save changes to menu and update shopping list?";

} // namespace

void TForm1::closeEvent(QCloseEvent *event) {
    if (m_data == nullptr) {
        QMainWindow::closeEvent(event);
        return;
    }
    if (m_importing) {
        event->ignore();
        return;
    }
    try {
        if (WeekGridChanged && m_services.dialogs.confirm(QString::fromLatin1(SaveQuestion)))
            RbButton18Click();
        for (db::TableDataset *table : {&m_data->MEALS, &m_data->MEALTYPE, &m_data->IGROUP}) {
            if (table->state() == db::Dataset::State::Edit || table->state() == db::Dataset::State::Insert)
                table->post();
        }
    } catch (const db::DbError &error) {
        // What cannot be written (a full disk, a read-only book) must not hold the program open for ever:
        // the user chooses between closing without it and staying to make room.
        if (!m_services.dialogs.confirm(QStringLiteral("%1\n\nClose Mealvane without saving it?")
                                            .arg(datafile::householdMessage(error.message())))) {
            event->ignore();
            return;
        }
        for (db::TableDataset *table : {&m_data->MEALS, &m_data->MEALTYPE, &m_data->IGROUP})
            table->cancel();
    }
    setWeekGridChanged(false);
    QMainWindow::closeEvent(event);
}

void TForm1::CheckChanges() {
    QWidget *page = activePage();
    if (page == TabSheet7 && WeekGridChanged) {
        if (m_services.dialogs.confirm(QString::fromLatin1(SaveQuestion)))
            RbButton18Click();
    } else if (page == TabSheet1 && DailyMenuChanged) {
        if (m_services.dialogs.confirm(QString::fromLatin1(SaveQuestion)))
            RbButton11Click();
    }
    setWeekGridChanged(false);
    DailyMenuChanged = false;
}
