#include "TableDataset.h"

#include "Connection.h"
#include "DbError.h"

#include <QStringList>

namespace db {

TableDataset::TableDataset(const QString &name, Connection &connection, QString table, QObject *parent)
    : Dataset(name, connection, parent)
    , m_table(std::move(table)) {}

std::unique_ptr<Statement> TableDataset::openStatement() {
    m_keyName.clear();
    bool exists = false;
    Statement info(connection(), QStringLiteral("PRAGMA table_info(%1)").arg(m_table));
    while (info.step()) {
        exists = true;
        if (info.value(5).toInt() == 1)
            m_keyName = info.value(1).toString();
    }
    if (!exists)
        throw DbError(QStringLiteral("no such table: %1").arg(m_table));
    if (m_keyName.isEmpty())
        throw DbError(QStringLiteral("table %1 has no key").arg(m_table));
    return std::make_unique<Statement>(connection(),
                                       QStringLiteral("SELECT * FROM ") + m_table + orderClause());
}

void TableDataset::beforeMove() {
    if (state() == State::Edit || state() == State::Insert)
        post();
}

int TableDataset::keyColumn() const {
    return fieldIndex(m_keyName);
}

void TableDataset::append() {
    if (!isOpen())
        throw DbError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
    if (state() != State::Browse)
        post();
    m_assigned.assign(size_t(dataColumnCount()), false);
    m_previousRow = currentRow();
    rows().emplace_back(size_t(dataColumnCount()), QVariant());
    setCurrentRowSilently(recordCount() - 1);
    setState(State::Insert);
    emit rowsChanged();
    emit currentRowChanged(currentRow());
}

void TableDataset::edit() {
    if (!isOpen())
        throw DbError(
            QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
    if (state() == State::Edit || state() == State::Insert)
        return;
    if (!hasCurrentRow())
        throw DbError(QStringLiteral("%1: Cannot edit: the dataset is empty").arg(objectName()));
    m_original = rows()[size_t(currentRow())];
    m_assigned.assign(size_t(dataColumnCount()), false);
    setState(State::Edit);
    emit afterEdit();
}

void TableDataset::setValue(const QString &fieldName, const QVariant &value) {
    if (state() != State::Edit && state() != State::Insert)
        throw DbError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(objectName()));
    const int column = fieldIndex(fieldName);
    if (column < 0 || column >= dataColumnCount())
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), fieldName));
    QVariant v = value;
    if (fieldDef(column).type == FieldType::Boolean && !v.isNull())
        v = QVariant(Field(value, FieldType::Boolean, fieldName).asBoolean());
    m_assigned[size_t(column)] = true;
    forgetFetched();
    rows()[size_t(currentRow())][size_t(column)] = v;
    emit rowsChanged();
}

void TableDataset::readRow(qint64 key, std::vector<QVariant> &into) {
    const int keyCol = keyColumn();
    Statement statement(
        connection(), QStringLiteral("SELECT * FROM %1 WHERE %2 = :key").arg(m_table, fieldDef(keyCol).name));
    statement.bind(1, key);
    if (!statement.step())
        return;
    forgetFetched();
    for (int c = 0; c < dataColumnCount(); ++c) {
        if (isDeferred(c)) {
            into[size_t(c)] = statement.isNull(c) ? QVariant() : deferredMark();
            continue;
        }
        QVariant v = statement.value(c);
        if (fieldDef(c).type == FieldType::Boolean && !v.isNull())
            v = QVariant(v.toLongLong() != 0);
        into[size_t(c)] = v;
    }
}

void TableDataset::post() {
    if (state() != State::Edit && state() != State::Insert)
        return;
    const int keyCol = keyColumn();
    QStringList columns;
    std::vector<QVariant> values;
    const std::vector<QVariant> &pending = rows()[size_t(currentRow())];
    for (int c = 0; c < dataColumnCount(); ++c) {
        if (m_assigned[size_t(c)] && c != keyCol) {
            columns << fieldDef(c).name;
            values.push_back(pending[size_t(c)]);
        }
    }
    qint64 key = 0;
    if (state() == State::Insert) {
        QString text;
        if (columns.isEmpty()) {
            text = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table);
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            text = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(m_table, columns.join(u','), marks.join(u','));
        }
        Statement statement(connection(), text);
        for (size_t i = 0; i < values.size(); ++i)
            statement.bind(int(i) + 1, values[i]);
        statement.step();
        key = connection().lastInsertRowId();
    } else {
        key = rows()[size_t(currentRow())][size_t(keyCol)].toLongLong();
        if (!columns.isEmpty()) {
            QStringList sets;
            for (const QString &column : columns)
                sets << column + QStringLiteral(" = ?");
            Statement statement(connection(), QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                                  .arg(m_table, sets.join(u','), fieldDef(keyCol).name));
            int i = 1;
            for (const QVariant &v : values)
                statement.bind(i++, v);
            statement.bind(i, key);
            statement.step();
        }
    }
    // Read the row back so that the auto key and the column defaults show.
    readRow(key, rows()[size_t(currentRow())]);
    m_original.clear();
    m_assigned.clear();
    invalidateLookups();
    setState(State::Browse);
    emit rowsChanged();
    emit afterPost();
}

void TableDataset::cancel() {
    if (state() == State::Insert) {
        rows().erase(rows().begin() + currentRow());
        setCurrentRowSilently(-1);
        setState(State::Browse);
        emit rowsChanged();
        setCurrentRow(m_previousRow);
    } else if (state() == State::Edit) {
        rows()[size_t(currentRow())] = m_original;
        setState(State::Browse);
        emit rowsChanged();
    }
    m_original.clear();
    m_assigned.clear();
}

void TableDataset::deleteCurrent() {
    if (state() == State::Insert) {
        cancel();
        return;
    }
    if (state() == State::Edit)
        cancel();
    if (!hasCurrentRow())
        throw DbError(QStringLiteral("%1: Cannot delete: the dataset is empty").arg(objectName()));
    const int keyCol = keyColumn();
    const int row = currentRow();
    Statement statement(connection(),
                        QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_table, fieldDef(keyCol).name));
    statement.bind(1, rows()[size_t(row)][size_t(keyCol)]);
    statement.step();
    rows().erase(rows().begin() + row);
    invalidateLookups();
    setCurrentRowSilently(-1);
    emit rowsChanged();
    setCurrentRow(row < recordCount() ? row : recordCount() - 1);
}

void TableDataset::refresh() {
    if (!isOpen()) {
        open();
        return;
    }
    post();
    const int keyCol = keyColumn();
    const QVariant key = hasCurrentRow() ? rows()[size_t(currentRow())][size_t(keyCol)] : QVariant();
    close();
    open();
    if (!key.isNull() && !locate(fieldDef(keyCol).name, key))
        first();
}

std::unique_ptr<Statement> TableDataset::narrowStatement(const QStringList &columns) {
    return std::make_unique<Statement>(
        connection(), QStringLiteral("SELECT %1 FROM %2").arg(columns.join(u','), m_table) + orderClause());
}

} // namespace db
