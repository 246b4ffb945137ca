#include "Backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVariant>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

namespace backups {

namespace {

const QRegularExpression &copyName() {
    static const QRegularExpression name(QStringLiteral(
        "^MealvaneData40-(\\d{4})-(\\d{2})-(\\d{2})-(\\d{2})(\\d{2})(-change)?(?:-(\\d+))?\\.mdb$"));
    return name;
}

/// Whether two files hold the same bytes.
bool sameBytes(const QString &a, const QString &b) {
    QFile one(a);
    QFile two(b);
    if (one.size() != two.size() || !one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Chunk = 4 * 1024 * 1024;
    while (!one.atEnd()) {
        if (one.read(Chunk) != two.read(Chunk))
            return false;
    }
    return true;
}

QString engineError(sqlite3 *db) {
    return db != nullptr ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

/// A copy opened only to be read, closed with it.
class Reader {
public:
    explicit Reader(const QString &path) {
        // Immutable: a copy is never written, and reading it leaves no journal beside it.
        const QByteArray uri =
            "file:" + QUrl::fromLocalFile(path).path(QUrl::FullyEncoded).toUtf8() + "?mode=ro&immutable=1";
        if (sqlite3_open_v2(uri.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
            SQLITE_OK)
            m_failure = engineError(m_db);
    }
    ~Reader() { sqlite3_close_v2(m_db); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    /// The first column of the statement's first row; sets the failure when it cannot be run.
    QVariant value(const char *sql) {
        if (!m_failure.isEmpty())
            return {};
        sqlite3_stmt *statement = nullptr;
        QVariant out;
        const int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
        const int step = rc == SQLITE_OK ? sqlite3_step(statement) : rc;
        if (step == SQLITE_ROW)
            out = sqlite3_column_type(statement, 0) == SQLITE_INTEGER
                      ? QVariant(qint64(sqlite3_column_int64(statement, 0)))
                      : QVariant(QString::fromUtf8(
                            reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
        else if (step != SQLITE_DONE)
            m_failure = engineError(m_db);
        sqlite3_finalize(statement);
        return out;
    }
    const QString &failure() const { return m_failure; }

private:
    sqlite3 *m_db = nullptr;
    QString m_failure;
};

} // namespace

QString folder() {
    const QString own = qEnvironmentVariable("MEALVANE_BACKUP_DIR");
    if (!own.isEmpty())
        return own;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("mealvane/backups"));
}

QList<Copy> copies(const QString &folder) {
    QList<std::pair<Copy, int>> found;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("MealvaneData40-*.mdb")}, QDir::Files)) {
        const QRegularExpressionMatch m = copyName().match(name);
        if (!m.hasMatch())
            continue;
        const QDateTime made(QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()),
                             QTime(m.captured(4).toInt(), m.captured(5).toInt()));
        if (!made.isValid())
            continue;
        found.push_back(
            {Copy{dir.filePath(name), made, m.captured(6).isEmpty() ? Reason::Daily : Reason::BeforeChange},
             m.captured(7).toInt()});
    }
    // Of copies made in the same minute, the one numbered last was made last.
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return a.first.made != b.first.made ? a.first.made > b.first.made : a.second > b.second;
    });
    QList<Copy> out;
    for (const auto &[copy, number] : found)
        out << copy;
    return out;
}

bool madeOn(const QString &folder, const QDate &day) {
    const QList<Copy> all = copies(folder);
    return std::any_of(all.cbegin(), all.cend(), [&](const Copy &c) { return c.made.date() == day; });
}

QString freeName(const QString &folder, const QDateTime &now, Reason reason) {
    const QString base = QStringLiteral("MealvaneData40-%1%2")
                             .arg(now.toString(QStringLiteral("yyyy-MM-dd-HHmm")),
                                  reason == Reason::BeforeChange ? QStringLiteral("-change") : QString());
    QString target = QDir(folder).filePath(base + QStringLiteral(".mdb"));
    for (int n = 2; QFile::exists(target); ++n)
        target = QDir(folder).filePath(QStringLiteral("%1-%2.mdb").arg(base).arg(n));
    return target;
}

Made make(const QString &dataFile, const QString &folder, const QDateTime &now, Reason reason) {
    Made made;
    if (!QDir().mkpath(folder)) {
        made.failure =
            QStringLiteral("the folder %1 could not be made").arg(QDir::toNativeSeparators(folder));
        return made;
    }
    const QString target = freeName(folder, now, reason);
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);

    sqlite3 *source = nullptr;
    sqlite3 *copy = nullptr;
    const auto close = [&] {
        sqlite3_close_v2(copy);
        sqlite3_close_v2(source);
        copy = nullptr;
        source = nullptr;
    };
    // The book is only read, through a connection of the copy's own.
    if (sqlite3_open_v2(QFile::encodeName(dataFile).constData(), &source, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        made.failure = QStringLiteral("the book could not be read (%1)").arg(engineError(source));
        close();
        return made;
    }
    sqlite3_busy_timeout(source, 5000);
    if (sqlite3_open_v2(QFile::encodeName(partial).constData(), &copy,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        made.failure = QStringLiteral("no file can be written in %1 (%2)")
                           .arg(QDir::toNativeSeparators(folder), engineError(copy));
        close();
        QFile::remove(partial);
        return made;
    }
    sqlite3_backup *backup = sqlite3_backup_init(copy, "main", source, "main");
    if (backup == nullptr) {
        made.failure = QStringLiteral("the copy could not be started (%1)").arg(engineError(copy));
        close();
        QFile::remove(partial);
        return made;
    }
    // A few megabytes at a time, letting the program's writes through between the steps; a write restarts
    // the copy, so that it is always of one moment of the book.
    // A book written to again and again would keep the copy starting over: after a few restarts the rest
    // is copied in one step, which holds the program's writes back only as long as that step takes.
    int rc = SQLITE_OK;
    int restarts = 0;
    int left = -1;
    do {
        rc = sqlite3_backup_step(backup, restarts < 3 ? 1024 : -1);
        const int remaining = sqlite3_backup_remaining(backup);
        if (left >= 0 && remaining > left)
            ++restarts;
        left = remaining;
        if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            QThread::msleep(rc == SQLITE_OK ? 1 : 20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        made.failure = rc == SQLITE_FULL ? QStringLiteral("the disk is full")
                                         : QStringLiteral("the copy could not be written (%1)")
                                               .arg(QString::fromUtf8(sqlite3_errstr(rc)));
        close();
        QFile::remove(partial);
        return made;
    }
    // The copy is read back whole before it counts.
    sqlite3_stmt *check = nullptr;
    QString verdict;
    if (sqlite3_prepare_v2(copy, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW)
        verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)));
    sqlite3_finalize(check);
    close();
    if (verdict != QLatin1String("ok")) {
        QFile::remove(partial);
        made.failure = QStringLiteral("the copy did not read back whole, so it was removed");
        return made;
    }
    // A book that has not changed since the newest copy is not copied again.
    const QList<Copy> before = copies(folder);
    if (!before.isEmpty() && sameBytes(partial, before.first().path)) {
        QFile::remove(partial);
        made.same = true;
        return made;
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        made.failure = QStringLiteral("the copy could not be named %1").arg(QDir::toNativeSeparators(target));
        return made;
    }
    made.path = target;
    return made;
}

Contents describe(const QString &path) {
    Contents contents;
    contents.size = QFileInfo(path).size();
    Reader copy(path);
    const qint64 pages = copy.value("PRAGMA page_count").toLongLong();
    const qint64 pageSize = copy.value("PRAGMA page_size").toLongLong();
    contents.recipes = copy.value("SELECT count(*) FROM Meal").toLongLong();
    contents.plannedWeeks =
        copy.value("SELECT count(*) FROM (SELECT DISTINCT Year_Number, Week_Number FROM Menu)").toLongLong();
    if (!copy.failure().isEmpty())
        contents.damage = QStringLiteral("damaged: %1").arg(copy.failure());
    else if (pages * pageSize > contents.size)
        contents.damage = QStringLiteral("damaged: it is cut short");
    return contents;
}

QString checkWhole(const QString &path) {
    Reader copy(path);
    const QString verdict = copy.value("PRAGMA quick_check(1)").toString();
    if (!copy.failure().isEmpty())
        return copy.failure();
    return verdict == QLatin1String("ok") ? QString() : verdict;
}

QString putInPlace(const QString &copy, const QString &dataFile, const QString &keepAs) {
    const QString incoming = dataFile + QStringLiteral(".restoring");
    QFile::remove(incoming);
    if (!QFile::copy(copy, incoming)) {
        QFile::remove(incoming);
        return QStringLiteral("the backup could not be copied beside the book (is the disk full?)");
    }
    // The book as it was goes to the backups first; only then is it replaced, in one step.
    if (!QFile::copy(dataFile, keepAs)) {
        QFile::remove(incoming);
        QFile::remove(keepAs);
        return QStringLiteral("the book as it is could not be kept as %1")
            .arg(QDir::toNativeSeparators(keepAs));
    }
    // A journal left beside the book belongs to the book being replaced, never to the backup.
    QFile::remove(dataFile + QStringLiteral("-wal"));
    QFile::remove(dataFile + QStringLiteral("-shm"));
    if (std::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(dataFile).constData()) != 0) {
        QFile::remove(incoming);
        return QStringLiteral("the book could not be replaced (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    return {};
}

int prune(const QString &folder, const QDateTime &now) {
    const QList<Copy> all = copies(folder);
    QSet<QString> kept;
    QSet<qint64> days;
    QSet<qint64> weeks;
    QSet<int> months;
    const QDate today = now.date();
    for (const Copy &c : all) {
        const qint64 age = c.made.date().daysTo(today);
        if (c.reason == Reason::BeforeChange && age <= 14)
            kept.insert(c.path);
        // Newest first: the first copy met of a day, week or month is the one kept for it.
        if (age >= 0 && age < 7 && !days.contains(age)) {
            days.insert(age);
            kept.insert(c.path);
        }
        if (const qint64 week = age / 7; age >= 0 && week < 5 && !weeks.contains(week)) {
            weeks.insert(week);
            kept.insert(c.path);
        }
        const int month = (today.year() - c.made.date().year()) * 12 + today.month() - c.made.date().month();
        if (age >= 0 && month < 12 && !months.contains(month)) {
            months.insert(month);
            kept.insert(c.path);
        }
        // A copy from a clock set ahead is kept: nothing is removed for a wrong date.
        if (age < 0)
            kept.insert(c.path);
    }
    int removed = 0;
    for (const Copy &c : all) {
        if (!kept.contains(c.path) && QFile::remove(c.path))
            ++removed;
    }
    return removed;
}

} // namespace backups
