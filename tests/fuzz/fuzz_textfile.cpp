// File bytes to editor text and back (TextFile), and the line-break normaliser.
#include "FuzzCheck.h"

#include "editor/Cp1250.h"
#include "editor/TextFile.h"

#include <cstring>

namespace {

// Bytes as a file holds them.
void fileBytes(const QByteArray &bytes)
{
    const QString text = TextFile::fromFileBytes(bytes);

    qsizetype nuls = 0, crlf = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        nuls += bytes[i] == '\0';
        crlf += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    }
    // One character a byte, less the NULs and the LF of each CR LF.
    FUZZ_CHECK(text.size() == bytes.size() - nuls - crlf);
    FUZZ_CHECK(!text.contains(QLatin1Char('\r')));
    FUZZ_CHECK(!text.contains(QChar(0)));
    for (QChar c : text)
        FUZZ_CHECK(Cp1250::isRepresentable(c));
    FUZZ_CHECK(TextFile::normalizeBreaks(text) == text);

    // Written back, every break is CR LF and nothing else changes.
    const QByteArray written = TextFile::toFileBytes(text);
    FUZZ_CHECK(written.size() == text.size() + text.count(QLatin1Char('\n')));
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written[i] == '\r')
            FUZZ_CHECK(i + 1 < written.size() && written[i + 1] == '\n');
        if (written[i] == '\n')
            FUZZ_CHECK(i > 0 && written[i - 1] == '\r');
    }
    FUZZ_CHECK(TextFile::fromFileBytes(written) == text);
    FUZZ_CHECK(TextFile::toFileBytes(TextFile::fromFileBytes(written)) == written);
}

// The same bytes as UTF-16 text, as a paste or a search text brings it.
void anyText(const QByteArray &bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.constData(), size_t(text.size()) * 2);
    const QString normal = TextFile::normalizeBreaks(text);
    for (QChar c : normal)
        FUZZ_CHECK(c != QLatin1Char('\r') && c != QChar::ParagraphSeparator && c != QChar::LineSeparator);
    FUZZ_CHECK(normal.size() <= text.size());
    FUZZ_CHECK(normal.size() >= text.size() - text.count(QLatin1String("\r\n")));
    FUZZ_CHECK(TextFile::normalizeBreaks(normal) == normal);

    // Through a file: NULs go, characters without a byte read back as "?".
    QString expected;
    for (QChar c : normal) {
        if (c != QChar(0))
            expected += Cp1250::isRepresentable(c) ? c : QLatin1Char('?');
    }
    FUZZ_CHECK(TextFile::fromFileBytes(TextFile::toFileBytes(normal)) == expected);

    // What the editor keeps after sanitising writes and reads back unchanged.
    const QString kept = Cp1250::sanitize(normal);
    FUZZ_CHECK(kept.size() <= normal.size());
    FUZZ_CHECK(TextFile::fromFileBytes(TextFile::toFileBytes(kept)) == kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fileBytes(bytes);
    anyText(bytes);
    return 0;
}
