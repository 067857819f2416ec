#pragma once

class AboutCommands;
class CommandTable;
class EditCommands;
class EncodingCommands;
class FileCommands;
class PageCommands;
class PrintCommands;
class QMenu;
class SettingsCommands;
class SpellCommands;
class TextToolCommands;
class TSpeedBar;
class TypingSpellCheck;
class ViewCommands;

#include <QCoreApplication>

// The program's menus and commands: one declaration each, from which the command table
// makes the menu bar, the page menu, the tab menu and the speed bar's items.
class MainCommands
{
    Q_DECLARE_TR_FUNCTIONS(MainCommands)
public:
    // The menus, made empty first so that the controllers can be given the ones they fill
    // or show; AddRows fills them.
    struct Menus
    {
        QMenu *mmFile = nullptr, *mmEdit = nullptr, *mmView = nullptr, *mmUZIV = nullptr, *Nstroje1 = nullptr,
              *mmHelp = nullptr, *mmReopen = nullptr, *ss1 = nullptr, *mmLANGUAGE = nullptr,
              *mmKodovani = nullptr;
        QMenu *pmActivePage = nullptr, *pmMAINPAGE = nullptr;
    };
    static Menus AddMenus(CommandTable &table);

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
    // One row per command: name, caption, handler, keys, enabling rule, its places in the
    // menus, the page menu and the speed bar, and what a check mark shows. Fills the menus.
    static void AddRows(CommandTable &table, const Controllers &c);
};
