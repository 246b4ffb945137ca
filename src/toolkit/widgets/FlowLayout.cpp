#include "FlowLayout.h"

#include <QWidget>

namespace {

bool isStretch(const QLayoutItem *item) {
    return const_cast<QLayoutItem *>(item)->spacerItem() != nullptr;
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent, int spacing, int rowSpacing)
    : QLayout(parent)
    , m_rowSpacing(rowSpacing) {
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addStretch() {
    addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

void FlowLayout::addItem(QLayoutItem *item) {
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const {
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const {
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index) {
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // As narrow as its widest item: the others go below it.
    QSize size;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const {
    // Everything on one row.
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty() || isStretch(item))
            continue;
        width += item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
        ++shown;
    }
    const QMargins margins = contentsMargins();
    return {width + std::max(0, shown - 1) * spacing() + margins.left() + margins.right(),
            height + margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect &rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = spacing();
    int top = area.top();
    qsizetype first = 0;
    while (first < m_items.size()) {
        // The items of one row: as many as fit, at least one.
        int used = 0;
        int height = 0;
        int shown = 0;
        int stretches = 0;
        qsizetype end = first;
        for (; end < m_items.size(); ++end) {
            const QLayoutItem *item = m_items.at(end);
            if (item->isEmpty())
                continue;
            if (isStretch(item)) {
                ++stretches;
                continue;
            }
            const int width = item->sizeHint().width() + (shown > 0 ? gap : 0);
            if (shown > 0 && used + width > area.width())
                break;
            used += width;
            height = std::max(height, item->sizeHint().height());
            ++shown;
        }
        // A row that is full shares no room over; the last one gives it to its stretches.
        const int over = end == m_items.size() && stretches > 0 ? std::max(0, area.width() - used) : 0;
        if (place) {
            int x = area.left();
            int placed = 0;
            int spread = 0;
            for (qsizetype i = first; i < end; ++i) {
                QLayoutItem *item = m_items.at(i);
                if (item->isEmpty())
                    continue;
                if (isStretch(item)) {
                    ++spread;
                    x += over * spread / stretches - over * (spread - 1) / stretches;
                    continue;
                }
                if (placed++ > 0)
                    x += gap;
                const QSize size = item->sizeHint();
                item->setGeometry(QRect(QPoint(x, top + (height - size.height()) / 2), size));
                x += size.width();
            }
        }
        top += height;
        first = end;
        if (first < m_items.size() && height > 0)
            top += m_rowSpacing;
    }
    return top - rect.top() + contentsMargins().bottom();
}
