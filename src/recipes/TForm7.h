#pragma once

#include "toolkit/widgets/VaneDialog.h"

/// The Select Meal dialog: the recipe to print, or to send by e-mail.
class TForm7 : public VaneDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget *owner);
};
