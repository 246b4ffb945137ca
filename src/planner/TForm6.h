#pragma once

#include "SelectorDialog.h"

/// The day selector: the days that picking and clearing work on, ticks from Saturday to Friday.
class TForm6 : public SelectorDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *owner);
};
