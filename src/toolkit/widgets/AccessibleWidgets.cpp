#include "AccessibleWidgets.h"

#include "CheckedComboBox.h"
#include "LinkLabel.h"

#include <QAccessibleWidget>

namespace {

class CheckedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit CheckedComboBoxAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->isPopupVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override {
        if (name == showMenuAction() || name == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    CheckedComboBox *box() const { return static_cast<CheckedComboBox *>(widget()); }
};

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

QAccessibleInterface *accessibleFor(const QString &className, QObject *object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CheckedComboBox"))
        return new CheckedComboBoxAccessible(widget);
    if (className == QLatin1String("LinkLabel"))
        return new LinkAccessible(widget);
    if (className == QLatin1String("DBImage"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}
