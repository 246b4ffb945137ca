#pragma once

#include "Dataset.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace db {

/// The rows of one statement. The statement is fixed or replaced by its user; named parameters (`:name`) are
/// set while the dataset is closed and bound when it opens. Unset parameters are null.
class QueryDataset : public Dataset {
    Q_OBJECT
public:
    QueryDataset(const QString &name, Connection &connection, QObject *parent = nullptr);

    /// Replaces the statement; an open dataset is closed first.
    void setSql(const QString &statement);
    const QString &sql() const { return m_sql; }

    /// Declares a parameter, empty (null) until set.
    void declareParameter(const QString &name);
    /// Sets a declared parameter by name, without regard to case; throws DbError for an unknown name.
    void setParameter(const QString &name, const QVariant &value);
    QVariant parameter(const QString &name) const;

    /// Holds only these columns with the rows (and the keys to read the others by); the others are read
    /// from their table when asked for, so that a list keeps in memory just what it shows. Takes effect at
    /// the next open.
    void holdOnly(const QStringList &columns) { m_held = columns; }

    /// Runs a statement that returns no rows.
    void execSql();
    /// Runs one statement as the scratch query does: closed first, the text replaced, then opened when it
    /// returns rows or executed when it does not.
    void run(const QString &statement);

protected:
    QString readKey() const override;
    QString readStatement() const override { return m_sql; }
    std::unique_ptr<Statement> openStatement() override;
    QStringList heldColumns() const override { return m_held; }
    std::unique_ptr<Statement> narrowStatement(const QStringList &columns) override;

private:
    std::unique_ptr<Statement> prepare(const QString &text);
    std::unique_ptr<Statement> prepare() { return prepare(m_sql); }
    int parameterIndex(const QString &name) const;

    QString m_sql;
    QStringList m_held;
    std::vector<std::pair<QString, QVariant>> m_parameters;
};

} // namespace db
