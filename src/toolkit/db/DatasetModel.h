#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace db {

class Dataset;

/// Shows chosen fields of a dataset to Qt views, one row per dataset row, and follows its current row.
/// The display role holds each field's text; the edit role its value.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// `fields` are the columns shown, `titles` their headers (the field names when empty).
    DatasetModel(Dataset &dataset, QStringList fields, QStringList titles = {}, QObject *parent = nullptr);

    Dataset &dataset() const { return *m_dataset; }
    const QStringList &fields() const { return m_fields; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Makes a row of the dataset current (a view's click).
    void setCurrentRow(int row);

signals:
    /// The dataset's current row moved; -1 when it has none.
    void currentRowChanged(int row);

private:
    void reload();

    Dataset *m_dataset;
    QStringList m_fields;
    QStringList m_titles;
    QList<int> m_columns;
};

} // namespace db
