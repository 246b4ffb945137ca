#include "WeekExport.h"

#include "app/SelectedWeek.h"
#include "sharing/WeekShare.h"
#include "toolkit/db/Connection.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>

namespace weekexport {

namespace {

const char *const TimeNames[] = {"Morning", "Snack", "Noon", "Snack", "Night", "Dessert"};

struct Meal {
    QDate day;
    QString time;
    QString name;
    int people = 0;
};

struct Item {
    QString name;
    QString amount;
    int count = 0;
    QString group;
    bool bought = false;
};

QList<Meal> meals(db::Connection &c, int week, int year) {
    db::Statement s(
        c, QStringLiteral("SELECT Menu.Day_Number, Menu.Menu_Time, Meal.Meal_Name, Menu.Menu_People "
                          "FROM Menu JOIN Meal ON Meal.Meal_ID = Menu.Meal_ID WHERE Menu.Week_Number = ? "
                          "AND Menu.Year_Number = ? ORDER BY Menu.Day_Number, Menu.Menu_Time, "
                          "Menu.MENU_ID"));
    s.bind(1, week);
    s.bind(2, year);
    const QDate start = WeekStart(week, year);
    QList<Meal> out;
    while (s.step()) {
        const int day = s.value(0).toInt();
        const int time = s.value(1).toString().toInt();
        if (day < 0 || day > 6 || time < 1 || time > 6)
            continue;
        out << Meal{start.addDays(day), QLatin1String(TimeNames[time - 1]), s.value(2).toString(),
                    s.value(3).toInt()};
    }
    return out;
}

QList<Item> items(db::Connection &c, int week, int year) {
    db::Statement s(
        c, QStringLiteral("SELECT IngredientsDescription, IngredientsAmount, IngredientsCount, "
                          "IngredientsType, IngredientsBought FROM ShoppingList WHERE WeekNumber = ? "
                          "AND YearNumber = ? ORDER BY IngredientsType, IngredientsDescription, "
                          "ShoppingListID"));
    s.bind(1, week);
    s.bind(2, year);
    QList<Item> out;
    while (s.step())
        out << Item{s.value(0).toString(), s.value(1).toString(), s.value(2).toInt(), s.value(3).toString(),
                    s.value(4).toLongLong() != 0};
    return out;
}

const QLocale &english() {
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

QString field(QString value) {
    // A spreadsheet reads a field that begins with one of these as a formula to run.
    if (!value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.front()))
        value.prepend(u'\'');
    if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r'))
        return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return value;
}

} // namespace

QString text(db::Connection &connection, int week, int year) {
    const QDate start = WeekStart(week, year);
    QStringList out;
    out << QStringLiteral("Week %1 of %2: %3 to %4")
               .arg(week)
               .arg(year)
               .arg(english().toString(start, QStringLiteral("dddd d MMMM")),
                    english().toString(start.addDays(6), QStringLiteral("dddd d MMMM yyyy")));
    out << QString() << QStringLiteral("MENU");
    const QList<Meal> planned = meals(connection, week, year);
    if (planned.isEmpty())
        out << QString() << QStringLiteral("Nothing is planned.");
    QDate day;
    for (const Meal &m : planned) {
        if (m.day != day) {
            day = m.day;
            out << QString() << english().toString(day, QStringLiteral("dddd d MMMM"));
        }
        out << QStringLiteral("  %1 %2%3")
                   .arg(m.time + u':', -9)
                   .arg(m.name, m.people > 0 ? QStringLiteral(" (for %1)").arg(m.people) : QString());
    }
    out << QString() << QStringLiteral("SHOPPING LIST");
    const QList<Item> list = items(connection, week, year);
    if (list.isEmpty())
        out << QString() << QStringLiteral("The list is empty.");
    QString group = QStringLiteral("\x01");
    for (const Item &i : list) {
        if (i.group != group) {
            group = i.group;
            out << QString() << (group.isEmpty() ? QStringLiteral("Other") : group);
        }
        out << QStringLiteral("  [%1] %2")
                   .arg(i.bought ? QStringLiteral("x") : QStringLiteral(" "))
                   .arg(sharing::itemSummary(i.name, i.amount, i.count));
    }
    return out.join(u'\n') + u'\n';
}

QString csv(db::Connection &connection, int week, int year) {
    QStringList rows{QStringLiteral("Part,Date,Day,Meal time,Name,Amount,Meals,Group,Bought")};
    for (const Meal &m : meals(connection, week, year))
        rows << QStringList{QStringLiteral("Menu"),
                            m.day.toString(Qt::ISODate),
                            english().toString(m.day, QStringLiteral("dddd")),
                            m.time,
                            field(m.name),
                            m.people > 0 ? QStringLiteral("for %1").arg(m.people) : QString(),
                            QString(),
                            QString(),
                            QString()}
                    .join(u',');
    for (const Item &i : items(connection, week, year))
        rows << QStringList{QStringLiteral("Shopping list"),
                            QString(),
                            QString(),
                            QString(),
                            field(i.name),
                            field(i.amount),
                            i.count > 0 ? QString::number(i.count) : QString(),
                            field(i.group),
                            i.bought ? QStringLiteral("yes") : QStringLiteral("no")}
                    .join(u',');
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace weekexport
