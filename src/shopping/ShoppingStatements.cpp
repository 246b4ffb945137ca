#include "ShoppingStatements.h"

#include "toolkit/db/SqlText.h"

namespace shopping {

QString deleteWeekList(int week, int year)
{
    return QStringLiteral("DELETE FROM SHOPPINGLIST WHERE WEEKNUMBER=") + sql::number(week) +
           QStringLiteral(" AND YEARNUMBER=") + sql::number(year);
}

QString insertDerivedRow(int week, int year, const QString &description, qint64 numberOfMeals, const QString &group)
{
    return QStringLiteral("INSERT INTO SHOPPINGLIST(WEEKNUMBER,YEARNUMBER,INGREDIENTSDESCRIPTION,INGREDIENTSCOUNT,"
                          "INGREDIENTSTYPE) VALUES(") +
           sql::number(week) + u',' + sql::number(year) + u',' + sql::literal(description) + u',' +
           sql::number(numberOfMeals) + u',' + sql::literal(group) + u')';
}

} // namespace shopping
