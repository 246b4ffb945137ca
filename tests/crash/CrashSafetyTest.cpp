// The data file after the program is killed at random moments of its save paths: sound to the stock engine,
// and each operation that was cut off either whole or absent.
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sqlite3.h>

using namespace db;

namespace {

QStringList rows(Connection &c, const QString &sql) {
    QStringList out;
    Statement s(c, sql);
    while (s.step()) {
        QStringList fields;
        for (int i = 0; i < s.columnCount(); ++i)
            fields << s.value(i).toString();
        out << fields.join(u'|');
    }
    return out;
}

/// What the stock engine says of the file, with none of the program's own text rules installed.
QString stockCheck(const QString &path) {
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(raw);
        return QStringLiteral("cannot open");
    }
    QStringList said;
    sqlite3_exec(
        raw, "PRAGMA integrity_check",
        [](void *out, int, char **values, char **) {
            static_cast<QStringList *>(out)->append(QString::fromUtf8(values[0]));
            return 0;
        },
        &said, nullptr);
    sqlite3_close(raw);
    return said.join(u'\n');
}

int killsWanted() {
    const int asked = qEnvironmentVariableIntValue("MEALVANE_CRASH_KILLS");
    return asked > 0 ? asked : 100;
}

} // namespace

TEST(CrashSafety, KilledAtRandomMomentsTheFileIsSoundAndEveryOperationWholeOrAbsent) {
    TestDataFile file(TestDataFile::Contents::Starter);
    std::mt19937 random(20261209);
    // The kills come at random moments within a round or two of the operations; how long a round takes
    // (a slow build, a loaded machine) is measured on the first run, which is killed after its first round.
    std::uniform_int_distribution<int> delay(0, 300);
    const int kills = killsWanted();
    int rounds = 0;
    qint64 linksOfTheImport = -1;
    qint64 plannedRows = -1;
    const QString importedNames =
        QStringLiteral("('Mum''s pie','Porridge','Toast','Fruit salad','PASTA','Boiled egg','Cup of tea')");
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(MEALVANE_CRASH_CHILD),
                    {file.path(), QStringLiteral(MEALVANE_FIXTURES "/older-release-small.mdb")});
        ASSERT_TRUE(child.waitForStarted(30000));
        QByteArray said;
        while (!said.contains("ready\n")) {
            ASSERT_TRUE(child.waitForReadyRead(60000)) << "the program did not come up (kill " << kill << ")";
            said += child.readAllStandardOutput();
        }
        if (kill == 0) {
            QElapsedTimer round;
            round.start();
            while (!said.contains("round 1\n")) {
                ASSERT_TRUE(child.waitForReadyRead(60000)) << "the program never finished a round";
                said += child.readAllStandardOutput();
            }
            const int window = std::max(300, int(round.elapsed() * 2));
            delay = std::uniform_int_distribution<int>(0, window);
        } else {
            QThread::msleep(ulong(delay(random)));
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished(30000);
        said += child.readAllStandardOutput();
        rounds += int(said.count("round "));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << "the program stopped by itself: " << said.data();
        const QList<QByteArray> planned = said.left(said.indexOf('\n')).split(' ');
        ASSERT_EQ(planned.size(), 3);
        const QString thisWeek = QStringLiteral("Week_Number=%1 AND Year_Number=%2")
                                     .arg(QString::fromLatin1(planned[1]), QString::fromLatin1(planned[2]));
        const QString listWeek = QStringLiteral("WeekNumber=%1 AND YearNumber=%2")
                                     .arg(QString::fromLatin1(planned[1]), QString::fromLatin1(planned[2]));

        ASSERT_EQ(stockCheck(file.path()), QStringLiteral("ok")) << "after kill " << kill;
        Connection c(file.path());
        c.open();
        // Save Menu and Update Shopping List: the week whole, and its list exactly what the week makes.
        const QStringList week = rows(c, QStringLiteral("SELECT count(*) FROM Menu WHERE ") + thisWeek);
        if (week.first() != QStringLiteral("0")) {
            if (plannedRows < 0)
                plannedRows = week.first().toLongLong();
            ASSERT_EQ(week.first().toLongLong(), plannedRows) << "a week cut short, after kill " << kill;
        }
        const QStringList derived = rows(
            c, QStringLiteral(
                   "SELECT i.Ingredients_Description, count(i.Ingredients_ID) FROM Menu m, Meal, "
                   "Made_With w, Ingredients i WHERE m.Meal_ID=Meal.Meal_ID AND Meal.Meal_ID=w.Meal_ID "
                   "AND w.Ingredients_ID=i.Ingredients_ID AND m.") +
                   QString(thisWeek).replace(QStringLiteral(" AND "), QStringLiteral(" AND m.")) +
                   QStringLiteral(" GROUP BY i.Ingredients_Description, i.Ingredients_Group ORDER BY 1"));
        const QStringList listed = rows(
            c, QStringLiteral("SELECT IngredientsDescription, IngredientsCount FROM ShoppingList WHERE ") +
                   listWeek + QStringLiteral(" ORDER BY 1"));
        ASSERT_EQ(listed, derived) << "after kill " << kill;
        // The recipe edit: its method and its flag belong to one revision.
        const QStringList edited = rows(c, QStringLiteral("SELECT Meal_Recipe, Meal_Morning FROM Meal "
                                                          "WHERE Meal_Recipe LIKE 'Revision %'"));
        ASSERT_LE(edited.size(), 1);
        if (!edited.isEmpty()) {
            const QStringList parts = edited.first().split(u'|');
            const qint64 revision = parts.first().mid(9).toLongLong();
            EXPECT_EQ(parts.last().toLongLong(), revision % 2) << edited.first().toStdString();
        }
        // The import: all seven new recipes with every link, or none of them and no link left behind.
        const QStringList imported = rows(
            c, QStringLiteral("SELECT count(*), (SELECT count(*) FROM Made_With WHERE Meal_ID IN (SELECT "
                              "Meal_ID FROM Meal WHERE Meal_Name IN %1)) FROM Meal WHERE Meal_Name IN %1")
                   .arg(importedNames));
        const QStringList counts = imported.first().split(u'|');
        ASSERT_TRUE(counts.first() == QStringLiteral("0") || counts.first() == QStringLiteral("7"))
            << imported.first().toStdString() << " after kill " << kill;
        if (counts.first() == QStringLiteral("0")) {
            EXPECT_EQ(counts.last(), QStringLiteral("0"));
        } else if (linksOfTheImport < 0) {
            linksOfTheImport = counts.last().toLongLong();
            EXPECT_GT(linksOfTheImport, 0);
        } else {
            EXPECT_EQ(counts.last().toLongLong(), linksOfTheImport) << "after kill " << kill;
        }
        EXPECT_EQ(
            rows(c, QStringLiteral("SELECT count(*) FROM Made_With WHERE Meal_ID NOT IN (SELECT Meal_ID "
                                   "FROM Meal)")),
            QStringList{QStringLiteral("0")})
            << "after kill " << kill;
    }
    RecordProperty("kills", kills);
    RecordProperty("rounds", rounds);
    std::printf("%d kills, %d rounds of the four operations finished between them\n", kills, rounds);
    EXPECT_GT(rounds, 0) << "the kills never let an operation finish";
}
