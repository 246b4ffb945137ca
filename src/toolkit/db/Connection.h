#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class Statement;

/// One open data file. Every statement goes through the dialect of `dialect.h`; several connections may have
/// the same file open at once, and a writer waits for another program's lock before it reports failure.
class Connection {
public:
    explicit Connection(QString dataSource = {});
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    /// Path of the data file, relative to the working directory unless absolute.
    const QString &dataSource() const { return m_dataSource; }
    void setDataSource(const QString &path);

    /// Opens the existing data file; throws DbError when it is missing or is no database.
    void open();
    /// Makes the connection read-only for `reason` (in words: "the file cannot be written"): at once when it
    /// is open, and at the engine from the next `open` on; a write is refused naming the reason.
    void setReadOnly(const QString &reason);
    bool isReadOnly() const { return !m_readOnly.isEmpty(); }

    /// Called before the first statement that writes (once): a check of the file still running may finish
    /// first, and make the connection read-only.
    void setWriteGate(std::function<void()> gate) { m_writeGate = std::move(gate); }

    /// Whether the file the connection opened is still at its path: false once it was deleted or another
    /// file was put there (the connection goes on reading and writing the one it opened).
    bool fileInPlace() const;
    /// When the opened file was deleted from its path, writes it back there as it stands now (nothing is
    /// written over another file); true when it did.
    bool putBackIfDeleted();
    const QString &readOnlyReason() const { return m_readOnly; }
    void close();
    bool isOpen() const { return m_handle != nullptr; }

    /// Runs one statement that returns no rows.
    void execute(const QString &statement);
    qint64 lastInsertRowId() const;
    /// Whether a transaction is open on the connection.
    bool inTransaction() const;
    /// Rows changed by the last statement.
    int changes() const;

    /// A statement the system writes in a form the engine runs slowly, given back in an equivalent form it
    /// runs well; nothing for any other statement.
    using Plan = std::function<std::optional<QString>(const QString &statement)>;
    /// Adds a plan that every statement prepared on this connection passes through (after the dialect's
    /// spelling); the first plan that answers wins.
    void addPlan(Plan plan);

    /// What a read depended on: another program's writes, the schema, and this connection's writes to the
    /// tables it read. While the version stays the same, what was read is still what the file holds.
    struct Version {
        qint64 others = -1;
        qint64 own = -1;
        qint64 schema = -1;
        bool operator==(const Version &) const = default;
    };
    /// The version of what `statement` reads: it changes when rows of a table the statement reads have been
    /// written, and stays as it was after a write elsewhere. Any write this connection cannot tell the table
    /// of (rows cleared by a whole-table DELETE, rows undone), any change of the schema and any write by
    /// another connection change it too. A statement that writes, or that cannot be prepared, never has the
    /// same version twice.
    Version versionFor(const QString &statement);

    /// How long a statement waits for another connection's lock, in milliseconds.
    void setLockWait(int milliseconds);

    /// Called with true when a statement starts waiting for another program's lock and with false when the
    /// wait is over; the windows show a busy cursor meanwhile. One for every connection of the process.
    static void setWaitIndicator(std::function<void(bool waiting)> indicator);

    /// The error for a failed call that returned `code`: a lock held elsewhere is told in plain words
    /// naming the file; anything else carries the engine's message.
    QString failureMessage(int code) const;
    /// The message for a data file that another program keeps locked.
    static QString lockedMessage(const QString &path);

    sqlite3 *handle() const;
    /// The engine's last message on this connection.
    QString lastError() const;

private:
    static int busyHandler(void *self, int attempt);
    static void rowChanged(void *self, int operation, const char *database, const char *table, qint64 rowid);
    /// The tables `statement` reads ("main.meal"), or nothing for a statement that writes or fails.
    const std::optional<QStringList> &tablesRead(const QString &statement);
    /// The number a pragma such as "data_version" answers, -1 when it answers nothing.
    qint64 pragmaValue(const char *name);
    QString planned(QString statement) const;
    void endWait();

    QString m_dataSource;
    QString m_readOnly;
    std::function<void()> m_writeGate;
    sqlite3 *m_handle = nullptr;
    // The device and inode of the file opened, to tell it from another put at the same path.
    quint64 m_device = 0, m_inode = 0;
    int m_lockWait = 5000;
    QElapsedTimer m_waiting;
    bool m_indicating = false;
    std::vector<Plan> m_plans;
    // Every row written through this connection moves the write sequence on and is noted against its table.
    qint64 m_writeSequence = 0;
    QHash<QString, qint64> m_lastWrite;
    QByteArray m_lastTableSeen;
    QString m_lastTableKey;
    qint64 m_lastUntold = 0;
    qint64 m_rowsTold = 0;
    qint64 m_rowsToldBefore = 0;
    qint64 m_totalChangesBefore = 0;
    QHash<QString, std::optional<QStringList>> m_tablesRead;
    qint64 m_schemaSeen = -1;
    friend class Statement;
};

/// A prepared statement. Parameters `:name` are bound by name without regard to case; values are read as
/// QVariant (null, qint64, double, QString, QByteArray).
class Statement {
public:
    Statement(Connection &connection, const QString &text);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    int parameterCount() const;
    /// Name of parameter `index` (1-based) without its leading colon.
    QString parameterName(int index) const;
    void bind(int index, const QVariant &value);
    /// Binds every parameter of that name; returns false when the statement has none.
    bool bind(const QString &name, const QVariant &value);

    /// Advances to the next row; false when there are no more. Throws DbError on failure.
    bool step();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    /// The declared type of the column it reads, empty for expressions.
    QString columnDeclaredType(int column) const;
    QString columnTable(int column) const;
    /// The table column a result column reads, empty for expressions.
    QString columnOrigin(int column) const;
    /// Whether the result column holds NULL in the current row, read without loading its value.
    bool isNull(int column) const;
    QVariant value(int column) const;

private:
    Connection &m_connection;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace db
