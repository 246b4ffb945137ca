#pragma once

#include <QColor>
#include <QFont>
#include <QFontDatabase>

/// The typefaces and colours the reports share.
namespace reportstyle {

inline const QColor LightBlue{175, 210, 237};
inline const QColor DarkGrey{72, 72, 72};

/// Whether the face with Arial's widths, for which the layouts are drawn, is installed.
inline bool hasArialMetrics() {
    static const bool installed = QFontDatabase::families().contains(QStringLiteral("Liberation Sans"));
    return installed;
}

/// The plain typeface of the reports' texts: Liberation Sans at the sizes the layouts give; where it is
/// missing, DejaVu Sans set a little smaller, so that its wider letters take the same room.
inline QFont plain(double points, bool bold = false, bool italic = false) {
    QFont font;
    // Letters the face lacks come from faces that have them and that a PDF can hold: Chinese, Japanese
    // and Korean from Noto CJK, emoji from Symbola's outlines (a colour emoji face is made of bitmaps,
    // which print as nothing).
    font.setFamilies({hasArialMetrics() ? QStringLiteral("Liberation Sans") : QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Symbola")});
    font.setPointSizeF(hasArialMetrics() ? points : points * 0.88);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

/// The decorative typeface of the reports' titles.
inline QFont decorative(double points) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace reportstyle
