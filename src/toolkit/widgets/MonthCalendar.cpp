#include "MonthCalendar.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget *parent)
    : QCalendarWidget(parent) {
    setFirstDayOfWeek(Qt::Saturday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    QTextCharFormat weekend;
    weekend.setForeground(palette().color(QPalette::Text));
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
    if (auto *view = findChild<QAbstractItemView *>())
        view->installEventFilter(this);
    installEventFilter(this);
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyRelease)
        emit keyReleased();
    return QCalendarWidget::eventFilter(watched, event);
}
