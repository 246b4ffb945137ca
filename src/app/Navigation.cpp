// Moving between pages, the web and help links, and leaving the program.
#include "TForm1.h"

#include "SelectedWeek.h"
#include "data/TDataModule1.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Shell.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/ScrollText.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

void TForm1::JvXPBar5Items0Click() {
    if (!CheckChanges())
        return;
    FillAllCombo();
    if (!RefreshMenuData())
        return;
    QApplication::processEvents();
    showPage(TabSheet7);
    setWeekGridChanged(false);
}

void TForm1::JvXPBar4Items1Click() {
    if (!CheckChanges())
        return;
    showPage(TabSheet6);
}

void TForm1::JvXPBar4Items3Click() {
    if (!CheckChanges())
        return;
    showPage(TabSheet8);
}

void TForm1::JvXPBar1Items0Click() {
    if (!CheckChanges())
        return;
    showPage(TabSheet5);
}

void TForm1::JvXPBar1Items1Click() {
    if (!CheckChanges())
        return;
    JvgLabel26Click();
}

void TForm1::JvXPBar1Items2Click() {
    if (!CheckChanges())
        return;
    // The compiled manual where the desktop has a viewer for it, the same manual as web pages otherwise.
    const QString chm = QDir(programFolder()).filePath(QString::fromLatin1(HelpFile));
    Shell &shell = m_services.shell;
    if (QFileInfo::exists(chm) && shell.canOpen(chm))
        shell.open(chm);
    else
        shell.open(QDir(programFolder()).filePath(QStringLiteral("help/html/index.html")));
}

void TForm1::JvgLabel26Click() {
    m_services.shell.open(QString::fromLatin1(WebSite));
}

void TForm1::JvNavIconButton1Click() {
    const bool pause = JvScrollText1->isActive();
    JvScrollText1->setActive(!pause);
    JvNavIconButton1->setIcon(style()->standardIcon(pause ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    JvNavIconButton1->setAccessibleName(pause ? tr("Resume scrolling") : tr("Pause scrolling"));
}

void TForm1::Action1Execute() {
    close();
}

void TForm1::RefreshTables() {
    if (m_data == nullptr)
        return;
    try {
        m_data->MEALS.refresh();
    } catch (const db::DbError &) {
        // The recipe list keeps what it held; nothing the user did is lost.
    }
}

QString TForm1::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

void TForm1::stepWeek(int weeks) {
    const QDate from = m_shownDate.isValid() ? m_shownDate : JvMonthCalendar21->selectedDate();
    JvMonthCalendar21->setSelectedDate(from.addDays(7 * weeks));
    JvMonthCalendar21Click();
}

void TForm1::JvMonthCalendar21Click() {
    const QDate d = JvMonthCalendar21->selectedDate();
    if (activePage() == TabSheet7 && !CheckChanges()) {
        // Cancelled: the calendar goes back to the week on screen.
        const QSignalBlocker quiet(JvMonthCalendar21);
        JvMonthCalendar21->setSelectedDate(m_shownDate);
        return;
    }
    m_shownDate = d;
    SelectedWeek = WeekNumber(d);
    SelectedYear = WeekYear(d);
    // Each value is told with its caption, so that a screen reader hears "Week Number: 49", not the
    // caption twice.
    const auto tell = [](QLabel *value, const QString &caption, const QString &text) {
        value->setText(text);
        value->setAccessibleName(caption + u' ' + text);
    };
    tell(JvgLabel29, tr("Selected Week:"), WeekRangeText(d));
    tell(JvgLabel68, tr("Week Number:"), QString::number(SelectedWeek));
    tell(JvgLabel30, tr("Today:"), TodayText(m_services.clock.now().date()));
    fitLeftColumn();
    QWidget *page = activePage();
    if (page == TabSheet1)
        RefreshMenuDays();
    else if (page == TabSheet2)
        RefreshShoppingList();
    else if (page == TabSheet7)
        JvXPBar5Items0Click();
}
