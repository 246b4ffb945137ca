#include "WeekBoxesArea.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int ColumnSpacing = 6;
constexpr int Margin = 4;

} // namespace

WeekBoxesArea::WeekBoxesArea(QWidget *parent)
    : QScrollArea(parent)
    , m_body(new QWidget)
    , m_grid(new QGridLayout(m_body))
    , m_footer(new QWidget) {
    setObjectName(QStringLiteral("WeekBoxes"));
    // The boxes take the focus; the area only scrolls to the one that has it.
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_body->setObjectName(QStringLiteral("WeekBoxesBody"));
    viewport()->setAutoFillBackground(false);
    m_grid->setContentsMargins(Margin, 2, Margin, Margin);
    m_grid->setHorizontalSpacing(ColumnSpacing);
    m_grid->setVerticalSpacing(3);
    setWidget(m_body);
    m_footer->setObjectName(QStringLiteral("WeekBoxesFooter"));
    auto *footerLayout = new QHBoxLayout(m_footer);
    footerLayout->setContentsMargins(Margin, 2, Margin, 4);
    m_footer->hide();
}

void WeekBoxesArea::addDay(QLabel *caption, const std::array<QWidget *, 6> &boxes) {
    caption->setParent(m_body);
    for (QWidget *box : boxes)
        box->setParent(m_body);
    m_days.push_back({caption, boxes});
    m_columns = 0;
}

void WeekBoxesArea::setTimeCaptions(const QStringList &captions) {
    m_timeCaptions = captions;
}

void WeekBoxesArea::setTrailer(QWidget *trailer) {
    trailer->setParent(m_body);
    m_trailer = trailer;
    m_trailerInFooter = false;
    m_columns = 0;
}

int WeekBoxesArea::columnsFor(int width) const {
    if (m_days.empty())
        return 1;
    int captionWidth = 0;
    for (const QString &caption : m_timeCaptions)
        captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(caption));
    // Room is kept for the upright scroll bar, so that its coming and going never changes the columns.
    const int room = width - 2 * Margin - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - captionWidth;
    const int box = m_days.front().boxes.front()->sizeHint().width();
    const int days = int(m_days.size());
    const int fit = std::clamp(room / (box + ColumnSpacing), 1, days);
    // As few bands as that width allows, the days shared out evenly between them (4 and 3, not 5 and 2).
    const int bands = (days + fit - 1) / fit;
    return (days + bands - 1) / bands;
}

void WeekBoxesArea::resizeEvent(QResizeEvent *event) {
    // The event tells the viewport's size, which the upright scroll bar narrows; the columns go by the
    // area's own width, which keeps room for that bar.
    const int columns = columnsFor(width());
    if (columns != m_columns)
        arrange(columns);
    placeTrailer();
    QScrollArea::resizeEvent(event);
}

void WeekBoxesArea::placeTrailer() {
    if (m_trailer == nullptr)
        return;
    // The height the area would have without the footer: moving the trailer there only ever makes the
    // area lower, so the choice does not swing back and forth.
    const int room = height() + (m_footer->isVisible() ? m_footer->height() : 0);
    const bool inFooter = m_grid->sizeHint().height() > room;
    if (inFooter == m_trailerInFooter)
        return;
    m_trailerInFooter = inFooter;
    if (inFooter) {
        m_grid->removeWidget(m_trailer);
        m_trailer->setParent(m_footer);
        static_cast<QHBoxLayout *>(m_footer->layout())->addWidget(m_trailer, 0, Qt::AlignLeft);
        m_trailer->show();
        m_footer->show();
    } else {
        m_footer->hide();
        m_footer->layout()->removeWidget(m_trailer);
        m_trailer->setParent(m_body);
        m_columns = 0;
        arrange(columnsFor(width()));
        m_trailer->show();
    }
    emit trailerPlaced(inFooter);
}

QLabel *WeekBoxesArea::timeLabel(int band, int time) {
    while (int(m_timeLabels.size()) <= band) {
        std::array<QLabel *, 6> labels{};
        for (int t = 0; t < 6; ++t)
            labels[size_t(t)] = new QLabel(m_timeCaptions.value(t), m_body);
        m_timeLabels.push_back(labels);
    }
    return m_timeLabels[size_t(band)][size_t(time)];
}

void WeekBoxesArea::arrange(int columns) {
    m_columns = columns;
    while (m_grid->count() > 0)
        delete m_grid->takeAt(0);
    for (auto &labels : m_timeLabels) {
        for (QLabel *label : labels)
            label->hide();
    }
    for (int c = 0; c <= 7; ++c)
        m_grid->setColumnStretch(c, 0);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        m_grid->setRowStretch(r, 0);
        m_grid->setRowMinimumHeight(r, 0);
    }

    const int days = int(m_days.size());
    const int bands = (days + columns - 1) / columns;
    // Each band: a row of day captions, then a row per meal time.
    constexpr int BandRows = 7;
    for (int band = 0; band < bands; ++band) {
        const int top = band * BandRows;
        if (band > 0)
            m_grid->setRowMinimumHeight(top, fontMetrics().height() + 10);
        for (int t = 0; t < 6; ++t) {
            QLabel *label = timeLabel(band, t);
            label->setBuddy(m_days[size_t(band * columns)].boxes[size_t(t)]);
            m_grid->addWidget(label, top + 1 + t, 0);
            label->show();
        }
    }
    for (int d = 0; d < days; ++d) {
        const int top = (d / columns) * BandRows;
        const int column = 1 + d % columns;
        m_grid->addWidget(m_days[size_t(d)].caption, top, column, Qt::AlignLeft | Qt::AlignBottom);
        for (int t = 0; t < 6; ++t)
            m_grid->addWidget(m_days[size_t(d)].boxes[size_t(t)], top + 1 + t, column);
    }
    int lastRow = bands * BandRows - 1;
    if (m_trailer != nullptr && !m_trailerInFooter) {
        const int used = days - (bands - 1) * columns;
        if (used < columns) {
            // Beside the last day, in the room its band leaves.
            m_grid->addWidget(m_trailer, (bands - 1) * BandRows + 1, 1 + used, 6, columns - used,
                              Qt::AlignLeft | Qt::AlignTop);
        } else {
            m_grid->addWidget(m_trailer, bands * BandRows, 1, 1, columns, Qt::AlignLeft | Qt::AlignTop);
            lastRow = bands * BandRows;
        }
    }
    for (int c = 1; c <= columns; ++c)
        m_grid->setColumnStretch(c, 1);
    // Spare height goes below the boxes.
    m_grid->setRowStretch(lastRow + 1, 1);
}
