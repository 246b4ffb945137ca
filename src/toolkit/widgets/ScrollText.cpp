#include "ScrollText.h"

#include <QPainter>

namespace {

constexpr int TextFlags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop;
constexpr int Margin = 6;

} // namespace

ScrollText::ScrollText(QWidget *parent)
    : QWidget(parent) {
    m_timer.setInterval(55);
    connect(&m_timer, &QTimer::timeout, this, &ScrollText::step);
    setAttribute(Qt::WA_StyledBackground);
}

void ScrollText::setLines(const QStringList &lines) {
    m_lines = lines;
    setAccessibleDescription(lines.join(u'\n'));
    update();
}

void ScrollText::setActive(bool active) {
    if (active)
        m_timer.start();
    else
        m_timer.stop();
}

int ScrollText::lineHeight(const QString &line, int width) const {
    if (line.isEmpty())
        return fontMetrics().lineSpacing();
    return fontMetrics().boundingRect(QRect(0, 0, width, 100000), TextFlags, line).height();
}

int ScrollText::textHeight() const {
    const int width = std::max(1, this->width() - 2 * Margin);
    int total = 0;
    for (const QString &line : m_lines)
        total += lineHeight(line, width);
    return total;
}

int ScrollText::offset() const {
    return m_moved ? m_offset : std::max(0, height() - Margin);
}

void ScrollText::step() {
    // Text no one sees stays where it is: the first step counts from the height the box has when shown.
    if (!isVisible())
        return;
    m_offset = offset() + 1;
    m_moved = true;
    // The text starts below the box; it starts again once its last line has left the top.
    if (m_offset > height() + textHeight())
        m_offset = 0;
    update();
}

void ScrollText::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setClipRect(rect());
    const int width = std::max(1, this->width() - 2 * Margin);
    int y = height() - offset();
    for (const QString &line : m_lines) {
        const int h = lineHeight(line, width);
        if (y + h >= 0 && y <= height())
            painter.drawText(QRect(Margin, y, width, h), TextFlags, line);
        y += h;
    }
}
