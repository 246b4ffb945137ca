#pragma once

#include <QWidget>

/// The splash window shown while the program starts: a slogan band, the product picture and its version.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget *owner = nullptr);

    /// Where the product name stands, and the area the picture is drawn in beside it: never overlapping.
    QRect nameArea() const;
    QRect pictureArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int Band = 34;
    QFont nameFont() const;
    QRect middle() const { return QRect(0, Band, width(), height() - 2 * Band); }
};
