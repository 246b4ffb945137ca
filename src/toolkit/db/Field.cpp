#include "Field.h"

#include "DbError.h"

namespace db {

QString Field::asString() const {
    if (m_value.isNull())
        return {};
    if (m_type == FieldType::Boolean || m_value.typeId() == QMetaType::Bool)
        return m_value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (m_value.typeId() == QMetaType::QByteArray)
        return QString::fromLatin1(m_value.toByteArray());
    return m_value.toString();
}

qint64 Field::asInteger() const {
    if (m_value.isNull())
        return 0;
    switch (m_value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return m_value.toLongLong();
    case QMetaType::Bool:
        return m_value.toBool() ? 1 : 0;
    case QMetaType::Double:
        return qint64(m_value.toDouble());
    default:
        break;
    }
    bool ok = false;
    const qint64 number = m_value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' is not a valid integer value").arg(m_value.toString()));
    return number;
}

bool Field::asBoolean() const {
    if (m_value.isNull())
        return false;
    if (m_value.typeId() == QMetaType::QString) {
        const QString text = m_value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text.isEmpty())
            return false;
        return asInteger() != 0;
    }
    return m_value.toLongLong() != 0 || m_value.toBool();
}

QByteArray Field::asBytes() const {
    if (m_value.typeId() == QMetaType::QByteArray)
        return m_value.toByteArray();
    return m_value.toString().toUtf8();
}

} // namespace db
