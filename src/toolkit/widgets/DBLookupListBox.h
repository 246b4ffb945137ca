#pragma once

#include <QListView>

namespace db {
class Dataset;
class DatasetModel;
} // namespace db

/// A list box showing one field of every row of a dataset, in the dataset's order; its selected line is the
/// dataset's current row both ways.
class DBLookupListBox : public QListView {
    Q_OBJECT
public:
    DBLookupListBox(db::Dataset &dataset, const QString &listField, QWidget *parent = nullptr);

    db::Dataset &dataset() const;

signals:
    /// A click on a line, after its row became the dataset's current row.
    void itemClicked();

private:
    db::DatasetModel *m_model;
};
