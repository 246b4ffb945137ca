#include "CatalogueStatements.h"

#include "toolkit/db/SqlText.h"

namespace catalogue {

namespace {

const QString ByDescription = QStringLiteral(" WHERE INGREDIENTS_DESCRIPTION=");

} // namespace

QString groupByName(const QString &name) {
    return QStringLiteral("SELECT * FROM IGROUP WHERE IGROUP_NAME=") + sql::literal(name);
}

QString ingredientCount(const QString &description) {
    return QStringLiteral("SELECT count(*) FROM INGREDIENTS") + ByDescription + sql::literal(description);
}

QString ingredientInsert(const QString &description, qint64 group) {
    return QStringLiteral("INSERT INTO INGREDIENTS (INGREDIENTS_DESCRIPTION,INGREDIENTS_GROUP) VALUES(") +
           sql::literal(description) + u',' + sql::number(group) + u')';
}

QString ingredientRegroup(qint64 group, const QString &description) {
    return QStringLiteral("UPDATE INGREDIENTS SET INGREDIENTS_GROUP=") + sql::number(group) + ByDescription +
           sql::literal(description);
}

QString stapleUpdate(const QString &description, bool staple) {
    return QStringLiteral("UPDATE INGREDIENTS SET INGREDIENTS_STAPLE=") + (staple ? u'1' : u'0') +
           ByDescription + sql::literal(description);
}

QString stapleCount(const QString &description) {
    return QStringLiteral("SELECT COUNT(*) FROM INGREDIENTS WHERE INGREDIENTS_STAPLE=1 AND "
                          "INGREDIENTS_DESCRIPTION=") +
           sql::literal(description);
}

QString ingredientRename(const QString &newDescription, const QString &oldDescription) {
    return QStringLiteral("UPDATE INGREDIENTS SET INGREDIENTS_DESCRIPTION=") + sql::literal(newDescription) +
           ByDescription + sql::literal(oldDescription);
}

QString ingredientUses(const QString &description) {
    // Links left behind by deleted recipes use nothing: only recipes that exist count.
    return QStringLiteral("SELECT count(*) from MADE_WITH WHERE MEAL_ID IN (SELECT MEAL_ID FROM MEAL) AND "
                          "INGREDIENTS_ID "
                          "IN (SELECT INGREDIENTS_ID FROM INGREDIENTS") +
           ByDescription + sql::literal(description) + u')';
}

QString orphanLinksDelete(const QString &description) {
    return QStringLiteral("DELETE FROM MADE_WITH WHERE INGREDIENTS_ID IN (SELECT INGREDIENTS_ID FROM "
                          "INGREDIENTS") +
           ByDescription + sql::literal(description) +
           QStringLiteral(") AND MEAL_ID NOT IN (SELECT MEAL_ID FROM MEAL)");
}

QString ingredientDelete(const QString &description) {
    return QStringLiteral("DELETE FROM INGREDIENTS") + ByDescription + sql::literal(description);
}

QString recipesOfType(qint64 type) {
    return QStringLiteral("SELECT COUNT(*) FROM MEAL WHERE MEAL_TYPE=") + sql::number(type);
}

QString deleteRecipesOfType(qint64 type) {
    return QStringLiteral("DELETE FROM MEAL WHERE MEAL_TYPE=") + sql::number(type);
}

QString ingredientsOfGroup(qint64 group) {
    return QStringLiteral("SELECT COUNT(*) FROM INGREDIENTS WHERE INGREDIENTS_GROUP=") + sql::number(group);
}

QString deleteIngredientsOfGroup(qint64 group) {
    return QStringLiteral("DELETE FROM INGREDIENTS WHERE INGREDIENTS_GROUP=") + sql::number(group);
}

} // namespace catalogue
