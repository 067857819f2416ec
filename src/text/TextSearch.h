#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Searching the editor's text (a QString with "\n" between lines; positions are string
// indexes). There is no wrap-around: a search never continues from the other end.
namespace TextSearch {

struct Options
{
    bool matchCase = false; // otherwise letters match by CaseRules::fold
    bool wholeWord = false; // a hit must have no word character right before or after it
};

// Letters, digits and the underscore make up words.
bool isWordChar(QChar c);

// The first hit that starts at or after from; -1 when there is none or needle is empty.
qsizetype findDown(QStringView text, QStringView needle, qsizetype from, const Options &options);

// The nearest hit that lies wholly before `before` (it ends at or before it); -1 when
// there is none or needle is empty.
qsizetype findUp(QStringView text, QStringView needle, qsizetype before, const Options &options);

// What Replace All does to a text: searching down from `from`, every hit is replaced and
// the search goes on after the inserted text, so inserted text is never searched again.
// With maxCount >= 0 the run stops after that many replacements.
struct ReplaceAllPlan
{
    QList<qsizetype> hits;              // hit starts in the old text, ascending
    qsizetype lastReplacementStart = 0; // in the new text

    int count() const { return int(hits.size()); }
};

ReplaceAllPlan planReplaceAll(QStringView text, QStringView needle, QStringView replacement, qsizetype from,
                              const Options &options, int maxCount = -1);

} // namespace TextSearch
