#include "settings/dialog/SettingsCommands.h"

#include <QPointer>

SettingsCommands::SettingsCommands(EditorAppearance *appearance, TfrmNASTAV::TagMenuBuilder rebuildTagMenu,
                                   TPrompts *prompts, QWidget *window, TSettingsStore *settings,
                                   QObject *parent)
    : QObject(parent), m_appearance(appearance),
      m_rebuildTagMenu(std::move(rebuildTagMenu)), m_prompts(prompts), m_window(window), m_settings(settings)
{}

void SettingsCommands::mmNASTAVClick()
{
    QPointer<TfrmNASTAV> dialog = new TfrmNASTAV(m_appearance, m_rebuildTagMenu, m_prompts, m_settings, m_window);
    if (DialogCreated)
        DialogCreated(dialog);
    dialog->exec();
    delete dialog; // a window closed under the dialog has taken it along already
}
