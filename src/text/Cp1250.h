#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Windows-1250, the character set of every text this program keeps. The editor holds
// QString; each of the 256 byte values maps to exactly one UTF-16 unit and back.
namespace Cp1250 {

// The character of one byte.
QChar toUnicode(unsigned char byte);
// The characters of all 256 bytes, for loops over many bytes.
const char16_t *toUnicodeTable();

// The byte of a character; false when Windows-1250 has no byte for it.
bool fromUnicode(QChar ch, unsigned char *byte);

inline bool isRepresentable(QChar ch)
{
    unsigned char b;
    return fromUnicode(ch, &b);
}

// Replaces every character Windows-1250 cannot hold by "?" and drops NUL characters, so
// that what the editor shows is what a save writes.
QString sanitize(const QString &text);
// The same for any 8-bit set, through its character-to-byte table (0 = no byte, else byte + 1).
QString sanitizeThrough(const QString &text, const unsigned short *fromUni);

// Plain byte conversions without line-break handling. encode() writes "?" for characters
// without a byte.
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

} // namespace Cp1250
