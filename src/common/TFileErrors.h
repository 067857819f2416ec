#pragma once

#include <QCoreApplication>
#include <QString>

// Why a file could not be read or written, in the interface's language: the system's reason
// (errno) as a short sentence, appended to the message that names the file.
class FileErrors
{
    Q_DECLARE_TR_FUNCTIONS(FileErrors)
public:
    enum class Access { Read, Write };

    // The reason for an errno value: "Přístup odepřen", "Disk je plný", "Soubor neexistuje"...
    // A missing entry reads as a missing file when reading and as a missing folder when
    // writing. Unknown values give the system's own text with the number; 0 gives nothing.
    static QString Reason(int errorNumber, Access access);

    // "<text>: <reason>", or the text alone when there is no reason (errno 0).
    static QString WithReason(const QString &text, int errorNumber, Access access);
};
