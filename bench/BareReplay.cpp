#include "BareReplay.h"

#include "toolkit/db/Connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace {

int traced(unsigned int, void *context, void *statement, void *) {
    auto *statements = static_cast<QStringList *>(context);
    char *text = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(statement));
    if (text != nullptr) {
        statements->append(QString::fromUtf8(text));
        sqlite3_free(text);
    }
    return 0;
}

} // namespace

StatementLog::StatementLog(db::Connection &connection)
    : m_connection(connection) {
    sqlite3_trace_v2(connection.handle(), SQLITE_TRACE_STMT, &traced, &m_statements);
}

StatementLog::~StatementLog() {
    sqlite3_trace_v2(m_connection.handle(), 0, nullptr, nullptr);
}

QStringList StatementLog::take() {
    return std::exchange(m_statements, {});
}

double bareMs(const QString &path, const QStringList &statements, int runs) {
    sqlite3 *bare = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &bare, SQLITE_OPEN_READWRITE, nullptr);
    std::vector<QByteArray> texts;
    for (const QString &statement : statements)
        texts.push_back(statement.toUtf8());
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray &text : texts) {
            sqlite3_stmt *s = nullptr;
            sqlite3_prepare_v2(bare, text.constData(), int(text.size()), &s, nullptr);
            while (sqlite3_step(s) == SQLITE_ROW) {
            }
            sqlite3_finalize(s);
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    sqlite3_close(bare);
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : times[times.size() / 2];
}

void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double residentMb(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}
