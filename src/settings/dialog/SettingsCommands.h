#pragma once

#include "settings/dialog/TfrmNASTAV.h"

#include <functional>
#include <QObject>

class QWidget;
class TPrompts;
class EditorAppearance;
class TSettingsStore;

// The settings command "&Nastavení..." (F8, speed bar "Nastavení"): opens TfrmNASTAV
// modally, created anew for each opening. Whatever OK applies, the dialog applies itself.
class SettingsCommands : public QObject
{
    Q_OBJECT
public:
    // appearance: the editors' look (the template and the active page); rebuildTagMenu: what OK calls with the tag names and hot-key texts when the list is
    // not empty (TagCommands::RebuildTagMenu); settings may be null.
    SettingsCommands(EditorAppearance *appearance, TfrmNASTAV::TagMenuBuilder rebuildTagMenu, TPrompts *prompts, QWidget *window,
                     TSettingsStore *settings, QObject *parent = nullptr);

    void mmNASTAVClick();

    // Called with each new dialog before it is shown (tests answer it from here).
    std::function<void(TfrmNASTAV *)> DialogCreated;

private:
    EditorAppearance *m_appearance;
    TfrmNASTAV::TagMenuBuilder m_rebuildTagMenu;
    TPrompts *m_prompts;
    QWidget *m_window;
    TSettingsStore *m_settings;
};
