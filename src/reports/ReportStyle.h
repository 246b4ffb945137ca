#pragma once

#include <QColor>
#include <QFont>

/// The typefaces and colours the reports share.
namespace reportstyle {

inline const QColor LightBlue{175, 210, 237};
inline const QColor DarkGrey{72, 72, 72};

/// How much smaller the installed sans-serif is set than the size asked for, so that its wider letters take
/// the room the layouts give their texts.
inline constexpr double SansScale = 0.88;

/// The plain typeface of the reports' texts.
inline QFont plain(double points, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points * SansScale);
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
