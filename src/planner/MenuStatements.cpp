#include "MenuStatements.h"

#include "toolkit/db/SqlText.h"

namespace menu {

namespace {

QString n(qint64 value) {
    return sql::number(value);
}

/// The three conditions that pick a day of a week, as the slot queries write them.
QString dayConditions(Week week, int day) {
    return QStringLiteral("WEEK_NUMBER=") + n(week.number) + QStringLiteral(" AND YEAR_NUMBER=") +
           n(week.year) + QStringLiteral(" AND DAY_NUMBER=") + n(day);
}

} // namespace

QString duplicateCheck(Week week, int day, qint64 meal, const QString &code) {
    return QStringLiteral("Select * from Menu Where Week_Number=") + n(week.number) +
           QStringLiteral(" and Year_Number=") + n(week.year) + QStringLiteral(" and Day_Number=") + n(day) +
           QStringLiteral(" and Meal_ID=") + n(meal) + QStringLiteral(" and Menu_Time=") + sql::literal(code);
}

QString slotInsert(Week week, int day, qint64 meal, const QString &code) {
    return QStringLiteral("insert into Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) VALUES(") +
           n(week.number) + u',' + n(week.year) + u',' + n(day) + u',' + n(meal) + u',' + sql::literal(code) +
           QStringLiteral(");");
}

QString slotRemoval(Week week, int day, qint64 meal, const QString &code) {
    return QStringLiteral("DELETE FROM MENU WHERE MENU_TIME=") + sql::literal(code) +
           QStringLiteral(" AND MEAL_ID=") + n(meal) + QStringLiteral(" AND ") + dayConditions(week, day);
}

QString slotQuery(Week week, int day, int k) {
    return QStringLiteral(
               "SELECT MENU.MENU_ID,MENU.WEEK_NUMBER,MENU.YEAR_NUMBER,MENU.DAY_NUMBER,MENU.MEAL_ID, "
               "MEAL.MEAL_ID,MEAL.MEAL_NAME,MEAL.MEAL_TYPE FROM MENU,MEAL WHERE ") +
           dayConditions(week, day) + QStringLiteral(" AND MENU_TIME='") + n(k) +
           QStringLiteral("' AND MENU.MEAL_ID=MEAL.MEAL_ID");
}

QString weekMenuQuery(Week week) {
    return QStringLiteral(
               "SELECT Menu.Meal_ID,Menu.Day_Number,Menu.Menu_Time,Meal.Meal_Name FROM MENU,MEAL WHERE "
               "Menu.Week_Number=") +
           n(week.number) + QStringLiteral(" and Menu.Year_Number=") + n(week.year) +
           QStringLiteral(" and Menu.Meal_ID=Meal.Meal_ID");
}

QString weekDelete(Week week) {
    return QStringLiteral("Delete FROM MENU WHERE Week_Number=") + n(week.number) +
           QStringLiteral(" and Year_Number=") + n(week.year);
}

QString recipeLookupByName(const QString &name) {
    return QStringLiteral("Select meal_id from meal where meal_name=") + sql::literal(name);
}

QString weekInsert(Week week, int day, qint64 meal, int code) {
    return QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) VALUES(") +
           n(week.number) + u',' + n(week.year) + u',' + n(day) + u',' + n(meal) + u',' + n(code) + u')';
}

QString mealListQuery(const char *flagColumn, std::optional<qint64> type) {
    QString text =
        QStringLiteral("SELECT * FROM MEAL WHERE ") + QLatin1String(flagColumn) + QStringLiteral("=TRUE");
    if (type)
        text += QStringLiteral(" AND MEAL_TYPE=") + n(*type);
    return text + QStringLiteral(" ORDER BY MEAL_NAME");
}

QString spokenTime(int code) {
    return QLatin1String(TimeCaptions[size_t(code - 1)]) + (code == 2   ? QStringLiteral(" after morning")
                                                            : code == 4 ? QStringLiteral(" after noon")
                                                                        : QString());
}

} // namespace menu
