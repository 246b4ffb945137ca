#pragma once

#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Shell.h"

#include <QStringList>

/// Records what the program asked the shell to open.
class FakeShell : public Shell {
public:
    bool open(const QString &target) override
    {
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
        : at(std::move(time))
    {
    }
    QDateTime now() const override { return at; }
    QDateTime at;
};
