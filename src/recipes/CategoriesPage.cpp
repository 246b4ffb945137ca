// The categories page: recipe types and ingredient groups, added, and deleted together with what they hold.
#include "CatalogueStatements.h"
#include "RecipeBin.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/model/PlainName.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/ItemDrag.h"
#include "toolkit/widgets/TextLimit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

/// One half of the page: a kind of category, its table dataset and the texts around it.
struct CategoryKind {
    db::TableDataset &dataset;
    const char *keyField;
    const char *nameField;
    const char *inputCaption;
    const char *inputPrompt;
};

CategoryKind recipeTypes(TDataModule1 &data) {
    return {data.MEALTYPE, "ID", "Type", QT_TRANSLATE_NOOP("TForm1", "Eneter New Meal Type"),
            QT_TRANSLATE_NOOP("TForm1", "Meal Type:")};
}

CategoryKind ingredientGroups(TDataModule1 &data) {
    return {data.IGROUP, "IGROUP_ID", "IGROUP_NAME",
            QT_TRANSLATE_NOOP("TForm1", "Eneter New Ingredient Group"),
            QT_TRANSLATE_NOOP("TForm1", "Group Name:")};
}

} // namespace

void TForm1::buildCategoriesPage() {
    auto *body = new QWidget(TabSheet8);
    body->setObjectName(QStringLiteral("CategoriesBody"));
    auto *page = new QGridLayout(body);
    page->setContentsMargins(8, 6, 8, 8);
    page->setHorizontalSpacing(10);
    page->setVerticalSpacing(4);
    const auto half = [&](int row, const char *title, db::TableDataset &dataset, const char *field,
                          const char *gridName, const char *accessibleName) {
        auto *grid = new DBGrid(dataset, {QLatin1String(field)}, {tr(accessibleName)}, body);
        grid->setObjectName(QLatin1String(gridName));
        grid->setAccessibleName(tr(accessibleName));
        grid->horizontalHeader()->hide();
        auto *caption = new QLabel(tr(title), body);
        caption->setProperty("sectionCaption", true);
        caption->setBuddy(grid);
        page->addWidget(caption, row, 0, 1, 2);
        page->addWidget(grid, row + 1, 0);
        page->setRowStretch(row + 1, 1);
        return grid;
    };
    const auto buttons = [&](int row, const char *addName, const char *addText, void (TForm1::*add)(),
                             const char *deleteName, void (TForm1::*remove)(), const char *deleteSays) {
        auto *column = new QVBoxLayout;
        for (const auto &[name, text, handler] :
             {std::tuple{addName, addText, add},
              std::tuple{deleteName, QT_TR_NOOP("Delete Current"), remove}}) {
            auto *b = new QPushButton(tr(text), body);
            b->setObjectName(QString::fromLatin1(name));
            // Both lists have a "Delete Current"; assistive technology hears which one it deletes from.
            if (name == deleteName)
                b->setAccessibleName(tr(deleteSays));
            connect(b, &QPushButton::clicked, this,
                    [this, h = handler] { run([this, h] { (this->*h)(); }); });
            column->addWidget(b);
        }
        column->addStretch(1);
        page->addLayout(column, row + 1, 1);
    };
    DBGrid10 = half(0, QT_TR_NOOP("Recipe Types Editor"), m_data->MEALTYPE, "Type", "DBGrid10",
                    QT_TR_NOOP("Recipe types"));
    buttons(0, "RbButton22", QT_TR_NOOP("Add New Type"), &TForm1::RbButton22Click, "RbButton23",
            &TForm1::RbButton23Click, QT_TR_NOOP("Delete current recipe type"));
    DBGrid11 = half(2, QT_TR_NOOP("Ingredients Groups Editor"), m_data->IGROUP, "IGROUP_NAME", "DBGrid11",
                    QT_TR_NOOP("Ingredient groups"));
    buttons(2, "RbButton24", QT_TR_NOOP("Add New Group"), &TForm1::RbButton24Click, "RbButton25",
            &TForm1::RbButton25Click, QT_TR_NOOP("Delete current ingredient group"));
    // The groups in the order of the way through the shop: dragged into place, or moved a step at a time
    // by the buttons or Alt+Up and Alt+Down.
    auto *order = static_cast<QVBoxLayout *>(page->itemAtPosition(3, 1)->layout());
    for (const auto &[name, text, step, key] :
         {std::tuple{"MoveGroupUp", QT_TR_NOOP("Move Up"), -1, Qt::Key_Up},
          std::tuple{"MoveGroupDown", QT_TR_NOOP("Move Down"), 1, Qt::Key_Down}}) {
        auto *b = new QPushButton(tr(text), body);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tr("Moves the group along the way through the shop; the shopping list in "
                         "shop order follows it"));
        order->insertWidget(order->count() - 1, b);
        const auto move = [this, s = step] {
            if (!m_readOnly && m_data->IGROUP.hasCurrentRow())
                run([this, s] { moveGroup(m_data->IGROUP.currentRow() + s); });
        };
        connect(b, &QPushButton::clicked, this, move);
        new QShortcut(QKeySequence(Qt::ALT | key), DBGrid11, move, Qt::WidgetShortcut);
    }
    auto *drag = new ItemDrag(*DBGrid11);
    drag->accepts = [this](QWidget *source) { return source == DBGrid11 && !m_readOnly; };
    drag->dropped = [this, drag](QWidget *) {
        const QModelIndex at = DBGrid11->indexAt(drag->dropPosition);
        run([this, row = at.isValid() ? at.row() : m_data->IGROUP.recordCount() - 1] { moveGroup(row); });
    };
    page->setColumnStretch(0, 1);
    static_cast<QVBoxLayout *>(TabSheet8->layout())->addWidget(body, 1);
}

void TForm1::addCategory(bool groups) {
    const CategoryKind kind = groups ? ingredientGroups(*m_data) : recipeTypes(*m_data);
    const QString answer =
        plainName(m_services.dialogs.input(tr(kind.inputCaption), tr(kind.inputPrompt), QString()));
    if (answer.isEmpty())
        return; // cancelled
    if (answer.trimmed().isEmpty()) {
        m_services.dialogs.showInformation(
            tr("%1 needs a name of more than blanks.")
                .arg(groups ? QStringLiteral("A group") : QStringLiteral("A type")));
        return;
    }
    if (characterCount(answer) > 50) {
        m_services.dialogs.showInformation(tr("%1 can be at most 50 characters long.")
                                               .arg(groups ? tr("A group's name") : tr("A recipe type")));
        return;
    }
    kind.dataset.append();
    kind.dataset.setValue(QLatin1String(kind.nameField), answer);
    try {
        kind.dataset.post();
    } catch (const db::DbError &) {
        kind.dataset.cancel();
        throw;
    }
    tellDone(
        QStringLiteral("%1 \"%2\" added").arg(groups ? tr("Ingredient group") : tr("Recipe type"), answer));
}

void TForm1::deleteCategory(bool groups) {
    const CategoryKind kind = groups ? ingredientGroups(*m_data) : recipeTypes(*m_data);
    qint64 id = 0;
    QString name;
    try {
        if (kind.dataset.hasCurrentRow()) {
            id = kind.dataset.field(QLatin1String(kind.keyField)).asInteger();
            name = kind.dataset.field(QLatin1String(kind.nameField)).asString();
        }
    } catch (const db::DbError &) {
        return;
    }
    m_data->runSql(groups ? catalogue::ingredientsOfGroup(id) : catalogue::recipesOfType(id));
    const qint64 count = m_data->SQL.value(0, 0).toLongLong();
    m_data->SQL.close();
    if (count > 0) {
        const QString question =
            groups ? tr("%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these "
                        "Ingredients. Continue?",
                        nullptr, int(count))
                         .arg(name)
                   : tr("%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. "
                        "Continue?",
                        nullptr, int(count))
                         .arg(name);
        if (!m_services.dialogs.confirm(question))
            return;
    }
    // What goes is kept for Undo: the category's row, and its ingredients, or its recipes (in the bin of
    // deleted recipes, as a recipe deleted by itself).
    db::Connection &c = m_data->ADOConnectionMain;
    QList<RowSnapshot> before{
        RowSnapshot::rows(c, groups ? QStringLiteral("IGroup") : QStringLiteral("Meal_Type"),
                          QLatin1String(kind.keyField) + QStringLiteral("=?"), {id})};
    QList<qint64> kept;
    db::Transaction transaction(c);
    if (count > 0) {
        if (groups) {
            before << RowSnapshot::rows(c, QStringLiteral("Ingredients"), QStringLiteral("Ingredients_Group=?"), {id});
        } else {
            db::Statement recipes(c, QStringLiteral("SELECT Meal_ID FROM Meal WHERE Meal_Type=?"));
            recipes.bind(1, id);
            while (recipes.step())
                kept << recipebin::keep(c, recipes.value(0).toLongLong());
        }
        m_data->runSql(groups ? catalogue::deleteIngredientsOfGroup(id) : catalogue::deleteRecipesOfType(id));
    }
    transaction.commit();
    pushRowsUndo(
        QStringLiteral("Delete %1 \"%2\"").arg(groups ? tr("Ingredient Group") : tr("Recipe Type"), name),
        std::move(before), [this, kept] {
            for (const qint64 entry : kept)
                recipebin::restore(m_data->ADOConnectionMain, entry);
        });
    try {
        kind.dataset.deleteCurrent();
        tellDone(QStringLiteral("%1 \"%2\" deleted")
                     .arg(groups ? tr("Ingredient group") : tr("Recipe type"), name));
    } catch (const db::DbError &) {
        // An empty list has no row to delete; there is nothing to tell.
    }
    RefreshTables();
}

void TForm1::moveGroup(int to) {
    db::TableDataset &groups = m_data->IGROUP;
    if (!groups.hasCurrentRow() || to < 0 || to >= groups.recordCount() || to == groups.currentRow())
        return;
    QList<qint64> ids;
    for (int row = 0; row < groups.recordCount(); ++row)
        ids << groups.value(row, QStringLiteral("IGROUP_ID")).toLongLong();
    const QString name = groups.field(QStringLiteral("IGROUP_NAME")).asString();
    ids.move(groups.currentRow(), to);
    {
        db::Transaction transaction(m_data->ADOConnectionMain);
        db::Statement place(m_data->ADOConnectionMain,
                            QStringLiteral("UPDATE IGroup SET IGROUP_POSITION=? WHERE IGROUP_ID=?"));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            place.reset();
            place.bind(1, qint64(i));
            place.bind(2, ids.at(i));
            place.step();
        }
        transaction.commit();
    }
    groups.refresh();
    tellDone(tr("Ingredient group \"%1\" is now %2 of %3 on the way through the shop")
                 .arg(name)
                 .arg(to + 1)
                 .arg(ids.size()));
}

void TForm1::RbButton22Click() {
    addCategory(false);
}

void TForm1::RbButton23Click() {
    deleteCategory(false);
}

void TForm1::RbButton24Click() {
    addCategory(true);
}

void TForm1::RbButton25Click() {
    deleteCategory(true);
}
