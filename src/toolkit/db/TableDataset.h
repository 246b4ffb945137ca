#pragma once

#include "Dataset.h"

#include <QStringList>

namespace db {

/// Every row of one table, editable: append or edit, assign fields, then post; delete removes the current
/// row. A post or a delete takes effect in the table at once.
class TableDataset : public Dataset {
    Q_OBJECT
public:
    TableDataset(const QString &name, Connection &connection, QString table, QObject *parent = nullptr);

    const QString &tableName() const { return m_table; }

    /// Adds a new row at the end and makes it current; it reaches the table at `post`.
    void append();
    /// Starts changing the current row.
    void edit();
    /// Sets a field of the row being appended or edited.
    void setValue(const QString &fieldName, const QVariant &value);
    /// Writes the pending row; on failure throws DbError and stays in edit or insert state.
    void post();
    void cancel();
    /// Deletes the current row from the table.
    void deleteCurrent();
    /// Posts a pending edit, re-reads the rows and keeps the current row where it still exists.
    void refresh();

    /// Holds only these columns with the rows (and the key); the others are read from the table when asked
    /// for. Takes effect at the next open.
    void holdOnly(const QStringList &columns) { m_held = columns; }
    /// The order its rows are read in, as an ORDER BY clause's terms; empty: the table's own. Takes effect at
    /// the next open.
    void setOrder(const QString &terms) { m_order = terms; }

protected:
    std::unique_ptr<Statement> openStatement() override;
    QStringList heldColumns() const override { return m_held; }
    QString readKey() const override { return m_table + u'\x1f' + m_held.join(u',') + u'\x1f' + m_order; }
    QString readStatement() const override {
        return QStringLiteral("SELECT * FROM [%1]").arg(m_table) + orderClause();
    }
    std::unique_ptr<Statement> narrowStatement(const QStringList &columns) override;
    void beforeMove() override;

private:
    int keyColumn() const;
    void readRow(qint64 key, std::vector<QVariant> &into);

    QString orderClause() const {
        return m_order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + m_order;
    }

    QString m_table;
    QStringList m_held;
    QString m_order;
    QString m_keyName;
    /// The current row as it was before `edit`, for `cancel`.
    std::vector<QVariant> m_original;
    std::vector<bool> m_assigned;
    int m_previousRow = -1;
};

} // namespace db
