// The ingredient page: the catalogue of ingredients, each in a group, kept by description.
#include "CatalogueStatements.h"
#include "RecipeLines.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "shopping/ShoppingStatements.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/model/PlainName.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/TextLimit.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/// The first field of the scratch query's first row as a number; `fallback` when there is none or it cannot
/// be read.
qint64 firstNumber(TDataModule1 &data, const QString &statement, qint64 fallback) {
    qint64 value = fallback;
    try {
        data.runSql(statement);
        if (data.SQL.hasCurrentRow())
            value = data.SQL.field(data.SQL.fieldDef(0).name).asInteger();
    } catch (const db::DbError &) {
        value = fallback;
    }
    data.SQL.close();
    return value;
}

} // namespace

void TForm1::buildIngredientPage() {
    auto *body = new QWidget(TabSheet6);
    body->setObjectName(QStringLiteral("IngredientBody"));
    // The edit boxes and buttons stand above the list, so that the list has the page's whole width for its
    // descriptions and groups.
    auto *page = new QVBoxLayout(body);
    page->setContentsMargins(8, 6, 8, 8);
    page->setSpacing(6);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(4);
    DBEdit1 = new QLineEdit(body);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    limitCharacters(DBEdit1, 50);
    auto *descriptionCaption = new QLabel(QStringLiteral("&Description"), body);
    descriptionCaption->setBuddy(DBEdit1);
    DBEdit1->setAccessibleName(tr("Description"));
    ComboBox1->setParent(body);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(15);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    ComboBox1->setAccessibleName(tr("Group"));
    ComboBox1->lineEdit()->setAccessibleName(tr("Group"));
    ComboBox1->show();
    auto *groupCaption = new QLabel(QStringLiteral("&Group"), body);
    groupCaption->setBuddy(ComboBox1);
    form->addWidget(descriptionCaption, 0, 0);
    form->addWidget(DBEdit1, 0, 1);
    form->addWidget(groupCaption, 1, 0);
    form->addWidget(ComboBox1, 1, 1);
    // Salt, oil: listed last on the shopping list, to be checked at home rather than bought.
    IngredientStaple = new QCheckBox(tr("Always at &home"), body);
    IngredientStaple->setObjectName(QStringLiteral("IngredientStaple"));
    IngredientStaple->setToolTip(
        tr("Listed last on the shopping list, under \"%1\"").arg(QLatin1String(shopping::CheckAtHome)));
    form->addWidget(IngredientStaple, 2, 1);
    form->setColumnStretch(1, 1);
    page->addLayout(form);
    connect(IngredientStaple, &QCheckBox::clicked, this,
            [this](bool checked) { run([this, checked] { setStaple(checked); }); });
    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const char *text, void (TForm1::*handler)()) {
        auto *b = new QPushButton(tr(text), body);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this,
                [this, handler] { run([this, handler] { (this->*handler)(); }); });
        buttons->addWidget(b);
        return b;
    };
    RbButton2 = button("RbButton2", QT_TR_NOOP("Add New"), &TForm1::RbButton2Click);
    RbButton3 = button("RbButton3", QT_TR_NOOP("Change Description"), &TForm1::RbButton3Click);
    RbButton1 = button("RbButton1", QT_TR_NOOP("Delete"), &TForm1::RbButton1Click);
    buttons->addStretch(1);
    button("TidyUp", QT_TR_NOOP("Tidy Up..."), &TForm1::tidyCatalogue)
        ->setToolTip(
            QStringLiteral("Merges entries an import made from pieces of lines into the food they mean"));
    page->addLayout(buttons);

    DBGrid1 = new DBGrid(m_data->SQLINGREDIENTS,
                         {QStringLiteral("Ingredients_Description"), QStringLiteral("IGroup")},
                         {tr("Description"), tr("Group")}, body);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Ingredients"));
    DBGrid1->setColumnModes({QHeaderView::Stretch, QHeaderView::Stretch});
    DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->addWidget(DBGrid1, 1);
    static_cast<QVBoxLayout *>(TabSheet6->layout())->addWidget(body, 1);

    connect(DBGrid1, &DBGrid::cellClicked, this, &TForm1::DBGrid1CellClick);
}

void TForm1::DBGrid1CellClick() {
    QString description;
    QString group;
    try {
        const db::QueryDataset &list = m_data->SQLINGREDIENTS;
        if (list.hasCurrentRow()) {
            description = list.field(QStringLiteral("INGREDIENTS_DESCRIPTION")).asString();
            group = list.field(QStringLiteral("IGROUP")).asString();
        }
    } catch (const db::DbError &) {
        description.clear();
        group.clear();
    }
    if (description.isEmpty())
        group.clear();
    DBEdit1->setText(description);
    ComboBox1->setEditText(group);
    IngredientStaple->setChecked(!description.isEmpty() &&
                                 firstNumber(*m_data, catalogue::stapleCount(description), 0) > 0);
}

void TForm1::setStaple(bool staple) {
    const QString description = DBEdit1->text();
    if (description.trimmed().isEmpty() ||
        firstNumber(*m_data, catalogue::ingredientCount(description), 0) <= 0) {
        // Ticked for an ingredient not yet added: Add New takes it with it.
        return;
    }
    m_data->runSql(catalogue::stapleUpdate(description, staple));
    tellDone(staple ? tr("\"%1\" is always at home: the shopping list puts it under \"%2\"")
                          .arg(description, QLatin1String(shopping::CheckAtHome))
                    : tr("\"%1\" is bought like the rest").arg(description));
}

void TForm1::clearIngredientBoxes() {
    m_data->SQLINGREDIENTS.close();
    m_data->SQLINGREDIENTS.open();
    DBEdit1->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    IngredientStaple->setChecked(false);
    DBEdit1->setFocus();
}

void TForm1::RbButton2Click() {
    if (DBEdit1->text().trimmed().isEmpty()) {
        m_services.dialogs.showInformation(tr("Enter Ingredients Description first!"));
        DBEdit1->setFocus();
        return;
    }
    const QString description = DBEdit1->text();
    const qint64 group = firstNumber(*m_data, catalogue::groupByName(ComboBox1->currentText()), -1);
    if (group < 0) {
        m_services.dialogs.showInformation(tr("Select Group for Ingredient from List!"));
        ComboBox1->showPopup();
        return;
    }
    if (firstNumber(*m_data, catalogue::ingredientCount(description), 0) <= 0) {
        m_data->runSql(catalogue::ingredientInsert(description, group));
    } else {
        if (!m_services.dialogs.confirm(
                QStringLiteral("Ingredient already exists. Do you want to update its Group?")))
            return;
        m_data->runSql(catalogue::ingredientRegroup(group, description));
    }
    if (IngredientStaple->isChecked())
        m_data->runSql(catalogue::stapleUpdate(description, true));
    clearIngredientBoxes();
}

void TForm1::RbButton3Click() {
    const QString old = DBEdit1->text();
    if (old.trimmed().isEmpty()) {
        m_services.dialogs.showInformation(tr("Select Ingredient first!"));
        return;
    }
    const QString answer =
        plainName(m_services.dialogs.input(tr("Enter New Description"), tr("Ingredient Description:"), old));
    if (answer == old)
        return;
    if (answer.trimmed().isEmpty()) {
        // A blank description would leave a row that can be neither found nor named again.
        m_services.dialogs.showInformation(tr("An ingredient needs a name; \"%1\" keeps its own.").arg(old));
        return;
    }
    if (characterCount(answer) > 50) {
        m_services.dialogs.showInformation(
            tr("An ingredient's name can be at most 50 characters long; \"%1\" keeps its own.").arg(old));
        return;
    }
    m_data->runSql(catalogue::ingredientRename(answer, old));
    clearIngredientBoxes();
}

void TForm1::RbButton1Click() {
    const QString description = DBEdit1->text();
    if (description.trimmed().isEmpty()) {
        m_services.dialogs.showInformation(tr("Select Ingredient to delete first!"));
        return;
    }
    // Every row of that description goes, so none of them may still be used by a recipe; a count that cannot
    // be taken stops the delete with the engine's message.
    m_data->runSql(catalogue::ingredientUses(description));
    const qint64 uses = m_data->SQL.value(0, 0).toLongLong();
    m_data->SQL.close();
    if (uses > 0) {
        m_services.dialogs.showInformation(
            tr("%1 - ingredient is used in %n meal(s). Delete it from meals first!", nullptr, int(uses))
                .arg(description));
        return;
    }
    db::Connection &c = m_data->ADOConnectionMain;
    QList<RowSnapshot> before{
        RowSnapshot::rows(c, QStringLiteral("Ingredients"), QStringLiteral("Ingredients_Description=?"), {description}),
        RowSnapshot::rows(
            c, QStringLiteral("Made_With"),
            QStringLiteral("Ingredients_ID IN (SELECT Ingredients_ID FROM Ingredients WHERE "
                           "Ingredients_Description=?) AND Meal_ID NOT IN (SELECT Meal_ID FROM Meal)"),
            {description})};
    {
        db::Transaction transaction(c);
        m_data->runSql(catalogue::orphanLinksDelete(description));
        m_data->runSql(catalogue::ingredientDelete(description));
        transaction.commit();
    }
    pushRowsUndo(QStringLiteral("Delete Ingredient \"%1\"").arg(description), std::move(before));
    clearIngredientBoxes();
    tellDone(tr("Deleted the ingredient \"%1\"").arg(description));
}

void TForm1::tidyCatalogue() {
    db::Connection &c = m_data->ADOConnectionMain;
    const QList<recipelines::Tidying> found = recipelines::tidyings(c);
    if (found.isEmpty()) {
        m_services.dialogs.showInformation(tr("The catalogue holds nothing to tidy up."));
        return;
    }
    VaneDialog dialog(QStringLiteral("TidyUpDialog"), tr("Tidy Up"), tr("Entries that mean another"), this);
    auto *intro = new QLabel(tr("Each ticked entry is merged into the one it means: its recipes "
                                "and lines go over to it, and the entry is removed. An entry "
                                "that means no other takes the food's name."),
                             &dialog);
    intro->setWordWrap(true);
    dialog.body()->addWidget(intro);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("TidyList"));
    list->setAccessibleName(tr("Entries to tidy up"));
    for (const recipelines::Tidying &t : found) {
        auto *item = new QListWidgetItem((t.into >= 0 ? tr("\u201c%1\u201d into \u201c%2\u201d")
                                                      : tr("\u201c%1\u201d renamed \u201c%2\u201d"))
                                             .arg(t.fromName, t.intoName),
                                         list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    dialog.body()->addWidget(list, 1);
    dialog.addButtons();
    dialog.resize(520, 420);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted || !backUpBeforeChange(tr("the tidying")))
        return;
    int done = 0;
    {
        db::Transaction transaction(c);
        for (int i = 0; i < found.size(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked) {
                recipelines::tidy(c, found.at(i));
                ++done;
            }
        }
        transaction.commit();
    }
    clearIngredientBoxes();
    tellDone(tr("%1 entries of the catalogue tidied up").arg(done));
}
