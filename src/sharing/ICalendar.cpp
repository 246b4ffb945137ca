#include "ICalendar.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace ical {

namespace {

struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

QByteArray utf8(const QString &text) {
    return text.toUtf8();
}

Component newCalendar() {
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Mealvane//Mealvane//EN"));
    return calendar;
}

icaltimetype stampNow() {
    return icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
}

/// A local time with no zone ("floating"): a meal at 19:00 is at 19:00 wherever the phone is.
icaltimetype floating(const QDateTime &when) {
    icaltimetype t = icaltime_null_time();
    t.year = when.date().year();
    t.month = when.date().month();
    t.day = when.date().day();
    t.hour = when.time().hour();
    t.minute = when.time().minute();
    t.second = 0;
    t.is_date = 0;
    return t;
}

icalcomponent *newTask(const Task &task) {
    icalcomponent *todo = icalcomponent_new_vtodo();
    icalcomponent_add_property(todo, icalproperty_new_uid(utf8(task.uid).constData()));
    icalcomponent_add_property(todo, icalproperty_new_dtstamp(stampNow()));
    icalcomponent_add_property(todo, icalproperty_new_summary(utf8(task.summary).constData()));
    if (!task.category.isEmpty())
        icalcomponent_add_property(todo, icalproperty_new_categories(utf8(task.category).constData()));
    icalcomponent_add_property(
        todo, icalproperty_new_status(task.completed ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
    if (task.completed)
        icalcomponent_add_property(todo, icalproperty_new_percentcomplete(100));
    return todo;
}

icalcomponent *newEvent(const Event &event) {
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(utf8(event.uid).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stampNow()));
    icalcomponent_add_property(vevent, icalproperty_new_summary(utf8(event.summary).constData()));
    if (!event.description.isEmpty())
        icalcomponent_add_property(vevent, icalproperty_new_description(utf8(event.description).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(floating(event.start)));
    icalcomponent_add_property(vevent,
                               icalproperty_new_dtend(floating(event.start.addSecs(60 * event.minutes))));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return vevent;
}

QByteArray text(icalcomponent *calendar) {
    char *written = icalcomponent_as_ical_string_r(calendar);
    QByteArray out(written);
    std::free(written);
    return out;
}

Component parsed(const QByteArray &object) {
    return Component(icalparser_parse_string(object.constData()));
}

/// The component of `kind` in a parsed object: the object itself, or the first inside it.
icalcomponent *first(icalcomponent *root, icalcomponent_kind kind) {
    if (root == nullptr)
        return nullptr;
    if (icalcomponent_isa(root) == kind)
        return root;
    return icalcomponent_get_first_component(root, kind);
}

QString string(const char *value) {
    return value == nullptr ? QString() : QString::fromUtf8(value);
}

} // namespace

QByteArray taskObject(const Task &task) {
    Component calendar = newCalendar();
    icalcomponent_add_component(calendar.get(), newTask(task));
    return text(calendar.get());
}

QByteArray eventObject(const Event &event) {
    Component calendar = newCalendar();
    icalcomponent_add_component(calendar.get(), newEvent(event));
    return text(calendar.get());
}

QByteArray calendarFile(const QList<Event> &events, const QList<Task> &tasks) {
    Component calendar = newCalendar();
    for (const Event &event : events)
        icalcomponent_add_component(calendar.get(), newEvent(event));
    for (const Task &task : tasks)
        icalcomponent_add_component(calendar.get(), newTask(task));
    return text(calendar.get());
}

std::optional<Task> readTask(const QByteArray &object) {
    const Component root = parsed(object);
    icalcomponent *todo = first(root.get(), ICAL_VTODO_COMPONENT);
    if (todo == nullptr)
        return std::nullopt;
    Task task;
    task.uid = string(icalcomponent_get_uid(todo));
    task.summary = string(icalcomponent_get_summary(todo));
    // A list of categories is read as one property each: put together again, a group whose name holds a
    // comma comes back whole.
    QStringList categories;
    for (icalproperty *c = icalcomponent_get_first_property(todo, ICAL_CATEGORIES_PROPERTY); c != nullptr;
         c = icalcomponent_get_next_property(todo, ICAL_CATEGORIES_PROPERTY))
        categories << string(icalproperty_get_categories(c));
    task.category = categories.join(QStringLiteral(", "));
    // Phones mark an item done by its status, some by a completion time or 100 per cent alone.
    task.completed = icalcomponent_get_status(todo) == ICAL_STATUS_COMPLETED ||
                     icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY) != nullptr;
    if (icalproperty *p = icalcomponent_get_first_property(todo, ICAL_PERCENTCOMPLETE_PROPERTY))
        task.completed = task.completed || icalproperty_get_percentcomplete(p) >= 100;
    return task;
}

std::optional<Event> readEvent(const QByteArray &object) {
    const Component root = parsed(object);
    icalcomponent *vevent = first(root.get(), ICAL_VEVENT_COMPONENT);
    if (vevent == nullptr)
        return std::nullopt;
    Event event;
    event.uid = string(icalcomponent_get_uid(vevent));
    event.summary = string(icalcomponent_get_summary(vevent));
    event.description = string(icalcomponent_get_description(vevent));
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    if (!icaltime_is_null_time(start)) {
        event.start = QDateTime(QDate(start.year, start.month, start.day), QTime(start.hour, start.minute));
        const icaltimetype end = icalcomponent_get_dtend(vevent);
        if (!icaltime_is_null_time(end))
            event.minutes = int(event.start.secsTo(QDateTime(QDate(end.year, end.month, end.day),
                                                             QTime(end.hour, end.minute))) /
                                60);
    }
    return event;
}

} // namespace ical
