#pragma once

#include "toolkit/widgets/VaneDialog.h"

class DBGrid;
class QPushButton;
class TDataModule1;
class TForm1;

/// The dialog that adds catalogue ingredients to the recipe being edited, one after another, until closed.
class TForm3 : public VaneDialog {
    Q_OBJECT
public:
    TForm3(TForm1 &owner, TDataModule1 &dataModule);

    /// The recipe being extended, set before the dialog is shown.
    qint64 MealID = 0;

    /// Links the candidate list's current ingredient to the recipe; nothing when the list is empty.
    void RbButton8Click();
    void RbButton1Click();

    DBGrid *DBGrid2 = nullptr;
    QPushButton *RbButton8 = nullptr;
    QPushButton *RbButton1 = nullptr;

private:
    TForm1 &m_owner;
    TDataModule1 &m_data;
};
