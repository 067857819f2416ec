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
class TSettingsStore;

// View options: the speed bar, the status bar and the side panel switches, the tab
// position and multi-row tabs, and the language submenu.
class ViewCommands : public QObject
{
    Q_OBJECT
public:
    // The widgets the switches show and hide.
    struct Parts
    {
        QWidget *toolBar = nullptr;
        QWidget *statusBar = nullptr;
        QWidget *sidePanel = nullptr;
        TPageControl *pages = nullptr;
    };
    // The items whose check mark or caption is the state, and the language submenu.
    struct Items
    {
        QAction *toolBar = nullptr;    // mmTOOLBAR
        QAction *statusBar = nullptr;  // mmStatusBar
        QAction *sidePanel = nullptr;  // mmSpeed
        QAction *tabs = nullptr;       // mmZALOZKY
        QAction *multiLine = nullptr;  // mmMultiLine
        QMenu *languageMenu = nullptr; // mmLANGUAGE
    };

    ViewCommands(const Parts &parts, TPrompts *prompts, TSettingsStore *settings, QWidget *window,
                 QObject *parent = nullptr);
    void SetItems(const Items &items);

    void mmTOOLBARClick();
    void mmStatusBarClick();
    void mmSpeedClick();
    void mmZALOZKYClick();
    void mmMultiLineClick();

    // Lists "[default]" and the translations found in `folders` in "&Jazyková verze" (at
    // creation: the folder of the executable and the installed translations folder), with a
    // check mark on the one in use; disabled when there is none.
    void FillLanguageMenu(const QStringList &folders);

private:
    void languageItemClick(QAction *item, const QString &code); // empty code: "[default]"

    Parts m_parts;
    Items m_items;
    TPrompts *m_prompts;
    TSettingsStore *m_settings;
    QWidget *m_window;
    QPointer<QActionGroup> m_languageGroup;
    QPointer<QAction> m_languageChecked;
};
