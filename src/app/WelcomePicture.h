#pragma once

#include <QIcon>
#include <QWidget>

/// The welcome page's picture: a laid table with a plate of food, drawn to any size.
class WelcomePicture : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {260, 260}; }

    /// Paints the plate with cutlery into `area`.
    static void paintTable(QPainter &painter, const QRectF &area);
    /// The program's window icon, drawn from the same plate.
    static QIcon icon();

protected:
    void paintEvent(QPaintEvent *event) override;
};
