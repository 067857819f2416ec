#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Edits of a text given as replaced ranges, so that a command that rewrites a few places of
// a long text touches only those places.
namespace TextEdits {

struct Edit
{
    qsizetype from = 0;   // in the text before any of the edits
    qsizetype length = 0; // characters replaced
    QStringView text;     // what takes their place (the caller keeps it alive)
};

// The edits that turn oldText into newText line by line: one edit for each line ("\n"
// separated) that differs, and one that adds the final line break newText has and oldText
// lacks. Both texts must have the same lines; otherwise one edit replaces everything.
QList<Edit> lineEdits(QStringView oldText, QStringView newText);

// The text with the edits (ascending, not overlapping) applied.
QString applied(QStringView text, const QList<Edit> &edits);

// The part of the text from the first edit's start to the last edit's end, with the edits
// applied: the one replacement that does all of them.
QString appliedSpan(QStringView text, const QList<Edit> &edits, qsizetype *spanStart, qsizetype *spanLength);

// Whether replacing the whole span at once is cheaper than the single edits. The editor
// pays mostly per line it re-inserts and per edit it makes.
bool preferOneSpan(QStringView text, const QList<Edit> &edits);

} // namespace TextEdits
