#pragma once

#include "app/files/TRecentStrings.h"
#include "settings/store/TStoreLink.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

// MRUMan: keeps the recent-files list and shows it in the "Znovu otevřít" submenu, one
// item "&1\t<path>" .. "&A\t<path>" per entry, newest first. The submenu is enabled exactly
// while it has items. Choosing an item raises Click and leaves the list as it is.
// Its settings live in the window's form storage, key "Options\TMainForm.MRUMan".
class TMRUManager : public QObject, public TStoreLink
{
    Q_OBJECT
public:
    explicit TMRUManager(QMenu *menu, QObject *parent = nullptr);

    const TRecentStrings &Strings() const { return m_strings; }
    // Enters a path at the top and rebuilds the submenu (user data as TRecentStrings::Add).
    void Add(const QString &text, std::optional<qint32> userData = std::nullopt);
    // The items this manager put into the submenu, newest first.
    QList<QAction *> Items() const { return m_items; }

    QString LinkSection() const override;
    void LoadSettings(TSettingsSession &session, const QString &key) override;
    void SaveSettings(TSettingsSession &session, const QString &key) override;

signals:
    void Click(const QString &recentName, const QString &caption, qint32 userData);

private:
    void rebuild();
    void itemChosen(int index);

    QPointer<QMenu> m_menu;
    TRecentStrings m_strings;
    QList<QAction *> m_items;
    QAction *m_separator = nullptr;
};
