// Start-up datasets and the week's ingredient count.
#include "BenchData.h"

#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

class Ignored : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &names) override {
        benchmark::DoNotOptimize(names.size());
    }
};

void openStartDatasets(benchmark::State &state) {
    const QString path = benchdata::dataFile(int(state.range(0)));
    Ignored box;
    for (auto _ : state) {
        auto module = std::make_unique<TDataModule1>(box, path);
        benchmark::DoNotOptimize(module->SQLMEALS.recordCount());
        // Start-up keeps the data module for the life of the program: its teardown is not part of opening.
        state.PauseTiming();
        module.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(openStartDatasets)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void sqlShopOneWeek(benchmark::State &state) {
    const QString path = benchdata::dataFile(int(state.range(0)));
    Ignored box;
    TDataModule1 module(box, path);
    int week = 1;
    for (auto _ : state) {
        module.SQLSHOP.close();
        module.SQLSHOP.setParameter(QStringLiteral("xWeek"), QString::number(week));
        module.SQLSHOP.setParameter(QStringLiteral("xYear"), QStringLiteral("2021"));
        module.SQLSHOP.open();
        benchmark::DoNotOptimize(module.SQLSHOP.recordCount());
        week = week % 52 + 1;
    }
}
BENCHMARK(sqlShopOneWeek)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
