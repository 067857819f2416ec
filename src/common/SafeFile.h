#pragma once

#include <QByteArray>
#include <QString>

// Reading and atomic writing that touch only ordinary files: a device, FIFO or socket is
// never read (reading /dev/zero would exhaust memory, opening a FIFO would block for ever)
// and never written over (a rename over a link to a device would replace the device node).
namespace SafeFile {

// Reads at most `limit` bytes of a regular file (links followed). Throws TError with
// "Soubor … nelze otevřít: není to obyčejný soubor." for anything else, "Cannot open file …"
// when it cannot be read, and sets *tooLarge (leaving the bytes empty) when it holds more.
QByteArray ReadRegular(const QString &fileName, qint64 limit, bool *tooLarge);

// Empty when `fileName` may be the target of an atomic write: an existing regular file
// (links followed) or a name that does not exist yet. Otherwise the reason, in words for
// the user.
QString WriteProblem(const QString &fileName);

// "Soubor %1 nelze otevřít: není to obyčejný soubor."
QString NotRegularText(const QString &fileName);

} // namespace SafeFile
