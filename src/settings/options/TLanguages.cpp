#include "settings/options/TLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMap>
#include <QTranslator>

namespace {

const QString Prefix = QStringLiteral("quortosk_");
const QString Suffix = QStringLiteral(".qm");

QString fileName(const QString &code)
{
    return Prefix + code + Suffix;
}

} // namespace

namespace Languages {

QStringList SearchFolders()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    return {exeDir, QDir::cleanPath(exeDir + QStringLiteral("/../share/quortosk/translations"))};
}

QString Caption(const QString &code)
{
    const QLocale locale(code);
    if (code.isEmpty() || locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return {};
    // QLocale falls back to the C locale for a code it does not know, and to another
    // language for a known country with an unknown language: check the language part.
    const QString language = code.section(QLatin1Char('_'), 0, 0);
    if (QLocale(language).language() != locale.language())
        return {};
    // The language's own name, not that of one country's variant: the main locale of
    // English is the United States, whose name for it is "American English".
    const QLocale world(locale.language(), QLocale::World);
    QString caption = (world.language() == locale.language() && world.territory() == QLocale::World)
                          ? world.nativeLanguageName()
                          : QLocale(locale.language()).nativeLanguageName();
    if (caption.isEmpty())
        caption = QLocale::languageToString(locale.language());
    if (!caption.isEmpty())
        caption[0] = caption.at(0).toUpper();
    if (code.contains(QLatin1Char('_'))) {
        QString territory = locale.nativeTerritoryName();
        if (territory.isEmpty())
            territory = QLocale::territoryToString(locale.territory());
        caption += QStringLiteral(" (") + territory + QLatin1Char(')');
    }
    return caption;
}

QList<File> Available(const QStringList &folders)
{
    QMap<QString, File> found;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({Prefix + QStringLiteral("*") + Suffix}, QDir::Files | QDir::Readable);
        for (const QString &name : names) {
            const QString code = name.mid(Prefix.size(), name.size() - Prefix.size() - Suffix.size());
            if (code.isEmpty() || found.contains(code))
                continue;
            const QString caption = Caption(code);
            if (caption.isEmpty())
                continue;
            found.insert(code, {code, caption, dir.filePath(name)});
        }
    }
    return found.values();
}

bool Load(QTranslator &translator, const QString &code, const QStringList &folders)
{
    if (code.isEmpty() || code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')))
        return false;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(fileName(code));
        if (QFileInfo::exists(path) && translator.load(path))
            return true;
    }
    return false;
}

} // namespace Languages
