// Start-up to the main window shown, without the splash wait.
#include "BenchData.h"
#include "BenchServices.h"
#include "PageBench.h"

#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "toolkit/widgets/CheckedComboBox.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

void startToMainWindow(benchmark::State &state) {
    const QString path = benchdata::dataFile(int(state.range(0)));
    BenchServices services;
    for (auto _ : state) {
        auto program = std::make_unique<Mealvane>(services.services(), StartupOptions{0, 0, path});
        program->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program->mainWindow().isVisible());
        state.PauseTiming();
        program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(startToMainWindow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

/// Bytes of heap memory in use by this process.
double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

/// Opening the weekly-style page: every box filled and the week's menu checked. The counter `boxesMB` is
/// the heap memory the first filling of the 42 boxes holds.
void openWeeklyPage(benchmark::State &state) {
    PageBench bench(int(state.range(0)));
    TForm1 &w = bench.w;
    const double before = heapInUse();
    w.FillAllCombo();
    w.RefreshMenuData();
    state.counters["boxesMB"] = (heapInUse() - before) / (1024.0 * 1024.0);
    for (auto _ : state) {
        w.FillAllCombo();
        benchmark::DoNotOptimize(w.RefreshMenuData());
    }
}
BENCHMARK(openWeeklyPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

/// Save Menu of a full week, two recipes in every box, with the shopping list regenerated.
void saveFullWeek(benchmark::State &state) {
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
    for (auto _ : state)
        w.RbButton18Click();
}
BENCHMARK(saveFullWeek)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
