#include "TForm3.h"

#include "RecipeStatements.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/widgets/DBGrid.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm3::TForm3(TForm1 &owner, TDataModule1 &dataModule)
    : VaneDialog(QStringLiteral("Form3"),
                 QCoreApplication::translate("IngredientPicker", "Add ingredient to Meal"),
                 QCoreApplication::translate("IngredientPicker", "  Add ingredient to Meal"), &owner)
    , m_owner(owner)
    , m_data(dataModule) {
    auto *instruction = new QLabel(
        QCoreApplication::translate("IngredientPicker", "Select Ingredient and click \"Add\" button"), this);
    DBGrid2 =
        new DBGrid(dataModule.SQLMEAL2, {QStringLiteral("Ingredients_Description"), QStringLiteral("IGroup")},
                   {QCoreApplication::translate("IngredientPicker", "Description"),
                    QCoreApplication::translate("IngredientPicker", "Group")},
                   this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setAccessibleName(QCoreApplication::translate("IngredientPicker", "Ingredients"));
    DBGrid2->setColumnModes({QHeaderView::Stretch, QHeaderView::Stretch});
    instruction->setBuddy(DBGrid2);
    RbButton8 = new QPushButton(QCoreApplication::translate("IngredientPicker", "Add"), this);
    RbButton8->setObjectName(QStringLiteral("RbButton8"));
    RbButton8->setDefault(true);
    RbButton1 = new QPushButton(QCoreApplication::translate("IngredientPicker", "Close"), this);
    RbButton1->setObjectName(QStringLiteral("RbButton1"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(RbButton8);
    buttons->addWidget(RbButton1);
    body()->addWidget(instruction);
    body()->addWidget(DBGrid2, 1);
    body()->addLayout(buttons);
    // Room for ingredient and group names of 30 characters side by side; a larger box gives them more.
    setMinimumSize(560, 440);
    resize(560, 480);
    connect(RbButton8, &QPushButton::clicked, this, [this] { m_owner.run([this] { RbButton8Click(); }); });
    connect(DBGrid2, &QAbstractItemView::doubleClicked, this,
            [this] { m_owner.run([this] { RbButton8Click(); }); });
    connect(RbButton1, &QPushButton::clicked, this, &TForm3::RbButton1Click);
}

void TForm3::RbButton8Click() {
    const db::QueryDataset &candidates = m_data.SQLMEAL2;
    if (!candidates.hasCurrentRow())
        return;
    const qint64 ingredient = candidates.field(QStringLiteral("ingredients_id")).asInteger();
    m_data.runSql(recipes::madeWithInsert(MealID, ingredient));
    m_owner.RefreshIngredients();
    m_owner.RefreshNotIngredients();
}

void TForm3::RbButton1Click() {
    close();
}
