#pragma once

// A small tmpfs of a test's own, so that a full disk and a read-only folder stop root as well
// (root ignores permission bits). Needs root; ok() says whether the mount worked.
#include <QFile>
#include <QProcess>
#include <QString>

class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &dir, const QString &size = QStringLiteral("64k")) : m_dir(dir)
    {
        m_ok = QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", dir})
               == 0;
    }
    ~TmpfsMount()
    {
        if (m_ok)
            QProcess::execute(QStringLiteral("umount"), {"-l", m_dir});
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool ok() const { return m_ok; }
    bool remountReadOnly()
    {
        return QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", m_dir}) == 0;
    }

    // Fills the file system up to the last byte; false when not even the filler could be made.
    bool fillUp() const
    {
        QFile filler(m_dir + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        const QByteArray byte(1, 'x');
        while (filler.write(byte) == 1 && filler.flush()) {
        }
        return true;
    }

private:
    QString m_dir;
    bool m_ok = false;
};
