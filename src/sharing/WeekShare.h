#pragma once

#include "CalDav.h"
#include "ICalendar.h"

#include <QStringList>
#include <QTime>
#include <QUrl>
#include <array>

class TDataModule1;

namespace db {
class Connection;
}

/// A week's shopping list and menu on the household's CalDAV server: the list as a task list the phones
/// tick in the shop, the menu as events of a calendar; what the phones ticked or added comes back.
namespace sharing {

/// The meal times of a day in code order ("1" morning to "6" dessert), and the hour each is shared at.
constexpr int MealTimes = 6;
std::array<QTime, MealTimes> defaultMealTimes();

/// Where the week is shared; the password is kept in the desktop's secret store, never here.
struct Settings {
    QUrl server;
    QString user;
    QUrl taskList;
    QUrl calendar;
    std::array<QTime, MealTimes> mealTimes = defaultMealTimes();
    bool configured() const { return server.isValid() && !user.isEmpty() && taskList.isValid(); }
};

/// The settings kept in the book; empty ones until the user sets sharing up.
Settings settings(db::Connection &connection);
void storeSettings(db::Connection &connection, const Settings &settings);

/// What a sharing or a refresh came to.
struct Result {
    caldav::Outcome outcome;
    /// Items and meals written to the server, and items deleted from it.
    int itemsWritten = 0;
    int mealsWritten = 0;
    int deleted = 0;
    /// Rows whose tick the phones changed, and rows the phones added.
    int ticksTaken = 0;
    QStringList added;
    /// Rows changed here and on a phone since the last sharing: the phone's tick and this text were kept.
    QStringList merged;
};

/// The text a shopping row is shared as: its name, then its amount, or the number of meals beside it.
QString itemSummary(const QString &name, const QString &amount, int count);

/// The week's list and menu as calendar data, for a calendar file or for the server.
QList<ical::Task> weekTasks(TDataModule1 &data, int week, int year);
QList<ical::Event> weekEvents(TDataModule1 &data, const Settings &settings, int week, int year);

/// Takes what the phones did to the week's list (ticks, items added) into the book; nothing is written to
/// the server. On a failure the book is left as it was.
Result refreshWeek(TDataModule1 &data, caldav::Client &client, const Settings &settings, int week, int year);

/// Takes what the phones did, then writes the week's list and menu to the server: every row and planned
/// meal once (written again only where it changed), and what was removed here deleted there. On a failure
/// the book is left as it was; what reached the server is put right by the next sharing.
Result shareWeek(TDataModule1 &data, caldav::Client &client, const Settings &settings, int week, int year);

} // namespace sharing
