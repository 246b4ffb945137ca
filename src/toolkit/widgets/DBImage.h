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
    using Decoder = std::function<QImage(const QByteArray &)>;

    DBImage(db::TableDataset &dataset, QString field, Decoder decoder, Fit fit, QWidget *parent = nullptr);

    /// The picture shown; null when there is none.
    const QImage &image() const { return m_image; }
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
    Decoder m_decoder;
    Fit m_fit;
    QByteArray m_data;
    QImage m_image;
};
