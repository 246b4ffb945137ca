#pragma once

#include "sharing/SecretStore.h"
#include <QHash>

#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Mailer.h"
#include "toolkit/ui/Shell.h"

#include <QStringList>
#include <vector>

/// Records what the program asked the shell to open.
class FakeShell : public Shell {
public:
    bool open(const QString &target) override {
        opened << target;
        return true;
    }
    bool canOpen(const QString &) override { return hasChmViewer; }
    QStringList opened;
    bool hasChmViewer = false;
};

/// A clock that shows the time the test sets.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime time)
        : at(std::move(time)) {}
    QDateTime now() const override { return at; }
    QDateTime at;
};

/// A secret store in memory: what was kept, by key.
class FakeSecrets : public Secrets {
public:
    bool store(const QString &key, const QString &password, QString *failure) override {
        if (refuse) {
            if (failure != nullptr)
                *failure = QStringLiteral("the desktop has no secret store running (a keyring or a wallet)");
            return false;
        }
        kept[key] = password;
        return true;
    }
    QString read(const QString &key, QString *failure) override {
        if (!kept.contains(key) && failure != nullptr)
            *failure = QStringLiteral("no password is kept for it");
        return kept.value(key);
    }
    QHash<QString, QString> kept;
    bool refuse = false;
};

/// Records the messages handed to the mail program and answers with `result`.
class FakeMailer : public Mailer {
public:
    int send(const MailMessage &message) override {
        sent.push_back(message);
        return result;
    }
    std::vector<MailMessage> sent;
    int result = 0;
};
