#pragma once

#include <QByteArrayView>
#include <QString>

// Which of the Czech 8-bit character sets a text of unknown origin is written in. The
// guessing is enca's (the Czech language's detector, the only one that knows Kamenický);
// this only picks what it reads and maps its answer to the conversion's set numbers.
namespace CzechSets {

// How much of a text enca reads: its first 64 KiB and samples spread over the rest.
constexpr qsizetype HeadBytes = 64 * 1024;
constexpr int SampleCount = 16;
constexpr qsizetype SampleBytes = 4 * 1024;

// The set the bytes seem to be in, as a character-set number of the conversion
// (Konverze::Windows1250, Kamenicky, Latin2 or Iso8859_2), or 0 when the text holds no
// byte 80-FF, when enca is unsure, or when it names a set the conversion does not know.
// An ISO 8859-2 answer stands only for a text without the bytes of Š Ť Ž š ť ž in
// Windows 1250 (8A 8D 8E 9A 9D 9E) and with at least one of theirs in ISO 8859-2
// (A9 AE B9 BE): otherwise the text reads the same in both and stays Windows 1250.
int Guess(QByteArrayView bytes);

// What enca reads of a text: all of a short one, else the head and the samples.
QByteArray Sample(QByteArrayView bytes);

// The page's text as the conversion turns it from `set` into Windows 1250 (Prevest on the
// text's Windows-1250 bytes); the lines stay as they are, no line break is added.
QString ToWindows1250(const QString &text, int set);

// The conversion list's name of a set ("Latin 2" is code page 852), translated.
QString Name(int set);

} // namespace CzechSets
