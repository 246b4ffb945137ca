// Sharing a week with the household's phones through a CalDAV server of the case's own (Radicale on
// 127.0.0.1): the first sharing of a week of 60 items and 42 meals, and taking back what the phones ticked.
#include "BenchData.h"

#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "sharing/WeekShare.h"
#include "support/Radicale.h"
#include "toolkit/db/Connection.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class NoGroups : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

constexpr int Week = 50;
constexpr int Year = 2026;

/// A copy of the 1,000-recipe book with a week of every meal time planned and a list of 60 items.
struct SharedBook {
    SharedBook() {
        QFile::copy(benchdata::dataFile(1000), path);
        db::Connection c(path);
        c.open();
        c.execute(QStringLiteral("DELETE FROM ShoppingList WHERE WeekNumber=%1 AND YearNumber=%2")
                      .arg(Week)
                      .arg(Year));
        c.execute(
            QStringLiteral("DELETE FROM Menu WHERE Week_Number=%1 AND Year_Number=%2").arg(Week).arg(Year));
        for (int day = 0; day < 7; ++day)
            for (int code = 1; code <= 6; ++code)
                c.execute(
                    QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                   "SELECT %1,%2,%3,'%4',Meal_ID FROM Meal LIMIT 1 OFFSET %5")
                        .arg(Week)
                        .arg(Year)
                        .arg(day)
                        .arg(code)
                        .arg(day * 6 + code));
        for (int n = 0; n < 60; ++n)
            c.execute(QStringLiteral("INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,"
                                     "IngredientsCount,IngredientsType,IngredientsAmount) VALUES(%1,%2,'Item "
                                     "%3',%4,'Group %5','%3 g')")
                          .arg(Week)
                          .arg(Year)
                          .arg(n)
                          .arg(n % 4 + 1)
                          .arg(n % 7));
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("book.mdb"));
};

/// Collections made new for a run, so that every sharing writes the whole week.
sharing::Settings freshCollections(const Radicale &radicale) {
    caldav::Client client(radicale.url(), QLatin1String(Radicale::User),
                          QString::fromUtf8(Radicale::Password));
    sharing::Settings settings;
    settings.server = radicale.url();
    settings.user = QLatin1String(Radicale::User);
    client.makeCollection(QStringLiteral("Shopping"), true, settings.taskList);
    client.makeCollection(QStringLiteral("Meals"), false, settings.calendar);
    return settings;
}

void shareWeek(benchmark::State &state) {
    Radicale radicale;
    SharedBook book;
    NoGroups groups;
    TDataModule1 data(groups, book.path);
    for (auto _ : state) {
        state.PauseTiming();
        data.runSql(QStringLiteral("DELETE FROM Shared_Items"));
        const sharing::Settings settings = freshCollections(radicale);
        caldav::Client client(radicale.url(), QLatin1String(Radicale::User),
                              QString::fromUtf8(Radicale::Password));
        state.ResumeTiming();
        const sharing::Result result = sharing::shareWeek(data, client, settings, Week, Year);
        state.counters["items"] = result.itemsWritten;
        state.counters["meals"] = result.mealsWritten;
        if (!result.outcome.ok())
            state.SkipWithError(result.outcome.failure.toUtf8().constData());
    }
}
BENCHMARK(shareWeek)->Unit(benchmark::kMillisecond)->Iterations(1);

void refreshFromPhones(benchmark::State &state) {
    Radicale radicale;
    SharedBook book;
    NoGroups groups;
    TDataModule1 data(groups, book.path);
    const sharing::Settings settings = freshCollections(radicale);
    caldav::Client client(radicale.url(), QLatin1String(Radicale::User),
                          QString::fromUtf8(Radicale::Password));
    sharing::shareWeek(data, client, settings, Week, Year);
    Phone phone;
    for (auto _ : state) {
        state.PauseTiming();
        // Two items ticked on a phone since the last look.
        QList<caldav::Object> objects;
        client.objects(settings.taskList, "VTODO", objects);
        for (int n = 0; n < 2 && n < objects.size(); ++n) {
            std::optional<ical::Task> task = ical::readTask(objects.at(n).data);
            task->completed = !task->completed;
            phone.send("PUT", objects.at(n).url, ical::taskObject(*task), objects.at(n).etag.toUtf8());
        }
        state.ResumeTiming();
        const sharing::Result result = sharing::refreshWeek(data, client, settings, Week, Year);
        state.counters["ticks"] = result.ticksTaken;
    }
}
BENCHMARK(refreshFromPhones)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
