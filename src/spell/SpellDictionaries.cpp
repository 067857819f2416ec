#include "spell/SpellDictionaries.h"

#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "spell/THunspellSpeller.h"

#include <QDir>
#include <QFileInfo>

QString SpellDictionaries::LanguageTag(int languageId)
{
    static const struct
    {
        int id;
        const char *tag;
    } tags[] = {
        {1029, "cs_CZ"}, {1051, "sk_SK"}, {1033, "en_US"}, {2057, "en_GB"},
        {1031, "de_DE"}, {1045, "pl_PL"}, {1038, "hu_HU"}, {1036, "fr_FR"},
    };
    for (const int id : {languageId, (languageId & 0x03FF) | 0x0400})
        for (const auto &t : tags)
            if (t.id == id)
                return QLatin1String(t.tag);
    return {};
}

QStringList SpellDictionaries::SystemFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts")};
}

QStringList SpellDictionaries::SearchFolders(const QProcessEnvironment &env, const QStringList &system)
{
    QStringList folders;
    for (const QString &f : env.value(QStringLiteral("DICPATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << f;
    QString data = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (data.isEmpty())
        data = QDir(env.value(QStringLiteral("HOME"), QDir::homePath()))
                   .filePath(QStringLiteral(".local/share"));
    folders << QDir(data).filePath(QStringLiteral("hunspell"));
    folders << system;
    return folders;
}

SpellDictionaries::Files SpellDictionaries::Find(const QString &tag, const QString &storedPath,
                                                 const QStringList &folders)
{
    auto pairIn = [&](const QString &folder, const QString &base) -> Files {
        const QDir dir(folder);
        Files f{dir.filePath(base + QStringLiteral(".aff")), dir.filePath(base + QStringLiteral(".dic"))};
        if (QFileInfo::exists(f.aff) && QFileInfo::exists(f.dic))
            return f;
        return {};
    };
    if (!tag.isEmpty() && !storedPath.isEmpty()) {
        const QFileInfo stored(storedPath);
        if (stored.isDir()) {
            if (Files f = pairIn(storedPath, tag); f.IsFound())
                return f;
        } else if (stored.suffix().compare(QLatin1String("dic"), Qt::CaseInsensitive) == 0) {
            if (Files f = pairIn(stored.absolutePath(), stored.completeBaseName()); f.IsFound())
                return f;
        }
    }
    if (tag.isEmpty())
        return {};
    for (const QString &folder : folders)
        if (Files f = pairIn(folder, tag); f.IsFound())
            return f;
    return {};
}

QString SpellDictionaries::StoredPath(TSettingsStore *store)
{
    if (!store)
        return {};
    TSettingsSession session(*store);
    return session.ReadString(SettingsKeys::Spelling, SettingsKeys::SpellDictionary).trimmed();
}

QString SpellDictionaries::ConfigFolder(const TSettingsStore *store)
{
    const QString file = store ? store->FileName() : TSettingsStore::DefaultFileName();
    return QFileInfo(file).absolutePath();
}

std::unique_ptr<THunspellSpeller> SpellDictionaries::Open(int languageId, int options,
                                                          const QString &storedPath,
                                                          const QStringList &folders,
                                                          const QString &customDictFolder)
{
    const QString tag = LanguageTag(languageId);
    const Files files = Find(tag, storedPath, folders);
    if (!files.IsFound()) {
        QStringList searched;
        if (!storedPath.isEmpty())
            searched << QDir::toNativeSeparators(storedPath);
        for (const QString &f : folders)
            searched << QDir::toNativeSeparators(f);
        const QString name = tag.isEmpty() ? QString::number(languageId) : tag;
        throw ESpellError(tr("Slovník pro kontrolu pravopisu není nainstalován.\n\n"
                             "Soubory %1.aff a %1.dic nebyly nalezeny v žádné z těchto složek:\n%2\n\n"
                             "Nainstalujte český slovník (balíček hunspell-cs).")
                              .arg(name, searched.join(QLatin1Char('\n'))),
                          ESpellError::NotInstalled);
    }
    return std::make_unique<THunspellSpeller>(languageId, options, files.aff, files.dic, customDictFolder);
}
