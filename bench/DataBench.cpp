// Start-up datasets and the week's ingredient count.
#include "BenchData.h"

#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"

#include "search/SearchQuery.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Dialect.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

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

/// The names search with many wildcards over a name that almost matches them all: once exponential in the
/// number of %, now bounded by name length times pattern length. The bare engine's own LIKE beside it.
void namesSearchManyWildcards(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wildcards.mdb"));
    QFile::copy(benchdata::dataFile(1000), path);
    const QString name = QString(50, u'a');
    {
        db::Connection c(path);
        c.open();
        c.execute(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('%1')").arg(name));
    }
    const QString statement =
        search::GetQueryString({search::Mode::Names, QStringLiteral("a%a%a%a%a%a%a%a%b"), {}, {}});
    db::Connection c(path);
    c.open();
    for (auto _ : state) {
        db::Statement s(c, statement);
        int rows = 0;
        while (s.step())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    sqlite3 *bare = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &bare, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray text = statement.toUtf8();
    QElapsedTimer timer;
    const int runs = 50;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(bare, text.constData(), -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
        }
        sqlite3_finalize(s);
    }
    const double bareMs = double(timer.nsecsElapsed()) / 1e6 / runs;
    sqlite3_close(bare);
    state.counters["bare_ms"] = bareMs;
}
BENCHMARK(namesSearchManyWildcards)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

/// The recipe search's four modes on the program's connection, and the statement the engine runs for it on
/// a plain one (the stock engine's own text rules), with ten ingredients checked.
void searchModes(benchmark::State &state) {
    const QString path = benchdata::dataFile(int(state.range(0)));
    const auto mode = search::Mode(state.range(1));
    db::Connection c(path);
    c.open();
    c.addPlan(search::plannedOnly);
    search::Criteria criteria;
    criteria.mode = mode;
    criteria.nameText = QStringLiteral("Recipe 12");
    {
        db::Statement list(c, QStringLiteral("SELECT Ingredients_Description FROM Ingredients ORDER BY 1"));
        while (list.step())
            criteria.entries << list.value(0).toString();
    }
    criteria.checked.assign(size_t(criteria.entries.size()), false);
    for (int i = 0; i < 10 && i < criteria.entries.size(); ++i)
        criteria.checked[size_t(i * 7 % criteria.entries.size())] = true;
    const QString statement = search::GetQueryString(criteria);
    int found = 0;
    for (auto _ : state) {
        db::Statement s(c, statement);
        found = 0;
        while (s.step())
            ++found;
        benchmark::DoNotOptimize(found);
    }
    sqlite3 *bare = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &bare, SQLITE_OPEN_READONLY, nullptr);
    const QString translated = db::dialect::translate(statement);
    const QByteArray text = search::plannedOnly(translated).value_or(translated).toUtf8();
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(bare, text.constData(), -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
        }
        sqlite3_finalize(s);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    sqlite3_close(bare);
    std::sort(times.begin(), times.end());
    state.counters["bare_ms"] = times[times.size() / 2];
    state.counters["found"] = found;
}
BENCHMARK(searchModes)
    ->ArgNames({"recipes", "mode"})
    ->ArgsProduct({{1000, 10000, 50000},
                   {int(search::Mode::Names), int(search::Mode::Only), int(search::Mode::Any),
                    int(search::Mode::Minimum)}})
    ->Unit(benchmark::kMillisecond);

} // namespace
