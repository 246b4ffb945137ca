#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

/// Lines of text that move upward through the box one pixel at a time, wrapped to its width, starting again
/// from the bottom once the last line has passed.
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
    /// Distance in pixels the text has moved up since it last started from the bottom.
    int offset() const { return m_offset; }
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
};
