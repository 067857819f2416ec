// The readers of settings values (TSettingsCodec): whatever text the settings file holds,
// they give a value the writers turn back into the same value.
#include "FuzzCheck.h"

#include "settings/store/TSettingsCodec.h"

#include <QPalette>

#include <optional>

namespace {

using Codec = TSettingsCodec;

// A second reading of the integer rule: optional sign, then decimal digits, or "$" / "0x"
// and hexadecimal digits covering the whole 32-bit pattern.
std::optional<qint32> referenceInteger(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt; // too large for either form; stops the sum from overflowing
    }
    if (base == 16)
        return qint32(negative ? 0u - quint32(magnitude) : quint32(magnitude));
    if (magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return std::nullopt;
    return qint32(negative ? -qint64(magnitude) : qint64(magnitude));
}

void text(const QString &s)
{
    const QString trimmed = Codec::Trim(s);
    FUZZ_CHECK(Codec::Trim(trimmed) == trimmed);
    FUZZ_CHECK(trimmed.isEmpty() || (trimmed.front().unicode() > ' ' && trimmed.back().unicode() > ' '));
    FUZZ_CHECK(s.contains(trimmed));

    const std::optional<qint32> integer = Codec::ParseInteger(s);
    FUZZ_CHECK(integer == referenceInteger(s));
    FUZZ_CHECK(Codec::DecodeInteger(s) == integer.value_or(0));
    if (integer)
        FUZZ_CHECK(Codec::ParseInteger(Codec::EncodeInteger(*integer)) == integer);

    if (const std::optional<bool> truth = Codec::DecodeTruth(s))
        FUZZ_CHECK(Codec::EncodeTruth(*truth).compare(s, Qt::CaseInsensitive) == 0);
    else
        FUZZ_CHECK(s.compare(QLatin1String("true"), Qt::CaseInsensitive) != 0
                   && s.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0);

    for (const QStringList *ids :
         {&Codec::TabPositionIds(), &Codec::FontPitchIds(), &Codec::FontStyleIds()}) {
        if (const std::optional<int> value = Codec::DecodeEnum(s, *ids)) {
            FUZZ_CHECK(*value >= 0 && *value < ids->size());
            FUZZ_CHECK(Codec::DecodeEnum(Codec::EncodeEnum(*value, *ids), *ids) == value);
        }
        const quint32 members = Codec::DecodeSet(s, *ids);
        FUZZ_CHECK((members >> ids->size()) == 0);
        FUZZ_CHECK(Codec::DecodeSet(Codec::EncodeSet(members, *ids), *ids) == members);
    }

    for (int count : {0, 1, 4, 7}) {
        const QList<std::optional<int>> numbers = Codec::DecodeNumbers(s, count);
        FUZZ_CHECK(numbers.size() == count);
        QList<int> present;
        for (const std::optional<int> &n : numbers) {
            if (!n)
                break;
            present << *n;
        }
        // The numbers read so far are written and read again unchanged.
        const QList<std::optional<int>> again =
            Codec::DecodeNumbers(Codec::EncodeNumbers(present), int(present.size()));
        FUZZ_CHECK(again.size() == present.size());
        for (qsizetype i = 0; i < present.size(); ++i)
            FUZZ_CHECK(again[i] == present[i]);
    }
}

void numbers(FuzzInput &in)
{
    const auto value = qint32(in.word());
    FUZZ_CHECK(Codec::ParseInteger(Codec::EncodeInteger(value)) == value);
    FUZZ_CHECK(Codec::ParseInteger(QLatin1Char('$') + QString::number(quint32(value), 16)) == value);
    FUZZ_CHECK(Codec::ParseInteger(QLatin1String("0X") + QString::number(quint32(value), 16).toUpper())
               == value);

    // MulDiv rounds half away from zero; where the exact result fits, it is that result.
    const auto a = qint32(in.word()), b = qint32(in.word()), c = qint32(in.word());
    const int result = Codec::MulDiv(a, b, c);
    if (c == 0) {
        FUZZ_CHECK(result == -1);
    } else {
        const __int128 product = __int128(a) * b;
        const __int128 absProduct = product < 0 ? -product : product;
        const __int128 absC = c < 0 ? -__int128(c) : __int128(c);
        const __int128 rounded = (absProduct + absC / 2) / absC;
        const __int128 exact = (product < 0) != (c < 0) ? -rounded : rounded;
        if (exact >= INT32_MIN && exact <= INT32_MAX)
            FUZZ_CHECK(result == int(exact));
    }

    // A font size survives the way through a height at any resolution of 72 dpi or more.
    const int points = 1 + int(in.word() % 4096);
    const int dpi = 72 + int(in.word() % 1000);
    const int height = Codec::FontHeightFromSize(points, dpi);
    FUZZ_CHECK(height < 0);
    FUZZ_CHECK(Codec::FontSizeFromHeight(height, dpi) == points);

    // Plain colours keep their 24 bits; system colours come from the palette.
    const auto color = qint32(in.word());
    const QPalette palette(Qt::darkCyan, Qt::white);
    const QColor shown = Codec::ColorFromTColor(color, palette);
    FUZZ_CHECK(shown.isValid());
    if (!Codec::IsSystemColor(color))
        FUZZ_CHECK(Codec::TColorFromColor(shown) == (color & 0xFFFFFF));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    numbers(in);
    // The text both as UTF-8, as the settings file holds it, and byte for byte.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    text(QString::fromUtf8(bytes));
    text(QString::fromLatin1(bytes));
    return 0;
}
