#pragma once

#include <QLayout>
#include <QList>

/// Lays its items out in a row, each at the size it asks for, and goes on in a new row below when the
/// width runs out: a row of buttons that a narrow window (or a large font) would otherwise squeeze until
/// their captions are cut. A stretch added to it takes the room a row has over.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr, int spacing = 6, int rowSpacing = 6);
    ~FlowLayout() override;

    /// Room that the items of its row leave over; in a row that wraps it takes none.
    void addStretch();

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    /// Places the items in `rect` (only measures when `place` is false); the height they take.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> m_items;
    int m_rowSpacing;
};
