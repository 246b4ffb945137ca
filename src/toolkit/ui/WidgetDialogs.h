#pragma once

#include "Dialogs.h"

class QWidget;

/// The standard boxes of the desktop, centred on their parent window.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget *parent = nullptr)
        : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void showError(const QString &text) override;
    void showInformation(const QString &text) override;
    bool confirm(const QString &text) override;
    Answer ask(const QString &text) override;
    int choose(const QString &text, const QStringList &answers) override;
    bool propose(const QString &text) override;
    QString input(const QString &caption, const QString &prompt, const QString &preset) override;
    QString openFileName(const QString &caption, const QStringList &filters) override;
    QStringList openFileNames(const QString &caption, const QStringList &filters) override;
    QString saveFileName(const QString &caption, const QStringList &filters,
                         const QString &suggested = {}) override;
    QString folderName(const QString &caption) override;

private:
    QWidget *m_parent;
};
