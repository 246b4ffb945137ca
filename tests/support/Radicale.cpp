#include "Radicale.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkReply>
#include <QRegularExpression>
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

QByteArray Phone::send(const QByteArray &verb, const QUrl &url, const QByteArray &body,
                       const QByteArray &ifMatch, int *status) {
    QNetworkRequest request(url);
    request.setRawHeader("Authorization",
                         "Basic " +
                             (QByteArray(Radicale::User) + ':' + QByteArray(Radicale::Password)).toBase64());
    if (!body.isEmpty())
        request.setRawHeader("Content-Type", "text/calendar; charset=utf-8");
    if (!ifMatch.isEmpty())
        request.setRawHeader("If-Match", ifMatch);
    QNetworkReply *reply = m_manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (status != nullptr)
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray out = reply->readAll();
    delete reply;
    return out;
}

QStringList Phone::components(const QUrl &collection, const char *kind) {
    const QString text =
        QString::fromUtf8(send("GET", collection)).replace(QStringLiteral("\r\n "), QString());
    QStringList found;
    const QRegularExpression block(QStringLiteral("BEGIN:%1\r\n(.*?)END:%1").arg(QLatin1String(kind)),
                                   QRegularExpression::DotMatchesEverythingOption);
    for (auto it = block.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QString propertyOf(const QString &component, const char *name) {
    const QRegularExpression line(
        QStringLiteral("(?:^|\r\n)%1[^:\r\n]*:([^\r\n]*)").arg(QLatin1String(name)));
    return line.match(component).captured(1);
}
