#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing the editor's text files: 8-bit Windows-1250, no byte-order mark.
namespace TextFile {

// The longest text an editor holds: 16,777,215 characters.
constexpr qsizetype MaxLength = 0xFFFFFF;
// The most bytes read from a file: a text at the limit takes up to twice its characters in
// Windows-1250 with CR LF, and more in UTF-8.
constexpr qint64 MaxFileBytes = 4 * qint64(MaxLength) + 4;

// Decodes file bytes into editor text: CR LF, a lone CR and a lone LF each become one "\n"
// (LF CR gives two); NUL bytes are dropped, the bytes around them read as usual.
QString fromFileBytes(const QByteArray &bytes);

// Encodes editor text ("\n" or U+2029 between lines) for a file: every break written as
// CR LF.
QByteArray toFileBytes(const QString &text);

// Splits text given with CR LF, CR or LF breaks into the editor's "\n" form.
QString normalizeBreaks(const QString &text);

// Reads a whole regular file. Throws TError("Cannot open file <name>") when it cannot be
// read, and a clear error when it is not a regular file or holds more than MaxLength
// characters.
QString readFile(const QString &fileName);

// Writes the text atomically (temporary file, then rename): on failure the old file is
// left as it was and TError("Cannot create file <name>") is thrown. A device, FIFO or
// socket (also behind a link) is refused and left untouched.
void writeFile(const QString &fileName, const QString &text);

} // namespace TextFile
