#include "WeekShare.h"

#include "app/SelectedWeek.h"

#include "data/BookSettings.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeLines.h"
#include "shopping/ShoppingList.h"
#include "shopping/ShoppingStatements.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Transaction.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

namespace sharing {

namespace {

const char *const ServerSetting = "Share Server";
const char *const UserSetting = "Share User";
const char *const TaskListSetting = "Share Task List";
const char *const CalendarSetting = "Share Calendar";
const char *const TimesSetting = "Share Meal Times";

/// One row of the week's shopping list.
struct Row {
    qint64 id = 0;
    QString name;
    QString amount;
    int count = 0;
    QString group;
    /// What the phones file it under: its group, or what is always at home.
    QString section;
    bool bought = false;
    QString uid;
};

/// What the last sharing put on the server for one item.
struct Shared {
    QString url;
    QString etag;
    QString name;
    QString summary;
    bool bought = false;
};

QString listPrefix(int week, int year) {
    return QStringLiteral("mealvane-list-%1-%2-").arg(year).arg(week);
}

QString menuPrefix(int week, int year) {
    return QStringLiteral("mealvane-menu-%1-%2-").arg(year).arg(week);
}

QString nameKey(const QString &name) {
    return QString::fromLatin1(
        QCryptographicHash::hash(name.simplified().toLower().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16));
}

QList<Row> weekRows(db::Connection &c, int week, int year) {
    QList<Row> rows;
    db::Statement read(
        c, QStringLiteral("SELECT ShoppingListID, IngredientsDescription, IngredientsAmount, "
                          "IngredientsCount, IngredientsType, IngredientsBought, ") +
               shopping::sectionExpression() +
               QStringLiteral(" FROM ShoppingList WHERE WeekNumber=? AND YearNumber=?") +
               (booksettings::value(c, QLatin1String(booksettings::ShopOrder)) == QLatin1String("1")
                    ? shopping::shopOrderClause()
                    : QStringLiteral(" ORDER BY ShoppingListID")));
    read.bind(1, week);
    read.bind(2, year);
    while (read.step()) {
        Row row;
        row.id = read.value(0).toLongLong();
        row.name = read.value(1).toString();
        row.amount = read.value(2).toString();
        row.count = read.value(3).toInt();
        row.group = read.value(4).toString();
        row.bought = read.value(5).toInt() != 0;
        row.section = read.value(6).toString();
        rows << row;
    }
    return rows;
}

QHash<QString, Shared> sharedItems(db::Connection &c, const char *kind, int week, int year) {
    QHash<QString, Shared> items;
    db::Statement read(c,
                       QStringLiteral("SELECT Item_UID, Item_Url, Item_ETag, Item_Name, Item_Summary, "
                                      "Item_Bought FROM Shared_Items WHERE Item_Kind=? AND Week_Number=? AND "
                                      "Year_Number=?"));
    read.bind(1, QLatin1String(kind));
    read.bind(2, week);
    read.bind(3, year);
    while (read.step())
        items.insert(read.value(0).toString(),
                     Shared{read.value(1).toString(), read.value(2).toString(), read.value(3).toString(),
                            read.value(4).toString(), read.value(5).toInt() != 0});
    return items;
}

/// Gives each row its UID: the one a phone gave an item the book took in, else one made from the week and
/// the item's name (a second row of the same name numbered), the same every time the week is shared.
void giveUids(QList<Row> &rows, const QHash<QString, Shared> &shared, int week, int year) {
    QHash<QString, QString> phoneUids;
    for (auto it = shared.cbegin(); it != shared.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("mealvane-")))
            phoneUids.insert(it.value().name.simplified().toLower(), it.key());
    }
    QHash<QString, int> seen;
    for (Row &row : rows) {
        const QString key = row.name.simplified().toLower();
        const int n = seen[key]++;
        if (n == 0 && phoneUids.contains(key)) {
            row.uid = phoneUids.value(key);
            continue;
        }
        row.uid =
            listPrefix(week, year) + nameKey(row.name) + (n > 0 ? QStringLiteral("-%1").arg(n) : QString());
    }
}

ical::Task taskOf(const Row &row) {
    return ical::Task{row.uid, itemSummary(row.name, row.amount, row.count), row.section, row.bought};
}

bool sameTask(const ical::Task &a, const ical::Task &b) {
    return a.summary == b.summary && a.category == b.category && a.completed == b.completed;
}

bool sameEvent(const ical::Event &a, const ical::Event &b) {
    return a.summary == b.summary && a.description == b.description && a.start == b.start &&
           a.minutes == b.minutes;
}

struct ServerTask {
    caldav::Object object;
    ical::Task task;
};

/// The book's side of a sharing: the changes the phones' work makes to the week's rows, written in one
/// transaction only when the whole sharing succeeded.
struct Changes {
    QList<std::pair<qint64, bool>> ticks;
    QList<std::pair<qint64, QString>> renames;
    QList<Row> additions;
    QHash<QString, Shared> listItems;
    QHash<QString, Shared> menuItems;
};

void writeChanges(TDataModule1 &data, const Changes &changes, int week, int year, bool menuShared) {
    db::Connection &c = data.ADOConnectionMain;
    db::Transaction transaction(c);
    {
        db::Statement tick(
            c, QStringLiteral("UPDATE ShoppingList SET IngredientsBought=? WHERE ShoppingListID=?"));
        for (const auto &[id, bought] : changes.ticks) {
            tick.bind(1, bought ? 1 : 0);
            tick.bind(2, id);
            tick.step();
            tick.reset();
        }
        db::Statement rename(c, QStringLiteral("UPDATE ShoppingList SET IngredientsDescription=?, "
                                               "IngredientsAmount=NULL, IngredientsHand=1 WHERE "
                                               "ShoppingListID=?"));
        for (const auto &[id, name] : changes.renames) {
            rename.bind(1, name);
            rename.bind(2, id);
            rename.step();
            rename.reset();
        }
        db::Statement add(c,
                          QStringLiteral("INSERT INTO ShoppingList(WeekNumber, YearNumber, "
                                         "IngredientsDescription, IngredientsCount, IngredientsType, "
                                         "IngredientsBought, IngredientsHand) VALUES(?, ?, ?, 1, ?, ?, 1)"));
        for (const Row &row : changes.additions) {
            add.bind(1, week);
            add.bind(2, year);
            add.bind(3, row.name);
            add.bind(4, row.group.isEmpty() ? QVariant() : QVariant(row.group));
            add.bind(5, row.bought ? 1 : 0);
            add.step();
            add.reset();
        }
        db::Statement forget(
            c, QStringLiteral("DELETE FROM Shared_Items WHERE Item_Kind=? AND Week_Number=? AND "
                              "Year_Number=?"));
        db::Statement keep(
            c, QStringLiteral("INSERT OR REPLACE INTO Shared_Items(Week_Number, Year_Number, "
                              "Item_Kind, Item_UID, Item_Url, Item_ETag, Item_Name, Item_Summary, "
                              "Item_Bought) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const auto store = [&](const char *kind, const QHash<QString, Shared> &items) {
            forget.bind(1, QLatin1String(kind));
            forget.bind(2, week);
            forget.bind(3, year);
            forget.step();
            forget.reset();
            for (auto it = items.cbegin(); it != items.cend(); ++it) {
                keep.bind(1, week);
                keep.bind(2, year);
                keep.bind(3, QLatin1String(kind));
                keep.bind(4, it.key());
                keep.bind(5, it.value().url);
                keep.bind(6, it.value().etag);
                keep.bind(7, it.value().name.left(255));
                keep.bind(8, it.value().summary.left(255));
                keep.bind(9, it.value().bought ? 1 : 0);
                keep.step();
                keep.reset();
            }
        };
        store("list", changes.listItems);
        if (menuShared)
            store("menu", changes.menuItems);
    }
    if (!changes.additions.isEmpty() || !changes.renames.isEmpty())
        shopping::markHandEdited(data, week, year);
    transaction.commit();
}

Result synchronise(TDataModule1 &data, caldav::Client &client, const Settings &settings, int week, int year,
                   bool write) {
    Result result;
    db::Connection &c = data.ADOConnectionMain;
    QList<caldav::Object> objects;
    result.outcome = client.objects(settings.taskList, "VTODO", objects);
    if (!result.outcome.ok())
        return result;
    QHash<QString, ServerTask> server;
    for (const caldav::Object &object : std::as_const(objects)) {
        if (const std::optional<ical::Task> task = ical::readTask(object.data); task && !task->uid.isEmpty())
            server.insert(task->uid, ServerTask{object, *task});
    }
    const QHash<QString, Shared> shared = sharedItems(c, "list", week, year);
    QSet<QString> takenElsewhere;
    {
        db::Statement read(c,
                           QStringLiteral("SELECT Item_UID FROM Shared_Items WHERE Item_Kind='list' AND NOT "
                                          "(Week_Number=? AND Year_Number=?)"));
        read.bind(1, week);
        read.bind(2, year);
        while (read.step())
            takenElsewhere.insert(read.value(0).toString());
    }
    QList<Row> rows = weekRows(c, week, year);
    giveUids(rows, shared, week, year);

    // What the phones did since the last sharing: a changed item's tick wins; its text wins where only the
    // phone changed it, and where both did, this text stays and the row is named.
    Changes changes;
    QSet<QString> rowUids;
    for (Row &row : rows) {
        rowUids.insert(row.uid);
        const auto found = server.constFind(row.uid);
        if (found == server.cend())
            continue;
        const ServerTask &there = found.value();
        const auto last = shared.constFind(row.uid);
        const QString summaryHere = itemSummary(row.name, row.amount, row.count);
        const bool changedThere = last == shared.cend() || last->etag != there.object.etag;
        if (!changedThere)
            continue;
        if (there.task.completed != row.bought) {
            row.bought = there.task.completed;
            changes.ticks.push_back({row.id, row.bought});
            ++result.ticksTaken;
        }
        const QString summaryBefore = last == shared.cend() ? summaryHere : last->summary;
        const bool textThere = there.task.summary.simplified() != summaryBefore.simplified();
        const bool textHere = summaryHere != summaryBefore;
        if (textThere && textHere) {
            result.merged << row.name;
        } else if (textThere && !there.task.summary.simplified().isEmpty()) {
            row.name = there.task.summary.simplified().left(50);
            row.amount.clear();
            changes.renames.push_back({row.id, row.name});
        }
    }
    // Items a phone added to the list become rows of the week, once.
    QList<std::pair<QString, QString>> stale;
    for (auto it = server.cbegin(); it != server.cend(); ++it) {
        const QString &uid = it.key();
        if (rowUids.contains(uid))
            continue;
        const bool ours = uid.startsWith(listPrefix(week, year)) || shared.contains(uid);
        if (ours) {
            stale.push_back({it->object.url.toString(), it->object.etag});
            continue;
        }
        if (uid.startsWith(QLatin1String("mealvane-")) || takenElsewhere.contains(uid))
            continue;
        const QString name = it->task.summary.simplified().left(50);
        if (name.isEmpty())
            continue;
        Row row;
        row.name = name;
        row.group = it->task.category.simplified().left(50);
        row.bought = it->task.completed;
        row.count = 1;
        row.uid = uid;
        changes.additions << row;
        result.added << name;
        rows << row;
        rowUids.insert(uid);
    }

    for (const Row &row : std::as_const(rows)) {
        const ical::Task task = taskOf(row);
        const auto there = server.constFind(row.uid);
        Shared kept{there != server.cend() ? there->object.url.toString()
                                           : caldav::objectUrl(settings.taskList, row.uid).toString(),
                    there != server.cend() ? there->object.etag : QString(), row.name, task.summary,
                    row.bought};
        if (write && (there == server.cend() || !sameTask(there->task, task))) {
            QString etag;
            result.outcome = client.put(QUrl(kept.url), ical::taskObject(task), kept.etag, etag);
            if (!result.outcome.ok())
                return result;
            kept.etag = etag;
            ++result.itemsWritten;
        } else if (!write && there == server.cend()) {
            // Not on the server yet: the next sharing puts it there.
            continue;
        } else if (!write) {
            // What the server holds now; a text changed here is still told apart from it.
            kept.summary = there->task.summary;
        }
        changes.listItems.insert(row.uid, kept);
    }
    if (!write) {
        // A refresh keeps the record of items it did not look at.
        for (auto it = shared.cbegin(); it != shared.cend(); ++it) {
            if (!changes.listItems.contains(it.key()) && server.contains(it.key()))
                changes.listItems.insert(it.key(), it.value());
        }
        writeChanges(data, changes, week, year, false);
        return result;
    }
    for (const auto &[url, etag] : std::as_const(stale)) {
        result.outcome = client.remove(QUrl(url), etag);
        if (!result.outcome.ok())
            return result;
        ++result.deleted;
    }

    // The menu: one event for each planned meal.
    const bool menuShared = settings.calendar.isValid() && !settings.calendar.isEmpty();
    if (menuShared) {
        QList<caldav::Object> eventObjects;
        result.outcome = client.objects(settings.calendar, "VEVENT", eventObjects);
        if (!result.outcome.ok())
            return result;
        QHash<QString, std::pair<caldav::Object, ical::Event>> events;
        for (const caldav::Object &object : std::as_const(eventObjects)) {
            if (const std::optional<ical::Event> event = ical::readEvent(object.data);
                event && event->uid.startsWith(menuPrefix(week, year)))
                events.insert(event->uid, {object, *event});
        }
        QSet<QString> planned;
        for (const ical::Event &event : weekEvents(data, settings, week, year)) {
            planned.insert(event.uid);
            const auto there = events.constFind(event.uid);
            Shared kept{there != events.cend() ? there->first.url.toString()
                                               : caldav::objectUrl(settings.calendar, event.uid).toString(),
                        there != events.cend() ? there->first.etag : QString(), event.summary, event.summary,
                        false};
            if (there == events.cend() || !sameEvent(there->second, event)) {
                QString etag;
                result.outcome = client.put(QUrl(kept.url), ical::eventObject(event), kept.etag, etag);
                if (!result.outcome.ok())
                    return result;
                kept.etag = etag;
                ++result.mealsWritten;
            }
            changes.menuItems.insert(event.uid, kept);
        }
        for (auto it = events.cbegin(); it != events.cend(); ++it) {
            if (planned.contains(it.key()))
                continue;
            result.outcome = client.remove(it->first.url, it->first.etag);
            if (!result.outcome.ok())
                return result;
            ++result.deleted;
        }
    }
    writeChanges(data, changes, week, year, menuShared);
    return result;
}

} // namespace

std::array<QTime, MealTimes> defaultMealTimes() {
    return {QTime(8, 0), QTime(10, 30), QTime(12, 30), QTime(16, 0), QTime(19, 0), QTime(20, 0)};
}

Settings settings(db::Connection &connection) {
    using booksettings::value;
    Settings s;
    s.server = QUrl(value(connection, QLatin1String(ServerSetting)));
    s.user = value(connection, QLatin1String(UserSetting));
    s.taskList = QUrl(value(connection, QLatin1String(TaskListSetting)));
    s.calendar = QUrl(value(connection, QLatin1String(CalendarSetting)));
    const QStringList times = value(connection, QLatin1String(TimesSetting)).split(u',', Qt::SkipEmptyParts);
    for (int t = 0; t < MealTimes && t < times.size(); ++t) {
        const QTime time = QTime::fromString(times.at(t).trimmed(), QStringLiteral("HH:mm"));
        if (time.isValid())
            s.mealTimes[size_t(t)] = time;
    }
    return s;
}

void storeSettings(db::Connection &connection, const Settings &s) {
    using booksettings::setValue;
    setValue(connection, QLatin1String(ServerSetting), s.server.toString());
    setValue(connection, QLatin1String(UserSetting), s.user);
    setValue(connection, QLatin1String(TaskListSetting), s.taskList.toString());
    setValue(connection, QLatin1String(CalendarSetting), s.calendar.toString());
    QStringList times;
    for (const QTime &time : s.mealTimes)
        times << time.toString(QStringLiteral("HH:mm"));
    setValue(connection, QLatin1String(TimesSetting), times.join(u','));
}

QString itemSummary(const QString &name, const QString &amount, int count) {
    if (!amount.trimmed().isEmpty())
        return QStringLiteral("%1, %2").arg(name, amount.trimmed());
    if (count > 1)
        return QStringLiteral("%1 \u00D7 %2").arg(name).arg(count);
    return name;
}

QList<ical::Task> weekTasks(TDataModule1 &data, int week, int year) {
    db::Connection &c = data.ADOConnectionMain;
    QList<Row> rows = weekRows(c, week, year);
    giveUids(rows, sharedItems(c, "list", week, year), week, year);
    QList<ical::Task> tasks;
    for (const Row &row : std::as_const(rows))
        tasks << taskOf(row);
    return tasks;
}

QList<ical::Event> weekEvents(TDataModule1 &data, const Settings &settings, int week, int year) {
    db::Connection &c = data.ADOConnectionMain;
    QList<ical::Event> events;
    db::Statement read(
        c, QStringLiteral("SELECT Menu.Day_Number, Menu.Menu_Time, Meal.Meal_ID, Meal.Meal_Name, "
                          "Meal.Meal_Recipe FROM Menu JOIN Meal ON Meal.Meal_ID=Menu.Meal_ID WHERE "
                          "Menu.Week_Number=? AND Menu.Year_Number=? ORDER BY Menu.Day_Number, "
                          "Menu.Menu_Time, Menu.MENU_ID"));
    read.bind(1, week);
    read.bind(2, year);
    const QDate saturday = WeekStart(week, year);
    QHash<QString, int> seen;
    while (read.step()) {
        const int day = read.value(0).toInt();
        const int code = read.value(1).toInt();
        if (day < 0 || day > 6 || code < 1 || code > MealTimes)
            continue;
        const qint64 meal = read.value(2).toLongLong();
        QString uid = menuPrefix(week, year) + QStringLiteral("%1-%2-%3").arg(day).arg(code).arg(meal);
        if (const int n = seen[uid]++; n > 0)
            uid += QStringLiteral("-%1").arg(n);
        QStringList lines = recipelines::writtenLines(c, meal);
        if (lines.isEmpty()) {
            db::Statement names(c,
                                QStringLiteral("SELECT DISTINCT Ingredients_Description FROM QMealIng WHERE "
                                               "Meal_ID=? ORDER BY Ingredients_Description"));
            names.bind(1, meal);
            while (names.step())
                lines << names.value(0).toString();
        }
        const QString method = read.value(4).toString().trimmed();
        QString description = lines.join(u'\n');
        if (!method.isEmpty())
            description += (description.isEmpty() ? QString() : QStringLiteral("\n\n")) + method;
        events << ical::Event{uid, read.value(3).toString(), description,
                              QDateTime(saturday.addDays(day), settings.mealTimes[size_t(code - 1)]), 30};
    }
    return events;
}

Result refreshWeek(TDataModule1 &data, caldav::Client &client, const Settings &settings, int week, int year) {
    return synchronise(data, client, settings, week, year, false);
}

Result shareWeek(TDataModule1 &data, caldav::Client &client, const Settings &settings, int week, int year) {
    return synchronise(data, client, settings, week, year, true);
}

} // namespace sharing
