#include "text/CzechSets.h"

#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QCoreApplication>

#include <enca.h>

#include <array>
#include <cstring>

namespace CzechSets {
namespace {

bool hasHighByte(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// Š Ť Ž š ť ž are 8A 8D 8E 9A 9D 9E in Windows 1250 and A9 AB AE B9 BB BE in ISO 8859-2;
// every other Czech letter has the same byte in both. A text with none of the former and
// some of the latter cannot be Windows 1250 with these letters.
bool readsAsIso8859_2(QByteArrayView bytes)
{
    std::array<unsigned char, 256> kind{};
    for (const unsigned char b : {0x8A, 0x8D, 0x8E, 0x9A, 0x9D, 0x9E})
        kind[b] = 1;
    for (const unsigned char b : {0xA9, 0xAE, 0xB9, 0xBE})
        kind[b] = 2;
    bool isoLetter = false;
    for (const char c : bytes) {
        const unsigned char k = kind[static_cast<unsigned char>(c)];
        if (k == 1)
            return false;
        if (k == 2)
            isoLetter = true;
    }
    return isoLetter;
}

// enca's own names of the sets it knows for Czech, mapped to the conversion's numbers.
int setOfEncaName(const char *name)
{
    if (!name)
        return 0;
    static const struct
    {
        const char *enca;
        int set;
    } names[] = {
        {"CP1250", Konverze::Windows1250},
        {"IBM852", Konverze::Latin2},        // code page 852, "PC (DOS) Latin 2"
        {"ISO-8859-2", Konverze::Iso8859_2}, // enca's "ISO Latin 2"
        {"KEYBCS2", Konverze::Kamenicky},
    };
    for (const auto &n : names)
        if (std::strcmp(n.enca, name) == 0)
            return n.set;
    return 0; // Macintosh, KOI8-CS2, Cork and anything else: not offered
}

} // namespace

QByteArray Sample(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    if (size <= HeadBytes + SampleCount * SampleBytes)
        return bytes.toByteArray();
    QByteArray sample;
    sample.reserve(HeadBytes + SampleCount * SampleBytes);
    sample.append(bytes.first(HeadBytes));
    // Samples spread evenly over the rest, the last one ending at the text's end.
    const qsizetype rest = size - HeadBytes;
    for (int i = 1; i <= SampleCount; ++i) {
        const qsizetype end = HeadBytes + rest * i / SampleCount;
        sample.append(bytes.sliced(end - SampleBytes, SampleBytes));
    }
    return sample;
}

int Guess(QByteArrayView bytes)
{
    if (!hasHighByte(bytes))
        return 0;
    const QByteArray sample = Sample(bytes);
    EncaAnalyser analyser = enca_analyser_alloc("cs");
    if (!analyser)
        return 0;
    enca_set_multibyte(analyser, 0); // UTF-8 was ruled out before; only the 8-bit sets remain
    const EncaEncoding found = enca_analyse_const(
        analyser, reinterpret_cast<const unsigned char *>(sample.constData()), size_t(sample.size()));
    const int set = enca_charset_is_known(found.charset)
                        ? setOfEncaName(enca_charset_name(found.charset, ENCA_NAME_STYLE_ENCA))
                        : 0;
    enca_analyser_free(analyser);
    if (set == Konverze::Iso8859_2 && !readsAsIso8859_2(bytes))
        return 0;
    return set;
}

QString ToWindows1250(const QString &text, int set)
{
    QByteArray bytes = Cp1250::encode(text);
    Prevest(static_cast<unsigned char>(set), Konverze::Windows1250, bytes.data(), std::size_t(bytes.size()));
    return Cp1250::decode(bytes);
}

QString Name(int set)
{
    // The conversion dialog's list items, in their translation context.
    switch (set) {
    case Konverze::Windows1250:
        return QCoreApplication::translate("TfrmKonverze", "Windows 1250");
    case Konverze::Kamenicky:
        return QCoreApplication::translate("TfrmKonverze", "Kamenický");
    case Konverze::Latin2:
        return QCoreApplication::translate("TfrmKonverze", "Latin 2");
    case Konverze::Iso8859_2:
        return QCoreApplication::translate("TfrmKonverze", "ISO 8859-2");
    default:
        return {};
    }
}

} // namespace CzechSets
