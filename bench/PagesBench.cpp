// Every page of the main window opened on large recipe books, the program's memory after a visit to each,
// and the two writes of the planner (Save Menu, Update Shopping List) beside the same statements run on a
// plain connection of the stock engine.
#include "BareReplay.h"
#include "PageBench.h"
#include "recipes/RecipeLinesEditor.h"
#include "toolkit/db/Connection.h"

#include "toolkit/widgets/CheckedComboBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace {

enum Page { RecipePage, IngredientPage, CategoriesPage, SearchPage, ShoppingPage, DailyPage, WeeklyPage };

/// How the user opens each page: its navigation bar item.
void open(TForm1 &w, int page) {
    switch (Page(page)) {
    case RecipePage:
        return w.JvXPBar4Items0Click();
    case IngredientPage:
        return w.JvXPBar4Items1Click();
    case CategoriesPage:
        return w.JvXPBar4Items3Click();
    case SearchPage:
        return w.JvXPBar4Items2Click();
    case ShoppingPage:
        return w.JvXPBar2Click();
    case DailyPage:
        return w.JvXPBar5Click();
    case WeeklyPage:
        return w.JvXPBar5Items0Click();
    }
}

/// A page opened from another one, in a shown window, until it has been laid out and painted. The recipe
/// page opens with a recipe from the middle of the book chosen. Lists read on an earlier visit are taken
/// again while no table they read has been written: `first_ms` is the median of the first opening after a
/// recipe was written (every list read afresh), `after_menu_ms` after the menu was written (as Save Menu
/// does; the recipe lists are kept).
void openPage(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    TForm1 &w = bench.w;
    w.show();
    bench.dm.SQLMEALS.setCurrentRow(bench.dm.SQLMEALS.recordCount() / 2);
    QApplication::processEvents();
    const int page = int(state.range(1));
    const auto firstAfter = [&](const QString &write) {
        std::vector<double> times;
        for (int round = 0; round < 5; ++round) {
            w.showPage(w.TabSheet5);
            QApplication::processEvents();
            bench.dm.ADOConnectionMain.execute(write);
            QElapsedTimer timer;
            timer.start();
            open(w, page);
            w.repaint();
            QApplication::processEvents();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    state.counters["first_ms"] = firstAfter(
        QStringLiteral("UPDATE Meal SET Meal_Name=Meal_Name WHERE Meal_ID=(SELECT min(Meal_ID) FROM Meal)"));
    state.counters["after_menu_ms"] = firstAfter(
        QStringLiteral("UPDATE Menu SET Menu_Time=Menu_Time WHERE MENU_ID=(SELECT min(MENU_ID) FROM Menu)"));
    for (auto _ : state) {
        state.PauseTiming();
        w.showPage(w.TabSheet5);
        QApplication::processEvents();
        state.ResumeTiming();
        open(w, page);
        w.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(openPage)
    ->ArgNames({"recipes", "page"})
    ->ArgsProduct({{1000, 10000, 50000},
                   {RecipePage, IngredientPage, CategoriesPage, SearchPage, ShoppingPage, DailyPage,
                    WeeklyPage}})
    ->Unit(benchmark::kMillisecond);

/// Resident memory of a program that has shown every page once (the bench runner starts each such case in
/// a process of its own, so that nothing another case held is counted).
void residentAfterEveryPage(benchmark::State &state) {
    const QString path = benchdata::dataFile(int(state.range(0)));
    state.counters["rss_before_mb"] = residentMb();
    for (auto _ : state) {
        PageBench bench(int(state.range(0)));
        bench.w.show();
        for (int page = RecipePage; page <= WeeklyPage; ++page) {
            open(bench.w, page);
            QApplication::processEvents();
        }
        state.counters["rss_mb"] = residentMb();
        state.counters["peak_mb"] = residentMb("VmHWM:");
    }
}
BENCHMARK(residentAfterEveryPage)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

/// Runs `operation` under the benchmark and then times the statements it ran on a plain connection.
void besideBare(benchmark::State &state, PageBench &bench, const std::function<void()> &operation) {
    operation();
    StatementLog log(bench.dm.ADOConnectionMain);
    for (auto _ : state)
        operation();
    QStringList statements = log.take();
    // One operation's statements: the log holds every iteration's.
    statements = statements.mid(0, statements.size() / qsizetype(state.iterations()));
    state.counters["bare_ms"] = bareMs(benchdata::dataFile(int(state.range(0))), statements);
    state.counters["statements"] = double(statements.size());
}

/// Save Menu of a full week, two recipes in every box, with the shopping list made again.
void saveMenu(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    TForm1 &w = bench.w;
    w.SelectedWeek = 30;
    w.SelectedYear = 2022;
    w.FillAllCombo();
    w.RefreshMenuData();
    for (int day = 0; day < 7; ++day) {
        for (int code = 1; code <= 6; ++code) {
            CheckedComboBox *box = w.weekBox(day, code);
            box->deselectAll();
            box->setChecked(day, true);
            box->setChecked(day + 7, true);
        }
    }
    besideBare(state, bench, [&w] { w.RbButton18Click(); });
}
BENCHMARK(saveMenu)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

/// Update Shopping List of a planned week whose list nobody edited by hand (another case edits week 20).
void updateShoppingList(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    bench.w.JvXPBar5Click();
    bench.w.SelectedWeek = 25;
    bench.w.SelectedYear = 2021;
    besideBare(state, bench, [&bench] { bench.w.RbButton11Click(); });
}
BENCHMARK(updateShoppingList)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

/// The recipe page shows a recipe of 60 ingredient lines: read from the book and laid out in the grid.
void recipeLines(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    db::Connection &c = bench.dm.ADOConnectionMain;
    c.execute(QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Servings) VALUES('Sixty lines', 4)"));
    const qint64 meal = c.lastInsertRowId();
    for (int i = 1; i <= 60; ++i)
        c.execute(QStringLiteral(
                      "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading,Line_Amount,"
                      "Line_Unit,Ingredients_ID,Line_Note) VALUES(%1,%2,'%2 g food',%3,%2,'g',%2,"
                      "'finely chopped')")
                      .arg(meal)
                      .arg(i)
                      .arg(i % 15 == 1 ? 1 : 0));
    bench.w.JvXPBar4Items0Click();
    bench.w.resize(1280, 800);
    RecipeLinesEditor &editor = *bench.w.linesEditor();
    for (auto _ : state) {
        editor.showRecipe(meal);
        // Laid out and painted as the screen would show it.
        benchmark::DoNotOptimize(editor.grid()->grab());
    }
    state.counters["lines"] = double(editor.grid()->rowCount());
}
BENCHMARK(recipeLines)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
