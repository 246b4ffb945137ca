#include "OlderDataFile.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <mdbtools.h>
#include <memory>
#include <optional>
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

/// The whole text of the memo value the last fetched row holds in `column`, or nothing when the value is
/// damaged (a page it names is missing, or its pieces do not add up to its length). A null memo is empty.
std::optional<QByteArray> memoText(MdbHandle *jet, const MdbColumn *column) {
    const int size = column->cur_value_len;
    if (size == 0)
        return QByteArray();
    if (size < MDB_MEMO_OVERHEAD)
        return std::nullopt;
    auto *row = static_cast<unsigned char *>(static_cast<void *>(jet->pg_buf));
    const int start = column->cur_value_start;
    const auto header = quint32(mdb_get_int32(row, start));
    const quint32 length = header & 0x3fffffffU;
    QByteArray stored;
    if ((header & 0x80000000U) != 0) {
        // Kept in the row itself.
        if (length > quint32(size - MDB_MEMO_OVERHEAD))
            return std::nullopt;
        stored = QByteArray(reinterpret_cast<const char *>(row + start + MDB_MEMO_OVERHEAD), int(length));
    } else if ((header & 0x40000000U) != 0 || (header & 0xff000000U) == 0) {
        // On one other page, or on a chain of them.
        const bool chained = (header & 0x40000000U) == 0;
        int pointer = int(mdb_get_int32(row, start + 4));
        // Every piece of a sound chain carries part of the text, so a longer chain loops.
        for (quint64 visited = 0; pointer != 0; ++visited) {
            void *page = nullptr;
            int offset = 0;
            size_t pieceLength = 0;
            if (visited > length || mdb_find_pg_row(jet, pointer, &page, &offset, &pieceLength) != 0)
                return std::nullopt;
            const char *piece = static_cast<const char *>(page) + offset;
            if (!chained) {
                stored.append(piece, qsizetype(std::min<size_t>(pieceLength, length)));
                break;
            }
            if (pieceLength < 4 || quint64(stored.size()) + pieceLength - 4 > length)
                return std::nullopt;
            stored.append(piece + 4, qsizetype(pieceLength - 4));
            pointer = int(mdb_get_int32(const_cast<char *>(piece), 0));
        }
        if (quint32(stored.size()) != length)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (stored.isEmpty())
        return QByteArray();
    // Text is stored as UTF-16 or in the compressed one-byte form; either takes at most three bytes a unit
    // as UTF-8.
    QByteArray text(stored.size() * 3 + 16, '\0');
    const int written =
        mdb_unicode2ascii(jet, stored.constData(), size_t(stored.size()), text.data(), size_t(text.size()));
    text.truncate(std::max(0, std::min(written, int(text.size()))));
    return text;
}

/// Copies the columns of one table that the older file has. False when the table or a column the import
/// needs is missing, or when any of its rows cannot be read whole: the import takes a file whole or not at
/// all.
bool copyTable(MdbHandle *jet, sqlite3 *out, const TableCopy &copy) {
    QByteArray tableName(copy.table);
    std::unique_ptr<MdbTableDef, TableFree> table(mdb_read_table_by_name(jet, tableName.data(), MDB_TABLE));
    if (!table || !mdb_read_columns(table.get()))
        return false;
    const size_t count = copy.columns.size();
    std::vector<std::vector<char>> buffers(count);
    std::vector<int> lengths(count, 0);
    std::vector<const MdbColumn *> memos(count, nullptr);
    QStringList names;
    QStringList declarations;
    for (size_t c = 0; c < count; ++c) {
        QByteArray columnName(copy.columns[c]);
        const MdbColumn *column = nullptr;
        for (unsigned i = 0; i < table->num_cols; ++i) {
            const auto *candidate = static_cast<const MdbColumn *>(g_ptr_array_index(table->columns, i));
            if (QByteArray(candidate->name).compare(columnName, Qt::CaseInsensitive) == 0)
                column = candidate;
        }
        if (column == nullptr)
            return false;
        if (column->col_type == MDB_MEMO) {
            // Read whole after each fetch; the bound form would cut it to the bind size.
            memos[c] = column;
        } else {
            buffers[c].assign(MDB_BIND_SIZE, '\0');
            if (mdb_bind_column_by_name(table.get(), columnName.data(), buffers[c].data(), &lengths[c]) <= 0)
                return false;
        }
        names << quoted(copy.columns[c]);
        // The link table has no key of its own; a recipe's or an ingredient's key is the table's.
        declarations << declared(copy.columns[c], c == 0 && std::string_view(copy.table) != "Made_With");
    }
    const QString create =
        QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(copy.table), declarations.join(u','));
    if (sqlite3_exec(out, create.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    QStringList marks;
    for (size_t i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quoted(copy.table), names.join(u','), marks.join(u','));
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(out, insert.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        return false;
    std::unique_ptr<sqlite3_stmt, StatementFinalize> statement(raw);
    // A table whose page map is missing or empty is damaged: the library would follow a null map.
    if (table->usage_map == nullptr || table->map_sz == 0)
        return false;
    mdb_rewind_table(table.get());
    quint64 rows = 0;
    while (mdb_fetch_row(table.get())) {
        ++rows;
        for (size_t c = 0; c < count; ++c) {
            const int parameter = int(c) + 1;
            if (memos[c] != nullptr) {
                const std::optional<QByteArray> text = memoText(jet, memos[c]);
                if (!text)
                    return false;
                if (text->isEmpty())
                    sqlite3_bind_null(statement.get(), parameter);
                else
                    sqlite3_bind_text64(statement.get(), parameter, text->constData(),
                                        sqlite3_uint64(text->size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            } else if (lengths[c] <= 0) {
                // An empty value is a null one: the reader gives both as no bytes.
                sqlite3_bind_null(statement.get(), parameter);
            } else {
                sqlite3_bind_text(statement.get(), parameter, buffers[c].data(),
                                  std::min(lengths[c], int(buffers[c].size())), SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(statement.get()) != SQLITE_DONE)
            return false;
        sqlite3_reset(statement.get());
        sqlite3_clear_bindings(statement.get());
    }
    // The reader ends a table quietly when a page cannot be read or a row cannot be taken apart; the count
    // the table keeps tells whether every row came.
    return rows == table->num_rows;
}

bool copyCurrent(const QString &source, const QString &target) {
    if (!QFile::copy(source, target))
        return false;
    // A damaged file of this release is refused here rather than half-way through the import.
    sqlite3 *raw = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(target).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, SqliteClose> copy(raw);
    bool sound = false;
    sqlite3_stmt *check = nullptr;
    if (rc == SQLITE_OK &&
        sqlite3_prepare_v2(copy.get(), "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK) {
        sound = sqlite3_step(check) == SQLITE_ROW &&
                std::string_view(reinterpret_cast<const char *>(sqlite3_column_text(check, 0))) == "ok" &&
                sqlite3_step(check) == SQLITE_DONE;
    }
    sqlite3_finalize(check);
    copy.reset();
    if (!sound)
        QFile::remove(target);
    return sound;
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
        return copyCurrent(source, target);
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
    bool whole = true;
    for (const TableCopy &copy : Tables)
        whole = whole && copyTable(jet.get(), out.get(), copy);
    whole = whole && sqlite3_exec(out.get(), "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    out.reset();
    if (!whole)
        QFile::remove(target);
    return whole;
}

} // namespace olddata
