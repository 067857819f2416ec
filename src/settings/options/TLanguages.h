#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

// The language versions of the program's texts: Qt translation files
// quortosk_<code>.qm beside the executable or in the installed translations folder.
// The source texts are Czech with the standard English texts of boxes and errors
// ("Confirm", "Cannot create file %1"); quortosk_cs.qm gives those in Czech too.
namespace Languages {

struct File
{
    QString code;    // "cs", "en", "de_AT"
    QString caption; // "Čeština", "English", "Deutsch (Österreich)"
    QString path;
};

// Beside the executable first, then <prefix>/share/quortosk/translations.
QStringList SearchFolders();

// The files present in `folders`, one per code (the first folder wins), sorted by code.
// Names whose code is no known language are left out.
QList<File> Available(const QStringList &folders);

// The submenu caption for a code: the language's name in that language, capitalised, for
// a code with a country followed by " (" + the country's name + ")". Empty for an unknown
// language.
QString Caption(const QString &code);

// Loads quortosk_<code>.qm from the first folder that has it into `translator`; false
// (translator untouched) for an empty code or when no folder has a loadable file.
bool Load(QTranslator &translator, const QString &code, const QStringList &folders);

} // namespace Languages
