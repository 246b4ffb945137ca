#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;

/// The household's CalDAV server as the sharing of a week needs it: its collections found and made, and
/// the calendar objects of one collection listed, written and deleted. Each request waits in an event
/// loop of its own, so that the window goes on being drawn and Cancel is heard.
namespace caldav {

/// A collection of calendar objects on the server: a task list, a calendar, or one that holds both.
struct Collection {
    QUrl url;
    QString name;
    bool tasks = false;
    bool events = false;
};

/// One calendar object as the server holds it.
struct Object {
    QUrl url;
    QString etag;
    QByteArray data;
};

/// What a request came to: nothing wrong, or what went wrong in words a user acts on.
struct Outcome {
    QString failure;
    /// True when the user cancelled; `failure` is empty then.
    bool cancelled = false;
    /// The reply's status (0 when there was none).
    int status = 0;
    bool ok() const { return failure.isEmpty() && !cancelled; }
};

/// The most a request waits for the server.
constexpr int SecondsToWait = 20;

class Client {
public:
    Client(QUrl server, QString user, QString password);
    ~Client();

    /// Runs while a request waits; answers true to stop it.
    std::function<bool()> cancelled;
    int seconds = SecondsToWait;

    /// The collections the server lists for the user: those under the user's calendar home, found from the
    /// address given (the server, the user's home, or one collection).
    Outcome collections(QList<Collection> &found);
    /// Makes a collection of one kind under the user's calendar home; its address in `made`.
    Outcome makeCollection(const QString &name, bool tasks, QUrl &made);
    /// Every object of a collection holding a component of `component` ("VTODO", "VEVENT").
    Outcome objects(const QUrl &collection, const char *component, QList<Object> &found);
    /// Writes an object: as new when `etag` is empty (refused if one is there), else only over that
    /// version. The new version's tag in `newEtag` when the server gives it.
    Outcome put(const QUrl &object, const QByteArray &data, const QString &etag, QString &newEtag);
    /// Deletes an object (only the version `etag`, when given); one already gone is no failure.
    Outcome remove(const QUrl &object, const QString &etag);

private:
    struct Reply {
        Outcome outcome;
        QByteArray body;
        QString etag;
    };
    Reply send(const QByteArray &verb, const QUrl &url, const QByteArray &body, int depth,
               const QList<std::pair<QByteArray, QByteArray>> &headers = {});
    Outcome home(QUrl &found);

    QUrl m_server;
    QString m_user;
    QString m_password;
    QUrl m_home;
    std::unique_ptr<QNetworkAccessManager> m_manager;
};

/// An object's address in a collection for a calendar object's UID.
QUrl objectUrl(const QUrl &collection, const QString &uid);

} // namespace caldav
