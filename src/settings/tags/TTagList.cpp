#include "settings/tags/TTagList.h"

#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

#include <QRegularExpression>

namespace K = SettingsKeys;

namespace {

void setAt(QStringList &list, int i, const QString &text)
{
    if (i >= 0 && i < list.size())
        list[i] = text;
}

// The number of items a list key holds: its "Count", or more when items stand past it.
int storedCount(const TSettingsSession &session, const QString &key)
{
    int count = TSettingsCodec::DecodeInteger(
        TSettingsCodec::Trim(session.ReadString(key, K::Count, QStringLiteral("0"))));
    static const QRegularExpression itemName(QStringLiteral("^Item(\\d{1,9})$"));
    for (const QString &name : session.ValueNames(key)) {
        const QRegularExpressionMatch m = itemName.match(name);
        if (m.hasMatch())
            count = qMax(count, m.captured(1).toInt() + 1);
    }
    return qBound(0, count, TTagList::MaxItems);
}

QStringList readList(const TSettingsSession &session, const QString &key, int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << session.ReadString(key, K::ListItem.arg(i));
    return lines;
}

void writeList(TSettingsSession &session, const QString &key, const QStringList &lines)
{
    session.DeleteKey(key);
    if (lines.isEmpty())
        return;
    session.WriteString(key, K::Count, QString::number(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        session.WriteString(key, K::ListItem.arg(i), lines.at(i));
}

} // namespace

QStringList TTagList::ReadList(const TSettingsSession &session, const QString &key)
{
    return readList(session, key, storedCount(session, key));
}

void TTagList::WriteList(TSettingsSession &session, const QString &key, const QStringList &lines)
{
    writeList(session, key, lines);
}

void TTagList::SetName(int i, const QString &text)
{
    setAt(m_names, i, text);
}

void TTagList::SetHotKey(int i, const QString &text)
{
    setAt(m_hotKeys, i, text);
}

void TTagList::SetStart(int i, const QString &text)
{
    setAt(m_starts, i, text);
}

void TTagList::SetEnd(int i, const QString &text)
{
    setAt(m_ends, i, text);
}

void TTagList::Append(const QString &name)
{
    m_names << name;
    m_hotKeys << QString();
    m_starts << QString();
    m_ends << QString();
}

void TTagList::Remove(int i)
{
    if (i < 0 || i >= Count())
        return;
    for (QStringList *list : {&m_names, &m_hotKeys, &m_starts, &m_ends})
        list->removeAt(i);
}

void TTagList::Load(TSettingsSession &session)
{
    const QString keys[] = {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds};
    QStringList *lists[] = {&m_names, &m_hotKeys, &m_starts, &m_ends};
    int count = 0;
    for (const QString &key : keys)
        count = qMax(count, storedCount(session, key));
    QStringList read[4];
    for (int k = 0; k < 4; ++k)
        read[k] = readList(session, keys[k], count);
    for (int k = 0; k < 4; ++k)
        *lists[k] = std::move(read[k]);
}

void TTagList::Save(TSettingsSession &session) const
{
    // The order in which the dialog's settings storage has always written them.
    writeList(session, K::TagNames, m_names);
    writeList(session, K::TagEnds, m_ends);
    writeList(session, K::TagHotKeys, m_hotKeys);
    writeList(session, K::TagStarts, m_starts);
}

QList<TTagMenuEntry> TTagList::MenuEntries(const QStringList &names, const QStringList &hotKeys)
{
    QList<TTagMenuEntry> entries;
    for (int n = 0; n < names.size() && !names.at(n).isEmpty(); ++n)
        entries.append({names.at(n), hotKeys.value(n), n});
    return entries;
}

QList<TTagMenuEntry> TTagList::ReadMenuEntries(TSettingsStore &store)
{
    TSettingsSession session(store);
    QList<TTagMenuEntry> entries;
    for (int n = 0; n < MaxItems; ++n) {
        const QString name = session.ReadString(K::TagNames, K::ListItem.arg(n));
        if (name.isEmpty())
            break;
        entries.append({name, session.ReadString(K::TagHotKeys, K::ListItem.arg(n)), n});
    }
    return entries;
}

TTagTexts TTagList::ReadTexts(TSettingsStore &store, int number)
{
    TSettingsSession session(store); // a new connection: the file is read as it is now
    return {session.ReadString(K::TagStarts, K::ListItem.arg(number)),
            session.ReadString(K::TagEnds, K::ListItem.arg(number))};
}
