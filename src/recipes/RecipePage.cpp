// The recipe page: one recipe of the book at a time, its type, meal times, method and ingredients.
#include "PictureData.h"
#include "RecipeBin.h"
#include "RecipeDetails.h"
#include "RecipeLinesEditor.h"
#include "RecipeStatements.h"
#include "TForm3.h"
#include "TForm8.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/model/PlainName.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBImage.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBMemo.h"
#include "toolkit/widgets/FlowLayout.h"
#include "toolkit/widgets/ReportPreview.h"
#include "toolkit/widgets/TextLimit.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/// The meal-time flags of a recipe in the order the page shows them, with their boxes' names and captions.
struct TimeFlag {
    const char *box;
    const char *caption;
    const char *field;
};
const TimeFlag TimeFlags[] = {{"cbmorning", "MORNING", "Meal_Morning"},
                              {"cbsnack", "SNACK", "Meal_Snack"},
                              {"cbnoon", "NOON", "Meal_Noon"},
                              {"cbnight", "NIGHT", "Meal_Night"},
                              {"cbdessert", "DESSERT", "Meal_Dessert"}};

/// The longest recipe name the book stores.
constexpr int MaximumNameLength = 50;

} // namespace

void TForm1::buildRecipePage() {
    auto *body = new QWidget(TabSheet3);
    body->setObjectName(QStringLiteral("RecipeBody"));
    auto *page = new QGridLayout(body);
    page->setContentsMargins(8, 6, 8, 8);
    page->setHorizontalSpacing(12);
    page->setVerticalSpacing(6);

    const auto caption = [&](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, body);
        label->setBuddy(buddy);
        label->setProperty("sectionCaption", true);
        return label;
    };
    const auto button = [&](const char *name, const char *text, void (TForm1::*handler)()) {
        auto *b = new QPushButton(tr(text), body);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this,
                [this, handler] { run([this, handler] { (this->*handler)(); }); });
        return b;
    };

    // Every layout has its owner from the start: a recipe table that cannot be read stops the building
    // half-way, and nothing is left without one.
    auto *left = new QGridLayout;
    page->addLayout(left, 0, 0);
    left->setHorizontalSpacing(6);
    left->setVerticalSpacing(6);
    DBLookupComboBox2 = new DBLookupComboBox(m_data->SQLMEALS, QStringLiteral("Meal_Name"), body);
    DBLookupComboBox2->setObjectName(QStringLiteral("DBLookupComboBox2"));
    DBLookupComboBox2->setKeyField(QStringLiteral("Meal_ID"));
    DBLookupComboBox2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The box takes the room the page has; its list shows every name whole.
    DBLookupComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DBLookupComboBox2->setMinimumContentsLength(8);
    RbButton4 = button("RbButton4", QT_TR_NOOP("Change Name"), &TForm1::RbButton4Click);
    left->addWidget(caption(tr("&Name:"), DBLookupComboBox2), 0, 0);
    // The name has the row to itself, so that a long one shows whole; its button is among the recipe's.
    left->addWidget(DBLookupComboBox2, 0, 1, 1, 2);

    DBLookupComboBox3 = new DBLookupComboBox(m_data->MEALTYPE, QStringLiteral("Type"), body);
    DBLookupComboBox3->setObjectName(QStringLiteral("DBLookupComboBox3"));
    DBLookupComboBox3->setAccessibleName(tr("Type"));
    DBLookupComboBox3->setKeyField(QStringLiteral("ID"));
    DBLookupComboBox3->bindField(m_data->MEALS, QStringLiteral("Meal_Type"));
    left->addWidget(caption(tr("&Type:"), DBLookupComboBox3), 1, 0);
    // The type has its row to itself as well: a long one shows whole on the narrowest page.
    DBLookupComboBox3->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    DBLookupComboBox3->setMinimumContentsLength(3);
    left->addWidget(DBLookupComboBox3, 1, 1, 1, 2);

    // As many boxes to a row as their captions leave room for.
    auto *times = new FlowLayout(nullptr, 14, 2);
    left->addLayout(times, 3, 0, 1, 3);
    for (size_t t = 0; t < std::size(TimeFlags); ++t) {
        auto *box = new QCheckBox(QLatin1String(TimeFlags[t].caption), body);
        box->setObjectName(QLatin1String(TimeFlags[t].box));
        m_timeFlagBoxes[t] = box;
        times->addWidget(box);
    }
    auto *timeCaption = new QLabel(tr("Time Of Day:"), body);
    timeCaption->setProperty("sectionCaption", true);
    left->addWidget(timeCaption, 2, 0, 1, 3);
    cbmorning = m_timeFlagBoxes[0];
    cbsnack = m_timeFlagBoxes[1];
    cbnoon = m_timeFlagBoxes[2];
    cbnight = m_timeFlagBoxes[3];
    cbdessert = m_timeFlagBoxes[4];

    DBMemo1 = new DBMemo(m_data->MEALS, QStringLiteral("Meal_Recipe"), body);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    // The method as the book has always kept it; the ingredient lines with their amounts beside it.
    m_ingredientTabs = new QTabWidget(body);
    m_ingredientTabs->setObjectName(QStringLiteral("RecipeMethodTabs"));
    m_ingredientTabs->setDocumentMode(true);
    // Its tabs take the focus, not the frame around them.
    m_ingredientTabs->setFocusPolicy(Qt::NoFocus);
    DBMemo1->setAccessibleName(tr("Description"));
    m_ingredientTabs->addTab(DBMemo1, tr("Method"));
    m_linesEditor = new RecipeLinesEditor(m_data->ADOConnectionMain, m_ingredientTabs);
    m_linesEditor->run = [this](const std::function<void()> &change) { run(change); };
    m_ingredientTabs->addTab(m_linesEditor, tr("Amounts"));
    connect(m_linesEditor, &RecipeLinesEditor::linksChanged, this, [this] { RefreshIngredients(); });
    m_recipeDetails = new RecipeDetails(m_data->MEALS, m_services.shell, m_ingredientTabs);
    m_ingredientTabs->addTab(m_recipeDetails, tr("Details"));
    left->addWidget(caption(tr("&Description:"), DBMemo1), 4, 0, 1, 3);
    left->addWidget(m_ingredientTabs, 5, 0, 1, 3);
    left->setRowStretch(5, 1);
    left->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    page->addLayout(right, 0, 1);
    right->setSpacing(6);
    DBGrid2 = new DBGrid(m_data->SQLMEAL1, {QStringLiteral("Ingredients_Description"), QStringLiteral("Group")},
                         {tr("Description"), tr("Group")}, body);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setAccessibleName(tr("Ingredients of the recipe"));
    DBGrid2->setColumnModes({QHeaderView::Stretch, QHeaderView::Stretch});
    // Long ingredient and group names go on over two lines on a small window.
    DBGrid2->setWrapping(true);
    right->addWidget(caption(tr("&Ingredients:"), DBGrid2));
    right->addWidget(DBGrid2, 1);
    auto *ingredientButtons = new FlowLayout;
    right->addLayout(ingredientButtons);
    RbButton8 = button("RbButton8", QT_TR_NOOP("Add Ingredient"), &TForm1::RbButton8Click);
    RbButton9 = button("RbButton9", QT_TR_NOOP("Delete Ingredient"), &TForm1::RbButton9Click);
    ingredientButtons->addWidget(RbButton8);
    ingredientButtons->addWidget(RbButton9);

    EDBImage1 = new DBImage(m_data->MEALS, QStringLiteral("Meal_Picture"), picture::decode,
                            picture::pictureSize, DBImage::Fit::ShrinkToFit, body);
    EDBImage1->setObjectName(QStringLiteral("EDBImage1"));
    EDBImage1->setAccessibleName(tr("Picture"));
    EDBImage1->setFocusPolicy(Qt::StrongFocus);
    EDBImage1->setMinimumHeight(120);
    EDBImage1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(EDBImage1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto menuItem = [this](const char *name, const char *text, void (TForm1::*handler)()) {
        QAction *action = PopupMenu1->addAction(tr(text));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    menuItem("LoadNewPicture1", QT_TR_NOOP("Load New Picture"), &TForm1::LoadNewPicture1Click);
    menuItem("ClearPicture1", QT_TR_NOOP("Clear Picture"), &TForm1::ClearPicture1Click);
    menuItem("SavePicture1", QT_TR_NOOP("Save Picture ..."), &TForm1::SavePicture1Click);
    PopupMenu1->addSeparator();
    menuItem("Vieworiginalsize1", QT_TR_NOOP("View in original size"), &TForm1::Vieworiginalsize1Click);
    connect(EDBImage1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(EDBImage1->mapToGlobal(at)); });
    connect(EDBImage1, &DBImage::doubleClicked, this, [this] { run([this] { Vieworiginalsize1Click(); }); });
    right->addWidget(caption(tr("&Picture: (Right Click)"), EDBImage1));
    right->addWidget(EDBImage1, 1);
    page->setColumnStretch(0, 3);
    page->setColumnStretch(1, 2);

    // The buttons go on in a second row when the window is too narrow for their captions.
    auto *recipeButtons = new FlowLayout;
    page->addLayout(recipeButtons, 1, 0, 1, 2);
    RbButton6 = button("RbButton6", QT_TR_NOOP("Add New Recipe"), &TForm1::RbButton6Click);
    RbButton5 = button("RbButton5", QT_TR_NOOP("Save"), &TForm1::RbButton5Click);
    RbButton7 = button("RbButton7", QT_TR_NOOP("Delete Recipe"), &TForm1::RbButton7Click);
    recipeButtons->addWidget(RbButton6);
    recipeButtons->addWidget(RbButton5);
    recipeButtons->addWidget(RbButton7);
    recipeButtons->addWidget(RbButton4);
    recipeButtons->addStretch();
    RbButton21 = button("RbButton21", QT_TR_NOOP("Print Recipe"), &TForm1::RbButton21Click);
    RbButton26 = button("RbButton26", QT_TR_NOOP("Email Recipe"), &TForm1::RbButton26Click);
    recipeButtons->addWidget(RbButton21);
    recipeButtons->addWidget(RbButton26);
    auto *readAmounts = new QPushButton(QStringLiteral("Read Amounts from Method"), body);
    readAmounts->setObjectName(QStringLiteral("ReadAmountsFromMethod"));
    connect(readAmounts, &QPushButton::clicked, this, [this] { run([this] { readAmountsFromMethod(); }); });
    recipeButtons->addWidget(readAmounts);
    static_cast<QVBoxLayout *>(TabSheet3->layout())->addWidget(body, 1);

    // Ctrl+Shift+V with a recipe's address on the clipboard imports it.
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), TabSheet3,
        [this] { run([this] { importFromWebAddress(); }); }, Qt::WidgetWithChildrenShortcut);
    connect(DBLookupComboBox2, &QComboBox::activated, this,
            [this] { run([this] { DBLookupComboBox2CloseUp(); }); });
}

void TForm1::attachIngredientDialog(TForm3 *dialog) {
    m_ingredientDialog = dialog;
}

void TForm1::attachPictureViewer(TForm8 *viewer) {
    m_pictureViewer = viewer;
}

void TForm1::postOrUndo(db::TableDataset &table) {
    try {
        table.post();
    } catch (const db::DbError &) {
        // A write the file refused (a full disk) is not kept pending, where every later write and the
        // closing would meet it again: the recipe shows what the book holds, and the box says why.
        table.cancel();
        throw;
    }
}

void TForm1::LoadNewPicture1Click() {
    if (!onChosenRecipe())
        return;
    const QString path = m_services.dialogs.openFileName(tr("Load New Picture"), picture::fileFilters());
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QString error;
    QByteArray bytes = picture::readFile(path, error);
    if (bytes.isEmpty()) {
        m_services.dialogs.showError(error);
        return;
    }
    // A camera's photo is offered at a size the page and the printout can show, rather than whole: a book
    // of photographs would grow by megabytes a recipe.
    const auto megabytes = [](qsizetype size) {
        return QString::number(std::max(0.1, double(size) / 1e6), 'f', 1);
    };
    const QSize size = picture::pictureSize(bytes);
    QString done = tr("Loaded the picture (%1 MB)").arg(megabytes(bytes.size()));
    if (size.isValid() && std::max(size.width(), size.height()) > picture::KeptLongSide) {
        const QByteArray smaller = picture::reduced(bytes);
        if (!smaller.isEmpty() && smaller.size() < bytes.size()) {
            if (m_services.dialogs.propose(
                    QStringLiteral(
                        "This photo is %1 x %2 pixels (%3 MB). Keep it at 2,000 pixels (about %4 MB)?")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(megabytes(bytes.size()), megabytes(smaller.size())))) {
                const QSize kept = picture::pictureSize(smaller);
                bytes = smaller;
                done = tr("Kept the photo at %1 x %2 pixels (%3 MB)")
                           .arg(kept.width())
                           .arg(kept.height())
                           .arg(megabytes(bytes.size()));
            } else {
                done = tr("Kept the photo as it is: %1 x %2 pixels (%3 MB)")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(megabytes(bytes.size()));
            }
        }
    }
    db::TableDataset &meals = m_data->MEALS;
    // What was typed before is written first, on its own: a picture the disk cannot take then takes
    // nothing else with it.
    if (meals.state() != db::Dataset::State::Browse)
        meals.post();
    meals.edit();
    meals.setValue(QStringLiteral("Meal_Picture"), bytes);
    postOrUndo(meals);
    tellDone(done);
}

void TForm1::ClearPicture1Click() {
    if (!onChosenRecipe())
        return;
    db::TableDataset &meals = m_data->MEALS;
    if (meals.field(QStringLiteral("Meal_Picture")).value().toByteArray().isEmpty())
        return;
    if (!m_services.dialogs.confirm(tr("Clear the picture of \"%1\"?").arg(DBLookupComboBox2->currentText())))
        return;
    if (meals.state() != db::Dataset::State::Browse)
        meals.post();
    const qint64 id = meals.field(QStringLiteral("Meal_ID")).asInteger();
    const RowSnapshot picture =
        RowSnapshot::columns(m_data->ADOConnectionMain, QStringLiteral("Meal"), {QStringLiteral("Meal_Picture")},
                             QStringLiteral("Meal_ID=?"), {id});
    meals.edit();
    meals.setValue(QStringLiteral("Meal_Picture"), QVariant());
    postOrUndo(meals);
    pushRowsUndo(tr("Clear Picture of \"%1\"").arg(DBLookupComboBox2->currentText()), {picture});
}

void TForm1::SavePicture1Click() {
    if (!onChosenRecipe())
        return;
    const QString path = m_services.dialogs.saveFileName(tr("Save Picture"), {});
    if (path.isEmpty() || EDBImage1->image().isNull())
        return;
    // The picture keeps its own format whatever the name says.
    const QByteArray bytes = picture::fileBytes(EDBImage1->data());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_services.dialogs.showError(tr("Could not write the picture to \"%1\": %2")
                                         .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void TForm1::Vieworiginalsize1Click() {
    if (m_pictureViewer == nullptr)
        return;
    m_pictureViewer->show();
    m_pictureViewer->raise();
    m_pictureViewer->activateWindow();
}

bool TForm1::recipeChosen() const {
    return !DBLookupComboBox2->currentText().isEmpty();
}

bool TForm1::onChosenRecipe() {
    if (!recipeChosen())
        return false;
    const QVariant id = DBLookupComboBox2->keyValue();
    db::TableDataset &meals = m_data->MEALS;
    const bool there = meals.hasCurrentRow() && meals.field(QStringLiteral("Meal_ID")).value() == id;
    if (there || meals.locate(QStringLiteral("Meal_ID"), id))
        return true;
    // The recipe the chooser showed is gone (deleted with its type, say): the page shows the first recipe
    // of the book instead, whole, and the button does nothing this time.
    showRecipe(id);
    return false;
}

void TForm1::showRecipe(const QVariant &id) {
    db::TableDataset &meals = m_data->MEALS;
    DBLookupComboBox2->setKeyValue(id);
    if (!meals.locate(QStringLiteral("Meal_ID"), id)) {
        // Gone behind the list: re-read it and show the first recipe rather than another row's fields
        // under this name.
        m_data->SQLMEALS.close();
        m_data->SQLMEALS.open();
        const bool any = m_data->SQLMEALS.hasCurrentRow();
        const QVariant first = any ? m_data->SQLMEALS.field(QStringLiteral("MEAL_ID")).value() : QVariant();
        DBLookupComboBox2->setKeyValue(first);
        if (!any || !meals.locate(QStringLiteral("Meal_ID"), first)) {
            for (QCheckBox *box : m_timeFlagBoxes)
                box->setChecked(false);
            RefreshIngredients();
            return;
        }
    }
    try {
        for (size_t t = 0; t < std::size(TimeFlags); ++t)
            m_timeFlagBoxes[t]->setChecked(meals.hasCurrentRow() &&
                                           meals.field(QLatin1String(TimeFlags[t].field)).asBoolean());
    } catch (const db::DbError &) {
        // A flag that cannot be read ends the load; the ingredient list stays as it was.
        return;
    }
    RefreshIngredients();
}

void TForm1::JvXPBar4Items0Click() {
    if (!CheckChanges())
        return;
    DBLookupComboBox2->update();
    DBLookupComboBox2CloseUp();
    showPage(TabSheet3);
}

void TForm1::DBLookupComboBox2CloseUp() {
    const db::TableDataset &meals = m_data->MEALS;
    if (m_data->SQLMEALS.hasCurrentRow())
        showRecipe(m_data->SQLMEALS.field(QStringLiteral("MEAL_ID")).value());
    else
        showRecipe(meals.hasCurrentRow() ? meals.field(QStringLiteral("MEAL_ID")).value() : QVariant());
}

void TForm1::rereadRecipeList() {
    m_data->SQLMEALS.close();
    m_data->SQLMEALS.open();
    const db::TableDataset &meals = m_data->MEALS;
    DBLookupComboBox2->setKeyValue(meals.hasCurrentRow() ? meals.field(QStringLiteral("MEAL_ID")).value()
                                                         : QVariant());
}

std::optional<QString> TForm1::askRecipeName(const QString &caption, const QString &preset) {
    const QString answer = plainName(m_services.dialogs.input(caption, tr("New Recipe Name:"), preset));
    if (answer.isEmpty() || answer == preset)
        return std::nullopt;
    if (answer.trimmed().isEmpty()) {
        m_services.dialogs.showError(tr("A recipe needs a name of more than blanks."));
        return std::nullopt;
    }
    if (characterCount(answer) > MaximumNameLength) {
        m_services.dialogs.showError(
            tr("A recipe name can be at most %1 characters long.").arg(MaximumNameLength));
        return std::nullopt;
    }
    // Another recipe of the same name, letter case aside, would mix with this one wherever recipes are
    // found by name. Renaming a recipe to its own name in other letters is no clash.
    m_data->runSql(recipes::recipeCountByName(answer));
    qint64 clashes = m_data->SQL.value(0, 0).toLongLong();
    m_data->SQL.close();
    if (!preset.isEmpty() && preset.compare(answer, Qt::CaseInsensitive) == 0)
        --clashes;
    if (clashes > 0) {
        m_services.dialogs.showError(tr("The recipe book already has a recipe named \"%1\".").arg(answer));
        return std::nullopt;
    }
    return answer;
}

void TForm1::RbButton4Click() {
    if (!onChosenRecipe())
        return;
    db::TableDataset &meals = m_data->MEALS;
    const QString current = meals.field(QStringLiteral("Meal_Name")).asString();
    const std::optional<QString> answer = askRecipeName(tr("Input New Recipe Name"), current);
    if (!answer)
        return;
    meals.edit();
    meals.setValue(QStringLiteral("Meal_Name"), *answer);
    std::optional<db::DbError> failure;
    try {
        meals.post();
    } catch (const db::DbError &error) {
        failure = error;
    }
    rereadRecipeList();
    if (failure)
        throw *failure;
}

void TForm1::RbButton5Click() {
    db::TableDataset &meals = m_data->MEALS;
    if (!onChosenRecipe() || !meals.hasCurrentRow())
        return;
    meals.edit();
    for (size_t t = 0; t < std::size(TimeFlags); ++t)
        meals.setValue(QLatin1String(TimeFlags[t].field), m_timeFlagBoxes[t]->isChecked());
    meals.post();
    const QString name = meals.field(QStringLiteral("Meal_Name")).asString();
    // The page goes on showing the recipe it saved, whatever another window chose in the shared list.
    showRecipe(meals.field(QStringLiteral("Meal_ID")).value());
    tellDone(tr("Saved the recipe \"%1\"").arg(name));
}

void TForm1::RbButton6Click() {
    const std::optional<QString> name = askRecipeName(tr("Add New Recipe"), QString());
    if (!name)
        return;
    db::TableDataset &meals = m_data->MEALS;
    meals.append();
    meals.setValue(QStringLiteral("Meal_Name"), *name);
    try {
        meals.post();
    } catch (const db::DbError &) {
        meals.cancel();
        throw;
    }
    rereadRecipeList();
    DBLookupComboBox2CloseUp();
}

void TForm1::RbButton7Click() {
    if (!onChosenRecipe())
        return;
    if (!m_services.dialogs.confirm(
            QStringLiteral("Delete the recipe \"%1\" with its ingredient list and picture?")
                .arg(DBLookupComboBox2->currentText())))
        return;
    // Kept whole in the bin first, in the same transaction: Undo, or File > Deleted Recipes... for 30 days,
    // puts it back.
    db::Connection &c = m_data->ADOConnectionMain;
    const QString name = m_data->MEALS.field(QStringLiteral("Meal_Name")).asString();
    qint64 kept = 0;
    {
        db::Transaction transaction(c);
        kept = recipebin::keep(c, m_data->MEALS.field(QStringLiteral("Meal_ID")).asInteger());
        m_data->MEALS.deleteCurrent();
        transaction.commit();
    }
    pushUndo(QStringLiteral("Delete Recipe \"%1\"").arg(name), UndoKind::Book, [this, kept] {
        const recipebin::Restored back = recipebin::restore(m_data->ADOConnectionMain, kept);
        m_data->MEALS.close();
        m_data->MEALS.open();
        m_data->MEALS.locate(QStringLiteral("Meal_ID"), back.mealId);
    });
    rereadRecipeList();
    DBLookupComboBox2CloseUp();
    tellDone(
        tr("Deleted the recipe \"%1\"; Edit > Undo or File > Deleted Recipes... puts it back").arg(name));
}

namespace {

/// Re-runs an ingredient query of the recipe page for the current recipe; false when there is none.
bool rerunForRecipe(const db::TableDataset &meals, db::QueryDataset &query) {
    const QString id = meals.hasCurrentRow() ? meals.field(QStringLiteral("Meal_ID")).asString() : QString();
    if (id.isEmpty())
        return false;
    query.close();
    query.setParameter(QStringLiteral("xMeal_ID"), id.toLongLong());
    query.open();
    return true;
}

} // namespace

void TForm1::RefreshIngredients() {
    // With no recipe left there is nothing to list; the last recipe's ingredients must not stay in view.
    if (!rerunForRecipe(m_data->MEALS, m_data->SQLMEAL1))
        m_data->SQLMEAL1.close();
    if (m_linesEditor != nullptr) {
        const db::TableDataset &meals = m_data->MEALS;
        m_linesEditor->showRecipe(meals.hasCurrentRow() ? meals.field(QStringLiteral("Meal_ID")).asInteger()
                                                        : 0);
        m_linesEditor->setReadOnly(m_readOnly);
    }
    if (m_recipeDetails != nullptr)
        m_recipeDetails->setReadOnly(m_readOnly);
}

void TForm1::readAmountsFromMethod() {
    if (!onChosenRecipe())
        return;
    db::TableDataset &meals = m_data->MEALS;
    const qint64 meal = meals.field(QStringLiteral("Meal_ID")).asInteger();
    const QStringList top =
        recipelines::ingredientBlock(meals.field(QStringLiteral("Meal_Recipe")).asString());
    const QString name = meals.field(QStringLiteral("Meal_Name")).asString();
    if (top.isEmpty()) {
        m_services.dialogs.showInformation(
            tr("The method of \"%1\" does not begin with ingredient lines.").arg(name));
        return;
    }
    if (!m_services.dialogs.confirm(tr("Make the ingredient lines of \"%1\" from the %2 lines at the "
                                       "top of its method?%3")
                                        .arg(name)
                                        .arg(top.size())
                                        .arg(m_linesEditor->grid()->rowCount() > 0
                                                 ? tr(" The lines it has now are replaced.")
                                                 : QString())))
        return;
    if (!backUpBeforeChange(tr("reading the amounts")))
        return;
    {
        recipelines::Catalogue catalogue(m_data->ADOConnectionMain);
        db::Transaction transaction(m_data->ADOConnectionMain);
        recipelines::write(m_data->ADOConnectionMain, catalogue, meal, recipelines::readAll(top));
        transaction.commit();
    }
    RefreshIngredients();
    m_ingredientTabs->setCurrentWidget(m_linesEditor);
    tellDone(QStringLiteral("\"%1\": %2 ingredient lines read from the method").arg(name).arg(top.size()));
}

void TForm1::readAllAmountsFromMethods() {
    db::Connection &c = m_data->ADOConnectionMain;
    QList<std::pair<qint64, QStringList>> found;
    {
        db::Statement recipes(c,
                              QStringLiteral("SELECT Meal_ID, Meal_Recipe FROM Meal WHERE Meal_ID NOT IN "
                                             "(SELECT Meal_ID FROM Recipe_Lines WHERE Meal_ID IS NOT NULL)"));
        while (recipes.step()) {
            const QStringList top = recipelines::ingredientBlock(recipes.value(1).toString());
            if (!top.isEmpty())
                found.push_back({recipes.value(0).toLongLong(), top});
        }
    }
    if (found.isEmpty()) {
        m_services.dialogs.showInformation(
            tr("No recipe without ingredient lines has a method that begins with them."));
        return;
    }
    if (!m_services.dialogs.confirm(tr("Make ingredient lines for %1 recipes that have none, from "
                                       "the lines at the top of their methods? Nothing else is "
                                       "changed.")
                                        .arg(found.size())) ||
        !backUpBeforeChange(tr("reading the amounts")))
        return;
    {
        BusyCursor busy;
        recipelines::Catalogue catalogue(c);
        db::Transaction transaction(c);
        for (const auto &[meal, top] : found)
            recipelines::write(c, catalogue, meal, recipelines::readAll(top));
        transaction.commit();
    }
    RefreshIngredients();
    tellDone(tr("Ingredient lines made for %1 recipes").arg(found.size()));
}

void TForm1::RefreshNotIngredients() {
    rerunForRecipe(m_data->MEALS, m_data->SQLMEAL2);
}

void TForm1::RbButton8Click() {
    if (!onChosenRecipe() || m_ingredientDialog == nullptr)
        return;
    m_ingredientDialog->MealID = m_data->MEALS.field(QStringLiteral("MEAL_ID")).asInteger();
    RefreshNotIngredients();
    showModal(*m_ingredientDialog);
}

void TForm1::RbButton9Click() {
    const db::QueryDataset &list = m_data->SQLMEAL1;
    qint64 meal = 0;
    qint64 ingredient = 0;
    try {
        if (!list.isOpen() || !list.hasCurrentRow() ||
            list.field(QStringLiteral("Ingredients_Description")).asString().isEmpty())
            return;
        ingredient = list.field(QStringLiteral("Ingredients_ID")).asInteger();
        meal = m_data->MEALS.field(QStringLiteral("MEAL_ID")).asInteger();
    } catch (const db::DbError &) {
        return;
    }
    m_data->runSql(recipes::madeWithDelete(meal, ingredient));
    RefreshIngredients();
}

void TForm1::RbButton26Click() {
    if (onChosenRecipe())
        PrintMealToEmail(DBLookupComboBox2->currentText());
}
