#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;
class QLabel;
class QSplitter;
class QStatusBar;
class QToolBar;
class TPrompts;
class TPageControl;
class TTabSheet;
class TRxRichEdit;
class TSettingsStore;

// The program's main window: menus, the page control with one editor per document, the
// status bar, the side panel and the toolbar. Commands are grouped by concern in
// TMainForm_*.cpp; each command is one QAction whose object name is the component name.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // settings may be nullptr (nothing is restored or saved then).
    TMainForm(TPrompts *prompts, TSettingsStore *settings, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The page control and the active page's editor (nullptr when no page is open).
    TPageControl *PageControl() const { return PageControl1; }
    TTabSheet *ActivePage() const;
    TRxRichEdit *ActiveEditor() const;
    TRxRichEdit *TemplateEditor() const { return editvzor2; }
    TPrompts *Prompts() const { return m_prompts; }

    // Every action by its component name ("mmSave", "itmWrap"...), for tests and the
    // toolbar.
    QAction *Action(const QString &name) const;

    // Shared by the command line, a second start, the open dialog, the recent list and
    // the side panel: opens one file on a new page.
    void OpenFile(const QString &fileName);

    // --- Main window and pages ---
    void mmNewClick();
    void CloseActivePage();
    void UpdateCommands();
    void SetupEditor(TRxRichEdit *editor);
    void zalvpred1Click();
    void zalzpet1Click();
    void mmFileClick();
    void mmEditClick();
    int UntitledCount() const { return m_untitledCount; }

    // --- Editing (editor control) ---
    void mmUndoClick();
    void mmCutClick();
    void mmCopyClick();
    void mmPasteClick();
    void mmSelectAllClick();
    void itmWrapClick();

    // --- File commands (TMainForm_file.cpp) ---
    void mmOpenClick();
    void mmSaveClick();
    void mmSaveAsClick();
    void mmSaveAllClick();
    void mmCloseClick();
    void mmCloseAllClick();
    void mmExitClick();
    void mmPrintClick();
    void mmPrinterSetupClick();

    // --- Text tools (TMainForm_text.cpp) ---
    void mmFindClick();
    void mmFindAgainClick();
    void mmReplaceClick();
    void mmGOTOClick();
    void Vloitdatumaas1Click();
    void UpperItem1Click();
    void LowerItem1Click();
    void InvertItem1Click();
    void mmKonverzeClick();
    void KonverzezT6021Click();
    void mmSpellClick();

    bool FormCloseQuery(); // asks about modified pages; true lets the window close

    // --- Settings and recent files (TMainForm_settings.cpp) ---
    void AddToRecent(const QString &fileName, int userData); // user data: 0 command line, 1 dialogs
    void WriteStartDir();   // the exit command stores the side panel's folder
    void ReadStartDir();    // at creation
    void RestoreSettings(); // at the first showing, before the first page exists
    void SaveSettings();    // when the close query has let the window close

    // --- View options and others (TMainForm_view.cpp) ---
    void mmTOOLBARClick();
    void mmStatusBarClick();
    void mmSpeedClick();
    void mmZALOZKYClick();
    void mmMultiLineClick();
    void mmTOOLEDITClick();
    void mmNASTAVClick();
    void mmAboutClick();

signals:
    // The active page changed (also to none).
    void ActivePageChanged(TTabSheet *page);
    // An editor's selection or caret moved (the status bar listens).
    void EditorSelectionChanged(TRxRichEdit *editor);

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void FormCreate();
    void FormShow();
    void createActions();
    void createMenus();
    void createPageMenus();
    void createStatusBar();
    QAction *addAction(const QString &name, const QString &caption,
                       const QKeySequence &shortcut, void (TMainForm::*handler)());
    QAction *addSwitch(const QString &name, const QString &caption,
                       const QKeySequence &shortcut, void (TMainForm::*handler)());
    void NewRichEditChange(TRxRichEdit *editor);
    void NewRichEditSelectionChange(TRxRichEdit *editor);
    void restoreEditCommands();
    bool editCommandAllowed(QAction *action);
    TTabSheet *createPage(const QString &caption, const QString &hint);
    void showErrorOf(const std::exception &e);
    void initFileCommands();   // TMainForm_file.cpp
    void initTextCommands();   // TMainForm_text.cpp
    void initViewCommands();   // TMainForm_view.cpp
    void initSettings();       // TMainForm_settings.cpp

public:
    // The window's components, named as the program's documentation names them.
    TPageControl *PageControl1 = nullptr;
    TRxRichEdit *editvzor2 = nullptr;
    QWidget *pnlLEVY = nullptr;      // side panel (file browser)
    QToolBar *ToolBar = nullptr;     // speed bar
    QStatusBar *StatusBar = nullptr;
    QSplitter *Splitter1 = nullptr;
    QMenu *mmFile = nullptr, *mmEdit = nullptr, *mmView = nullptr, *mmUZIV = nullptr,
          *Nstroje1 = nullptr, *mmHelp = nullptr, *mmReopen = nullptr, *ss1 = nullptr,
          *mmLANGUAGE = nullptr;
    QMenu *pmActivePage = nullptr, *pmMAINPAGE = nullptr;

private:
    TPrompts *m_prompts;
    TSettingsStore *m_settings;
    QHash<QString, QAction *> m_actions;
    QStringList m_unbuilt; // commands whose part of the program does not exist yet
    int m_untitledCount = 0; // never decreases
    TTabSheet *NewSheet = nullptr;
    TRxRichEdit *NewEditor = nullptr;
    bool m_shown = false;
    QString MissingFileName;

    // --- members of the file commands (TMainForm_file.cpp) ---
    // The page is passed on, not looked up again after a dialog: a later start may open
    // a page while a dialog is up.
    enum class SaveResult { Saved, Cancelled, Failed };
    bool LoadFileToNewPage(const QString &fileName); // false: no such file (reported later)
    SaveResult savePage(TTabSheet *page);   // Save; untitled and vanished files: Save As
    SaveResult savePageAs(TTabSheet *page); // Save As
    bool SavePageTo(TTabSheet *page, const QString &fileName); // false (error shown) on failure
    bool closePageAsking(TTabSheet *page);  // Close with its question; true when the page went
    void bringToFront();
    void showMissingFile(const QString &fileName);

    // --- members of the view options and status bar (TMainForm_view.cpp) ---
public:
    // Panels 1-3 from the editor's selection start; bound to EditorSelectionChanged.
    void UpdateStatusPanels(TRxRichEdit *editor);
    // Lists the translations found in `folders` in "&Jazyková verze" (at creation: the
    // folder of the executable and the installed translations folder).
    void FillLanguageMenu(const QStringList &folders);

private:
    void languageItemClick(const QString &code); // empty code: "[default]"
    class TStatusPanels *m_statusPanels = nullptr;

    // --- members of the settings and recent files (TMainForm_settings.cpp) ---
    struct SettingsPart; // the form storage with its property bindings
    std::unique_ptr<SettingsPart, void (*)(SettingsPart *)> m_settingsPart{nullptr, nullptr};
    class TFormStorage *FormStorage1 = nullptr; // owned by m_settingsPart; null without a store
    class TMRUManager *MRUMan = nullptr;
    QString m_startDir; // the side panel's folder: read at creation, written by Exit
    void MRUManClick(const QString &recentName);

    // --- members of the text tools (TMainForm_text.cpp) ---
};
