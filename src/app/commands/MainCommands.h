#pragma once

class AboutCommands;
class CommandTable;
class PrintCommands;
class SettingsCommands;
class SpellCommands;
class TypingSpellCheck;
class TSpeedBar;
struct TSpeedBarItem;
class EditCommands;
class EncodingCommands;
class FileCommands;
class PageCommands;
class QAction;
class QMainWindow;
class QMenu;
class TextToolCommands;
class ViewCommands;

#include <QCoreApplication>

// The program's command table and the menus built from it.
class MainCommands
{
    Q_DECLARE_TR_FUNCTIONS(MainCommands)
public:
    struct Controllers
    {
        PageCommands *pages = nullptr;
        FileCommands *files = nullptr;
        EditCommands *edits = nullptr;
        ViewCommands *view = nullptr;
        TextToolCommands *textTools = nullptr;
        PrintCommands *printing = nullptr;
        AboutCommands *about = nullptr;
        TSpeedBar *speedBar = nullptr;
        SpellCommands *spelling = nullptr;
        SettingsCommands *settings = nullptr;
        TypingSpellCheck *typingSpell = nullptr;
        EncodingCommands *encodings = nullptr;
    };

    // One row per command: handler, shortcut, enabling rule, places with names and captions.
    static void AddRows(CommandTable &table, const Controllers &c);

    // The main menus the window's menu bar holds, with the submenus other parts fill.
    struct Menus
    {
        QMenu *mmFile = nullptr, *mmEdit = nullptr, *mmView = nullptr, *mmUZIV = nullptr, *Nstroje1 = nullptr,
              *mmHelp = nullptr, *mmReopen = nullptr, *ss1 = nullptr, *mmLANGUAGE = nullptr,
              *mmKodovani = nullptr;
        QMenu *pmActivePage = nullptr, *pmMAINPAGE = nullptr;
        // Items whose state other parts keep.
        QAction *itmWrap = nullptr, *mmTOOLBAR = nullptr, *mmStatusBar = nullptr, *mmSpeed = nullptr,
                *mmZALOZKY = nullptr, *mmMultiLine = nullptr, *mmSave = nullptr, *savebutton = nullptr,
                *mmAutoSpell = nullptr, *mmKodWin1250 = nullptr, *mmKodUtf8 = nullptr;
    };

    // The speed bar's buttons, each with its place's action from the table.
    static QList<TSpeedBarItem> SpeedBarItems(CommandTable &table);

    // Builds the menu bar, the page menu and the tab menu from the table.
    static Menus BuildMenus(CommandTable &table, QMainWindow *window);
};
