#include "SearchQuery.h"

#include "toolkit/db/SqlText.h"

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

bool ValidCriteria(const Criteria &criteria) {
    if (criteria.mode != Mode::Only && criteria.mode != Mode::Any && criteria.mode != Mode::Minimum)
        return true;
    return std::find(criteria.checked.begin(), criteria.checked.end(), true) != criteria.checked.end();
}

} // namespace search
