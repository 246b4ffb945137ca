#pragma once

#include "toolkit/widgets/VaneDialog.h"

/// The day selector: the days that picking and clearing work on.
class TForm6 : public VaneDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *owner);
};
