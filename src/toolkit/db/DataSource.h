#pragma once

#include <QObject>

namespace db {

class Dataset;

/// Binds data-aware controls to a dataset, as the controls of a window name it.
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(const QString &name, Dataset &dataset, QObject *parent = nullptr)
        : QObject(parent)
        , m_dataset(&dataset) {
        setObjectName(name);
    }
    Dataset &dataset() const { return *m_dataset; }

private:
    Dataset *m_dataset;
};

} // namespace db
