#pragma once

#include "toolkit/widgets/VaneDialog.h"

/// The dialog that adds catalogue ingredients to the recipe being edited.
class TForm3 : public VaneDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *owner);
};
