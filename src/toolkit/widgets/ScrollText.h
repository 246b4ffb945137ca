#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

/// Lines of text that move upward through the box one pixel at a time, wrapped to its width. The first line
/// starts at the top, so that the box is never empty when first seen; once the last line has passed, the
/// text comes in again from the bottom.
class ScrollText : public QWidget {
    Q_OBJECT
public:
    explicit ScrollText(QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    const QStringList &lines() const { return m_lines; }
    /// Milliseconds between two steps of one pixel.
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    int interval() const { return m_timer.interval(); }
    void setActive(bool active);
    bool isActive() const { return m_timer.isActive(); }
    /// Distance in pixels the text has moved up since it last started from the bottom (before the first
    /// step, where it stands with its first line at the top).
    int offset() const;
    /// Height of all lines wrapped to the current width.
    int textHeight() const;
    void step();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int lineHeight(const QString &line, int width) const;

    QStringList m_lines;
    QTimer m_timer;
    int m_offset = 0;
    bool m_moved = false;
};
