#pragma once

#include <optional>
#include <QList>
#include <QString>

class TSettingsSession;

// The recent-files list: newest entry first, at most Capacity() entries, each a text (a
// file path) with a 32-bit user-data number. Texts are compared without regard to case;
// the list never holds two equal entries, and a re-added entry keeps its first spelling.
class TRecentStrings
{
public:
    static constexpr int DefaultCapacity = 10;

    explicit TRecentStrings(int capacity = DefaultCapacity);

    int Capacity() const { return m_capacity; }
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.isEmpty(); }
    QString Text(int index) const { return m_entries.at(index).text; }
    qint32 UserData(int index) const { return m_entries.at(index).userData; }
    int IndexOf(const QString &text) const; // -1 when absent

    // Puts the text on top: an equal entry is moved there, a new one is inserted and the
    // oldest dropped beyond the capacity. The top entry then carries `userData`; without
    // one a new entry gets 0 and a moved entry keeps its number.
    void Add(const QString &text, std::optional<qint32> userData = std::nullopt);
    void Clear() { m_entries.clear(); }

    // "Item_<i>" (i = 0 newest) and, for a number other than 0, "User_<i>" in `key`,
    // which is erased first. Errors are thrown (TError).
    void Save(TSettingsSession &session, const QString &key) const;
    // Clears the list and reads Item_<Capacity-1> .. Item_0; gaps are skipped.
    void Load(TSettingsSession &session, const QString &key);

    // The menu item of entry `index`: "&1\t<text>" .. "&9\t<text>", "&A\t<text>" (the
    // text up to its first "|"), and its hint (the text after the first "|", else all).
    static QString MenuCaption(int index, const QString &text);
    static QString MenuHint(const QString &text);

private:
    struct Entry
    {
        QString text;
        qint32 userData = 0;
    };
    int m_capacity;
    QList<Entry> m_entries;
};
