#pragma once

#include <QWidget>

class QAbstractButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

/// One collapsible group of a navigation bar: a header that opens and closes it on a click, and its items.
/// When the bar is short of room, an open group's items scroll inside the group, beside their own scroll
/// bar; the header stays where it is.
class NavBarGroup : public QWidget {
    Q_OBJECT
public:
    /// A group without a roll button has no items; a click on its header only runs its operation.
    NavBarGroup(const QString &caption, bool rollable, QWidget *parent = nullptr);

    QAbstractButton *addItem(const QString &name, const QString &caption);
    QAbstractButton *header() const;
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);

signals:
    void headerClicked();

private:
    QToolButton *m_header;
    QScrollArea *m_scroller;
    QWidget *m_items;
    QVBoxLayout *m_itemLayout;
    bool m_rollable;
    bool m_expanded = false;
};

/// A column of collapsible groups, each with a header and its items. Every header stays in view however
/// many groups are open: the open groups share the room left and scroll inside.
class NavBar : public QWidget {
    Q_OBJECT
public:
    explicit NavBar(QWidget *parent = nullptr);
    NavBarGroup *addGroup(const QString &name, const QString &caption, bool rollable = true);

private:
    QVBoxLayout *m_layout;
};
