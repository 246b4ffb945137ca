#include "Dataset.h"

#include "Connection.h"
#include "DbError.h"

#include <QRegularExpression>
#include <algorithm>
#include <sqlite3.h>

namespace {

/// The mark a row holds for a blob that is read from its table only when asked for.
struct DeferredBlob {};

} // namespace
Q_DECLARE_METATYPE(DeferredBlob)

namespace db {

namespace {

FieldDef fieldFromDeclaration(const QString &name, const QString &declared) {
    FieldDef def;
    def.name = name;
    const QString type = declared.trimmed().toUpper();
    if (type.startsWith(QLatin1String("INTEGER")) || type.startsWith(QLatin1String("INT"))) {
        def.type = FieldType::Integer;
    } else if (type.startsWith(QLatin1String("BOOLEAN"))) {
        def.type = FieldType::Boolean;
    } else if (type.startsWith(QLatin1String("BLOB"))) {
        def.type = FieldType::Blob;
    } else if (type.startsWith(QLatin1String("REAL")) || type.startsWith(QLatin1String("DOUBLE"))) {
        def.type = FieldType::Float;
    } else {
        def.type = FieldType::Text;
        static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
        const auto match = width.match(type);
        if (match.hasMatch())
            def.size = match.captured(1).toInt();
    }
    return def;
}

QString keyText(const QVariant &value) {
    if (value.typeId() == QMetaType::QString)
        return value.toString().toCaseFolded();
    return value.toString();
}

} // namespace

Dataset::Dataset(const QString &name, Connection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection) {
    setObjectName(name);
}

Dataset::~Dataset() = default;

void Dataset::open() {
    if (isOpen())
        return;
    const QString key = m_keepReads > 0 ? readKey() : QString();
    const Connection::Version version =
        key.isEmpty() ? Connection::Version() : m_connection.versionFor(readStatement());
    if (!key.isEmpty() && takeKeptRead(key, version)) {
        m_readKey = key;
        m_readVersion = version;
        return;
    }
    const QStringList held = heldColumns();
    if (held.isEmpty())
        openWith(openStatement());
    else
        openHolding(openStatement(), held);
    m_readKey = key;
    m_readVersion = version;
}

bool Dataset::takeKeptRead(const QString &key, const Connection::Version &version) {
    const auto kept = std::find_if(m_keptReads.begin(), m_keptReads.end(),
                                   [&](const KeptRead &read) { return read.key == key; });
    if (kept == m_keptReads.end())
        return false;
    KeptRead read = std::move(*kept);
    m_keptReads.erase(kept);
    if (!(read.version == version))
        return false;
    m_fields = std::move(read.fields);
    m_dataColumns = read.dataColumns;
    m_fieldIndex.clear();
    m_deferredKey = std::move(read.deferredKey);
    m_deferredTable = std::move(read.deferredTable);
    m_deferredOrigin = std::move(read.deferredOrigin);
    forgetFetched();
    adoptRows(std::move(read.rows));
    return true;
}

QVariant Dataset::deferredMark() {
    return QVariant::fromValue(DeferredBlob{});
}

bool Dataset::isDeferredMark(const QVariant &value) {
    return value.userType() == qMetaTypeId<DeferredBlob>();
}

bool Dataset::defer(const Statement &statement, int column) {
    const QString table = statement.columnTable(column);
    const QString origin = statement.columnOrigin(column);
    if (table.isEmpty() || origin.isEmpty())
        return false;
    // The table's own key among the columns read: its INTEGER PRIMARY KEY, which is the row's id.
    for (int k = 0; k < statement.columnCount(); ++k) {
        if (k == column || statement.columnTable(k) != table)
            continue;
        int primary = 0;
        const char *declared = nullptr;
        const QByteArray t = table.toUtf8();
        const QByteArray o = statement.columnOrigin(k).toUtf8();
        if (sqlite3_table_column_metadata(m_connection.handle(), "main", t.constData(), o.constData(),
                                          &declared, nullptr, nullptr, &primary, nullptr) == SQLITE_OK &&
            primary != 0 && declared != nullptr && sqlite3_stricmp(declared, "INTEGER") == 0) {
            m_deferredKey[size_t(column)] = k;
            m_deferredTable[size_t(column)] = table;
            m_deferredOrigin[size_t(column)] = origin;
            return true;
        }
    }
    return false;
}

void Dataset::readDeferrals(const Statement &statement) {
    const int columns = statement.columnCount();
    m_deferredKey.assign(size_t(columns), -1);
    m_deferredTable.assign(size_t(columns), QString());
    m_deferredOrigin.assign(size_t(columns), QString());
    forgetFetched();
    for (int c = 0; c < columns; ++c) {
        if (m_fields[size_t(c)].type == FieldType::Blob)
            defer(statement, c);
    }
}

std::unique_ptr<Statement> Dataset::narrowStatement(const QStringList &) {
    throw DbError(QStringLiteral("%1: the dataset cannot narrow its statement").arg(objectName()));
}

void Dataset::openHolding(std::unique_ptr<Statement> full, const QStringList &held) {
    readFields(*full);
    readDeferrals(*full);
    const int columns = full->columnCount();
    // Held: the columns asked for, the keys that deferred columns are read by, and whatever cannot be read
    // later (an expression). Everything else is read from its table when asked for.
    std::vector<bool> holding(size_t(columns), false);
    for (int c = 0; c < columns; ++c) {
        const bool asked = held.contains(m_fields[size_t(c)].name, Qt::CaseInsensitive);
        holding[size_t(c)] = asked || (!isDeferred(c) && !defer(*full, c));
    }
    for (int c = 0; c < columns; ++c) {
        if (isDeferred(c))
            holding[size_t(m_deferredKey[size_t(c)])] = true;
    }
    for (int c = 0; c < columns; ++c) {
        if (holding[size_t(c)])
            m_deferredKey[size_t(c)] = -1;
    }
    QStringList names;
    std::vector<int> positions;
    for (int c = 0; c < columns; ++c) {
        if (holding[size_t(c)]) {
            names << u'[' + full->columnName(c) + u']';
            positions.push_back(c);
        }
    }
    full.reset();
    std::unique_ptr<Statement> narrow = narrowStatement(names);
    std::vector<std::vector<QVariant>> rows;
    const QVariant mark = deferredMark();
    while (narrow->step()) {
        std::vector<QVariant> row(size_t(columns), mark);
        for (size_t i = 0; i < positions.size(); ++i) {
            QVariant v = narrow->value(int(i));
            if (m_fields[size_t(positions[i])].type == FieldType::Boolean && !v.isNull())
                v = QVariant(v.toLongLong() != 0);
            row[size_t(positions[i])] = std::move(v);
        }
        rows.push_back(std::move(row));
    }
    adoptRows(std::move(rows));
}

void Dataset::adoptRows(std::vector<std::vector<QVariant>> rows) {
    m_rows = std::move(rows);
    m_keyIndex.clear();
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    setState(State::Browse);
    emit afterOpen();
    emit currentRowChanged(m_current);
}

QVariant Dataset::fetchDeferred(int row, int column) const {
    if (row == m_fetchedRow && column == m_fetchedColumn)
        return m_fetched;
    const QVariant key = m_rows[size_t(row)][size_t(m_deferredKey[size_t(column)])];
    Statement statement(m_connection,
                        QStringLiteral("SELECT [%1] FROM [%2] WHERE rowid = :key")
                            .arg(m_deferredOrigin[size_t(column)], m_deferredTable[size_t(column)]));
    statement.bind(1, key);
    m_fetched = statement.step() ? statement.value(0) : QVariant();
    m_fetchedRow = row;
    m_fetchedColumn = column;
    return m_fetched;
}

void Dataset::openWith(std::unique_ptr<Statement> statement) {
    readFields(*statement);
    readDeferrals(*statement);
    std::vector<std::vector<QVariant>> rows;
    const int columns = statement->columnCount();
    while (statement->step()) {
        std::vector<QVariant> row;
        row.reserve(size_t(columns));
        for (int c = 0; c < columns; ++c) {
            if (isDeferred(c)) {
                row.push_back(statement->isNull(c) ? QVariant() : deferredMark());
                continue;
            }
            QVariant v = statement->value(c);
            if (m_fields[size_t(c)].type == FieldType::Boolean && !v.isNull())
                v = QVariant(v.toLongLong() != 0);
            row.push_back(std::move(v));
        }
        rows.push_back(std::move(row));
    }
    adoptRows(std::move(rows));
}

void Dataset::close() {
    if (!isOpen())
        return;
    forgetFetched();
    if (!m_readKey.isEmpty() && m_state == State::Browse) {
        m_keptReads.insert(m_keptReads.begin(),
                           KeptRead{m_readKey, m_readVersion, m_fields, m_dataColumns, m_deferredKey,
                                    m_deferredTable, m_deferredOrigin, std::move(m_rows)});
        if (m_keptReads.size() > size_t(m_keepReads))
            m_keptReads.pop_back();
    }
    m_readKey.clear();
    m_rows.clear();
    m_keyIndex.clear();
    m_current = -1;
    m_eof = m_bof = true;
    setState(State::Inactive);
    emit afterClose();
}

void Dataset::setState(State state) {
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void Dataset::invalidateLookups() {
    m_keyIndex.clear();
}

void Dataset::readFields(const Statement &statement) {
    std::vector<FieldDef> fields;
    const int columns = statement.columnCount();
    QHash<QString, int> seen;
    for (int c = 0; c < columns; ++c)
        ++seen[statement.columnName(c).toCaseFolded()];
    for (int c = 0; c < columns; ++c) {
        QString name = statement.columnName(c);
        if (seen.value(name.toCaseFolded()) > 1) {
            const QString table = statement.columnTable(c);
            if (!table.isEmpty())
                name = table + u'.' + name;
        }
        fields.push_back(fieldFromDeclaration(name, statement.columnDeclaredType(c)));
    }
    m_dataColumns = columns;
    for (const FieldDef &lookup : m_lookups)
        fields.push_back(lookup);
    m_fields = std::move(fields);
    m_fieldIndex.clear();
}

void Dataset::addLookupField(const QString &fieldName, const LookupDef &lookup) {
    FieldDef def;
    def.name = fieldName;
    def.type = FieldType::Text;
    def.size = LookupFieldSize;
    def.isLookup = true;
    def.lookup = lookup;
    m_lookups.push_back(def);
}

void Dataset::setCurrentRow(int row) {
    if (row < -1 || row >= recordCount())
        row = recordCount() > 0 ? recordCount() - 1 : -1;
    if (row != m_current)
        beforeMove();
    m_eof = m_rows.empty();
    m_bof = m_rows.empty() || row == 0;
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

void Dataset::first() {
    setCurrentRow(m_rows.empty() ? -1 : 0);
    m_bof = true;
}

void Dataset::last() {
    setCurrentRow(recordCount() - 1);
    m_eof = m_rows.empty();
}

void Dataset::next() {
    if (m_current + 1 < recordCount()) {
        setCurrentRow(m_current + 1);
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void Dataset::prior() {
    if (m_current > 0) {
        setCurrentRow(m_current - 1);
        m_eof = false;
    } else {
        m_bof = true;
    }
}

bool Dataset::locate(const QString &fieldName, const QVariant &value) {
    const int column = fieldIndex(fieldName);
    if (column < 0)
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), fieldName));
    const QString wanted = keyText(value);
    for (int r = 0; r < recordCount(); ++r) {
        if (keyText(this->value(r, column)) == wanted) {
            setCurrentRow(r);
            return true;
        }
    }
    return false;
}

int Dataset::fieldIndex(const QString &fieldName) const {
    if (m_fieldIndex.isEmpty()) {
        for (int c = 0; c < fieldCount(); ++c)
            m_fieldIndex.insert(m_fields[size_t(c)].name.toCaseFolded(), c);
    }
    return m_fieldIndex.value(fieldName.toCaseFolded(), -1);
}

Field Dataset::field(const QString &fieldName) const {
    const int column = fieldIndex(fieldName);
    if (column < 0)
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), fieldName));
    const FieldDef &def = m_fields[size_t(column)];
    return Field(hasCurrentRow() ? value(m_current, column) : QVariant(), def.type, def.name);
}

QVariant Dataset::value(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= fieldCount())
        return {};
    const FieldDef &def = m_fields[size_t(column)];
    if (def.isLookup)
        return lookupValue(def, row);
    const auto &values = m_rows[size_t(row)];
    if (size_t(column) >= values.size())
        return {};
    if (isDeferredMark(values[size_t(column)]))
        return fetchDeferred(row, column);
    return values[size_t(column)];
}

QVariant Dataset::value(int row, const QString &fieldName) const {
    return value(row, fieldIndex(fieldName));
}

QVariant Dataset::lookupValue(const FieldDef &def, int row) const {
    const QVariant key = value(row, fieldIndex(def.lookup.keyField));
    if (key.isNull() || def.lookup.dataset == nullptr)
        return QString();
    return def.lookup.dataset->lookupText(def.lookup.lookupKey, key, def.lookup.resultField)
        .left(LookupFieldSize);
}

QString Dataset::lookupText(const QString &keyField, const QVariant &key, const QString &resultField) const {
    const int keyColumn = fieldIndex(keyField);
    const int resultColumn = fieldIndex(resultField);
    if (keyColumn < 0 || resultColumn < 0 || !isOpen())
        return {};
    auto &index = m_keyIndex[keyField.toCaseFolded()];
    if (index.isEmpty() && !m_rows.empty()) {
        for (int r = recordCount() - 1; r >= 0; --r) {
            const QVariant k = value(r, keyColumn);
            if (!k.isNull())
                index.insert(keyText(k), r);
        }
    }
    const auto found = index.constFind(keyText(key));
    if (found == index.constEnd())
        return {};
    return value(*found, resultColumn).toString();
}

} // namespace db
