#pragma once

#include <QString>
#include <QtGlobal>

// What identifies one state of a file on disk: its size, modification time and inode. Taken
// after our own load or save, it tells our own writes from another program's: a file
// replaced by rename gets a new inode even when size and time agree.
struct FileSignature
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    quint64 inode = 0;
    quint64 device = 0;

    // The file's signature now (links followed); `exists` false when there is no such file.
    static FileSignature Of(const QString &fileName);
    // The signature of an open file (its descriptor); `exists` false when it cannot be read.
    static FileSignature OfHandle(int handle);

    // "exists size time inode device", for the recovery record; FromText(ToText()) == *this.
    QString ToText() const;
    static FileSignature FromText(const QString &text, bool *ok = nullptr);

    bool operator==(const FileSignature &other) const = default;
};
