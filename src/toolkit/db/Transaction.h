#pragma once

namespace db {

class Connection;

/// Holds a write transaction open: everything done through the connection meanwhile takes effect together
/// at `commit`, or not at all when the guard goes without it. Move-only.
class Transaction {
public:
    /// Begins at once, taking the write lock (waiting for another program's lock as statements do).
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(Transaction &&other) noexcept;
    Transaction &operator=(Transaction &&other) noexcept;
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_connection != nullptr; }

private:
    Connection *m_connection;
    bool m_nested;
};

} // namespace db
