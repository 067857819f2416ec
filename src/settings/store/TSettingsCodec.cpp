#include "settings/store/TSettingsCodec.h"

#include <climits>

#include <QPalette>
#include <QRegularExpression>

QString TSettingsCodec::Trim(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

QString TSettingsCodec::EncodeInteger(qint32 value)
{
    return QString::number(value);
}

std::optional<qint32> TSettingsCodec::ParseInteger(const QString &text)
{
    QString t = text;
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t) {
        const bool digit = c.isDigit() && c.unicode() < 128;
        const bool hex = base == 16 && QStringLiteral("abcdefABCDEF").contains(c);
        if (!digit && !hex)
            return std::nullopt;
    }
    bool ok = false;
    const qulonglong magnitude = t.toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    if (base == 16) { // hexadecimal covers the whole 32-bit pattern, as colours need
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const auto value = qint32(quint32(magnitude));
        return negative ? qint32(0u - quint32(value)) : value;
    }
    if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull)
        return std::nullopt;
    return negative ? qint32(-qint64(magnitude)) : qint32(magnitude);
}

qint32 TSettingsCodec::DecodeInteger(const QString &text)
{
    return ParseInteger(text).value_or(0);
}

QString TSettingsCodec::EncodeTruth(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> TSettingsCodec::DecodeTruth(const QString &text)
{
    static const QStringList ids{QStringLiteral("False"), QStringLiteral("True")};
    const auto index = DecodeEnum(text, ids);
    if (!index)
        return std::nullopt;
    return *index == 1;
}

QString TSettingsCodec::EncodeEnum(int value, const QStringList &identifiers)
{
    return value >= 0 && value < identifiers.size() ? identifiers.at(value) : QString();
}

std::optional<int> TSettingsCodec::DecodeEnum(const QString &text, const QStringList &identifiers)
{
    for (int i = 0; i < identifiers.size(); ++i)
        if (identifiers.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

QString TSettingsCodec::EncodeSet(quint32 members, const QStringList &identifiers)
{
    QStringList names;
    for (int i = 0; i < identifiers.size() && i < 32; ++i)
        if (members & (1u << i))
            names << identifiers.at(i);
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

quint32 TSettingsCodec::DecodeSet(const QString &text, const QStringList &identifiers)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,\\[\\]]+"));
    quint32 members = 0;
    const QStringList words = text.split(separators, Qt::SkipEmptyParts);
    for (const QString &word : words)
        if (const auto index = DecodeEnum(word, identifiers); index && *index < 32)
            members |= 1u << *index;
    return members;
}

QString TSettingsCodec::EncodeNumbers(const QList<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

QList<std::optional<int>> TSettingsCodec::DecodeNumbers(const QString &text, int count)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    const QStringList words = text.split(separators, Qt::SkipEmptyParts);
    QList<std::optional<int>> result;
    for (int i = 0; i < count; ++i)
        result << (i < words.size() ? ParseInteger(words.at(i)) : std::nullopt);
    return result;
}

QColor TSettingsCodec::ColorFromTColor(qint32 color, const QPalette &palette)
{
    if (!IsSystemColor(color)) {
        const auto bgr = quint32(color) & 0xFFFFFFu;
        return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    }
    // The platform's system colour numbers and the palette roles that play their part.
    using P = QPalette;
    switch (quint32(color) & 0xFFu) {
    case 0: return palette.color(P::Active, P::Button);          // scroll bar
    case 1: return palette.color(P::Active, P::Window);          // desktop
    case 2: return palette.color(P::Active, P::Highlight);       // active caption
    case 3: return palette.color(P::Active, P::Mid);             // inactive caption
    case 4: return palette.color(P::Active, P::Window);          // menu
    case 5: return palette.color(P::Active, P::Base);            // window
    case 6: return palette.color(P::Active, P::Shadow);          // window frame
    case 7: return palette.color(P::Active, P::WindowText);      // menu text
    case 8: return palette.color(P::Active, P::Text);            // window text
    case 9: return palette.color(P::Active, P::HighlightedText); // caption text
    case 10: case 11: return palette.color(P::Active, P::Window); // borders
    case 12: return palette.color(P::Active, P::Dark);           // application workspace
    case 13: return palette.color(P::Active, P::Highlight);
    case 14: return palette.color(P::Active, P::HighlightedText);
    case 15: return palette.color(P::Active, P::Button);         // button face
    case 16: return palette.color(P::Active, P::Dark);           // button shadow
    case 17: return palette.color(P::Disabled, P::Text);         // grey text
    case 18: return palette.color(P::Active, P::ButtonText);
    case 19: return palette.color(P::Inactive, P::WindowText);   // inactive caption text
    case 20: return palette.color(P::Active, P::Light);          // button highlight
    case 21: return palette.color(P::Active, P::Shadow);         // 3-D dark shadow
    case 22: return palette.color(P::Active, P::Midlight);       // 3-D light
    case 23: return palette.color(P::Active, P::ToolTipText);
    case 24: return palette.color(P::Active, P::ToolTipBase);
    case 26: return palette.color(P::Active, P::Link);           // hot-tracked item
    case 27: return palette.color(P::Active, P::Highlight);      // gradient active caption
    case 28: return palette.color(P::Active, P::Mid);            // gradient inactive caption
    case 29: return palette.color(P::Active, P::Highlight);      // menu highlight
    case 30: return palette.color(P::Active, P::Window);         // menu bar
    default: return QColor(Qt::black); // the platform answers 0 for unknown numbers
    }
}

qint32 TSettingsCodec::TColorFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

int TSettingsCodec::MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const qint64 product = qint64(number) * numerator;
    const qint64 half = qAbs(qint64(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    // Saturates instead of wrapping: stored values may be anything. A negative result may
    // reach INT_MIN, whose magnitude is one more than INT_MAX.
    const qint64 limit = negative ? -qint64(INT_MIN) : qint64(INT_MAX);
    const qint64 magnitude = qMin<qint64>((qAbs(product) + half) / qAbs(qint64(denominator)), limit);
    return int(negative ? -magnitude : magnitude);
}

int TSettingsCodec::FontHeightFromSize(int points, int pixelsPerInch)
{
    return -MulDiv(points, pixelsPerInch, 72);
}

int TSettingsCodec::FontSizeFromHeight(int height, int pixelsPerInch)
{
    return -MulDiv(height, 72, pixelsPerInch);
}

const QStringList &TSettingsCodec::TabPositionIds()
{
    static const QStringList ids{QStringLiteral("tpTop"), QStringLiteral("tpBottom"),
                                 QStringLiteral("tpLeft"), QStringLiteral("tpRight")};
    return ids;
}

const QStringList &TSettingsCodec::FontPitchIds()
{
    static const QStringList ids{QStringLiteral("fpDefault"), QStringLiteral("fpVariable"),
                                 QStringLiteral("fpFixed")};
    return ids;
}

const QStringList &TSettingsCodec::FontStyleIds()
{
    static const QStringList ids{QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                                 QStringLiteral("fsUnderline"), QStringLiteral("fsStrikeOut")};
    return ids;
}
