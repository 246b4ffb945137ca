#include "DBGrid.h"

#include <QEvent>

#include "CurrentRowLink.h"
#include "toolkit/db/Dataset.h"
#include "toolkit/db/DatasetModel.h"

DBGrid::DBGrid(db::Dataset &dataset, const QStringList &fields, const QStringList &titles, QWidget *parent)
    : QTableView(parent)
    , m_model(new db::DatasetModel(dataset, fields, titles, this)) {
    // The headers are set up before the model arrives, so that a hidden one is never measured.
    verticalHeader()->hide();
    if (titles.isEmpty())
        horizontalHeader()->hide();
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setWordWrap(false);
    quietenInactiveRow();
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    if (!titles.isEmpty())
        horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::applyColumnModes);
    // The column is taken before the row link moves the current cell to the row's first column.
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { m_clickedColumn = index.isValid() ? index.column() : -1; });
    connect(new CurrentRowLink(*this, *m_model), &CurrentRowLink::clicked, this, &DBGrid::cellClicked);
}

void DBGrid::quietenInactiveRow() {
    // The current row of a grid without the focus stays visible, but quieter than the focused one's: the
    // highlight halfway to the background, under the ordinary text colour, on a light or a dark palette.
    QPalette colours = palette();
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    const QColor base = colours.color(QPalette::Active, QPalette::Base);
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     QColor((highlight.red() + base.red()) / 2, (highlight.green() + base.green()) / 2,
                            (highlight.blue() + base.blue()) / 2));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);
}

void DBGrid::changeEvent(QEvent *event) {
    QTableView::changeEvent(event);
    // A new palette (a desktop turning dark) gives the quiet row its colours anew.
    if (event->type() == QEvent::PaletteChange && !m_quietening) {
        m_quietening = true;
        setPalette(QPalette());
        quietenInactiveRow();
        m_quietening = false;
    }
}

void DBGrid::setWrapping(bool wrap) {
    setWordWrap(wrap);
    setTextElideMode(wrap ? Qt::ElideNone : Qt::ElideRight);
    verticalHeader()->setSectionResizeMode(wrap ? QHeaderView::ResizeToContents : QHeaderView::Interactive);
}

db::Dataset &DBGrid::dataset() const {
    return m_model->dataset();
}

void DBGrid::setColumnModes(const QList<QHeaderView::ResizeMode> &modes) {
    m_columnModes = modes;
    applyColumnModes();
}

void DBGrid::setColumnWidth(int column, int width) {
    m_fixedWidths.insert(column, width);
    applyColumnModes();
}

void DBGrid::applyColumnModes() {
    for (int c = 0; c < m_columnModes.size() && c < m_model->columnCount(); ++c)
        horizontalHeader()->setSectionResizeMode(c, m_columnModes.at(c));
    for (auto it = m_fixedWidths.cbegin(); it != m_fixedWidths.cend(); ++it) {
        if (it.key() < m_model->columnCount())
            horizontalHeader()->resizeSection(it.key(), it.value());
    }
}
