#include "ShoppingList.h"

#include "ShoppingStatements.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/SqlText.h"
#include "toolkit/db/Transaction.h"

#include <QHash>
#include <QPair>

namespace shopping {

namespace {

/// The amounts of the week's planned ingredient lines, added up by ingredient (its description and group,
/// as the list's rows are made).
QHash<QPair<QString, qint64>, amounts::Sum> weekAmounts(db::Connection &c, int week, int year,
                                                        const Household &household) {
    QHash<QPair<QString, qint64>, amounts::Sum> sums;
    db::Statement lines(
        c, QStringLiteral(
               "SELECT Ingredients.Ingredients_Description, Ingredients.Ingredients_Group, "
               "coalesce(Recipe_Lines.Line_Amount_Max, Recipe_Lines.Line_Amount), Recipe_Lines.Line_Unit, "
               "Meal.Meal_Servings, Menu.Menu_People FROM Menu JOIN Meal ON Meal.Meal_ID=Menu.Meal_ID JOIN "
               "Recipe_Lines ON "
               "Recipe_Lines.Meal_ID=Meal.Meal_ID JOIN Ingredients ON "
               "Ingredients.Ingredients_ID=Recipe_Lines.Ingredients_ID WHERE Menu.Week_Number=? AND "
               "Menu.Year_Number=? AND Recipe_Lines.Line_Amount IS NOT NULL"));
    lines.bind(1, week);
    lines.bind(2, year);
    while (lines.step()) {
        // The people set for the planned meal, or the household's.
        const qint64 servings = lines.value(4).toLongLong();
        const qint64 people = lines.value(5).isNull() ? household.people : lines.value(5).toLongLong();
        const double scale = servings > 0 && people > 0 ? double(people) / double(servings) : 1.0;
        sums[{lines.value(0).toString(), lines.value(1).toLongLong()}].add(lines.value(2).toDouble() * scale,
                                                                           lines.value(3).toString());
    }
    return sums;
}

} // namespace

int regenerateWeekList(TDataModule1 &data, int week, int year, const Household &household) {
    db::Transaction transaction(data.ADOConnectionMain);
    data.runSql(deleteWeekList(week, year));
    data.runSql(QStringLiteral("DELETE FROM ShoppingListHandEdits WHERE WeekNumber=") + sql::number(week) +
                QStringLiteral(" AND YearNumber=") + sql::number(year));
    db::QueryDataset &counts = data.SQLSHOP;
    counts.close();
    counts.setParameter(QStringLiteral("xWeek"), QString::number(week));
    counts.setParameter(QStringLiteral("xYear"), QString::number(year));
    counts.open();
    const auto sums = weekAmounts(data.ADOConnectionMain, week, year, household);
    db::Statement amount(
        data.ADOConnectionMain,
        QStringLiteral("UPDATE ShoppingList SET IngredientsAmount=? WHERE ShoppingListID=?"));
    int items = 0;
    for (counts.first(); !counts.eof(); counts.next(), ++items) {
        data.runSql(insertDerivedRow(week, year,
                                     counts.field(QStringLiteral("Ingredients_Description")).asString(),
                                     counts.field(QStringLiteral("NumberOfMeals")).asInteger(),
                                     counts.field(QStringLiteral("IGroup")).asString()));
        const auto sum =
            sums.constFind({counts.field(QStringLiteral("Ingredients_Description")).asString(),
                            counts.field(QStringLiteral("Ingredients_Group")).value().toLongLong()});
        if (sum != sums.cend() && !sum->isEmpty()) {
            amount.reset();
            amount.bind(1, sum->text(household.system).left(50));
            amount.bind(2, data.ADOConnectionMain.lastInsertRowId());
            amount.step();
        }
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
