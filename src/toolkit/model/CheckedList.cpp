#include "CheckedList.h"

#include <algorithm>

void CheckedList::setItems(const QStringList &items) {
    m_items = items;
    m_checked.assign(size_t(items.size()), false);
    m_order.clear();
    m_text.clear();
}

bool CheckedList::isChecked(int index) const {
    return index >= 0 && index < count() && m_checked[size_t(index)];
}

bool CheckedList::setChecked(int index, bool checked) {
    if (index < 0 || index >= count() || m_checked[size_t(index)] == checked)
        return true;
    if (checked) {
        const QString &name = m_items.at(index);
        const qsizetype grown = m_text.size() + (m_text.isEmpty() && m_order.empty() ? 0 : 1) + name.size();
        if (grown > MaximumText)
            return false;
        m_checked[size_t(index)] = true;
        m_order.push_back(index);
        if (m_order.size() > 1)
            m_text += u';';
        m_text += name;
        return true;
    }
    m_checked[size_t(index)] = false;
    m_order.erase(std::find(m_order.begin(), m_order.end(), index));
    rebuildText();
    return true;
}

bool CheckedList::checkAll() {
    for (int i = 0; i < count(); ++i) {
        if (!setChecked(i, true))
            return false;
    }
    return true;
}

void CheckedList::uncheckAll() {
    m_checked.assign(m_checked.size(), false);
    m_order.clear();
    m_text.clear();
}

int CheckedList::indexOf(const QString &name) const {
    for (int i = 0; i < count(); ++i) {
        if (m_items.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void CheckedList::rebuildText() {
    QStringList names;
    names.reserve(qsizetype(m_order.size()));
    for (int i : m_order)
        names << m_items.at(i);
    m_text = names.join(u';');
}
