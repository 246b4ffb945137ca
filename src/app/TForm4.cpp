#include "TForm4.h"

#include "WelcomePicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TForm4::TForm4(QWidget *owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form4"));
    setAccessibleName(QStringLiteral("Mealvane"));
    setFixedSize(480, 300);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QFont TForm4::nameFont() const {
    QFont name = font();
    name.setPixelSize(50);
    name.setBold(true);
    return name;
}

QRect TForm4::nameArea() const {
    const QRect inside = middle();
    const QSize text = QFontMetrics(nameFont()).size(Qt::TextSingleLine, QStringLiteral("Mealvane"));
    return QRect(QPoint(20, inside.center().y() - text.height() / 2), text);
}

QRect TForm4::pictureArea() const {
    const QRect inside = middle();
    const int left = nameArea().right() + 16;
    return QRect(left, inside.top() + 16, std::max(0, inside.right() - 12 - left), inside.height() - 26);
}

void TForm4::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect top(0, 0, width(), Band);
    const QRect bottom(0, height() - Band, width(), Band);
    const QRect inside = middle();

    QLinearGradient sky(inside.topLeft(), inside.bottomLeft());
    sky.setColorAt(0, QColor(0xf7, 0xfb, 0xff));
    sky.setColorAt(1, QColor(0xc4, 0xd9, 0xf0));
    p.fillRect(inside, sky);
    WelcomePicture::paintTable(p, pictureArea());

    p.setFont(nameFont());
    const QRect name = nameArea();
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(name.translated(3, 3), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mealvane"));
    p.setPen(QColor(0x1d, 0x4f, 0x86));
    p.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mealvane"));

    QLinearGradient blue(0, 0, width(), 0);
    blue.setColorAt(0, QColor(0x2b, 0x5d, 0x99));
    blue.setColorAt(1, QColor(0x3f, 0x7c, 0xc0));
    p.fillRect(top, blue);
    p.fillRect(bottom, blue);
    QFont small = font();
    small.setPixelSize(14);
    small.setBold(true);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(top.adjusted(14, 0, -14, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Save time and get your life back !"));
    p.drawText(bottom.adjusted(14, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Vesion 4.0 2006"));
    p.setPen(QColor(0x24, 0x50, 0x7f));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
