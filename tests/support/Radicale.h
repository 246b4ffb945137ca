#pragma once

#include <QNetworkAccessManager>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

/// A CalDAV server of the test's own: Radicale on 127.0.0.1, its collections in a temporary folder, one user
/// with a password. Started by the constructor, stopped by the destructor.
class Radicale {
public:
    Radicale();
    ~Radicale();
    bool running() const { return m_process.state() == QProcess::Running && m_port != 0; }
    QUrl url(const QString &path = QStringLiteral("/")) const;
    void stop();
    /// Where the collections are kept on disk.
    QString folder() const { return m_folder.path(); }

    static constexpr const char *User = "anna";
    static constexpr const char *Password = "pässwörd 100%";

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
};

/// A phone: plain HTTP requests to the server as the test's user, as a phone's task app sends them.
class Phone {
public:
    /// The reply's body; its status in `status` when given.
    QByteArray send(const QByteArray &verb, const QUrl &url, const QByteArray &body = {},
                    const QByteArray &ifMatch = {}, int *status = nullptr);
    /// Every component of `kind` ("VTODO", "VEVENT") in a collection, read whole with one GET, unfolded.
    QStringList components(const QUrl &collection, const char *kind);

private:
    QNetworkAccessManager m_manager;
};

/// The value of a property of a component as `components` gives it ("SUMMARY"); empty when it has none.
QString propertyOf(const QString &component, const char *name);
