#include "MenuStorage.h"

#include "data/TDataModule1.h"
#include "toolkit/db/DbError.h"

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
    data.runSql(weekDelete(week));
    for (const Planned &p : planned) {
        data.runSql(recipeLookupByName(p.name));
        const bool found = data.SQL.hasCurrentRow();
        const qint64 meal = data.SQL.field(QStringLiteral("meal_id")).asInteger();
        data.SQL.close();
        if (found)
            data.runSql(weekInsert(week, p.day, meal, p.code));
    }
}

} // namespace menu
