#include "SizeRules.h"

#include <algorithm>

namespace sizerules {

QSize minimumWindow(QSize available) {
    return available.isValid() && !available.isEmpty() ? MinimumWindow.boundedTo(available) : MinimumWindow;
}

QSize windowSize(QSize requested, QSize available) {
    const QSize least = minimumWindow(available);
    return {std::max(requested.width(), least.width()), std::max(requested.height(), least.height())};
}

SlotBoxes slotBoxes(QSize area) {
    // Integer division drops the fraction toward zero, also for areas too small to hold the boxes.
    return {(area.height() - 40) / 3, (area.width() - 5) / 2};
}

int mealListHeight(int columnHeight) {
    return columnHeight - 218;
}

} // namespace sizerules
