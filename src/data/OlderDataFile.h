#pragma once

#include <QString>

/// Older data files, as the recipe import reads them: a Jet 4 file of the first release, read with libmdb,
/// or a data file of this release.
namespace olddata {

enum class Kind { Unreadable, Jet, Current };

/// What the file is, by its first bytes and by whether the reader opens it.
Kind kindOf(const QString &path);

/// Writes an SQLite file at `target` holding the tables the import reads from the older file at `source`:
/// `Meal` (key, name, method and the five meal-time flags), `Made_With` and `Ingredients` (key and
/// description), each as far as the older file has it. A data file of this release is copied whole. False
/// when the source cannot be read as a data file.
bool convert(const QString &source, const QString &target);

} // namespace olddata
