#include "text/TextSearch.h"

#include "text/CaseRules.h"

#include <optional>

namespace {

using TextSearch::isWordChar;
using TextSearch::Options;

// The two characters that fold to the needle's first character, so the scan for
// candidates costs two comparisons a character.
struct FirstChar
{
    QChar a, b;

    explicit FirstChar(QChar c, bool matchCase)
    {
        if (matchCase) {
            a = b = c;
            return;
        }
        a = CaseRules::fold(c);
        b = CaseRules::upper(a);
        if (CaseRules::fold(b) != a)
            b = a;
    }
    bool matches(QChar c) const { return c == a || c == b; }
};

bool restMatches(QStringView text, qsizetype pos, QStringView needle, bool matchCase)
{
    if (matchCase)
        return text.sliced(pos + 1, needle.size() - 1) == needle.sliced(1);
    for (qsizetype k = 1; k < needle.size(); ++k) {
        if (CaseRules::fold(text[pos + k]) != CaseRules::fold(needle[k]))
            return false;
    }
    return true;
}

bool rightBoundaryOk(QStringView text, qsizetype end)
{
    return end >= text.size() || !isWordChar(text[end]);
}

// leftOfFrom: the character just before `from` as the caller sees the text (Replace All
// has replaced what lies before it); nullopt at the start of the text.
qsizetype findDownFrom(QStringView text, QStringView needle, qsizetype from, const Options &options,
                       std::optional<QChar> leftOfFrom)
{
    const qsizetype m = needle.size();
    const qsizetype n = text.size();
    if (m == 0 || from < 0 || from > n - m)
        return -1;
    const FirstChar first(needle[0], options.matchCase);
    const qsizetype last = n - m;
    for (qsizetype p = from; p <= last; ++p) {
        if (options.matchCase && !options.wholeWord) {
            p = text.indexOf(needle, p);
            return p <= last ? p : -1;
        }
        if (first.a == first.b) {
            p = text.indexOf(first.a, p); // vectorised scan for the candidate
            if (p < 0 || p > last)
                return -1;
        } else if (!first.matches(text[p])) {
            continue;
        }
        if (!restMatches(text, p, needle, options.matchCase))
            continue;
        if (options.wholeWord) {
            const std::optional<QChar> left = p == from ? leftOfFrom : std::optional<QChar>(text[p - 1]);
            if ((left && isWordChar(*left)) || !rightBoundaryOk(text, p + m))
                continue;
        }
        return p;
    }
    return -1;
}

} // namespace

namespace TextSearch {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

qsizetype findDown(QStringView text, QStringView needle, qsizetype from, const Options &options)
{
    from = qMax<qsizetype>(from, 0);
    const std::optional<QChar> left =
        from > 0 && from <= text.size() ? std::optional<QChar>(text[from - 1]) : std::nullopt;
    return findDownFrom(text, needle, from, options, left);
}

qsizetype findUp(QStringView text, QStringView needle, qsizetype before, const Options &options)
{
    const qsizetype m = needle.size();
    const qsizetype n = text.size();
    if (m == 0 || m > n)
        return -1;
    qsizetype p = qMin(before, n) - m;
    if (p < 0)
        return -1;
    const FirstChar first(needle[0], options.matchCase);
    for (; p >= 0; --p) {
        if (options.matchCase && !options.wholeWord)
            return text.lastIndexOf(needle, p);
        if (!first.matches(text[p]) || !restMatches(text, p, needle, options.matchCase))
            continue;
        if (options.wholeWord && ((p > 0 && isWordChar(text[p - 1])) || !rightBoundaryOk(text, p + m)))
            continue;
        return p;
    }
    return -1;
}

ReplaceAllPlan planReplaceAll(QStringView text, QStringView needle, QStringView replacement, qsizetype from,
                              const Options &options, int maxCount)
{
    ReplaceAllPlan plan;
    const qsizetype m = needle.size();
    from = qBound<qsizetype>(0, from, text.size());
    std::optional<QChar> left = from > 0 ? std::optional<QChar>(text[from - 1]) : std::nullopt;
    qsizetype grown = 0; // how much the replacements so far have lengthened the text
    while (maxCount < 0 || plan.hits.size() < maxCount) {
        const qsizetype p = findDownFrom(text, needle, from, options, left);
        if (p < 0)
            break;
        plan.lastReplacementStart = p + grown;
        grown += replacement.size() - m;
        plan.hits.append(p);
        // What now stands before the search's next start.
        if (!replacement.isEmpty())
            left = replacement.back();
        else if (p != from)
            left = text[p - 1];
        from = p + m;
    }
    return plan;
}

} // namespace TextSearch
