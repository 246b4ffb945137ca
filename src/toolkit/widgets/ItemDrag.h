#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QWidget;

/// Drag and drop between item views of one window. A drag starts as soon as the mouse moves over the view
/// with the left button held (no distance first); a view that is a drop target asks `accepts` about every
/// drag over it and calls `dropped` when an accepted drag is let go. While a drag is over a target its frame
/// shows whether it would be taken (the property "dropState" is "accept" or "refuse").
class ItemDrag : public QObject {
    Q_OBJECT
public:
    explicit ItemDrag(QAbstractItemView &view);

    /// Whether the view takes a drag that started in `source`; no function: it takes none.
    std::function<bool(QWidget *source)> accepts;
    /// An accepted drag from `source` was dropped on the view.
    std::function<void(QWidget *source)> dropped;

    /// Where in the view's viewport the last accepted drag was let go, for `dropped`.
    QPoint dropPosition;

    /// The format every drag of this kind carries; its data is empty, the source tells what is dragged.
    static constexpr const char *MimeType = "application/x-mealvane-item";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takes(QObject *source) const;
    void showDropState(const char *state);

    QAbstractItemView &m_view;
    const QObject *m_viewport;
};
