#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Clean-up of a T602 document that was opened as plain text: from every line the first
// occurrence of each of four formatting marks is removed, in this order:
//   1. the byte 0x8D (in Windows-1250 the letter Ť, so a genuine Ť goes as well): 1 byte;
//   2. "@LH": the mark and the two bytes after it (fewer where the line ends sooner);
//   3. the byte 0x13: 1 byte;
//   4. "@HE": 3 bytes.
// Later occurrences of a mark in the same line stay. Each step sees the line as the
// earlier steps left it.
namespace T602 {

// Whether a text begins as a T602 document does: at least two of its first five lines are
// dot commands, an "@" at the line's start followed by two letters and then a blank, a digit
// or the line's end ("@CT 0", "@LM 1", "@RM 80", "@PL 60", "@MT", "@OP").
bool IsDocument(QByteArrayView text);

// One line, without its line break.
QByteArray cleanLine(QByteArrayView line);

// A whole 8-bit text. Lines end at CR, LF or CR LF; a break at the very end of the text
// does not start a further, empty line. Every cleaned line is followed by lineBreak, the
// last one too; an empty text stays empty.
QByteArray cleanText(QByteArrayView text, QByteArrayView lineBreak = "\r\n");

} // namespace T602
