#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace db {
class Connection;
}

/// Making a new data file from the schema and starter book that ship with the program.
namespace datafile {

/// The SQL that creates every table, index and stored query of an empty data file.
QString schemaSql();
/// The SQL that fills an empty data file with the starter recipe book.
QString starterSql();

/// Creates a data file at `path` and runs the scripts on it. Refuses (throws db::DbError) when a file is
/// already there: an existing data file is never overwritten. A file left half made is removed.
void create(const QString &path, const QStringList &scripts);

/// The engine's message for a failed operation, said in a household's words where the data file refused
/// a value: the file's checks name a column, the user knows the field. Other messages pass unchanged.
QString householdMessage(const QString &engineMessage);

/// Brings a data file written by an earlier build, or changed by another tool, up to the schema: each index
/// it defines is created when missing, and so is each table and column added since the first release; a view
/// whose definition differs is made again. Rows are never touched.
void upgrade(db::Connection &connection);

/// The layout of the files this build writes, kept in the file's user_version: a file of a higher number
/// was written by a later build.
constexpr int Layout = 3;

/// What a data file is fit for, found before the program uses it.
struct Health {
    enum class State {
        Sound,
        /// Opened read-only: the file or its folder cannot be written.
        ReadOnly,
        /// Opened read-only: the file fails the engine's check; what can be read may be saved elsewhere.
        Damaged,
        /// Opened read-only: written by a later build or another program (tables, columns or views this
        /// build does not know), so that writing could spoil what that program keeps.
        Foreign,
        /// Not opened at all: missing, empty or no database.
        Unusable,
    };
    State state = State::Sound;
    /// Why the book is read-only, in a few words ("the file cannot be written"); empty when it is not.
    QString reason;
    /// Said to the user in words, naming the file and what to do; empty for a sound file.
    QString message;
    bool readOnly() const {
        return state == State::ReadOnly || state == State::Damaged || state == State::Foreign;
    }
};

/// Looks at the data file at `path` without writing to it: whether it is there, can be written, passes the
/// engine's quick check (unless `withQuickCheck` is false) and is of a layout this build knows.
Health examine(const QString &path, bool withQuickCheck = true);

/// The engine's quick check alone (it reads every page): a damaged book's health, or a sound one. Any
/// thread may run it; `interrupt` gets the handle it runs on (and nothing when it is done), so that it can
/// be stopped, which gives a sound health.
Health quickCheck(const QString &path, const std::function<void(void *handle)> &interrupt = {});

/// The engine's full check of the data file at `path` (every page, every index against its table), run on
/// a connection of its own so that any thread may run it; empty when the file passes, else what is wrong
/// in words. `interrupt` gets the connection's handle while the check runs, so that it can be stopped
/// (`interrupted` then tells so, and nothing is said to be wrong).
QString fullCheck(const QString &path, const std::function<void(void *handle)> &interrupt = {},
                  bool *interrupted = nullptr);

/// The newest backup of the data file at `path` that passes the engine's check (kept in "backups" beside
/// the data file's folder), or nothing.
QString lastGoodBackup(const QString &path);

/// What a salvage saved.
struct Salvage {
    qint64 rows = 0;
    qint64 recipes = 0;
    /// Rows or whole tables that could not be read.
    QStringList lost;
};

/// Saves what can be read of the (damaged) data file `damaged` into a new data file `target`, table by
/// table and row by row, stepping over the parts that cannot be read; `damaged` is only read. Throws
/// db::DbError when `target` cannot be made or nothing of the file can be read.
Salvage salvage(const QString &damaged, const QString &target);

} // namespace datafile
