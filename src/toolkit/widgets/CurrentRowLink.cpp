#include "CurrentRowLink.h"

#include "toolkit/db/Dataset.h"
#include "toolkit/db/DatasetModel.h"

#include <QAbstractItemView>

CurrentRowLink::CurrentRowLink(QAbstractItemView &view, db::DatasetModel &model)
    : QObject(&view)
    , m_view(view)
    , m_model(model) {
    connect(view.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_following && current.isValid())
                    m_model.setCurrentRow(current.row());
            });
    connect(&model, &db::DatasetModel::currentRowChanged, this, &CurrentRowLink::followDataset);
    connect(&model, &QAbstractItemModel::modelReset, this, &CurrentRowLink::followDataset);
    connect(&view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            m_model.setCurrentRow(index.row());
        emit clicked();
    });
    followDataset();
}

void CurrentRowLink::followDataset() {
    m_following = true;
    const int row = m_model.dataset().currentRow();
    if (row >= 0 && row < m_model.rowCount())
        m_view.setCurrentIndex(m_model.index(row, 0));
    else
        m_view.clearSelection();
    m_following = false;
}
