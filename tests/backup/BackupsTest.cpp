#include "backup/Backups.h"
#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

namespace {

QByteArray digest(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

qint64 count(const QString &path, const char *table) {
    db::Connection c(path);
    c.open();
    db::Statement s(c, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
    s.step();
    return s.value(0).toLongLong();
}

QString check(const QString &path) {
    db::Connection c(path);
    c.open();
    db::Statement s(c, QStringLiteral("PRAGMA integrity_check"));
    s.step();
    return s.value(0).toString();
}

} // namespace

TEST(Backups, ACopyIsSoundIsNotMadeAgainUnchangedAndNeverTouchesTheBook) {
    TestDataFile book(TestDataFile::Contents::Starter);
    QTemporaryDir folder;
    const QByteArray before = digest(book.path());
    const QDateTime now(QDate(2026, 12, 10), QTime(8, 5));
    const backups::Made first = backups::make(book.path(), folder.path(), now, backups::Reason::Daily);
    ASSERT_TRUE(first.failure.isEmpty()) << qPrintable(first.failure);
    EXPECT_EQ(QFileInfo(first.path).fileName(), QStringLiteral("MealvaneData40-2026-12-10-0805.mdb"));
    EXPECT_EQ(check(first.path), QStringLiteral("ok"));
    EXPECT_EQ(count(first.path, "Meal"), count(book.path(), "Meal"));
    EXPECT_EQ(digest(book.path()), before) << "the book is only read";
    EXPECT_TRUE(backups::madeOn(folder.path(), now.date()));

    const backups::Made same =
        backups::make(book.path(), folder.path(), now.addSecs(60), backups::Reason::Daily);
    EXPECT_TRUE(same.same);
    EXPECT_TRUE(same.path.isEmpty());
    book.exec(QStringLiteral("DELETE FROM Meal WHERE Meal_Name='Pancakes'"));
    const backups::Made change =
        backups::make(book.path(), folder.path(), now.addSecs(60), backups::Reason::BeforeChange);
    EXPECT_EQ(QFileInfo(change.path).fileName(), QStringLiteral("MealvaneData40-2026-12-10-0806-change.mdb"));
    EXPECT_EQ(backups::copies(folder.path()).size(), 2);
    EXPECT_EQ(count(first.path, "Meal") - 1, count(change.path, "Meal"))
        << "yesterday's recipe is in the copy";

    // A folder that cannot be made (a file stands in its way): said, and the book untouched.
    const QString blocked = QDir(folder.path()).filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly);
    const QByteArray unchanged = digest(book.path());
    const backups::Made refused =
        backups::make(book.path(), blocked + QStringLiteral("/inside"), now, backups::Reason::Daily);
    EXPECT_TRUE(refused.failure.contains(QStringLiteral("could not be made"))) << qPrintable(refused.failure);
    EXPECT_EQ(digest(book.path()), unchanged);
}

TEST(Backups, ACopyMadeWhileTheProgramWritesIsOfOneMoment) {
    TestDataFile book(TestDataFile::Contents::Starter);
    // Enough pages that the copy takes many steps.
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
                             "INSERT INTO Meal(Meal_Name, Meal_Recipe) SELECT 'filler ' || i, "
                             "hex(randomblob(1000)) FROM n"));
    QTemporaryDir folder;
    std::atomic<bool> copying{true};
    std::thread writer([&] {
        db::Connection c(book.path());
        c.open();
        while (copying)
            c.execute(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                     "VALUES(1,2027,0,'1',1)"));
    });
    const backups::Made made = backups::make(
        book.path(), folder.path(), QDateTime(QDate(2027, 1, 2), QTime(9, 0)), backups::Reason::Daily);
    copying = false;
    writer.join();
    ASSERT_TRUE(made.failure.isEmpty()) << qPrintable(made.failure);
    EXPECT_EQ(check(made.path), QStringLiteral("ok"));
    EXPECT_EQ(count(made.path, "Meal"), count(book.path(), "Meal"));
    EXPECT_GT(count(book.path(), "Menu"), 0) << "the writer got through while the copy was made";
}

// A year of daily starts, with a copy before a change (made earlier that day) every ten days: what stays is
// the newest of each of the last 7 days, 5 weeks and 12 months, and the copies before a change of the last 14
// days.
TEST(Backups, AYearOfCopiesIsThinnedOutAsTheyAge) {
    QTemporaryDir folder;
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    QDateTime now;
    for (int day = 0; day < 365; ++day) {
        now = start.addDays(day);
        const auto touch = [&](const QString &name) {
            QFile file(QDir(folder.path()).filePath(name));
            file.open(QIODevice::WriteOnly);
        };
        touch(QStringLiteral("MealvaneData40-%1.mdb").arg(now.toString(QStringLiteral("yyyy-MM-dd-HHmm"))));
        if (day % 10 == 0)
            touch(QStringLiteral("MealvaneData40-%1-change.mdb")
                      .arg(now.addSecs(-3600).toString(QStringLiteral("yyyy-MM-dd-HHmm"))));
        backups::prune(folder.path(), now);
    }
    const QList<backups::Copy> kept = backups::copies(folder.path());
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_LE(kept.size(), 7 + 5 + 12 + 2);
    QSet<QDate> days;
    for (const backups::Copy &c : kept) {
        days.insert(c.made.date());
    }
    for (int d = 0; d < 7; ++d)
        EXPECT_TRUE(days.contains(now.date().addDays(-d))) << d;
    // One from each of the last 12 months.
    QSet<int> months;
    for (const QDate &day : std::as_const(days))
        months.insert(day.month());
    EXPECT_EQ(months.size(), 12);
    EXPECT_TRUE(std::none_of(kept.cbegin(), kept.cend(),
                             [&](const backups::Copy &c) { return c.made.date().daysTo(now.date()) > 366; }));
    // Copies made before a change stay 14 days, then go unless one stands for its week or month.
    EXPECT_TRUE(std::any_of(kept.cbegin(), kept.cend(), [&](const backups::Copy &c) {
        return c.reason == backups::Reason::BeforeChange && c.made.date() == start.date().addDays(360);
    }));
    // Of 37 made, the older ones stay only as the copy of their week or month.
    const auto older = std::count_if(kept.cbegin(), kept.cend(), [&](const backups::Copy &c) {
        return c.reason == backups::Reason::BeforeChange && c.made.date().daysTo(now.date()) > 14;
    });
    EXPECT_LE(older, 5 + 12);
    EXPECT_LT(std::count_if(kept.cbegin(), kept.cend(),
                            [](const backups::Copy &c) { return c.reason == backups::Reason::BeforeChange; }),
              10);
    // Files of other names are left alone.
    QFile other(QDir(folder.path()).filePath(QStringLiteral("notes.txt")));
    other.open(QIODevice::WriteOnly);
    other.close();
    backups::prune(folder.path(), now.addDays(30));
    EXPECT_TRUE(other.exists());
}

// A disk that fills up during the copy (a limit on the size of files written, as a full disk would stop
// it) and a folder in which no file can be made, even by the superuser: said in words, nothing left behind,
// the book untouched.
TEST(Backups, AFullDiskOrAFolderThatTakesNoFileIsSaidAndTheBookUntouched) {
    TestDataFile book(TestDataFile::Contents::Starter);
    const QByteArray before = digest(book.path());
    QTemporaryDir folder;
    const QDateTime now(QDate(2026, 12, 10), QTime(8, 5));
    backups::Made full;
    {
        const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64 * 1024, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        full = backups::make(book.path(), folder.path(), now, backups::Reason::Daily);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, ignored);
    }
    EXPECT_FALSE(full.failure.isEmpty());
    EXPECT_TRUE(full.path.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << "no part of the copy is left";

    const backups::Made refused =
        backups::make(book.path(), QStringLiteral("/proc/self"), now, backups::Reason::Daily);
    EXPECT_TRUE(refused.failure.startsWith(QStringLiteral("no file can be written in /proc/self")))
        << qPrintable(refused.failure);
    EXPECT_EQ(digest(book.path()), before);
    // The next copy, with room again, is made.
    EXPECT_FALSE(backups::make(book.path(), folder.path(), now, backups::Reason::Daily).path.isEmpty());
}
