#pragma once

#include <QWidget>

/// The splash window shown while the program starts: a slogan band, the product picture and its version.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget *owner = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
