#pragma once

#include <QObject>

class QAbstractItemView;
namespace db {
class DatasetModel;
}

/// Keeps a view's current line and its dataset's current row the same, both ways: a click or a key in the
/// view moves the dataset, and a dataset that moves or is re-opened moves the view's selection.
class CurrentRowLink : public QObject {
    Q_OBJECT
public:
    CurrentRowLink(QAbstractItemView &view, db::DatasetModel &model);

signals:
    /// A click on a line, after its row became the dataset's current row.
    void clicked();

private:
    void followDataset();

    QAbstractItemView &m_view;
    db::DatasetModel &m_model;
    bool m_following = false;
};
