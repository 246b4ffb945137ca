#pragma once

#include <QHash>
#include <QHeaderView>
#include <QTableView>

namespace db {
class Dataset;
class DatasetModel;
} // namespace db

/// A read-only grid showing chosen fields of a dataset, one line per row, with whole-row selection. The
/// selected line is the dataset's current row both ways: a click or a key moves the dataset, and a dataset
/// that moves (or is re-opened) moves the selection.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    /// `titles` head the columns; with no titles the grid has no title row and one column fills its width.
    DBGrid(db::Dataset &dataset, const QStringList &fields, const QStringList &titles = {},
           QWidget *parent = nullptr);

    db::Dataset &dataset() const;
    db::DatasetModel &datasetModel() const { return *m_model; }
    /// How each column takes its width; kept when the dataset is re-opened.
    void setColumnModes(const QList<QHeaderView::ResizeMode> &modes);
    /// Gives a column of mode Fixed its width, kept when the rows are read again.
    void setColumnWidth(int column, int width);
    /// Texts wider than their column go on over more lines, each line as high as its text needs, instead of
    /// being cut short. Meant for grids of a few dozen lines: every line is measured.
    void setWrapping(bool wrap);
    /// The column of the cell last clicked; -1 before any click.
    int clickedColumn() const { return m_clickedColumn; }

protected:
    void changeEvent(QEvent *event) override;

signals:
    /// A click on a cell, after its row became the dataset's current row.
    void cellClicked();

private:
    void applyColumnModes();

    db::DatasetModel *m_model;
    void quietenInactiveRow();
    bool m_quietening = false;
    QList<QHeaderView::ResizeMode> m_columnModes;
    int m_clickedColumn = -1;
    QHash<int, int> m_fixedWidths;
};
