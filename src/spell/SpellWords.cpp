#include "spell/SpellWords.h"

namespace SpellWords {

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

namespace {

bool isInner(QStringView text, qsizetype i, const QString &innerChars)
{
    return i > 0 && i + 1 < text.size() && !innerChars.isEmpty() && innerChars.contains(text[i])
           && IsWordChar(text[i - 1]) && IsWordChar(text[i + 1]);
}

} // namespace

bool NextWord(QStringView text, qsizetype from, const QString &innerChars, qsizetype *start, qsizetype *end)
{
    qsizetype i = qMax<qsizetype>(0, from);
    const qsizetype n = text.size();
    while (i < n && !IsWordChar(text[i]))
        ++i;
    if (i >= n)
        return false;
    *start = i;
    while (i < n && (IsWordChar(text[i]) || isInner(text, i, innerChars)))
        ++i;
    *end = i;
    return true;
}

qsizetype WordStart(QStringView text, qsizetype pos, const QString &innerChars)
{
    pos = qBound<qsizetype>(0, pos, text.size());
    while (pos > 0 && (IsWordChar(text[pos - 1]) || isInner(text, pos - 1, innerChars)))
        --pos;
    return pos;
}

bool HasLetter(QStringView word)
{
    for (const QChar c : word)
        if (c.isLetter())
            return true;
    return false;
}

bool IsAllCaps(QStringView word)
{
    bool letter = false;
    for (const QChar c : word) {
        if (!c.isLetter())
            continue;
        if (c.isLower() || c.isTitleCase())
            return false;
        letter = true;
    }
    return letter;
}

bool MixesDigits(QStringView word)
{
    bool digit = false, letter = false;
    for (const QChar c : word) {
        digit = digit || c.isDigit();
        letter = letter || c.isLetter();
    }
    return digit && letter;
}

namespace {

int romanValue(char16_t c)
{
    switch (c) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

} // namespace

bool IsRomanNumeral(QStringView word)
{
    if (word.isEmpty() || word.size() > 20)
        return false;
    const bool upper = word.front().isUpper();
    QString canon;
    for (const QChar c : word) {
        if (c.isUpper() != upper)
            return false;
        const char16_t u = c.toUpper().unicode();
        if (romanValue(u) == 0)
            return false;
        canon.append(QChar(u));
    }
    // Well-formed means: the value's own spelling in the usual subtractive form.
    int value = 0;
    for (qsizetype i = 0; i < canon.size(); ++i) {
        const int v = romanValue(canon[i].unicode());
        const int next = i + 1 < canon.size() ? romanValue(canon[i + 1].unicode()) : 0;
        value += v < next ? -v : v;
    }
    if (value <= 0 || value >= 4000)
        return false;
    static const struct
    {
        int value;
        const char *text;
    } parts[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                 {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    QString spelled;
    for (const auto &p : parts)
        for (; value >= p.value; value -= p.value)
            spelled.append(QLatin1String(p.text));
    return spelled == canon;
}

} // namespace SpellWords
