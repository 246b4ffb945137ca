#include "RestoreDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Made, Why, Size, Recipes, Weeks, Columns };

} // namespace

RestoreDialog::RestoreDialog(const QList<backups::Copy> &copies, QWidget *owner)
    : VaneDialog(QStringLiteral("RestoreDialog"),
                 QCoreApplication::translate("RestoreDialog", "Restore from Backup"),
                 QCoreApplication::translate("RestoreDialog",
                                             "Put the recipe book back as it was when a backup was made"),
                 owner)
    , m_copies(copies)
    , m_list(new QTreeWidget(this)) {
    m_list->setObjectName(QStringLiteral("Backups"));
    m_list->setAccessibleName(QCoreApplication::translate("RestoreDialog", "Backups"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setColumnCount(Columns);
    m_list->setHeaderLabels({QCoreApplication::translate("RestoreDialog", "Date"),
                             QCoreApplication::translate("RestoreDialog", "Made"),
                             QCoreApplication::translate("RestoreDialog", "Size"),
                             QCoreApplication::translate("RestoreDialog", "Recipes"),
                             QCoreApplication::translate("RestoreDialog", "Planned weeks")});
    const QLocale locale;
    for (const backups::Copy &copy : m_copies) {
        const backups::Contents contents = backups::describe(copy.path);
        m_contents << contents;
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(Made, locale.toString(copy.made, QStringLiteral("ddd d MMM yyyy, HH:mm")));
        item->setText(Why, copy.reason == backups::Reason::Daily
                               ? QCoreApplication::translate("RestoreDialog", "Start of the day")
                               : QCoreApplication::translate("RestoreDialog", "Before a change"));
        item->setText(Size, locale.formattedDataSize(contents.size, 1, QLocale::DataSizeTraditionalFormat));
        for (int c : {Size, Recipes, Weeks})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (contents.damage.isEmpty()) {
            item->setText(Recipes, locale.toString(contents.recipes));
            item->setText(Weeks, locale.toString(contents.plannedWeeks));
        } else {
            // Shown, so that the user knows of it, but never offered.
            item->setText(Recipes, QCoreApplication::translate("RestoreDialog", "Damaged"));
            item->setToolTip(Made, contents.damage);
            item->setToolTip(Recipes, contents.damage);
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        }
    }
    for (int c = 0; c < Columns; ++c)
        m_list->resizeColumnToContents(c);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(Made, QHeaderView::Stretch);
    body()->addWidget(m_list, 1);
    QDialogButtonBox *buttons = addButtons(QCoreApplication::translate("RestoreDialog", "&Restore"));
    m_restore = buttons->button(QDialogButtonBox::Ok);
    m_restore->setObjectName(QStringLiteral("Restore"));
    m_restore->setEnabled(false);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item->flags() & Qt::ItemIsEnabled)
            accept();
    });
    // The newest sound copy is chosen to begin with.
    for (int row = 0; row < m_copies.size(); ++row) {
        if (m_contents.at(row).damage.isEmpty()) {
            choose(row);
            break;
        }
    }
    resize(640, 380);
}

void RestoreDialog::choose(int row) {
    QTreeWidgetItem *item = m_list->topLevelItem(row);
    if (item != nullptr && (item->flags() & Qt::ItemIsSelectable)) {
        m_list->setCurrentItem(item);
        item->setSelected(true);
    }
}

backups::Copy RestoreDialog::chosen() const {
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_copies.value(m_list->indexOfTopLevelItem(selected.first()));
}

backups::Contents RestoreDialog::chosenContents() const {
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return {};
    return m_contents.value(m_list->indexOfTopLevelItem(selected.first()));
}
