#include "common/SafeFile.h"

#include "common/TErrorText.h"
#include "common/TFileErrors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SafeFile {

QString NotRegularText(const QString &fileName)
{
    return QCoreApplication::translate("SafeFile", "Soubor %1 nelze otevřít: není to obyčejný soubor.")
        .arg(fileName);
}

namespace {
// "Cannot open file <name>" and why, in the interface's language.
QString cannotOpen(const QString &fileName, int error = 0)
{
    const QString text = QCoreApplication::translate("TextFile", "Cannot open file %1").arg(fileName);
    return FileErrors::WithReason(text, error, FileErrors::Access::Read);
}
} // namespace

QByteArray ReadRegular(const QString &fileName, qint64 limit, bool *tooLarge)
{
    *tooLarge = false;
#ifdef Q_OS_UNIX
    // Opened without waiting (a FIFO would block in open()), then checked on the open
    // descriptor, so a file swapped for a FIFO after a check cannot slip through.
    const QByteArray name = QFile::encodeName(fileName);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0) {
        const int error = errno;
        if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
            throw TError(NotRegularText(fileName));
        throw TError(cannotOpen(fileName, error));
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        // A folder keeps the usual text; anything else is named for what it is.
        throw TError(S_ISDIR(st.st_mode) ? cannotOpen(fileName, EISDIR) : NotRegularText(fileName));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray bytes;
    bytes.reserve(qMin<qint64>(qMax<qint64>(st.st_size, 0), limit) + 1);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw TError(cannotOpen(fileName, error));
        }
        if (got == 0)
            break;
        if (bytes.size() + got > limit) { // a file growing while read counts too
            ::close(fd);
            *tooLarge = true;
            return {};
        }
        bytes.append(buffer, got);
    }
    ::close(fd);
    return bytes;
#else
    const QFileInfo info(fileName);
    if (info.isDir())
        throw TError(cannotOpen(fileName, EISDIR));
    if (info.exists() && !info.isFile())
        throw TError(NotRegularText(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TError(cannotOpen(fileName));
    if (file.size() > limit) {
        *tooLarge = true;
        return {};
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        throw TError(cannotOpen(fileName));
    if (bytes.size() > limit) {
        *tooLarge = true;
        return {};
    }
    return bytes;
#endif
}

QString WriteProblem(const QString &fileName)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return {}; // a new file (or a dangling link): the folder decides when writing
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return FileErrors::WithReason(
            QCoreApplication::translate("TextFile", "Cannot create file %1").arg(fileName), EISDIR,
            FileErrors::Access::Write);
#else
    const QFileInfo info(fileName);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return FileErrors::WithReason(
            QCoreApplication::translate("TextFile", "Cannot create file %1").arg(fileName), EISDIR,
            FileErrors::Access::Write);
#endif
    return QCoreApplication::translate("SafeFile", "Soubor %1 nelze uložit: není to obyčejný soubor.")
        .arg(fileName);
}

} // namespace SafeFile
