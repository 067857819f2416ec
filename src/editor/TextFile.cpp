#include "editor/TextFile.h"

#include "common/SafeFile.h"
#include "common/TErrorText.h"
#include "common/TFileErrors.h"
#include "editor/Cp1250.h"
#include "konverze/CzechSets.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include <cstring>

namespace TextFile {

namespace {
// The standard texts followed by the system's reason (errno right after the failing call).
[[noreturn]] void cannotCreate(const QString &fileName, int error)
{
    const QString text = QCoreApplication::translate("TextFile", "Cannot create file %1").arg(fileName);
    throw TError(FileErrors::WithReason(text, error, FileErrors::Access::Write));
}
} // namespace

QString fromFileBytes(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    qsizetype o = 0;
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    const char16_t *table = Cp1250::toUnicodeTable();
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

QByteArray toFileBytes(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    const QChar *p = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            out.append("\r\n", 2);
        } else {
            unsigned char b;
            out.append(Cp1250::fromUnicode(c, &b) ? char(b) : '?');
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
        throw TError(QCoreApplication::translate("TextFile", "Soubor %1 je v kódování %2. Editor otevírá jen "
                                                             "texty ve Windows 1250 a v UTF-8; přečten jako "
                                                             "8bitový text by se uložením zničil.")
                         .arg(fileName, wide));
}

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// Decodes strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF) with the
// line-break rule of fromFileBytes, counting the breaks as it goes. False at the first
// invalid or cut-off sequence. One pass; ASCII costs a compare and a store.
bool decodeUtf8(const QByteArray &bytes, qsizetype from, QString *text, bool *multiByte, bool *lfOnly)
{
    const qsizetype n = bytes.size() - from;
    QString out(n, Qt::Uninitialized); // never more UTF-16 units than bytes
    char16_t *d = reinterpret_cast<char16_t *>(out.data());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData()) + from;
    const unsigned char *const end = p + n;
    qsizetype o = 0, lf = 0, cr = 0;
    bool multi = false;
    const auto tail = [](unsigned c) { return (c & 0xC0) == 0x80; };
    while (p < end) {
        const unsigned b = *p;
        if (b < 0x80) {
            ++p;
            if (b > '\r') {
                d[o++] = char16_t(b);
            } else if (b == '\n') {
                ++lf;
                d[o++] = u'\n';
            } else if (b == '\r') {
                ++cr;
                d[o++] = u'\n';
                if (p < end && *p == '\n')
                    ++p;
            } else if (b != 0) {
                d[o++] = char16_t(b);
            }
            continue;
        }
        multi = true;
        const qsizetype left = end - p;
        if (b >= 0xC2 && b <= 0xDF) {
            if (left < 2 || !tail(p[1]))
                return false;
            d[o++] = char16_t(((b & 0x1F) << 6) | (p[1] & 0x3F));
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (left < 3)
                return false;
            const unsigned c1 = p[1], c2 = p[2];
            const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
            if (c1 < lo || c1 > hi || !tail(c2))
                return false;
            d[o++] = char16_t(((b & 0x0F) << 12) | ((c1 & 0x3F) << 6) | (c2 & 0x3F));
            p += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (left < 4)
                return false;
            const unsigned c1 = p[1], c2 = p[2], c3 = p[3];
            const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
            if (c1 < lo || c1 > hi || !tail(c2) || !tail(c3))
                return false;
            const char32_t cp =
                ((b & 0x07) << 18) | ((c1 & 0x3F) << 12) | ((c2 & 0x3F) << 6) | (c3 & 0x3F);
            d[o++] = QChar::highSurrogate(cp);
            d[o++] = QChar::lowSurrogate(cp);
            p += 4;
        } else {
            return false;
        }
    }
    out.truncate(o);
    *text = std::move(out);
    *multiByte = multi;
    *lfOnly = lf > 0 && cr == 0;
    return true;
}

Decoded decodeWindows1250(const QByteArray &bytes)
{
    Decoded d;
    d.text = fromFileBytes(bytes);
    d.format.encoding = Encoding::Windows1250;
    d.format.lfOnly = !bytes.contains('\r') && bytes.contains('\n');
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

Decoded decode(const QByteArray &bytes, const QString &fileName)
{
    refuseWide(bytes, fileName);
    Decoded d;
    const bool bom = bytes.startsWith(Utf8Bom);
    bool multiByte = false;
    if (decodeUtf8(bytes, bom ? 3 : 0, &d.text, &multiByte, &d.format.lfOnly)) {
        // Pure ASCII reads the same in both: it stays a Windows-1250 page.
        d.format.encoding = bom || multiByte ? Encoding::Utf8 : Encoding::Windows1250;
        d.format.bom = bom;
        return d;
    }
    d = decodeWindows1250(bytes);
    d.guessedSet = CzechSets::Guess(bytes);
    return d;
}

Decoded decodeAs(const QByteArray &bytes, Encoding encoding, const QString &fileName)
{
    refuseWide(bytes, fileName);
    if (encoding == Encoding::Windows1250)
        return decodeWindows1250(bytes);
    Decoded d;
    const bool bom = bytes.startsWith(Utf8Bom);
    bool multiByte = false;
    if (!decodeUtf8(bytes, bom ? 3 : 0, &d.text, &multiByte, &d.format.lfOnly))
        throw TError(QCoreApplication::translate("TextFile", "Soubor %1 není platný text v kódování UTF-8.")
                         .arg(fileName));
    d.format.encoding = Encoding::Utf8;
    d.format.bom = bom;
    return d;
}

QByteArray encode(const QString &text, const Format &format)
{
    return format.encoding == Encoding::Utf8 ? encodeUtf8(text, format) : toFileBytes(text);
}

qsizetype unstorableCount(const QString &text, Encoding encoding)
{
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    qsizetype count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (encoding == Encoding::Utf8) {
            count += isLoneSurrogate(p, i, n) ? 1 : 0;
            continue;
        }
        if (p[i].unicode() == 0 || Cp1250::isRepresentable(p[i]))
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
    return encoding == Encoding::Utf8 ? QCoreApplication::translate("TextFile", "UTF-8")
                                      : QCoreApplication::translate("TextFile", "Windows-1250");
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

void writeFile(const QString &fileName, const QString &text, const Format &format)
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
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotCreate(fileName, errno);
}

} // namespace TextFile
