#include "ReportLayout.h"

ReportLayout::ReportLayout(QString name, bool ownConnection, const QString &dataFile)
    : ADOConnection1(dataFile)
    , m_name(std::move(name)) {
    if (ownConnection)
        ADOConnection1.open();
}
