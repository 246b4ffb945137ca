#include "DataFile.h"

#include <algorithm>

#include "backup/Backups.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Dialect.h"
#include "toolkit/db/Transaction.h"

#include "toolkit/db/SqlText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <fcntl.h>
#include <limits>
#include <sqlite3.h>
#include <unistd.h>

// The scripts live in a static library, whose resources must be registered by hand.
static void registerScripts() {
    Q_INIT_RESOURCE(data);
}

namespace datafile {

namespace {

QString resource(const QString &name) {
    static const bool registered = (registerScripts(), true);
    (void)registered;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw db::DbError(
            QCoreApplication::translate("DataFile", "The built-in script %1 is missing.").arg(name));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString schemaSql() {
    return resource(QStringLiteral(":/mealvane/data/schema.sql"));
}

QString starterSql() {
    return resource(QStringLiteral(":/mealvane/data/starter.sql"));
}

void create(const QString &path, const QStringList &scripts) {
    if (QFileInfo::exists(path))
        throw db::DbError(
            QCoreApplication::translate("DataFile", "'%1' already exists; it is left as it is.").arg(path));
    sqlite3 *handle = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (sqlite3_open_v2(name.constData(), &handle,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE,
                        nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close(handle);
        throw db::DbError(QStringLiteral("Cannot create '%1': %2").arg(path, message));
    }
    // The starter book's statements compare text as the program does.
    db::dialect::install(handle);
    QString failure;
    const QString all = QStringLiteral("BEGIN;\n") + scripts.join(u'\n') + QStringLiteral("\nCOMMIT;");
    char *error = nullptr;
    if (sqlite3_exec(handle, all.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        failure = QString::fromUtf8(error != nullptr ? error : sqlite3_errmsg(handle));
        sqlite3_free(error);
    }
    sqlite3_close(handle);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw db::DbError(QStringLiteral("Cannot create '%1': %2").arg(path, failure));
    }
}

QString householdMessage(const QString &engineMessage) {
    static const QLatin1String Refused("CHECK constraint failed: ");
    if (!engineMessage.startsWith(Refused))
        return engineMessage;
    const QString check = engineMessage.mid(Refused.size());
    struct Field {
        const char *column;
        const char *words;
    };
    static const Field Fields[] = {
        {"Meal_Name", "A recipe name"},
        {"Type", "A recipe type"},
        {"Ingredients_Description", "An ingredient's name"},
        {"IGROUP_NAME", "An ingredient group's name"},
        {"IngredientsDescription", "An item of the shopping list"},
        {"IngredientsType", "The group of a shopping list item"},
        {"IngredientsAmount", "The amount of a shopping list item"},
        {"Line_Text", "An ingredient line"},
        {"Line_Unit", "The unit of an ingredient line"},
        {"Line_Note", "The note of an ingredient line"},
    };
    static const QRegularExpression TooLong(QStringLiteral("^(\\w+) is longer than (\\d+) characters?$"));
    const QRegularExpressionMatch match = TooLong.match(check);
    if (match.hasMatch()) {
        for (const Field &field : Fields) {
            if (match.captured(1) == QLatin1String(field.column))
                return QCoreApplication::translate("DataFile",
                                                   "%1 can be at most %2 characters long. Nothing was saved.")
                    .arg(QLatin1String(field.words), match.captured(2));
        }
    }
    return QCoreApplication::translate("DataFile",
                                       "The recipe book cannot take that value (%1). Nothing was saved.")
        .arg(check);
}

void upgrade(db::Connection &connection) {
    const QStringList statements = schemaSql().split(u';');
    // Made in this order: tables, then their columns, then the indexes over them.
    QStringList indexes;
    QStringList tables;
    QStringList columns;
    const auto none = [&connection](const QString &count) {
        db::Statement exists(connection, count);
        return exists.step() && exists.value(0).toLongLong() == 0;
    };
    for (const QString &statement : statements) {
        // The comment lines before a statement are not part of it.
        QStringList lines = statement.split(u'\n');
        lines.removeIf([](const QString &line) { return line.trimmed().startsWith(QLatin1String("--")); });
        const QString text = lines.join(u'\n').trimmed();
        if (text.startsWith(QLatin1String("CREATE INDEX "))) {
            if (none(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' AND name=%1")
                         .arg(sql::literal(text.section(u' ', 2, 2)))))
                indexes << text;
        } else if (const qsizetype at = text.indexOf(QLatin1String("CREATE TABLE IF NOT EXISTS ")); at >= 0) {
            // Tables added since the first release are written IF NOT EXISTS; only a missing one is made, so
            // that opening a file of this layout writes nothing.
            const QString create = text.mid(at);
            if (none(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=%1")
                         .arg(sql::literal(create.section(u' ', 5, 5).section(u'(', 0, 0).trimmed()))))
                tables << create;
        } else if (const qsizetype alterAt = text.indexOf(QLatin1String("ALTER TABLE ")); alterAt >= 0) {
            // Columns added since the first release are added where missing, in the schema's words.
            const QString alter = text.mid(alterAt);
            // A table the file lacks altogether is not made here: opening such a file fails on it by name.
            if (!none(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=%1")
                          .arg(sql::literal(alter.section(u' ', 2, 2)))) &&
                none(QStringLiteral("SELECT count(*) FROM pragma_table_info(%1) WHERE name=%2")
                         .arg(sql::literal(alter.section(u' ', 2, 2)),
                              sql::literal(alter.section(u' ', 5, 5)))))
                columns << alter;
        }
    }
    // A view whose definition has changed since the file was written is made again.
    QStringList views;
    for (const QString &statement : statements) {
        const qsizetype at = statement.indexOf(QLatin1String("CREATE VIEW "));
        if (at < 0)
            continue;
        const QString create = statement.mid(at).trimmed();
        const QString name = create.section(u' ', 2, 2);
        db::Statement stored(
            connection,
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type='view' AND name='%1'").arg(name));
        const QString storedSql = stored.step() ? stored.value(0).toString() : QString();
        if (storedSql != create) {
            if (!storedSql.isEmpty())
                views << QStringLiteral("DROP VIEW %1").arg(name);
            views << create;
        }
    }
    db::Statement version(connection, QStringLiteral("PRAGMA user_version"));
    const bool stamped = version.step() && version.value(0).toInt() >= Layout;
    const QStringList missing = tables + columns + indexes + views;
    if (missing.isEmpty() && stamped)
        return;
    db::Transaction transaction(connection);
    for (const QString &create : missing)
        connection.execute(create);
    // Columns whose rows in an older file are given a value of their own, in the same transaction.
    const auto added = [&columns](const char *table, const char *column) {
        return std::any_of(columns.cbegin(), columns.cend(), [&](const QString &alter) {
            return alter.section(u' ', 2, 2).compare(QLatin1String(table), Qt::CaseInsensitive) == 0 &&
                   alter.section(u' ', 5, 5).compare(QLatin1String(column), Qt::CaseInsensitive) == 0;
        });
    };
    if (added("ShoppingList", "IngredientsHand"))
        connection.execute(QStringLiteral(
            "UPDATE ShoppingList SET IngredientsHand=1 WHERE EXISTS (SELECT 1 FROM ShoppingListHandEdits AS "
            "e "
            "WHERE e.WeekNumber=ShoppingList.WeekNumber AND e.YearNumber=ShoppingList.YearNumber)"));
    if (added("IGroup", "IGROUP_POSITION"))
        connection.execute(QStringLiteral(
            "UPDATE IGroup SET IGROUP_POSITION=(SELECT count(*) FROM IGroup AS o WHERE o.IGROUP_NAME < "
            "IGroup.IGROUP_NAME OR (o.IGROUP_NAME = IGroup.IGROUP_NAME AND o.IGROUP_ID < "
            "IGroup.IGROUP_ID))"));
    if (!stamped)
        connection.execute(QStringLiteral("PRAGMA user_version = %1").arg(Layout));
    transaction.commit();
}

} // namespace datafile

namespace datafile {

namespace {

/// A data file opened read-only through the engine itself, closed with the object.
class ReadHandle {
public:
    explicit ReadHandle(const QString &path) {
        const QByteArray name = QFile::encodeName(path);
        code = sqlite3_open_v2(name.constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
        if (handle != nullptr) {
            sqlite3_extended_result_codes(handle, 1);
            db::dialect::install(handle);
        }
    }
    ~ReadHandle() { sqlite3_close_v2(handle); }
    ReadHandle(const ReadHandle &) = delete;
    ReadHandle &operator=(const ReadHandle &) = delete;

    /// The first column of every row `sql` gives; `failed` tells whether the engine stopped on an error,
    /// `error` says which.
    QStringList column(const QString &sql, bool *failed = nullptr) {
        QStringList out;
        sqlite3_stmt *statement = nullptr;
        const QByteArray text = sql.toUtf8();
        int rc = sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr);
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
                out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        }
        if (rc != SQLITE_DONE && rc != SQLITE_OK)
            error = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(statement);
        if (failed != nullptr)
            *failed = rc != SQLITE_DONE && rc != SQLITE_OK;
        return out;
    }

    sqlite3 *handle = nullptr;
    int code = SQLITE_OK;
    QString error;
};

/// What one of the engine's checks of a file found.
enum class Check { Passed, Failed, Stopped };

/// Runs the engine's check `pragma` (quick_check, integrity_check) on the file at `path`, on a handle of
/// its own; `interrupt` gets the handle while the check runs, and nothing after, so that it can be stopped.
Check runCheck(const QString &path, const char *pragma,
               const std::function<void(void *handle)> &interrupt = {}) {
    ReadHandle reader(path);
    if (interrupt)
        interrupt(reader.handle);
    bool failed = false;
    const QStringList result = reader.column(QString::fromLatin1(pragma), &failed);
    if (interrupt)
        interrupt(nullptr);
    if (failed && (sqlite3_errcode(reader.handle) & 0xff) == SQLITE_INTERRUPT)
        return Check::Stopped;
    return reader.code == SQLITE_OK && !failed && result == QStringList{QStringLiteral("ok")} ? Check::Passed
                                                                                              : Check::Failed;
}

/// A value as the engine holds it.
QVariant valueOf(sqlite3_stmt *row, int column) {
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(row, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(row, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(row, column)),
                                 sqlite3_column_bytes(row, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(row, column)),
                          sqlite3_column_bytes(row, column));
    default:
        return {};
    }
}

/// Whether a file can be made in `folder`: the engine makes its journal beside the data file.
bool folderTakesFiles(const QString &folder) {
    const QByteArray probe = QFile::encodeName(
        QDir(folder).filePath(QStringLiteral(".mealvane-probe-%1").arg(QCoreApplication::applicationPid())));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

bool fileTakesWrites(const QString &path) {
    // Opened for writing and closed again without a byte written.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

/// The tables, their columns and the views of a file made by this build.
struct Layout {
    QHash<QString, QSet<QString>> columns;
    QHash<QString, QString> views;
};

Layout readLayout(ReadHandle &file) {
    Layout layout;
    for (const QString &table : file.column(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' "
             "ESCAPE '\\'"))) {
        const QStringList columns =
            file.column(QStringLiteral("SELECT name FROM pragma_table_info(%1)").arg(sql::literal(table)));
        layout.columns.insert(table.toLower(), QSet<QString>(columns.begin(), columns.end()));
    }
    const QStringList views =
        file.column(QStringLiteral("SELECT name || char(1) || sql FROM sqlite_master WHERE type='view'"));
    for (const QString &view : views)
        layout.views.insert(view.section(QChar(1), 0, 0).toLower(), view.section(QChar(1), 1));
    return layout;
}

const Layout &ownLayout() {
    static const Layout layout = [] {
        sqlite3 *memory = nullptr;
        sqlite3_open(":memory:", &memory);
        db::dialect::install(memory);
        sqlite3_exec(memory, schemaSql().toUtf8().constData(), nullptr, nullptr, nullptr);
        ReadHandle reader(QStringLiteral(":memory:"));
        std::swap(reader.handle, memory);
        sqlite3_close(memory);
        return readLayout(reader);
    }();
    return layout;
}

/// What in `file` this build does not know, in words; empty when it knows all of it.
QString foreignPart(ReadHandle &file) {
    const QStringList version = file.column(QStringLiteral("PRAGMA user_version"));
    const int written = version.isEmpty() ? 0 : version.first().toInt();
    if (written > datafile::Layout)
        return QCoreApplication::translate("DataFile", "it was written by a later version of Mealvane");
    const Layout &own = ownLayout();
    const Layout theirs = readLayout(file);
    for (auto it = theirs.columns.cbegin(); it != theirs.columns.cend(); ++it) {
        const auto known = own.columns.constFind(it.key());
        if (known == own.columns.cend())
            return QCoreApplication::translate("DataFile",
                                               "it holds a table this Mealvane does not know (%1)")
                .arg(it.key());
        for (const QString &column : it.value()) {
            if (!known->contains(column))
                return QCoreApplication::translate(
                           "DataFile", "its table %1 has a column this Mealvane does not know (%2)")
                    .arg(it.key(), column);
        }
    }
    // Files of earlier builds have their views made anew; in a file of this layout, a changed view is
    // another program's.
    if (written == datafile::Layout) {
        for (auto it = theirs.views.cbegin(); it != theirs.views.cend(); ++it) {
            if (own.views.value(it.key()) != it.value())
                return QCoreApplication::translate("DataFile",
                                                   "its view %1 is not the one this Mealvane writes")
                    .arg(it.key());
        }
    }
    return {};
}

} // namespace

Health quickCheck(const QString &path, const std::function<void(void *handle)> &interrupt) {
    Health health;
    const QString file = QFileInfo(path).absoluteFilePath();
    if (runCheck(path, "PRAGMA quick_check(1)", interrupt) == Check::Failed) {
        health.state = Health::State::Damaged;
        health.reason = QCoreApplication::translate("DataFile", "it is damaged");
        const QString backup = lastGoodBackup(path);
        health.message =
            QCoreApplication::translate(
                "DataFile",
                "The recipe book '%1' is damaged: parts of it cannot be read.\n\nMealvane opens it "
                "read-only, so that nothing more of it is lost: you can look at what can be read "
                "and print it, but nothing is saved to it.")
                .arg(file) +
            (backup.isEmpty() ? QCoreApplication::translate("DataFile", "\n\nThere is no backup of it.")
                              : QStringLiteral("\n\nThe last good backup is '%1': to go back to it, choose "
                                               "File > Restore from Backup....")
                                    .arg(backup));
        return health;
    }
    return health;
}

Health examine(const QString &path, bool withQuickCheck) {
    const QFileInfo info(path);
    const QString file = info.absoluteFilePath();
    Health health;
    const auto unusable = [&](const QString &message) {
        health.state = Health::State::Unusable;
        health.message = message;
        return health;
    };
    if (!info.exists() || !info.isFile())
        return unusable(QCoreApplication::translate(
                            "DataFile",
                            "Could not find file '%1'. Mealvane keeps its recipe book there: put "
                            "your book (or a backup of it) in that place and start Mealvane again.")
                            .arg(file));
    if (info.size() == 0)
        return unusable(QCoreApplication::translate(
                            "DataFile",
                            "The recipe book '%1' is an empty file (0 bytes): it holds no recipes "
                            "at all. Copy a backup of your book in its place, or move the empty "
                            "file away and start Mealvane again to begin with the starter book.")
                            .arg(file));
    QFile header(path);
    if (!header.open(QIODevice::ReadOnly))
        return unusable(QCoreApplication::translate(
                            "DataFile", "The recipe book '%1' cannot be read: %2. Make it readable and start "
                                        "Mealvane again.")
                            .arg(file, header.errorString()));
    if (header.read(16) != QByteArray("SQLite format 3\0", 16))
        return unusable(QCoreApplication::translate(
                            "DataFile", "'%1' is not a database Mealvane can read: it is no recipe book, or "
                                        "its beginning is damaged. Copy a backup of your book in its place, "
                                        "or move the file away and start Mealvane again to begin with the "
                                        "starter book.")
                            .arg(file));
    header.close();
    if (withQuickCheck) {
        if (Health damaged = quickCheck(path); damaged.state == Health::State::Damaged)
            return damaged;
    }
    ReadHandle reader(path);
    if (const QString foreign = foreignPart(reader); !foreign.isEmpty()) {
        health.state = Health::State::Foreign;
        health.reason =
            QCoreApplication::translate("DataFile", "it is of a layout this Mealvane does not know");
        health.message =
            QCoreApplication::translate(
                "DataFile", "The recipe book '%1' cannot be changed by this Mealvane: %2.\n\nIt is opened "
                            "read-only, so that nothing the program that wrote it keeps is spoilt: you can "
                            "look at it and print it, but nothing is saved. Use that program, or a later "
                            "Mealvane, to change it.")
                .arg(file, foreign);
        return health;
    }
    const bool fileWritable = fileTakesWrites(path);
    if (!fileWritable || !folderTakesFiles(info.absolutePath())) {
        health.state = Health::State::ReadOnly;
        health.reason = fileWritable ? QCoreApplication::translate("DataFile", "its folder cannot be written")
                                     : QCoreApplication::translate("DataFile", "the file cannot be written");
        health.message =
            QCoreApplication::translate(
                "DataFile", "The recipe book '%1' is read-only: %2.\n\nYou can look at everything and print "
                            "it, but nothing you change can be saved. To change the book, close Mealvane, "
                            "make %3 writable (or copy the book to a folder of your own) and start it again.")
                .arg(file, health.reason,
                     fileWritable
                         ? QCoreApplication::translate("DataFile", "the folder '%1'").arg(info.absolutePath())
                         : QCoreApplication::translate("DataFile", "the file"));
    }
    return health;
}

QString fullCheck(const QString &path, const std::function<void(void *handle)> &interrupt,
                  bool *interrupted) {
    const Check check = runCheck(path, "PRAGMA integrity_check(1)", interrupt);
    if (interrupted != nullptr)
        *interrupted = check == Check::Stopped;
    if (check != Check::Failed)
        return {};
    return QCoreApplication::translate(
               "DataFile", "The full check of the recipe book '%1' found it damaged: parts of it, or of the "
                           "indexes that find its rows, do not hold together.")
        .arg(QFileInfo(path).absoluteFilePath());
}

QString lastGoodBackup(const QString &path) {
    // The program's own backups folder first, then a "backups" folder beside the data folder.
    QList<QDir> folders{QDir(backups::folder())};
    if (QDir beside(QFileInfo(path).absoluteDir());
        beside.cdUp() && beside.cd(QStringLiteral("backups")) && beside != folders.first())
        folders << beside;
    for (const QDir &folder : std::as_const(folders)) {
        const QStringList names =
            folder.entryList({QFileInfo(path).completeBaseName() + QStringLiteral("-*.mdb")}, QDir::Files,
                             QDir::Name | QDir::Reversed);
        for (const QString &name : names) {
            if (runCheck(folder.filePath(name), "PRAGMA quick_check(1)") == Check::Passed)
                return folder.filePath(name);
        }
    }
    return {};
}

Salvage salvage(const QString &damaged, const QString &target) {
    ReadHandle source(damaged);
    if (source.code != SQLITE_OK)
        throw db::DbError(QCoreApplication::translate("DataFile", "'%1' cannot be read at all: %2")
                              .arg(damaged, source.error));
    create(target, {schemaSql()});
    db::Connection out(target);
    out.open();
    Salvage saved;
    db::Transaction whole(out);
    for (auto it = ownLayout().columns.cbegin(); it != ownLayout().columns.cend(); ++it) {
        const QString &table = it.key();
        // The columns both files have, the row's key first.
        bool failed = false;
        const QStringList present = source.column(
            QStringLiteral("SELECT name FROM pragma_table_info(%1)").arg(sql::literal(table)), &failed);
        QStringList columns;
        for (const QString &column : present) {
            if (it.value().contains(column))
                columns << u'"' + column + u'"';
        }
        if (columns.isEmpty()) {
            saved.lost << QCoreApplication::translate("DataFile", "the table %1").arg(table);
            continue;
        }
        const QString list = columns.join(u',');
        db::Statement insert(out, QStringLiteral("INSERT OR IGNORE INTO \"%1\"(rowid,%2) VALUES(?%3)")
                                      .arg(table, list, QStringLiteral(",?").repeated(columns.size())));
        const QByteArray read = QStringLiteral("SELECT rowid,%1 FROM \"%2\" WHERE rowid>? ORDER BY rowid")
                                    .arg(list, table)
                                    .toUtf8();
        const QByteArray probe =
            QStringLiteral("SELECT rowid FROM \"%1\" WHERE rowid>? ORDER BY rowid LIMIT 1")
                .arg(table)
                .toUtf8();
        qint64 last = std::numeric_limits<qint64>::min();
        qint64 lostRuns = 0;
        for (int round = 0; round < 100000; ++round) {
            sqlite3_stmt *rows = nullptr;
            if (sqlite3_prepare_v2(source.handle, read.constData(), -1, &rows, nullptr) != SQLITE_OK) {
                saved.lost << QCoreApplication::translate("DataFile", "the table %1").arg(table);
                break;
            }
            sqlite3_bind_int64(rows, 1, last);
            int rc;
            while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
                last = sqlite3_column_int64(rows, 0);
                insert.reset();
                for (int c = 0; c <= columns.size(); ++c)
                    insert.bind(c + 1, valueOf(rows, c));
                insert.step();
                ++saved.rows;
                if (table == QLatin1String("meal"))
                    ++saved.recipes;
            }
            sqlite3_finalize(rows);
            if (rc == SQLITE_DONE)
                break;
            // The rows after `last` cannot be read: look further on, ever further, for one that can.
            ++lostRuns;
            bool found = false;
            for (qint64 gap = 1; gap < (qint64(1) << 40); gap *= 2) {
                sqlite3_stmt *next = nullptr;
                sqlite3_prepare_v2(source.handle, probe.constData(), -1, &next, nullptr);
                const qint64 from = last == std::numeric_limits<qint64>::min() ? gap - 1 : last + gap;
                sqlite3_bind_int64(next, 1, from);
                const int step = sqlite3_step(next);
                const qint64 rowid = step == SQLITE_ROW ? sqlite3_column_int64(next, 0) : 0;
                sqlite3_finalize(next);
                if (step == SQLITE_ROW) {
                    last = rowid - 1;
                    found = true;
                    break;
                }
                if (step == SQLITE_DONE)
                    break;
            }
            if (!found)
                break;
        }
        if (lostRuns > 0)
            saved.lost << QCoreApplication::translate("DataFile", "some rows of the table %1").arg(table);
    }
    whole.commit();
    if (saved.rows == 0 && !saved.lost.isEmpty()) {
        out.close();
        QFile::remove(target);
        throw db::DbError(
            QCoreApplication::translate("DataFile", "Nothing of '%1' could be read.").arg(damaged));
    }
    return saved;
}

} // namespace datafile
