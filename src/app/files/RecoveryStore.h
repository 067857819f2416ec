#pragma once

#include "text/FileSignature.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One kept copy of an unsaved page: its text in the page's encoding and what is needed to
// show it again as that page.
struct RecoveryCopy
{
    QString fileName; // the page's file identity: its path, or its caption while untitled
    QString caption;  // the tab's text
    bool hasFile = false;
    QString encoding; // "windows-1250", "utf-8", "kamenicky", "ibm852" or "iso-8859-2"
    // How the page writes its file (TextFile::Format beside `encoding`). A copy of a version
    // that did not keep them has neither: CR LF, no byte-order mark.
    bool bom = false;
    bool lfOnly = false;
    int caret = 0;
    int order = 0;           // the page's place among the pages when it was copied
    FileSignature signature; // the file as the page last loaded or saved it
    QByteArray text;         // the page's text in `encoding`: CR LF between lines, "\n" in UTF-8

    // The copy as stored: a short header of "key value" lines, an empty line, the text.
    // The header names the text's length and SHA-1, so a cut or altered copy is noticed.
    QByteArray Serialize() const;
    // False (with the reason) for anything but an intact copy.
    static bool Parse(const QByteArray &bytes, RecoveryCopy *copy, QString *problem);
};

// The folder of recovery copies, $XDG_STATE_HOME/quortosk/recovery (by default
// ~/.local/state/quortosk/recovery). Each running instance keeps its copies in a folder of
// its own, locked (flock) for as long as the process lives: the kernel lets the lock go
// when the process ends in any way, also by SIGKILL, so a folder whose lock can be taken
// belongs to an instance that is no longer running. Copies are written atomically
// (temporary file, fsync, rename) and readable by the user only.
//
// The writing functions may run on any thread; the store's own state is touched only by
// the thread that made it.
class RecoveryStore
{
public:
    // `folder`: the recovery folder; DefaultFolder() for the program.
    explicit RecoveryStore(const QString &folder);
    ~RecoveryStore(); // leaves the own folder and its copies; Finish() removes them
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    static QString DefaultFolder();

    // Makes the instance's own locked folder; false (see Problem()) when that fails, and
    // then nothing is kept.
    bool Open();
    bool IsOpen() const { return m_lockFd >= 0; }
    QString Problem() const { return m_problem; }
    QString Folder() const { return m_folder; }
    QString OwnFolder() const { return m_ownFolder; }
    QString DamagedFolder() const;

    // The path of the own copy number `id`.
    QString CopyPath(int id) const;
    // A number no own copy has yet.
    int NewId();

    // Writes atomically, user-only (0600); false with the reason when it fails. Any thread.
    static bool Write(const QString &path, const QByteArray &bytes, QString *problem);
    // Removes a copy; a missing one is fine. Any thread.
    static void Remove(const QString &path);

    // Copies left by instances that no longer run. Taking them locks their folders, so a
    // second instance starting at the same moment leaves them alone; damaged copies are
    // moved to DamagedFolder() at once and named in `damaged` (their new paths).
    struct LeftCopy
    {
        QString path;
        RecoveryCopy copy;
    };
    struct Left
    {
        QList<LeftCopy> copies; // ordered by their folder's age, then by page order
        QStringList damaged;
    };
    Left TakeLeftCopies();
    // Moves a copy taken by TakeLeftCopies() into the own folder as copy `id` (so it is not
    // lost before the page's next copy is written); false when it could not be moved.
    bool Adopt(const QString &path, int id);
    // Lets the taken folders go. With `deleteCopies` (the user's "Zahodit", or every copy
    // adopted) the remaining copies and the folders are deleted; without it they stay, to
    // be offered at the next start.
    void ReleaseTaken(bool deleteCopies);

    // The program ended normally: the own folder goes with every copy in it.
    void Finish();

private:
    struct Taken
    {
        QString folder;
        QByteArray name; // in the recovery folder
        int lockFd;
        int dirFd;
        QList<QByteArray> kept; // damaged copies that could not be moved aside
    };
    QString m_folder;
    QString m_ownFolder;
    QString m_problem;
    int m_lockFd = -1;
    int m_rootFd = -1; // the recovery folder, open while left copies are taken
    int m_nextId = 1;
    QList<Taken> m_taken;
};
