#include "DesktopMailer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {

QString address(const QString &name, const QString &mail) {
    return name.isEmpty() ? mail : name + QStringLiteral(" <") + mail + u'>';
}

/// The mailto: address of the message, every line break written as CR LF.
QByteArray mailtoAddress(const MailMessage &message) {
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(message.recipientAddress, "@");
    QList<QByteArray> fields;
    if (!message.subject.isEmpty())
        fields << "subject=" + QUrl::toPercentEncoding(message.subject);
    if (!message.body.isEmpty()) {
        QString body = message.body;
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        body.replace(u'\n', QStringLiteral("\r\n"));
        fields << "body=" + QUrl::toPercentEncoding(body);
    }
    if (!fields.isEmpty())
        encoded += '?' + fields.join('&');
    return encoded;
}

/// Runs the hand-over program and gives its exit status, or 0 when it is still busy after `wait`
/// milliseconds (it then goes on by itself).
int runHandOver(const QString &program, const QStringList &arguments, int wait) {
    auto *process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(5000))
        return Mailer::NoMailSystem;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    if (process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::restoreOverrideCursor();
    if (process->state() != QProcess::NotRunning)
        return 0;
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : 4;
}

} // namespace

int DesktopMailer::send(const MailMessage &message) {
    // The mail program receives the message as one address; a message that cannot fit is refused whole
    // rather than cut.
    if (mailtoAddress(message).size() > LongestArgument)
        return TooLong;
    const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    // xdg-email passes its subject and body through the shell's echo, which reads a backslash as the start
    // of an escape ("\c" ends the text there): such a message goes over as one address, every character of
    // it percent-encoded, which nothing on the way reads into.
    const bool escapes = message.subject.contains(u'\\') || message.body.contains(u'\\');
    if (!xdgEmail.isEmpty() && escapes && message.attachment.isEmpty())
        return runHandOver(xdgEmail, {QStringLiteral("--utf8"), QString::fromLatin1(mailtoAddress(message))},
                           answerWait);
    if (!xdgEmail.isEmpty()) {
        QStringList arguments{QStringLiteral("--utf8")};
        if (!message.subject.isEmpty())
            arguments << QStringLiteral("--subject") << message.subject;
        if (!message.body.isEmpty()) {
            // xdg-email writes every LF as CR LF itself: it is given LF alone.
            QString body = message.body;
            body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
            arguments << QStringLiteral("--body") << body;
        }
        if (!message.attachment.isEmpty())
            arguments << QStringLiteral("--attach") << message.attachment;
        if (!message.recipientAddress.isEmpty())
            arguments << address(message.recipientName, message.recipientAddress);
        return runHandOver(xdgEmail, arguments, answerWait);
    }
    const QUrl url = QUrl::fromEncoded(mailtoAddress(message), QUrl::StrictMode);
    return QDesktopServices::openUrl(url) ? 0 : NoMailSystem;
}
