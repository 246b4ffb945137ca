#include "BandReport.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace report {

std::vector<Placement> BandReport::layout() const {
    std::vector<Placement> placed;
    const QRectF area = pageLayout.paintRect(QPageLayout::Millimeter);
    const double columnWidth = area.width() / std::max(columns, 1);
    const double footerTop = area.bottom() - pageFooter.height;
    const double bottom = footerOnEveryPage ? footerTop : area.bottom();
    int page = 0;
    double top = area.top();
    const auto startPage = [&] {
        top = area.top();
        if (pageHeader.height > 0) {
            placed.push_back({&pageHeader, page, QRectF(area.left(), top, area.width(), pageHeader.height)});
            top += pageHeader.height;
        }
    };
    startPage();
    if (titleBand.height > 0) {
        placed.push_back({&titleBand, 0, QRectF(area.left(), top, area.width(), titleBand.height)});
        top += titleBand.height;
    }
    int column = 0;
    double y = top;
    const auto startColumn = [&] {
        y = top;
        if (columnHeader.height > 0) {
            placed.push_back(
                {&columnHeader, page,
                 QRectF(area.left() + column * columnWidth, y, columnWidth, columnHeader.height)});
            y += columnHeader.height;
        }
    };
    const auto nextPage = [&] {
        column = 0;
        ++page;
        startPage();
        startColumn();
    };
    startColumn();
    const double emptyColumn = columnHeader.height + 1e-6;
    for (const Band &detail : details) {
        const bool columnUsed = y > top + emptyColumn;
        if (detail.startsNewPage && (columnUsed || column > 0)) {
            nextPage();
        } else if (y + detail.height > bottom + 1e-6 && columnUsed) {
            // A band taller than a whole column still gets a column of its own rather than none.
            if (++column >= columns)
                nextPage();
            else
                startColumn();
        }
        const auto place = [&](const Band &band) {
            placed.push_back(
                {&band, page, QRectF(area.left() + column * columnWidth, y, columnWidth, band.height)});
            y += band.height;
        };
        if (detail.carriedUnder && !detail.startsNewPage && y <= top + emptyColumn)
            place(*detail.carriedUnder);
        place(detail);
    }
    if (pageFooter.height > 0) {
        // A footer only at the end needs room under the last band.
        if (!footerOnEveryPage && y > footerTop + 1e-6)
            ++page;
        for (int p = footerOnEveryPage ? 0 : page; p <= page; ++p)
            placed.push_back(
                {&pageFooter, p, QRectF(area.left(), footerTop, area.width(), pageFooter.height)});
    }
    return placed;
}

int BandReport::pageCount() const {
    int last = 0;
    for (const Placement &p : layout())
        last = std::max(last, p.page);
    return last + 1;
}

void BandReport::render(QPagedPaintDevice &device) const {
    device.setPageLayout(pageLayout);
    const std::vector<Placement> placed = layout();
    const int pages = pageCount();
    QPainter painter(&device);
    const double pixelsPerMm = double(device.logicalDpiX()) / 25.4;
    // The painter starts at the printable area's corner; the layout counts from the page's.
    const QPointF corner = pageLayout.paintRect(QPageLayout::Millimeter).topLeft();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        for (const Placement &p : placed) {
            if (p.page != page || !p.band->paint)
                continue;
            painter.save();
            Canvas canvas(painter, pixelsPerMm, p.rect.translated(-corner));
            p.band->paint(canvas, PageInfo{page + 1, pages});
            painter.restore();
        }
    }
}

Canvas::Canvas(QPainter &painter, double pixelsPerMm, const QRectF &band)
    : m_painter(painter)
    , m_scale(pixelsPerMm)
    , m_band(band) {}

QRectF Canvas::device(double x, double y, double width, double height) const {
    return {(m_band.left() + x) * m_scale, (m_band.top() + y) * m_scale, width * m_scale, height * m_scale};
}

void Canvas::fill(const QColor &colour) {
    fillRect(0, 0, m_band.width(), m_band.height(), colour);
}

void Canvas::frame(double penPoints) {
    box(0, 0, m_band.width(), m_band.height(), penPoints);
}

void Canvas::fillRect(double x, double y, double width, double height, const QColor &colour) {
    m_painter.fillRect(device(x, y, width, height), colour);
}

void Canvas::box(double x, double y, double width, double height, double penPoints) {
    m_painter.setPen(QPen(Qt::black, penPoints / 72.0 * 25.4 * m_scale));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(device(x, y, width, height));
}

void Canvas::rule(double y, double penPoints, const QColor &colour) {
    m_painter.setPen(QPen(colour, penPoints / 72.0 * 25.4 * m_scale));
    const QRectF line = device(0, y, m_band.width(), 0);
    m_painter.drawLine(line.topLeft(), line.topRight());
}

void Canvas::text(double x, double y, double width, const QString &text, const QFont &font,
                  Qt::Alignment alignment, const QColor &colour, double height) {
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const QFontMetricsF metrics(font, m_painter.device());
    const double lineHeight = metrics.height() / m_scale;
    const QRectF box = device(x, y, width, height > 0 ? height : lineHeight);
    const int flags =
        int(alignment | Qt::AlignTop) | (height > 0 ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine));
    // A single line longer than its box ends in an ellipsis instead of being cut off mid-letter.
    m_painter.drawText(box, flags, height > 0 ? text : metrics.elidedText(text, Qt::ElideRight, box.width()));
}

void Canvas::image(double x, double y, double width, double height, const QImage &picture) {
    const QRectF box = device(x, y, width, height);
    // A picture's own size: its pixels at 96 to the inch, as on the screen.
    QSizeF shown(picture.width() * m_scale * 25.4 / 96.0, picture.height() * m_scale * 25.4 / 96.0);
    if (shown.width() > box.width() || shown.height() > box.height())
        shown.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(target, picture);
}

double Canvas::textHeight(double width, const QString &text, const QFont &font) const {
    const QFontMetricsF metrics(font, m_painter.device());
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width * m_scale, 1e6), int(Qt::TextWordWrap), text);
    return bounds.height() / m_scale;
}

void Canvas::line(double x, double y, const QString &text, const QFont &font, const QColor &colour) {
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const QFontMetricsF metrics(font, m_painter.device());
    const QRectF box = device(x, y, 1, metrics.height() / m_scale);
    m_painter.drawText(box, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip), text);
}

namespace {

/// A page at printing resolution to measure on; wrapping depends little on the resolution beyond it.
const QImage &measuringPage() {
    static const QImage measure = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(23622);
        image.setDotsPerMeterY(23622);
        return image;
    }();
    return measure;
}

} // namespace

QStringList wrappedLines(double width, const QString &text, const QFont &font) {
    const QImage &measure = measuringPage();
    const double pixelsPerMm = measure.logicalDpiX() / 25.4;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines;
    for (const QString &paragraph : plain.split(u'\n')) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font, const_cast<QImage *>(&measure));
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width * pixelsPerMm);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

double lineHeight(const QFont &font) {
    const QImage &measure = measuringPage();
    return QFontMetricsF(font, &measure).height() / (measure.logicalDpiX() / 25.4);
}

double textHeight(double width, const QString &text, const QFont &font) {
    const QImage &measure = measuringPage();
    const double pixelsPerMm = measure.logicalDpiX() / 25.4;
    const QFontMetricsF metrics(font, &measure);
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width * pixelsPerMm, 1e7), int(Qt::TextWordWrap), text);
    return bounds.height() / pixelsPerMm;
}

QString printTimeText(const QDateTime &moment, const QLocale &locale) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("Printed:  %1-%2-%3,  at  %4:%5 %6")
        .arg(date.day())
        .arg(locale.monthName(date.month(), QLocale::ShortFormat))
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

} // namespace report
