#include "SqlText.h"

namespace sql {

QString literal(const QString &value) {
    QString out;
    out.reserve(value.size() + 2);
    out += u'\'';
    for (const QChar c : value) {
        if (c == u'\'')
            out += u'\'';
        // The engine reads a statement only up to a NUL: that character enters as char(0), joined on.
        if (c == QChar(0)) {
            out += QStringLiteral("'||char(0)||'");
            continue;
        }
        out += c;
    }
    out += u'\'';
    // Joined pieces stand in brackets, so that the value is one term wherever it is used.
    return value.contains(QChar(0)) ? u'(' + out + u')' : out;
}

QString number(qint64 value) {
    return QString::number(value);
}

} // namespace sql
