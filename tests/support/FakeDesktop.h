#pragma once

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
