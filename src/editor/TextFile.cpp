#include "editor/TextFile.h"

#include "common/SafeFile.h"
#include "common/TErrorText.h"
#include "common/TFileErrors.h"
#include "editor/Cp1250.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

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
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b == '\r') {
            d[o++] = QLatin1Char('\n');
            if (i + 1 < n && p[i + 1] == '\n')
                ++i;
        } else if (b != 0) {
            d[o++] = Cp1250::toUnicode(b);
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
} // namespace

QString readFile(const QString &fileName)
{
    // Read no more than any text within the limit can take; the character limit itself is
    // decided after decoding.
    bool tooLarge = false;
    const QByteArray bytes = SafeFile::ReadRegular(fileName, MaxFileBytes, &tooLarge);
    if (tooLarge)
        throw TError(tooLargeText(fileName));
    QString text = fromFileBytes(bytes);
    if (text.size() > MaxLength)
        throw TError(tooLargeText(fileName));
    return text;
}

void writeFile(const QString &fileName, const QString &text)
{
    const QString problem = SafeFile::WriteProblem(fileName);
    if (!problem.isEmpty())
        throw TError(problem);
    const QByteArray bytes = toFileBytes(text);
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
