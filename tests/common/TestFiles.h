#pragma once

// Small file helpers the tests share.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace TestFiles {

// Writes the bytes to a new file; false when it cannot.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The file's bytes; `unreadable` when it cannot be read (give a marker where an empty file
// is a possible answer).
inline QByteArray ReadBytes(const QString &path, const QByteArray &unreadable = {})
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : unreadable;
}

// A temporary folder for a test's files, removed with it.
class TempFolder : public QTemporaryDir
{
public:
    // Writes the bytes to a new file `name` in the folder: its path, empty when it cannot.
    QString WriteFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = filePath(name);
        return WriteBytes(path, bytes) ? path : QString();
    }
};

// UTF-8 text in another character set, converted by iconv itself (empty when iconv fails).
inline QByteArray IconvTo(const QByteArray &utf8, const char *charset)
{
    QProcess p;
    p.start(QStringLiteral("iconv"),
            {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), QLatin1String(charset)});
    if (!p.waitForStarted())
        return {};
    p.write(utf8);
    p.closeWriteChannel();
    p.waitForFinished();
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
}

// Another program at work on a file: a shell command with the file's name in $F. True when it
// ran to the end with status 0.
inline bool OtherProgram(const QString &command, const QString &file)
{
    QProcess sh;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("F"), file);
    sh.setProcessEnvironment(env);
    sh.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    return sh.waitForFinished(10000) && sh.exitStatus() == QProcess::NormalExit && sh.exitCode() == 0;
}

} // namespace TestFiles
