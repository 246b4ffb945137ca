#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDown::UpDown(QLineEdit &buddy, int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_position(minimum)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(18);
        layout->addWidget(b);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(tr("Increase"));
    m_down->setAccessibleName(tr("Decrease"));
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    buddy.installEventFilter(this);
}

void UpDown::stepBy(int steps) {
    // A number typed into the box is where the step starts from; anything else steps from the last position.
    bool ok = false;
    const qint64 typed = m_buddy.text().trimmed().toLongLong(&ok);
    const qint64 low = m_minimum;
    const qint64 high = m_maximum;
    const qint64 from = ok ? std::clamp(typed, low, high) : m_position;
    m_position = int(std::clamp(from + steps, low, high));
    m_buddy.setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
