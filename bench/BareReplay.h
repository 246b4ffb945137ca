#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

/// The statements a connection runs, each with its values written in, so that the same work can be timed
/// again on a plain connection of the stock engine: the "bare" figure beside an operation of the program.
class StatementLog {
public:
    explicit StatementLog(db::Connection &connection);
    ~StatementLog();
    StatementLog(const StatementLog &) = delete;
    StatementLog &operator=(const StatementLog &) = delete;

    /// What was run since the log began (or since the last call), in order.
    QStringList take();

private:
    db::Connection &m_connection;
    QStringList m_statements;
};

/// Median milliseconds of running `statements` in order on a plain connection to `path`, over `runs` runs;
/// every row of every statement is stepped through.
double bareMs(const QString &path, const QStringList &statements, int runs = 7);

/// Resident memory of this process in MiB (`field` "VmRSS:"), or its peak ("VmHWM:").
double residentMb(const char *field = "VmRSS:");

/// Starts counting the peak of resident memory afresh.
void resetPeak();
