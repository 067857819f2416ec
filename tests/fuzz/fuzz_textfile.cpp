// File bytes to editor text and back (TextFile), and the line-break normaliser.
#include "FuzzCheck.h"

#include "text/Cp1250.h"
#include "text/TextFile.h"

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

// The file as the editor takes it in: pieces of any size, each decoded on its own, join to
// the whole decoded text, and the length is counted right without decoding.
void inPieces(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const qsizetype size = 1 + static_cast<unsigned char>(bytes[0]) % 16;
    TextFile::Decoded whole;
    try {
        whole = TextFile::decode(bytes, QStringLiteral("f"));
    } catch (...) {
        return; // a UTF-16 or UTF-32 byte-order mark: refused either way
    }
    TextFile::Opened opened = TextFile::prepare(bytes, QStringLiteral("f"));
    FUZZ_CHECK(opened.format == whole.format);
    FUZZ_CHECK(!opened.text.Exceeds(whole.text.size()));
    FUZZ_CHECK(whole.text.isEmpty() || opened.text.Exceeds(whole.text.size() - 1));
    QString joined = opened.text.Next(size);
    while (!opened.text.AtEnd()) {
        const QString piece = opened.text.Next(size);
        // Only a line longer than a piece and its slack (16 KB at least) is cut inside it.
        FUZZ_CHECK(piece.startsWith(QLatin1Char('\n')) || bytes.size() > 16 * 1024);
        joined += piece;
    }
    FUZZ_CHECK(joined == whole.text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fileBytes(bytes);
    anyText(bytes);
    inPieces(bytes);
    return 0;
}
