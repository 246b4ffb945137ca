#include "Connection.h"

#include "DbError.h"
#include "Dialect.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <sqlite3.h>
#include <sys/stat.h>
#include <utility>

namespace db {

namespace {

std::function<void(bool)> &waitIndicator() {
    static std::function<void(bool)> indicator;
    return indicator;
}

bool isLockFailure(int code) {
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

} // namespace

Connection::Connection(QString dataSource)
    : m_dataSource(std::move(dataSource)) {}

Connection::~Connection() {
    close();
}

void Connection::setDataSource(const QString &path) {
    close();
    m_dataSource = path;
}

void Connection::setReadOnly(const QString &reason) {
    m_readOnly = reason;
    // An open connection stops writing at once.
    if (m_handle != nullptr)
        sqlite3_exec(m_handle, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
}

void Connection::open() {
    if (m_handle != nullptr)
        return;
    const QFileInfo info(m_dataSource);
    if (!info.exists() || !info.isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(info.absoluteFilePath()));
    sqlite3 *handle = nullptr;
    const QByteArray path = QFile::encodeName(m_dataSource);
    const int rc = sqlite3_open_v2(
        path.constData(), &handle,
        (isReadOnly() ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = handle != nullptr ? QString::fromUtf8(sqlite3_errmsg(handle))
                                                  : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(handle);
        throw DbError(QStringLiteral("Cannot open '%1': %2").arg(m_dataSource, message));
    }
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_handler(handle, &Connection::busyHandler, this);
    dialect::install(handle);
    // The engine reads the file lazily; make it read now so that a file that is no database fails here.
    char *error = nullptr;
    const int rc2 = sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &error);
    endWait();
    if (rc2 != SQLITE_OK) {
        const QString message = QString::fromUtf8(error != nullptr ? error : sqlite3_errmsg(handle));
        sqlite3_free(error);
        sqlite3_close(handle);
        if (isLockFailure(rc2))
            throw DbError(lockedMessage(m_dataSource));
        throw DbError(QStringLiteral("Cannot open '%1': %2").arg(m_dataSource, message));
    }
    if (isReadOnly())
        sqlite3_exec(handle, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    // Indexes ordered by the stock NOCASE would be spoilt by the first write through ours.
    const int repaired = isReadOnly() ? SQLITE_OK : dialect::dropCaseOrderedIndexes(handle);
    endWait();
    if (repaired != SQLITE_OK && (repaired & 0xff) != SQLITE_READONLY) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close(handle);
        if (isLockFailure(repaired))
            throw DbError(lockedMessage(m_dataSource));
        throw DbError(QStringLiteral("Cannot open '%1': %2").arg(m_dataSource, message));
    }
    // Keep recently read pages: datasets re-read whole tables. The file is not memory-mapped: reading a
    // book of photographs through a mapping would keep every page read in the program's memory.
    // Sorting and DISTINCT work in memory rather than in a temporary file.
    sqlite3_exec(handle, "PRAGMA cache_size=-16384; PRAGMA temp_store=MEMORY", nullptr, nullptr, nullptr);
    m_handle = handle;
    struct stat opened {};
    if (::stat(path.constData(), &opened) == 0) {
        m_device = quint64(opened.st_dev);
        m_inode = quint64(opened.st_ino);
    }
    sqlite3_update_hook(handle, &Connection::rowChanged, this);
    m_totalChangesBefore = sqlite3_total_changes64(handle);
    m_rowsToldBefore = m_rowsTold;
}

void Connection::rowChanged(void *self, int, const char *database, const char *table, sqlite3_int64) {
    auto *connection = static_cast<Connection *>(self);
    ++connection->m_rowsTold;
    // Rows come in runs of one table: its key is made once per run.
    const QByteArray seen = QByteArray(database) + '.' + QByteArray(table);
    if (seen != connection->m_lastTableSeen) {
        connection->m_lastTableSeen = seen;
        connection->m_lastTableKey = QString::fromUtf8(seen).toLower();
    }
    connection->m_lastWrite.insert(connection->m_lastTableKey, ++connection->m_writeSequence);
}

bool Connection::fileInPlace() const {
    if (m_inode == 0)
        return true;
    struct stat now {};
    return ::stat(QFile::encodeName(m_dataSource).constData(), &now) == 0 &&
           quint64(now.st_dev) == m_device && quint64(now.st_ino) == m_inode;
}

bool Connection::putBackIfDeleted() {
    const QByteArray path = QFile::encodeName(m_dataSource);
    struct stat now {};
    if (m_handle == nullptr || m_inode == 0 || ::stat(path.constData(), &now) == 0 || errno != ENOENT)
        return false;
    // The book as this connection still holds it goes to a new file at its old place, page by page.
    sqlite3 *copy = nullptr;
    bool done = false;
    if (sqlite3_open_v2(path.constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
        SQLITE_OK) {
        if (sqlite3_backup *backup = sqlite3_backup_init(copy, "main", m_handle, "main")) {
            done = sqlite3_backup_step(backup, -1) == SQLITE_DONE;
            done = sqlite3_backup_finish(backup) == SQLITE_OK && done;
        }
    }
    sqlite3_close(copy);
    return done;
}

void Connection::close() {
    if (m_handle == nullptr)
        return;
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
}

void Connection::execute(const QString &statement) {
    Statement s(*this, statement);
    while (s.step()) {
    }
}

qint64 Connection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(handle());
}

int Connection::changes() const {
    return sqlite3_changes(handle());
}

void Connection::setLockWait(int milliseconds) {
    m_lockWait = milliseconds;
}

void Connection::setWaitIndicator(std::function<void(bool waiting)> indicator) {
    waitIndicator() = std::move(indicator);
}

int Connection::busyHandler(void *self, int attempt) {
    auto *connection = static_cast<Connection *>(self);
    if (attempt == 0) {
        connection->m_waiting.start();
        if (!connection->m_indicating && waitIndicator()) {
            connection->m_indicating = true;
            waitIndicator()(true);
        }
    }
    const qint64 left = connection->m_lockWait - connection->m_waiting.elapsed();
    if (left <= 0)
        return 0;
    // Short sleeps first, so that a lock held for a moment costs little.
    QThread::msleep(ulong(std::min<qint64>(left, attempt < 10 ? 2 : 25)));
    return 1;
}

void Connection::endWait() {
    if (!m_indicating)
        return;
    m_indicating = false;
    if (waitIndicator())
        waitIndicator()(false);
}

QString Connection::lockedMessage(const QString &path) {
    return QStringLiteral("The recipe book '%1' is being used by another program, which keeps it locked. "
                          "Close that program, or let it finish, and try again. Nothing was changed.")
        .arg(QFileInfo(path).absoluteFilePath());
}

QString Connection::failureMessage(int code) const {
    if (isLockFailure(code))
        return lockedMessage(m_dataSource);
    const QString file = QFileInfo(m_dataSource).absoluteFilePath();
    switch (code & 0xff) {
    case SQLITE_READONLY:
        return isReadOnly()
                   ? QStringLiteral("The recipe book '%1' is open read-only (%2), so nothing can be changed. "
                                    "Nothing was saved.")
                         .arg(file, m_readOnly)
                   : QStringLiteral("The recipe book '%1' cannot be written: the file or its folder is "
                                    "read-only. Nothing was saved; make them writable and start Mealvane "
                                    "again.")
                         .arg(file);
    case SQLITE_FULL:
        return QStringLiteral("The disk holding the recipe book '%1' is full, so this could not be saved, "
                              "and nothing of it was kept. Make room on the disk and try again.")
            .arg(file);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return isReadOnly()
                   ? QStringLiteral("The recipe book '%1' is damaged, and this part of it cannot be read.")
                         .arg(file)
                   : QStringLiteral(
                         "The recipe book '%1' is damaged: parts of it cannot be read. Nothing was "
                         "saved. Close Mealvane: when it starts again it opens the book read-only "
                         "and offers to save what can be read into a new file.")
                         .arg(file);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return QStringLiteral("The recipe book '%1' could not be read or written (%2): the disk may have "
                              "gone, or the file or its folder been moved. Nothing was saved.")
            .arg(file, lastError());
    default:
        return lastError();
    }
}

qint64 Connection::pragmaValue(const char *name) {
    Statement pragma(*this, QStringLiteral("PRAGMA ") + QLatin1String(name));
    return pragma.step() ? pragma.value(0).toLongLong() : -1;
}

Connection::Version Connection::versionFor(const QString &statement) {
    Version now;
    now.others = pragmaValue("data_version");
    now.schema = pragmaValue("schema_version");
    // A changed schema may read other tables under the same words (a view made anew).
    if (now.schema != m_schemaSeen) {
        m_tablesRead.clear();
        m_schemaSeen = now.schema;
    }
    // Rows the engine changed without naming their table (a DELETE of a whole table, rows of a failed
    // statement) count as a write to every table.
    const qint64 total = sqlite3_total_changes64(handle());
    if (total - m_totalChangesBefore != m_rowsTold - m_rowsToldBefore)
        m_lastUntold = ++m_writeSequence;
    m_totalChangesBefore = total;
    m_rowsToldBefore = m_rowsTold;
    const std::optional<QStringList> &tables = tablesRead(statement);
    if (!tables) {
        now.own = -++m_writeSequence;
        return now;
    }
    now.own = m_lastUntold;
    for (const QString &table : *tables)
        now.own = std::max(now.own, m_lastWrite.value(table, 0));
    return now;
}

namespace {

struct TablesSeen {
    QStringList read;
    bool writes = false;
};

int noteTable(void *seen, int action, const char *table, const char *, const char *database, const char *) {
    auto &tables = *static_cast<TablesSeen *>(seen);
    switch (action) {
    case SQLITE_READ: {
        const QString name = (QString::fromUtf8(database != nullptr ? database : "main") + u'.' +
                              QString::fromUtf8(table != nullptr ? table : ""))
                                 .toLower();
        if (!tables.read.contains(name))
            tables.read << name;
        break;
    }
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        break;
    default:
        // Anything else (a write, a pragma, a schema change) is not a plain read.
        tables.writes = true;
    }
    return SQLITE_OK;
}

} // namespace

const std::optional<QStringList> &Connection::tablesRead(const QString &statement) {
    const auto known = m_tablesRead.constFind(statement);
    if (known != m_tablesRead.cend())
        return *known;
    TablesSeen seen;
    sqlite3_set_authorizer(handle(), &noteTable, &seen);
    bool prepared = true;
    try {
        Statement probe(*this, statement);
    } catch (const DbError &) {
        prepared = false;
    }
    sqlite3_set_authorizer(handle(), nullptr, nullptr);
    std::optional<QStringList> tables;
    if (prepared && !seen.writes)
        tables = seen.read;
    return *m_tablesRead.insert(statement, tables);
}

void Connection::addPlan(Plan plan) {
    m_plans.push_back(std::move(plan));
}

QString Connection::planned(QString statement) const {
    for (const Plan &plan : m_plans) {
        if (std::optional<QString> better = plan(statement))
            return *std::move(better);
    }
    return statement;
}

bool Connection::inTransaction() const {
    return m_handle != nullptr && sqlite3_get_autocommit(m_handle) == 0;
}

sqlite3 *Connection::handle() const {
    if (m_handle == nullptr)
        throw DbError(QStringLiteral("Operation is not allowed when the connection is closed."));
    return m_handle;
}

QString Connection::lastError() const {
    return m_handle != nullptr ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : QString();
}

Statement::Statement(Connection &connection, const QString &text)
    : m_connection(connection) {
    const QByteArray utf8 = connection.planned(dialect::translate(text)).toUtf8();
    const char *tail = nullptr;
    sqlite3 *handle = connection.handle();
    const int rc = sqlite3_prepare_v2(handle, utf8.constData(), int(utf8.size()), &m_statement, &tail);
    connection.endWait();
    if (rc != SQLITE_OK)
        throw DbError(connection.failureMessage(rc));
    if (m_statement == nullptr)
        throw DbError(
            QStringLiteral("Invalid SQL statement; expected 'DELETE', 'INSERT', 'SELECT' or 'UPDATE'."));
    // One statement at a time: only a trailing ";" and blanks may follow it.
    for (const char *p = tail; p != nullptr && *p != '\0'; ++p) {
        if (*p != ';' && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n') {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
            throw DbError(QStringLiteral("Characters found after end of SQL statement."));
        }
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

int Statement::parameterCount() const {
    return sqlite3_bind_parameter_count(m_statement);
}

QString Statement::parameterName(int index) const {
    const char *name = sqlite3_bind_parameter_name(m_statement, index);
    if (name == nullptr)
        return {};
    return QString::fromUtf8(name + 1);
}

void Statement::bind(int index, const QVariant &value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_statement, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_statement, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(m_statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_statement, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_statement, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_statement, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DbError(m_connection.lastError());
}

bool Statement::bind(const QString &name, const QVariant &value) {
    bool found = false;
    for (int i = 1, n = parameterCount(); i <= n; ++i) {
        if (parameterName(i).compare(name, Qt::CaseInsensitive) == 0) {
            bind(i, value);
            found = true;
        }
    }
    return found;
}

bool Statement::step() {
    const bool writes = sqlite3_stmt_readonly(m_statement) == 0;
    if (writes && m_connection.m_writeGate)
        std::exchange(m_connection.m_writeGate, {})();
    // Rows written to a data file deleted meanwhile would be lost with it when the program ends.
    if (writes && !m_connection.fileInPlace())
        throw DbError(QStringLiteral(
                          "The recipe book '%1' was deleted or moved while Mealvane was running, so this was "
                          "not saved. Close Mealvane: when nothing else has taken its place, the book is put "
                          "back there as it was, and you can start Mealvane again.")
                          .arg(QFileInfo(m_connection.dataSource()).absoluteFilePath()));
    const int rc = sqlite3_step(m_statement);
    m_connection.endWait();
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = m_connection.failureMessage(rc);
    sqlite3_reset(m_statement);
    throw DbError(message);
}

void Statement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString Statement::columnDeclaredType(int column) const {
    return QString::fromUtf8(sqlite3_column_decltype(m_statement, column));
}

QString Statement::columnTable(int column) const {
    return QString::fromUtf8(sqlite3_column_table_name(m_statement, column));
}

QString Statement::columnOrigin(int column) const {
    return QString::fromUtf8(sqlite3_column_origin_name(m_statement, column));
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
                              sqlite3_column_bytes(m_statement, column)));
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(m_statement, column);
        return QVariant(
            QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_statement, column)));
    }
    default:
        return QVariant();
    }
}

} // namespace db
