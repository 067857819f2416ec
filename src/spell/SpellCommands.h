#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;
class TPrompts;
class TRxRichEdit;
class SpellerSource;
class TSettingsStore;
class TSpellChecker;

// The spelling command of the main window ("&Pravopis...", F7, speed bar "Pravopis").
// The dictionary is read at the first check, not at start.
class SpellCommands : public QObject
{
    Q_OBJECT
public:
    // `settings` may be null: the default settings file's folder then holds CUSTOM.DIC and
    // no dictionary path is stored.
    SpellCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                  TSettingsStore *settings, QObject *parent = nullptr);
    ~SpellCommands() override;

    // Checks the active page's editor; does nothing without a page.
    void mmSpellClick();

    // The main window's spell checker ("Speller").
    TSpellChecker *Speller() const { return m_speller; }
    // The Czech speller it shares with the check as you type.
    SpellerSource *Source() const { return m_source; }

    // The folders searched after $DICPATH and the user's data folder (the system's
    // dictionary folders unless set otherwise, as tests do).
    void SetSystemDictionaryFolders(const QStringList &folders);

private:
    std::function<TRxRichEdit *()> m_activeEditor;
    TPrompts *m_prompts;
    QWidget *m_window;
    TSettingsStore *m_settings;
    QStringList m_systemFolders;
    SpellerSource *m_source;
    TSpellChecker *m_speller;
};
