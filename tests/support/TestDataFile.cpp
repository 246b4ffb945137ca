#include "TestDataFile.h"

#include "data/DataFile.h"
#include "toolkit/db/Connection.h"

#include <QStringList>
#include <stdexcept>

TestDataFile::TestDataFile(Contents contents) {
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    m_path = m_dir.filePath(QStringLiteral("MealvaneData40.mdb"));
    QStringList scripts{datafile::schemaSql()};
    if (contents == Contents::Starter)
        scripts << datafile::starterSql();
    datafile::create(m_path, scripts);
}

void TestDataFile::exec(const QString &sql) const {
    db::Connection connection(m_path);
    connection.open();
    for (const QString &statement : sql.split(u';', Qt::SkipEmptyParts)) {
        if (!statement.trimmed().isEmpty())
            connection.execute(statement);
    }
}
