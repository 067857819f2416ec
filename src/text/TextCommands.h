#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QTextDocument;

// Small pieces of the editing commands that need no editor.
namespace TextCommands {

// The document's text with "\n" between lines, every character as it is held.
// (QTextDocument::toPlainText() would turn the no-break space, byte A0 of Windows-1250,
// into a blank; in a text still in Kamenický or Latin 2 that byte is the letter á.)
QString DocumentText(const QTextDocument &document);

// The text that "Vložit datum a čas" inserts: the date in the locale's short format, a
// comma without a blank, the time in the locale's long format. Qt's long time format
// names the time zone, which the user's long time does not: that part is left out.
// Blanks outside Windows-1250 (such as the narrow no-break space some locales use) become
// ordinary blanks.
QString DateTimeText(const QLocale &locale, const QDateTime &when);

// The long time format of the locale without its time-zone part.
QString LongTimeFormat(const QLocale &locale);

// A whole decimal number as the go-to-line box reads it: an optional sign and digits,
// blanks around them allowed. False for anything else, and for numbers beyond 32 bits.
bool ParseWholeNumber(const QString &text, int *value);

} // namespace TextCommands
