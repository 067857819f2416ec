#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class TPageControl;
class TPrompts;
class TRxRichEdit;
class TSettingsStore;

// View options: the speed bar, the status bar and the side panel switches, the tab
// position and multi-row tabs, and the language submenu.
class ViewCommands : public QObject
{
    Q_OBJECT
public:
    // The widgets the switches show and hide, and the language submenu.
    struct Parts
    {
        QWidget *toolBar = nullptr;
        QWidget *statusBar = nullptr;
        QWidget *sidePanel = nullptr;
        TPageControl *pages = nullptr;
        QMenu *languageMenu = nullptr; // mmLANGUAGE
        TRxRichEdit *templateEditor = nullptr; // new pages take its line numbers and line mark
    };

    ViewCommands(const Parts &parts, TPrompts *prompts, TSettingsStore *settings, QWidget *window,
                 QObject *parent = nullptr);

    // The check marks are the switches' state, kept and stored apart from the widgets
    // (the stored mark and the stored visibility of the status bar may differ). The
    // multi-row mark and the tab item's caption start as they are and follow only their
    // own items, not a restored tab layout.
    bool ToolBarMark() const { return m_toolBar; }     // mmTOOLBAR
    bool StatusBarMark() const { return m_statusBar; } // mmStatusBar
    bool SidePanelMark() const { return m_sidePanel; } // mmSpeed
    bool MultiLineMark() const { return m_multiLine; } // mmMultiLine
    QString TabsCaption() const;                       // mmZALOZKY
    void SetToolBarMark(bool on);
    void SetStatusBarMark(bool on);
    void SetSidePanelMark(bool on);
    // Line numbers and the current line's mark: on every page's editor and the template.
    bool LineNumbersMark() const { return m_lineNumbers; } // mmLineNumbers
    bool CurrentLineMark() const { return m_currentLine; } // mmCurrentLine
    void SetLineNumbersMark(bool on);
    void SetCurrentLineMark(bool on);

    void mmTOOLBARClick();
    void mmStatusBarClick();
    void mmSpeedClick();
    void mmZALOZKYClick();
    void mmMultiLineClick();
    void mmLineNumbersClick();
    void mmCurrentLineClick();

    // Lists "[default]" and the translations found in `folders` in "&Jazyková verze" (at
    // creation: the folder of the executable and the installed translations folder), with a
    // check mark on the one in use; disabled when there is none.
    void FillLanguageMenu(const QStringList &folders);

signals:
    void MarksChanged(); // a check mark or the tab item's caption

private:
    void setMark(bool &mark, bool on);
    QList<TRxRichEdit *> editors() const;
    void languageItemClick(QAction *item, const QString &code); // empty code: "[default]"

    Parts m_parts;
    bool m_toolBar = false, m_statusBar = false, m_sidePanel = false, m_multiLine = false;
    bool m_lineNumbers = false, m_currentLine = false;
    bool m_tabsDownNext = true; // the tab item offers "Záložky dole"
    TPrompts *m_prompts;
    TSettingsStore *m_settings;
    QWidget *m_window;
    QPointer<QActionGroup> m_languageGroup;
    QPointer<QAction> m_languageChecked;
};
