#include "MonthCalendar.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget *parent)
    : QCalendarWidget(parent) {
    setFirstDayOfWeek(Qt::Saturday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    colourWeekends();
    if (auto *view = findChild<QAbstractItemView *>())
        view->installEventFilter(this);
    installEventFilter(this);
}

void MonthCalendar::colourWeekends() {
    QTextCharFormat weekend;
    weekend.setForeground(palette().color(QPalette::Text));
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
}

void MonthCalendar::changeEvent(QEvent *event) {
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourWeekends();
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyRelease)
        emit keyReleased();
    return QCalendarWidget::eventFilter(watched, event);
}
