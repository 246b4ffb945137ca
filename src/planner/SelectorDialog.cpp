#include "SelectorDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

SelectorDialog::SelectorDialog(const QString &name, const QString &caption, const QStringList &captions,
                               int columns, bool columnMajor, QWidget *owner)
    : VaneDialog(name, caption, QStringLiteral("  ") + caption, owner) {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    const int rows = int((captions.size() + columns - 1) / columns);
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions.at(i), this);
        box->setObjectName(QStringLiteral("RbCheckBox%1").arg(i + 1));
        m_boxes << box;
        if (columnMajor)
            grid->addWidget(box, i % rows, i / rows);
        else
            grid->addWidget(box, i / columns, i % columns);
    }
    body()->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("RbButton12"));
    ok->setDefault(true);
    auto *close = new QPushButton(QCoreApplication::translate("Selectors", "Close"), this);
    close->setObjectName(QStringLiteral("RbButton1"));
    buttons->addWidget(ok);
    buttons->addWidget(close);
    body()->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &SelectorDialog::RbButton12Click);
    connect(close, &QPushButton::clicked, this, &SelectorDialog::RbButton1Click);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QList<int> SelectorDialog::ticked() const {
    QList<int> indexes;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes.at(i)->isChecked())
            indexes << i;
    }
    return indexes;
}

void SelectorDialog::untickAll() {
    for (QCheckBox *box : m_boxes)
        box->setChecked(false);
}

void SelectorDialog::RbButton12Click() {
    accept();
}

void SelectorDialog::RbButton1Click() {
    reject();
}

void SelectorDialog::reject() {
    // However the dialog is left without OK (Escape, the window's close button, "Close"), nothing stays
    // ticked, so nothing is picked or cleared.
    untickAll();
    VaneDialog::reject();
}
