#pragma once

#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QColor;
class QFont;
class QImage;
class QPainter;
class QPagedPaintDevice;

/// A banded report: a title band once at the top of the first page, then detail bands flowing down one or
/// more columns (each column under its own header band) and over as many pages as they need, and a page
/// footer at the foot of the page. Sizes and positions are in millimetres.
namespace report {

/// What a band paints on: positions in millimetres from the band's top left corner, fonts in points.
class Canvas {
public:
    Canvas(QPainter &painter, double pixelsPerMm, const QRectF &band);

    QPainter &painter() const { return m_painter; }
    /// The band's rectangle on the page, in millimetres.
    const QRectF &band() const { return m_band; }
    void fill(const QColor &colour);
    void frame(double penPoints = 0.5);
    void fillRect(double x, double y, double width, double height, const QColor &colour);
    void box(double x, double y, double width, double height, double penPoints = 0.5);
    /// A horizontal rule across the band at `y`.
    void rule(double y, double penPoints, const QColor &colour);
    /// Text in a box `width` wide starting at (`x`, `y`); with a `height`, wrapped within it.
    void text(double x, double y, double width, const QString &text, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft, const QColor &colour = Qt::black, double height = 0);
    /// A picture centred in the box, scaled down to fit when larger (proportions kept), else at its own size
    /// at the printer's resolution.
    void image(double x, double y, double width, double height, const QImage &picture);
    /// The height in millimetres `text` takes wrapped in `width`.
    double textHeight(double width, const QString &text, const QFont &font) const;
    /// One line of text as `wrappedLines` broke it: neither wrapped again nor shortened.
    void line(double x, double y, const QString &text, const QFont &font, const QColor &colour = Qt::black);

private:
    QRectF device(double x, double y, double width, double height) const;

    QPainter &m_painter;
    double m_scale;
    QRectF m_band;
};

struct PageInfo {
    int page = 1;      ///< from 1
    int pageCount = 1; ///< pages of the whole report
};

struct Band {
    Band() = default;
    Band(double height_, std::function<void(Canvas &, const PageInfo &)> paint_, bool startsNewPage_ = false)
        : height(height_)
        , paint(std::move(paint_))
        , startsNewPage(startsNewPage_) {}

    double height = 0; ///< millimetres; 0 for a band the report does not have
    std::function<void(Canvas &, const PageInfo &)> paint;
    /// The band begins a page of its own (unless the page holds nothing but headers yet).
    bool startsNewPage = false;
    /// Printed above the band when the band is carried over to the top of a new page (the name of what goes
    /// on there); bands of one piece share it.
    std::shared_ptr<const Band> carriedUnder;
};

/// Where a band lands: its page (from 0) and its rectangle on the page, in millimetres from the page's
/// top left corner.
struct Placement {
    const Band *band;
    int page;
    QRectF rect;
};

class BandReport {
public:
    QString title;
    /// The name offered for a file the report is saved to, without folder or extension: the title, and the
    /// week or recipe it is about.
    QString fileName;
    QPageLayout pageLayout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                           QPageLayout::Millimeter};
    int columns = 1;
    Band titleBand;
    /// At the top of every page, the first included.
    Band pageHeader;
    Band columnHeader;
    std::vector<Band> details;
    Band pageFooter;
    /// The footer on every page, or only on the last.
    bool footerOnEveryPage = true;

    /// Lays the bands out on pages.
    std::vector<Placement> layout() const;
    int pageCount() const;
    /// Paints every page on the device, which takes the report's page layout.
    void render(QPagedPaintDevice &device) const;
};

/// The height in millimetres a text takes wrapped in `width` millimetres, measured as a printer would set it.
double textHeight(double width, const QString &text, const QFont &font);

/// The lines a text breaks into when wrapped in `width` millimetres (at word boundaries, or anywhere in a
/// word longer than the width), every line break of the text kept; so that a long text can be spread over
/// bands and pages.
QStringList wrappedLines(double width, const QString &text, const QFont &font);
/// The height in millimetres of one line of text in that font.
double lineHeight(const QFont &font);

/// "Printed: " and the moment as the reports write it, e.g. "Printed:  5-Mar-2024,  at  02:07 PM".
QString printTimeText(const QDateTime &moment, const QLocale &locale);

} // namespace report
