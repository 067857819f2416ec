// T602 clean-up of a document opened as text: marks go, nothing else does.
#include "FuzzCheck.h"

#include "text/T602.h"

#include <QList>

namespace {

bool isSubsequence(QByteArrayView part, QByteArrayView whole)
{
    qsizetype j = 0;
    for (qsizetype i = 0; i < whole.size() && j < part.size(); ++i)
        j += whole[i] == part[j];
    return j == part.size();
}

bool hasMark(QByteArrayView line)
{
    return line.contains('\x8D') || line.contains('\x13') || line.contains(QByteArrayView("@LH"))
           || line.contains(QByteArrayView("@HE"));
}

// The lines of a text: CR, LF or CR LF end a line; a final break starts no further line.
QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines << text.sliced(start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.sliced(start);
    return lines;
}

void checkLine(QByteArrayView line, const QByteArray &clean)
{
    // At most the four marks (with the two bytes after "@LH") go, and only bytes go.
    FUZZ_CHECK(clean.size() <= line.size());
    FUZZ_CHECK(clean.size() >= line.size() - 10);
    FUZZ_CHECK(isSubsequence(clean, line));
    FUZZ_CHECK(hasMark(line) == (clean != line));
    if (line.contains('\x8D'))
        FUZZ_CHECK(clean.count('\x8D') < line.count('\x8D'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QByteArrayView lineBreak = in.byte() & 1 ? QByteArrayView("\n") : QByteArrayView("\r\n");
    const QByteArray text = in.rest();

    const QByteArray cleaned = T602::cleanText(text, lineBreak);
    const QList<QByteArrayView> lines = splitLines(text);
    QByteArray expected;
    for (QByteArrayView line : lines) {
        const QByteArray clean = T602::cleanLine(line);
        checkLine(line, clean);
        expected += clean;
        expected += lineBreak;
    }
    // The text is its lines, each cleaned on its own and ended by the break.
    FUZZ_CHECK(cleaned == expected);
    FUZZ_CHECK(text.isEmpty() == cleaned.isEmpty());
    FUZZ_CHECK(splitLines(cleaned).size() == lines.size());
    return 0;
}
