#include "text/FileSignature.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#ifdef Q_OS_UNIX
namespace {

FileSignature fromStat(const struct stat &st)
{
    FileSignature s;
    s.exists = true;
    s.size = qint64(st.st_size);
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    s.inode = quint64(st.st_ino);
    s.device = quint64(st.st_dev);
    return s;
}

} // namespace
#endif

FileSignature FileSignature::OfHandle(int handle)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (handle >= 0 && ::fstat(handle, &st) == 0)
        return fromStat(st);
#else
    Q_UNUSED(handle);
#endif
    return FileSignature();
}

FileSignature FileSignature::Of(const QString &fileName)
{
    FileSignature s;
    if (fileName.isEmpty())
        return s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return s;
    s = fromStat(st);
#else
    const QFileInfo info(fileName);
    if (!info.exists())
        return s;
    s.exists = true;
    s.size = info.size();
    s.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return s;
}

QString FileSignature::ToText() const
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(exists ? 1 : 0)
        .arg(size)
        .arg(modifiedNs)
        .arg(inode)
        .arg(device);
}

FileSignature FileSignature::FromText(const QString &text, bool *ok)
{
    FileSignature s;
    const QStringList parts = text.split(QLatin1Char(' '));
    bool good = parts.size() == 5;
    if (good) {
        bool a, b, c, d, e;
        s.exists = parts[0].toInt(&a) != 0;
        s.size = parts[1].toLongLong(&b);
        s.modifiedNs = parts[2].toLongLong(&c);
        s.inode = parts[3].toULongLong(&d);
        s.device = parts[4].toULongLong(&e);
        good = a && b && c && d && e;
    }
    if (ok)
        *ok = good;
    return good ? s : FileSignature();
}
