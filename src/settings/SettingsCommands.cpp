#include "settings/SettingsCommands.h"

#include <QPointer>

SettingsCommands::SettingsCommands(TRxRichEdit *editvzor2, std::function<TRxRichEdit *()> activeEditor,
                                   TfrmNASTAV::TagMenuBuilder rebuildTagMenu, TPrompts *prompts,
                                   QWidget *window, TSettingsStore *settings, QObject *parent)
    : QObject(parent), m_template(editvzor2), m_activeEditor(std::move(activeEditor)),
      m_rebuildTagMenu(std::move(rebuildTagMenu)), m_prompts(prompts), m_window(window), m_settings(settings)
{}

void SettingsCommands::mmNASTAVClick()
{
    TRxRichEdit *active = m_activeEditor ? m_activeEditor() : nullptr;
    QPointer<TfrmNASTAV> dialog =
        new TfrmNASTAV(m_template, active, m_rebuildTagMenu, m_prompts, m_settings, m_window);
    if (DialogCreated)
        DialogCreated(dialog);
    dialog->exec();
    delete dialog; // a window closed under the dialog has taken it along already
}
