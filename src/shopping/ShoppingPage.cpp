// The shopping page: the selected week's list, the ingredient picker and the editing of the list by hand.
#include "ShoppingList.h"
#include "ShoppingStatements.h"
#include "app/TForm1.h"
#include "data/BookSettings.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBLookupListBox.h"
#include "toolkit/widgets/ItemDrag.h"
#include "toolkit/widgets/TextLimit.h"
#include "toolkit/widgets/UpDown.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

/// A field of a dataset's current row as text; empty when it cannot be read.
QString currentText(const db::Dataset &dataset, const QString &field) {
    try {
        return dataset.hasCurrentRow() ? dataset.field(field).asString() : QString();
    } catch (const db::DbError &) {
        return {};
    }
}

} // namespace

void TForm1::buildShoppingPage() {
    auto *body = new QWidget(TabSheet2);
    body->setObjectName(QStringLiteral("ShoppingBody"));
    // The list takes the page's whole width, so that its names and groups show whole; the picker and the
    // edit boxes stand below it, side by side.
    auto *columns = new QVBoxLayout(body);
    columns->setContentsMargins(8, 6, 8, 8);
    columns->setSpacing(8);

    auto *left = new QVBoxLayout;
    auto *preview = new QLabel(tr("Shopping List Preview"), body);
    preview->setProperty("sectionCaption", true);
    DBGrid9 =
        new DBGrid(m_data->SHOP,
                   {QStringLiteral("INGREDIENTSDESCRIPTION"), QStringLiteral("INGREDIENTSAMOUNT"),
                    QStringLiteral("INGREDIENTSCOUNT"), QStringLiteral("SECTION"), QStringLiteral("BOUGHT")},
                   {tr("Ingredient"), tr("Amount"), tr("Number Of Meals"), tr("Group"), tr("Bought")}, body);
    DBGrid9->setObjectName(QStringLiteral("DBGrid9"));
    DBGrid9->setAccessibleName(tr("Shopping List Preview"));
    preview->setBuddy(DBGrid9);
    // The count is short: its caption wraps over two lines and the names get the room.
    DBGrid9->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    DBGrid9->setColumnModes({QHeaderView::Stretch, QHeaderView::Stretch, QHeaderView::Fixed,
                             QHeaderView::Stretch, QHeaderView::Fixed});
    DBGrid9->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Long names and amounts go on over two lines on a small window.
    DBGrid9->setWrapping(true);
    DBGrid9->setColumnWidth(2, DBGrid9->fontMetrics().horizontalAdvance(tr("Number Of")) + 16);
    // Ticked in the shop on a phone, or here by a click in the column; a narrow column at the end.
    DBGrid9->horizontalHeader()->setStretchLastSection(false);
    DBGrid9->setColumnWidth(4, DBGrid9->fontMetrics().horizontalAdvance(tr("Bought")) + 16);
    DBGrid9->horizontalHeader()->setFixedHeight(2 * DBGrid9->fontMetrics().lineSpacing() + 10);
    // The caption, and beside it the order the list comes in.
    auto *heading = new QHBoxLayout;
    heading->addWidget(preview, 1);
    ShopOrder = new QCheckBox(tr("In shop order"), body);
    ShopOrder->setObjectName(QStringLiteral("ShopOrder"));
    ShopOrder->setToolTip(tr("The groups in the order set on the categories page, what is always "
                             "at home last; on the page, the printed list and the phones"));
    heading->addWidget(ShopOrder);
    left->addLayout(heading);
    left->addWidget(DBGrid9, 1);
    columns->addLayout(left, 5);

    auto *lower = new QHBoxLayout;
    lower->setSpacing(10);
    auto *picker = new QVBoxLayout;
    picker->setSpacing(6);
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    RbCheckBox2 = new QCheckBox(tr("Filter by Group"), body);
    RbCheckBox2->setObjectName(QStringLiteral("RbCheckBox2"));
    DBLookupComboBox5 = new DBLookupComboBox(m_data->IGROUP, QStringLiteral("IGROUP_NAME"), body);
    DBLookupComboBox5->setObjectName(QStringLiteral("DBLookupComboBox5"));
    DBLookupComboBox5->setKeyField(QStringLiteral("IGROUP_ID"));
    DBLookupComboBox5->setAccessibleName(tr("Group to filter by"));
    DBLookupListBox2 =
        new DBLookupListBox(m_data->SHOPINGREDIENTS, QStringLiteral("INGREDIENTS_DESCRIPTION"), body);
    DBLookupListBox2->setObjectName(QStringLiteral("DBLookupListBox2"));
    DBLookupListBox2->setAccessibleName(tr("Ingredients not on the list"));
    picker->addWidget(RbCheckBox2);
    picker->addWidget(DBLookupComboBox5);
    picker->addWidget(DBLookupListBox2, 1);

    auto *hint = new QLabel(tr("Drag Ingredient or Type manually"), body);
    hint->setObjectName(QStringLiteral("ShoppingHint"));
    hint->setWordWrap(true);
    right->addWidget(hint);
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(4);
    const auto edit = [&](const char *name, const char *caption, int row) {
        auto *box = new QLineEdit(body);
        box->setObjectName(QString::fromLatin1(name));
        auto *label = new QLabel(tr(caption), body);
        label->setBuddy(box);
        box->setAccessibleName(label->text().chopped(1).remove(u'&'));
        form->addWidget(label, row, 0);
        form->addWidget(box, row, 1);
        return box;
    };
    Edit1 = edit("Edit1", QT_TR_NOOP("&Name:"), 0);
    Edit2 = edit("Edit2", QT_TR_NOOP("&Group:"), 1);
    limitCharacters(Edit1, 50);
    limitCharacters(Edit2, 50);
    Edit3 = edit("Edit3", QT_TR_NOOP("&Qty:"), 2);
    Edit3->setText(QStringLiteral("1"));
    // The arrows reach as far as the quantity may go.
    JvUpDown1 = new UpDown(*Edit3, 1, int(shopping::MaximumQuantity), body);
    JvUpDown1->setObjectName(QStringLiteral("JvUpDown1"));
    JvUpDown1->setFixedHeight(Edit3->sizeHint().height());
    form->addWidget(JvUpDown1, 2, 2);
    EditAmount = edit("EditAmount", QT_TR_NOOP("&Amount:"), 3);
    EditAmount->setPlaceholderText(QStringLiteral("e.g. 500 g"));
    limitCharacters(EditAmount, 50);
    right->addLayout(form);

    auto *buttons = new QGridLayout;
    RbButton10 = new QPushButton(tr("Add /Change"), body);
    RbButton10->setObjectName(QStringLiteral("RbButton10"));
    RbButton19 = new QPushButton(tr("Delete Current"), body);
    RbButton19->setObjectName(QStringLiteral("RbButton19"));
    RbButton20 = new QPushButton(tr("Print"), body);
    RbButton20->setObjectName(QStringLiteral("RbButton20"));
    buttons->addWidget(RbButton10, 0, 0);
    buttons->addWidget(RbButton19, 0, 1);
    buttons->addWidget(RbButton20, 1, 1);
    auto *shareWeekButton = new QPushButton(tr("Share Week"), body);
    shareWeekButton->setObjectName(QStringLiteral("ShareWeek"));
    shareWeekButton->setToolTip(tr("The list and the menu on the household's phones"));
    buttons->addWidget(shareWeekButton, 1, 0);
    connect(shareWeekButton, &QPushButton::clicked, this, [this] { run([this] { shareWeek(); }); });
    right->addLayout(buttons);
    right->addStretch(1);
    lower->addLayout(picker, 1);
    lower->addLayout(right, 1);
    columns->addLayout(lower, 4);
    TabSheet2->layout()->addWidget(body);

    connect(RbButton10, &QPushButton::clicked, this, [this] { run([this] { RbButton10Click(); }); });
    connect(RbButton19, &QPushButton::clicked, this, [this] { run([this] { RbButton19Click(); }); });
    connect(RbButton20, &QPushButton::clicked, this, [this] { run([this] { RbButton20Click(); }); });
    connect(Edit3, &QLineEdit::returnPressed, RbButton10, &QPushButton::click);
    connect(EditAmount, &QLineEdit::returnPressed, RbButton10, &QPushButton::click);
    connect(ShopOrder, &QCheckBox::clicked, this, [this](bool checked) {
        run([this, checked] {
            booksettings::setValue(m_data->ADOConnectionMain, QLatin1String(booksettings::ShopOrder),
                                   checked ? QStringLiteral("1") : QStringLiteral("0"));
            RefreshShoppingList();
        });
    });
    connect(RbCheckBox2, &QCheckBox::clicked, this,
            [this] { run([this] { RefreshShoppingListIngredients(); }); });
    connect(DBLookupComboBox5, &DBLookupComboBox::closeUp, this,
            [this] { run([this] { DBLookupComboBox5CloseUp(); }); });
    connect(DBLookupListBox2, &DBLookupListBox::itemClicked, this, &TForm1::DBLookupListBox2Click);
    connect(DBGrid9, &DBGrid::cellClicked, this, &TForm1::DBGrid9CellClick);
    // Space ticks or unticks the current row, as a click in its Bought column does.
    new QShortcut(
        QKeySequence(Qt::Key_Space), DBGrid9,
        [this] {
            if (!m_readOnly)
                run([this] { toggleBought(); });
        },
        Qt::WidgetShortcut);

    new ItemDrag(*DBLookupListBox2);
    // Enter in the picker does what a drag onto the list does.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(
            QKeySequence(key), DBLookupListBox2,
            [this] { run([this] { DBGrid9DragDrop(DBLookupListBox2); }); }, Qt::WidgetShortcut);
    }
    DBLookupListBox2->setToolTip(tr("Drag an ingredient onto the list, or press Enter to add it"));
    auto *gridDrop = new ItemDrag(*DBGrid9);
    gridDrop->accepts = [this](QWidget *source) { return DBGrid9DragOver(source); };
    gridDrop->dropped = [this](QWidget *source) { run([this, source] { DBGrid9DragDrop(source); }); };
}

void TForm1::JvXPBar2Click() {
    if (!CheckChanges())
        return;
    RefreshShoppingList();
    QApplication::processEvents();
    showPage(TabSheet2);
    // A shared week shows what the phones ticked; a server out of reach is said in the status bar only.
    if (!m_readOnly && weekIsShared())
        syncWeek(false, true);
}

void TForm1::RbButton11Click() {
    if (m_data == nullptr)
        return;
    const ListUpdate how = askListUpdate();
    const QString list = updateShoppingList(how);
    tellDone(how == ListUpdate::Keep ? tr("Shopping list of week %1 kept as edited").arg(SelectedWeek)
                                     : tr("Shopping list of week %1: %2").arg(SelectedWeek).arg(list));
    DailyMenuChanged = false;
}

QString TForm1::updateShoppingList(ListUpdate how) {
    switch (how) {
    case ListUpdate::Keep:
        return tr("kept as edited");
    case ListUpdate::Replace:
        return QStringLiteral("%1 items")
            .arg(shopping::regenerateWeekList(*m_data, SelectedWeek, SelectedYear, household()));
    case ListUpdate::Merge:
        break;
    }
    const shopping::Merged merged = shopping::mergeWeekList(*m_data, SelectedWeek, SelectedYear, household());
    QString said = tr("%1 items, merged with yours").arg(merged.items);
    if (!merged.dropped.isEmpty())
        said += tr("; no longer on the menu: %1").arg(merged.dropped.join(QStringLiteral(", ")));
    return said;
}

bool TForm1::inShopOrder() const {
    return m_data != nullptr &&
           booksettings::value(m_data->ADOConnectionMain, QLatin1String(booksettings::ShopOrder)) ==
               QLatin1String("1");
}

void TForm1::RefreshShoppingList() {
    const bool shopOrder = inShopOrder();
    if (ShopOrder != nullptr)
        ShopOrder->setChecked(shopOrder);
    m_data->SHOP.setSql(shopping::weekListQuery(SelectedWeek, SelectedYear, shopOrder));
    m_data->SHOP.open();
    RefreshShoppingListIngredients();
}

void TForm1::RefreshShoppingListIngredients() {
    // The group is the one the box shows: other lists over the groups may have moved the shared dataset
    // since.
    std::optional<qint64> group;
    if (RbCheckBox2->isChecked() && !DBLookupComboBox5->currentText().isEmpty())
        group = DBLookupComboBox5->keyValue().toLongLong();
    db::QueryDataset &picker = m_data->SHOPINGREDIENTS;
    picker.setSql(QString());
    picker.setSql(shopping::pickerQuery(SelectedWeek, SelectedYear, group));
    picker.open();
}

void TForm1::DBLookupComboBox5CloseUp() {
    RefreshShoppingListIngredients();
}

TForm1::ListUpdate TForm1::askListUpdate() {
    if (!shopping::isHandEdited(*m_data, SelectedWeek, SelectedYear))
        return ListUpdate::Replace;
    const int answer = m_services.dialogs.choose(
        tr("The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.\n\n"
           "Merge makes the items of the menu anew and keeps yours; Replace makes the whole list "
           "from the menu; Keep leaves the list as it is.")
            .arg(SelectedWeek)
            .arg(JvgLabel29 != nullptr ? JvgLabel29->text() : QString::number(SelectedYear)),
        {tr("Merge"), tr("Replace"), tr("Keep")});
    return answer == 0 ? ListUpdate::Merge : answer == 1 ? ListUpdate::Replace : ListUpdate::Keep;
}

shopping::Household TForm1::household() const {
    shopping::Household h;
    if (m_data == nullptr)
        return h;
    const int people =
        booksettings::value(m_data->ADOConnectionMain, QLatin1String(booksettings::People)).toInt();
    if (people > 0)
        h.people = people;
    if (booksettings::value(m_data->ADOConnectionMain, QLatin1String(booksettings::Units)) ==
        QLatin1String("US"))
        h.system = amounts::System::UsCustomary;
    return h;
}

void TForm1::householdSettings() {
    if (m_data == nullptr)
        return;
    const shopping::Household now = household();
    VaneDialog dialog(QStringLiteral("HouseholdDialog"), tr("Household"), tr("Whom the week is planned for"),
                      this);
    auto *form = new QFormLayout;
    auto *people = new QSpinBox(&dialog);
    people->setObjectName(QStringLiteral("HouseholdPeople"));
    people->setRange(1, 99);
    people->setValue(now.people);
    auto *units = new QComboBox(&dialog);
    units->setObjectName(QStringLiteral("HouseholdUnits"));
    units->addItems({tr("Metric (g, kg, ml, l)"), tr("US customary (oz, lb, cups)")});
    units->setCurrentIndex(now.system == amounts::System::UsCustomary ? 1 : 0);
    form->addRow(tr("&People at the table:"), people);
    form->addRow(tr("&Amounts in:"), units);
    dialog.body()->addLayout(form);
    dialog.addButtons();
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    booksettings::setValue(m_data->ADOConnectionMain, QLatin1String(booksettings::People),
                           QString::number(people->value()));
    booksettings::setValue(m_data->ADOConnectionMain, QLatin1String(booksettings::Units),
                           units->currentIndex() == 1 ? QStringLiteral("US") : QStringLiteral("Metric"));
    tellDone(tr("Weeks are planned for %1 people; Update Shopping List adds up the amounts anew")
                 .arg(people->value()));
}

bool TForm1::AddToShoppingList(const QString &description, const QString &group, const QString &quantity,
                               const QString &amount) {
    const std::optional<qint64> count = shopping::parseQuantity(quantity);
    if (!count) {
        m_services.dialogs.showError(QStringLiteral("The quantity must be a whole number from 1 to %1.")
                                         .arg(shopping::MaximumQuantity));
        return false;
    }
    m_data->runSql(shopping::rowCountQuery(SelectedWeek, SelectedYear, description));
    const qint64 rows = m_data->SQL.isEmpty() ? 0 : m_data->SQL.value(0, 0).toLongLong();
    m_data->SQL.close();
    {
        db::Transaction transaction(m_data->ADOConnectionMain);
        m_data->runSql(rows == 0
                           ? shopping::insertHandRow(SelectedWeek, SelectedYear, description, group, *count)
                           : shopping::updateRow(SelectedWeek, SelectedYear, description, group, *count));
        m_data->runSql(shopping::amountUpdate(SelectedWeek, SelectedYear, description, amount));
        for (const QString &mark : shopping::markByHand(SelectedWeek, SelectedYear, description, rows == 0))
            m_data->runSql(mark);
        shopping::markHandEdited(*m_data, SelectedWeek, SelectedYear);
        transaction.commit();
    }
    RefreshShoppingList();
    tellDone((rows == 0 ? tr("\"%1\" added to the shopping list of week %2")
                        : tr("\"%1\" changed in the shopping list of week %2"))
                 .arg(description)
                 .arg(SelectedWeek));
    // The row just written stays in sight.
    m_data->SHOP.locate(QStringLiteral("INGREDIENTSDESCRIPTION"), description);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    EditAmount->clear();
    return true;
}

void TForm1::DeleteFromShoppingList(const QString &description) {
    // The row, and what the week's list knew of the hand's work, as they were, for Undo.
    db::Connection &c = m_data->ADOConnectionMain;
    const QVariantList week{SelectedWeek, SelectedYear};
    const QString inWeek = QStringLiteral("WeekNumber=? AND YearNumber=?");
    QList<RowSnapshot> before{RowSnapshot::rows(c, QStringLiteral("ShoppingList"),
                                                inWeek + QStringLiteral(" AND IngredientsDescription=?"),
                                                week + QVariantList{description}),
                              RowSnapshot::rows(c, QStringLiteral("ShoppingListRemoved"), inWeek, week),
                              RowSnapshot::rows(c, QStringLiteral("ShoppingListHandEdits"), inWeek, week)};
    {
        db::Transaction transaction(m_data->ADOConnectionMain);
        m_data->runSql(shopping::deleteRow(SelectedWeek, SelectedYear, description));
        m_data->runSql(shopping::rememberRemoved(SelectedWeek, SelectedYear, description));
        shopping::markHandEdited(*m_data, SelectedWeek, SelectedYear);
        transaction.commit();
    }
    pushRowsUndo(QStringLiteral("Delete \"%1\" from the Shopping List").arg(description), std::move(before),
                 [this, week, inWeek] {
                     for (const char *table : {"ShoppingListRemoved", "ShoppingListHandEdits"}) {
                         db::Statement clear(
                             m_data->ADOConnectionMain,
                             QStringLiteral("DELETE FROM %1 WHERE ").arg(QLatin1String(table)) + inWeek);
                         clear.bind(1, week.at(0));
                         clear.bind(2, week.at(1));
                         clear.step();
                     }
                 });
    RefreshShoppingList();
    tellDone(QStringLiteral("\"%1\" deleted from the shopping list of week %2")
                 .arg(description)
                 .arg(SelectedWeek));
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
}

void TForm1::RbButton10Click() {
    if (Edit1->text().isEmpty() || Edit3->text().isEmpty())
        return;
    if (Edit1->text().trimmed().isEmpty()) {
        m_services.dialogs.showInformation(tr("Type the name of the item to buy first."));
        Edit1->setFocus();
        return;
    }
    AddToShoppingList(Edit1->text(), shopping::groupCase(Edit2->text()), Edit3->text(), EditAmount->text());
}

void TForm1::RbButton19Click() {
    const QString description = currentText(m_data->SHOP, QStringLiteral("INGREDIENTSDESCRIPTION"));
    if (!description.isEmpty())
        DeleteFromShoppingList(description);
}

void TForm1::DBLookupListBox2Click() {
    const QString description =
        currentText(m_data->SHOPINGREDIENTS, QStringLiteral("INGREDIENTS_DESCRIPTION"));
    if (description.isEmpty())
        return;
    Edit1->setText(description);
    Edit2->setText(currentText(m_data->SHOPINGREDIENTS, QStringLiteral("GROUP")));
    Edit3->setText(QStringLiteral("1"));
}

void TForm1::DBGrid9CellClick() {
    const QString description = currentText(m_data->SHOP, QStringLiteral("INGREDIENTSDESCRIPTION"));
    if (description.isEmpty())
        return;
    if (DBGrid9->clickedColumn() == 4 && !m_readOnly) {
        run([this] { toggleBought(); });
        return;
    }
    Edit1->setText(description);
    Edit2->setText(currentText(m_data->SHOP, QStringLiteral("INGREDIENTSTYPE")));
    Edit3->setText(currentText(m_data->SHOP, QStringLiteral("INGREDIENTSCOUNT")));
    EditAmount->setText(currentText(m_data->SHOP, QStringLiteral("INGREDIENTSAMOUNT")));
}

void TForm1::toggleBought() {
    db::QueryDataset &shop = m_data->SHOP;
    if (!shop.isOpen() || !shop.hasCurrentRow())
        return;
    const qint64 id = shop.field(QStringLiteral("SHOPPINGLISTID")).asInteger();
    const bool bought = !shop.field(QStringLiteral("BOUGHT")).asString().isEmpty();
    const int row = shop.currentRow();
    db::Statement tick(m_data->ADOConnectionMain,
                       QStringLiteral("UPDATE ShoppingList SET IngredientsBought=? WHERE ShoppingListID=?"));
    tick.bind(1, bought ? 0 : 1);
    tick.bind(2, id);
    tick.step();
    RefreshShoppingList();
    shop.setCurrentRow(row);
    tellDone(QStringLiteral("%1: %2").arg(shop.field(QStringLiteral("INGREDIENTSDESCRIPTION")).asString(),
                                          QLatin1String(bought ? "not bought yet" : "bought")));
}

bool TForm1::DBGrid9DragOver(const QWidget *source) const {
    return source == DBLookupListBox2;
}

void TForm1::DBGrid9DragDrop(const QWidget *source) {
    if (!DBGrid9DragOver(source))
        return;
    const QString description =
        currentText(m_data->SHOPINGREDIENTS, QStringLiteral("INGREDIENTS_DESCRIPTION"));
    if (!description.isEmpty())
        AddToShoppingList(description, currentText(m_data->SHOPINGREDIENTS, QStringLiteral("GROUP")),
                          QStringLiteral("1"));
}
