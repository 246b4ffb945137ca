#include "ShoppingStatements.h"

#include "toolkit/db/SqlText.h"

namespace shopping {

namespace {

QString weekCondition(int week, int year) {
    return QStringLiteral(" WHERE WEEKNUMBER=") + sql::number(week) + QStringLiteral(" AND YEARNUMBER=") +
           sql::number(year);
}

QString rowCondition(int week, int year, const QString &description) {
    return weekCondition(week, year) + QStringLiteral(" AND INGREDIENTSDESCRIPTION=") +
           sql::literal(description);
}

} // namespace

QString deleteWeekList(int week, int year) {
    return QStringLiteral("DELETE FROM SHOPPINGLIST") + weekCondition(week, year);
}

QString insertDerivedRow(int week, int year, const QString &description, qint64 numberOfMeals,
                         const QString &group) {
    return QStringLiteral(
               "INSERT INTO SHOPPINGLIST(WEEKNUMBER,YEARNUMBER,INGREDIENTSDESCRIPTION,INGREDIENTSCOUNT,"
               "INGREDIENTSTYPE) VALUES(") +
           sql::number(week) + u',' + sql::number(year) + u',' + sql::literal(description) + u',' +
           sql::number(numberOfMeals) + u',' + sql::literal(group) + u')';
}

QString weekListQuery(int week, int year) {
    return QStringLiteral("SELECT INGREDIENTSDESCRIPTION,INGREDIENTSAMOUNT,INGREDIENTSCOUNT,INGREDIENTSTYPE,"
                          "CASE WHEN INGREDIENTSBOUGHT=1 THEN '\u2713' ELSE '' END AS BOUGHT,SHOPPINGLISTID "
                          "FROM SHOPPINGLIST "
                          "WHERE "
                          "WEEKNUMBER=") +
           sql::number(week) + QStringLiteral(" and YEARNUMBER=") + sql::number(year) +
           QStringLiteral(" ORDER BY INGREDIENTSDESCRIPTION");
}

QString pickerQuery(int week, int year, std::optional<qint64> group) {
    QString text =
        QStringLiteral("Select INGREDIENTS.INGREDIENTS_DESCRIPTION, INGREDIENTS.INGREDIENTS_ID, "
                       "INGREDIENTS.INGREDIENTS_GROUP FROM INGREDIENTS WHERE "
                       "INGREDIENTS.INGREDIENTS_DESCRIPTION not in(SELECT INGREDIENTSDESCRIPTION FROM "
                       "SHOPPINGLIST WHERE WEEKNUMBER=") +
        sql::number(week) + QStringLiteral(" and YEARNUMBER=") + sql::number(year) + u')';
    if (group)
        text += QStringLiteral("\n AND INGREDIENTS.INGREDIENTS_GROUP=") + sql::number(*group);
    return text + QStringLiteral("\n ORDER BY INGREDIENTS.INGREDIENTS_DESCRIPTION");
}

QString rowCountQuery(int week, int year, const QString &description) {
    return QStringLiteral("SELECT COUNT(*) FROM SHOPPINGLIST") + rowCondition(week, year, description);
}

QString insertHandRow(int week, int year, const QString &description, const QString &group, qint64 quantity) {
    return QStringLiteral(
               "INSERT INTO SHOPPINGLIST(Weeknumber,Yearnumber,IngredientsDescription,IngredientsType,"
               "IngredientsCount) VALUES(") +
           sql::number(week) + u',' + sql::number(year) + u',' + sql::literal(description) + u',' +
           sql::literal(group) + u',' + sql::number(quantity) + u')';
}

QString updateRow(int week, int year, const QString &description, const QString &group, qint64 quantity) {
    return QStringLiteral("UPDATE SHOPPINGLIST SET IngredientsType=") + sql::literal(group) +
           QStringLiteral(",IngredientsCount=") + sql::number(quantity) +
           rowCondition(week, year, description);
}

QString deleteRow(int week, int year, const QString &description) {
    return QStringLiteral("DELETE FROM SHOPPINGLIST") + rowCondition(week, year, description);
}

QString groupCase(const QString &typed) {
    QString text = typed;
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    if (!text.isEmpty() && text.front() >= u'a' && text.front() <= u'z')
        text.front() = QChar(text.front().unicode() - (u'a' - u'A'));
    return text;
}

std::optional<qint64> parseQuantity(const QString &typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const qint64 value = text.toLongLong();
    if (value < 1 || value > MaximumQuantity)
        return std::nullopt;
    return value;
}

QString amountUpdate(int week, int year, const QString &description, const QString &amount) {
    return QStringLiteral("UPDATE SHOPPINGLIST SET INGREDIENTSAMOUNT=") +
           (amount.trimmed().isEmpty() ? QStringLiteral("NULL") : sql::literal(amount.simplified())) +
           QStringLiteral(" WHERE WEEKNUMBER=") + sql::number(week) + QStringLiteral(" AND YEARNUMBER=") +
           sql::number(year) + QStringLiteral(" AND INGREDIENTSDESCRIPTION=") + sql::literal(description);
}

} // namespace shopping
