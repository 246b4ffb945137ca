#include "NavBar.h"

#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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
    m_itemLayout->setContentsMargins(8, 4, 2, 6);
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
    return group;
}
