#include "settings/store/SettingsFile.h"

#include "settings/store/IniText.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

namespace SettingsFile {

namespace {

QMutex damagedMutex;
QSet<QString> damagedFiles; // absolute names

QString absoluteName(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

bool readFile(QIODevice &device, QSettings::SettingsMap &map)
{
    // One byte more than is parsed, so that an oversized file is seen as such.
    IniText::ReadResult result = IniText::Read(device.read(IniText::MaxBytes + 1));
    map = std::move(result.values);
    if (result.damaged) {
        const auto *file = qobject_cast<const QFileDevice *>(&device);
        const QMutexLocker lock(&damagedMutex);
        damagedFiles.insert(file ? absoluteName(file->fileName()) : QString());
    }
    return true;
}

bool writeFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray text = IniText::Write(map);
    return device.write(text) == text.size();
}

} // namespace

QSettings::Format Format()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readFile, writeFile, Qt::CaseSensitive);
    return format;
}

std::unique_ptr<QSettings> Open(const QString &fileName)
{
    return std::make_unique<QSettings>(fileName, Format());
}

bool TakeDamaged(const QString &fileName)
{
    const QMutexLocker lock(&damagedMutex);
    return damagedFiles.remove(absoluteName(fileName));
}

} // namespace SettingsFile
