// Recipe books with camera photographs: the recipe book saved as PDF, a photograph shown in the recipe
// page's picture box, and the program's memory with such a book open. Peak and resident memory are counters.
#include "BareReplay.h"
#include "BenchServices.h"

#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/DataFile.h"
#include "data/TDataModule1.h"
#include "recipes/PictureData.h"
#include "reports/TReportRecipe.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/widgets/DBImage.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

/// A 12-megapixel photograph as a camera stores it: 4000 x 3000, with detail enough to weigh a few MB.
const QByteArray &cameraPhoto() {
    static const QByteArray bytes = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient sky(0, 0, 4000, 3000);
        sky.setColorAt(0, QColor(250, 220, 160));
        sky.setColorAt(1, QColor(60, 120, 40));
        painter.fillRect(image.rect(), sky);
        QRandomGenerator random(12);
        for (int i = 0; i < 4000; ++i) {
            painter.setBrush(QColor::fromRgb(random.generate() | 0xff000000U));
            painter.drawEllipse(QPoint(random.bounded(4000), random.bounded(3000)), random.bounded(5, 60),
                                random.bounded(5, 60));
        }
        painter.end();
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 88);
        return out;
    }();
    return bytes;
}

/// A data file of `recipes` recipes with a method each, the first `pictured` of them with the photograph.
QString pictureBook(int recipes, int pictured) {
    static QTemporaryDir folder;
    static QHash<QString, QString> made;
    const QString key = QStringLiteral("%1-%2").arg(recipes).arg(pictured);
    if (made.contains(key))
        return made.value(key);
    const QString path = folder.filePath(QStringLiteral("pictures-%1.mdb").arg(key));
    datafile::create(path, {datafile::schemaSql()});
    db::Connection c(path);
    c.open();
    db::Transaction fill(c);
    for (int i = 0; i < recipes; ++i) {
        db::Statement insert(
            c, QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe, Meal_Noon, Meal_Picture) "
                              "VALUES(:name, :method, 1, :picture)"));
        insert.bind(1, QStringLiteral("Recipe %1").arg(i, 5, 10, QLatin1Char('0')));
        insert.bind(2, QStringLiteral("Chop, stir and simmer until done; season to taste and serve warm.\n")
                           .repeated(6));
        // Every photograph its own bytes (a comment of its number), as no two photographs are alike.
        const QByteArray note = QByteArray::number(i);
        const QByteArray photo = cameraPhoto().left(2) + QByteArray("\xFF\xFE", 2) + char(0) +
                                 char(note.size() + 2) + note + cameraPhoto().mid(2);
        insert.bind(3, i < pictured ? QVariant(photo) : QVariant());
        insert.step();
    }
    fill.commit();
    made.insert(key, path);
    return path;
}

void recipeBookPdf(benchmark::State &state) {
    const QString path = pictureBook(int(state.range(0)), int(state.range(1)));
    QTemporaryDir out;
    // MEALVANE_REPORT_DIR keeps the book to be looked at.
    const QString keep = qEnvironmentVariable("MEALVANE_REPORT_DIR");
    const QString pdf =
        QDir(keep.isEmpty() ? out.path() : keep)
            .filePath(QStringLiteral("book-%1-%2.pdf").arg(state.range(0)).arg(state.range(1)));
    double peakMb = 0;
    for (auto _ : state) {
        resetPeak();
        TReportRecipe layout(path);
        layout.open(nullptr);
        // As the program does: one pass to count the pages, then the report that is saved.
        benchmark::DoNotOptimize(layout.QuickRep1().pageCount());
        saveReportAsPdf(layout.QuickRep1(), pdf);
        peakMb = std::max(peakMb, residentMb("VmHWM:"));
    }
    state.counters["pdf_mb"] = double(QFileInfo(pdf).size()) / 1e6;
    state.counters["peak_mb"] = peakMb;
}
BENCHMARK(recipeBookPdf)->Args({1000, 0})->Args({200, 200})->Unit(benchmark::kMillisecond)->Iterations(1);

void pictureBoxShow(benchmark::State &state) {
    const QString path = pictureBook(2, 2);
    db::Connection c(path);
    c.open();
    db::TableDataset meals(QStringLiteral("MEALS"), c, QStringLiteral("Meal"));
    meals.open();
    DBImage box(meals, QStringLiteral("Meal_Picture"), picture::decode, picture::pictureSize,
                DBImage::Fit::ShrinkToFit);
    box.resize(300, 225);
    int row = 0;
    for (auto _ : state) {
        // Switching to the other recipe: its picture read, decoded for the box and drawn.
        row = 1 - row;
        meals.setCurrentRow(row);
        QImage screen(box.size(), QImage::Format_RGB32);
        box.render(&screen);
        benchmark::DoNotOptimize(box.image().width());
    }
}
BENCHMARK(pictureBoxShow)->Unit(benchmark::kMillisecond);

void residentWithPictures(benchmark::State &state) {
    const QString path = pictureBook(1000, 200);
    // What the benchmark itself holds (the photograph it made) is counted apart.
    state.counters["rss_before_mb"] = residentMb();
    for (auto _ : state) {
        BenchServices services;
        Mealvane program(services.services(), StartupOptions{0, 0, path});
        program.show();
        program.mainWindow().JvXPBar4Items0Click();
        QCoreApplication::processEvents();
        state.counters["rss_mb"] = residentMb();
    }
}
BENCHMARK(residentWithPictures)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
