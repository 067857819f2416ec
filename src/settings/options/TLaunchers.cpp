#include "settings/options/TLaunchers.h"

#include "common/TErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace Launchers {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Launchers", text);
}

// The escapes of a desktop entry's string values.
QString escapeValue(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One argument of the Exec key: quoted, with the characters the quoting reserves
// escaped, and "%" doubled so that it is not taken for a field code.
QString execArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString iconRelativePath()
{
    return QStringLiteral("icons/hicolor/scalable/apps/quortosk.svg");
}

} // namespace

QString FileName()
{
    return QStringLiteral("Quorvel Tosk.desktop");
}

QString DesktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString ApplicationsFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data)) {
        const QString home = QDir::homePath();
        if (home.isEmpty() || home == QDir::rootPath())
            return {};
        data = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(data + QStringLiteral("/applications"));
}

QString EntryText(const QString &target, const QString &arguments, const QString &description,
                  const QString &iconFile, bool sendTo)
{
    QString exec = execArgument(target);
    // GLib's launchers look for the program under its name with "%%" still doubled; "env"
    // is found, and gets the name with the field codes expanded.
    if (target.contains(QLatin1Char('%')))
        exec = QStringLiteral("env ") + exec;
    if (!arguments.isEmpty())
        exec += QLatin1Char(' ') + arguments;
    exec += QStringLiteral(" %f");
    QStringList lines{QStringLiteral("[Desktop Entry]"),
                      QStringLiteral("Type=Application"),
                      QStringLiteral("Version=1.0"),
                      QStringLiteral("Name=Quorvel Tosk"),
                      QStringLiteral("Comment=") + escapeValue(description),
                      QStringLiteral("Exec=") + escapeValue(exec),
                      QStringLiteral("Path=") + escapeValue(QFileInfo(target).absolutePath()),
                      QStringLiteral("Terminal=false"),
                      QStringLiteral("Categories=Utility;TextEditor;")};
    if (!iconFile.isEmpty())
        lines << QStringLiteral("Icon=") + escapeValue(iconFile);
    if (sendTo)
        lines << QStringLiteral("MimeType=text/plain;") << QStringLiteral("NoDisplay=true");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void MakeLink(const QString &target, const QString &arguments, const QString &linkPath,
              const QString &description, const QString &iconFile, bool sendTo)
{
    const QString name = QFileInfo(linkPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || name.mid(dot).toUpper() != QStringLiteral(".DESKTOP"))
        throw TError(QStringLiteral("Error: link path extension must be .desktop"));

    const QFileInfo info(linkPath);
    // Only a regular file is replaced: a device or a pipe of that name is left alone.
    if (info.exists() && !info.isFile())
        throw TError(tr("Zástupce %1 nelze zapsat: toto jméno nese něco jiného než soubor.")
                         .arg(QDir::toNativeSeparators(linkPath)));
    const QByteArray bytes = EntryText(target, arguments, description, iconFile, sendTo).toUtf8();
    QSaveFile file(linkPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TError(
            tr("Zástupce %1 nelze zapsat: %2").arg(QDir::toNativeSeparators(linkPath), file.errorString()));
    // Desktops start only launchers their owner may execute.
    QFile::setPermissions(linkPath, QFile::permissions(linkPath) | QFile::ExeOwner | QFile::ReadOwner
                                        | QFile::WriteOwner);
}

QString WriteLauncher(const QString &folder, const QString &iconFile, bool sendTo)
{
    if (folder.isEmpty())
        throw TError(sendTo ? tr("Nelze zjistit složku aplikací, do které se zástupce ukládá.")
                            : tr("Nelze zjistit složku plochy."));
    const QFileInfo dir(folder);
    if (sendTo && !dir.exists() && !QDir().mkpath(folder))
        throw TError(tr("Složku %1 nelze vytvořit.").arg(QDir::toNativeSeparators(folder)));
    if (!dir.exists() || !QFileInfo(folder).isDir())
        throw TError(tr("Složka %1 neexistuje.").arg(QDir::toNativeSeparators(folder)));
    const QString link = QDir(folder).filePath(FileName());
    MakeLink(QCoreApplication::applicationFilePath(), QString(), link, QStringLiteral("Testování shortcut"),
             iconFile, sendTo);
    // The desktop offers a launcher for text files only once the folder's cache lists it.
    if (sendTo)
        RefreshApplicationsCache(folder);
    return link;
}

bool RefreshApplicationsCache(const QString &folder)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (tool.isEmpty())
        return false;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, {folder});
    if (!process.waitForStarted(2000))
        return false;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void MarkTrusted(const QString &file)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(gio,
                  {QStringLiteral("set"), file, QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    if (process.waitForStarted(2000) && !process.waitForFinished(5000))
        process.kill(), process.waitForFinished(1000);
}

QString ProgramIconFile()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/../share/") + iconRelativePath());
    if (QFileInfo(installed).isFile())
        return installed;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    const QString copy = data + QLatin1Char('/') + iconRelativePath();
    QFile builtIn(QStringLiteral(":/icons/quortosk.svg"));
    if (!builtIn.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = builtIn.readAll();
    QFile existing(copy);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return copy;
    existing.close();
    if (!QDir().mkpath(QFileInfo(copy).absolutePath()))
        return {};
    QSaveFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {};
    return copy;
}

} // namespace Launchers
