#include "text/T602.h"

namespace {

struct Mark
{
    QByteArrayView text;
    qsizetype removed; // bytes removed from the mark's first byte on
};

constexpr Mark kMarks[] = {
    {QByteArrayView("\x8D", 1), 1},
    {QByteArrayView("@LH", 3), 5},
    {QByteArrayView("\x13", 1), 1},
    {QByteArrayView("@HE", 3), 3},
};

void appendCleanLine(QByteArray &out, QByteArrayView line)
{
    // Marks are rare: only a line that holds one is copied and edited.
    QByteArray edited;
    bool changed = false;
    for (const Mark &mark : kMarks) {
        const QByteArrayView current = changed ? QByteArrayView(edited) : line;
        const qsizetype at = current.indexOf(mark.text);
        if (at < 0)
            continue;
        if (!changed) {
            edited = line.toByteArray();
            changed = true;
        }
        edited.remove(at, mark.removed); // remove() stops at the line's end
    }
    out.append(changed ? QByteArrayView(edited) : line);
}

} // namespace

namespace T602 {

bool IsDocument(QByteArrayView text)
{
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    int commands = 0;
    qsizetype start = 0;
    for (int line = 0; line < 5 && start < text.size(); ++line) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const QByteArrayView l = text.sliced(start, end - start);
        if (l.size() >= 3 && l[0] == '@' && letter(l[1]) && letter(l[2])
            && (l.size() == 3 || l[3] == ' ' || l[3] == '\t' || (l[3] >= '0' && l[3] <= '9')))
            ++commands;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return commands >= 2;
}

QByteArray cleanLine(QByteArrayView line)
{
    QByteArray out;
    appendCleanLine(out, line);
    return out;
}

QByteArray cleanText(QByteArrayView text, QByteArrayView lineBreak)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16 + lineBreak.size());
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        appendCleanLine(out, text.sliced(start, end - start));
        out.append(lineBreak);
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

} // namespace T602
