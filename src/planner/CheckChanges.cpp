// The question about unsaved planner changes, asked before the user leaves a planner page.
#include "app/TForm1.h"
#include "toolkit/ui/Dialogs.h"

namespace {

const char *const SaveQuestion = "Do You want to save changes to menu and update shopping list?";

} // namespace

void TForm1::CheckChanges() {
    QWidget *page = activePage();
    if (page == TabSheet7 && WeekGridChanged) {
        if (m_services.dialogs.confirm(QString::fromLatin1(SaveQuestion)))
            RbButton18Click();
    } else if (page == TabSheet1 && DailyMenuChanged) {
        if (m_services.dialogs.confirm(QString::fromLatin1(SaveQuestion)))
            RbButton11Click();
    }
    WeekGridChanged = false;
    DailyMenuChanged = false;
}
