// Conversion between the Czech character sets (Prevest, PrevestZnak).
#include "FuzzCheck.h"

#include "text/Konverze.h"

#include <QList>

#include <cstring>

namespace {

// Any bytes and any set numbers, valid or not: the text keeps its length, converts byte by
// byte, and the NUL-terminated form stops at the first NUL.
void anyBytes(unsigned char zdroj, unsigned char cil, const QByteArray &text)
{
    QByteArray converted = text;
    Prevest(zdroj, cil, converted.data(), size_t(converted.size()));
    FUZZ_CHECK(converted.size() == text.size());
    const bool valid = zdroj >= 1 && zdroj <= Konverze::PocetSad && cil >= 1 && cil <= Konverze::PocetSad;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto before = static_cast<unsigned char>(text[i]);
        const auto after = static_cast<unsigned char>(converted[i]);
        FUZZ_CHECK(after == PrevestZnak(zdroj, cil, before));
        if (before < 0x80 || !valid)
            FUZZ_CHECK(after == before);
    }

    QByteArray terminated = text + '\0' + text; // a second copy after the NUL stays as it is
    char *result = Prevest(zdroj, cil, terminated.data());
    FUZZ_CHECK(result == terminated.data());
    const qsizetype end =
        qsizetype(std::strlen(text.constData()) < size_t(text.size()) ? std::strlen(text.constData())
                                                                      : size_t(text.size()));
    FUZZ_CHECK(terminated.left(end) == converted.left(end));
    FUZZ_CHECK(terminated.mid(end) == (text + '\0' + text).mid(end));
}

// A text of ASCII and the thirty Czech letters of one set goes to any other of the four
// 8-bit sets and back without loss, each letter to the same letter of the target set; to
// ASCII every letter loses its diacritic and nothing above 0x7F is left.
void letters(int zdroj, int cil, const QByteArray &pattern)
{
    QByteArray text = pattern;
    QList<int> position(pattern.size(), 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80) {
            position[i] = 1 + b % Konverze::PocetZnaku;
            text[i] = char(KodZnaku(zdroj, position[i]));
        }
    }
    QByteArray there = text;
    Prevest(zdroj, cil, there.data(), size_t(there.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (position[i])
            FUZZ_CHECK(static_cast<unsigned char>(there[i]) == KodZnaku(cil, position[i]));
        else
            FUZZ_CHECK(there[i] == text[i]);
    }
    QByteArray back = there;
    Prevest(cil, zdroj, back.data(), size_t(back.size()));
    FUZZ_CHECK(back == text);

    QByteArray ascii = text;
    Prevest(zdroj, Konverze::Ascii, ascii.data(), size_t(ascii.size()));
    for (char c : ascii)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const unsigned char zdroj = in.byte(), cil = in.byte();
    const QByteArray text = in.rest();
    anyBytes(zdroj, cil, text);
    letters(1 + zdroj % 4, 1 + cil % 4, text);
    return 0;
}
