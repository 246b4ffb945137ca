#include "SecretStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace secretstore {

namespace {

const QString Service = QStringLiteral("Mealvane");

/// Runs a job of the store to its end; its error in words, empty when it succeeded.
QString run(QKeychain::Job &job) {
    job.setAutoDelete(false);
    // Never a plain file in place of the store.
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return {};
    if (job.error() == QKeychain::EntryNotFound)
        return QStringLiteral("no password is kept for it");
    if (job.error() == QKeychain::NoBackendAvailable)
        return QStringLiteral("the desktop has no secret store running (a keyring or a wallet)");
    if (job.error() == QKeychain::AccessDeniedByUser || job.error() == QKeychain::AccessDenied)
        return QStringLiteral("the secret store was not opened");
    return job.errorString();
}

} // namespace

QString keyFor(const QString &server, const QString &user) {
    return user + u'@' + server;
}

bool store(const QString &key, const QString &password, QString *failure) {
    QKeychain::WritePasswordJob job(Service);
    job.setKey(key);
    job.setTextData(password);
    const QString error = run(job);
    if (failure != nullptr)
        *failure = error;
    return error.isEmpty();
}

QString read(const QString &key, QString *failure) {
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(key);
    const QString error = run(job);
    if (failure != nullptr)
        *failure = error;
    return error.isEmpty() ? job.textData() : QString();
}

bool forget(const QString &key) {
    QKeychain::DeletePasswordJob job(Service);
    job.setKey(key);
    return run(job).isEmpty();
}

} // namespace secretstore
