#include "ItemDrag.h"

#include <QAbstractItemView>
#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>

ItemDrag::ItemDrag(QAbstractItemView &view)
    : QObject(&view)
    , m_view(view)
    , m_viewport(view.viewport()) {
    view.setAcceptDrops(true);
    view.setDragEnabled(false);
    view.viewport()->installEventFilter(this);
}

bool ItemDrag::takes(QObject *source) const {
    auto *widget = qobject_cast<QWidget *>(source);
    return widget != nullptr && accepts && accepts(widget);
}

void ItemDrag::showDropState(const char *state) {
    if (m_view.property("dropState").toString() == QLatin1String(state))
        return;
    m_view.setProperty("dropState", QString::fromLatin1(state));
    m_view.style()->unpolish(&m_view);
    m_view.style()->polish(&m_view);
    m_view.update();
}

bool ItemDrag::eventFilter(QObject *watched, QEvent *event) {
    // Compared with the viewport kept from the start: the view may be half destroyed when its last events
    // come.
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        if (!(move->buttons() & Qt::LeftButton))
            return false;
        auto *drag = new QDrag(&m_view);
        auto *mime = new QMimeData;
        mime->setData(QString::fromLatin1(MimeType), {});
        drag->setMimeData(mime);
        drag->exec(Qt::MoveAction);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *over = static_cast<QDragMoveEvent *>(event);
        if (!over->mimeData()->hasFormat(QString::fromLatin1(MimeType))) {
            over->ignore();
            return true;
        }
        const bool taken = takes(over->source());
        showDropState(taken ? "accept" : "refuse");
        // Entering is always accepted so that leaving is heard and the mark goes; the moves say yes or no.
        if (taken || event->type() == QEvent::DragEnter) {
            over->setDropAction(Qt::MoveAction);
            over->accept();
        }
        if (!taken && event->type() == QEvent::DragMove)
            over->ignore();
        return true;
    }
    case QEvent::DragLeave:
        showDropState("");
        return true;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        showDropState("");
        if (!drop->mimeData()->hasFormat(QString::fromLatin1(MimeType)) || !takes(drop->source())) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::MoveAction);
        drop->accept();
        dropPosition = drop->position().toPoint();
        dropped(qobject_cast<QWidget *>(drop->source()));
        return true;
    }
    default:
        return false;
    }
}
