#include "PlainName.h"

QString plainName(const QString &name) {
    QString out = name;
    for (QChar &c : out) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return out;
}
