#pragma once

#include <QString>

/// Making a new data file from the schema and starter book that ship with the program.
namespace datafile {

/// The SQL that creates every table, index and stored query of an empty data file.
QString schemaSql();
/// The SQL that fills an empty data file with the starter recipe book.
QString starterSql();

/// Creates a data file at `path` and runs the scripts on it. Refuses (throws db::DbError) when a file is
/// already there: an existing data file is never overwritten. A file left half made is removed.
void create(const QString &path, const QStringList &scripts);

} // namespace datafile
