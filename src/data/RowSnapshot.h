#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace db {
class Connection;
}

/// The names of the columns of `table`, in order.
QStringList tableColumns(db::Connection &c, const QString &table);

/// Rows of one table as they stood before a change, kept so that the change can be taken back.
class RowSnapshot {
public:
    /// The whole rows of `table` that `where` (a condition with ? for each of `values`) finds, their row
    /// keys included.
    static RowSnapshot rows(db::Connection &c, const QString &table, const QString &where,
                            const QVariantList &values = {});
    /// Only `columns` of those rows, beside their keys: putting them back writes those columns alone.
    static RowSnapshot columns(db::Connection &c, const QString &table, const QStringList &columns,
                               const QString &where, const QVariantList &values = {});

    /// Puts the rows back as they were: whole rows are inserted under their own keys (a row of that key
    /// replaced), kept columns written over the rows of those keys. Runs in the caller's transaction.
    void putBack(db::Connection &c) const;

    bool isEmpty() const { return m_rows.isEmpty(); }
    qsizetype size() const { return m_rows.size(); }

private:
    QString m_table;
    /// "rowid" first, then the columns kept.
    QStringList m_columns;
    QList<QVariantList> m_rows;
    bool m_whole = true;
};
