#pragma once

#include <QString>
#include <QTemporaryDir>

#include "QtPrinters.h"

/// A fresh data file in a temporary folder of its own, removed with the object.
class TestDataFile {
public:
    enum class Contents { Empty, Starter };
    explicit TestDataFile(Contents contents = Contents::Empty);

    const QString &path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    /// Runs SQL directly on the file (test set-up), outside the program's connections.
    void exec(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};
