#pragma once

#include "toolkit/widgets/VaneDialog.h"

class DBLookupComboBox;
class QCheckBox;
class QPushButton;
class TDataModule1;
class TForm1;

/// The Select Meal dialog: a recipe to print, or with "Send with EMail " ticked to send by e-mail; it stays
/// open for the next recipe until closed, and keeps its choice between openings.
class TForm7 : public VaneDialog {
    Q_OBJECT
public:
    TForm7(TForm1 &owner, TDataModule1 &dataModule);

    void RbButton12Click();
    void RbButton1Click();

    DBLookupComboBox *DBLookupComboBox1 = nullptr;
    QCheckBox *RbCheckBox1 = nullptr;
    QPushButton *RbButton12 = nullptr;
    QPushButton *RbButton1 = nullptr;

private:
    TForm1 &m_owner;
};
