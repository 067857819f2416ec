#pragma once

#include <QList>
#include <QString>

class TSettingsStore;

// The files that were open when the window last closed normally, for the option "Při
// spuštění znovu otevřít soubory z minula": their paths in page order, each page's caret
// and which of them was active.
struct TLastFiles
{
    struct File
    {
        QString path;
        int caret = 0;
        bool operator==(const File &) const = default;
    };
    QList<File> files;
    int active = -1; // index into files; -1: an untitled page was active, or none

    bool operator==(const TLastFiles &) const = default;

    // The option, off when missing or unreadable. Errors of the file are reported through
    // the store's problem handler.
    static bool ReopenOn(TSettingsStore &store);
    static void SetReopenOn(TSettingsStore &store, bool on);

    // The stored list (empty when there is none); a caret that is missing or negative reads
    // as 0, an active number outside the list as -1. Errors are thrown (TError).
    static TLastFiles Read(TSettingsStore &store);
    // Replaces the stored list; an empty one leaves no key behind. Errors are thrown (TError).
    static void Write(TSettingsStore &store, const TLastFiles &last);
};
