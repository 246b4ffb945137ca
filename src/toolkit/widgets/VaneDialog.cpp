#include "VaneDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VaneDialog::VaneDialog(const QString &name, const QString &caption, const QString &header, QWidget *owner)
    : QDialog(owner) {
    setObjectName(name);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *title = m_header = new QLabel(header, this);
    title->setObjectName(name + QStringLiteral("Header"));
    title->setStyleSheet(
        QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b5d99, "
                       "stop:1 #7fa9d8); color: white; font-weight: bold; padding: 6px 4px;"));
    layout->addWidget(title);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(m_body, 1);
}

void VaneDialog::retitle(const QString &caption) {
    setWindowTitle(caption);
    m_header->setText(QStringLiteral("  ") + caption);
}

QDialogButtonBox *VaneDialog::addButtons(const QString &accept) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    if (!accept.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_body->addWidget(buttons);
    return buttons;
}
