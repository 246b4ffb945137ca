#include "CheckedComboBox.h"

#include "AccessibleWidgets.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QVBoxLayout>

/// The drop-down's rows: the box's names with their check marks.
class CheckedListModel : public QAbstractListModel {
public:
    explicit CheckedListModel(const CheckedList &list, QObject *parent)
        : QAbstractListModel(parent)
        , m_list(list) {}
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : m_list.count();
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return m_list.items().at(index.row());
        if (role == Qt::CheckStateRole)
            return m_list.isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }
    void reset() {
        beginResetModel();
        endResetModel();
    }
    void rowChanged(int row) { emit dataChanged(index(row), index(row), {Qt::CheckStateRole}); }
    void allChanged() {
        if (m_list.count() > 0)
            emit dataChanged(index(0), index(m_list.count() - 1), {Qt::CheckStateRole});
    }

private:
    const CheckedList &m_list;
};

CheckedComboBox::CheckedComboBox(QWidget *parent)
    : QWidget(parent) {
    installAccessibleWidgets();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

CheckedComboBox::~CheckedComboBox() = default;

void CheckedComboBox::setItems(const QStringList &items) {
    const bool hadChecks = !m_list.checkedOrder().empty();
    m_list.setItems(items);
    if (m_model != nullptr)
        m_model->reset();
    if (hadChecks)
        checksChanged();
}

bool CheckedComboBox::setChecked(int index, bool checked) {
    if (m_list.isChecked(index) == checked || index < 0 || index >= count())
        return true;
    if (!m_list.setChecked(index, checked)) {
        emit refused();
        return false;
    }
    if (m_model != nullptr)
        m_model->rowChanged(index);
    checksChanged();
    return true;
}

bool CheckedComboBox::selectAll() {
    const size_t before = m_list.checkedOrder().size();
    const bool all = m_list.checkAll();
    if (m_model != nullptr)
        m_model->allChanged();
    if (m_list.checkedOrder().size() != before)
        checksChanged();
    if (!all)
        emit refused();
    return all;
}

void CheckedComboBox::deselectAll() {
    if (m_list.checkedOrder().empty())
        return;
    m_list.uncheckAll();
    if (m_model != nullptr)
        m_model->allChanged();
    checksChanged();
}

void CheckedComboBox::checksChanged() {
    setAccessibleDescription(m_list.text());
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_list.text());
        QAccessible::updateAccessibility(&event);
    }
    update();
    emit changed();
}

void CheckedComboBox::toggle(int index) {
    setChecked(index, !m_list.isChecked(index));
}

void CheckedComboBox::ensurePopup() {
    if (m_popup != nullptr)
        return;
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QListView(m_popup);
    m_view->setObjectName(objectName() + QStringLiteral("List"));
    m_view->setUniformItemSizes(true);
    m_view->setAccessibleName(accessibleName());
    m_model = new CheckedListModel(m_list, m_view);
    m_view->setModel(m_model);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *all = new QAction(QCoreApplication::translate("CheckedComboBox", "&Select all"), m_view);
    auto *none = new QAction(QCoreApplication::translate("CheckedComboBox", "&Deselect all"), m_view);
    m_view->addAction(all);
    m_view->addAction(none);
    connect(all, &QAction::triggered, this, [this] { selectAll(); });
    connect(none, &QAction::triggered, this, &CheckedComboBox::deselectAll);
    connect(m_view, &QListView::clicked, this, [this](const QModelIndex &index) { toggle(index.row()); });
    m_view->installEventFilter(this);
    layout->addWidget(m_view);
}

QListView *CheckedComboBox::popupView() {
    ensurePopup();
    return m_view;
}

void CheckedComboBox::showPopup() {
    ensurePopup();
    const int rows = std::clamp(count(), 1, MaximumVisibleLines);
    const int rowHeight = count() > 0 ? m_view->sizeHintForRow(0) : fontMetrics().height() + 4;
    const int width = std::max(this->width(), std::min(m_view->sizeHintForColumn(0) + 40, 420));
    QPoint below = mapToGlobal(QPoint(0, height()));
    const int height = rows * rowHeight + 2 * m_view->frameWidth();
    if (QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        if (below.y() + height > area.bottom())
            below.setY(mapToGlobal(QPoint(0, 0)).y() - height);
        below.setX(std::min(below.x(), area.right() - width));
    }
    m_popup->setGeometry(QRect(below, QSize(width, height)));
    m_popup->show();
    m_view->setFocus();
    if (!m_list.checkedOrder().empty())
        m_view->scrollTo(m_model->index(m_list.checkedOrder().front()));
}

void CheckedComboBox::hidePopup() {
    if (m_popup != nullptr)
        m_popup->hide();
}

bool CheckedComboBox::isPopupVisible() const {
    return m_popup != nullptr && m_popup->isVisible();
}

QSize CheckedComboBox::sizeHint() const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    // Room for a recipe name of 30 characters.
    const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("Slow-cooked beef and mushrooms")),
                     fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

QSize CheckedComboBox::minimumSizeHint() const {
    QSize hint = sizeHint();
    hint.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("Spaghetti")) + 24);
    return hint;
}

void CheckedComboBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = false;
    const QRect textArea =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(m_list.text(), Qt::ElideRight, textArea.width());
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CheckedComboBox::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        showPopup();
}

bool CheckedComboBox::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            m_view->currentIndex().isValid()) {
            toggle(m_view->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CheckedComboBox::keyPressEvent(QKeyEvent *event) {
    const bool open = event->key() == Qt::Key_F4 || event->key() == Qt::Key_Space ||
                      ((event->modifiers() & Qt::AltModifier) && event->key() == Qt::Key_Down);
    if (open) {
        showPopup();
        return;
    }
    QWidget::keyPressEvent(event);
}
