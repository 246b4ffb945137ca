#pragma once

#include <QLineEdit>

namespace db {
class TableDataset;
}

/// A one-line text box showing one field of a table dataset's current row, as DBMemo does for long texts:
/// typing puts the row into edit state, and the text reaches the table when the row is posted. A box for
/// a whole number takes digits only and leaves the field empty when cleared.
class DBLineEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind { Text, WholeNumber };
    DBLineEdit(db::TableDataset &dataset, QString field, Kind kind, int characters,
               QWidget *parent = nullptr);
    /// A locked box shows the field and takes no typing (a book that cannot be written).
    void lock(bool locked);

private:
    void showField();
    void writeField();

    db::TableDataset &m_dataset;
    QString m_field;
    Kind m_kind;
    bool m_locked = false;
    bool m_showing = false;
    bool m_writing = false;
};
