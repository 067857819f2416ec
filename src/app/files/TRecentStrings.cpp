#include "app/files/TRecentStrings.h"

#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

TRecentStrings::TRecentStrings(int capacity) : m_capacity(qMax(1, capacity)) {}

namespace {
// File names differ by letter case where the file system tells them apart.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif
} // namespace

int TRecentStrings::IndexOf(const QString &text) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries.at(i).text.compare(text, PathCase) == 0)
            return i;
    return -1;
}

void TRecentStrings::Add(const QString &text, std::optional<qint32> userData)
{
    const int found = IndexOf(text);
    if (found >= 0) {
        m_entries.move(found, 0);
    } else {
        m_entries.prepend(Entry{text, 0});
        while (m_entries.size() > m_capacity)
            m_entries.removeLast();
    }
    if (userData)
        m_entries.first().userData = *userData;
}

void TRecentStrings::Save(TSettingsSession &session, const QString &key) const
{
    namespace K = SettingsKeys;
    session.DeleteKey(key);
    for (int i = 0; i < m_entries.size(); ++i) {
        session.WriteString(key, K::RecentItem.arg(i), m_entries.at(i).text);
        if (m_entries.at(i).userData != 0)
            session.WriteString(key, K::RecentUser.arg(i), QString::number(m_entries.at(i).userData));
        else
            session.DeleteValue(key, K::RecentUser.arg(i));
    }
}

void TRecentStrings::Load(TSettingsSession &session, const QString &key)
{
    namespace K = SettingsKeys;
    Clear();
    for (int i = m_capacity - 1; i >= 0; --i) {
        const QString text = session.ReadString(key, K::RecentItem.arg(i));
        const qint32 user = TSettingsCodec::DecodeInteger(
            TSettingsCodec::Trim(session.ReadString(key, K::RecentUser.arg(i), QStringLiteral("0"))));
        if (!text.isEmpty())
            Add(text, user);
    }
}

QString TRecentStrings::MenuCaption(int index, const QString &text)
{
    const QChar accel = index < 9 ? QChar(u'1' + index) : QChar(u'A' + (index - 9));
    QString shown = text.section(QLatin1Char('|'), 0, 0);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&")); // an "&" in a path is shown as it is
    return QLatin1Char('&') + accel + QLatin1Char('\t') + shown;
}

QString TRecentStrings::MenuHint(const QString &text)
{
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    return bar >= 0 ? text.mid(bar + 1) : text;
}
