#include "text/TextCommands.h"

#include "text/Cp1250.h"

#include <QTextDocument>

namespace TextCommands {

QString DocumentText(const QTextDocument &document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

QString LongTimeFormat(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the zone letters ("t") outside quoted text, with the blanks that led to them.
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
            out.append(c);
            continue;
        }
        if (!quoted && c == u't') {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
            while (i + 1 < format.size() && format[i + 1] == u't')
                ++i;
            continue;
        }
        out.append(c);
    }
    return out.trimmed();
}

QString DateTimeText(const QLocale &locale, const QDateTime &when)
{
    QString text = locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(',')
                   + locale.toString(when.time(), LongTimeFormat(locale));
    for (QChar &c : text) {
        if (c.isSpace() && !Cp1250::isRepresentable(c))
            c = QLatin1Char(' ');
    }
    return Cp1250::sanitize(text);
}

bool ParseWholeNumber(const QString &text, int *value)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (ok)
        *value = n;
    return ok;
}

} // namespace TextCommands
