#pragma once

#include <QString>

namespace db {
class Connection;
}

/// Making a new data file from the schema and starter book that ship with the program.
namespace datafile {

/// The SQL that creates every table, index and stored query of an empty data file.
QString schemaSql();
/// The SQL that fills an empty data file with the starter recipe book.
QString starterSql();

/// Creates a data file at `path` and runs the scripts on it. Refuses (throws db::DbError) when a file is
/// already there: an existing data file is never overwritten. A file left half made is removed.
void create(const QString &path, const QStringList &scripts);

/// The engine's message for a failed operation, said in a household's words where the data file refused
/// a value: the file's checks name a column, the user knows the field. Other messages pass unchanged.
QString householdMessage(const QString &engineMessage);

/// Brings a data file written by an earlier build, or changed by another tool, up to the schema: each index
/// it defines is created when missing, and so is each table added since the first release; a view whose
/// definition differs is made again. Rows are never touched.
void upgrade(db::Connection &connection);

} // namespace datafile
