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

/// Opens the menu's counts of the week's ingredients on SQLSHOP.
void openCounts(TDataModule1 &data, int week, int year) {
    db::QueryDataset &counts = data.SQLSHOP;
    counts.close();
    counts.setParameter(QStringLiteral("xWeek"), QString::number(week));
    counts.setParameter(QStringLiteral("xYear"), QString::number(year));
    counts.open();
}

/// The amount the menu's lines give the current row of SQLSHOP; empty when they give none.
QString countedAmount(const db::QueryDataset &counts, const QHash<QPair<QString, qint64>, amounts::Sum> &sums,
                      const Household &household) {
    const auto sum = sums.constFind({counts.field(QStringLiteral("Ingredients_Description")).asString(),
                                     counts.field(QStringLiteral("Ingredients_Group")).value().toLongLong()});
    return sum != sums.cend() && !sum->isEmpty() ? sum->text(household.system).left(50) : QString();
}

void run(db::Connection &c, const QString &sql, const QVariantList &values = {}) {
    db::Statement s(c, sql);
    for (int i = 0; i < values.size(); ++i)
        s.bind(i + 1, values.at(i));
    s.step();
}

} // namespace

int regenerateWeekList(TDataModule1 &data, int week, int year, const Household &household) {
    db::Transaction transaction(data.ADOConnectionMain);
    data.runSql(deleteWeekList(week, year));
    data.runSql(QStringLiteral("DELETE FROM ShoppingListHandEdits WHERE WeekNumber=") + sql::number(week) +
                QStringLiteral(" AND YearNumber=") + sql::number(year));
    run(data.ADOConnectionMain,
        QStringLiteral("DELETE FROM ShoppingListRemoved WHERE WeekNumber=? AND YearNumber=?"), {week, year});
    db::QueryDataset &counts = data.SQLSHOP;
    openCounts(data, week, year);
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
        if (const QString text = countedAmount(counts, sums, household); !text.isEmpty()) {
            amount.reset();
            amount.bind(1, text);
            amount.bind(2, data.ADOConnectionMain.lastInsertRowId());
            amount.step();
        }
    }
    transaction.commit();
    return items;
}

Merged mergeWeekList(TDataModule1 &data, int week, int year, const Household &household) {
    db::Connection &c = data.ADOConnectionMain;
    db::Transaction transaction(c);
    // What the menu gives now, beside the list as it stands.
    run(c,
        QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS MergedRows(Name TEXT COLLATE NOCASE, Meals INTEGER, "
                       "GroupName TEXT COLLATE NOCASE, Amount TEXT)"));
    run(c, QStringLiteral("DELETE FROM temp.MergedRows"));
    db::QueryDataset &counts = data.SQLSHOP;
    openCounts(data, week, year);
    const auto sums = weekAmounts(c, week, year, household);
    {
        db::Statement put(c, QStringLiteral("INSERT INTO temp.MergedRows VALUES(?, ?, ?, ?)"));
        for (counts.first(); !counts.eof(); counts.next()) {
            const QString text = countedAmount(counts, sums, household);
            put.reset();
            put.bind(1, counts.field(QStringLiteral("Ingredients_Description")).asString());
            put.bind(2, counts.field(QStringLiteral("NumberOfMeals")).asInteger());
            put.bind(3, counts.field(QStringLiteral("IGroup")).asString());
            put.bind(4, text.isEmpty() ? QVariant() : QVariant(text));
            put.step();
        }
    }
    const QString inWeek = QStringLiteral(" WeekNumber=? AND YearNumber=? ");
    Merged merged;
    {
        db::Statement dropped(c, QStringLiteral("SELECT IngredientsDescription FROM ShoppingList WHERE") +
                                     inWeek +
                                     QStringLiteral("AND IngredientsHand=2 AND IngredientsDescription NOT IN "
                                                    "(SELECT Name FROM temp.MergedRows) ORDER BY "
                                                    "IngredientsDescription"));
        dropped.bind(1, week);
        dropped.bind(2, year);
        while (dropped.step())
            merged.dropped << dropped.value(0).toString();
    }
    // Derived rows still needed are brought up to date where they stand, keeping their ticks; the others go.
    run(c,
        QStringLiteral(
            "UPDATE ShoppingList SET (IngredientsCount, IngredientsType, IngredientsAmount) = "
            "(SELECT Meals, GroupName, Amount FROM temp.MergedRows WHERE Name=IngredientsDescription "
            "ORDER BY rowid LIMIT 1) WHERE") +
            inWeek +
            QStringLiteral("AND IngredientsHand=0 AND IngredientsDescription IN (SELECT Name FROM "
                           "temp.MergedRows)"),
        {week, year});
    run(c,
        QStringLiteral("DELETE FROM ShoppingList WHERE") + inWeek +
            QStringLiteral(
                "AND IngredientsHand IN (0, 2) AND IngredientsDescription NOT IN (SELECT Name FROM "
                "temp.MergedRows)"),
        {week, year});
    run(c,
        QStringLiteral(
            "INSERT INTO ShoppingList(WeekNumber, YearNumber, IngredientsDescription, "
            "IngredientsCount, IngredientsType, IngredientsAmount) SELECT ?, ?, Name, Meals, "
            "GroupName, Amount FROM temp.MergedRows WHERE Name NOT IN (SELECT IngredientsDescription "
            "FROM ShoppingList WHERE") +
            inWeek +
            QStringLiteral(
                ") AND Name NOT IN (SELECT IngredientsDescription FROM ShoppingListRemoved WHERE") +
            inWeek + QStringLiteral(") ORDER BY rowid"),
        {week, year, week, year, week, year});
    run(c, QStringLiteral("DELETE FROM temp.MergedRows"));
    {
        db::Statement count(
            c, QStringLiteral("SELECT count(*), sum(IngredientsHand<>0) FROM ShoppingList WHERE") + inWeek);
        count.bind(1, week);
        count.bind(2, year);
        count.step();
        merged.items = count.value(0).toInt();
        // Nothing of the hand's is left: the list is the menu's again.
        if (count.value(1).toLongLong() == 0) {
            db::Statement removed(c,
                                  QStringLiteral("SELECT count(*) FROM ShoppingListRemoved WHERE") + inWeek);
            removed.bind(1, week);
            removed.bind(2, year);
            if (removed.step() && removed.value(0).toLongLong() == 0)
                run(c, QStringLiteral("DELETE FROM ShoppingListHandEdits WHERE") + inWeek, {week, year});
        }
    }
    transaction.commit();
    return merged;
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
