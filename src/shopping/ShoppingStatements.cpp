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

QString weekListQuery(int week, int year, bool inShopOrder) {
    return QStringLiteral(
               "SELECT INGREDIENTSDESCRIPTION,INGREDIENTSAMOUNT,INGREDIENTSCOUNT,INGREDIENTSTYPE,"
               "CASE WHEN INGREDIENTSBOUGHT=1 THEN '\u2713' ELSE '' END AS BOUGHT,SHOPPINGLISTID,") +
           sectionExpression() +
           QStringLiteral(" AS SECTION "
                          "FROM SHOPPINGLIST "
                          "WHERE "
                          "WEEKNUMBER=") +
           sql::number(week) + QStringLiteral(" and YEARNUMBER=") + sql::number(year) +
           (inShopOrder ? shopOrderClause() : QStringLiteral(" ORDER BY INGREDIENTSDESCRIPTION"));
}

namespace {

QString staple() {
    return QStringLiteral("(ShoppingList.IngredientsDescription IN (SELECT Ingredients_Description FROM "
                          "Ingredients WHERE Ingredients_Staple=1))");
}

} // namespace

QString sectionExpression() {
    return QStringLiteral("CASE WHEN ") + staple() + QStringLiteral(" THEN ") +
           sql::literal(QLatin1String(CheckAtHome)) +
           QStringLiteral(" ELSE ShoppingList.IngredientsType END");
}

QString shopOrderClause() {
    // The group a row names, else the group of the catalogue's ingredient of its name (rows keep the name a
    // group had when they were made); rows of no group known come after every group.
    return QStringLiteral(" ORDER BY ") + staple() +
           QStringLiteral(
               ", coalesce((SELECT min(coalesce(IGROUP_POSITION, 1000000)) FROM IGroup WHERE "
               "IGROUP_NAME=ShoppingList.IngredientsType), (SELECT coalesce(IGroup.IGROUP_POSITION, "
               "1000000) FROM Ingredients JOIN IGroup ON IGroup.IGROUP_ID=Ingredients.Ingredients_Group "
               "WHERE Ingredients.Ingredients_Description=ShoppingList.IngredientsDescription ORDER "
               "BY Ingredients.Ingredients_ID LIMIT 1), 2000000), ShoppingList.IngredientsType, "
               "ShoppingList.IngredientsDescription");
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

QStringList markByHand(int week, int year, const QString &description, bool added) {
    return {QStringLiteral("UPDATE SHOPPINGLIST SET IngredientsHand=") +
                (added ? QStringLiteral("1")
                       : QStringLiteral("CASE IngredientsHand WHEN 0 THEN 2 ELSE IngredientsHand END")) +
                rowCondition(week, year, description),
            QStringLiteral("DELETE FROM ShoppingListRemoved") + rowCondition(week, year, description)};
}

QString rememberRemoved(int week, int year, const QString &description) {
    return QStringLiteral("INSERT OR IGNORE INTO ShoppingListRemoved VALUES(") + sql::number(week) + u',' +
           sql::number(year) + u',' + sql::literal(description) + u')';
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
