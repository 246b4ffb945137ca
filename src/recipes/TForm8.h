#pragma once

#include "toolkit/widgets/VaneDialog.h"

class DBImage;
class TDataModule1;

/// The picture viewer: the current recipe's picture at its own size, following the recipe page.
class TForm8 : public VaneDialog {
    Q_OBJECT
public:
    TForm8(QWidget *owner, TDataModule1 &dataModule);

    DBImage *picture() const { return m_picture; }

private:
    DBImage *m_picture;
};
