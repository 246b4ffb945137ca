#include "RecipeStatements.h"

#include "toolkit/db/SqlText.h"

namespace recipes {

QString madeWithInsert(qint64 meal, qint64 ingredient) {
    return QStringLiteral("insert into Made_With(Meal_ID,Ingredients_ID) values (") + sql::number(meal) +
           u',' + sql::number(ingredient) + QStringLiteral(");");
}

QString madeWithDelete(qint64 meal, qint64 ingredient) {
    return QStringLiteral("DELETE FROM MADE_WITH WHERE MEAL_ID=") + sql::number(meal) +
           QStringLiteral(" AND INGREDIENTS_ID=") + sql::number(ingredient) + u';';
}

QString recipeCountByName(const QString &name) {
    return QStringLiteral("SELECT COUNT(*) FROM Meal WHERE Meal_Name=") + sql::literal(name);
}

} // namespace recipes
