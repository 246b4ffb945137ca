#include "Transaction.h"

#include "Connection.h"

#include <QString>
#include <sqlite3.h>
#include <utility>

namespace db {

Transaction::Transaction(Connection &connection)
    : m_connection(&connection)
    , m_nested(sqlite3_get_autocommit(connection.handle()) == 0) {
    // Inside another transaction this one is a savepoint: it undoes only its own part, and the outer one
    // decides what lasts.
    connection.execute(m_nested ? QStringLiteral("SAVEPOINT guard") : QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    rollback();
}

Transaction::Transaction(Transaction &&other) noexcept
    : m_connection(std::exchange(other.m_connection, nullptr))
    , m_nested(other.m_nested) {}

Transaction &Transaction::operator=(Transaction &&other) noexcept {
    if (this != &other) {
        rollback();
        m_connection = std::exchange(other.m_connection, nullptr);
        m_nested = other.m_nested;
    }
    return *this;
}

void Transaction::commit() {
    if (m_connection == nullptr)
        return;
    m_connection->execute(m_nested ? QStringLiteral("RELEASE guard") : QStringLiteral("COMMIT"));
    m_connection = nullptr;
}

void Transaction::rollback() {
    if (m_connection == nullptr)
        return;
    Connection *connection = std::exchange(m_connection, nullptr);
    // A failed statement may already have ended the transaction; rolling back then is a no-op.
    if (!connection->isOpen() || sqlite3_get_autocommit(connection->handle()) != 0)
        return;
    if (m_nested)
        sqlite3_exec(connection->handle(), "ROLLBACK TO guard; RELEASE guard", nullptr, nullptr, nullptr);
    else
        sqlite3_exec(connection->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace db
