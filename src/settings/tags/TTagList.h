#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TSettingsSession;
class TSettingsStore;

// One user tag as the menu shows it: its caption and its hot-key text, and its position
// in the stored lists, by which its before and after texts are found at each use.
struct TTagMenuEntry
{
    QString name;
    QString hotKey;
    int number = 0;
};

// A tag's two texts, read from the store when the tag is used. Line breaks as stored
// (CR LF, possibly lone LF or CR from other writers).
struct TTagTexts
{
    QString before;
    QString after;
};

// The four parallel lists of user tags (names, hot-key texts, before texts, after texts)
// as the settings dialog edits them. Position i in each belongs to tag i; the lists are
// kept the same length.
class TTagList
{
public:
    int Count() const { return int(m_names.size()); }
    bool IsEmpty() const { return m_names.isEmpty(); }

    const QStringList &Names() const { return m_names; }
    const QStringList &HotKeys() const { return m_hotKeys; }
    const QStringList &Starts() const { return m_starts; }
    const QStringList &Ends() const { return m_ends; }

    QString Name(int i) const { return m_names.value(i); }
    QString HotKey(int i) const { return m_hotKeys.value(i); }
    QString Start(int i) const { return m_starts.value(i); }
    QString End(int i) const { return m_ends.value(i); }

    // Out-of-range positions change nothing.
    void SetName(int i, const QString &text);
    void SetHotKey(int i, const QString &text);
    void SetStart(int i, const QString &text);
    void SetEnd(int i, const QString &text);

    // A new tag at the end: the name given, no hot key, empty texts.
    void Append(const QString &name);
    void Remove(int i);

    // Reads the four lists from their keys. Every stored item is read: as many as "Count"
    // says, and more when items stand beyond it (a list written by hand); the shorter
    // lists are filled up with empty items so that the four stay parallel.
    void Load(TSettingsSession &session);
    // Each list's key is deleted and, when the list is not empty, written anew with
    // "Count" and "Item0".. Errors are thrown (TError).
    void Save(TSettingsSession &session) const;

    // The tags the menu shows: in list order up to the first empty name.
    static QList<TTagMenuEntry> MenuEntries(const QStringList &names, const QStringList &hotKeys);

    // What the menu is built from at start: "Item<n>" of the names' key for n = 0, 1, ...
    // up to the first missing or empty one ("Count" is not consulted), with the hot-key
    // text of the same number. Reading creates nothing; errors are thrown (TError).
    static QList<TTagMenuEntry> ReadMenuEntries(TSettingsStore &store);

    // Tag n's before and after texts as they are stored now (the file is read again, so
    // an edit by the settings dialog or by another running copy counts). Missing values
    // are empty. Errors are thrown (TError).
    static TTagTexts ReadTexts(TSettingsStore &store, int number);

    // Upper bound of the items read for one list.
    static constexpr int MaxItems = 65536;

    // One string list in a key of its own, in the form the tag lists use: "Count" and
    // "Item0".. (items standing past "Count" are read too). Writing deletes the key first and
    // leaves it out when the list is empty. Errors are thrown (TError).
    static QStringList ReadList(const TSettingsSession &session, const QString &key);
    static void WriteList(TSettingsSession &session, const QString &key, const QStringList &lines);

private:
    QStringList m_names, m_hotKeys, m_starts, m_ends;
};
