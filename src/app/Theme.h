#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

/// The program's colours beside the desktop's palette: the blue of the brand where the program paints both
/// a text and what lies under it, and, wherever text stands on the desktop's own background, colours that
/// keep their contrast whether that background is light or dark.
namespace theme {

/// Whether the palette's windows are dark (a dark desktop theme).
bool isDark(const QPalette &palette);

/// Text in the brand's blue, readable on the palette's window and base colours.
QColor accentText(const QPalette &palette);
/// Text that warns (nothing found, not saved yet), readable on the same.
QColor warningText(const QPalette &palette);
/// The quiet panel colour behind the week panel, the navigation items and the wait box.
QColor panel(const QPalette &palette);

/// The main window's style sheet for the palette.
QString mainStyleSheet(const QPalette &palette);
/// The day tabs of the daily page.
QString dayTabsStyleSheet(const QPalette &palette);
/// The wait box.
QString waitBoxStyleSheet(const QPalette &palette);

} // namespace theme
