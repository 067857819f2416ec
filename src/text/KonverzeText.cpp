#include "text/KonverzeText.h"

#include "text/CodePage.h"
#include "text/Konverze.h"

namespace KonverzeText {

Map::Map(int source, int target, int pageSet)
{
    // The 256 bytes first, then every unit through its byte.
    std::array<unsigned char, 256> bytes{};
    for (int b = 0; b < 256; ++b)
        bytes[b] = static_cast<unsigned char>(b);
    Prevest(static_cast<unsigned char>(source), static_cast<unsigned char>(target),
            reinterpret_cast<char *>(bytes.data()), bytes.size());
    const CodePage &page = CodePage::Of(pageSet);
    const char16_t *toUnicode = page.ToUnicodeTable();
    auto units = std::make_shared<std::array<char16_t, 65536>>();
    for (int u = 0; u < 65536; ++u) {
        unsigned char byte;
        (*units)[u] = page.FromUnicode(QChar(char16_t(u)), &byte) ? toUnicode[bytes[byte]] : u'?';
    }
    m_units = std::move(units);
}

QString Map::converted(QStringView text) const
{
    QString out(text.size(), Qt::Uninitialized);
    const char16_t *in = text.utf16();
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const char16_t *units = table();
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = units[in[i]];
    return out;
}

QList<TextEdits::Edit> LineEdits(QStringView text, const Map &map, QString *storage)
{
    QList<TextEdits::Edit> edits;
    const char16_t *p = text.utf16();
    const char16_t *units = map.table();
    const qsizetype n = text.size();
    // Sized whole at once and never resized: the edits point into it.
    storage->resize(n + 1);
    char16_t *out = reinterpret_cast<char16_t *>(storage->data());
    qsizetype used = 0;
    for (qsizetype lineStart = 0; lineStart <= n;) {
        qsizetype end = lineStart;
        char16_t changes = 0; // without a branch per character
        for (; end < n; ++end) {
            const char16_t c = p[end];
            if (c == u'\n' || c == u'\x2029')
                break;
            changes |= char16_t(units[c] ^ c);
        }
        if (changes) {
            // The whole line, not just its changed span: the document then has no piece
            // left on either side to keep, which measured a little quicker.
            const qsizetype length = end - lineStart;
            for (qsizetype k = 0; k < length; ++k)
                out[used + k] = units[p[lineStart + k]];
            edits.append(TextEdits::Edit{lineStart, length, QStringView(out + used, length)});
            used += length;
        }
        lineStart = end + 1;
    }
    if (n > 0 && p[n - 1] != u'\n' && p[n - 1] != u'\x2029') {
        out[used] = u'\n';
        edits.append(TextEdits::Edit{n, 0, QStringView(out + used, 1)});
    }
    return edits;
}

} // namespace KonverzeText
