#pragma once

#include "settings/store/TStoredProperties.h"
#include "settings/store/TWindowPlacement.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <optional>

class QWidget;
class TSettingsStore;
class TStoreLink;

// A window's settings storage: its placement, the settings of linked components (each in
// "<section>\<link section>") and its declared stored properties, all in the store's
// section "Options". Restore reads placement, links, properties; Save writes them in the
// same order. Errors other than a single unusable property end that Restore or Save and
// go to the store's problem handler (shown once per run); they never stop the window.
//
// The owner keeps the window, the linked components and everything the properties are
// bound to alive until this object is gone: a store that was restored and has not saved
// since saves while it is being destroyed.
class TFormStorage
{
public:
    TFormStorage(QWidget *window, TSettingsStore *store, QString section);
    ~TFormStorage();
    TFormStorage(const TFormStorage &) = delete;
    TFormStorage &operator=(const TFormStorage &) = delete;

    TStoredProperties &Properties() { return m_properties; }
    void AddLink(TStoreLink *link) { m_links.append(link); }
    // The settings dialog writes its placement but never reads it back.
    void SetReadPlacement(bool read) { m_readPlacement = read; }

    void Restore();
    void Save();
    bool Restored() const { return m_restored; }
    bool Saved() const { return m_saved; }

    // The window's placement now, and the screen values stored with it.
    static TWindowPlacement PlacementOf(const QWidget *window);
    static int PixelsPerInch();
    static QSize ScreenSize();
    // False on Wayland, where a window has no position it could know or choose.
    static bool PlatformPlacesWindows();

private:
    void save(bool destroying);
    void restorePlacement(TSettingsSession &session);
    void applyRectangle(const std::array<int, 4> &rect);

    QPointer<QWidget> m_window;
    TSettingsStore *m_store;
    QString m_section;
    TStoredProperties m_properties;
    QList<TStoreLink *> m_links;
    bool m_readPlacement = true;
    std::optional<QPoint> m_readCorner; // the stored rectangle's left and top, once applied
    bool m_restored = false;
    bool m_saved = false;
};
