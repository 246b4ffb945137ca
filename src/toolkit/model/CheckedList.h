#pragma once

#include <QStringList>
#include <vector>

/// Names with check marks, and the text of the checked ones joined by ";" in the order they were checked.
/// The names are shared between lists that show the same names (a copy costs no memory of its own).
class CheckedList {
public:
    /// The text never grows past this many characters.
    static constexpr int MaximumText = 255;

    /// Replaces the names; every check is dropped.
    void setItems(const QStringList &items);
    const QStringList &items() const { return m_items; }
    int count() const { return int(m_items.size()); }

    bool isChecked(int index) const;
    /// Checks or unchecks one name. Returns false, changing nothing, when checking it would make the text
    /// longer than `MaximumText`.
    bool setChecked(int index, bool checked);
    /// Checks every name in list order as long as the text has room; false when one did not fit.
    bool checkAll();
    void uncheckAll();

    /// Index of the first name equal to `name` without regard to letter case, -1 when there is none.
    int indexOf(const QString &name) const;

    const QString &text() const { return m_text; }
    /// Indexes of the checked names, in the order they were checked.
    const std::vector<int> &checkedOrder() const { return m_order; }

private:
    void rebuildText();

    QStringList m_items;
    std::vector<bool> m_checked;
    std::vector<int> m_order;
    QString m_text;
};
