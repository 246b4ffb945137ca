#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

/// The link as assistive technology sees it: role Link, named by its text, with the press action.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction())
            emit static_cast<LinkLabel *>(widget())->activated();
    }
};

QAccessibleInterface *linkFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("LinkLabel") && object != nullptr && object->isWidgetType())
        return new LinkAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linkFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
