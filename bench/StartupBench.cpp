// Start-up to the main window shown, without the splash wait.
#include "BenchData.h"

#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/ui/Shell.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public Dialogs {
public:
    void showError(const QString &) override {}
    void showInformation(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    QString input(const QString &, const QString &, const QString &preset) override { return preset; }
    QString openFileName(const QString &, const QStringList &) override { return {}; }
    QString saveFileName(const QString &, const QStringList &) override { return {}; }
};

class NoShell : public Shell {
public:
    bool open(const QString &) override { return true; }
    bool canOpen(const QString &) override { return false; }
};

void startToMainWindow(benchmark::State &state)
{
    const QString path = benchdata::dataFile(int(state.range(0)));
    SilentDialogs dialogs;
    NoShell shell;
    SystemClock clock;
    for (auto _ : state) {
        auto program = std::make_unique<Mealvane>(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, path});
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
