// Edit > Undo, which takes back the session's last change that deleted or cleared something, and File >
// Deleted Recipes..., which puts back a recipe deleted in the last 30 days.
#include "TForm1.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeBin.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

void TForm1::pushUndo(const QString &caption, UndoKind kind, std::function<void()> undo) {
    m_undo.push_back({caption, kind, std::move(undo)});
    updateUndoAction();
}

void TForm1::pushRowsUndo(const QString &caption, QList<RowSnapshot> rows, std::function<void()> alsoInside) {
    pushUndo(caption, UndoKind::Book, [this, rows = std::move(rows), alsoInside = std::move(alsoInside)] {
        db::Transaction transaction(m_data->ADOConnectionMain);
        if (alsoInside)
            alsoInside();
        for (const RowSnapshot &snapshot : rows)
            snapshot.putBack(m_data->ADOConnectionMain);
        transaction.commit();
    });
}

void TForm1::dropPlannerUndo() {
    std::erase_if(m_undo, [](const UndoStep &step) { return step.kind == UndoKind::Planner; });
    updateUndoAction();
}

void TForm1::updateUndoAction() {
    if (ActionUndo == nullptr)
        return;
    ActionUndo->setEnabled(!m_undo.empty() && !m_readOnly);
    ActionUndo->setText(m_undo.empty() ? tr("&Undo") : tr("&Undo %1").arg(m_undo.back().caption));
}

void TForm1::undoLast() {
    if (m_undo.empty() || m_readOnly || m_data == nullptr)
        return;
    const UndoStep step = m_undo.back();
    m_undo.pop_back();
    updateUndoAction();
    step.undo();
    if (step.kind == UndoKind::Book) {
        // Every list over the book shows what came back.
        rereadAfterImport();
        m_data->IGROUP.refresh();
        m_data->SQLGROUPS.close();
        m_data->SQLGROUPS.open();
        DBLookupComboBox2CloseUp();
        if (activePage() == TabSheet2)
            RefreshShoppingList();
    }
    tellDone(tr("Undone: %1").arg(step.caption));
}

TForm1::PlannerState TForm1::plannerState() {
    PlannerState state;
    for (int day = 0; day < 7; ++day)
        for (int code = 1; code <= 6; ++code) {
            CheckedComboBox *box = weekBox(day, code);
            QList<int> ticked;
            for (int i = 0; i < box->count(); ++i)
                if (box->isChecked(i))
                    ticked << i;
            state.ticked << ticked;
        }
    state.changed = WeekGridChanged;
    return state;
}

void TForm1::pushPlannerUndo(const QString &caption, const PlannerState &before) {
    if (before.ticked == plannerState().ticked)
        return;
    pushUndo(caption, UndoKind::Planner, [this, before] {
        qsizetype at = 0;
        for (int day = 0; day < 7; ++day)
            for (int code = 1; code <= 6; ++code) {
                CheckedComboBox *box = weekBox(day, code);
                box->deselectAll();
                for (const int i : before.ticked.value(at++))
                    box->setChecked(i, true);
                box->setToolTip(box->text());
            }
        setWeekGridChanged(before.changed);
    });
}

void TForm1::deletedRecipes() {
    if (m_data == nullptr)
        return;
    db::Connection &c = m_data->ADOConnectionMain;
    recipebin::prune(c);
    const QList<recipebin::Entry> kept = recipebin::entries(c);
    if (kept.isEmpty()) {
        m_services.dialogs.showInformation(
            tr("No recipe was deleted in the last %1 days.").arg(recipebin::KeptDays));
        return;
    }
    VaneDialog dialog(QStringLiteral("DeletedRecipesDialog"), tr("Deleted Recipes"),
                      tr("Recipes deleted in the last %1 days").arg(recipebin::KeptDays), this);
    auto *list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("DeletedRecipes"));
    list->setAccessibleName(tr("Deleted recipes"));
    list->setHeaderLabels({tr("Recipe"), tr("Deleted")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const QLocale locale;
    for (const recipebin::Entry &entry : kept) {
        auto *item = new QTreeWidgetItem(
            list, {entry.name, locale.toString(entry.deleted.toLocalTime(), QLocale::ShortFormat)});
        item->setData(0, Qt::UserRole, entry.id);
        item->setToolTip(0, entry.name);
    }
    list->setCurrentItem(list->topLevelItem(0));
    list->resizeColumnToContents(1);
    dialog.body()->addWidget(list, 1);
    dialog.addButtons(tr("Restore"))
        ->button(QDialogButtonBox::Ok)
        ->setObjectName(QStringLiteral("RestoreDeleted"));
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    QStringList said;
    QVariant shown;
    for (const QTreeWidgetItem *item : list->selectedItems()) {
        const recipebin::Restored back = recipebin::restore(c, item->data(0, Qt::UserRole).toLongLong());
        said << (back.renamed()
                     ? tr("\"%1\" as \"%2\" (a recipe took its name since)").arg(back.formerName, back.name)
                     : QStringLiteral("\"%1\"").arg(back.name));
        shown = back.mealId;
    }
    if (said.isEmpty())
        return;
    rereadAfterImport();
    showRecipe(shown);
    rereadRecipeList();
    tellDone(tr("Restored %1").arg(said.join(QStringLiteral(", "))));
}
