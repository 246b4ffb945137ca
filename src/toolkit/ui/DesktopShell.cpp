#include "DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool DesktopShell::open(const QString &target) {
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::canOpen(const QString &path) {
    // The desktop's file-type database names the program for the file's type, if it has one.
    QProcess type;
    type.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path});
    if (!type.waitForFinished(3000) || type.exitCode() != 0)
        return false;
    const QString mime = QString::fromLocal8Bit(type.readAllStandardOutput()).trimmed();
    if (mime.isEmpty())
        return false;
    QProcess handler;
    handler.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!handler.waitForFinished(3000) || handler.exitCode() != 0)
        return false;
    return !handler.readAllStandardOutput().trimmed().isEmpty();
}
