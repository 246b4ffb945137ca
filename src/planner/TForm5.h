#pragma once

#include "toolkit/widgets/VaneDialog.h"

/// The time selector: the meal times that picking and clearing work on.
class TForm5 : public VaneDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *owner);
};
