#include "text/TextEdits.h"

namespace {

// Lines without their breaks; a break at the very end starts no further line.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        lines.append(text.sliced(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

namespace TextEdits {

QList<Edit> lineEdits(QStringView oldText, QStringView newText)
{
    const QList<QStringView> oldLines = splitLines(oldText);
    const QList<QStringView> newLines = splitLines(newText);
    if (oldLines.size() != newLines.size())
        return {Edit{0, oldText.size(), newText}};
    QList<Edit> edits;
    for (qsizetype i = 0; i < oldLines.size(); ++i) {
        if (oldLines[i] != newLines[i]) {
            const qsizetype from = oldLines[i].data() - oldText.data();
            edits.append(Edit{from, oldLines[i].size(), newLines[i]});
        }
    }
    const bool oldEnds = oldText.endsWith(u'\n');
    const bool newEnds = newText.endsWith(u'\n');
    if (oldEnds != newEnds) {
        if (newEnds)
            edits.append(Edit{oldText.size(), 0, newText.last(1)});
        else
            edits.append(Edit{oldText.size() - 1, 1, QStringView()});
    }
    return edits;
}

QString appliedSpan(QStringView text, const QList<Edit> &edits, qsizetype *spanStart, qsizetype *spanLength)
{
    QString out;
    if (edits.isEmpty()) {
        *spanStart = *spanLength = 0;
        return out;
    }
    const qsizetype start = edits.first().from;
    const qsizetype end = edits.last().from + edits.last().length;
    qsizetype grow = 0;
    for (const Edit &e : edits)
        grow += e.text.size() - e.length;
    out.reserve(end - start + qMax<qsizetype>(grow, 0));
    qsizetype copied = start;
    for (const Edit &e : edits) {
        out.append(text.sliced(copied, e.from - copied));
        out.append(e.text);
        copied = e.from + e.length;
    }
    *spanStart = start;
    *spanLength = end - start;
    return out;
}

QString applied(QStringView text, const QList<Edit> &edits)
{
    qsizetype start = 0, length = 0;
    const QString span = appliedSpan(text, edits, &start, &length);
    QString out;
    out.reserve(text.size() - length + span.size());
    out.append(text.first(start)).append(span).append(text.sliced(start + length));
    return out;
}

bool preferOneSpan(QStringView text, const QList<Edit> &edits)
{
    if (edits.size() <= 1)
        return true;
    const qsizetype start = edits.first().from;
    const qsizetype end = edits.last().from + edits.last().length;
    const qsizetype lines = text.sliced(start, end - start).count(u'\n') + 1;
    // One edit costs the editor about as much as re-inserting one line: once most lines
    // change, one replacement is as quick and leaves less undo data.
    return edits.size() * 5 >= lines * 4;
}

} // namespace TextEdits
