// Recipes from web addresses, against a small web server of the test's own on 127.0.0.1.
#include "recipes/WebImport.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "support/TestDataFile.h"

#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

class NoBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

QByteArray recipePage(const char *name, const char *image) {
    return QByteArray("<html><head><script type=\"application/ld+json\">{\"@type\":\"Recipe\",\"name\":\"") +
           name + "\",\"image\":" + image +
           ",\"recipeYield\":\"4\",\"recipeIngredient\":[\"250 g flour\",{\"@type\":\"HowToSection\","
           "\"name\":\"Glaze\",\"itemListElement\":[\"1 egg\"]}],\"recipeInstructions\":\"Bake.\","
           "\"author\":{\"@type\":\"Person\",\"name\":\"Ann "
           "Baker\"},\"prepTime\":\"PT15M\",\"cookTime\":\"PT1H5M\","
           "\"recipeCuisine\":\"British\",\"description\":\"A plain "
           "loaf.\",\"nutrition\":{\"calories\":\"420 "
           "kcal\",\"fatContent\":\"12 g\"}}"
           "</script></head><body></body></html>";
}

/// Pages and pictures written for the test, and the answers a real site may give.
class LocalSite : public QObject {
public:
    /// A secure site answers over TLS with a certificate of its own making, which nobody trusts.
    explicit LocalSite(bool secure = false)
        : m_secure(secure) {
        if (secure) {
            auto *server = new QSslServer(this);
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            QFile certificate(QStringLiteral(MEALVANE_FIXTURES "/tls/self-signed.crt"));
            QFile key(QStringLiteral(MEALVANE_FIXTURES "/tls/self-signed.key"));
            certificate.open(QIODevice::ReadOnly);
            key.open(QIODevice::ReadOnly);
            tls.setLocalCertificate(QSslCertificate(certificate.readAll()));
            tls.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
            server->setSslConfiguration(tls);
            m_server = server;
        } else {
            m_server = new QTcpServer(this);
        }
        QImage photo(120, 90, QImage::Format_RGB32);
        photo.fill(Qt::darkYellow);
        QBuffer buffer(&m_webp);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "WEBP");
        connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
        m_server->listen(QHostAddress::LocalHost);
    }
    QString address(const char *path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3")
            .arg(QLatin1String(m_secure ? "https" : "http"))
            .arg(m_server->serverPort())
            .arg(QLatin1String(path));
    }
    bool slowAsked = false;

private:
    void answer(QTcpSocket *socket) {
        const QByteArray request = socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        const auto reply = [socket](const char *status, const char *type, const QByteArray &body,
                                    const QByteArray &more = {}) {
            socket->write(QByteArray("HTTP/1.1 ") + status + "\r\nContent-Type: " + type +
                          "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + more +
                          "Connection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        };
        if (path == "/recipe")
            reply("200 OK", "text/html; charset=utf-8",
                  recipePage("Web Loaf",
                             "[{\"url\":\"/small.webp\",\"width\":8,\"height\":6},{\"url\":\"/big.webp\","
                             "\"width\":800,\"height\":600}]"));
        else if (path == "/big.webp")
            reply("200 OK", "image/webp", m_webp);
        else if (path == "/small.webp")
            reply("200 OK", "image/webp", QByteArray("not the one"));
        else if (path == "/moved")
            reply("302 Found", "text/html", {}, "Location: /moved-here\r\n");
        else if (path == "/moved-here")
            reply("200 OK", "text/html", recipePage("Moved Muffins", "\"/big.webp\""));
        else if (path == "/missing")
            reply("404 Not Found", "text/html", "<html>gone</html>");
        else if (path == "/forbidden")
            reply("403 Forbidden", "text/html", "<html>no</html>");
        else if (path == "/huge")
            socket->write(
                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 26214400\r\n\r\n<html>");
        else if (path == "/plain")
            reply("200 OK", "text/html", "<html><body>No recipe here.</body></html>");
        else if (path == "/file.bin")
            reply("200 OK", "application/octet-stream", QByteArray(1000, '\x01'));
        else if (path == "/slow")
            slowAsked = true; // and never answers
    }

    bool m_secure;
    QTcpServer *m_server = nullptr;
    QByteArray m_webp;
};

class WebImportTest : public ::testing::Test {
protected:
    QString value(const QString &sql) {
        data->runSql(sql);
        const QString v = data->SQL.isEmpty() ? QString() : data->SQL.value(0, 0).toString();
        data->SQL.close();
        return v;
    }
    TestDataFile file;
    NoBox box;
    std::unique_ptr<TDataModule1> data = std::make_unique<TDataModule1>(box, file.path());
    LocalSite site;
};

} // namespace

TEST_F(WebImportTest, AddressesBringTheirRecipesAndPicturesAndEveryFailureIsNamed) {
    const QStringList addresses{site.address("/recipe"),     site.address("/moved"),
                                site.address("/missing"),    site.address("/forbidden"),
                                site.address("/huge"),       site.address("/plain"),
                                site.address("/file.bin"),   site.address("/slow"),
                                QStringLiteral("ftp://x/y"), QStringLiteral("  ")};
    const recipefiles::ImportCounts counts =
        webimport::importAddresses(*data, addresses, {}, {}, nullptr, /*seconds*/ 1);
    EXPECT_EQ(counts.imported, 2);
    EXPECT_EQ(counts.withoutRecipe, QStringList{site.address("/plain")});
    EXPECT_EQ(counts.unreadable,
              (QStringList{site.address("/missing") + QStringLiteral(" (the page was not found (404))"),
                           site.address("/forbidden") + QStringLiteral(" (the server refused it (403))"),
                           site.address("/huge") + QStringLiteral(" (it is larger than 20 MB)"),
                           site.address("/file.bin") + QStringLiteral(" (it is not a web page)"),
                           site.address("/slow") + QStringLiteral(" (it did not answer within 1 seconds)"),
                           QStringLiteral("ftp://x/y (it is not a web address)")}));
    // The largest picture of the list, kept as JPEG; the redirect followed to its page.
    EXPECT_EQ(
        value(QStringLiteral("SELECT hex(substr(Meal_Picture,1,2)) FROM Meal WHERE Meal_Name='Web Loaf'")),
        QStringLiteral("FFD8"));
    EXPECT_EQ(value(QStringLiteral("SELECT Meal_Servings FROM Meal WHERE Meal_Name='Moved Muffins'")),
              QStringLiteral("4"));
    // Its details, the address it came from among them.
    EXPECT_EQ(value(QStringLiteral(
                  "SELECT Meal_Source || '|' || Meal_Author || '|' || Meal_Yield || '|' || "
                  "Meal_Prep_Time || '|' || Meal_Cook_Time || '|' || Meal_Cuisine || '|' || "
                  "Meal_Description || '|' || Meal_Nutrition FROM Meal WHERE Meal_Name='Web Loaf'")),
              site.address("/recipe") +
                  QStringLiteral("|Ann Baker|4|15|65|British|A plain loaf.|Calories 420 kcal; Fat 12 g"));
    // A group of the page's ingredients is a heading among the lines.
    EXPECT_EQ(value(QStringLiteral("SELECT group_concat(Line_Text || '=' || Line_Heading, '/') FROM (SELECT "
                                   "* FROM Recipe_Lines JOIN Meal USING(Meal_ID) WHERE Meal_Name='Web Loaf' "
                                   "ORDER BY Line_Position)")),
              QStringLiteral("250 g flour=0/Glaze:=1/1 egg=0"));
    // The same address again: the name is in the book.
    EXPECT_EQ(webimport::importAddresses(*data, {site.address("/recipe")}, {}, {}).skipped, 1);
}

TEST_F(WebImportTest, ACertificateNobodyTrustsIsRefusedAndSaid) {
    LocalSite secure(/*secure*/ true);
    const QString before = value(QStringLiteral("SELECT count(*) FROM Meal"));
    const recipefiles::ImportCounts counts =
        webimport::importAddresses(*data, {secure.address("/recipe")}, {}, {});
    EXPECT_EQ(counts.imported, 0);
    EXPECT_EQ(
        counts.unreadable,
        QStringList{secure.address("/recipe") +
                    QStringLiteral(" (its certificate could not be trusted, so nothing was read from it)")});
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Meal")), before);
    // The site itself answers: a client that waves the certificate through gets the page.
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(secure.address("/recipe"))));
    reply->ignoreSslErrors();
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(reply->readAll().contains("Web Loaf"));
    delete reply;
}

TEST_F(WebImportTest, CancelWhileAPageIsAwaitedLeavesTheBookAsIfItWasNeverAsked) {
    const QString before = value(QStringLiteral("SELECT count(*) FROM Meal"));
    const recipefiles::ImportCounts counts = webimport::importAddresses(
        *data, {site.address("/slow"), site.address("/recipe")}, {}, [this] { return site.slowAsked; });
    EXPECT_EQ(counts.imported, 0);
    EXPECT_TRUE(counts.unreadable.isEmpty()) << qPrintable(counts.unreadable.join(u'\n'));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Meal")), before);
}
