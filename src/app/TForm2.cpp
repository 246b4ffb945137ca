#include "TForm2.h"

#include "Theme.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

TForm2::TForm2(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setStyleSheet(theme::waitBoxStyleSheet(palette()));
    setAttribute(Qt::WA_StyledBackground);
    // While it shows, the user's input to every other window is held back.
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 22);
    auto *text =
        new QLabel(QCoreApplication::translate("WaitBox", "Wait until operation will complete...."), this);
    text->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(text);
    adjustSize();
}

void TForm2::showCentred() {
    if (m_mainWindow != nullptr)
        move(m_mainWindow->geometry().center() - rect().center());
    show();
    raise();
}
