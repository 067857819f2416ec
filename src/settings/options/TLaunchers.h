#pragma once

#include <QString>

// Desktop launchers to the program: the desktop's "Quorvel Tosk.desktop" and the entry in
// the user's applications folder that file managers offer under "Open with" (the two
// shortcuts of the settings dialog's "Obecné" page).
namespace Launchers {

// "Quorvel Tosk.desktop": the one file name both buttons write.
QString FileName();

// Where the two go: the desktop folder, and $XDG_DATA_HOME/applications (by default
// ~/.local/share/applications). Empty when it cannot be determined.
QString DesktopFolder();
QString ApplicationsFolder();

// The text of a desktop entry that starts `target` (full path) with `arguments` and the
// file handed to it, in the target's folder, with the description as comment and the
// icon file by absolute path. For the applications folder (sendTo) the entry is also
// offered for plain text files and kept out of the menus.
QString EntryText(const QString &target, const QString &arguments, const QString &description,
                  const QString &iconFile, bool sendTo);

// Writes one launcher file at linkPath atomically (a temporary file renamed over the old
// one), executable by its owner. The path must end in ".desktop" (any letter case):
// "Error: link path extension must be .desktop" otherwise. Failures are thrown (TError)
// with a Czech message; the old file, if any, is then left as it was.
void MakeLink(const QString &target, const QString &arguments, const QString &linkPath,
              const QString &description, const QString &iconFile, bool sendTo);

// Writes "Quorvel Tosk.desktop" into the folder for the running program: the desktop
// launcher (sendTo false) or the "Open with" entry (sendTo true). An empty folder, one
// that does not exist (the applications folder is created when missing) or cannot be
// written gives a TError with a Czech message. Returns the file written.
QString WriteLauncher(const QString &folder, const QString &iconFile, bool sendTo);

// Tells the desktop that the launcher may be started (GNOME asks otherwise): `gio set
// <file> metadata::trusted true` when gio is installed. Failures are ignored.
void MarkTrusted(const QString &file);

// Runs update-desktop-database on the folder, so that the desktop lists its launchers for
// their file types. False when the tool is missing or fails.
bool RefreshApplicationsCache(const QString &folder);

// The program's icon as a file a launcher can name: the installed icon beside the
// program (<prefix>/share/icons/hicolor/scalable/apps/quortosk.svg) or, for a program
// that is not installed, a copy of the built-in icon in the user's data folder
// (<data>/icons/hicolor/scalable/apps/quortosk.svg). Empty when neither can be had.
QString ProgramIconFile();

} // namespace Launchers
