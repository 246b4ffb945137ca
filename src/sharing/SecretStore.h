#pragma once

#include <QString>

/// The desktop's secret store (the keyring of GNOME or the wallet of KDE), where the sharing password is
/// kept: never in a plain file. Each call waits for the store, the window still drawn meanwhile.
namespace secretstore {

/// The key a server's password is kept under for a user.
QString keyFor(const QString &server, const QString &user);

/// Keeps a password; false with the reason in `failure` when the store cannot take it (none running,
/// locked and not opened).
bool store(const QString &key, const QString &password, QString *failure = nullptr);
/// The password kept under `key`; empty when there is none (the reason in `failure`).
QString read(const QString &key, QString *failure = nullptr);
/// Forgets a password.
bool forget(const QString &key);

} // namespace secretstore

/// Where the program keeps and finds the sharing password: the desktop's secret store unless another is
/// given.
class Secrets {
public:
    virtual ~Secrets() = default;
    virtual bool store(const QString &key, const QString &password, QString *failure) {
        return secretstore::store(key, password, failure);
    }
    virtual QString read(const QString &key, QString *failure) { return secretstore::read(key, failure); }
};
