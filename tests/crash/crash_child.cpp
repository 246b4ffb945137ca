// The program's own save paths, run over and over on one data file until the process is killed: Save Menu
// of a picked week, Update Shopping List, a recipe edit posted, and an import of an older file whose recipes
// are then taken out again. Prints the week it plans and "ready" once the program is up, then one line per
// finished round.
#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "toolkit/db/Transaction.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: crash_child DATAFILE OLDERFILE\n");
        return 2;
    }
    const QString dataFile = QString::fromLocal8Bit(argv[1]);
    const QString olderFile = QString::fromLocal8Bit(argv[2]);
    // The copies made before each import go beside the book, never to the user's own folder.
    qputenv("MEALVANE_BACKUP_DIR", QFile::encodeName(dataFile + QStringLiteral(".backups")));
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
    FakeMailer mailer;
    Mealvane program(AppServices{dialogs, shell, clock, &mailer}, StartupOptions{0, 0, dataFile});
    TForm1 &w = program.mainWindow();
    TDataModule1 &dm = program.dataModule();
    w.importCopy = dataFile + QStringLiteral(".old");
    std::printf("week %d %d\nready\n", w.SelectedWeek, w.SelectedYear);
    std::fflush(stdout);
    for (qint64 round = 1;; ++round) {
        // The import first, and its recipes taken out again before the week is planned, so that no plan
        // ever names a recipe that is taken out later.
        dialogs.fileAnswers = {olderFile};
        w.Action14Execute();
        {
            db::Transaction undo(dm.ADOConnectionMain);
            const QString imported = QStringLiteral(
                "('Mum''s pie','Porridge','Toast','Fruit salad','PASTA','Boiled egg','Cup of tea')");
            dm.runSql(QStringLiteral("DELETE FROM Made_With WHERE Meal_ID IN (SELECT Meal_ID FROM Meal WHERE "
                                     "Meal_Name IN %1)")
                          .arg(imported));
            dm.runSql(QStringLiteral("DELETE FROM Meal WHERE Meal_Name IN %1").arg(imported));
            undo.commit();
        }

        w.JvXPBar5Items0Click(); // the weekly page, its boxes filled afresh
        for (int day = 0; day < 7; ++day)
            w.ClearDay(day);
        w.RbButton13Click(); // Pick-A-Week: one recipe in every box
        w.RbButton18Click(); // Save Menu
        w.RbButton11Click(); // Update Shopping List

        dm.MEALS.first();
        dm.MEALS.edit();
        dm.MEALS.setValue(QStringLiteral("Meal_Recipe"), QStringLiteral("Revision %1").arg(round));
        dm.MEALS.setValue(QStringLiteral("Meal_Morning"), round % 2 == 1);
        dm.MEALS.post();
        if (!dialogs.errors.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(dialogs.errors.join(u'\n')));
            return 1;
        }
        std::printf("round %lld\n", round);
        std::fflush(stdout);
    }
}
