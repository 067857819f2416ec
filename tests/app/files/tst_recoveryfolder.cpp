// A recovery folder that holds what the program never put there: links to folders and to
// devices, FIFOs, a dangling link as a lock, a link as the damaged folder. Each is made for
// real in a temporary state folder (device nodes with mknod, never the machine's /dev); the
// scan of left copies must never follow, open or wait on any of them.
#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "TestFiles.h"
#include "TFakePrompts.h"
#include "TmpfsMount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(local(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::stat(local(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// The names in a folder, hidden ones too.
QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

RecoveryCopy sampleCopy()
{
    RecoveryCopy copy;
    copy.fileName = copy.caption = QStringLiteral("bezejmenný1");
    copy.encoding = QStringLiteral("windows-1250");
    copy.text = "text";
    return copy;
}

} // namespace

class TestRecoveryFolder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString recovery() const { return m_dir->filePath(QStringLiteral("state/quortosk/recovery")); }
    QString path(const QString &name) const { return m_dir->filePath(name); }

    // The folder of an instance that ended, holding one good copy; its path.
    QString deadFolder()
    {
        RecoveryStore dead(recovery());
        if (!dead.Open())
            return {};
        QString problem;
        RecoveryStore::Write(dead.CopyPath(1), sampleCopy().Serialize(), &problem);
        return dead.OwnFolder();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { m_dir.reset(); }

    // A link to a folder, in the recovery folder and in a dead instance's folder: the
    // linked folder keeps its files and gets no lock; the links are set aside.
    void linksToFoldersAreNotFollowed()
    {
        const QString other = path(QStringLiteral("elsewhere"));
        QDir().mkpath(other);
        QVERIFY(TestFiles::WriteBytes(other + QStringLiteral("/own.txt"), "mine"));
        const QString dead = deadFolder();
        QVERIFY(!dead.isEmpty());
        QVERIFY(QFile::link(other, recovery() + QStringLiteral("/1700000000000-1-1")));
        QVERIFY(QFile::link(other, dead + QStringLiteral("/2.copy")));

        RecoveryStore store(recovery());
        QVERIFY(store.Open());
        const RecoveryStore::Left left = store.TakeLeftCopies();
        QCOMPARE(left.copies.size(), 1);
        QCOMPARE(left.damaged.size(), 2);
        for (const QString &aside : left.damaged) {
            QVERIFY(aside.startsWith(store.DamagedFolder() + QLatin1Char('/')));
            QVERIFY(isLink(aside));
        }
        QCOMPARE(names(other), QStringList{QStringLiteral("own.txt")});
        QCOMPARE(TestFiles::ReadBytes(other + QStringLiteral("/own.txt")), QByteArray("mine"));
        store.ReleaseTaken(true);
        QVERIFY(!QFileInfo::exists(dead));
        QCOMPARE(names(other), QStringList{QStringLiteral("own.txt")});
    }

    // A FIFO, a device node and a link to a device as copies: set aside at once, never
    // opened (a FIFO would block, a device be read without end).
    void specialFilesAreSetAsideUnopened()
    {
        const QString dead = deadFolder();
        QVERIFY(!dead.isEmpty());
        QVERIFY(::mkfifo(local(dead + QStringLiteral("/2.copy")).constData(), 0600) == 0);
        const QString zero = path(QStringLiteral("zero"));
        if (::mknod(local(zero).constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("cannot make a device node here");
        QVERIFY(::mknod(local(dead + QStringLiteral("/3.copy")).constData(), S_IFCHR | 0600, makedev(1, 5))
                == 0);
        QVERIFY(QFile::link(zero, dead + QStringLiteral("/4.copy")));
        QVERIFY(::mkfifo(local(recovery() + QStringLiteral("/fifo")).constData(), 0600) == 0);

        RecoveryStore store(recovery());
        QVERIFY(store.Open());
        QElapsedTimer t;
        t.start();
        const RecoveryStore::Left left = store.TakeLeftCopies();
        QVERIFY2(t.elapsed() < 10000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(left.copies.size(), 1);
        QCOMPARE(left.damaged.size(), 4);
        const QStringList aside = names(store.DamagedFolder());
        QCOMPARE(aside.size(), 4);
        struct stat st;
        QVERIFY(::lstat(local(store.DamagedFolder() + QStringLiteral("/fifo")).constData(), &st) == 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        store.ReleaseTaken(false);
        // The next start finds nothing to set aside again.
        RecoveryStore next(recovery());
        QVERIFY(next.Open());
        QCOMPARE(next.TakeLeftCopies().damaged.size(), 0);
    }

    // A dangling link named "lock" creates nothing where it points; a link named "damaged"
    // neither receives the damaged copies nor has its folder's mode changed.
    void linkedLockAndDamagedFolderAreNotFollowed()
    {
        const QString dead = deadFolder();
        QVERIFY(!dead.isEmpty());
        const QString target = path(QStringLiteral("made-by-lock"));
        QVERIFY(QFile::remove(dead + QStringLiteral("/lock")));
        QVERIFY(QFile::link(target, dead + QStringLiteral("/lock")));
        QVERIFY(TestFiles::WriteBytes(dead + QStringLiteral("/5.copy"), "cut"));
        const QString other = path(QStringLiteral("public"));
        QDir().mkpath(other);
        QVERIFY(::chmod(local(other).constData(), 0755) == 0);
        QVERIFY(QFile::link(other, recovery() + QStringLiteral("/damaged")));

        RecoveryStore store(recovery());
        QVERIFY(store.Open());
        const RecoveryStore::Left left = store.TakeLeftCopies();
        QVERIFY(!QFileInfo::exists(target) && !isLink(target));
        QCOMPARE(names(other), QStringList());
        QCOMPARE(modeOf(other), mode_t(0755));
        QCOMPARE(left.copies.size(), 1);
        QVERIFY(!isLink(store.DamagedFolder()));
        QCOMPARE(modeOf(store.DamagedFolder()), mode_t(0700));
        const QStringList aside = names(store.DamagedFolder());
        QCOMPARE(aside.size(), 2); // the cut copy and the linked lock
        QCOMPARE(left.damaged.size(), 2);
        store.ReleaseTaken(true);
        QVERIFY(!QFileInfo::exists(dead));
    }

    // A recovery folder that cannot be written is told once, not passed over in silence.
    void unwritableFolderIsToldOnce_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << true;
        QTest::newRow("full") << false;
    }
    void unwritableFolderIsToldOnce()
    {
        QFETCH(bool, readOnly);
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir().mkpath(path(QStringLiteral("state"))));
        TmpfsMount state(path(QStringLiteral("state")));
        if (!state.ok())
            QSKIP("cannot mount a tmpfs here");
        if (readOnly)
            QVERIFY(state.remountReadOnly());
        RecoveryStore store(recovery());
        QCOMPARE(store.Open(), !readOnly);
        if (!readOnly)
            QVERIFY(state.fillUp());
        TFakePrompts prompts;
        TMainForm form(&prompts, nullptr);
        form.RecoveryCopies()->SetStore(&store);
        form.RecoveryCopies()->SetPauseMs(20);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.RecoveryCopies()->OfferLeftCopies();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(form.ActiveEditor(), QStringLiteral("text "));
            QTest::qWait(200);
        }
        QTRY_COMPARE(prompts.messages.size(), 1);
        QTest::qWait(300);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().contains(recovery()));
        form.ActiveEditor()->Doc()->Clear();
    }

    // The recovery folder may be reached through a link: that is the user's own choice.
    void linkedPathToTheFolderIsFine()
    {
        const QString real = path(QStringLiteral("real-state"));
        QDir().mkpath(real);
        QVERIFY(QFile::link(real, path(QStringLiteral("state"))));
        QVERIFY(!deadFolder().isEmpty());
        RecoveryStore store(recovery());
        QVERIFY(store.Open());
        const RecoveryStore::Left left = store.TakeLeftCopies();
        QCOMPARE(left.copies.size(), 1);
        QVERIFY(left.damaged.isEmpty());
        QVERIFY(store.Adopt(left.copies.first().path, store.NewId()));
        store.ReleaseTaken(true);
        QCOMPARE(names(real + QStringLiteral("/quortosk/recovery")).size(), 1); // our own folder
    }
};

QTEST_MAIN(TestRecoveryFolder)
#include "tst_recoveryfolder.moc"
