#pragma once

#include <QString>

/// A name as the book keeps it: every control character (a NUL, a tab, a line break, the C1 codes) stands
/// as one blank, so that a name pasted or imported with one shows, sorts and enters statements like any
/// other.
QString plainName(const QString &name);
