#pragma once

#include "DbError.h"

#include <QString>

namespace db {

/// Raised when another running program holds the data file.
class DataFileInUse : public DbError {
public:
    using DbError::DbError;
};

/// Keeps one running program per data file: an exclusive advisory lock on the file, held while this object
/// lives and released by the system when the process ends, however it ends. Other tools that open the file
/// (the sqlite3 shell) are not kept out; only a second program of ours is.
class DataFileLock {
public:
    /// Takes the lock; throws DataFileInUse when another program holds it and DbError when the file cannot
    /// be opened at all (the caller's own open reports that better, so a missing file is let through).
    explicit DataFileLock(const QString &path);
    ~DataFileLock();
    DataFileLock(const DataFileLock &) = delete;
    DataFileLock &operator=(const DataFileLock &) = delete;

    /// The message a second program shows.
    static QString inUseMessage(const QString &path);

private:
    int m_fd = -1;
};

} // namespace db
