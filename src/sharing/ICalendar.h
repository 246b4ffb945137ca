#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

/// The week as calendar data: shopping items as to-dos, planned meals as events, written and read with
/// the iCalendar library.
namespace ical {

/// One item of a shopping list as a to-do.
struct Task {
    QString uid;
    QString summary;
    /// The item's group; empty for none.
    QString category;
    bool completed = false;
};

/// One planned meal as an event, at a local time of day wherever the phone is.
struct Event {
    QString uid;
    QString summary;
    QString description;
    QDateTime start;
    int minutes = 30;
};

/// A calendar object holding one to-do, as a CalDAV server stores it.
QByteArray taskObject(const Task &task);
/// A calendar object holding one event.
QByteArray eventObject(const Event &event);
/// One calendar of events and to-dos, as a calendar program imports it.
QByteArray calendarFile(const QList<Event> &events, const QList<Task> &tasks);

/// The first to-do of a calendar object; none when it holds none or cannot be read.
std::optional<Task> readTask(const QByteArray &object);
/// The first event of a calendar object; none when it holds none or cannot be read.
std::optional<Event> readEvent(const QByteArray &object);

} // namespace ical
