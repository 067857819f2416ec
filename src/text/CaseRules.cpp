#include "text/CaseRules.h"

#include "text/Cp1250.h"

#include <array>

namespace {

// Every cased character of Windows-1250 lies below U+0180; above it the set holds only
// punctuation and caseless accents, which map to themselves.
constexpr char16_t kTableSize = 0x180;

struct Tables
{
    std::array<char16_t, kTableSize> upper{};
    std::array<char16_t, kTableSize> lower{};
    std::array<bool, kTableSize> inverted{}; // in the inversion's list of small letters
};

char16_t mapped(QChar c, QChar other)
{
    if (other != c && Cp1250::isRepresentable(c) && Cp1250::isRepresentable(other))
        return other.unicode();
    return c.unicode();
}

const Tables &tables()
{
    static const Tables t = [] {
        Tables t;
        for (char16_t u = 0; u < kTableSize; ++u) {
            const QChar c(u);
            t.upper[u] = mapped(c, c.toUpper());
            t.lower[u] = mapped(c, c.toLower());
        }
        for (QChar c : CaseRules::inversionLetters())
            t.inverted[c.unicode()] = true;
        return t;
    }();
    return t;
}

template <typename Map> QString mapText(QStringView text, Map map)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = map(text[i]);
    return result;
}

} // namespace

namespace CaseRules {

QChar upper(QChar c)
{
    return c.unicode() < kTableSize ? QChar(tables().upper[c.unicode()]) : c;
}

QChar lower(QChar c)
{
    return c.unicode() < kTableSize ? QChar(tables().lower[c.unicode()]) : c;
}

QChar fold(QChar c)
{
    return lower(c);
}

QString toUpper(QStringView text)
{
    return mapText(text, upper);
}

QString toLower(QStringView text)
{
    return mapText(text, lower);
}

QStringView inversionLetters()
{
    return u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž";
}

QString invert(QStringView text)
{
    const Tables &t = tables();
    return mapText(text, [&t](QChar c) {
        const char16_t u = c.unicode();
        if (u >= kTableSize)
            return c;
        return QChar(t.inverted[u] ? t.upper[u] : t.lower[u]);
    });
}

} // namespace CaseRules
