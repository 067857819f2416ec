#pragma once

#include <QString>
#include <QStringView>

// How the spell checker cuts text into words. A word is a run of letters and digits;
// a character of the dictionary's WORDCHARS that is neither (an apostrophe or a hyphen in
// some languages) belongs to the word only between two of its characters. Positions are
// indexes into the text, that is editor characters.
namespace SpellWords {

bool IsWordChar(QChar c);

// The next word at or after `from`: its start and end (one past the last character).
// False when the text holds no further word.
bool NextWord(QStringView text, qsizetype from, const QString &innerChars, qsizetype *start, qsizetype *end);

// The start of the word that `pos` lies in or touches from the right (the position
// itself when the character before it is no word character).
qsizetype WordStart(QStringView text, qsizetype pos, const QString &innerChars);

// The option rules of the checker, each true when the word is to be passed over.
bool IsAllCaps(QStringView word);   // letters only in capitals (at least one letter)
bool MixesDigits(QStringView word); // letters and digits together
bool HasLetter(QStringView word);
bool IsRomanNumeral(QStringView word); // a well-formed numeral, all capitals or all small

} // namespace SpellWords
