// The daily-style page and the shopping page at work on large data files.
#include "PageBench.h"

#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupListBox.h"

#include <QElapsedTimer>
#include <QRadioButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

/// Time per operation when every iteration runs `perIteration` of them.
benchmark::Counter perOperation(const benchmark::State &state, int perIteration) {
    return benchmark::Counter(double(state.iterations()) * perIteration,
                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// A recipe dropped into Saturday's morning slot and dragged back out, the six grids re-read after each.
void dropIntoSlot(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    TForm1 &w = bench.w;
    TDataModule1 &dm = bench.dm;
    w.JvXPBar5Click();
    w.SelectedWeek = 20;
    w.SelectedYear = 2021;
    w.RefreshMenuDays();
    const int recipe = dm.SQLMEAL3.recordCount() / 2;
    for (auto _ : state) {
        dm.SQLMEAL3.setCurrentRow(recipe);
        w.slotDragDrop(w.DBGrid8, w.DBLookupListBox1);
        dm.SQLMT1.locate(QStringLiteral("MEAL_NAME"),
                         dm.SQLMEAL3.field(QStringLiteral("MEAL_NAME")).asString());
        w.DBLookupListBox1DragDrop(w.DBGrid8);
    }
    state.counters["perDrop"] = perOperation(state, 2);
}
BENCHMARK(dropIntoSlot)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

/// The meal list read again as the user moves between the five meal times. The list of a time read before
/// is taken again while the data file is unchanged; `first_ms` is the median time of a list's first read
/// after a write.
void refreshMealList(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    TForm1 &w = bench.w;
    w.JvXPBar5Click();
    QRadioButton *times[] = {w.RbRadioButton1, w.RbRadioButton2, w.RbRadioButton3, w.RbRadioButton4,
                             w.RbRadioButton5};
    std::vector<double> first;
    for (int round = 0; round < 5; ++round) {
        for (QRadioButton *time : times) {
            // Any write makes every kept list old.
            bench.dm.ADOConnectionMain.execute(QStringLiteral("UPDATE Meal_Type SET Type=Type WHERE ID=1"));
            time->setChecked(true);
            QElapsedTimer timer;
            timer.start();
            w.RefreshMealList();
            first.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    int next = 0;
    for (auto _ : state) {
        times[next]->setChecked(true);
        w.RefreshMealList();
        next = (next + 1) % 5;
    }
    std::sort(first.begin(), first.end());
    state.counters["first_ms"] = first[first.size() / 2];
    state.counters["recipes"] = bench.dm.SQLMEAL3.recordCount();
}
BENCHMARK(refreshMealList)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

/// The shopping page's list and picker re-read; 50,000 recipes come with 5,000 ingredients.
void refreshShoppingList(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    bench.w.JvXPBar2Click();
    for (auto _ : state)
        bench.w.RefreshShoppingList();
    state.counters["listRows"] = bench.dm.SHOP.recordCount();
    state.counters["pickerRows"] = bench.dm.SHOPINGREDIENTS.recordCount();
}
BENCHMARK(refreshShoppingList)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

/// A row added by hand and deleted again, the list and picker re-read after each.
void shoppingAddAndDelete(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    bench.w.JvXPBar2Click();
    for (auto _ : state) {
        bench.w.AddToShoppingList(QStringLiteral("Bench item"), QStringLiteral("Bench group"),
                                  QStringLiteral("3"));
        bench.w.DeleteFromShoppingList(QStringLiteral("Bench item"));
    }
    state.counters["perEdit"] = perOperation(state, 2);
}
BENCHMARK(shoppingAddAndDelete)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
