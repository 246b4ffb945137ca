#include "QueryDataset.h"

#include "Connection.h"
#include "DbError.h"

namespace db {

QueryDataset::QueryDataset(const QString &name, Connection &connection, QObject *parent)
    : Dataset(name, connection, parent) {}

void QueryDataset::setSql(const QString &statement) {
    close();
    m_sql = statement;
}

void QueryDataset::declareParameter(const QString &name) {
    if (parameterIndex(name) < 0)
        m_parameters.emplace_back(name, QVariant());
}

int QueryDataset::parameterIndex(const QString &name) const {
    for (size_t i = 0; i < m_parameters.size(); ++i) {
        if (m_parameters[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void QueryDataset::setParameter(const QString &name, const QVariant &value) {
    const int index = parameterIndex(name);
    if (index < 0)
        throw DbError(QStringLiteral("%1: Parameter '%2' not found").arg(objectName(), name));
    m_parameters[size_t(index)].second = value;
}

QVariant QueryDataset::parameter(const QString &name) const {
    const int index = parameterIndex(name);
    return index < 0 ? QVariant() : m_parameters[size_t(index)].second;
}

std::unique_ptr<Statement> QueryDataset::prepare(const QString &text) {
    if (m_sql.trimmed().isEmpty())
        throw DbError(
            QStringLiteral("%1: Command text was not set for the command object.").arg(objectName()));
    auto statement = std::make_unique<Statement>(connection(), text);
    for (int i = 1, n = statement->parameterCount(); i <= n; ++i) {
        const int index = parameterIndex(statement->parameterName(i));
        statement->bind(i, index < 0 ? QVariant() : m_parameters[size_t(index)].second);
    }
    return statement;
}

QString QueryDataset::readKey() const {
    QString key = m_sql;
    for (const auto &[name, value] : m_parameters)
        key += u'\x1f' + name + u'=' + value.toString() + u'/' + QString::number(value.userType());
    return key;
}

std::unique_ptr<Statement> QueryDataset::openStatement() {
    return prepare();
}

std::unique_ptr<Statement> QueryDataset::narrowStatement(const QStringList &columns) {
    // The statement as written, of which only these columns are taken: the engine then sorts and carries
    // no more than they need.
    QString inner = m_sql.trimmed();
    while (inner.endsWith(u';'))
        inner.chop(1);
    return prepare(QStringLiteral("SELECT %1 FROM (%2)").arg(columns.join(u','), inner));
}

void QueryDataset::execSql() {
    close();
    auto statement = prepare();
    while (statement->step()) {
    }
}

void QueryDataset::run(const QString &statement) {
    setSql(statement);
    auto prepared = prepare();
    if (prepared->columnCount() > 0) {
        openWith(std::move(prepared));
    } else {
        while (prepared->step()) {
        }
    }
}

} // namespace db
