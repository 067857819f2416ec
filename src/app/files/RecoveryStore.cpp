#include "app/files/RecoveryStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QByteArray Magic = "Quorvel Tosk recovery 1";
const QString LockName = QStringLiteral("lock");
const QString CopySuffix = QStringLiteral(".copy");

QByteArray encoded(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}

QString decoded(const QByteArray &bytes)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

#ifdef Q_OS_UNIX
// An exclusive lock on `folder`/lock without waiting; the descriptor, or -1 when another
// process holds it (or it cannot be had).
int takeLock(const QString &folder, bool create)
{
    const QByteArray name = QFile::encodeName(folder + QLatin1Char('/') + LockName);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

// Every file of a folder but its lock, in name order.
QStringList filesIn(const QString &folder)
{
    QStringList out;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names)
        if (name != LockName)
            out << folder + QLatin1Char('/') + name;
    return out;
}

// Removes the folder with its files, except `keep`; the folder stays if any is kept.
void removeFolder(const QString &folder, int lockFd, const QStringList &keep = {})
{
    for (const QString &file : filesIn(folder))
        if (!keep.contains(file))
            QFile::remove(file);
    QFile::remove(folder + QLatin1Char('/') + LockName);
    QDir().rmdir(folder);
#ifdef Q_OS_UNIX
    if (lockFd >= 0)
        ::close(lockFd);
#else
    Q_UNUSED(lockFd);
#endif
}

#ifdef Q_OS_UNIX
// What the scan of left copies meets in the recovery folder is handled relative to that
// folder, opened once, and never through a link: whatever stands there (another program's
// link, a FIFO, a device node, a restored backup) is looked at with lstat, and only a
// regular file of a bounded size is ever opened.
const char *const DamagedName = "damaged";
constexpr qint64 MaxCopyBytes = 256 * 1024 * 1024; // a full page in UTF-8 is far below

struct Entry
{
    QByteArray name;
    struct stat st;
};

// The entries of an opened folder but "." and "..", each as it is (links not followed), in
// name order.
QList<Entry> entriesOf(int dirFd)
{
    QList<Entry> out;
    const int fd = ::dup(dirFd);
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return out;
    }
    ::rewinddir(dir);
    while (const dirent *e = ::readdir(dir)) {
        Entry entry{QByteArray(e->d_name), {}};
        if (entry.name == "." || entry.name == "..")
            continue;
        if (::fstatat(dirFd, e->d_name, &entry.st, AT_SYMLINK_NOFOLLOW) == 0)
            out << entry;
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(), [](const Entry &a, const Entry &b) { return a.name < b.name; });
    return out;
}

int openFolderAt(int dirFd, const char *name)
{
    return ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The lock of an opened folder: only a regular file, never through a link.
int takeLockAt(int dirFd, bool create)
{
    const int fd = ::openat(dirFd, QFile::encodeName(LockName).constData(),
                            O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads a copy: a regular file of at most MaxCopyBytes, the one the scan saw.
bool readCopyAt(int dirFd, const Entry &entry, QByteArray *bytes)
{
    if (!S_ISREG(entry.st.st_mode) || entry.st.st_size > MaxCopyBytes)
        return false;
    const int fd = ::openat(dirFd, entry.name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_ino == entry.st.st_ino
              && st.st_size <= MaxCopyBytes;
    if (ok) {
        bytes->resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (ok && got < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + got, size_t(bytes->size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            got += n > 0 ? n : 0;
        }
    }
    ::close(fd);
    return ok;
}

// The folder for damaged copies, made when missing. Anything else under its name (a link
// that would send the copies elsewhere, a file) is first set aside under a name of its own.
int openDamagedAt(int rootFd)
{
    struct stat st;
    if (::fstatat(rootFd, DamagedName, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode)) {
        const QByteArray aside = QByteArray(DamagedName) + ".not-a-folder-"
                                 + QByteArray::number(QDateTime::currentMSecsSinceEpoch());
        ::renameat(rootFd, DamagedName, rootFd, aside.constData());
    }
    if (::mkdirat(rootFd, DamagedName, 0700) != 0 && errno != EEXIST)
        return -1;
    const int fd = openFolderAt(rootFd, DamagedName);
    if (fd >= 0)
        ::fchmod(fd, 0700); // our own folder, opened: never another one's mode
    return fd;
}

// Moves `name` of an opened folder into the damaged folder as `asName` (made unique), by
// name alone: it is never opened. The name it got, or empty when it could not be moved.
QByteArray moveAsideAt(int dirFd, const QByteArray &name, QByteArray asName, int damagedFd)
{
    if (damagedFd < 0)
        return {};
    if (asName.startsWith('.')) // an unfinished write: shown, not hidden
        asName.remove(0, 1);
    QByteArray target = asName;
    struct stat st;
    for (int n = 2; ::fstatat(damagedFd, target.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0; ++n)
        target = asName + '~' + QByteArray::number(n);
    if (::renameat(dirFd, name.constData(), damagedFd, target.constData()) != 0)
        return {};
    return target;
}

// Removes an opened folder's entries but folders and `keep`, then the folder itself (when
// empty); closes its descriptors.
void removeFolderAt(int parentFd, const QByteArray &name, int dirFd, int lockFd,
                    const QList<QByteArray> &keep)
{
    for (const Entry &entry : entriesOf(dirFd))
        if (!S_ISDIR(entry.st.st_mode) && !keep.contains(entry.name))
            ::unlinkat(dirFd, entry.name.constData(), 0);
    ::unlinkat(parentFd, name.constData(), AT_REMOVEDIR);
    ::close(dirFd);
    if (lockFd >= 0)
        ::close(lockFd);
}
#endif

} // namespace

// ---- the copy's format ----

QByteArray RecoveryCopy::Serialize() const
{
    QByteArray out;
    out.reserve(text.size() + 512);
    out += Magic + '\n';
    out += "path " + encoded(fileName) + '\n';
    out += "caption " + encoded(caption) + '\n';
    out += "file " + QByteArray(hasFile ? "1" : "0") + '\n';
    out += "encoding " + encoded(encoding) + '\n';
    out += "bom " + QByteArray(bom ? "1" : "0") + '\n';
    out += "breaks " + QByteArray(lfOnly ? "lf" : "crlf") + '\n';
    out += "caret " + QByteArray::number(caret) + '\n';
    out += "order " + QByteArray::number(order) + '\n';
    out += "signature " + signature.ToText().toLatin1() + '\n';
    out += "length " + QByteArray::number(text.size()) + '\n';
    out += "sha1 " + QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex() + '\n';
    out += '\n';
    out += text;
    return out;
}

bool RecoveryCopy::Parse(const QByteArray &bytes, RecoveryCopy *copy, QString *problem)
{
    auto fail = [problem](const char *why) {
        *problem = QString::fromLatin1(why);
        return false;
    };
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(Magic + '\n') || end < 0)
        return fail("no header");
    RecoveryCopy c;
    QByteArray sha1;
    qint64 length = -1;
    bool sawPath = false, sawEncoding = false, sawSignature = false;
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = space < 0 ? line : line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        bool ok = true;
        if (key == "path") {
            c.fileName = decoded(value);
            sawPath = true;
        } else if (key == "caption") {
            c.caption = decoded(value);
        } else if (key == "file") {
            c.hasFile = value == "1";
        } else if (key == "encoding") {
            c.encoding = decoded(value);
            sawEncoding = true;
        } else if (key == "bom") {
            c.bom = value == "1";
        } else if (key == "breaks") {
            c.lfOnly = value == "lf"; // a form a later version adds falls back to CR LF
        } else if (key == "caret") {
            c.caret = value.toInt(&ok);
        } else if (key == "order") {
            c.order = value.toInt(&ok);
        } else if (key == "signature") {
            c.signature = FileSignature::FromText(QString::fromLatin1(value), &ok);
            sawSignature = true;
        } else if (key == "length") {
            length = value.toLongLong(&ok);
        } else if (key == "sha1") {
            sha1 = value;
        } // unknown keys are left for later versions
        if (!ok)
            return fail("bad header value");
    }
    if (!sawPath || !sawEncoding || !sawSignature || length < 0 || sha1.isEmpty())
        return fail("incomplete header");
    c.text = bytes.mid(end + 2);
    if (c.text.size() != length)
        return fail("cut short");
    if (QCryptographicHash::hash(c.text, QCryptographicHash::Sha1).toHex() != sha1)
        return fail("checksum");
    static const QStringList known = {QStringLiteral("windows-1250"), QStringLiteral("utf-8"),
                                      QStringLiteral("kamenicky"), QStringLiteral("ibm852"),
                                      QStringLiteral("iso-8859-2")};
    if (!known.contains(c.encoding))
        return fail("unknown encoding");
    if (c.caption.isEmpty())
        c.caption = QFileInfo(c.fileName).fileName();
    *copy = c;
    return true;
}

// ---- the folder ----

RecoveryStore::RecoveryStore(const QString &folder) : m_folder(QDir::cleanPath(folder)) {}

RecoveryStore::~RecoveryStore()
{
    ReleaseTaken(false);
#ifdef Q_OS_UNIX
    if (m_lockFd >= 0)
        ::close(m_lockFd);
#endif
}

QString RecoveryStore::DefaultFolder()
{
    // Qt 6.4 has no state location: the XDG rule, done here.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/quortosk/recovery");
}

QString RecoveryStore::DamagedFolder() const
{
    return m_folder + QStringLiteral("/damaged");
}

bool RecoveryStore::Open()
{
#ifdef Q_OS_UNIX
    if (IsOpen())
        return true;
    // Our folders are the user's alone; an existing one keeps what it has.
    QDir root;
    if (!root.mkpath(m_folder)) {
        m_problem = QStringLiteral("cannot create %1").arg(m_folder);
        return false;
    }
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // The folder appears under its final name only with its lock already held: a scan by
    // another instance never finds it unlocked.
    // Time, process and a running number: two stores opened in one millisecond by one
    // process still get folders of their own.
    static int opened = 0;
    const QString name = QStringLiteral("%1-%2-%3")
                             .arg(QDateTime::currentMSecsSinceEpoch(), 13, 10, QLatin1Char('0'))
                             .arg(::getpid())
                             .arg(++opened);
    const QString fresh = m_folder + QStringLiteral("/.new-") + name;
    if (::mkdir(QFile::encodeName(fresh).constData(), 0700) != 0) {
        m_problem = QStringLiteral("cannot create %1").arg(fresh);
        return false;
    }
    const int fd = takeLock(fresh, true);
    const QString own = m_folder + QLatin1Char('/') + name;
    if (fd < 0 || ::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(own).constData()) != 0) {
        if (fd >= 0)
            ::close(fd);
        removeFolder(fresh, -1);
        m_problem = QStringLiteral("cannot lock %1").arg(own);
        return false;
    }
    m_lockFd = fd;
    m_ownFolder = own;
    return true;
#else
    m_problem = QStringLiteral("not supported");
    return false;
#endif
}

QString RecoveryStore::CopyPath(int id) const
{
    return m_ownFolder + QLatin1Char('/') + QString::number(id) + CopySuffix;
}

int RecoveryStore::NewId()
{
    return m_nextId++;
}

bool RecoveryStore::Write(const QString &path, const QByteArray &bytes, QString *problem)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                                        + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temp.data()); // O_EXCL, mode 0600
    if (fd < 0) {
        *problem = QString::fromLocal8Bit(::strerror(errno));
        return false;
    }
    ::fchmod(fd, 0600);
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= n;
    }
    const int savedErrno = errno;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0)
        ok = false;
    if (!ok) {
        *problem = QString::fromLocal8Bit(::strerror(errno ? errno : savedErrno));
        ::unlink(temp.constData());
    }
    return ok;
#else
    Q_UNUSED(path);
    Q_UNUSED(bytes);
    *problem = QStringLiteral("not supported");
    return false;
#endif
}

void RecoveryStore::Remove(const QString &path)
{
    QFile::remove(path);
}

RecoveryStore::Left RecoveryStore::TakeLeftCopies()
{
    Left left;
#ifdef Q_OS_UNIX
    // The path to the folder may hold links (a linked ~/.local/state); nothing in it may.
    if (m_rootFd < 0)
        m_rootFd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_rootFd < 0)
        return left;
    const QByteArray ownName = QFile::encodeName(QFileInfo(m_ownFolder).fileName());
    int damagedFd = -1;
    auto setAside = [&](int dirFd, const QByteArray &name, const QByteArray &asName) {
        if (damagedFd < 0)
            damagedFd = openDamagedAt(m_rootFd);
        const QByteArray moved = moveAsideAt(dirFd, name, asName, damagedFd);
        return moved.isEmpty() ? QString() : DamagedFolder() + QLatin1Char('/') + QFile::decodeName(moved);
    };
    for (const Entry &entry : entriesOf(m_rootFd)) {
        const QByteArray &name = entry.name;
        if (name == ownName || name == DamagedName)
            continue;
        const QString folder = m_folder + QLatin1Char('/') + QFile::decodeName(name);
        if (!S_ISDIR(entry.st.st_mode)) {
            // Not a folder of copies (a link, a FIFO, a device, a stray file): set aside.
            const QString aside = setAside(m_rootFd, name, name);
            left.damaged << (aside.isEmpty() ? folder : aside);
            continue;
        }
        const bool unfinished = name.startsWith(".new-");
        if (name.startsWith('.') && !unfinished)
            continue;
        const int dirFd = openFolderAt(m_rootFd, name.constData());
        if (dirFd < 0)
            continue;
        // A lock that is not a regular file is nobody's lock: it goes aside, ours is made.
        const QByteArray lockName = QFile::encodeName(LockName);
        struct stat lockSt;
        if (::fstatat(dirFd, lockName.constData(), &lockSt, AT_SYMLINK_NOFOLLOW) == 0
            && !S_ISREG(lockSt.st_mode)) {
            const QString aside = setAside(dirFd, lockName, name + '-' + lockName);
            left.damaged << (aside.isEmpty() ? folder + QLatin1Char('/') + LockName : aside);
        }
        // A running instance holds its lock; an unfinished folder is made locked, so one
        // we can lock was left by a process that ended while making it.
        const int fd = takeLockAt(dirFd, !unfinished);
        if (fd < 0) {
            ::close(dirFd);
            continue;
        }
        if (unfinished) {
            removeFolderAt(m_rootFd, name, dirFd, fd, {});
            continue;
        }
        QList<LeftCopy> found;
        QList<QByteArray> kept;
        for (const Entry &file : entriesOf(dirFd)) {
            if (file.name == lockName)
                continue;
            const QString path = folder + QLatin1Char('/') + QFile::decodeName(file.name);
            QByteArray bytes;
            RecoveryCopy copy;
            QString problem;
            if (file.name.endsWith(CopySuffix.toLatin1()) && readCopyAt(dirFd, file, &bytes)
                && RecoveryCopy::Parse(bytes, &copy, &problem)) {
                found << LeftCopy{path, copy};
                continue;
            }
            // Kept aside, never deleted: what is damaged may still hold text worth saving.
            const QString aside = setAside(dirFd, file.name, name + '-' + file.name);
            if (!aside.isEmpty()) {
                left.damaged << aside;
            } else {
                left.damaged << path; // stays where it was, and so does its folder
                kept << file.name;
            }
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const LeftCopy &a, const LeftCopy &b) { return a.copy.order < b.copy.order; });
        left.copies += found;
        m_taken << Taken{folder, name, fd, dirFd, kept};
    }
    if (damagedFd >= 0)
        ::close(damagedFd);
#endif
    return left;
}

bool RecoveryStore::Adopt(const QString &path, int id)
{
    if (!IsOpen())
        return false;
#ifdef Q_OS_UNIX
    // Moved by name from the taken folder it was read in.
    const QString folder = QFileInfo(path).path();
    for (const Taken &taken : std::as_const(m_taken))
        if (taken.folder == folder)
            return ::renameat(taken.dirFd, QFile::encodeName(QFileInfo(path).fileName()).constData(),
                              AT_FDCWD, QFile::encodeName(CopyPath(id)).constData())
                   == 0;
#endif
    return QFile::rename(path, CopyPath(id));
}

void RecoveryStore::ReleaseTaken(bool deleteCopies)
{
#ifdef Q_OS_UNIX
    for (const Taken &taken : std::as_const(m_taken)) {
        // A copy that could not be read stays where it was; the folder then stays too.
        if (deleteCopies) {
            removeFolderAt(m_rootFd, taken.name, taken.dirFd, taken.lockFd, taken.kept);
        } else {
            ::close(taken.dirFd);
            ::close(taken.lockFd);
        }
    }
    if (m_rootFd >= 0)
        ::close(m_rootFd);
    m_rootFd = -1;
#else
    Q_UNUSED(deleteCopies);
#endif
    m_taken.clear();
}

void RecoveryStore::Finish()
{
    if (!IsOpen())
        return;
    removeFolder(m_ownFolder, m_lockFd);
    m_lockFd = -1;
}
