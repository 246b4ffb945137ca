// Bringing recipes in from files and from the web: a folder of saved web pages, a large MealMaster
// collection and a hundred addresses of a local site with big photographs, with the peak of the program's
// memory while it imports.
#include "BareReplay.h"
#include "BenchData.h"

#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeFileImport.h"
#include "recipes/WebImport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

class NoGroups : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

/// A saved page of about 300 KB: a recipe in JSON-LD amid the menus, scripts and comments of a big site.
QByteArray webPage(int n) {
    QByteArray page =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Recipe " + QByteArray::number(n) +
        "</title><script>var site = {};" + QByteArray("site.tracking.push({event: 'view'});").repeated(1500) +
        "</script><script type=\"application/ld+json\">{\"@context\":\"https://schema.org\",\"@graph\":"
        "[{\"@type\":\"WebPage\"},{\"@type\":\"Recipe\",\"name\":\"Bench stew number " +
        QByteArray::number(n) +
        "\",\"recipeCategory\":\"Dinner\",\"recipeYield\":\"4\",\"totalTime\":\"PT1H\","
        "\"recipeIngredient\":[\"2 cups ingredient " +
        QByteArray::number(n % 300) +
        "\",\"1 tbsp olive oil\",\"3 large carrots, sliced\",\"1 (400 g) can tomatoes\",\"Salt to taste\"],"
        "\"recipeInstructions\":[{\"@type\":\"HowToStep\",\"text\":\"Brown everything.\"},"
        "{\"@type\":\"HowToStep\",\"text\":\"Simmer for an hour &amp; serve.\"}]}]}</script></head><body>";
    const QByteArray block =
        "<div class=\"nav\"><ul><li><a href=\"/a\">Section</a></li><li><a href=\"/b\">Another "
        "section</a></li></ul><p>Words about food and the people who cook it, again and "
        "again.</p></div>\n";
    while (page.size() < 300 * 1024)
        page += block;
    return page + "</body></html>";
}

/// A MealMaster collection of `recipes` recipes.
QByteArray mealMaster(int recipes) {
    QByteArray text;
    for (int n = 0; n < recipes; ++n) {
        text += "MMMMM----- Recipe via Meal-Master (tm) v8.05\r\n\r\n      Title: Collection pie " +
                QByteArray::number(n) +
                "\r\n Categories: Main dish, Pies\r\n      Yield: 6 servings\r\n\r\n"
                "      2 c  Flour                             1 ts Salt\r\n"
                "    1/2 c  Butter                            3 md Onions, chopped\r\n"
                "      1 lb Ingredient " +
                QByteArray::number(n % 500) +
                "\r\n\r\n  Make the pastry, fill it and bake for forty minutes in a hot oven\r\n"
                "  until golden.\r\n\r\nMMMMM\r\n\r\n";
    }
    return text;
}

/// Imports `files` into a fresh copy of the 1,000-recipe book; the counters tell the recipes imported and
/// the peak of resident memory while importing.
void importInto(benchmark::State &state, const QStringList &files) {
    QTemporaryDir folder;
    const QString book = folder.filePath(QStringLiteral("book.mdb"));
    NoGroups groups;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(book);
        QFile::copy(benchdata::dataFile(1000), book);
        { TDataModule1 warm(groups, book); }
        resetPeak();
        state.ResumeTiming();
        TDataModule1 data(groups, book);
        const recipefiles::ImportCounts counts = recipefiles::importFiles(data, files, {});
        state.counters["imported"] = counts.imported;
    }
    state.counters["peak_mb"] = residentMb("VmHWM:");
}

void importWebPages(benchmark::State &state) {
    QTemporaryDir folder;
    QStringList files;
    for (int n = 0; n < int(state.range(0)); ++n) {
        const QString path = folder.filePath(QStringLiteral("page-%1.html").arg(n));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(webPage(n));
        files << path;
    }
    importInto(state, files);
}
BENCHMARK(importWebPages)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

void importMealMaster(benchmark::State &state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("collection.mmf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(mealMaster(int(state.range(0))));
    file.close();
    importInto(state, {path});
}
BENCHMARK(importMealMaster)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

/// A site on 127.0.0.1 serving, in a thread of its own, the page of recipe N at /recipe/N (the page of
/// `webPage` with a picture) and one photograph of about 2 MB for every picture address.
class PhotoSite {
public:
    PhotoSite() {
        // Noise does not compress: an 1800 x 1350 photograph of it is about 2 MB as JPEG.
        QImage photo(1800, 1350, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = 0xff000000u | random.generate();
        }
        QBuffer buffer(&m_photo);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "JPEG", 90);
        m_thread.start();
        m_server.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_server,
            [this] {
                QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
                m_server.listen(QHostAddress::LocalHost);
                m_port = m_server.serverPort();
            },
            Qt::BlockingQueuedConnection);
    }
    ~PhotoSite() {
        QMetaObject::invokeMethod(
            &m_server, [this] { m_server.close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    QString address(int n) const {
        return QStringLiteral("http://127.0.0.1:%1/recipe/%2").arg(m_port).arg(n);
    }
    qsizetype photoBytes() const { return m_photo.size(); }

private:
    void accept() {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                const QByteArray path = request.split(' ').value(1);
                QByteArray body;
                QByteArray type = "text/html; charset=utf-8";
                if (path.startsWith("/recipe/")) {
                    body = webPage(path.mid(8).toInt());
                    body.replace("\"recipeYield\"",
                                 "\"image\":\"/photo" + path.mid(8) + ".jpg\",\"recipeYield\"");
                } else {
                    body = m_photo;
                    type = "image/jpeg";
                }
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        }
    }

    QByteArray m_photo;
    QThread m_thread;
    QTcpServer m_server;
    quint16 m_port = 0;
};

void importWebAddresses(benchmark::State &state) {
    PhotoSite site;
    QStringList addresses;
    for (int n = 0; n < int(state.range(0)); ++n)
        addresses << site.address(n);
    QTemporaryDir folder;
    const QString book = folder.filePath(QStringLiteral("book.mdb"));
    NoGroups groups;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(book);
        QFile::copy(benchdata::dataFile(1000), book);
        { TDataModule1 warm(groups, book); }
        resetPeak();
        state.ResumeTiming();
        TDataModule1 data(groups, book);
        const recipefiles::ImportCounts counts = webimport::importAddresses(data, addresses, {}, {});
        state.counters["imported"] = counts.imported;
    }
    state.counters["peak_mb"] = residentMb("VmHWM:");
    state.counters["photo_mb"] = double(site.photoBytes()) / 1e6;
}
BENCHMARK(importWebAddresses)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
