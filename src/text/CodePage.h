#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <array>

// One Czech 8-bit character set as a page holds it: a full table of all 256 bytes, each one
// UTF-16 unit, and the way back. Sets are named by their conversion numbers
// (Konverze::Windows1250, Kamenicky, Latin2, Iso8859_2).
//
// Windows 1250 is Cp1250's table; Latin 2 (code page 852) and ISO 8859-2 are read through
// Qt's codecs, Kamenický (which Qt lacks) is a table of this program's own. Every byte of
// these three sets is defined, so each round-trips exactly; a character a set lacks has no
// byte and is written as "?".
class CodePage
{
public:
    // The table of a set, built when first asked for; any number but the four gives
    // Windows 1250.
    static const CodePage &Of(int set);

    int Set() const { return m_set; }
    QChar ToUnicode(unsigned char byte) const { return QChar(m_toUni[byte]); }
    const char16_t *ToUnicodeTable() const { return m_toUni.data(); }
    // The byte of a character; false when the set has none for it.
    bool FromUnicode(QChar ch, unsigned char *byte) const;
    bool Holds(QChar ch) const { return m_fromUni[ch.unicode()] != 0; }

    // Plain conversions, byte for unit, no line-break handling; Encode writes "?" for a
    // character without a byte.
    QString Decode(QByteArrayView bytes) const;
    QByteArray Encode(QStringView text) const;
    // Every character the set lacks becomes "?" (a surrogate pair one "?"); NULs are dropped.
    QString Sanitize(const QString &text) const;

private:
    explicit CodePage(int set);

    int m_set;
    std::array<char16_t, 256> m_toUni{};
    // Byte + 1 for each UTF-16 unit, 0 where the set has no byte.
    std::array<unsigned short, 65536> m_fromUni{};
};
