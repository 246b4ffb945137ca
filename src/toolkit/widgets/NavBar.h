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
    /// The height its items take shown whole, and the height of its header.
    int itemsHeight() const;
    int headerHeight() const;
    /// The least height its open items get: all of them where the bar has the room.
    void setItemsRoom(int height);

signals:
    void headerClicked();
    void expandedChanged(bool expanded);

private:
    QToolButton *m_header;
    QScrollArea *m_scroller;
    QWidget *m_items;
    QVBoxLayout *m_itemLayout;
    bool m_rollable;
    bool m_expanded = false;
};

/// A column of collapsible groups, each with a header and its items. Every header stays in view however
/// many groups are open. A group opened shows all its items: when the open groups do not all fit, those
/// opened earlier close (on a small window one group is open at a time); only a group too long for the
/// whole bar scrolls inside.
class NavBar : public QWidget {
    Q_OBJECT
public:
    explicit NavBar(QWidget *parent = nullptr);
    NavBarGroup *addGroup(const QString &name, const QString &caption, bool rollable = true);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Closes the groups opened earliest until the open ones fit, and gives each its room.
    void fit();

    QVBoxLayout *m_layout;
    QList<NavBarGroup *> m_groups;
    /// The open groups, the one opened last at the end.
    QList<NavBarGroup *> m_opened;
    bool m_fitting = false;
};
