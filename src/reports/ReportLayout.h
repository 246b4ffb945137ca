#pragma once

#include "toolkit/db/Connection.h"

#include <QString>

/// A printed report's layout. Those that read the data file themselves keep a connection of their own,
/// opened when the layout is created.
class ReportLayout {
public:
    ReportLayout(QString name, bool ownConnection, const QString &dataFile);
    virtual ~ReportLayout() = default;
    ReportLayout(const ReportLayout &) = delete;
    ReportLayout &operator=(const ReportLayout &) = delete;

    const QString &name() const { return m_name; }
    /// The layout's own connection; closed for layouts that read through the data module.
    db::Connection ADOConnection1;

private:
    QString m_name;
};
