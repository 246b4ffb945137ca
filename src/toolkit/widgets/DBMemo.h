#pragma once

#include <QPlainTextEdit>

namespace db {
class TableDataset;
}

/// A multi-line text box showing one text field of a table dataset's current row. Typing changes the row's
/// buffer: the first change puts the row into edit state, and the text reaches the table when the row is
/// posted (by the dataset moving on, or by its user).
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    DBMemo(db::TableDataset &dataset, QString field, QWidget *parent = nullptr);

private:
    void showField();
    void writeField();

    db::TableDataset &m_dataset;
    QString m_field;
    bool m_showing = false;
    bool m_writing = false;
};
