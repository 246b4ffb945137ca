// Backups and exports at the size of a real household's book: a copy of a 500 MB book of photographs
// (beside a plain copy of the same file, the bare work), with the longest wait a write of the program met
// meanwhile; and 1,000 recipes with their photographs written out as web pages and as MealMaster.
#include "BenchData.h"

#include "backup/Backups.h"
#include "backup/RecipeExport.h"
#include "toolkit/db/Connection.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

/// A photograph-sized JPEG of noise, which does not compress away.
QByteArray photo(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return jpeg;
}

/// The 1,000-recipe book with a photograph of `pictureBytes` (about) to every recipe.
struct PhotoBook {
    PhotoBook(int width, int height) {
        QFile::copy(benchdata::dataFile(1000), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        db::Connection c(path);
        c.open();
        db::Statement s(c, QStringLiteral("UPDATE Meal SET Meal_Picture = ?"));
        s.bind(1, photo(width, height));
        s.step();
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("book.mdb"));
};

/// 1,000 photographs of half a megabyte: a book of 500 MB.
PhotoBook &largeBook() {
    static PhotoBook book(960, 680);
    return book;
}

/// The copy made before an import: nothing else writes meanwhile; beside it, a plain copy of the file.
void backupOf500MegabyteBook(benchmark::State &state) {
    PhotoBook &book = largeBook();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir backups;
        QElapsedTimer bare;
        bare.start();
        QFile::copy(book.path, backups.filePath(QStringLiteral("plain.mdb")));
        state.counters["bare_ms"] = double(bare.nsecsElapsed()) / 1e6;
        QFile::remove(backups.filePath(QStringLiteral("plain.mdb")));
        state.ResumeTiming();
        const backups::Made made = backups::make(book.path, backups.path(), QDateTime::currentDateTime(),
                                                 backups::Reason::BeforeChange);
        if (!made.failure.isEmpty())
            state.SkipWithError(made.failure.toUtf8().constData());
        state.counters["book_mb"] = double(QFileInfo(book.path).size()) / 1e6;
    }
}
BENCHMARK(backupOf500MegabyteBook)->Unit(benchmark::kMillisecond)->Iterations(1);

/// The day's copy, made from the program's own connection a step at a time while the program saves
/// something every 300 ms, as a busy user does: the longest step is the longest a click could wait.
void dailyBackupOf500MegabyteBook(benchmark::State &state) {
    PhotoBook &book = largeBook();
    db::Connection c(book.path);
    c.open();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir backups;
        state.ResumeTiming();
        backups::SteppedCopy copy(c.handle(), backups.path(), QDateTime::currentDateTime(),
                                  backups::Reason::Daily);
        qint64 longest = 0;
        QElapsedTimer sinceWrite;
        sinceWrite.start();
        int writes = 0;
        for (bool done = false; !done;) {
            QElapsedTimer step;
            step.start();
            done = copy.step(256);
            longest = std::max(longest, step.nsecsElapsed());
            if (sinceWrite.elapsed() >= 300) {
                c.execute(
                    QStringLiteral("UPDATE Meal SET Meal_Servings = %1 WHERE Meal_ID = 1").arg(++writes));
                sinceWrite.restart();
            }
        }
        const backups::Made made = copy.settle();
        if (!made.failure.isEmpty())
            state.SkipWithError(made.failure.toUtf8().constData());
        state.counters["longest_step_ms"] = double(longest) / 1e6;
        state.counters["writes"] = writes;
    }
}
BENCHMARK(dailyBackupOf500MegabyteBook)->Unit(benchmark::kMillisecond)->Iterations(1);

void exportRecipes(benchmark::State &state) {
    static PhotoBook book(800, 600);
    const bool pages = state.range(0) == 0;
    db::Connection c(book.path);
    c.open();
    const QList<qint64> ids = recipeexport::allRecipes(c);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir out;
        state.ResumeTiming();
        const recipeexport::Written written = pages ? recipeexport::writeWebPages(c, ids, out.path())
                                                    : recipeexport::writeMealMaster(c, ids, out.path());
        state.counters["recipes"] = written.recipes;
        if (!written.failure.isEmpty())
            state.SkipWithError(written.failure.toUtf8().constData());
    }
    state.SetLabel(pages ? "web pages" : "MealMaster");
}
BENCHMARK(exportRecipes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
