#include "text/Cp1250.h"

#include <QStringDecoder>

#include <array>

namespace Cp1250 {
namespace {

struct Tables
{
    std::array<char16_t, 256> toUni{};
    // Byte + 1 for each UTF-16 unit, 0 where Windows-1250 has no byte.
    std::array<unsigned short, 65536> fromUni{};

    Tables()
    {
        QStringDecoder decoder("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            char16_t u = char16_t(b); // unassigned bytes map to the C1 control of the same value
            if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                u = s.at(0).unicode();
            if (!decoder.isValid() && b >= 0x80)
                u = char16_t(b);
            toUni[b] = u;
        }
        for (int b = 0; b < 256; ++b)
            if (fromUni[toUni[b]] == 0)
                fromUni[toUni[b]] = static_cast<unsigned short>(b + 1);
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

QChar toUnicode(unsigned char byte)
{
    return QChar(tables().toUni[byte]);
}

const char16_t *toUnicodeTable()
{
    return tables().toUni.data();
}

bool fromUnicode(QChar ch, unsigned char *byte)
{
    const unsigned short v = tables().fromUni[ch.unicode()];
    if (v == 0)
        return false;
    *byte = static_cast<unsigned char>(v - 1);
    return true;
}

QString sanitizeThrough(const QString &text, const unsigned short *fromUni)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    const QChar *p = text.constData();
    while (i < n && fromUni[p[i].unicode()] != 0 && p[i].unicode() != 0)
        ++i;
    if (i == n)
        return text;
    QString out;
    out.reserve(n);
    out.append(p, i);
    for (; i < n; ++i) {
        const char16_t u = p[i].unicode();
        if (u == 0)
            continue;
        // A surrogate pair is one character: it becomes one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode()))
            ++i;
        out.append(fromUni[u] != 0 ? QChar(u) : QLatin1Char('?'));
    }
    return out;
}

QString sanitize(const QString &text)
{
    return sanitizeThrough(text, tables().fromUni.data());
}

QString decode(const QByteArray &bytes)
{
    const auto &t = tables();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(t.toUni[static_cast<unsigned char>(bytes[i])]);
    return out;
}

QByteArray encode(const QString &text)
{
    const auto &t = tables();
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    const QChar *p = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const unsigned short v = t.fromUni[p[i].unicode()];
        d[i] = v ? char(v - 1) : '?';
    }
    return out;
}

} // namespace Cp1250
