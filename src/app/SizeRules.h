#pragma once

#include <QSize>

/// The main window's size rules.
namespace sizerules {

/// The smallest outer size the main window takes.
inline constexpr QSize MinimumWindow{800, 580};
/// The size start-up gives the window before it is first shown.
inline constexpr QSize StartWindow{800, 568};

/// The outer size a requested one is raised to.
QSize windowSize(QSize requested);

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
