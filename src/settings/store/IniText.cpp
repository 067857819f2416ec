#include "settings/store/IniText.h"

#include <QDataStream>
#include <QIODevice>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringEncoder>

namespace IniText {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

char hexDigit(uint n)
{
    return "0123456789ABCDEF"[n & 0xF];
}

void chopTrailingBlanks(QString &text, qsizetype limit)
{
    qsizetype n = text.size();
    while (n > limit && (text.at(n - 1) == u' ' || text.at(n - 1) == u'\t'))
        --n;
    text.truncate(n);
}

// The first and last non-blank characters are quotes.
bool isQuoted(QByteArrayView raw)
{
    qsizetype from = 0, to = raw.size();
    while (from < to && isBlank(raw.at(from)))
        ++from;
    while (to > from && isBlank(raw.at(to - 1)))
        --to;
    return to - from >= 2 && raw.at(from) == '"' && raw.at(to - 1) == '"';
}

// "(a b c)" after the name's `open` characters, split at blanks.
QStringList splitArgs(const QString &text, qsizetype open)
{
    return text.mid(open + 1, text.size() - open - 2).split(u' ');
}

// UTF-8 text that keeps a U+FEFF at its start (QString::fromUtf8 drops it as a BOM).
QString fromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QByteArray quoted(const QByteArray &form)
{
    return form.startsWith('"') ? form : '"' + form + '"';
}

} // namespace

QByteArray QtEscapedKey(const QString &key)
{
    QByteArray out;
    out.reserve(key.size() * 3 / 2);
    for (const QChar qc : key) {
        uint ch = qc.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
                   || ch == '_' || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hexDigit(ch >> 4);
            out += hexDigit(ch);
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hexDigit(ch >> shift);
        }
    }
    return out;
}

QString QtUnescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString out;
    out.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const QChar ch = decoded.at(i);
        if (ch == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == size - 1) {
            out += ch;
            ++i;
            continue;
        }
        int digits = 2;
        qsizetype first = i + 1;
        if (decoded.at(first) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code =
            first + digits > size ? 0 : QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

namespace {

// Qt's escaping; with `escapeBom` a U+FEFF is written as "\xfeff", since Qt's reader takes
// one at the start of the text for a byte-order mark and drops it.
QByteArray escaped(const QString &text, bool escapeBom)
{
    // Byte arrays and streamed variants are written byte for byte (as Latin-1), text as UTF-8.
    const bool utf8 =
        !(text.startsWith(QLatin1String("@ByteArray(")) || text.startsWith(QLatin1String("@Variant(")));
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray out;
    out.reserve(text.size() * 3 / 2);
    bool needsQuotes = false;
    bool escapeNextIfHex = false; // after "\0" or "\x..", a hex digit would join the escape
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qc = text.at(i);
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfHex && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            // A lone surrogate has no UTF-8 form: Qt's writer lost it, here it is escaped.
            const bool lone = qc.isHighSurrogate()
                                  ? i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()
                                  : qc.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate());
            if (ch <= 0x1F || (ch >= 0x7F && !utf8) || lone || (escapeBom && ch == 0xFEFF)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHex = true;
            } else if (utf8) {
                out += toUtf8(QStringView(&qc, 1));
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

} // namespace

QByteArray QtEscapedString(const QString &text)
{
    return escaped(text, false);
}

bool QtUnescapedString(QByteArrayView raw, QString &text, QStringList &list)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    // A U+FEFF at the start of the text is a character (Qt's reader dropped it as a BOM).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    bool isList = false, inQuotes = false, currentQuoted = false;
    qsizetype i = 0;
    const qsizetype size = raw.size();
    auto skipBlanks = [&] {
        while (i < size && isBlank(raw.at(i)))
            ++i;
    };
    skipBlanks();
    qsizetype chopLimit = text.size();
    while (i < size) {
        const char c = raw.at(i);
        if (c == '\\') {
            if (++i >= size)
                return isList ? (list.append(text), true) : false;
            const char e = raw.at(i++);
            bool simple = false;
            for (const auto &pair : escapes)
                if (e == pair[0]) {
                    text += QLatin1Char(pair[1]);
                    simple = true;
                    break;
                }
            if (simple) {
                chopLimit = text.size();
                continue;
            }
            if (e == 'x' || octValue(e) >= 0) {
                // Hexadecimal or octal digits as long as they go; a "\x" without digits is
                // dropped, and the value wraps at 16 bits.
                const bool hex = e == 'x';
                if (hex && (i >= size || hexValue(raw.at(i)) < 0)) {
                    chopLimit = text.size();
                    if (i >= size)
                        return isList ? (list.append(text), true) : false;
                    continue;
                }
                char16_t value = hex ? 0 : char16_t(octValue(e));
                while (i < size) {
                    const int digit = hex ? hexValue(raw.at(i)) : octValue(raw.at(i));
                    if (digit < 0)
                        break;
                    value = char16_t((value << (hex ? 4 : 3)) + digit);
                    ++i;
                }
                text += QChar(value);
                chopLimit = text.size();
                continue;
            }
            if ((e == '\n' || e == '\r') && i < size) {
                const char next = raw.at(i);
                if ((next == '\n' || next == '\r') && next != e)
                    ++i;
            }
            chopLimit = text.size(); // any other escaped character is dropped
            continue;
        }
        if (c == '"') {
            ++i;
            currentQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!currentQuoted)
                chopTrailingBlanks(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            currentQuoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
            continue;
        }
        qsizetype j = i + 1;
        while (j < size && raw.at(j) != '\\' && raw.at(j) != '"' && raw.at(j) != ',')
            ++j;
        text += utf8(raw.sliced(i, j - i));
        i = j;
    }
    if (!currentQuoted)
        chopTrailingBlanks(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

QString QtVariantToString(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + u')';
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        const QString text = value.toString();
        return text.startsWith(u'@') ? u'@' + text : text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            stream << value;
        }
        return QStringLiteral("@Variant(") + QString::fromLatin1(bytes) + u')';
    }
    }
}

QVariant QtStringToVariant(const QString &text)
{
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return QStringView(text).sliced(8).chopped(1).toString();
        if (text.startsWith(QLatin1String("@Variant("))) {
            QByteArray bytes = QStringView(text).sliced(9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            QVariant result;
            stream >> result;
            return result;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList args = splitArgs(text, 5);
            if (args.size() == 4)
                return QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList args = splitArgs(text, 5);
            if (args.size() == 2)
                return QSize(args[0].toInt(), args[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList args = splitArgs(text, 6);
            if (args.size() == 2)
                return QPoint(args[0].toInt(), args[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

QVariant ReadValue(QByteArrayView raw)
{
    QString text;
    QStringList list;
    if (isQuoted(raw)) {
        if (QtUnescapedString(raw, text, list)) {
            QVariantList items;
            bool plain = true;
            for (const QString &item : list)
                plain = plain && (!item.startsWith(u'@') || item.startsWith(QLatin1String("@@")));
            if (plain) {
                for (QString &item : list)
                    if (item.startsWith(u'@'))
                        item.remove(0, 1);
                return list;
            }
            for (const QString &item : std::as_const(list))
                items.append(QtStringToVariant(item));
            return items;
        }
        return QtStringToVariant(text);
    }
    // Only an escape can make Qt's reading differ from the literal text, unless Qt would
    // also have split, trimmed or unquoted it, which its writer never leaves unquoted.
    if (raw.contains('\\') && !QtUnescapedString(raw, text, list) && QtEscapedString(text) == raw)
        return QtStringToVariant(text);
    return QtStringToVariant(fromUtf8(raw));
}

QByteArray WriteValue(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        // Lists (the program itself writes none) get every item quoted: an unquoted comma
        // reads literally here.
        const QVariantList items = value.toList();
        if (items.isEmpty())
            return "@Invalid()";
        QByteArray out;
        for (const QVariant &item : items) {
            if (!out.isEmpty())
                out += ", ";
            out += quoted(escaped(QtVariantToString(item), true));
        }
        return out;
    }
    const QByteArray form = escaped(QtVariantToString(value), true);
    return form.contains('\\') ? quoted(form) : form;
}

ReadResult Read(QByteArrayView data)
{
    ReadResult result;
    if (data.size() > MaxBytes) {
        data = data.first(MaxBytes);
        result.damaged = true;
    }
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    QString section; // with its trailing "/", empty for [General]
    qsizetype pos = 0;
    while (pos < data.size()) {
        qsizetype end = pos;
        while (end < data.size() && data.at(end) != '\n' && data.at(end) != '\r')
            ++end;
        QByteArrayView line = data.sliced(pos, end - pos);
        pos = end + 1;
        qsizetype start = 0;
        while (start < line.size() && isBlank(line.at(start)))
            ++start;
        line = line.sliced(start);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            qsizetype close = line.indexOf(']');
            if (close < 0) {
                result.damaged = true;
                close = line.size();
            }
            const QByteArrayView name = line.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.sliced(1)) + u'/';
            else
                section = QtUnescapedKey(name) + u'/';
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView key = equals < 0 ? QByteArrayView() : line.first(equals).trimmed();
        if (key.isEmpty()) {
            result.damaged = true;
            continue;
        }
        // As QSettings takes keys: no empty parts between, before or after the slashes.
        const QString name = (section + QtUnescapedKey(key)).split(u'/', Qt::SkipEmptyParts).join(u'/');
        if (name.isEmpty()) {
            result.damaged = true;
            continue;
        }
        result.values.insert(name, ReadValue(line.sliced(equals + 1)));
    }
    return result;
}

QByteArray Write(const QSettings::SettingsMap &values)
{
    // Sections in the order of their names, keys in each in the order of theirs, "[General]"
    // first: what Qt's INI writer gives for a file it writes anew.
    QMap<QString, QList<QSettings::SettingsMap::const_iterator>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        sections[slash < 0 ? QString() : it.key().left(slash)].append(it);
    }
    QByteArray out;
    for (auto s = sections.cbegin(); s != sections.cend(); ++s) {
        if (!out.isEmpty())
            out += '\n';
        const QByteArray name = QtEscapedKey(s.key());
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%" + name + ']'; // Qt writes "[%General]" for every case of the name
        else
            out += '[' + name + ']';
        out += '\n';
        for (const auto &it : s.value()) {
            const qsizetype slash = it.key().indexOf(u'/');
            out += QtEscapedKey(slash < 0 ? it.key() : it.key().sliced(slash + 1));
            out += '=';
            out += WriteValue(it.value());
            out += '\n';
        }
    }
    return out;
}

} // namespace IniText
