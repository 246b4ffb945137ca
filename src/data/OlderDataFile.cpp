#include "OlderDataFile.h"

#include <QFile>
#include <QStringList>
#include <mdbtools.h>
#include <memory>
#include <sqlite3.h>
#include <string_view>
#include <vector>

namespace olddata {

namespace {

/// The tables and columns the import reads, in the older file's names.
struct TableCopy {
    const char *table;
    std::vector<const char *> columns;
};
const TableCopy Tables[] = {
    {"Meal",
     {"Meal_ID", "Meal_Name", "Meal_Recipe", "Meal_Morning", "Meal_Snack", "Meal_Noon", "Meal_Night",
      "Meal_Dessert"}},
    {"Made_With", {"Meal_ID", "Ingredients_ID"}},
    {"Ingredients", {"Ingredients_ID", "Ingredients_Description"}},
};

struct MdbClose {
    void operator()(MdbHandle *handle) const { mdb_close(handle); }
};
struct TableFree {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
struct SqliteClose {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StatementFinalize {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

bool startsWithSqliteHeader(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

std::unique_ptr<MdbHandle, MdbClose> openJet(const QString &path) {
    std::unique_ptr<MdbHandle, MdbClose> handle(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (handle && !mdb_read_catalog(handle.get(), MDB_TABLE))
        handle.reset();
    return handle;
}

QString quoted(const char *name) {
    return u'"' + QString::fromLatin1(name) + u'"';
}

/// The column as the copy declares it: texts as text, keys and flags as numbers, `key` as the table's own.
QString declared(const char *name, bool key) {
    const QString column = QString::fromLatin1(name);
    if (key)
        return quoted(name) + QStringLiteral(" INTEGER PRIMARY KEY");
    const bool text = column == QLatin1String("Meal_Name") || column == QLatin1String("Meal_Recipe") ||
                      column == QLatin1String("Ingredients_Description");
    return quoted(name) + (text ? QStringLiteral(" TEXT") : QStringLiteral(" INTEGER"));
}

/// Copies the columns of one table that the older file has; a table it lacks is left out.
bool copyTable(MdbHandle *jet, sqlite3 *out, const TableCopy &copy) {
    QByteArray tableName(copy.table);
    std::unique_ptr<MdbTableDef, TableFree> table(mdb_read_table_by_name(jet, tableName.data(), MDB_TABLE));
    if (!table)
        return true;
    if (!mdb_read_columns(table.get()))
        return false;
    std::vector<std::vector<char>> buffers;
    std::vector<int> lengths(copy.columns.size(), 0);
    QStringList present;
    QStringList declarations;
    std::vector<size_t> bound;
    buffers.reserve(copy.columns.size());
    for (size_t c = 0; c < copy.columns.size(); ++c) {
        buffers.emplace_back(MDB_BIND_SIZE, '\0');
        QByteArray columnName(copy.columns[c]);
        if (mdb_bind_column_by_name(table.get(), columnName.data(), buffers.back().data(), &lengths[c]) > 0) {
            present << quoted(copy.columns[c]);
            // The link table has no key of its own; a recipe's or an ingredient's key is the table's.
            declarations << declared(copy.columns[c], c == 0 && std::string_view(copy.table) != "Made_With");
            bound.push_back(c);
        }
    }
    const QString create =
        QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(copy.table), declarations.join(u','));
    if (sqlite3_exec(out, create.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    if (bound.empty())
        return true;
    QStringList marks;
    for (size_t i = 0; i < bound.size(); ++i)
        marks << QStringLiteral("?");
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quoted(copy.table), present.join(u','), marks.join(u','));
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(out, insert.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        return false;
    std::unique_ptr<sqlite3_stmt, StatementFinalize> statement(raw);
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        for (size_t i = 0; i < bound.size(); ++i) {
            const size_t c = bound[i];
            // An empty value is a null one: the reader gives both as no bytes.
            if (lengths[c] <= 0)
                sqlite3_bind_null(statement.get(), int(i) + 1);
            else
                sqlite3_bind_text(statement.get(), int(i) + 1, buffers[c].data(), lengths[c],
                                  SQLITE_TRANSIENT);
        }
        if (sqlite3_step(statement.get()) != SQLITE_DONE)
            return false;
        sqlite3_reset(statement.get());
        sqlite3_clear_bindings(statement.get());
    }
    return true;
}

} // namespace

Kind kindOf(const QString &path) {
    if (startsWithSqliteHeader(path))
        return Kind::Current;
    return openJet(path) ? Kind::Jet : Kind::Unreadable;
}

bool convert(const QString &source, const QString &target) {
    QFile::remove(target);
    switch (kindOf(source)) {
    case Kind::Unreadable:
        return false;
    case Kind::Current:
        return QFile::copy(source, target);
    case Kind::Jet:
        break;
    }
    const std::unique_ptr<MdbHandle, MdbClose> jet = openJet(source);
    sqlite3 *raw = nullptr;
    if (!jet || sqlite3_open(QFile::encodeName(target).constData(), &raw) != SQLITE_OK) {
        sqlite3_close(raw);
        return false;
    }
    std::unique_ptr<sqlite3, SqliteClose> out(raw);
    sqlite3_exec(out.get(), "BEGIN", nullptr, nullptr, nullptr);
    for (const TableCopy &copy : Tables) {
        if (!copyTable(jet.get(), out.get(), copy)) {
            out.reset();
            QFile::remove(target);
            return false;
        }
    }
    return sqlite3_exec(out.get(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace olddata
