#include "DatasetModel.h"

#include "Dataset.h"

namespace db {

DatasetModel::DatasetModel(Dataset &dataset, QStringList fields, QStringList titles, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dataset(&dataset)
    , m_fields(std::move(fields))
    , m_titles(titles.isEmpty() ? m_fields : std::move(titles)) {
    connect(m_dataset, &Dataset::afterOpen, this, &DatasetModel::reload);
    connect(m_dataset, &Dataset::afterClose, this, &DatasetModel::reload);
    connect(m_dataset, &Dataset::rowsChanged, this, &DatasetModel::reload);
    connect(m_dataset, &Dataset::currentRowChanged, this, &DatasetModel::currentRowChanged);
    reload();
}

void DatasetModel::reload() {
    beginResetModel();
    m_columns.clear();
    for (const QString &name : std::as_const(m_fields))
        m_columns << m_dataset->fieldIndex(name);
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const int column = m_columns.at(index.column());
    if (column < 0)
        return {};
    if (role == Qt::TextAlignmentRole) {
        const FieldType type = m_dataset->fieldDef(column).type;
        const bool number =
            type == FieldType::Integer || type == FieldType::AutoKey || type == FieldType::Float;
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    const QVariant value = m_dataset->value(index.row(), column);
    if (role == Qt::EditRole)
        return value;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    const FieldDef &def = m_dataset->fieldDef(column);
    return Field(value, def.type, def.name).asString();
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_titles.size())
        return m_titles.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DatasetModel::setCurrentRow(int row) {
    m_dataset->setCurrentRow(row);
}

} // namespace db
