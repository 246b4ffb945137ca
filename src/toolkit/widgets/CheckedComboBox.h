#pragma once

#include "toolkit/model/CheckedList.h"

#include <QWidget>

class QFrame;
class QListView;
class CheckedListModel;

/// A combo box whose drop-down list has a check mark on every name; its text is the checked names joined
/// by ";" in the order they were checked. The drop-down shows up to 15 lines and offers "Select all" and
/// "Deselect all" on its context menu. Stays quick with lists of many thousand names: boxes showing the same
/// names share them, and a drop-down is made only when first opened.
class CheckedComboBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaximumVisibleLines = 15;

    explicit CheckedComboBox(QWidget *parent = nullptr);
    ~CheckedComboBox() override;

    /// Replaces the names; every check is dropped.
    void setItems(const QStringList &items);
    const QStringList &items() const { return m_list.items(); }
    int count() const { return m_list.count(); }
    bool isChecked(int index) const { return m_list.isChecked(index); }
    /// Checks or unchecks a name; false (and `refused` raised) when the text would pass its limit.
    bool setChecked(int index, bool checked);
    /// Checks every name that fits; false when some did not.
    bool selectAll();
    void deselectAll();
    int indexOf(const QString &name) const { return m_list.indexOf(name); }
    QString text() const { return m_list.text(); }
    const std::vector<int> &checkedOrder() const { return m_list.checkedOrder(); }

    void showPopup();
    void hidePopup();
    /// The drop-down's list, made on first use.
    QListView *popupView();
    bool isPopupVisible() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    /// Any change of the checks, by the user or by the program.
    void changed();
    /// A check that would have made the text longer than it may be.
    void refused();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggle(int index);
    void ensurePopup();
    void checksChanged();

    CheckedList m_list;
    QFrame *m_popup = nullptr;
    QListView *m_view = nullptr;
    CheckedListModel *m_model = nullptr;
};
