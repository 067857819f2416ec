#include "app/files/TMRUManager.h"

#include "settings/store/TSettingsKeys.h"

#include <QAction>
#include <QMenu>

TMRUManager::TMRUManager(QMenu *menu, QObject *parent) : QObject(parent), m_menu(menu)
{
    setObjectName(QStringLiteral("MRUMan"));
    rebuild();
}

QString TMRUManager::LinkSection() const
{
    return SettingsKeys::RecentFilesLink;
}

void TMRUManager::Add(const QString &text, std::optional<qint32> userData)
{
    m_strings.Add(text, userData);
    rebuild();
}

void TMRUManager::LoadSettings(TSettingsSession &session, const QString &key)
{
    // Rebuilt once at the end, also when reading fails half-way.
    struct Rebuild
    {
        TMRUManager *m;
        ~Rebuild() { m->rebuild(); }
    } rebuildAtEnd{this};
    m_strings.Load(session, key);
}

void TMRUManager::SaveSettings(TSettingsSession &session, const QString &key)
{
    m_strings.Save(session, key);
}

void TMRUManager::rebuild()
{
    if (!m_menu)
        return;
    for (QAction *item : std::as_const(m_items)) {
        m_menu->removeAction(item);
        item->deleteLater(); // the item may be the one whose signal is running
    }
    m_items.clear();
    if (m_separator) {
        m_menu->removeAction(m_separator);
        m_separator->deleteLater();
        m_separator = nullptr;
    }
    if (!m_strings.IsEmpty() && !m_menu->actions().isEmpty())
        m_separator = m_menu->addSeparator();
    for (int i = 0; i < m_strings.Count(); ++i) {
        const QString text = m_strings.Text(i);
        auto *item = new QAction(TRecentStrings::MenuCaption(i, text), m_menu);
        item->setObjectName(QStringLiteral("MRUItem%1").arg(i));
        item->setData(i);
        const QString hint = TRecentStrings::MenuHint(text);
        item->setStatusTip(hint);
        item->setToolTip(hint);
        connect(item, &QAction::triggered, this, [this, i] { itemChosen(i); });
        m_menu->addAction(item);
        m_items.append(item);
    }
    const bool any = !m_menu->actions().isEmpty();
    m_menu->setEnabled(any);
    m_menu->menuAction()->setEnabled(any);
}

void TMRUManager::itemChosen(int index)
{
    if (index < 0 || index >= m_strings.Count())
        return;
    // The entry stays where it is: neither moved to the top nor removed.
    emit Click(m_strings.Text(index), m_items.value(index) ? m_items.value(index)->text() : QString(),
               m_strings.UserData(index));
}
