#include "Radicale.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

Radicale::Radicale() {
    // A free port: asked of the system, then handed to the server.
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
    }
    QFile users(m_folder.filePath(QStringLiteral("users")));
    users.open(QIODevice::WriteOnly);
    users.write(QByteArray(User) + ':' + QByteArray(Password) + '\n');
    users.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("radicale"),
                    {QStringLiteral("--config"), QString(), QStringLiteral("--storage-filesystem-folder"),
                     m_folder.filePath(QStringLiteral("collections")), QStringLiteral("--server-hosts"),
                     QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("--auth-type"),
                     QStringLiteral("htpasswd"), QStringLiteral("--auth-htpasswd-filename"), users.fileName(),
                     QStringLiteral("--auth-htpasswd-encryption"), QStringLiteral("plain"),
                     QStringLiteral("--logging-level"), QStringLiteral("warning")});
    if (!m_process.waitForStarted(10000)) {
        m_port = 0;
        return;
    }
    // Ready when it takes a connection.
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(200))
            return;
        if (m_process.state() != QProcess::Running)
            break;
        QThread::msleep(50);
    }
    m_port = 0;
}

Radicale::~Radicale() {
    stop();
}

void Radicale::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QUrl Radicale::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}
