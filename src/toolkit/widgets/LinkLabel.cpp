#include "LinkLabel.h"

#include "AccessibleWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {
    installAccessibleWidgets();
    setProperty("link", true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}
