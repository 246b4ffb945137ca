#pragma once

#include <QComboBox>

namespace db {
class Dataset;
class DatasetModel;
} // namespace db

/// A drop-down list of one field of a dataset's rows, bound to no record: it starts empty, and choosing an
/// entry makes that row the dataset's current row.
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    DBLookupComboBox(db::Dataset &dataset, const QString &listField, QWidget *parent = nullptr);

    db::Dataset &dataset() const;
    /// Chooses the entry of a row, as the user would.
    void choose(int row);
    void hidePopup() override;

signals:
    /// The drop-down list closed, after the entry clicked in it (if any) was chosen.
    void closeUp();

private:
    db::DatasetModel *m_model;
    QString m_chosenText;
};
