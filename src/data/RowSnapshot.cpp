#include "RowSnapshot.h"

#include "toolkit/db/Connection.h"

QStringList tableColumns(db::Connection &c, const QString &table) {
    QStringList names;
    db::Statement info(c, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    info.bind(1, table);
    while (info.step())
        names << info.value(0).toString();
    return names;
}

namespace {

/// A name as the book's statements write one that may clash with a word of the language.
QString quoted(const QString &name) {
    return u'[' + name + u']';
}

} // namespace

RowSnapshot RowSnapshot::columns(db::Connection &c, const QString &table, const QStringList &columns,
                                 const QString &where, const QVariantList &values) {
    RowSnapshot snapshot;
    snapshot.m_table = table;
    snapshot.m_whole = false;
    snapshot.m_columns = QStringList{QStringLiteral("rowid")} + columns;
    QStringList select;
    for (const QString &column : snapshot.m_columns)
        select << (column == QLatin1String("rowid") ? column : quoted(column));
    db::Statement read(
        c, QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(select.join(u','), quoted(table), where));
    for (qsizetype i = 0; i < values.size(); ++i)
        read.bind(int(i + 1), values.at(i));
    while (read.step()) {
        QVariantList row;
        for (int i = 0; i < snapshot.m_columns.size(); ++i)
            row << read.value(i);
        snapshot.m_rows << row;
    }
    return snapshot;
}

RowSnapshot RowSnapshot::rows(db::Connection &c, const QString &table, const QString &where,
                              const QVariantList &values) {
    RowSnapshot snapshot = columns(c, table, tableColumns(c, table), where, values);
    snapshot.m_whole = true;
    return snapshot;
}

void RowSnapshot::putBack(db::Connection &c) const {
    if (m_rows.isEmpty())
        return;
    QStringList names;
    QStringList marks;
    for (const QString &column : m_columns) {
        names << (column == QLatin1String("rowid") ? column : quoted(column));
        marks << QStringLiteral("?");
    }
    QString sql;
    if (m_whole) {
        // The row key is given once: as rowid, and again under its own name where the table names it.
        sql = QStringLiteral("INSERT OR REPLACE INTO %1(%2) VALUES(%3)")
                  .arg(quoted(m_table), names.join(u','), marks.join(u','));
    } else {
        QStringList sets;
        for (qsizetype i = 1; i < names.size(); ++i)
            sets << names.at(i) + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(quoted(m_table), sets.join(u','));
    }
    db::Statement put(c, sql);
    for (const QVariantList &row : m_rows) {
        put.reset();
        if (m_whole) {
            for (qsizetype i = 0; i < row.size(); ++i)
                put.bind(int(i + 1), row.at(i));
        } else {
            for (qsizetype i = 1; i < row.size(); ++i)
                put.bind(int(i), row.at(i));
            put.bind(int(row.size()), row.first());
        }
        put.step();
    }
}
