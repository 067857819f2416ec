#pragma once

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

class THunspellSpeller;
class TSettingsStore;

// Where the dictionary of a language is found and where the custom dictionary lives.
class SpellDictionaries
{
    Q_DECLARE_TR_FUNCTIONS(SpellDictionaries)
public:
    struct Files
    {
        QString aff, dic;
        bool IsFound() const { return !dic.isEmpty(); }
    };

    // The dictionary name of a Windows language id ("cs_CZ" for 1029); empty when unknown.
    static QString LanguageTag(int languageId);

    // The folders searched after the stored path: each folder of $DICPATH (separated by
    // ":"), $XDG_DATA_HOME/hunspell (~/.local/share/hunspell without it), then `system`.
    static QStringList SearchFolders(const QProcessEnvironment &env,
                                     const QStringList &system = SystemFolders());
    static QStringList SystemFolders();

    // <tag>.aff and <tag>.dic, both present, from the stored path (a folder, or the .dic
    // file itself with its .aff beside it) or else from the first folder holding them.
    static Files Find(const QString &tag, const QString &storedPath, const QStringList &folders);

    // The dictionary path the user stored in the settings, empty if none. Throws TError
    // for a damaged value.
    static QString StoredPath(TSettingsStore *store);

    // The folder of the settings file, where CUSTOM.DIC lives.
    static QString ConfigFolder(const TSettingsStore *store);

    // A binding for the language. Throws ESpellError (NotInstalled when no dictionary is
    // found; otherwise when it cannot be used). Touches no widget: may run on any thread.
    static std::unique_ptr<THunspellSpeller> Open(int languageId, int options, const QString &storedPath,
                                                  const QStringList &folders,
                                                  const QString &customDictFolder);
};
