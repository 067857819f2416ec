#include "about/AboutInfo.h"

#include "text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace AboutInfo {

QString LanguageCode(const QString &languageChoice)
{
    if (!languageChoice.isEmpty() && QLocale(languageChoice).language() == QLocale::English)
        return QStringLiteral("ENU");
    return QStringLiteral("CSY");
}

QStringList InformationFolders(const QString &exeFolder)
{
    return {exeFolder, QDir::cleanPath(exeFolder + QStringLiteral("/../share/quortosk"))};
}

QString InformationFile(const QStringList &folders, const QString &code)
{
    const QString name = QStringLiteral("quor_") + code + QStringLiteral(".txt");
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return file.filePath();
    }
    return {};
}

bool ReadInformation(const QString &path, QString *text)
{
    QFile file(path);
    // The information text is a page of prose: a few kilobytes. Anything far larger is
    // not ours and is not loaded into the dialog.
    constexpr qint64 MaxSize = 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSize)
        return false;
    *text = TextFile::fromFileBytes(file.read(MaxSize));
    return true;
}

} // namespace AboutInfo
