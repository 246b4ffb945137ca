#pragma once

#include <QComboBox>

namespace db {
class Dataset;
class DatasetModel;
class TableDataset;
} // namespace db

/// A drop-down list of one field of a dataset's rows (the list dataset). Unbound, it starts empty and
/// choosing an entry makes that row the list dataset's current row. Bound to a field of another table
/// dataset, it shows the entry whose key equals that field of the current row (and moves the list dataset to
/// it), and choosing an entry writes its key into the field (the row goes into edit state).
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    DBLookupComboBox(db::Dataset &dataset, const QString &listField, QWidget *parent = nullptr);

    db::Dataset &dataset() const;
    /// The field of the list dataset that identifies an entry.
    void setKeyField(const QString &keyField) { m_keyField = keyField; }
    /// Shows the field `dataField` of `target`'s current row and writes the chosen key into it.
    void bindField(db::TableDataset &target, const QString &dataField);

    /// Chooses the entry of a row, as the user would.
    void choose(int row);
    /// Chooses the entry whose key is `key` (none when no entry has it).
    void setKeyValue(const QVariant &key);
    /// The key of the entry shown; null when none is.
    QVariant keyValue() const;
    void hidePopup() override;

signals:
    /// The drop-down list closed, after the entry clicked in it (if any) was chosen.
    void closeUp();

private:
    int rowOfKey(const QVariant &key) const;
    void showDataField(bool moveList);

    db::DatasetModel *m_model;
    QString m_chosenText;
    QString m_keyField;
    db::TableDataset *m_data = nullptr;
    QString m_dataField;
};
