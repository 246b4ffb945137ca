#pragma once

#include <QSize>

/// The main window's size rules.
namespace sizerules {

/// The smallest outer size the main window takes.
inline constexpr QSize MinimumWindow{800, 580};
/// The size start-up gives the window before it is first shown.
inline constexpr QSize StartWindow{800, 568};

/// The smallest outer size on a screen whose free area is `available`: never larger than that area (a
/// small screen, or one scaled up twice, would otherwise hold the window beyond its edges).
QSize minimumWindow(QSize available);
/// The outer size a requested one is raised to, on a screen whose free area is `available`.
QSize windowSize(QSize requested, QSize available = MinimumWindow);

/// Sizes of the daily-style page's six slot boxes in an area of `area`: three rows, each split into a left
/// box (Morning, Noon, Night) and a right box taking the rest.
struct SlotBoxes {
    int rowHeight;
    int leftWidth;
};
SlotBoxes slotBoxes(QSize area);

/// Height of the daily-style page's meal list in a right-hand column of `columnHeight`.
int mealListHeight(int columnHeight);

} // namespace sizerules
