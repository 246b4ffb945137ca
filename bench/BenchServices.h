#pragma once

#include "app/AppServices.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/ui/Shell.h"

/// Services for benchmarks: boxes that answer at once and a shell that opens nothing.
class SilentDialogs : public Dialogs {
public:
    void showError(const QString &) override {}
    void showInformation(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    Answer ask(const QString &) override { return Answer::No; }
    bool propose(const QString &) override { return false; }
    int choose(const QString &, const QStringList &answers) override { return int(answers.size()) - 1; }
    QString input(const QString &, const QString &, const QString &preset) override { return preset; }
    QString openFileName(const QString &, const QStringList &) override { return {}; }
    QStringList openFileNames(const QString &, const QStringList &) override { return {}; }
    QString saveFileName(const QString &, const QStringList &, const QString & = {}) override { return {}; }
    QString folderName(const QString &) override { return {}; }
};

class NoShell : public Shell {
public:
    bool open(const QString &) override { return true; }
    bool canOpen(const QString &) override { return false; }
};

/// Everything a program in a benchmark needs, kept alive together.
struct BenchServices {
    SilentDialogs dialogs;
    NoShell shell;
    SystemClock clock;
    AppServices services() { return AppServices{dialogs, shell, clock}; }
};
