#pragma once

#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/TestDataFile.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

/// A running program on a data file of its own, its desktop faked: the boxes answered from queues, the shell
/// and the mail program recorded, the clock standing at `now`.
class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(const QDateTime &now,
                         TestDataFile::Contents contents = TestDataFile::Contents::Starter)
        : file(contents)
        , clock(now)
        , program(AppServices{dialogs, shell, clock, &mailer, &secrets}, StartupOptions{0, 0, file.path()})
        , w(program.mainWindow())
        , dm(program.dataModule()) {}

    /// Every page of the main window by name, each with the navigation item that opens it.
    std::vector<std::pair<const char *, std::function<void()>>> pages() {
        return {{"welcome", [this] { w.JvXPBar1Items0Click(); }},
                {"weekly", [this] { w.JvXPBar5Items0Click(); }},
                {"daily", [this] { w.JvXPBar5Click(); }},
                {"shopping", [this] { w.JvXPBar2Click(); }},
                {"recipe", [this] { w.JvXPBar4Items0Click(); }},
                {"recipe amounts",
                 [this] {
                     w.JvXPBar4Items0Click();
                     w.ingredientTabs()->setCurrentIndex(1);
                 }},
                {"recipe details",
                 [this] {
                     w.JvXPBar4Items0Click();
                     w.ingredientTabs()->setCurrentIndex(2);
                 }},
                {"ingredients", [this] { w.JvXPBar4Items1Click(); }},
                {"categories", [this] { w.JvXPBar4Items3Click(); }},
                {"search", [this] { w.JvXPBar4Items2Click(); }}};
    }

    /// The first field of the first row a statement gives, as text; empty when it gives none.
    QString firstValue(const QString &sql) {
        dm.runSql(sql);
        const QString value = dm.SQL.isEmpty() ? QString() : dm.SQL.value(0, 0).toString();
        dm.SQL.close();
        return value;
    }

    TestDataFile file;
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock;
    FakeMailer mailer;
    FakeSecrets secrets;
    Mealvane program;
    TForm1 &w;
    TDataModule1 &dm;
};
