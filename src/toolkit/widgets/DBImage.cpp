#include "DBImage.h"

#include "AccessibleWidgets.h"

#include "toolkit/db/TableDataset.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScopeGuard>

DBImage::DBImage(db::TableDataset &dataset, QString field, Decoder decoder, Sizer sizer, Fit fit,
                 QWidget *parent)
    : QWidget(parent)
    , m_dataset(dataset)
    , m_field(std::move(field))
    , m_decoder(std::move(decoder))
    , m_sizer(std::move(sizer))
    , m_fit(fit) {
    installAccessibleWidgets();
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (auto signal : {&db::Dataset::afterOpen, &db::Dataset::afterClose, &db::Dataset::rowsChanged,
                        &db::Dataset::afterPost, &db::Dataset::stateChanged})
        connect(&m_dataset, signal, this, &DBImage::showField);
    connect(&m_dataset, &db::Dataset::currentRowChanged, this, &DBImage::showField);
    showField();
}

void DBImage::showField() {
    const QByteArray data = m_dataset.isOpen() && m_dataset.hasCurrentRow()
                                ? m_dataset.field(m_field).value().toByteArray()
                                : QByteArray();
    if (data == m_data && (data.isEmpty() || m_pictureSize.isValid()))
        return;
    m_data = data;
    m_pictureSize = data.isEmpty() ? QSize() : m_sizer(data);
    // Decoded when it is next painted, at the size it is shown then.
    m_image = QImage();
    m_decoded = false;
    updateGeometry();
    // At its own size the box is as large as the picture it now shows: a scroll area around it reaches
    // every part of a large one and no more than a small one.
    if (m_fit == Fit::OwnSize)
        resize(sizeHint());
    update();
}

QSize DBImage::decodeSize() const {
    return m_fit == Fit::ShrinkToFit ? size() * devicePixelRatio() : QSize();
}

const QImage &DBImage::image() const {
    const QSize wanted = decodeSize();
    if (!m_data.isEmpty() && m_pictureSize.isValid() && (!m_decoded || wanted != m_decodedFor)) {
        // A fitting box decodes again only when it grows past what it holds.
        const bool enough = m_decoded && !m_image.isNull() && wanted.isValid() &&
                            m_image.width() >= std::min(wanted.width(), m_pictureSize.width()) &&
                            m_image.height() >= std::min(wanted.height(), m_pictureSize.height());
        if (!enough) {
            m_image = m_decoder(m_data, wanted);
            m_decodedFor = wanted;
        }
        m_decoded = true;
    }
    return m_image;
}

void DBImage::setFit(Fit fit) {
    if (fit == m_fit)
        return;
    m_fit = fit;
    m_decoded = false;
    updateGeometry();
    update();
}

QSize DBImage::sizeHint() const {
    if (m_fit == Fit::OwnSize && m_pictureSize.isValid())
        return m_pictureSize;
    return {200, 150};
}

void DBImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // The focus shows as a ring around the box, over the picture.
    const auto ring = qScopeGuard([&] {
        if (!hasFocus())
            return;
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    });
    // A pale tint of the highlight over the base colour: light blue on a light desktop, a dark slate on a
    // dark one.
    const QColor base = palette().color(QPalette::Base);
    const QColor tint = palette().color(QPalette::Highlight);
    const auto mix = [](int b, int t) { return (b * 82 + t * 18) / 100; };
    painter.fillRect(rect(), QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                                    mix(base.blue(), tint.blue())));
    const QImage &picture = image();
    if (picture.isNull()) {
        // A field that holds bytes no picture comes from is said, not shown as an empty box.
        if (!m_data.isEmpty()) {
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                             QCoreApplication::translate(
                                 "DBImage", "The picture cannot be shown: it is damaged, or of a kind that "
                                            "cannot be read."));
        }
        return;
    }
    QSize shown = m_fit == Fit::OwnSize ? m_pictureSize : picture.size();
    if (m_fit == Fit::ShrinkToFit && (shown.width() > width() || shown.height() > height()))
        shown.scale(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

void DBImage::mouseDoubleClickEvent(QMouseEvent *event) {
    QWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
