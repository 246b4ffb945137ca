#include "DBImage.h"

#include "toolkit/db/TableDataset.h"

#include <QPainter>

DBImage::DBImage(db::TableDataset &dataset, QString field, Decoder decoder, Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_dataset(dataset)
    , m_field(std::move(field))
    , m_decoder(std::move(decoder))
    , m_fit(fit) {
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
    if (data == m_data && (data.isEmpty() || !m_image.isNull()))
        return;
    m_data = data;
    m_image = data.isEmpty() ? QImage() : m_decoder(data);
    updateGeometry();
    update();
}

QSize DBImage::sizeHint() const {
    if (m_fit == Fit::OwnSize && !m_image.isNull())
        return m_image.size();
    return {200, 150};
}

void DBImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(219, 235, 247));
    if (m_image.isNull())
        return;
    QSize shown = m_image.size();
    if (m_fit == Fit::ShrinkToFit && (shown.width() > width() || shown.height() > height()))
        shown.scale(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}

void DBImage::mouseDoubleClickEvent(QMouseEvent *event) {
    QWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
