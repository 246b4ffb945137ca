#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace db {

/// The text rules of the data file: comparison and ordering of text without regard to letter case for every
/// letter, and the statement forms the system writes that the engine spells differently.
namespace dialect {

/// Orders two UTF-8 texts as the data file does: letter case is ignored throughout; accented letters sort
/// beside their base letter, and two texts are equal only when they differ in nothing but case.
int compare(const char *a, int lengthA, const char *b, int lengthB);

/// True when `value` matches the LIKE `pattern` (% any run, _ any one character), ignoring letter case.
/// `escape` (0 for none) makes the following pattern character literal.
bool like(const char *pattern, int patternLength, const char *value, int valueLength, char32_t escape = 0);

/// Rewrites a statement into the engine's spelling: a text literal written between double quotes becomes a
/// single-quoted one. Everything else passes unchanged.
QString translate(QStringView statement);

/// Installs the comparison (as the NOCASE collation the data file's text columns name) and LIKE on a
/// connection.
void install(sqlite3 *handle);

/// Drops every index whose keys are ordered by NOCASE. Such an index is ordered one way by the stock
/// engine (which folds only A to Z) and another by `compare`, so whichever side wrote last leaves it
/// unsound for the other. Text is therefore never indexed by its case-blind order; an index written by an
/// earlier build, or added with another tool, is removed before anything is written. Returns the engine's
/// result code (SQLITE_OK when there was nothing to do).
int dropCaseOrderedIndexes(sqlite3 *handle);

} // namespace dialect
} // namespace db
