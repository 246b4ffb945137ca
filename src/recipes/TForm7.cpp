#include "TForm7.h"

#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/widgets/DBLookupComboBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TForm7::TForm7(TForm1 &owner, TDataModule1 &dataModule)
    : VaneDialog(QStringLiteral("Form7"), QCoreApplication::translate("RecipePicker", "Select Meal"),
                 QCoreApplication::translate("RecipePicker", "  Select Meal"), &owner)
    , m_owner(owner) {
    DBLookupComboBox1 = new DBLookupComboBox(dataModule.SQLMEALS, QStringLiteral("Meal_Name"), this);
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setKeyField(QStringLiteral("Meal_ID"));
    DBLookupComboBox1->setAccessibleName(QCoreApplication::translate("RecipePicker", "Recipe"));
    RbCheckBox1 = new QCheckBox(QCoreApplication::translate("RecipePicker", "Send with EMail "), this);
    RbCheckBox1->setObjectName(QStringLiteral("RbCheckBox1"));
    RbButton12 = new QPushButton(QStringLiteral("OK"), this);
    RbButton12->setObjectName(QStringLiteral("RbButton12"));
    RbButton12->setDefault(true);
    RbButton1 = new QPushButton(QCoreApplication::translate("RecipePicker", "Close"), this);
    RbButton1->setObjectName(QStringLiteral("RbButton1"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(RbCheckBox1);
    buttons->addStretch(1);
    buttons->addWidget(RbButton12);
    buttons->addWidget(RbButton1);
    body()->addWidget(DBLookupComboBox1);
    body()->addSpacing(8);
    body()->addLayout(buttons);
    setFixedSize(400, 140);
    connect(RbButton12, &QPushButton::clicked, this, [this] { m_owner.run([this] { RbButton12Click(); }); });
    connect(RbButton1, &QPushButton::clicked, this, &TForm7::RbButton1Click);
}

void TForm7::RbButton12Click() {
    const QString name = DBLookupComboBox1->currentText();
    if (name.isEmpty()) {
        close();
        return;
    }
    if (RbCheckBox1->isChecked())
        m_owner.PrintMealToEmail(name);
    else
        m_owner.PrintRecipe(name);
}

void TForm7::RbButton1Click() {
    close();
}
