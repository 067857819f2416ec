#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The user guide shipped with the program: help/<language>/index.html beside the executable
// (the build folder) or in the installed data folder share/quortosk/help. The page holds
// the mark KeysMark where the window puts the table of the keys of this run's commands.
namespace HelpGuide {

inline const QString KeysMark = QStringLiteral("<!-- keys -->");

// One row of the keys table: where the command is in the menus ("Soubor › Nový") and its
// keys as the platform writes them ("Ctrl+N").
struct KeyRow
{
    QString command;
    QString keys;
};

// help beside the executable, then ../share/quortosk/help.
QStringList Folders(const QString &exeFolder);

// The guide's folder name for an About language code: "en" for "ENU", "cs" for the rest.
QString Language(const QString &aboutCode);

// <folder>/<language>/index.html in the first folder that has it; the Czech guide when no
// folder has the language; empty when there is none at all.
QString File(const QStringList &folders, const QString &language);

// The page with the keys table (headed `commandTitle` and `keysTitle`) in place of KeysMark;
// names are escaped for HTML.
QString WithKeys(const QString &html, const QList<KeyRow> &rows, const QString &commandTitle,
                 const QString &keysTitle);

} // namespace HelpGuide
