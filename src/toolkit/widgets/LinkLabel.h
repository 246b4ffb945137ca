#pragma once

#include <QLabel>

/// A text that works like a link on a web page: underlined, a hand cursor, activated by a click or, while it
/// has the focus, by Enter or Space. Assistive technology meets it as a link it can press.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
