#include "MenuStorage.h"

#include "app/SelectedWeek.h"
#include <QDate>
#include <QLocale>

#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"

#include <QHash>

namespace menu {

std::vector<Entry> readWeek(TDataModule1 &data, Week week) {
    std::vector<Entry> entries;
    db::QueryDataset &q = data.SQL;
    data.runSql(weekMenuQuery(week));
    for (q.first(); !q.eof(); q.next()) {
        try {
            const qint64 day = q.field(QStringLiteral("Day_Number")).asInteger();
            const qint64 code = q.field(QStringLiteral("Menu_Time")).asInteger();
            const QString name = q.field(QStringLiteral("Meal_Name")).asString();
            if (day < 0 || day > 6 || code < 1 || code > 6 || q.field(QStringLiteral("Meal_Name")).isNull())
                continue;
            entries.push_back({int(day), int(code), name});
        } catch (const db::DbError &) {
            // A row that cannot be read is left out; the others still show.
        }
    }
    q.close();
    return entries;
}

bool addToSlot(TDataModule1 &data, Week week, int day, qint64 meal, const QString &code) {
    data.runSql(duplicateCheck(week, day, meal, code));
    const bool present = !data.SQL.field(QStringLiteral("MENU_Time")).asString().isEmpty();
    data.SQL.close();
    if (present)
        return false;
    data.runSql(slotInsert(week, day, meal, code));
    return true;
}

void removeFromSlot(TDataModule1 &data, Week week, int day, qint64 meal, const QString &code) {
    data.runSql(slotRemoval(week, day, meal, code));
}

void refreshSlots(TDataModule1 &data, Week week, int day) {
    for (int k = 1; k <= 6; ++k) {
        db::QueryDataset &slot = data.slotQuery(k - 1);
        slot.setSql(slotQuery(week, day, k));
        slot.open();
    }
}

void replaceWeek(TDataModule1 &data, Week week, const std::vector<Planned> &planned) {
    // The people set for a planned meal stay with it when the week is written again.
    db::Connection &c = data.ADOConnectionMain;
    QHash<QString, qint64> people;
    const auto slotKey = [](const QVariant &day, const QVariant &time, const QVariant &meal) {
        return day.toString() + u'/' + time.toString() + u'/' + meal.toString();
    };
    {
        db::Statement set(c,
                          QStringLiteral("SELECT Day_Number, Menu_Time, Meal_ID, Menu_People FROM Menu WHERE "
                                         "Week_Number=? AND Year_Number=? AND Menu_People IS NOT NULL"));
        set.bind(1, week.number);
        set.bind(2, week.year);
        while (set.step())
            people.insert(slotKey(set.value(0), set.value(1), set.value(2)), set.value(3).toLongLong());
    }
    data.runSql(weekDelete(week));
    for (const Planned &p : planned) {
        data.runSql(recipeLookupByName(p.name));
        const bool found = data.SQL.hasCurrentRow();
        const qint64 meal = data.SQL.field(QStringLiteral("meal_id")).asInteger();
        data.SQL.close();
        if (!found)
            continue;
        data.runSql(weekInsert(week, p.day, meal, p.code));
        if (const auto kept = people.constFind(slotKey(p.day, p.code, meal)); kept != people.cend()) {
            db::Statement again(c, QStringLiteral("UPDATE Menu SET Menu_People=? WHERE MENU_ID=?"));
            again.bind(1, *kept);
            again.bind(2, c.lastInsertRowId());
            again.step();
        }
    }
}

QString dayCaption(Week week, int day, bool brief) {
    const QDate date = WeekStart(week.number, week.year).addDays(day);
    const QString name = QLatin1String(DayNames[size_t(day)]);
    static const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    return brief ? QStringLiteral("%1 %2").arg(name.left(3)).arg(date.day())
                 : QStringLiteral("%1 %2").arg(name, english.toString(date, QStringLiteral("d MMM")));
}

} // namespace menu
