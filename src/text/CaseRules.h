#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Letter case as the Windows-1250 character set knows it. Every conversion maps one
// character to one character, and only to a character the set holds: a letter whose
// other case lies outside Windows-1250 (µ) keeps its case.
namespace CaseRules {

QChar upper(QChar c);
QChar lower(QChar c);

// The search's case folding: two characters match regardless of case exactly when their
// folds are equal. Folds every Czech and Slovak letter of the set.
QChar fold(QChar c);

QString toUpper(QStringView text);
QString toLower(QStringView text);

// The small letters that inversion turns into capitals, in this order:
// the 26 letters a to z and á, č, ď, é, ě, í, ň, ó, ř, š, ť, ú, ů, ý, ž.
QStringView inversionLetters();

// Inversion: a character of the list above becomes its capital; every other character
// goes through lower(), so capitals become small and other small letters (ä, ô, ľ...)
// stay small.
QString invert(QStringView text);

} // namespace CaseRules
