#include "NavBar.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

NavBarGroup::NavBarGroup(const QString &caption, bool rollable, QWidget *parent)
    : QWidget(parent)
    , m_header(new QToolButton(this))
    , m_scroller(new QScrollArea(this))
    , m_items(new QWidget)
    , m_itemLayout(new QVBoxLayout(m_items))
    , m_rollable(rollable) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header->setText(caption);
    m_header->setAccessibleName(caption);
    m_header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_header->setAutoRaise(false);
    m_header->setCursor(Qt::PointingHandCursor);
    m_header->setProperty("navHeader", true);
    if (rollable) {
        m_header->setArrowType(Qt::RightArrow);
        m_header->setAccessibleDescription(QStringLiteral("closed"));
    }
    layout->addWidget(m_header);
    // Close around the items, so that the longest group opens whole on the smallest window.
    m_itemLayout->setContentsMargins(8, 2, 2, 2);
    m_itemLayout->setSpacing(1);
    m_items->setProperty("navItems", true);
    m_scroller->setObjectName(QStringLiteral("NavItemsScroller"));
    m_scroller->setWidget(m_items);
    m_scroller->setWidgetResizable(true);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroller->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_scroller->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_scroller);
    m_scroller->setVisible(false);
    connect(m_header, &QToolButton::clicked, this, [this] {
        if (m_rollable)
            setExpanded(!m_expanded);
        emit headerClicked();
    });
}

QAbstractButton *NavBarGroup::header() const {
    return m_header;
}

QAbstractButton *NavBarGroup::addItem(const QString &name, const QString &caption) {
    auto *item = new QPushButton(caption, m_items);
    item->setObjectName(name);
    item->setAccessibleName(caption);
    item->setFlat(true);
    item->setToolTip(caption);
    item->setCursor(Qt::PointingHandCursor);
    item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    item->setProperty("navItem", true);
    m_itemLayout->addWidget(item);
    return item;
}

void NavBarGroup::setExpanded(bool expanded) {
    if (!m_rollable)
        return;
    m_expanded = expanded;
    m_scroller->setVisible(expanded);
    m_header->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    // Assistive technology hears whether the group is open.
    m_header->setAccessibleDescription(expanded ? QStringLiteral("open") : QStringLiteral("closed"));
    emit expandedChanged(expanded);
}

int NavBarGroup::itemsHeight() const {
    return m_items->sizeHint().height() + 2 * m_scroller->frameWidth();
}

int NavBarGroup::headerHeight() const {
    return m_header->sizeHint().height();
}

void NavBarGroup::setItemsRoom(int height) {
    m_scroller->setMinimumHeight(std::max(0, height));
}

NavBar::NavBar(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->setSpacing(4);
    m_layout->addStretch(1);
}

NavBarGroup *NavBar::addGroup(const QString &name, const QString &caption, bool rollable) {
    auto *group = new NavBarGroup(caption, rollable, this);
    group->setObjectName(name);
    group->header()->setObjectName(name + QStringLiteral("Header"));
    m_layout->insertWidget(m_layout->count() - 1, group);
    m_groups << group;
    connect(group, &NavBarGroup::expandedChanged, this, [this, group](bool expanded) {
        m_opened.removeAll(group);
        if (expanded)
            m_opened << group;
        fit();
    });
    return group;
}

void NavBar::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    fit();
}

void NavBar::fit() {
    if (m_fitting || m_groups.isEmpty())
        return;
    m_fitting = true;
    const QMargins margins = m_layout->contentsMargins();
    int room = height() - margins.top() - margins.bottom() - m_layout->spacing() * int(m_groups.size() - 1);
    for (const NavBarGroup *group : m_groups)
        room -= group->headerHeight();
    int needed = 0;
    for (const NavBarGroup *group : m_opened)
        needed += group->itemsHeight();
    while (needed > room && m_opened.size() > 1) {
        NavBarGroup *earliest = m_opened.takeFirst();
        needed -= earliest->itemsHeight();
        earliest->setExpanded(false);
    }
    for (NavBarGroup *group : m_opened)
        group->setItemsRoom(std::min(group->itemsHeight(), std::max(room, 0)));
    m_fitting = false;
}
