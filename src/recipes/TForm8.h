#pragma once

#include "toolkit/widgets/VaneDialog.h"

/// The picture viewer: the current recipe's picture at its own size.
class TForm8 : public VaneDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *owner);
};
