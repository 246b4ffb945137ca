#include "toolkit/db/Connection.h"
#include "support/TestDataFile.h"
#include "toolkit/db/DataFileLock.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace db;

namespace {

qint64 count(Connection &connection, const QString &sql) {
    Statement s(connection, sql);
    return s.step() ? s.value(0).toLongLong() : -1;
}

QString errorOf(const std::function<void()> &f) {
    try {
        f();
    } catch (const DbError &e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(Connection, RefusesFilesThatAreNoDataFile) {
    TestDataFile file;
    Connection missing(file.folder() + QStringLiteral("/nothing.mdb"));
    EXPECT_TRUE(errorOf([&] { missing.open(); }).contains(QStringLiteral("Could not find file")));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(QFile::exists(missing.dataSource())) << "opening never creates a file";

    const QString text = file.folder() + QStringLiteral("/notes.mdb");
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    Connection garbage(text);
    EXPECT_TRUE(errorOf([&] { garbage.open(); }).contains(QStringLiteral("not a database")));

    Connection jet(QStringLiteral(MEALVANE_FIXTURES "/not-a-recipe-db.mdb"));
    EXPECT_TRUE(errorOf([&] { jet.open(); }).contains(QStringLiteral("not a database")));
}

TEST(Connection, ARejectedStatementCarriesTheEnginesMessageAndChangesNothing) {
    TestDataFile file;
    Connection c(file.path());
    c.open();
    EXPECT_EQ(errorOf([&] { c.execute(QStringLiteral("INSERT INTO Nowhere VALUES(1)")); }),
              QStringLiteral("no such table: Nowhere"));
    EXPECT_EQ(errorOf([&] {
                  c.execute(
                      QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('a'); DELETE FROM IGroup"));
              }),
              QStringLiteral("Characters found after end of SQL statement."));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 0);
    c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('a');  ;\n"));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 1) << "a trailing ; is allowed";
}

TEST(Connection, SeveralConnectionsShareTheFile) {
    TestDataFile file;
    Connection main(file.path()), report(file.path());
    main.open();
    report.open();
    main.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Dairy')"));
    EXPECT_EQ(count(report, QStringLiteral("SELECT count(*) FROM IGroup")), 1);
    report.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Fruit')"));
    EXPECT_EQ(count(main, QStringLiteral("SELECT count(*) FROM IGroup")), 2);
}

TEST(Connection, AWriterWaitsForAnotherLockThenReports) {
    TestDataFile file;
    Connection first(file.path()), second(file.path());
    first.open();
    second.open();
    second.setLockWait(300);
    QStringList indicated;
    Connection::setWaitIndicator(
        [&](bool waiting) { indicated << (waiting ? QStringLiteral("busy") : QStringLiteral("done")); });
    Transaction holding(first);
    first.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Dairy')"));
    QElapsedTimer timer;
    timer.start();
    const QString message =
        errorOf([&] { second.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('x')")); });
    EXPECT_EQ(message, QStringLiteral("The recipe book '%1' is being used by another program, which keeps it "
                                      "locked. Close that program, or let it finish, and try again. Nothing "
                                      "was changed.")
                           .arg(QFileInfo(file.path()).absoluteFilePath()));
    EXPECT_GE(timer.elapsed(), 250) << "it waited before giving up";
    EXPECT_EQ(indicated, (QStringList{QStringLiteral("busy"), QStringLiteral("done")}))
        << "the busy cursor shows while it waits, and only then";
    holding.commit();
    Connection::setWaitIndicator({});
    second.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Fruit')"));
    EXPECT_EQ(count(second, QStringLiteral("SELECT count(*) FROM IGroup")), 2);
}

TEST(Transaction, RollsBackUnlessCommitted) {
    TestDataFile file;
    Connection c(file.path());
    c.open();
    {
        Transaction t(c);
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('gone')"));
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 0);
    {
        Transaction t(c);
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('kept')"));
        Transaction moved(std::move(t));
        EXPECT_FALSE(t.isActive());
        moved.commit();
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 1);
    try {
        Transaction t(c);
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('half')"));
        c.execute(QStringLiteral("INSERT INTO Nowhere VALUES(1)"));
        t.commit();
    } catch (const DbError &) {
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 1)
        << "a failure part-way leaves nothing";
}

TEST(Transaction, InsideAnotherOnlyItsOwnPartIsUndone) {
    TestDataFile file;
    Connection c(file.path());
    c.open();
    {
        Transaction outer(c);
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('outer')"));
        {
            Transaction inner(c);
            c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('inner, undone')"));
        }
        {
            Transaction inner(c);
            c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('inner, kept')"));
            inner.commit();
        }
        EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 2);
        outer.commit();
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 2);
    {
        Transaction outer(c);
        Transaction inner(c);
        c.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('gone with the outer one')"));
        inner.commit();
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IGroup")), 2);
}

TEST(DataFileLock, OneProgramPerDataFile) {
    TestDataFile file;
    {
        DataFileLock first(file.path());
        try {
            DataFileLock second(file.path());
            ADD_FAILURE() << "a second holder was let in";
        } catch (const DataFileInUse &error) {
            EXPECT_TRUE(error.message().contains(QFileInfo(file.path()).absoluteFilePath()))
                << error.message().toStdString();
        }
        // Other tools still read and write the file meanwhile.
        Connection shell(file.path());
        shell.open();
        shell.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Dairy')"));
    }
    DataFileLock again(file.path());
    SUCCEED() << "the lock is free once its holder is gone";
}

TEST(DataFileLock, ALockHeldForAMomentIsWaitedFor) {
    TestDataFile file;
    // A tool looking whether the file is in use holds its lock for a moment, as `flock -n file true` does.
    auto first = std::make_unique<DataFileLock>(file.path());
    std::thread releases([held = std::move(first)]() mutable {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        held.reset();
    });
    EXPECT_NO_THROW(DataFileLock second(file.path()));
    releases.join();
}
