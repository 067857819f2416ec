#pragma once

#include "about/HelpGuide.h"
#include "app/commands/MainCommands.h"
#include "app/panel/TFilePanel.h"

#include <memory>
#include <QMainWindow>

class AboutCommands;
class CommandEnabler;
class PrintCommands;
class SettingsCommands;
class SpellCommands;
class TagCommands;
class TypingSpellCheck;
class CommandTable;
class EditCommands;
class EditorAppearance;
class EncodingCommands;
class FileCommands;
class FileDrop;
class FileWatch;
class Recovery;
class PageCommands;
class QMenu;
class QSplitter;
class QStatusBar;
class QToolBar;
class TextToolCommands;
class TFormStorage;
class TMRUManager;
class TPageControl;
class TPrompts;
class TRxRichEdit;
class TSettingsStore;
class TSpeedBar;
class TStatusPanels;
class TTabSheet;
class ViewCommands;

// The program's main window: the shell that lays out the menus, the page control with one
// editor per document, the status bar, the side panel and the speed bar, restores and saves
// the settings, and wires the command controllers to the command table.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // settings may be nullptr (nothing is restored or saved then).
    TMainForm(TPrompts *prompts, TSettingsStore *settings, QWidget *parent = nullptr);
    ~TMainForm() override;

    TPageControl *PageControl() const { return PageControl1; }
    TTabSheet *ActivePage() const;
    TRxRichEdit *ActiveEditor() const;
    TRxRichEdit *TemplateEditor() const { return editvzor2; }
    TPrompts *Prompts() const { return m_prompts; }

    CommandTable &Commands() const { return *m_commands; }
    PageCommands *Pages() const { return m_pages; }
    FileCommands *Files() const { return m_files; }
    EditCommands *Edits() const { return m_edits; }
    ViewCommands *View() const { return m_view; }
    TextToolCommands *TextTools() const { return m_textTools; }
    TStatusPanels *StatusPanels() const { return m_statusPanels; }
    TagCommands *Tags() const { return m_tags; }
    TypingSpellCheck *TypingSpell() const { return m_typingSpell; }
    EncodingCommands *Encodings() const { return m_encodings; }
    FileWatch *Watch() const { return m_fileWatch; }
    Recovery *RecoveryCopies() const { return m_recovery; }
    AboutCommands *About() const { return m_about; }

    // A termination signal or the session's logout: the unsaved pages' recovery copies and
    // the settings are written and the program ends without questions, also from inside a
    // modal dialog. Problems met then are written to stderr, never shown in a box.
    void EndWithoutQuestions();
    static void ReportOnTerminal(const QString &text);

    // --- Settings and recent files (TMainForm_settings.cpp) ---
    void AddToRecent(const QString &fileName, int userData); // user data: 0 command line, 1 dialogs
    void WriteStartDir();   // the exit command stores the side panel's folder
    void ReadStartDir();    // at creation
    void RestoreSettings(); // at the first showing, before the first page exists
    void SaveSettings();    // when the close query has let the window close
    // With "Při spuštění znovu otevřít soubory z minula" on: the pages' files in page order,
    // each caret and the active one, for the next start (untitled pages are left out).
    // `none` (ending by a signal) or the option off: no list is kept.
    void StoreLastFiles(bool none = false);

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void createMenus();
    void createControllers();
    void createCommands();
    void giveTagsTheirKeys(); // a command that yields its key to a tag holding it
    void createLayout();
    void createStatusBar();
    void afterFirstPaint(); // what the first sight of the window need not wait for
    static constexpr int ImagesDelayMs = 250; // from the first paint to the first menu images
    static constexpr int ImagesPerTurn = 3; // menu images given at one turn of the event loop
    void initSettings(); // TMainForm_settings.cpp
    QList<HelpGuide::KeyRow> keyRows() const; // the menus' commands with keys, for the guide

public:
    // The window's components, named as the program's documentation names them.
    TPageControl *PageControl1 = nullptr;
    TRxRichEdit *editvzor2 = nullptr;
    TFilePanel *pnlLEVY = nullptr; // side panel (file browser)
    TSpeedBar *ToolBar = nullptr;  // speed bar
    QStatusBar *StatusBar = nullptr;
    QSplitter *Splitter1 = nullptr;
    QMenu *mmFile = nullptr, *mmEdit = nullptr, *mmView = nullptr, *mmUZIV = nullptr, *Nstroje1 = nullptr,
          *mmHelp = nullptr, *mmReopen = nullptr, *ss1 = nullptr, *mmLANGUAGE = nullptr;
    QMenu *pmActivePage = nullptr, *pmMAINPAGE = nullptr;

private:
    TPrompts *m_prompts;
    TSettingsStore *m_settings;
    bool m_shown = false;
    bool m_painted = false;

    CommandTable *m_commands = nullptr;
    MainCommands::Menus m_menus;
    CommandEnabler *m_enabler = nullptr;
    PageCommands *m_pages = nullptr;
    FileCommands *m_files = nullptr;
    EditCommands *m_edits = nullptr;
    ViewCommands *m_view = nullptr;
    TextToolCommands *m_textTools = nullptr;
    PrintCommands *m_printing = nullptr;
    AboutCommands *m_about = nullptr;
    SpellCommands *m_spelling = nullptr;
    TypingSpellCheck *m_typingSpell = nullptr;
    TagCommands *m_tags = nullptr;
    SettingsCommands *m_settingsDialog = nullptr;
    std::unique_ptr<EditorAppearance> m_appearance; // what the settings dialog reaches of the editors
    TStatusPanels *m_statusPanels = nullptr;
    EncodingCommands *m_encodings = nullptr;
    FileWatch *m_fileWatch = nullptr;
    Recovery *m_recovery = nullptr;
    FileDrop *m_fileDrop = nullptr;
    bool m_ending = false; // EndWithoutQuestions ran

    // --- settings and recent files (TMainForm_settings.cpp) ---
    struct SettingsPart; // the form storage with its property bindings
    std::unique_ptr<SettingsPart, void (*)(SettingsPart *)> m_settingsPart{nullptr, nullptr};
    TFormStorage *FormStorage1 = nullptr; // owned by m_settingsPart; null without a store
    TMRUManager *MRUMan = nullptr;
    QString m_startDir; // the side panel's folder: read at creation, written by Exit, kept in step
    void templateLookChosen(); // the template's colours were chosen: stored as themselves
};
