#include "text/CodePage.h"

#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QStringDecoder>

namespace {

// Kamenický (KEYBCS2), the Czech DOS code page: its own Czech and Slovak letters at 80-AB,
// then the box drawing, Greek and mathematical signs of code page 437. Bytes below 80 are
// ASCII, control characters included.
// clang-format off
constexpr char16_t kKamenicky[128] = {
    // 80: Č ü é ď ä Ď Ť č ě Ě Ĺ Í ľ ĺ Ä Á
    0x010C, 0x00FC, 0x00E9, 0x010F, 0x00E4, 0x010E, 0x0164, 0x010D,
    0x011B, 0x011A, 0x0139, 0x00CD, 0x013E, 0x013A, 0x00C4, 0x00C1,
    // 90: É ž Ž ô ö Ó ů Ú ý Ö Ü Š Ľ Ý Ř ť
    0x00C9, 0x017E, 0x017D, 0x00F4, 0x00F6, 0x00D3, 0x016F, 0x00DA,
    0x00FD, 0x00D6, 0x00DC, 0x0160, 0x013D, 0x00DD, 0x0158, 0x0165,
    // A0: á í ó ú ň Ň Ů Ô š ř ŕ Ŕ ¼ § « »
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x0148, 0x0147, 0x016E, 0x00D4,
    0x0161, 0x0159, 0x0155, 0x0154, 0x00BC, 0x00A7, 0x00AB, 0x00BB,
    // B0: ░ ▒ ▓ │ ┤ ╡ ╢ ╖ ╕ ╣ ║ ╗ ╝ ╜ ╛ ┐
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    // C0: └ ┴ ┬ ├ ─ ┼ ╞ ╟ ╚ ╔ ╩ ╦ ╠ ═ ╬ ╧
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    // D0: ╨ ╤ ╥ ╙ ╘ ╒ ╓ ╫ ╪ ┘ ┌ █ ▄ ▌ ▐ ▀
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // E0: α ß Γ π Σ σ µ τ Φ Θ Ω δ ∞ φ ε ∩
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    // F0: ≡ ± ≥ ≤ ⌠ ⌡ ÷ ≈ ° ∙ · √ ⁿ ² ■ no-break space
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};
// clang-format on

// Bytes a Qt codec leaves undefined although the code page has them: ICU's code page 852
// lacks AA, the "not" sign ¬.
char16_t knownGap(int set, int byte)
{
    if (set == Konverze::Latin2 && byte == 0xAA)
        return 0x00AC;
    return 0;
}

} // namespace

const CodePage &CodePage::Of(int set)
{
    // Each built only when a page of its set needs it.
    switch (set) {
    case Konverze::Kamenicky: {
        static const CodePage kamenicky(Konverze::Kamenicky);
        return kamenicky;
    }
    case Konverze::Latin2: {
        static const CodePage latin2(Konverze::Latin2);
        return latin2;
    }
    case Konverze::Iso8859_2: {
        static const CodePage iso(Konverze::Iso8859_2);
        return iso;
    }
    default: {
        static const CodePage windows(Konverze::Windows1250);
        return windows;
    }
    }
}

CodePage::CodePage(int set) : m_set(set)
{
    if (set == Konverze::Kamenicky) {
        for (int b = 0; b < 128; ++b)
            m_toUni[b] = char16_t(b);
        for (int b = 128; b < 256; ++b)
            m_toUni[b] = kKamenicky[b - 128];
    } else if (set == Konverze::Latin2 || set == Konverze::Iso8859_2) {
        const char *name = set == Konverze::Latin2 ? "IBM852" : "ISO-8859-2";
        for (int b = 0; b < 256; ++b) {
            // A decoder of its own for each byte: hasError() stays set once it is.
            QStringDecoder decoder(name);
            const char c = char(b);
            const QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            char16_t u = knownGap(set, b);
            if (!u && !decoder.hasError() && s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                u = s.at(0).unicode();
            // Without the codec, or for a byte it does not know, the byte stands for itself
            // as a C0/C1 control or ASCII (Latin 1 below A0), as Windows 1250's gaps do.
            if (!u && b < 0xA0)
                u = char16_t(b);
            if (!u)
                u = char16_t(0xF700 + b); // private use: still round-trips, never a real letter
            m_toUni[b] = u;
        }
    } else {
        const char16_t *table = Cp1250::toUnicodeTable();
        for (int b = 0; b < 256; ++b)
            m_toUni[b] = table[b];
    }
    for (int b = 0; b < 256; ++b)
        if (m_fromUni[m_toUni[b]] == 0)
            m_fromUni[m_toUni[b]] = static_cast<unsigned short>(b + 1);
}

bool CodePage::FromUnicode(QChar ch, unsigned char *byte) const
{
    const unsigned short v = m_fromUni[ch.unicode()];
    if (v == 0)
        return false;
    *byte = static_cast<unsigned char>(v - 1);
    return true;
}

QString CodePage::Decode(QByteArrayView bytes) const
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(m_toUni[static_cast<unsigned char>(bytes[i])]);
    return out;
}

QByteArray CodePage::Encode(QStringView text) const
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    const char16_t *p = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const unsigned short v = m_fromUni[p[i]];
        d[i] = v ? char(v - 1) : '?';
    }
    return out;
}

QString CodePage::Sanitize(const QString &text) const
{
    return Cp1250::sanitizeThrough(text, m_fromUni.data());
}
