#pragma once

#include <QString>

class TSettingsSession;

// A component that keeps its own settings in a key below a form store's section (the
// recent-files list, the speed bar). The form store calls it after the window placement
// in both Restore and Save; errors are thrown as TError and end that Restore or Save.
class TStoreLink
{
public:
    virtual ~TStoreLink() = default;
    // The component's default section name ("TMainForm.MRUMan", "TMainFormToolBar");
    // an empty name neither loads nor saves.
    virtual QString LinkSection() const = 0;
    virtual void LoadSettings(TSettingsSession &session, const QString &key) = 0;
    virtual void SaveSettings(TSettingsSession &session, const QString &key) = 0;
};
