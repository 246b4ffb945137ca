#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

/// Up and down arrow buttons tied to an edit box: each press steps the number in the box by one between a
/// lowest and a highest position, written without thousands separators. The Up and Down keys in the box
/// step it too. What is typed into the box is not limited.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit &buddy, int minimum, int maximum, QWidget *parent = nullptr);

    int position() const { return m_position; }
    void stepBy(int steps);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit &m_buddy;
    int m_minimum;
    int m_maximum;
    int m_position;
    QToolButton *m_up;
    QToolButton *m_down;
};
