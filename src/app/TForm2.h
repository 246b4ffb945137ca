#pragma once

#include <QWidget>

/// The wait box shown on top of the main window while a long operation runs.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *mainWindow);
    /// Shows the box centred on the main window.
    void showCentred();

private:
    QWidget *m_mainWindow;
};
