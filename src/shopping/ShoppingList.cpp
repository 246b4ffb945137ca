#include "ShoppingList.h"

#include "ShoppingStatements.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Transaction.h"

namespace shopping {

void regenerateWeekList(TDataModule1 &data, int week, int year) {
    db::Transaction transaction(data.ADOConnectionMain);
    data.runSql(deleteWeekList(week, year));
    db::QueryDataset &counts = data.SQLSHOP;
    counts.close();
    counts.setParameter(QStringLiteral("xWeek"), QString::number(week));
    counts.setParameter(QStringLiteral("xYear"), QString::number(year));
    counts.open();
    for (counts.first(); !counts.eof(); counts.next()) {
        data.runSql(insertDerivedRow(week, year,
                                     counts.field(QStringLiteral("Ingredients_Description")).asString(),
                                     counts.field(QStringLiteral("NumberOfMeals")).asInteger(),
                                     counts.field(QStringLiteral("IGroup")).asString()));
    }
    transaction.commit();
}

} // namespace shopping
