#pragma once

#include "Connection.h"
#include "Field.h"

#include <QHash>
#include <QObject>
#include <QVariant>
#include <memory>
#include <vector>

namespace db {

class Connection;
class Statement;

/// Rows of a table or a statement as read when the dataset was opened (a snapshot), with a current row.
/// Changes made elsewhere show only after the dataset is re-opened. Field names match without regard to case.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Dataset(const QString &name, Connection &connection, QObject *parent = nullptr);
    ~Dataset() override;

    Connection &connection() const { return m_connection; }

    /// Reads the rows; the first becomes current. Throws DbError, leaving the dataset closed.
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    int recordCount() const { return int(m_rows.size()); }
    /// Keeps the rows of the last `reads` statements read when the dataset closes, and takes them again when
    /// the same statement is opened while no table it reads has changed (a list shown again and again).
    void keepReads(int reads) { m_keepReads = reads; }
    bool isEmpty() const { return m_rows.empty(); }
    /// Index of the current row, -1 when there is none.
    int currentRow() const { return m_current; }
    bool hasCurrentRow() const { return m_current >= 0 && m_current < recordCount(); }
    /// Moves the current row; a pending edit of the row being left is posted first (DbError when that fails,
    /// and the row stays where it was).
    void setCurrentRow(int row);
    void first();
    void last();
    void next();
    void prior();
    /// True once `next` has been asked to move past the last row (or the dataset holds no rows).
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    /// Makes the first row whose field equals `value` current (text without regard to case).
    bool locate(const QString &fieldName, const QVariant &value);

    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef &fieldDef(int column) const { return m_fields.at(size_t(column)); }
    /// Column of a field, -1 when there is none.
    int fieldIndex(const QString &fieldName) const;
    /// The field of the current row; throws DbError naming the dataset when there is no such field.
    Field field(const QString &fieldName) const;
    /// Value of a field in any row (lookup fields computed).
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &fieldName) const;

    /// Adds a lookup field; takes effect at the next open.
    void addLookupField(const QString &fieldName, const LookupDef &lookup);

    /// The text the lookup dataset's `resultField` holds in its first row whose `keyField` equals `key`.
    QString lookupText(const QString &keyField, const QVariant &key, const QString &resultField) const;

signals:
    void afterOpen();
    void afterClose();
    /// The current row moved to `row` (-1: none).
    void currentRowChanged(int row);
    /// Rows were added, removed or changed without a re-open.
    void rowsChanged();
    void afterEdit();
    void afterPost();
    void stateChanged();

protected:
    /// Runs before the current row moves to another row; a table dataset posts its pending edits here.
    virtual void beforeMove() {}
    /// The statement that reads the rows, with its parameters bound.
    virtual std::unique_ptr<Statement> openStatement() = 0;
    /// Reads the rows of an already prepared statement.
    void openWith(std::unique_ptr<Statement> statement);
    /// Field shapes of a statement's columns; duplicate names are prefixed with their table.
    void readFields(const Statement &statement);
    void setState(State state);
    void invalidateLookups();

    std::vector<std::vector<QVariant>> &rows() { return m_rows; }

    /// What identifies a read for `keepReads`: empty when a read may not be kept.
    virtual QString readKey() const { return {}; }
    /// The statement a read runs, whose tables tell when a kept read is out of date.
    virtual QString readStatement() const { return {}; }
    std::vector<FieldDef> &fields() { return m_fields; }
    int dataColumnCount() const { return m_dataColumns; }
    void setCurrentRowSilently(int row) { m_current = row; }

    /// The columns this dataset holds with its rows; the others are read from their table when asked for.
    /// Empty: every column.
    virtual QStringList heldColumns() const { return {}; }
    /// The statement's rows narrowed to these result columns (bracketed names), for `heldColumns`.
    virtual std::unique_ptr<Statement> narrowStatement(const QStringList &columns);
    /// Reads the rows holding only the columns asked for.
    void openHolding(std::unique_ptr<Statement> full, const QStringList &held);
    /// Marks a column to be read from its table by the row's key; false when it has no table or key among
    /// the columns read.
    bool defer(const Statement &statement, int column);

    /// Pictures and other blobs are not held with the rows: a blob column read straight from a table whose
    /// key the rows carry holds only a mark, and its value is read from the table when asked for.
    void readDeferrals(const Statement &statement);
    bool isDeferred(int column) const {
        return size_t(column) < m_deferredKey.size() && m_deferredKey[size_t(column)] >= 0;
    }
    /// The value a row holds for a column as read: the mark for a blob not held.
    static QVariant deferredMark();
    static bool isDeferredMark(const QVariant &value);
    /// Forgets the blob last read, after the rows changed.
    void forgetFetched() const { m_fetchedRow = -1; }

private:
    /// Takes freshly read rows: the first becomes current and the dataset is open.
    void adoptRows(std::vector<std::vector<QVariant>> rows);
    QVariant lookupValue(const FieldDef &def, int row) const;
    QVariant fetchDeferred(int row, int column) const;

    Connection &m_connection;
    State m_state = State::Inactive;
    std::vector<FieldDef> m_fields;
    std::vector<FieldDef> m_lookups;
    int m_dataColumns = 0;
    std::vector<std::vector<QVariant>> m_rows;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    mutable QHash<QString, int> m_fieldIndex;
    /// Key text to row, per key field, built when first looked up in.
    mutable QHash<QString, QHash<QString, int>> m_keyIndex;
    /// For each column: the column holding its table's key when its blobs are read on demand, else -1.
    std::vector<int> m_deferredKey;
    std::vector<QString> m_deferredTable, m_deferredOrigin;
    /// The blob last read, kept while the same row and column are asked for again (a picture box repaints).
    mutable int m_fetchedRow = -1;
    mutable int m_fetchedColumn = -1;
    mutable QVariant m_fetched;

    struct KeptRead {
        QString key;
        Connection::Version version;
        std::vector<FieldDef> fields;
        int dataColumns = 0;
        std::vector<int> deferredKey;
        std::vector<QString> deferredTable, deferredOrigin;
        std::vector<std::vector<QVariant>> rows;
    };
    bool takeKeptRead(const QString &key, const Connection::Version &version);
    int m_keepReads = 0;
    std::vector<KeptRead> m_keptReads;
    QString m_readKey;
    Connection::Version m_readVersion;
};

} // namespace db
