// Which mounted file systems the side panel offers as drives, and which drive holds a folder.
#include "app/panel/TDriveList.h"

#include <QTest>

using DriveList::Drive;
using DriveList::Volume;

Q_DECLARE_METATYPE(Volume)

class TestDriveList : public QObject
{
    Q_OBJECT
private slots:
    void offeredVolumes_data();
    void offeredVolumes();
    void homeAndRootComeOnceInPathOrder();
    void driveOfFolder_data();
    void driveOfFolder();
};

void TestDriveList::offeredVolumes_data()
{
    QTest::addColumn<Volume>("volume");
    QTest::addColumn<QString>("caption"); // empty: not offered
    auto v = [](const char *root, const char *device, const char *type, const char *label = "") {
        return Volume{QString::fromUtf8(root), device, type, QString::fromUtf8(label)};
    };
    QTest::newRow("disk partition") << v("/data", "/dev/sda3", "ext4") << "/data";
    QTest::newRow("labelled stick") << v("/media/jan/FLASH", "/dev/sdb1", "vfat", "Flashka Žluťoučká")
                                    << "/media/jan/FLASH [Flashka Žluťoučká]";
    QTest::newRow("ntfs through fuse") << v("/mnt/win", "/dev/nvme0n1p3", "fuseblk") << "/mnt/win";
    QTest::newRow("nfs share") << v("/srv/nfs", "server:/export", "nfs4") << "/srv/nfs";
    QTest::newRow("windows share") << v("/mnt/smb", "//server/share", "cifs") << "/mnt/smb";
    QTest::newRow("sshfs") << v("/home/jan/remote", "jan@host:", "fuse.sshfs") << "/home/jan/remote";
    QTest::newRow("tmpfs") << v("/run/user/1000", "tmpfs", "tmpfs") << "";
    QTest::newRow("proc") << v("/proc", "proc", "proc") << "";
    QTest::newRow("sysfs") << v("/sys", "sysfs", "sysfs") << "";
    QTest::newRow("cgroup") << v("/sys/fs/cgroup", "cgroup2", "cgroup2") << "";
    QTest::newRow("overlay of a container") << v("/var/lib/docker/x", "overlay", "overlay") << "";
    QTest::newRow("snap image") << v("/snap/core/1", "/dev/loop3", "squashfs") << "";
    QTest::newRow("flatpak documents") << v("/run/user/1000/doc", "portal", "fuse.portal") << "";
    Volume file = v("/etc/hosts", "/dev/vda", "ext4");
    file.isFolder = false;
    QTest::newRow("one file mounted over another") << file << "";
    Volume gone = v("/media/cd", "/dev/sr0", "iso9660");
    gone.ready = false;
    QTest::newRow("drive not ready") << gone << "";
}

void TestDriveList::offeredVolumes()
{
    QFETCH(Volume, volume);
    QFETCH(QString, caption);
    QStringList captions;
    for (const Drive &d : DriveList::Browsable({volume}, QString()))
        captions << d.caption;
    QCOMPARE(captions, caption.isEmpty() ? QStringList{"/"} : QStringList({"/", caption}));
}

void TestDriveList::homeAndRootComeOnceInPathOrder()
{
    // The root as an overlay (a container), the home folder on a partition of its own.
    const QList<Volume> volumes = {{"/", "overlay", "overlay", ""},
                                   {"/home/jan", "/dev/sda4", "ext4", ""},
                                   {"/boot", "/dev/sda1", "ext4", ""},
                                   {"/boot", "/dev/sda1", "ext4", ""}};
    const QList<Drive> drives = DriveList::Browsable(volumes, QStringLiteral("/home/jan/"));
    QStringList roots;
    for (const Drive &d : drives)
        roots << d.root;
    QCOMPARE(roots, QStringList({"/", "/boot", "/home/jan"}));
    QCOMPARE(drives[2].kind, Drive::Home);
    QCOMPARE(DriveList::Browsable({}, QStringLiteral("/root")).size(), 2);
}

void TestDriveList::driveOfFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("drive");
    QTest::newRow("root itself") << "/"
                                 << "/";
    QTest::newRow("below the root") << "/usr/share"
                                    << "/";
    QTest::newRow("a mount point") << "/home"
                                   << "/home";
    QTest::newRow("the deepest mount wins") << "/home/jan/Dokumenty"
                                            << "/home/jan";
    QTest::newRow("a name that only begins alike") << "/home2/x"
                                                   << "/";
    QTest::newRow("home's neighbour") << "/home/jana"
                                      << "/home";
}

void TestDriveList::driveOfFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, drive);
    const QList<Drive> drives = {{"/", "/"}, {"/home", "/home"}, {"/home/jan", "/home/jan", Drive::Home}};
    const qsizetype index = DriveList::DriveOf(drives, folder);
    QVERIFY(index >= 0);
    QCOMPARE(drives[index].root, drive);
}

QTEST_GUILESS_MAIN(TestDriveList)
#include "tst_drivelist.moc"
