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
    if (c.encoding != QLatin1String("windows-1250") && c.encoding != QLatin1String("utf-8"))
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
    const QString ownName = QFileInfo(m_ownFolder).fileName();
    const QStringList folders =
        QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &name : folders) {
        const QString folder = m_folder + QLatin1Char('/') + name;
        if (name == ownName || folder == DamagedFolder())
            continue;
        const bool unfinished = name.startsWith(QStringLiteral(".new-"));
        if (name.startsWith(QLatin1Char('.')) && !unfinished)
            continue;
        // A running instance holds its lock; an unfinished folder is made locked, so one
        // we can lock was left by a process that ended while making it.
        const int fd = takeLock(folder, !unfinished);
        if (fd < 0)
            continue;
        if (unfinished) {
            removeFolder(folder, fd);
            continue;
        }
        QList<LeftCopy> found;
        QStringList kept;
        for (const QString &file : filesIn(folder)) {
            QFile f(file);
            RecoveryCopy copy;
            QString problem;
            if (file.endsWith(CopySuffix) && f.open(QIODevice::ReadOnly)
                && RecoveryCopy::Parse(f.readAll(), &copy, &problem)) {
                found << LeftCopy{file, copy};
                continue;
            }
            f.close();
            // Kept aside, never deleted: what is damaged may still hold text worth saving.
            QDir().mkpath(DamagedFolder());
            QFile::setPermissions(DamagedFolder(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QString fileName = QFileInfo(file).fileName();
            if (fileName.startsWith(QLatin1Char('.'))) // an unfinished write: shown, not hidden
                fileName.remove(0, 1);
            const QString base = DamagedFolder() + QLatin1Char('/') + name + QLatin1Char('-') + fileName;
            QString aside = base;
            for (int n = 2; QFileInfo::exists(aside); ++n)
                aside = base + QLatin1Char('~') + QString::number(n);
            if (QFile::rename(file, aside)) {
                left.damaged << aside;
            } else {
                left.damaged << file; // stays where it was, and so does its folder
                kept << file;
            }
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const LeftCopy &a, const LeftCopy &b) { return a.copy.order < b.copy.order; });
        left.copies += found;
        m_taken << Taken{folder, fd, kept};
    }
#endif
    return left;
}

bool RecoveryStore::Adopt(const QString &path, int id)
{
    return IsOpen() && QFile::rename(path, CopyPath(id));
}

void RecoveryStore::ReleaseTaken(bool deleteCopies)
{
    for (const Taken &taken : std::as_const(m_taken)) {
        // A copy that could not be read stays where it was; the folder then stays too.
        if (deleteCopies) {
            removeFolder(taken.folder, taken.lockFd, taken.kept);
        } else {
#ifdef Q_OS_UNIX
            ::close(taken.lockFd);
#endif
        }
    }
    m_taken.clear();
}

void RecoveryStore::Finish()
{
    if (!IsOpen())
        return;
    removeFolder(m_ownFolder, m_lockFd);
    m_lockFd = -1;
}
