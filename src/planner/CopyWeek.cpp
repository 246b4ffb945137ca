// Actions > Copy Week To...: the selected week's stored menu, and when asked its shopping list, onto
// another week chosen in a calendar.
#include "app/SelectedWeek.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "shopping/ShoppingList.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QVBoxLayout>

namespace {

qint64 countOf(db::Connection &c, const QString &sql, int week, int year) {
    db::Statement s(c, sql);
    s.bind(1, week);
    s.bind(2, year);
    s.step();
    return s.value(0).toLongLong();
}

} // namespace

void TForm1::copyWeekTo() {
    // What is copied is the week as stored: unsaved picks are saved (or dropped) first.
    if (!CheckChanges())
        return;
    VaneDialog dialog(QStringLiteral("CopyWeekDialog"), tr("Copy Week To"),
                      tr("  Copy the menu of week %1 onto the week of the day chosen").arg(SelectedWeek),
                      this);
    auto *calendar = new QCalendarWidget(&dialog);
    calendar->setObjectName(QStringLiteral("CopyWeekCalendar"));
    calendar->setAccessibleName(tr("Week to copy onto"));
    calendar->setFirstDayOfWeek(Qt::Saturday);
    calendar->setGridVisible(true);
    // The planner numbers its weeks its own way: the calendar shows none of its own.
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setSelectedDate(m_shownDate.addDays(7));
    auto *withList = new QCheckBox(tr("Copy the &shopping list too"), &dialog);
    withList->setObjectName(QStringLiteral("CopyWeekList"));
    dialog.body()->addWidget(calendar);
    dialog.body()->addWidget(withList);
    dialog.addButtons(QStringLiteral("&Copy"));
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    const QDate chosen = calendar->selectedDate();
    const int week = WeekNumber(chosen);
    const int year = WeekYear(chosen);
    if (week == SelectedWeek && year == SelectedYear) {
        m_services.dialogs.showInformation(
            tr("Week %1 of %2 is the week being copied: choose a day of another week.").arg(week).arg(year));
        return;
    }
    db::Connection &c = m_data->ADOConnectionMain;
    const QString planned =
        QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number = ? AND Year_Number = ?");
    if (countOf(c, planned, SelectedWeek, SelectedYear) == 0) {
        m_services.dialogs.showInformation(
            tr("Week %1 of %2 has nothing planned to copy.").arg(SelectedWeek).arg(SelectedYear));
        return;
    }
    if (countOf(c, planned, week, year) > 0 &&
        !m_services.dialogs.confirm(
            (withList->isChecked()
                 ? tr("Week %1 of %2 is planned already. Replace its menu and shopping list with those of "
                      "week %3?")
                 : tr("Week %1 of %2 is planned already. Replace its menu with those of week %3?"))
                .arg(week)
                .arg(year)
                .arg(SelectedWeek)))
        return;
    int items = -1;
    {
        db::Transaction whole(c);
        const auto run = [&c](const QString &sql, const QVariantList &values) {
            db::Statement s(c, sql);
            for (int i = 0; i < values.size(); ++i)
                s.bind(i + 1, values.at(i));
            s.step();
        };
        run(QStringLiteral("DELETE FROM Menu WHERE Week_Number = ? AND Year_Number = ?"), {week, year});
        run(QStringLiteral(
                "INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID, Menu_People) "
                "SELECT ?, ?, Day_Number, Menu_Time, Meal_ID, Menu_People FROM Menu WHERE Week_Number = ? "
                "AND Year_Number = ? ORDER BY MENU_ID"),
            {week, year, SelectedWeek, SelectedYear});
        if (withList->isChecked()) {
            // The list as it stands, nothing of it bought yet, hand edits and all.
            run(QStringLiteral("DELETE FROM ShoppingList WHERE WeekNumber = ? AND YearNumber = ?"),
                {week, year});
            run(QStringLiteral(
                    "INSERT INTO ShoppingList(WeekNumber, YearNumber, IngredientsDescription, "
                    "IngredientsCount, IngredientsType, IngredientsAmount, IngredientsHand) SELECT ?, ?, "
                    "IngredientsDescription, IngredientsCount, IngredientsType, IngredientsAmount, "
                    "IngredientsHand FROM "
                    "ShoppingList WHERE WeekNumber = ? AND YearNumber = ? ORDER BY ShoppingListID"),
                {week, year, SelectedWeek, SelectedYear});
            run(QStringLiteral("DELETE FROM ShoppingListHandEdits WHERE WeekNumber = ? AND YearNumber = ?"),
                {week, year});
            run(QStringLiteral("DELETE FROM ShoppingListRemoved WHERE WeekNumber = ? AND YearNumber = ?"),
                {week, year});
            run(QStringLiteral("INSERT INTO ShoppingListRemoved SELECT ?, ?, IngredientsDescription FROM "
                               "ShoppingListRemoved WHERE WeekNumber = ? AND YearNumber = ?"),
                {week, year, SelectedWeek, SelectedYear});
            if (shopping::isHandEdited(*m_data, SelectedWeek, SelectedYear))
                shopping::markHandEdited(*m_data, week, year);
        } else if (!shopping::isHandEdited(*m_data, week, year)) {
            // Otherwise the week's list is made from its new menu, as saving it would, unless edited by hand.
            items = shopping::regenerateWeekList(*m_data, week, year, household());
        }
        whole.commit();
    }
    tellDone(items >= 0 ? tr("Week %1 copied onto week %2 of %3; its shopping list: %4 items")
                              .arg(SelectedWeek)
                              .arg(week)
                              .arg(year)
                              .arg(items)
                        : tr("Week %1 copied onto week %2 of %3").arg(SelectedWeek).arg(week).arg(year));
}
