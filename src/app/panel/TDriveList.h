#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The "drives" of the side panel: the mounted file systems a user can browse (block devices
// and network shares, not the kernel's and the container's own file systems) and the home
// folder, sorted by path.
namespace DriveList {

// One mounted file system as the system reports it.
struct Volume
{
    QString root;      // mount point
    QByteArray device; // "/dev/sda1", "server:/export", "tmpfs", ...
    QByteArray type;   // "ext4", "nfs4", "tmpfs", ...
    QString label;     // the volume's name, may be empty
    bool ready = true;
    bool isFolder = true; // false for a single file mounted over another
};

struct Drive
{
    enum Kind { Disk, Network, Home };
    QString root;
    QString caption;
    Kind kind = Disk;
};

// The mounted volumes as QStorageInfo reports them.
QList<Volume> MountedVolumes();

// The drives among `volumes`, with the root folder always and `home` added.
QList<Drive> Browsable(const QList<Volume> &volumes, const QString &home);

// The index of the drive that holds `folder` (the one with the longest root), -1 for none.
qsizetype DriveOf(const QList<Drive> &drives, const QString &folder);

// True when `path` is `folder` or lies below it.
bool IsWithin(const QString &path, const QString &folder);

} // namespace DriveList
