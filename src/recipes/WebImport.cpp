#include "WebImport.h"

#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace webimport {

namespace {

/// Keeps no cookie: nothing a site sets is sent back, not even to the next redirect.
class NoCookies : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    bool setCookiesFromUrl(const QList<QNetworkCookie> &, const QUrl &) override { return false; }
};

QString sizeInWords(qint64 bytes) {
    return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024));
}

/// Why a reply gave nothing, in words.
QString failureOf(const QNetworkReply &reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply.error()) {
    case QNetworkReply::ContentNotFoundError:
        return QStringLiteral("the page was not found (%1)").arg(status != 0 ? status : 404);
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("the server refused it (%1)").arg(status);
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("its certificate could not be trusted, so nothing was read from it");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("there is no such site, or no connection to the internet");
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
        return QStringLiteral("no connection could be made to it");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("it sends the reader on from address to address");
    default:
        break;
    }
    if (status >= 400)
        return QStringLiteral("the server answered with an error (%1)").arg(status);
    return QStringLiteral("it could not be read (%1)").arg(reply.errorString());
}

} // namespace

Fetched fetch(const QUrl &address, const std::function<bool()> &cancelled, qint64 most, int seconds) {
    Fetched out;
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        out.failure = QStringLiteral("it is not a web address");
        return out;
    }
    // The desktop's proxy (the https_proxy and no_proxy of the environment) is honoured.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkAccessManager manager;
    manager.setCookieJar(new NoCookies(&manager));
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) "
                                     "Chrome/120.0 Safari/537.36"));
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,image/webp,image/*;q=0.9,*/*;q=0.8");
    request.setTransferTimeout(seconds * 1000);
    QNetworkReply *reply = manager.get(request);
    bool tooLarge = false;
    bool stopped = false;
    QEventLoop loop;
    const auto stop = [&](bool large) {
        tooLarge = tooLarge || large;
        stopped = true;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > most)
            stop(true);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        out.bytes += reply->readAll();
        if (out.bytes.size() > most)
            stop(true);
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (cancelled && cancelled())
            stop(false);
    });
    watch.start(50);
    if (!reply->isFinished())
        loop.exec();
    if (reply->isOpen())
        out.bytes += reply->readAll();
    out.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (tooLarge)
        out.failure = QStringLiteral("it is larger than %1").arg(sizeInWords(most));
    else if (stopped)
        out.failure.clear();
    else if (reply->error() == QNetworkReply::OperationCanceledError)
        out.failure = QStringLiteral("it did not answer within %1 seconds").arg(seconds);
    else if (reply->error() != QNetworkReply::NoError)
        out.failure = failureOf(*reply);
    if (!out.failure.isEmpty() || stopped)
        out.bytes.clear();
    reply->deleteLater();
    return out;
}

recipefiles::ImportCounts importAddresses(TDataModule1 &data, const QStringList &addresses,
                                          const std::function<void()> &step,
                                          const std::function<bool()> &cancelled, QString *failure,
                                          int seconds) {
    using namespace recipefiles;
    ImportCounts counts;
    BookWriter writer(data);
    db::Connection &c = data.ADOConnectionMain;
    const auto asked = [&] {
        if (step)
            step();
        return cancelled && cancelled();
    };
    for (const QString &typed : addresses) {
        const QString text = typed.trimmed();
        if (text.isEmpty())
            continue;
        if (asked())
            break;
        // An address typed without its scheme is taken as a secure one.
        const QUrl address(text.contains(QLatin1String("://")) ? text : QStringLiteral("https://") + text);
        const Fetched page = fetch(address, asked, MostPageBytes, seconds);
        if (page.failure.isEmpty() && page.bytes.isEmpty() && asked())
            break;
        if (!page.failure.isEmpty()) {
            counts.unreadable << QStringLiteral("%1 (%2)").arg(text, page.failure);
            continue;
        }
        const bool html = page.contentType.isEmpty() || page.contentType.contains(QLatin1String("html"));
        if (!html || kindOf(page.bytes.left(64 * 1024)) != Kind::WebPage) {
            counts.unreadable << QStringLiteral("%1 (it is not a web page)").arg(text);
            continue;
        }
        QString problem;
        QList<Recipe> recipes = readWebPage(page.bytes, QString(), &problem);
        if (!problem.isEmpty()) {
            counts.unreadable << QStringLiteral("%1 (%2)").arg(text, problem);
            continue;
        }
        if (recipes.isEmpty()) {
            counts.withoutRecipe << text;
            continue;
        }
        bool stopped = false;
        for (Recipe &recipe : recipes) {
            // The address the user gave is the recipe's source.
            recipe.source = text;
            if (recipe.picture.isEmpty() && !recipe.pictureAddress.isEmpty()) {
                const Fetched picture =
                    fetch(address.resolved(QUrl(recipe.pictureAddress)), asked, MostPictureBytes, seconds);
                recipe.picture = picture.bytes;
            }
            if (asked()) {
                stopped = true;
                break;
            }
        }
        if (stopped)
            break;
        try {
            db::Transaction transaction(c);
            int imported = 0;
            for (const Recipe &recipe : recipes) {
                if (const QString why = refusal(recipe); !why.isEmpty()) {
                    counts.refused << QStringLiteral("%1 (%2)").arg(recipe.title.simplified().left(80), why);
                    continue;
                }
                if (writer.write(recipe))
                    ++imported;
                else
                    ++counts.skipped;
            }
            transaction.commit();
            counts.imported += imported;
        } catch (const db::DbError &error) {
            writer.forgetUncommitted();
            if (failure != nullptr)
                *failure = error.message();
            return counts;
        }
    }
    return counts;
}

} // namespace webimport
