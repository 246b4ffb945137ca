#pragma once

#include <QString>

/// The only ways a value enters a statement's text.
namespace sql {

/// A text literal: the value between single quotes, each single quote inside it doubled. A value holding a
/// NUL, which no statement text can hold, is given as its pieces joined with char(0) in brackets.
QString literal(const QString &value);

/// A number in plain decimal: no separators, no leading zeros, a minus sign only when negative.
QString number(qint64 value);

} // namespace sql
