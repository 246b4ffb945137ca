#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace db {

class Dataset;

enum class FieldType { Integer, AutoKey, Float, Text, Boolean, Blob };

/// How a lookup field finds its text: the row of `dataset` whose `lookupKey` equals this row's `keyField`.
struct LookupDef {
    QString keyField;
    Dataset *dataset = nullptr;
    QString lookupKey;
    QString resultField;
};

/// The shape of one field of a dataset.
struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    /// Largest number of characters a text field holds; 0 when unbounded.
    int size = 0;
    /// Set for a lookup field, whose value is computed for each row.
    bool isLookup = false;
    LookupDef lookup;
};

/// Lookup fields hold the looked-up text whole: as many characters as a type or group name may have. (Cut
/// shorter, a group name shown in a grid would no longer find its group when taken from there.)
inline constexpr int LookupFieldSize = 50;

/// The value of one field in the current row of a dataset, read in the type the caller asks for.
/// Without a current row every field reads as null: empty text, 0, false.
class Field {
public:
    Field(QVariant value, FieldType type, QString name)
        : m_value(std::move(value))
        , m_type(type)
        , m_name(std::move(name)) {}

    bool isNull() const { return m_value.isNull(); }
    const QVariant &value() const { return m_value; }
    /// Text of the value; a yes/no field reads "True" or "False".
    QString asString() const;
    /// The value as a whole number; throws DbError when it holds text that is no number.
    qint64 asInteger() const;
    bool asBoolean() const;
    QByteArray asBytes() const;
    const QString &name() const { return m_name; }

private:
    QVariant m_value;
    FieldType m_type;
    QString m_name;
};

} // namespace db
