#include "DesktopMailer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString address(const QString &name, const QString &mail) {
    return name.isEmpty() ? mail : name + QStringLiteral(" <") + mail + u'>';
}

} // namespace

int DesktopMailer::send(const MailMessage &message) {
    const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (!xdgEmail.isEmpty()) {
        QStringList arguments{QStringLiteral("--utf8")};
        if (!message.subject.isEmpty())
            arguments << QStringLiteral("--subject") << message.subject;
        if (!message.body.isEmpty())
            arguments << QStringLiteral("--body") << message.body;
        if (!message.attachment.isEmpty())
            arguments << QStringLiteral("--attach") << message.attachment;
        if (!message.recipientAddress.isEmpty())
            arguments << address(message.recipientName, message.recipientAddress);
        return QProcess::startDetached(xdgEmail, arguments) ? 0 : 2;
    }
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(message.recipientAddress, "@");
    QList<QByteArray> fields;
    if (!message.subject.isEmpty())
        fields << "subject=" + QUrl::toPercentEncoding(message.subject);
    if (!message.body.isEmpty())
        fields << "body=" + QUrl::toPercentEncoding(message.body);
    if (!fields.isEmpty())
        encoded += '?' + fields.join('&');
    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    return QDesktopServices::openUrl(url) ? 0 : -1;
}
