#include "CalDav.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QEventLoop>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>

namespace caldav {

namespace {

/// One response of a multistatus answer: the properties the server gave for one address.
struct Response {
    QString href;
    QString etag;
    QByteArray calendarData;
    QString name;
    bool collection = false;
    bool calendar = false;
    QStringList components;
    QString principal;
    QString homeSet;
};

/// The responses of a WebDAV multistatus answer; only properties the server found (status 200) count.
QList<Response> multistatus(const QByteArray &xml) {
    QList<Response> out;
    QXmlStreamReader reader(xml);
    Response current;
    Response found;
    QStringList path;
    bool inPropstat = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            path << name;
            if (name == QLatin1String("response"))
                current = Response();
            else if (name == QLatin1String("propstat")) {
                inPropstat = true;
                found = Response();
            } else if (name == QLatin1String("comp") &&
                       path.contains(QLatin1String("supported-calendar-component-set")))
                found.components << reader.attributes().value(QLatin1String("name")).toString().toUpper();
            else if (name == QLatin1String("collection") && path.contains(QLatin1String("resourcetype")))
                found.collection = true;
            else if (name == QLatin1String("calendar") && path.contains(QLatin1String("resourcetype")))
                found.calendar = true;
            else if (name == QLatin1String("href") && path.size() >= 2) {
                const QString parent = path.at(path.size() - 2);
                const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                path.removeLast();
                if (parent == QLatin1String("response"))
                    current.href = text;
                else if (parent == QLatin1String("current-user-principal"))
                    found.principal = text;
                else if (parent == QLatin1String("calendar-home-set"))
                    found.homeSet = text;
            } else if (inPropstat &&
                       (name == QLatin1String("getetag") || name == QLatin1String("displayname") ||
                        name == QLatin1String("calendar-data"))) {
                const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
                path.removeLast();
                if (name == QLatin1String("getetag"))
                    found.etag = text.trimmed();
                else if (name == QLatin1String("displayname"))
                    found.name = text.trimmed();
                else
                    found.calendarData = text.toUtf8();
            } else if (name == QLatin1String("status") && inPropstat) {
                const QString text = reader.readElementText();
                path.removeLast();
                if (text.contains(QLatin1String(" 200 "))) {
                    current.etag = found.etag.isEmpty() ? current.etag : found.etag;
                    current.name = found.name.isEmpty() ? current.name : found.name;
                    if (!found.calendarData.isEmpty())
                        current.calendarData = found.calendarData;
                    current.collection = current.collection || found.collection;
                    current.calendar = current.calendar || found.calendar;
                    current.components << found.components;
                    if (!found.principal.isEmpty())
                        current.principal = found.principal;
                    if (!found.homeSet.isEmpty())
                        current.homeSet = found.homeSet;
                }
            }
        } else if (reader.isEndElement()) {
            const QString name = reader.name().toString();
            if (!path.isEmpty())
                path.removeLast();
            if (name == QLatin1String("propstat"))
                inPropstat = false;
            else if (name == QLatin1String("response"))
                out << current;
        }
    }
    if (reader.hasError())
        return {};
    return out;
}

QByteArray basic(const QString &user, const QString &password) {
    return "Basic " + (user + u':' + password).toUtf8().toBase64();
}

QString notCalDav(const QUrl &url) {
    return QStringLiteral("%1 is not the address of a CalDAV server: give the address of the server, or of "
                          "your calendars on it")
        .arg(url.toDisplayString());
}

} // namespace

QUrl objectUrl(const QUrl &collection, const QString &uid) {
    // A name of letters and digits only: every server takes it, whatever the UID holds.
    const QByteArray name =
        QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha1).toHex().left(32) + ".ics";
    QString path = collection.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    QUrl url = collection;
    url.setPath(path + QString::fromLatin1(name));
    return url;
}

Client::Client(QUrl server, QString user, QString password)
    : m_server(std::move(server))
    , m_user(std::move(user))
    , m_password(std::move(password))
    , m_manager(std::make_unique<QNetworkAccessManager>()) {
    // The desktop's proxy (https_proxy, no_proxy) is honoured; no cookie is kept.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_manager->setCookieJar(nullptr);
}

Client::~Client() = default;

Client::Reply Client::send(const QByteArray &verb, const QUrl &url, const QByteArray &body, int depth,
                           const QList<std::pair<QByteArray, QByteArray>> &headers) {
    Reply out;
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        out.outcome.failure =
            QStringLiteral("\"%1\" is not a web address: it begins with https:// or http://")
                .arg(url.toString());
        return out;
    }
    // A Cancel given since the last request stops before the next one is sent.
    if (cancelled && cancelled()) {
        out.outcome.cancelled = true;
        return out;
    }
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", basic(m_user, m_password));
    request.setRawHeader("User-Agent", "Mealvane");
    if (depth >= 0)
        request.setRawHeader("Depth", QByteArray::number(depth));
    if (!body.isEmpty())
        request.setRawHeader("Content-Type", verb == "PUT" ? "text/calendar; charset=utf-8"
                                                           : "application/xml; charset=utf-8");
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    request.setTransferTimeout(seconds * 1000);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = m_manager->sendCustomRequest(request, verb, body);
    bool stopped = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (cancelled && cancelled()) {
            stopped = true;
            reply->abort();
        }
    });
    watch.start(50);
    if (!reply->isFinished())
        loop.exec();
    out.body = reply->readAll();
    out.etag = QString::fromUtf8(reply->rawHeader("ETag"));
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.outcome.status = status;
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    reply->deleteLater();
    if (stopped) {
        out.outcome.cancelled = true;
        return out;
    }
    const QString server = url.host();
    if (status == 401 || error == QNetworkReply::AuthenticationRequiredError) {
        out.outcome.failure = QStringLiteral("%1 refused the user name or password: check them under File > "
                                             "Sharing...")
                                  .arg(server);
    } else if (error == QNetworkReply::SslHandshakeFailedError) {
        out.outcome.failure =
            QStringLiteral(
                "The certificate of %1 could not be trusted, so nothing was sent to it. Ask whoever "
                "keeps the server, or use its address with a trusted certificate.")
                .arg(server);
    } else if (error == QNetworkReply::OperationCanceledError) {
        out.outcome.failure =
            QStringLiteral("%1 did not answer within %2 seconds. Nothing was changed; try again later.")
                .arg(server)
                .arg(seconds);
    } else if (status == 0 && error != QNetworkReply::NoError) {
        out.outcome.failure =
            QStringLiteral("No connection to %1 (%2). Check the address and that the computer is online; "
                           "nothing was changed.")
                .arg(server, errorText);
    } else if (status >= 500) {
        out.outcome.failure =
            QStringLiteral("%1 failed to answer (%2). Nothing was changed here; try again later.")
                .arg(server)
                .arg(status);
    } else if (status == 403) {
        out.outcome.failure = QStringLiteral("%1 does not let this user change %2.").arg(server, url.path());
    } else if (status == 412) {
        out.outcome.failure =
            QStringLiteral("An item on %1 was changed by a phone while it was being written. Share the week "
                           "again.")
                .arg(server);
    }
    return out;
}

Outcome Client::home(QUrl &found) {
    if (!m_home.isEmpty()) {
        found = m_home;
        return {};
    }
    static const QByteArray ask =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><d:propfind xmlns:d=\"DAV:\" "
        "xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop><d:current-user-principal/><d:resourcetype/>"
        "<c:calendar-home-set/></d:prop></d:propfind>";
    // The address given, then the principal it names, then the principal's calendar home.
    QUrl at = m_server;
    for (int hop = 0; hop < 3; ++hop) {
        Reply reply = send("PROPFIND", at, ask, 0);
        if (!reply.outcome.ok())
            return reply.outcome;
        const QList<Response> responses = multistatus(reply.body);
        if (reply.outcome.status != 207 || responses.isEmpty()) {
            Outcome wrong;
            wrong.failure = notCalDav(m_server);
            return wrong;
        }
        const Response &r = responses.first();
        if (!r.homeSet.isEmpty()) {
            m_home = at.resolved(QUrl(r.homeSet));
            break;
        }
        if (r.calendar) {
            // One collection was given: its parent holds the others.
            QUrl parent = at.resolved(QUrl(QStringLiteral("..")));
            m_home = parent;
            break;
        }
        if (r.principal.isEmpty() || at.resolved(QUrl(r.principal)) == at) {
            Outcome wrong;
            wrong.failure = notCalDav(m_server);
            return wrong;
        }
        at = at.resolved(QUrl(r.principal));
    }
    if (m_home.isEmpty()) {
        Outcome wrong;
        wrong.failure = notCalDav(m_server);
        return wrong;
    }
    found = m_home;
    return {};
}

Outcome Client::collections(QList<Collection> &found) {
    found.clear();
    QUrl at;
    Outcome outcome = home(at);
    if (!outcome.ok())
        return outcome;
    static const QByteArray ask =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><d:propfind xmlns:d=\"DAV:\" "
        "xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop><d:resourcetype/><d:displayname/>"
        "<c:supported-calendar-component-set/></d:prop></d:propfind>";
    Reply reply = send("PROPFIND", at, ask, 1);
    if (!reply.outcome.ok())
        return reply.outcome;
    for (const Response &r : multistatus(reply.body)) {
        if (!r.calendar)
            continue;
        Collection c;
        c.url = at.resolved(QUrl(r.href));
        c.name = r.name.isEmpty() ? c.url.path().section(u'/', -2, -2) : r.name;
        // A collection that names no kinds takes every kind.
        c.tasks = r.components.isEmpty() || r.components.contains(QLatin1String("VTODO"));
        c.events = r.components.isEmpty() || r.components.contains(QLatin1String("VEVENT"));
        found << c;
    }
    return {};
}

Outcome Client::makeCollection(const QString &name, bool tasks, QUrl &made) {
    QUrl at;
    Outcome outcome = home(at);
    if (!outcome.ok())
        return outcome;
    QString path = at.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    const QByteArray slug =
        QCryptographicHash::hash((name + QString::number(QDateTime::currentMSecsSinceEpoch())).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    made = at;
    made.setPath(path + QStringLiteral("mealvane-") + QString::fromLatin1(slug) + u'/');
    QString escaped = name.toHtmlEscaped();
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><c:mkcalendar xmlns:d=\"DAV:\" "
                            "xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:set><d:prop><d:displayname>" +
                            escaped.toUtf8() +
                            "</d:displayname><c:supported-calendar-component-set><c:comp name=\"" +
                            (tasks ? "VTODO" : "VEVENT") +
                            "\"/></c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
    Reply reply = send("MKCALENDAR", made, body, -1);
    if (!reply.outcome.ok())
        return reply.outcome;
    if (reply.outcome.status != 201 && reply.outcome.status != 200) {
        Outcome refused;
        refused.status = reply.outcome.status;
        refused.failure = QStringLiteral("%1 would not make the %2 \"%3\" (%4).")
                              .arg(at.host(), QLatin1String(tasks ? "task list" : "calendar"), name)
                              .arg(reply.outcome.status);
        return refused;
    }
    return {};
}

Outcome Client::objects(const QUrl &collection, const char *component, QList<Object> &found) {
    found.clear();
    const QByteArray body = QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><c:calendar-query "
                                       "xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop>"
                                       "<d:getetag/><c:calendar-data/></d:prop><c:filter><c:comp-filter "
                                       "name=\"VCALENDAR\"><c:comp-filter name=\"") +
                            component + "\"/></c:comp-filter></c:filter></c:calendar-query>";
    Reply reply = send("REPORT", collection, body, 1);
    if (!reply.outcome.ok())
        return reply.outcome;
    if (reply.outcome.status != 207) {
        Outcome wrong;
        wrong.status = reply.outcome.status;
        wrong.failure =
            reply.outcome.status == 404
                ? QStringLiteral("The collection %1 is no longer on the server: choose another under "
                                 "File > Sharing...")
                      .arg(collection.toDisplayString())
                : notCalDav(collection);
        return wrong;
    }
    for (const Response &r : multistatus(reply.body)) {
        if (r.calendarData.isEmpty())
            continue;
        found << Object{collection.resolved(QUrl(r.href)), r.etag, r.calendarData};
    }
    return {};
}

Outcome Client::put(const QUrl &object, const QByteArray &data, const QString &etag, QString &newEtag) {
    const QList<std::pair<QByteArray, QByteArray>> condition =
        etag.isEmpty() ? QList<std::pair<QByteArray, QByteArray>>{{"If-None-Match", "*"}}
                       : QList<std::pair<QByteArray, QByteArray>>{{"If-Match", etag.toUtf8()}};
    Reply reply = send("PUT", object, data, -1, condition);
    if (!reply.outcome.ok())
        return reply.outcome;
    if (reply.outcome.status < 200 || reply.outcome.status >= 300) {
        Outcome refused;
        refused.status = reply.outcome.status;
        refused.failure =
            QStringLiteral("%1 would not take an item (%2).").arg(object.host()).arg(refused.status);
        return refused;
    }
    newEtag = reply.etag;
    return {};
}

Outcome Client::remove(const QUrl &object, const QString &etag) {
    QList<std::pair<QByteArray, QByteArray>> condition;
    if (!etag.isEmpty())
        condition.push_back({"If-Match", etag.toUtf8()});
    Reply reply = send("DELETE", object, {}, -1, condition);
    if (!reply.outcome.ok())
        return reply.outcome;
    if (reply.outcome.status == 404 || reply.outcome.status == 410)
        return {};
    if (reply.outcome.status < 200 || reply.outcome.status >= 300) {
        Outcome refused;
        refused.status = reply.outcome.status;
        refused.failure =
            QStringLiteral("%1 would not delete an item (%2).").arg(object.host()).arg(refused.status);
        return refused;
    }
    return {};
}

} // namespace caldav
