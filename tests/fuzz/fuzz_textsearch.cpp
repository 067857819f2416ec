// Find and Replace All (TextSearch) against a plain scan of the text.
#include "FuzzCheck.h"

#include "text/CaseRules.h"
#include "text/Cp1250.h"
#include "text/TextSearch.h"

namespace {

using TextSearch::Options;

bool matchesAt(QStringView text, qsizetype p, QStringView needle, const Options &options)
{
    if (p < 0 || p + needle.size() > text.size())
        return false;
    for (qsizetype k = 0; k < needle.size(); ++k) {
        const QChar a = text[p + k], b = needle[k];
        if (options.matchCase ? a != b : CaseRules::fold(a) != CaseRules::fold(b))
            return false;
    }
    if (!options.wholeWord)
        return true;
    const qsizetype end = p + needle.size();
    return (p == 0 || !TextSearch::isWordChar(text[p - 1]))
           && (end == text.size() || !TextSearch::isWordChar(text[end]));
}

qsizetype scanDown(QStringView text, QStringView needle, qsizetype from, const Options &options)
{
    if (needle.isEmpty())
        return -1;
    for (qsizetype p = qMax<qsizetype>(from, 0); p + needle.size() <= text.size(); ++p) {
        if (matchesAt(text, p, needle, options))
            return p;
    }
    return -1;
}

qsizetype scanUp(QStringView text, QStringView needle, qsizetype before, const Options &options)
{
    if (needle.isEmpty())
        return -1;
    for (qsizetype p = qMin(before, text.size()) - needle.size(); p >= 0; --p) {
        if (matchesAt(text, p, needle, options))
            return p;
    }
    return -1;
}

// The folds the search relies on: stable, the same for both cases, inside the character set.
void checkCase(QChar c)
{
    const QChar f = CaseRules::fold(c);
    FUZZ_CHECK(CaseRules::fold(f) == f);
    FUZZ_CHECK(CaseRules::fold(CaseRules::upper(c)) == f);
    FUZZ_CHECK(CaseRules::fold(CaseRules::lower(c)) == f);
    FUZZ_CHECK(Cp1250::isRepresentable(CaseRules::upper(c)));
    FUZZ_CHECK(Cp1250::isRepresentable(CaseRules::lower(c)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    Options options;
    options.matchCase = flags & 1;
    options.wholeWord = flags & 2;
    const int maxCount = flags & 4 ? int(in.byte() % 8) : -1;
    const int fromByte = in.byte();
    const QString needle = Cp1250::decode(in.bytes(in.byte() % 8));
    const QString replacement = Cp1250::decode(in.bytes(in.byte() % 8));
    const QString text = Cp1250::decode(in.rest());
    // Starts before, inside and after the text.
    const qsizetype from = flags & 8 ? text.size() - fromByte : qsizetype(fromByte) - 2;

    for (QChar c : text)
        checkCase(c);

    FUZZ_CHECK(TextSearch::findDown(text, needle, from, options) == scanDown(text, needle, from, options));
    FUZZ_CHECK(TextSearch::findUp(text, needle, from, options) == scanUp(text, needle, from, options));

    // Replace All is what repeated Find Next and Replace would do on the changing text:
    // each search goes on after the text just inserted.
    const TextSearch::ReplaceAllPlan plan =
        TextSearch::planReplaceAll(text, needle, replacement, from, options, maxCount);
    QString edited = text;
    qsizetype at = qBound<qsizetype>(0, from, text.size());
    qsizetype grown = 0;
    qsizetype lastStart = -1;
    QList<qsizetype> hits;
    while (maxCount < 0 || hits.size() < maxCount) {
        const qsizetype p = scanDown(edited, needle, at, options);
        if (p < 0)
            break;
        hits << p - grown;
        lastStart = p;
        edited.replace(p, needle.size(), replacement);
        grown += replacement.size() - needle.size();
        at = p + replacement.size();
    }
    FUZZ_CHECK(plan.hits == hits);
    if (!hits.isEmpty())
        FUZZ_CHECK(plan.lastReplacementStart == lastStart);
    for (qsizetype i = 1; i < plan.hits.size(); ++i)
        FUZZ_CHECK(plan.hits[i] >= plan.hits[i - 1] + needle.size());
    return 0;
}
