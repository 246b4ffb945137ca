#include "ShoppingList.h"

#include "ShoppingStatements.h"
#include "data/TDataModule1.h"
#include "toolkit/db/SqlText.h"
#include "toolkit/db/Transaction.h"

namespace shopping {

int regenerateWeekList(TDataModule1 &data, int week, int year) {
    db::Transaction transaction(data.ADOConnectionMain);
    data.runSql(deleteWeekList(week, year));
    data.runSql(QStringLiteral("DELETE FROM ShoppingListHandEdits WHERE WeekNumber=") + sql::number(week) +
                QStringLiteral(" AND YearNumber=") + sql::number(year));
    db::QueryDataset &counts = data.SQLSHOP;
    counts.close();
    counts.setParameter(QStringLiteral("xWeek"), QString::number(week));
    counts.setParameter(QStringLiteral("xYear"), QString::number(year));
    counts.open();
    int items = 0;
    for (counts.first(); !counts.eof(); counts.next(), ++items) {
        data.runSql(insertDerivedRow(week, year,
                                     counts.field(QStringLiteral("Ingredients_Description")).asString(),
                                     counts.field(QStringLiteral("NumberOfMeals")).asInteger(),
                                     counts.field(QStringLiteral("IGroup")).asString()));
    }
    transaction.commit();
    return items;
}

bool isHandEdited(TDataModule1 &data, int week, int year) {
    data.runSql(QStringLiteral("SELECT count(*) FROM ShoppingListHandEdits WHERE WeekNumber=") +
                sql::number(week) + QStringLiteral(" AND YearNumber=") + sql::number(year));
    const bool edited = data.SQL.value(0, 0).toLongLong() > 0;
    data.SQL.close();
    return edited;
}

void markHandEdited(TDataModule1 &data, int week, int year) {
    data.runSql(QStringLiteral("INSERT OR IGNORE INTO ShoppingListHandEdits VALUES(") + sql::number(week) +
                u',' + sql::number(year) + u')');
}

} // namespace shopping
