#include "SqlText.h"

namespace sql {

QString literal(const QString &value) {
    QString out;
    out.reserve(value.size() + 2);
    out += u'\'';
    for (const QChar c : value) {
        if (c == u'\'')
            out += u'\'';
        out += c;
    }
    out += u'\'';
    return out;
}

QString number(qint64 value) {
    return QString::number(value);
}

} // namespace sql
