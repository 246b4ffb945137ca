#include "BenchData.h"

#include "data/DataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <random>

namespace benchdata {

namespace {

const char *const Words[] = {"roast", "spiced", "creamy", "quick",  "baked",  "fresh",  "smoky",
                             "herb",  "golden", "crispy", "tomato", "lemon",  "garlic", "ginger",
                             "honey", "chilli", "apple",  "berry",  "cheese", "bean"};
const char *const Dishes[] = {"soup",    "pie",  "salad", "curry", "stew",
                              "risotto", "tart", "bake",  "pasta", "wrap"};

void fill(db::Connection &c, int recipes) {
    std::mt19937 random(recipes);
    const int groups = std::max(10, recipes / 500);
    const int ingredients = std::max(150, recipes / 10);
    db::Transaction t(c);
    {
        db::Statement g(c, QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES(?)"));
        for (int i = 0; i < groups; ++i) {
            g.reset();
            g.bind(1, QStringLiteral("Group %1").arg(i + 1));
            g.step();
        }
        db::Statement ty(c, QStringLiteral("INSERT INTO Meal_Type(Type) VALUES(?)"));
        for (int i = 0; i < 12; ++i) {
            ty.reset();
            ty.bind(1, QStringLiteral("Type %1").arg(i + 1));
            ty.step();
        }
        db::Statement in(
            c,
            QStringLiteral("INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) VALUES(?,?)"));
        for (int i = 0; i < ingredients; ++i) {
            in.reset();
            in.bind(1, QStringLiteral("Ingredient %1 %2").arg(QLatin1String(Words[i % 20])).arg(i));
            in.bind(2, qint64(1 + i % groups));
            in.step();
        }
    }
    const QByteArray picture(8 * 1024, '\x5a');
    const QString method =
        QStringLiteral("Prepare the ingredients, then cook them gently until done. ").repeated(7);
    db::Statement meal(
        c, QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Recipe,Meal_Morning,Meal_Snack,Meal_Noon,"
                          "Meal_Night,Meal_Dessert,Meal_Type,Meal_Picture) VALUES(?,?,?,?,?,?,?,?,?)"));
    db::Statement link(c, QStringLiteral("INSERT INTO Made_With VALUES(?,?)"));
    // Each link has its ingredient line with an amount, in one of the units recipes use most.
    db::Statement line(c,
                       QStringLiteral("INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Amount,"
                                      "Line_Unit,Ingredients_ID) VALUES(?,?,?,?,?,?)"));
    db::Statement servings(c, QStringLiteral("UPDATE Meal SET Meal_Servings=? WHERE Meal_ID=?"));
    const char *const units[] = {"g", "ml", "tbsp", "tsp", "cloves", ""};
    std::uniform_int_distribution<int> ingredient(1, ingredients);
    std::uniform_int_distribution<int> links(4, 12);
    for (int r = 1; r <= recipes; ++r) {
        meal.reset();
        meal.bind(1, QStringLiteral("%1 %2 %3 %4")
                         .arg(QLatin1String(Words[random() % 20]), QLatin1String(Words[random() % 20]),
                              QLatin1String(Dishes[random() % 10]))
                         .arg(r));
        meal.bind(2, method);
        for (int f = 0; f < 5; ++f)
            meal.bind(3 + f, (random() % 3) == 0 ? 1 : 0);
        meal.bind(8, qint64(1 + random() % 12));
        meal.bind(9, r % 10 == 0 ? QVariant(picture) : QVariant());
        meal.step();
        servings.reset();
        servings.bind(1, qint64(2 + random() % 5));
        servings.bind(2, qint64(r));
        servings.step();
        for (int k = links(random), position = 1; k > 0; --k, ++position) {
            const qint64 food = ingredient(random);
            link.reset();
            link.bind(1, qint64(r));
            link.bind(2, food);
            link.step();
            const char *unit = units[random() % 6];
            const double amount = double(1 + random() % 250);
            line.reset();
            line.bind(1, qint64(r));
            line.bind(2, position);
            line.bind(3,
                      QStringLiteral("%1 %2 ingredient %3").arg(amount).arg(QLatin1String(unit)).arg(food));
            line.bind(4, amount);
            line.bind(5, QLatin1String(unit));
            line.bind(6, food);
            line.step();
        }
    }
    // Ten years of weeks, every slot planned with one or two recipes.
    db::Statement menu(
        c, QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                          "VALUES(?,?,?,?,?)"));
    std::uniform_int_distribution<int> recipe(1, recipes);
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int week = 1; week <= 52; ++week) {
            for (int day = 0; day < 7; ++day) {
                for (int time = 1; time <= 6; ++time) {
                    for (int n = 1 + int(random() % 2); n > 0; --n) {
                        menu.reset();
                        menu.bind(1, week);
                        menu.bind(2, year);
                        menu.bind(3, day);
                        menu.bind(4, recipe(random));
                        menu.bind(5, QString::number(time));
                        menu.step();
                    }
                }
            }
        }
    }
    c.execute(QStringLiteral(
        "INSERT INTO "
        "ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount,IngredientsType) "
        "SELECT Menu.Week_Number, Menu.Year_Number, Ingredients.Ingredients_Description, count(*), "
        "IGroup.IGROUP_NAME "
        "FROM Menu, Made_With, Ingredients, IGroup WHERE Menu.Meal_ID = Made_With.Meal_ID AND "
        "Made_With.Ingredients_ID = Ingredients.Ingredients_ID AND Ingredients.Ingredients_Group = "
        "IGroup.IGROUP_ID "
        "GROUP BY Menu.Week_Number, Menu.Year_Number, Ingredients.Ingredients_Description"));
    t.commit();
    c.execute(QStringLiteral("ANALYZE"));
}

} // namespace

QString dataFile(int recipes) {
    static QTemporaryDir folder;
    static QHash<int, QString> made;
    if (made.contains(recipes))
        return made.value(recipes);
    // A runner that starts several processes names a folder they share, so that each file is made once
    // and a process measuring memory holds nothing of the making.
    const QString shared = qEnvironmentVariable("MEALVANE_BENCH_DATA");
    const QString path =
        (shared.isEmpty() ? folder.path() : shared) + QStringLiteral("/bench-lines-%1.mdb").arg(recipes);
    if (!shared.isEmpty() && QFileInfo::exists(path)) {
        made.insert(recipes, path);
        return path;
    }
    QFile::remove(path);
    datafile::create(path, {datafile::schemaSql()});
    db::Connection c(path);
    c.open();
    fill(c, recipes);
    made.insert(recipes, path);
    return path;
}

} // namespace benchdata
