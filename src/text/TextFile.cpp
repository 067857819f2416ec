#include "text/TextFile.h"

#include "common/SafeFile.h"
#include "common/TErrorText.h"
#include "common/TFileErrors.h"
#include "text/CodePage.h"
#include "text/Cp1250.h"
#include "text/CzechSets.h"
#include "text/Konverze.h"
#include "text/T602.h"

#include <cerrno>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace TextFile {

namespace {
// The standard texts followed by the system's reason (errno right after the failing call).
[[noreturn]] void cannotCreate(const QString &fileName, int error)
{
    const QString text = QCoreApplication::translate("TextFile", "Cannot create file %1").arg(fileName);
    throw TError(FileErrors::WithReason(text, error, FileErrors::Access::Write));
}

// The 8-bit encodings and the conversion's numbers of their sets.
struct EncodingSet
{
    Encoding encoding;
    int set;
};
constexpr EncodingSet EncodingSets[] = {{Encoding::Windows1250, Konverze::Windows1250},
                                        {Encoding::Kamenicky, Konverze::Kamenicky},
                                        {Encoding::Latin2, Konverze::Latin2},
                                        {Encoding::Iso8859_2, Konverze::Iso8859_2}};
} // namespace

int setOf(Encoding encoding)
{
    for (const EncodingSet &e : EncodingSets)
        if (e.encoding == encoding)
            return e.set;
    return 0; // UTF-8 has none
}

Encoding encodingOfSet(int set)
{
    for (const EncodingSet &e : EncodingSets)
        if (e.set == set)
            return e.encoding;
    return Encoding::Windows1250;
}

QString fromFileBytes(QByteArrayView bytes, Encoding encoding)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    qsizetype o = 0;
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    const char16_t *table = encoding == Encoding::Windows1250 || encoding == Encoding::Utf8
                                ? Cp1250::toUnicodeTable()
                                : CodePage::Of(setOf(encoding)).ToUnicodeTable();
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b == '\r') {
            d[o++] = QLatin1Char('\n');
            if (i + 1 < n && p[i + 1] == '\n')
                ++i;
        } else if (b != 0) {
            d[o++] = QChar(table[b]);
        }
    }
    out.truncate(o);
    return out;
}

QString normalizeBreaks(const QString &text)
{
    // One rule for every separator: CR (with a following LF), U+2029 and U+2028 each
    // become one "\n", whichever of them the text holds.
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QChar::ParagraphSeparator)
        && !text.contains(QChar::LineSeparator))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out.append(QLatin1Char('\n'));
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out.append(QLatin1Char('\n'));
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray toFileBytes(const QString &text, bool lfOnly, Encoding encoding)
{
    const CodePage *set = encoding == Encoding::Windows1250 || encoding == Encoding::Utf8
                              ? nullptr
                              : &CodePage::Of(setOf(encoding));
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    const QChar *p = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            if (lfOnly)
                out.append('\n');
            else
                out.append("\r\n", 2);
        } else {
            unsigned char b;
            const bool held = set ? set->FromUnicode(c, &b) : Cp1250::fromUnicode(c, &b);
            out.append(held ? char(b) : '?');
        }
    }
    return out;
}

namespace {
QString tooLargeText(const QString &fileName)
{
    return QCoreApplication::translate("TextFile", "Soubor %1 je příliš velký: editor pojme nejvýše "
                                                   "16 777 215 znaků.")
        .arg(fileName);
}

// The name of a byte-order mark that only an encoding of 16 or 32 bits has; empty for none.
QString wideByteOrderMark(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4))
        || bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)))
        return QStringLiteral("UTF-32");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16");
    return {};
}

void refuseWide(const QByteArray &bytes, const QString &fileName)
{
    const QString wide = wideByteOrderMark(bytes);
    if (!wide.isEmpty())
        throw TError(QCoreApplication::translate("TextFile",
                                                 "Soubor %1 je v kódování %2. Editor otevírá jen "
                                                 "texty v kódování Windows 1250, UTF-8, Kamenický, "
                                                 "Latin 2 a ISO 8859-2; přečten jako 8bitový text "
                                                 "by se uložením zničil.")
                         .arg(fileName, wide));
}

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// One pass over strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF):
// false at the first invalid or cut-off sequence. With Store, decodes into `d` with the
// line-break rule of fromFileBytes; without, only checks (and skips plain ASCII eight bytes
// at a time) and counts in `written` the UTF-16 units before NULs and CR LF pairs are taken
// out. `multiByte` tells whether any sequence was longer than one byte.
template <bool Store> bool utf8Pass(QByteArrayView bytes, char16_t *d, qsizetype *written, bool *multiByte)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const unsigned char *const end = p + bytes.size();
    qsizetype o = 0;
    bool multi = false;
    const auto tail = [](unsigned c) { return (c & 0xC0) == 0x80; };
    while (p < end) {
        if constexpr (!Store) {
            quint64 word;
            while (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ULL) == 0)) {
                p += 8;
                o += 8;
            }
            if (p == end)
                break;
        }
        const unsigned b = *p;
        if (b < 0x80) {
            ++p;
            if constexpr (Store) {
                if (b > '\r') {
                    d[o++] = char16_t(b);
                } else if (b == '\n') {
                    d[o++] = u'\n';
                } else if (b == '\r') {
                    d[o++] = u'\n';
                    if (p < end && *p == '\n')
                        ++p;
                } else if (b != 0) {
                    d[o++] = char16_t(b);
                }
            } else {
                ++o;
            }
            continue;
        }
        multi = true;
        const qsizetype left = end - p;
        if (b >= 0xC2 && b <= 0xDF) {
            if (left < 2 || !tail(p[1]))
                return false;
            if constexpr (Store)
                d[o] = char16_t(((b & 0x1F) << 6) | (p[1] & 0x3F));
            ++o;
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (left < 3)
                return false;
            const unsigned c1 = p[1], c2 = p[2];
            const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
            if (c1 < lo || c1 > hi || !tail(c2))
                return false;
            if constexpr (Store)
                d[o] = char16_t(((b & 0x0F) << 12) | ((c1 & 0x3F) << 6) | (c2 & 0x3F));
            ++o;
            p += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (left < 4)
                return false;
            const unsigned c1 = p[1], c2 = p[2], c3 = p[3];
            const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
            if (c1 < lo || c1 > hi || !tail(c2) || !tail(c3))
                return false;
            if constexpr (Store) {
                const char32_t cp =
                    ((b & 0x07) << 18) | ((c1 & 0x3F) << 12) | ((c2 & 0x3F) << 6) | (c3 & 0x3F);
                d[o] = QChar::highSurrogate(cp);
                d[o + 1] = QChar::lowSurrogate(cp);
            }
            o += 2;
            p += 4;
        } else {
            return false;
        }
    }
    *written = o;
    *multiByte = multi;
    return true;
}

// Decodes valid UTF-8 bytes (checked before) for the editor.
QString fromUtf8Bytes(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized); // never more UTF-16 units than bytes
    qsizetype written = 0;
    bool multi = false;
    if (!utf8Pass<true>(bytes, reinterpret_cast<char16_t *>(out.data()), &written, &multi))
        return QString::fromUtf8(bytes); // not reached for checked bytes; never garbage anyway
    out.truncate(written);
    return out;
}

// `units`: the UTF-16 units the bytes give before NULs and CR LF pairs are taken out.
bool isValidUtf8(QByteArrayView bytes, bool *multiByte, qsizetype *units)
{
    return utf8Pass<false>(bytes, nullptr, units, multiByte);
}

// The characters lost in the editor: NUL bytes and the LF of each CR LF. Fast where there
// are few of either.
qsizetype droppedCount(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    qsizetype dropped = 0;
    for (const char *c = p; (c = static_cast<const char *>(std::memchr(c, '\r', size_t(end - c)))); ++c)
        dropped += c + 1 < end && c[1] == '\n' ? 1 : 0;
    for (const char *c = p; (c = static_cast<const char *>(std::memchr(c, 0, size_t(end - c)))); ++c)
        ++dropped;
    return dropped;
}

bool lfOnlyBreaks(QByteArrayView bytes)
{
    return !bytes.contains('\r') && bytes.contains('\n');
}

// How far past `size` a piece may run to end its last line. A longer line is cut: a
// text of one 10 MB line would otherwise come in as one piece, and the editor would lay
// all of it out before the window could answer.
qsizetype longLineLimit(qsizetype from, qsizetype size)
{
    return from + size + qMax<qsizetype>(size, 16 * 1024);
}

// Where a piece of about `size` bytes from `from` ends: just before the next line break
// (CR, LF or CR LF, never between the CR and LF of a pair), or at the end. The piece's own
// leading break is passed over. Break bytes are ASCII, so a piece never ends inside a UTF-8
// sequence either. A line running past longLineLimit is cut at `size`, outside a CR LF pair
// and a UTF-8 sequence.
qsizetype byteSliceEnd(QByteArrayView bytes, qsizetype from, qsizetype size, bool utf8)
{
    const qsizetype n = bytes.size();
    if (n - from <= size)
        return n;
    const char *p = bytes.data();
    qsizetype first = from;
    if (p[from] == '\r')
        first += from + 1 < n && p[from + 1] == '\n' ? 2 : 1;
    else if (p[from] == '\n')
        ++first;
    const qsizetype limit = longLineLimit(from, size);
    // From one byte early: a CR there with its LF at from + size starts the next piece.
    for (qsizetype i = qMax(first, from + size - 1); i < n && i <= limit; ++i)
        if (p[i] == '\r' || p[i] == '\n')
            return p[i] == '\n' && i > from && p[i - 1] == '\r' ? i - 1 : i;
    if (limit >= n)
        return n;
    // Cut inside the line, neither between a CR and its LF nor inside a UTF-8 sequence.
    qsizetype cut = from + size;
    if (p[cut - 1] == '\r' && p[cut] == '\n')
        --cut;
    while (utf8 && cut > from + 1 && (uchar(p[cut]) & 0xC0) == 0x80)
        --cut;
    return cut > from ? cut : from + size;
}

Decoded decodeEightBit(const QByteArray &bytes, Encoding encoding)
{
    Decoded d;
    d.text = fromFileBytes(bytes, encoding);
    d.format.encoding = encoding;
    d.format.lfOnly = lfOnlyBreaks(bytes);
    return d;
}

QByteArray encodeUtf8(const QString &text, const Format &format)
{
    // At most three bytes a UTF-16 unit (a surrogate pair makes four of two units).
    QByteArray out(3 * text.size() + 3, Qt::Uninitialized);
    auto *d = reinterpret_cast<unsigned char *>(out.data());
    qsizetype o = 0;
    if (format.bom) {
        std::memcpy(d, Utf8Bom, 3);
        o = 3;
    }
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = p[i];
        if (c < 0x80) {
            if (c == u'\n') {
                if (!format.lfOnly)
                    d[o++] = '\r';
                d[o++] = '\n';
            } else {
                d[o++] = static_cast<unsigned char>(c);
            }
            continue;
        }
        if (c == QChar::ParagraphSeparator) {
            if (!format.lfOnly)
                d[o++] = '\r';
            d[o++] = '\n';
            continue;
        }
        if (c < 0x800) {
            d[o++] = static_cast<unsigned char>(0xC0 | (c >> 6));
            d[o++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
            continue;
        }
        if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
                c = QChar::surrogateToUcs4(char16_t(c), p[++i]);
                d[o++] = static_cast<unsigned char>(0xF0 | (c >> 18));
                d[o++] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
                d[o++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
                d[o++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
                continue;
            }
            c = QChar::ReplacementCharacter; // UTF-8 cannot carry half a pair
        }
        d[o++] = static_cast<unsigned char>(0xE0 | (c >> 12));
        d[o++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        d[o++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    out.truncate(o);
    return out;
}

bool isLoneSurrogate(const QChar *p, qsizetype i, qsizetype n)
{
    const char16_t u = p[i].unicode();
    if (QChar::isHighSurrogate(u))
        return !(i + 1 < n && p[i + 1].isLowSurrogate());
    if (QChar::isLowSurrogate(u))
        return !(i > 0 && p[i - 1].isHighSurrogate());
    return false;
}

QByteArray readBytes(const QString &fileName)
{
    // Read no more than any text within the limit can take; the character limit itself is
    // decided after decoding.
    bool tooLarge = false;
    QByteArray bytes = SafeFile::ReadRegular(fileName, MaxFileBytes, &tooLarge);
    if (tooLarge)
        throw TError(tooLargeText(fileName));
    return bytes;
}

Decoded checkedLength(Decoded decoded, const QString &fileName)
{
    if (decoded.text.size() > MaxLength)
        throw TError(tooLargeText(fileName));
    return decoded;
}

} // namespace

Opened prepare(QByteArray bytes, const QString &fileName)
{
    refuseWide(bytes, fileName);
    Opened o;
    const bool bom = bytes.startsWith(Utf8Bom);
    const qsizetype from = bom ? 3 : 0;
    bool multiByte = false;
    qsizetype units = 0;
    const bool utf8 = isValidUtf8(QByteArrayView(bytes).sliced(from), &multiByte, &units);
    o.format.lfOnly = lfOnlyBreaks(bytes);
    if (utf8 && (bom || multiByte)) {
        o.format.encoding = Encoding::Utf8;
        o.format.bom = bom;
        o.text = PendingText(std::move(bytes), from, Encoding::Utf8, units);
        return o;
    }
    // Pure ASCII reads the same in both: it stays a Windows-1250 page, with nothing to guess.
    o.format.encoding = Encoding::Windows1250;
    if (!utf8)
        o.guessedSet = CzechSets::Guess(bytes);
    o.t602 = T602::IsDocument(bytes);
    const qsizetype size = bytes.size();
    o.text = PendingText(std::move(bytes), 0, Encoding::Windows1250, size);
    return o;
}

Decoded decode(const QByteArray &bytes, const QString &fileName)
{
    Opened o = prepare(bytes, fileName);
    Decoded d;
    d.text = o.text.Rest();
    d.format = o.format;
    d.guessedSet = o.guessedSet;
    d.t602 = o.t602;
    return d;
}

Decoded decodeAs(const QByteArray &bytes, Encoding encoding, const QString &fileName)
{
    refuseWide(bytes, fileName);
    if (isEightBit(encoding))
        return decodeEightBit(bytes, encoding);
    Decoded d;
    const bool bom = bytes.startsWith(Utf8Bom);
    const QByteArrayView text = QByteArrayView(bytes).sliced(bom ? 3 : 0);
    bool multiByte = false;
    qsizetype units = 0;
    if (!isValidUtf8(text, &multiByte, &units))
        throw TError(QCoreApplication::translate("TextFile", "Soubor %1 není platný text v kódování UTF-8.")
                         .arg(fileName));
    d.text = fromUtf8Bytes(text);
    d.format.encoding = Encoding::Utf8;
    d.format.bom = bom;
    d.format.lfOnly = lfOnlyBreaks(bytes);
    return d;
}

PendingText::PendingText(QString text) : m_text(std::move(text)), m_size(m_text.size()) {}

PendingText::PendingText(QByteArray bytes, qsizetype from, Encoding encoding, qsizetype units)
    : m_bytes(std::move(bytes)), m_fromBytes(true), m_encoding(encoding), m_start(from), m_pos(from),
      m_size(m_bytes.size()), m_units(units)
{}

QString PendingText::Next(qsizetype size)
{
    if (AtEnd())
        return {};
    if (m_fromBytes) {
        const QByteArrayView all(m_bytes);
        const qsizetype end = byteSliceEnd(all, m_pos, size, m_encoding == Encoding::Utf8);
        const QByteArrayView piece = all.sliced(m_pos, end - m_pos);
        QString out = m_encoding == Encoding::Utf8 ? fromUtf8Bytes(piece) : fromFileBytes(piece, m_encoding);
        m_pos = end;
        if (AtEnd())
            m_bytes = QByteArray(); // the file's bytes are not kept beside the text
        return out;
    }
    qsizetype end = m_size;
    if (m_size - m_pos > size) {
        // Searched from one past the start: a piece begins with the break before its line,
        // unless that line is too long for one piece.
        const qsizetype limit = longLineLimit(m_pos, size);
        end = m_text.indexOf(QLatin1Char('\n'), m_pos + qMax<qsizetype>(1, size));
        if ((end < 0 || end > limit) && limit < m_size) {
            end = m_pos + size;
            if (end - 1 > m_pos && m_text.at(end - 1).isHighSurrogate())
                --end;
        } else if (end < 0) {
            end = m_size;
        }
    }
    QString out = m_pos == 0 && end == m_size ? m_text : m_text.mid(m_pos, end - m_pos);
    m_pos = end;
    if (AtEnd())
        m_text = QString();
    return out;
}

QString PendingText::Rest()
{
    return Next(m_size);
}

int PendingText::Percent() const
{
    const qsizetype whole = m_size - m_start;
    return whole <= 0 ? 100 : int(100 * (m_pos - m_start) / whole);
}

qsizetype PendingText::unitsLeft() const
{
    if (!m_fromBytes)
        return m_size - m_pos;
    if (m_pos == m_start)
        return m_units; // counted when the bytes were checked, for all of them
    const QByteArrayView left = QByteArrayView(m_bytes).sliced(m_pos);
    if (isEightBit(m_encoding))
        return left.size();
    bool multiByte = false;
    qsizetype units = 0;
    isValidUtf8(left, &multiByte, &units);
    return units;
}

bool PendingText::Exceeds(qsizetype limit) const
{
    const qsizetype units = unitsLeft();
    // NULs and CR LF pairs only lessen the count: they are counted when it matters.
    return units > limit
           && (!m_fromBytes || units - droppedCount(QByteArrayView(m_bytes).sliced(m_pos)) > limit);
}

qsizetype PendingText::Length() const
{
    // Pieces are never cut between CR and LF, so the pairs counted here are the ones the
    // pieces decode as one break.
    return m_fromBytes ? unitsLeft() - droppedCount(QByteArrayView(m_bytes).sliced(m_pos)) : m_size - m_pos;
}

QByteArray encode(const QString &text, const Format &format)
{
    return format.encoding == Encoding::Utf8 ? encodeUtf8(text, format)
                                             : toFileBytes(text, format.lfOnly, format.encoding);
}

qsizetype unstorableCount(const QString &text, Encoding encoding)
{
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    const CodePage *set = isEightBit(encoding) ? &CodePage::Of(setOf(encoding)) : nullptr;
    qsizetype count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!set) {
            count += isLoneSurrogate(p, i, n) ? 1 : 0;
            continue;
        }
        if (p[i].unicode() == 0 || set->Holds(p[i]))
            continue;
        ++count;
        // A surrogate pair is one character: it becomes one "?".
        if (p[i].isHighSurrogate() && i + 1 < n && p[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
}

QString storable(const QString &text, Encoding encoding)
{
    if (encoding == Encoding::Windows1250)
        return Cp1250::sanitize(text);
    if (isEightBit(encoding))
        return CodePage::Of(setOf(encoding)).Sanitize(text);
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && p[i].unicode() != 0 && !p[i].isSurrogate())
        ++i;
    if (i == n)
        return text;
    QString out;
    out.reserve(n);
    out.append(p, i);
    for (; i < n; ++i) {
        if (p[i].unicode() == 0)
            continue;
        out.append(isLoneSurrogate(p, i, n) ? QChar(QChar::ReplacementCharacter) : p[i]);
    }
    return out;
}

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QCoreApplication::translate("TextFile", "UTF-8");
    case Encoding::Kamenicky:
        return QCoreApplication::translate("TextFile", "Kamenický");
    case Encoding::Latin2:
        return QCoreApplication::translate("TextFile", "Latin 2");
    case Encoding::Iso8859_2:
        return QCoreApplication::translate("TextFile", "ISO-8859-2");
    case Encoding::Windows1250:
        break;
    }
    return QCoreApplication::translate("TextFile", "Windows-1250");
}

Opened openText(const QString &fileName)
{
    Opened o = prepare(readBytes(fileName), fileName);
    if (o.text.Exceeds(MaxLength))
        throw TError(tooLargeText(fileName));
    return o;
}

Decoded readDecoded(const QString &fileName)
{
    return checkedLength(decode(readBytes(fileName), fileName), fileName);
}

Decoded readDecodedAs(const QString &fileName, Encoding encoding)
{
    return checkedLength(decodeAs(readBytes(fileName), encoding, fileName), fileName);
}

QString readFile(const QString &fileName)
{
    QString text = fromFileBytes(readBytes(fileName));
    if (text.size() > MaxLength)
        throw TError(tooLargeText(fileName));
    return text;
}

void writeFile(const QString &fileName, const QString &text)
{
    writeFile(fileName, text, Format{});
}

FileSignature writeFile(const QString &fileName, const QString &text, const Format &format,
                        const std::function<bool()> &mayCommit)
{
    const QString problem = SafeFile::WriteProblem(fileName);
    if (!problem.isEmpty())
        throw TError(problem);
    const QByteArray bytes = encode(text, format);
    // QSaveFile writes a temporary file and renames it over the old one, so a failed write
    // leaves the old file whole. It follows symbolic links and keeps the permissions.
    QSaveFile file(fileName);
    if (QFileInfo(fileName).isDir())
        cannotCreate(fileName, EISDIR);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        cannotCreate(fileName, errno);
#ifdef Q_OS_UNIX
    // On disk before the last look, so that the rename follows the look at once.
    if (mayCommit && ::fsync(file.handle()) != 0)
        cannotCreate(fileName, errno);
#endif
    // The rename keeps the inode, and nothing writes to the file after the flush.
    const FileSignature written = FileSignature::OfHandle(file.handle());
    if (mayCommit && !mayCommit()) {
        file.cancelWriting();
        return FileSignature();
    }
    if (!file.commit())
        cannotCreate(fileName, errno);
    return written;
}

} // namespace TextFile
