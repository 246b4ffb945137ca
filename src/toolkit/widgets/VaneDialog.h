#pragma once

#include <QDialog>

class QVBoxLayout;

/// A dialog of the program: its caption, a header band under it, and a body for its controls.
class VaneDialog : public QDialog {
    Q_OBJECT
public:
    VaneDialog(const QString &name, const QString &caption, const QString &header, QWidget *owner);
    QVBoxLayout *body() const { return m_body; }

private:
    QVBoxLayout *m_body;
};
