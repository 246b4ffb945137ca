#pragma once

#include <QString>
#include <QStringList>

/// Texts a user can type that have broken programs: quotes, wildcards, statement endings, accents, emoji,
/// very long, empty and blank.
inline QStringList hostileTexts() {
    return {
        QStringLiteral("Mum's \"best\" pie"),
        QStringLiteral("'; DROP TABLE Meal; --"),
        QStringLiteral("\"); DELETE FROM Menu; --"),
        QStringLiteral("100% _real_ [fruit]"),
        QStringLiteral("%"),
        QStringLiteral("_"),
        QStringLiteral("Crème brûlée à l'œuf"),
        QStringLiteral("Pâté 🍕🎂 party"),
        QString(10000, u'x'),
        QString(),
        QStringLiteral("   "),
        QStringLiteral("line one\nline two\r\nthree\ttabbed"),
        QStringLiteral("back\\slash ' '' '''"),
    };
}

/// Whether a message shown to the user is the engine's raw text rather than words of the program.
inline bool isEngineText(const QString &message) {
    static const char *const Raw[] = {"constraint failed", "syntax error", "unrecognized token",
                                      "near \"",           "no such",      "datatype mismatch",
                                      "SQL logic error"};
    for (const char *raw : Raw) {
        if (message.contains(QLatin1String(raw), Qt::CaseInsensitive))
            return true;
    }
    return false;
}
