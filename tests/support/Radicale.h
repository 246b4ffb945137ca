#pragma once

#include <QProcess>
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
