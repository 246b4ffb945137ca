#include "WidgetDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

/// Error and information boxes carry the program's name.
QString title() {
    return QApplication::applicationName();
}

} // namespace

void WidgetDialogs::showError(const QString &text) {
    QMessageBox::critical(m_parent, title(), text);
}

void WidgetDialogs::showInformation(const QString &text) {
    QMessageBox::information(m_parent, title(), text);
}

bool WidgetDialogs::confirm(const QString &text) {
    return QMessageBox::question(m_parent, QCoreApplication::translate("Dialogs", "Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool WidgetDialogs::propose(const QString &text) {
    return QMessageBox::question(m_parent, QCoreApplication::translate("Dialogs", "Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

Dialogs::Answer WidgetDialogs::ask(const QString &text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Dialogs", "Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

int WidgetDialogs::choose(const QString &text, const QStringList &answers) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Dialogs", "Confirm"), text,
                    QMessageBox::NoButton, m_parent);
    QList<QAbstractButton *> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i)
        buttons << box.addButton(answers.at(i),
                                 i + 1 == answers.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    if (buttons.isEmpty())
        return -1;
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
    box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype index = buttons.indexOf(box.clickedButton());
    return int(index < 0 ? buttons.size() - 1 : index);
}

QString WidgetDialogs::input(const QString &caption, const QString &prompt, const QString &preset) {
    bool ok = false;
    const QString answer = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? answer : preset;
}

QString WidgetDialogs::openFileName(const QString &caption, const QStringList &filters) {
    return QFileDialog::getOpenFileName(m_parent, caption, QString(), filters.join(QStringLiteral(";;")));
}

QStringList WidgetDialogs::openFileNames(const QString &caption, const QStringList &filters) {
    return QFileDialog::getOpenFileNames(m_parent, caption, QString(), filters.join(QStringLiteral(";;")));
}

QString WidgetDialogs::folderName(const QString &caption) {
    return QFileDialog::getExistingDirectory(m_parent, caption);
}

QString WidgetDialogs::saveFileName(const QString &caption, const QStringList &filters,
                                    const QString &suggested) {
    return QFileDialog::getSaveFileName(m_parent, caption, suggested, filters.join(QStringLiteral(";;")));
}
