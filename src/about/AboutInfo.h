#pragma once

#include <QString>
#include <QStringList>

// What the About dialog shows besides its controls: the version and the information text
// for the user's language.
namespace AboutInfo {

// The version the dialog shows; a fixed text, not read from the build.
inline const QString Version = QStringLiteral("2.2");

// The code of the information file for a language chosen in "&Jazyková verze" (a Qt
// translation code such as "en", empty for the program's own Czech): "ENU" for English,
// "CSY" for everything else.
QString LanguageCode(const QString &languageChoice);

// The folders the information file is looked for in: the executable's folder, then the
// installed data folder ../share/quortosk beside it.
QStringList InformationFolders(const QString &exeFolder);

// quor_<code>.txt in the first of the folders that has it; empty when none has it.
QString InformationFile(const QStringList &folders, const QString &code);

// The file's text, read as Windows-1250 with any line breaks; false when it cannot be read.
bool ReadInformation(const QString &path, QString *text);

} // namespace AboutInfo
