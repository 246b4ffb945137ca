// Start-up to the main window shown, without the splash wait.
#include "BenchData.h"
#include "BenchServices.h"

#include "app/Mealvane.h"
#include "app/TForm1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

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
BENCHMARK(startToMainWindow)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
