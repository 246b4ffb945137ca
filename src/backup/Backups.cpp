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
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

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
    explicit Reader(const QString &path, bool immutable = true) {
        // Immutable: a finished copy is never written, and reading it leaves no journal beside it.
        const QByteArray uri = "file:" + QUrl::fromLocalFile(path).path(QUrl::FullyEncoded).toUtf8() +
                               (immutable ? "?mode=ro&immutable=1" : "?mode=ro");
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

SteppedCopy::SteppedCopy(sqlite3 *source, const QString &folder, const QDateTime &now, Reason reason)
    : m_folder(folder) {
    if (!QDir().mkpath(folder)) {
        m_made.failure =
            QStringLiteral("the folder %1 could not be made").arg(QDir::toNativeSeparators(folder));
        return;
    }
    m_target = freeName(folder, now, reason);
    m_partial = m_target + QStringLiteral(".part");
    QFile::remove(m_partial);
    if (sqlite3_open_v2(QFile::encodeName(m_partial).constData(), &m_copy,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        m_made.failure = QStringLiteral("no file can be written in %1 (%2)")
                             .arg(QDir::toNativeSeparators(folder), engineError(m_copy));
        abandon();
        return;
    }
    // The copy is written without waiting for the disk at each step: it is synced once, after it was
    // checked, off the thread that steps it.
    sqlite3_exec(m_copy, "PRAGMA synchronous=OFF; PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
    m_backup = sqlite3_backup_init(m_copy, "main", source, "main");
    if (m_backup == nullptr) {
        m_made.failure = QStringLiteral("the copy could not be started (%1)").arg(engineError(m_copy));
        abandon();
    }
}

SteppedCopy::~SteppedCopy() {
    if (m_backup != nullptr || m_copy != nullptr)
        abandon();
}

void SteppedCopy::abandon() {
    if (m_backup != nullptr)
        sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    sqlite3_close_v2(m_copy);
    m_copy = nullptr;
    if (!m_partial.isEmpty())
        QFile::remove(m_partial);
}

bool SteppedCopy::step(int pages) {
    if (m_backup == nullptr)
        return true;
    const int rc = sqlite3_backup_step(m_backup, pages);
    if (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return false;
    sqlite3_backup_finish(m_backup);
    m_backup = nullptr;
    sqlite3_close_v2(m_copy);
    m_copy = nullptr;
    if (rc != SQLITE_DONE) {
        m_made.failure = rc == SQLITE_FULL ? QStringLiteral("the disk is full")
                                           : QStringLiteral("the copy could not be written (%1)")
                                                 .arg(QString::fromUtf8(sqlite3_errstr(rc)));
        QFile::remove(m_partial);
    }
    return true;
}

int SteppedCopy::restarts() const {
    return m_restarts;
}

void SteppedCopy::noteRemaining() {
    const int remaining = m_backup != nullptr ? sqlite3_backup_remaining(m_backup) : 0;
    if (m_left >= 0 && remaining > m_left)
        ++m_restarts;
    m_left = remaining;
}

Made SteppedCopy::settle() {
    if (!m_made.failure.isEmpty() || m_backup != nullptr)
        return m_made;
    // The copy is read back whole before it counts.
    QString verdict;
    {
        Reader copy(m_partial, false);
        verdict = copy.value("PRAGMA integrity_check").toString();
        if (!copy.failure().isEmpty())
            verdict = copy.failure();
    }
    if (verdict != QLatin1String("ok")) {
        QFile::remove(m_partial);
        m_made.failure = QStringLiteral("the copy did not read back whole, so it was removed");
        return m_made;
    }
    // A book that has not changed since the newest copy is not copied again.
    const QList<Copy> before = copies(m_folder);
    if (!before.isEmpty() && sameBytes(m_partial, before.first().path)) {
        QFile::remove(m_partial);
        m_made.same = true;
        return m_made;
    }
    if (const int fd = ::open(QFile::encodeName(m_partial).constData(), O_RDONLY | O_CLOEXEC); fd >= 0) {
        const bool synced = ::fsync(fd) == 0;
        ::close(fd);
        if (!synced) {
            QFile::remove(m_partial);
            m_made.failure = QStringLiteral("the copy could not be written to the disk");
            return m_made;
        }
    }
    if (!QFile::rename(m_partial, m_target)) {
        QFile::remove(m_partial);
        m_made.failure =
            QStringLiteral("the copy could not be named %1").arg(QDir::toNativeSeparators(m_target));
        return m_made;
    }
    m_made.path = m_target;
    return m_made;
}

Made make(const QString &dataFile, const QString &folder, const QDateTime &now, Reason reason) {
    // The book is only read, through a connection of the copy's own.
    sqlite3 *source = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(dataFile).constData(), &source, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        Made made;
        made.failure = QStringLiteral("the book could not be read (%1)").arg(engineError(source));
        sqlite3_close_v2(source);
        return made;
    }
    sqlite3_busy_timeout(source, 5000);
    Made made;
    {
        SteppedCopy copy(source, folder, now, reason);
        // A few megabytes at a time, letting the program's writes through between the steps. A write
        // through another connection starts the copy over, so that it is always of one moment of the book;
        // a book written to again and again has the rest copied in one step after a few restarts.
        bool done = false;
        while (!done) {
            done = copy.step(copy.restarts() < 3 ? 1024 : -1);
            copy.noteRemaining();
            if (!done)
                QThread::msleep(1);
        }
        made = copy.settle();
    }
    sqlite3_close_v2(source);
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
