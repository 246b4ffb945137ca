#include "DBGrid.h"

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
    // The current row of a grid without the focus stays visible, but quieter than the focused one's.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight).lighter(175));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    if (!titles.isEmpty())
        horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::applyColumnModes);
    connect(new CurrentRowLink(*this, *m_model), &CurrentRowLink::clicked, this, &DBGrid::cellClicked);
}

db::Dataset &DBGrid::dataset() const {
    return m_model->dataset();
}

void DBGrid::setColumnModes(const QList<QHeaderView::ResizeMode> &modes) {
    m_columnModes = modes;
    applyColumnModes();
}

void DBGrid::applyColumnModes() {
    for (int c = 0; c < m_columnModes.size() && c < m_model->columnCount(); ++c)
        horizontalHeader()->setSectionResizeMode(c, m_columnModes.at(c));
}
