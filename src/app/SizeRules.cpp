#include "SizeRules.h"

#include <algorithm>

namespace sizerules {

QSize windowSize(QSize requested) {
    return {std::max(requested.width(), MinimumWindow.width()),
            std::max(requested.height(), MinimumWindow.height())};
}

SlotBoxes slotBoxes(QSize area) {
    // Integer division drops the fraction toward zero, also for areas too small to hold the boxes.
    return {(area.height() - 40) / 3, (area.width() - 5) / 2};
}

int mealListHeight(int columnHeight) {
    return columnHeight - 218;
}

} // namespace sizerules
