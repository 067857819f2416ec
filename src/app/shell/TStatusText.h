#pragma once

#include <QLocale>
#include <QString>

// Texts of the status bar panels, apart from the widgets that show them.
namespace StatusText {

// A panel number: decimal, no decimals, the locale's group separator between every group
// of three digits (1234 gives "1 234" in Czech, "1,234" in English).
QString Number(qint64 value, const QLocale &locale = QLocale());

// The long part of a hint: the text after the first "|", or the whole hint without one.
QString LongHint(const QString &hint);

// Panels 1 to 3 for a selection starting at `selStart` on the zero-based display line
// `line`, which starts at `lineStart`.
struct Caret
{
    QString line, column, position;
};
Caret CaretPanels(int selStart, int line, int lineStart, const QLocale &locale = QLocale());

// Panels 4 to 6. `locksKnown` false: the platform cannot tell, panels 5 and 6 stay empty.
struct Keys
{
    QString insert, caps, num;
};
Keys KeyPanels(bool overwrite, bool locksKnown, bool capsLock, bool numLock);

} // namespace StatusText
