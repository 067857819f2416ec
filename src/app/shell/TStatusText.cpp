#include "app/shell/TStatusText.h"

namespace StatusText {

QString Number(qint64 value, const QLocale &locale)
{
    const bool negative = value < 0;
    const QString digits = QString::number(negative ? -value : value);
    // Grouped by hand: the C locale's "omit group separator" default must not apply here.
    const QString separator = locale.groupSeparator();
    QString out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size() + 1);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return negative ? locale.negativeSign() + out : out;
}

QString LongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

Caret CaretPanels(int selStart, int line, int lineStart, const QLocale &locale)
{
    return {Number(qint64(line) + 1, locale), Number(qint64(selStart) - lineStart + 1, locale),
            Number(selStart, locale)};
}

Keys KeyPanels(bool overwrite, bool locksKnown, bool capsLock, bool numLock)
{
    Keys keys;
    keys.insert = overwrite ? QStringLiteral("OVR") : QStringLiteral("INS");
    if (locksKnown) {
        if (capsLock)
            keys.caps = QStringLiteral("CAP");
        if (numLock)
            keys.num = QStringLiteral("NUM");
    }
    return keys;
}

} // namespace StatusText
