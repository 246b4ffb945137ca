#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace db {
class TableDataset;
}

/// A picture box showing a blob field of a table dataset's current row, centred on a light blue ground:
/// scaled down to fit when larger than the box (proportions kept), or always at its own size.
class DBImage : public QWidget {
    Q_OBJECT
public:
    enum class Fit { ShrinkToFit, OwnSize };
    /// Decodes stored bytes, as small as still covers the size asked for (or whole, given no size).
    using Decoder = std::function<QImage(const QByteArray &, const QSize &)>;
    /// The size of the stored picture, read without decoding it where possible.
    using Sizer = std::function<QSize(const QByteArray &)>;

    DBImage(db::TableDataset &dataset, QString field, Decoder decoder, Sizer sizer, Fit fit,
            QWidget *parent = nullptr);

    /// The picture as decoded for showing; null when there is none. It is decoded when the box is painted
    /// (or asked), and only as large as the box shows it.
    const QImage &image() const;
    /// The picture's own size, upright; invalid when there is none or it cannot be read.
    QSize pictureSize() const { return m_pictureSize; }
    void setFit(Fit fit);
    Fit fit() const { return m_fit; }
    /// The stored bytes of the picture shown.
    const QByteArray &data() const { return m_data; }
    QSize sizeHint() const override;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showField();

    db::TableDataset &m_dataset;
    QString m_field;
    /// The size the picture is decoded for: the box's for a fitting box, none (whole) at own size.
    QSize decodeSize() const;
    Decoder m_decoder;
    Sizer m_sizer;
    Fit m_fit;
    QByteArray m_data;
    QSize m_pictureSize;
    mutable QImage m_image;
    mutable QSize m_decodedFor;
    mutable bool m_decoded = false;
};
