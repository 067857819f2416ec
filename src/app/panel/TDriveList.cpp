#include "app/panel/TDriveList.h"

#include "common/TErrorText.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace DriveList {

namespace {

bool isNetworkType(const QByteArray &type)
{
    static const QList<QByteArray> network = {
        "nfs",        "nfs4",        "cifs",        "smb3",      "smbfs",        "ncpfs",
        "afs",        "ceph",        "glusterfs",   "9p",        "virtiofs",     "davfs",
        "fuse.sshfs", "fuse.rclone", "fuse.davfs2", "fuse.s3fs", "fuse.gcsfuse", "fuse.glusterfs"};
    return network.contains(type);
}

bool isBrowsable(const Volume &v)
{
    if (!v.ready || !v.isFolder)
        return false;
    if (isNetworkType(v.type))
        return true;
    // A block device, but not the packed images of snaps and live systems.
    return v.device.startsWith("/dev/") && v.type != "squashfs";
}

QString captionOf(const Volume &v)
{
    return v.label.isEmpty() || v.label == v.root ? v.root : v.root + QStringLiteral(" [") + v.label + u']';
}

} // namespace

QList<Volume> MountedVolumes()
{
    QList<Volume> volumes;
    const QList<QStorageInfo> infos = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &info : infos) {
        Volume v;
        v.root = info.rootPath();
        v.device = info.device();
        v.type = info.fileSystemType();
        v.label = info.name();
        v.ready = info.isValid() && info.isReady();
        v.isFolder = QFileInfo(v.root).isDir();
        volumes << v;
    }
    return volumes;
}

QList<Drive> Browsable(const QList<Volume> &volumes, const QString &home)
{
    QList<Drive> drives;
    auto add = [&drives](const Drive &d) {
        for (Drive &known : drives) {
            if (known.root == d.root) {
                if (d.kind == Drive::Home)
                    known.kind = Drive::Home;
                return;
            }
        }
        drives << d;
    };
    // The root folder is there even where it is an overlay or a RAM disk (containers, live
    // systems): everything else lies below it.
    add({QStringLiteral("/"), QStringLiteral("/"), Drive::Disk});
    for (const Volume &v : volumes) {
        if (v.root != QLatin1String("/") && isBrowsable(v))
            add({QDir::cleanPath(v.root), captionOf(v),
                 isNetworkType(v.type) ? Drive::Network : Drive::Disk});
    }
    if (!home.isEmpty())
        add({QDir::cleanPath(home), QDir::cleanPath(home), Drive::Home});
    std::sort(drives.begin(), drives.end(), [](const Drive &a, const Drive &b) { return a.root < b.root; });
    return drives;
}

bool IsWithin(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(AddBackslash(folder));
}

qsizetype DriveOf(const QList<Drive> &drives, const QString &folder)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < drives.size(); ++i) {
        if (IsWithin(folder, drives[i].root)
            && (best < 0 || drives[i].root.size() > drives[best].root.size()))
            best = i;
    }
    return best;
}

} // namespace DriveList
