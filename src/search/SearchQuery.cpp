#include "SearchQuery.h"

#include "toolkit/db/SqlText.h"

#include <QRegularExpression>
#include <algorithm>

namespace search {

namespace {

QStringList checkedEntries(const Criteria &criteria) {
    QStringList entries;
    for (qsizetype i = 0; i < criteria.entries.size(); ++i) {
        if (size_t(i) < criteria.checked.size() && criteria.checked[size_t(i)])
            entries << criteria.entries.at(i);
    }
    return entries;
}

/// The checked entries as text literals joined by commas.
QString quotedList(const QStringList &entries) {
    QStringList quoted;
    quoted.reserve(entries.size());
    for (const QString &entry : entries)
        quoted << sql::literal(entry);
    return quoted.join(u',');
}

} // namespace

QString GetQueryString(const Criteria &criteria) {
    const QStringList entries = checkedEntries(criteria);
    switch (criteria.mode) {
    case Mode::Names:
        return QStringLiteral("select Meal_Name from Meal where Meal_Name LIKE ") +
               sql::literal(u'%' + criteria.nameText + u'%') + QStringLiteral(" order by Meal_Name;");
    case Mode::Only: {
        const QString list = quotedList(entries);
        return QStringLiteral(
                   "select distinct Meal_Name from QSearchMeal  where Ingredients_Description in ( ") +
               list +
               QStringLiteral(
                   ") AND Meal_Name not in (select Meal_Name from QSearchMeal where Ingredients_Description "
                   "not in ( ") +
               list + QStringLiteral("))");
    }
    case Mode::Any: {
        QString text = QStringLiteral("SELECT distinct QSearchMeal.Meal_Name FROM QSearchMeal WHERE ");
        for (qsizetype i = 0; i < entries.size(); ++i)
            text += (i == 0 ? QStringLiteral(" QSearchMeal.Ingredients_Description=")
                            : QStringLiteral(" OR QSearchMeal.Ingredients_Description=")) +
                    sql::literal(entries.at(i));
        return text;
    }
    case Mode::Minimum:
        return QStringLiteral(
                   "select distinct Meal_Name, Count(Ingredients_Description) from QSearchMeal  where "
                   "Ingredients_Description in ( ") +
               quotedList(entries) +
               QStringLiteral(")  Group By Meal_Name having Count(Ingredients_Description) =") +
               sql::number(entries.size());
    case Mode::None:
        return {};
    }
    return {};
}

std::optional<QString> plannedOnly(const QString &statement) {
    // The list is matched as text literals only, so nothing else can travel into the new form.
    static const QRegularExpression only(QStringLiteral(
        R"(^select distinct Meal_Name from QSearchMeal  where Ingredients_Description in \( ((?:'(?:[^']|'')*')(?:,'(?:[^']|'')*')*)\) AND Meal_Name not in \(select Meal_Name from QSearchMeal where Ingredients_Description not in \( \1\)\)$)"));
    const QRegularExpressionMatch match = only.match(statement);
    if (!match.hasMatch())
        return std::nullopt;
    const QString list = match.captured(1);
    // A name is found when some recipe of that name uses a checked ingredient and no recipe of that name
    // uses another one. Candidates: recipes using a checked ingredient. Survivors: names of candidates that
    // use nothing else themselves (usually few). Only recipes sharing a survivor's name are then looked at;
    // a recipe without a name takes part as in the plain form of the statement (it makes every comparison
    // unknown).
    const QString otherIngredient =
        QStringLiteral("CROSS JOIN Made_With w CROSS JOIN Ingredients i WHERE w.Meal_ID = m.Meal_ID AND "
                       "i.Ingredients_ID = w.Ingredients_ID AND i.Ingredients_Description NOT IN (%1)")
            .arg(list);
    return QStringLiteral(
               "WITH c(id, name) AS MATERIALIZED (SELECT DISTINCT m.Meal_ID, m.Meal_Name FROM Ingredients i "
               "CROSS JOIN Made_With w CROSS JOIN Meal m WHERE i.Ingredients_Description IN (%1) AND "
               "w.Ingredients_ID = i.Ingredients_ID AND m.Meal_ID = w.Meal_ID), "
               "s(name) AS MATERIALIZED (SELECT DISTINCT name FROM c WHERE NOT EXISTS (SELECT 1 FROM Meal m "
               "%2 AND m.Meal_ID = c.id)) "
               "SELECT name AS Meal_Name FROM s WHERE name NOT IN (SELECT m.Meal_Name FROM Meal m %2 AND "
               "(m.Meal_Name IN (SELECT name FROM s) OR m.Meal_Name IS NULL)) AND (name IS NOT NULL OR NOT "
               "EXISTS (SELECT 1 FROM Meal m %2))")
        .arg(list, otherIngredient);
}

bool ValidCriteria(const Criteria &criteria) {
    if (criteria.mode != Mode::Only && criteria.mode != Mode::Any && criteria.mode != Mode::Minimum)
        return true;
    return std::find(criteria.checked.begin(), criteria.checked.end(), true) != criteria.checked.end();
}

} // namespace search
