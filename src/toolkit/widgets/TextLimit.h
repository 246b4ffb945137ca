#pragma once

class QLineEdit;
class QString;

/// The number of characters of a text as the data file counts them: one for every letter, digit or sign,
/// an emoji included (UTF-16 would count some twice).
int characterCount(const QString &text);

/// Keeps a line box to at most `characters` characters as the data file counts them: typing or pasting
/// beyond that is refused where it happens; a control character typed or pasted stands as a blank.
void limitCharacters(QLineEdit *box, int characters);
