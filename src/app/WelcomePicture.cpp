#include "WelcomePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

WelcomePicture::WelcomePicture(QWidget *parent)
    : QWidget(parent) {
    setMinimumSize(140, 140);
    setMaximumSize(320, 320);
    setAccessibleName(QStringLiteral("A plate of food on a laid table"));
}

void WelcomePicture::paintTable(QPainter &p, const QRectF &area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The fork and the knife reach a little beyond the plate: the whole stays inside the area.
    const qreal side = std::min(area.width() / 1.1, area.height());
    const QPointF c = area.center();
    const qreal r = side * 0.36;

    // Fork on the left, knife on the right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa7, 0xb4));
    const qreal handle = r * 0.09;
    p.drawRoundedRect(QRectF(c.x() - r * 1.35 - handle / 2, c.y() - r * 0.2, handle, r * 1.1), handle / 2,
                      handle / 2);
    for (int i = -1; i <= 1; ++i)
        p.drawRoundedRect(QRectF(c.x() - r * 1.35 + i * handle * 1.3 - handle * 0.3, c.y() - r * 0.85,
                                 handle * 0.6, r * 0.6),
                          handle * 0.3, handle * 0.3);
    p.drawRoundedRect(QRectF(c.x() - r * 1.35 - handle * 1.6, c.y() - r * 0.3, handle * 3.2, handle * 1.2),
                      handle / 2, handle / 2);
    QPainterPath knife;
    knife.moveTo(c.x() + r * 1.3, c.y() - r * 0.9);
    knife.quadTo(c.x() + r * 1.48, c.y() - r * 0.4, c.x() + r * 1.42, c.y() - r * 0.1);
    knife.lineTo(c.x() + r * 1.3, c.y() - r * 0.1);
    knife.closeSubpath();
    p.drawPath(knife);
    p.drawRoundedRect(QRectF(c.x() + r * 1.3, c.y() - r * 0.15, handle * 1.3, r * 1.05), handle / 2,
                      handle / 2);

    // Plate.
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(c + QPointF(r * 0.05, r * 0.08), r * 1.02, r * 1.02);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0xa9, 0xc3, 0xe0), side * 0.012));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0xdb, 0xe9, 0xf7), side * 0.01));
    p.drawEllipse(c, r * 0.74, r * 0.74);

    // Food: a salmon fillet, greens and tomatoes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0x8b, 0x5c));
    p.drawRoundedRect(QRectF(c.x() - r * 0.5, c.y() - r * 0.12, r * 0.72, r * 0.36), r * 0.16, r * 0.16);
    p.setPen(QPen(QColor(0xfb, 0xd0, 0xb5), side * 0.008));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(QPointF(c.x() - r * 0.5 + i * r * 0.18, c.y() - r * 0.1),
                   QPointF(c.x() - r * 0.56 + i * r * 0.18, c.y() + r * 0.22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0x9a, 0x3f));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(c.x() + r * 0.05 + i * r * 0.09, c.y() - r * 0.42 + (i % 2) * r * 0.06),
                      r * 0.12, r * 0.09);
    p.setBrush(QColor(0xd9, 0x3a, 0x2f));
    p.drawEllipse(QPointF(c.x() + r * 0.42, c.y() + r * 0.12), r * 0.13, r * 0.13);
    p.drawEllipse(QPointF(c.x() + r * 0.3, c.y() + r * 0.38), r * 0.12, r * 0.12);
    p.setBrush(QColor(0xf4, 0xd0, 0x3f));
    p.drawEllipse(QPointF(c.x() - r * 0.1, c.y() + r * 0.45), r * 0.14, r * 0.1);
    p.restore();
}

QIcon WelcomePicture::icon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintTable(p, QRectF(0, 0, 64, 64));
    return QIcon(pixmap);
}

void WelcomePicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(4, 4, -4, -4);
    QLinearGradient cloth(card.topLeft(), card.bottomRight());
    cloth.setColorAt(0, QColor(0xf7, 0xfb, 0xff));
    cloth.setColorAt(1, QColor(0xdb, 0xe9, 0xf7));
    p.setPen(QPen(QColor(0xa9, 0xc3, 0xe0), 1));
    p.setBrush(cloth);
    p.drawRoundedRect(card, 10, 10);
    paintTable(p, card.adjusted(10, 10, -10, -10));
}
