#pragma once

#include "SelectorDialog.h"

/// The time selector: the meal times that picking and clearing work on, ticks in code order.
class TForm5 : public SelectorDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *owner);
};
