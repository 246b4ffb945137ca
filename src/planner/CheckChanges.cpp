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
        if (WeekGridChanged) {
            // Cancel (Escape, the box's close button) keeps the program open with the week on screen.
            const Dialogs::Answer answer = m_services.dialogs.ask(QString::fromLatin1(SaveQuestion));
            if (answer == Dialogs::Answer::Cancel) {
                event->ignore();
                return;
            }
            if (answer == Dialogs::Answer::Yes)
                RbButton18Click();
        }
        for (db::TableDataset *table : {&m_data->MEALS, &m_data->MEALTYPE, &m_data->IGROUP}) {
            if (table->state() == db::Dataset::State::Edit || table->state() == db::Dataset::State::Insert)
                table->post();
        }
    } catch (const db::DbError &error) {
        // What cannot be written (a full disk, a read-only book) must not hold the program open for ever:
        // the user chooses between closing without it and staying to make room.
        if (!m_services.dialogs.confirm(tr("%1\n\nClose Mealvane without saving it?")
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

bool TForm1::CheckChanges() {
    QWidget *page = activePage();
    const bool weekly = page == TabSheet7 && WeekGridChanged;
    const bool daily = page == TabSheet1 && DailyMenuChanged;
    if (weekly || daily) {
        // Cancel keeps the page and its picks as they are, and whatever asked does not happen.
        const Dialogs::Answer answer = m_services.dialogs.ask(QString::fromLatin1(SaveQuestion));
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::Yes) {
            if (weekly)
                RbButton18Click();
            else
                RbButton11Click();
        }
    }
    setWeekGridChanged(false);
    DailyMenuChanged = false;
    return true;
}
