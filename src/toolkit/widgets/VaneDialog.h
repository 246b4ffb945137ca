#pragma once

class QDialogButtonBox;

#include <QDialog>

class QLabel;
class QVBoxLayout;

/// A dialog of the program: its caption, a header band under it, and a body for its controls.
class VaneDialog : public QDialog {
    Q_OBJECT
public:
    VaneDialog(const QString &name, const QString &caption, const QString &header, QWidget *owner);
    QVBoxLayout *body() const { return m_body; }
    /// Gives the dialog another caption and header, for a use of it that the first one does not name.
    void retitle(const QString &caption);
    /// Puts OK and Cancel at the foot of the body, OK reading `accept` where given; they accept and reject
    /// the dialog.
    QDialogButtonBox *addButtons(const QString &accept = {});

private:
    QVBoxLayout *m_body;
    QLabel *m_header;
};
