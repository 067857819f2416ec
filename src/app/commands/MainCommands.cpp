#include "app/commands/MainCommands.h"

#include "about/TfrmAbout.h"
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/EncodingCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/PrintCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "settings/SettingsCommands.h"
#include "speedbar/CommandImages.h"
#include "speedbar/SpeedItems.h"
#include "speedbar/TSpeedBar.h"
#include "spell/SpellCommands.h"
#include "spell/TypingSpellCheck.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

CommandPlace menu(const char *name, const QString &caption)
{
    return {Place::MainMenu, QLatin1String(name), caption};
}

CommandPlace page(const char *name, const QString &caption, bool hidden = false)
{
    return {Place::PageMenu, QLatin1String(name), caption, hidden};
}

template <typename Controller> std::function<void()> run(Controller *c, void (Controller::*handler)())
{
    return [c, handler] { (c->*handler)(); };
}

} // namespace

void MainCommands::AddRows(CommandTable &t, const Controllers &c)
{
    using K = QKeySequence;
    const auto ctrl = Qt::CTRL, shift = Qt::SHIFT;
    auto *f = c.files;
    auto *e = c.edits;
    auto *x = c.textTools;
    auto *v = c.view;
    auto *p = c.pages;
    using E = Enabling;

    // "&Soubor"
    t.Add({run(p, &PageCommands::mmNewClick),
           {K(ctrl | Qt::Key_N)},
           -1,
           E::Always,
           false,
           {menu("mmNew", tr("&Nový")), page("pmaNew", tr("Nový"))}});
    t.Add({run(f, &FileCommands::mmOpenClick),
           {K(ctrl | Qt::Key_O)},
           -1,
           E::Always,
           false,
           {menu("mmOpen", tr("&Otevřít")), page("pmaOpen", tr("Otevřít"))}});
    t.Add({run(f, &FileCommands::mmSaveClick),
           {K(ctrl | Qt::Key_S)},
           -1,
           E::PageOpen,
           false,
           {menu("mmSave", tr("&Uložit")), page("pmaSave", tr("Uložit"))}});
    t.Add({run(f, &FileCommands::mmSaveAsClick),
           {K(ctrl | shift | Qt::Key_S)},
           -1,
           E::PageOpen,
           false,
           {menu("mmSaveAs", tr("Uložit j&ako...")), page("pmaSaveAs", tr("Uložit jako..."))}});
    t.Add({run(f, &FileCommands::mmSaveAllClick),
           {},
           -1,
           E::PageOpen,
           false,
           {menu("mmSaveAll", tr("U&ložit vše")), page("pmaSaveAll", tr("Uložit vše"))}});
    t.Add({run(f, &FileCommands::mmCloseClick),
           {K(ctrl | Qt::Key_F4)},
           -1,
           E::PageOpen,
           false,
           {menu("mmClose", tr("&Zavřít")), page("pmaClose", tr("Zavřít"))}});
    t.Add({run(f, &FileCommands::mmCloseAllClick),
           {},
           -1,
           E::PageOpen,
           false,
           {menu("mmCloseAll", tr("Zavřít vš&e")), page("pmaCloseAll", tr("Zavřít vše"))}});
    if (EncodingCommands *k = c.encodings) {
        t.Add({run(k, &EncodingCommands::mmKodWin1250Click),
               {},
               -1,
               E::PageOpen,
               true,
               {menu("mmKodWin1250", tr("Windows 1250"))}});
        t.Add({run(k, &EncodingCommands::mmKodUtf8Click),
               {},
               -1,
               E::PageOpen,
               true,
               {menu("mmKodUtf8", tr("UTF-8"))}});
    }
    t.Add({run(c.printing, &PrintCommands::mmPrintClick),
           {K(ctrl | Qt::Key_P)},
           -1,
           E::PageOpen,
           false,
           {menu("mmPrint", tr("&Tisk..."))}});
    t.Add({run(c.printing, &PrintCommands::mmPrintPreviewClick),
           {},
           -1,
           E::PageOpen,
           false,
           {menu("mmPrintPreview", tr("Ná&hled tisku..."))}});
    t.Add({run(c.printing, &PrintCommands::mmPrinterSetupClick),
           {},
           -1,
           E::Always,
           false,
           {menu("mmPrinterSetup", tr("Nastavení t&iskárny..."))}});
    t.Add({run(f, &FileCommands::mmExitClick),
           {K(Qt::ALT | Qt::Key_F4), K(ctrl | Qt::Key_Q)},
           -1,
           E::Always,
           false,
           {menu("mmExit", tr("&Konec")), page("pmaExit", tr("&Konec"))}});

    // "Úpr&avy"
    t.Add({run(e, &EditCommands::mmUndoClick),
           {K(ctrl | Qt::Key_Z)},
           -1,
           E::CanUndo,
           false,
           {menu("mmUndo", tr("&Zpět"))}});
    t.Add({run(e, &EditCommands::mmRedoClick),
           {K(ctrl | Qt::Key_Y), K(ctrl | shift | Qt::Key_Z)},
           -1,
           E::CanRedo,
           false,
           {menu("mmRedo", tr("Znovu"))}});
    t.Add({run(e, &EditCommands::mmCutClick),
           {K(ctrl | Qt::Key_X)},
           -1,
           E::Selection,
           false,
           {menu("mmCut", tr("&Vyjmout")), page("pmaCut", tr("Vyjmout"))}});
    t.Add({run(e, &EditCommands::mmCopyClick),
           {K(ctrl | Qt::Key_C)},
           -1,
           E::Selection,
           false,
           {menu("mmCopy", tr("&Kopírovat")), page("pmaCopy", tr("Kopírovat"))}});
    t.Add({run(e, &EditCommands::mmPasteClick),
           {K(ctrl | Qt::Key_V)},
           -1,
           E::CanPaste,
           false,
           {menu("mmPaste", tr("V&ložit")), page("pmaPaste", tr("Vložit"))}});
    t.Add({run(x, &TextToolCommands::mmFindClick),
           {K(ctrl | Qt::Key_F)},
           -1,
           E::PageOpen,
           false,
           {menu("mmFind", tr("&Najít...")), page("pmaFind", tr("Najít"))}});
    t.Add({run(x, &TextToolCommands::mmFindAgainClick),
           {K(Qt::Key_F3)},
           -1,
           E::PageOpen,
           false,
           {menu("mmFindAgain", tr("&Hledat další"))}});
    t.Add({run(x, &TextToolCommands::mmReplaceClick),
           {K(ctrl | Qt::Key_H)},
           -1,
           E::PageOpen,
           false,
           {menu("mmReplace", tr("Zaměn&it...")), page("pmaReplace", tr("Zaměnit"))}});
    t.Add({run(x, &TextToolCommands::mmGOTOClick),
           {K(ctrl | Qt::Key_G)},
           -1,
           E::PageOpen,
           false,
           {menu("mmGOTO", tr("Přejít na..."))}});
    t.Add({run(x, &TextToolCommands::Vloitdatumaas1Click),
           {K(ctrl | Qt::Key_D)},
           -1,
           E::PageOpen,
           false,
           {menu("Vloitdatumaas1", tr("Vložit &datum a čas"))}});
    t.Add({run(x, &TextToolCommands::UpperItem1Click),
           {K(ctrl | shift | Qt::Key_V)},
           -1,
           E::PageOpen,
           false,
           {menu("UpperItem1", tr("&Velká písmena"))}});
    t.Add({run(x, &TextToolCommands::LowerItem1Click),
           {K(ctrl | shift | Qt::Key_M)},
           -1,
           E::PageOpen,
           false,
           {menu("LowerItem1", tr("&Malá písmena"))}});
    t.Add({run(x, &TextToolCommands::InvertItem1Click),
           {},
           -1,
           E::PageOpen,
           false,
           {menu("InvertItem1", tr("&Inverze"))}});
    t.Add({run(e, &EditCommands::mmSelectAllClick),
           {K(ctrl | Qt::Key_A)},
           -1,
           E::PageOpen,
           false,
           {menu("mmSelectAll", tr("Vybr&at vše"))}});
    t.Add({run(e, &EditCommands::itmWrapClick),
           {K(ctrl | Qt::Key_W)},
           -1,
           E::PageOpen,
           true,
           {menu("itmWrap", tr("Zalo&mit řádky"))}});

    // "&Zobrazit"
    t.Add({run(v, &ViewCommands::mmTOOLBARClick),
           {},
           -1,
           E::Always,
           true,
           {menu("mmTOOLBAR", tr("&Panel nástrojů"))}});
    t.Add({run(v, &ViewCommands::mmStatusBarClick),
           {},
           -1,
           E::Always,
           true,
           {menu("mmStatusBar", tr("&Stavový řádek"))}});
    t.Add({run(v, &ViewCommands::mmSpeedClick),
           {K(Qt::Key_F9)},
           -1,
           E::Always,
           true,
           {menu("mmSpeed", tr("SpeedP&anel"))}});
    // The text of the active page larger or smaller (Ctrl+wheel too); each page keeps its own.
    t.Add({run(e, &EditCommands::mmZoomInClick),
           {K(ctrl | Qt::Key_Plus), K(ctrl | Qt::Key_Equal)},
           -1,
           E::PageOpen,
           false,
           {menu("mmZoomIn", tr("&Zvětšit text"))}});
    t.Add({run(e, &EditCommands::mmZoomOutClick),
           {K(ctrl | Qt::Key_Minus)},
           -1,
           E::PageOpen,
           false,
           {menu("mmZoomOut", tr("Z&menšit text"))}});
    t.Add({run(e, &EditCommands::mmZoomResetClick),
           {K(ctrl | Qt::Key_0)},
           -1,
           E::PageOpen,
           false,
           {menu("mmZoomReset", tr("Pů&vodní velikost textu"))}});

    // "&Nástroje" and "Nápo&věda"
    t.Add({run(x, &TextToolCommands::mmKonverzeClick),
           {},
           -1,
           E::NotUtf8,
           false,
           {menu("mmKonverze", tr("&Konverze..."))}});
    t.Add({run(c.spelling, &SpellCommands::mmSpellClick),
           {K(Qt::Key_F7)},
           -1,
           E::PageOpen,
           false,
           {menu("mmSpell", tr("&Pravopis..."))}});
    t.Add({run(c.typingSpell, &TypingSpellCheck::mmAutoSpellClick),
           {},
           -1,
           E::Always,
           true,
           {menu("mmAutoSpell", tr("Kon&trolovat při psaní"))}});
    t.Add({run(x, &TextToolCommands::KonverzezT6021Click),
           {K(ctrl | shift | Qt::Key_T)},
           -1,
           E::NotUtf8,
           false,
           {menu("KonverzezT6021", tr("Konverze z T602"))}});
    TSpeedBar *bar = c.speedBar;
    t.Add({[bar] { bar->Customize(); },
           {},
           -1,
           E::Always,
           false,
           {menu("mmTOOLEDIT", tr("N&astavit panel nástrojů..."))}});
    t.Add({run(c.settings, &SettingsCommands::mmNASTAVClick),
           {K(Qt::Key_F8)},
           -1,
           E::Always,
           false,
           {menu("mmNASTAV", tr("&Nastavení..."))}});
    t.Add({run(c.about, &AboutCommands::mmAboutClick),
           {},
           -1,
           E::Always,
           false,
           {menu("mmAbout", tr("O pro&gramu..."))}});

    // The tab menu.
    t.Add({run(v, &ViewCommands::mmZALOZKYClick),
           {},
           -1,
           E::Always,
           false,
           {menu("mmZALOZKY", tr("Záložky dole"))}});
    t.Add({run(v, &ViewCommands::mmMultiLineClick),
           {},
           -1,
           E::Always,
           true,
           {menu("mmMultiLine", tr("Viceřádkový režim"))}});

    // Page switching: keys of the window; the page menu lists the items hidden. Some
    // keyboards report Ctrl+Shift+Tab as Ctrl+Backtab. Ctrl+PgDn and Ctrl+PgUp as elsewhere.
    t.Add({run(p, &PageCommands::zalvpred1Click),
           {K(ctrl | Qt::Key_Tab), K(ctrl | Qt::Key_PageDown)},
           -1,
           E::Always,
           false,
           {menu("zalvpred1", QStringLiteral("zalvpred")),
            page("zalvpred1Item", QStringLiteral("zalvpred"), true)}});
    t.Add({run(p, &PageCommands::zalzpet1Click),
           {K(ctrl | shift | Qt::Key_Tab), K(ctrl | shift | Qt::Key_Backtab), K(ctrl | Qt::Key_PageUp)},
           -1,
           E::Always,
           false,
           {menu("zalzpet1", QStringLiteral("zalzpet")),
            page("zalzpet1Item", QStringLiteral("zalzpet"), true)}});

    // The speed bar's buttons run the commands of the same captions; the menu items show
    // the same images.
    for (const TSpeedItemRow &row : SpeedItems::Rows()) {
        t.AddPlace(QLatin1String(row.command),
                   {Place::SpeedBar, QLatin1String(row.name), SpeedItems::Caption(row)}, row.image);
        t.Action(QLatin1String(row.command))->setIcon(CommandImage(row.image));
    }
}

QList<TSpeedBarItem> MainCommands::SpeedBarItems(CommandTable &t)
{
    QList<TSpeedBarItem> items;
    for (const TSpeedItemRow &row : SpeedItems::Rows())
        items << TSpeedBarItem{SpeedItems::Section(row),          QLatin1String(row.name),
                               SpeedItems::Caption(row),          row.image,
                               t.Action(QLatin1String(row.name)), row.designLeft};
    return items;
}

namespace {
QMenu *addMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *m = bar->addMenu(title);
    m->setObjectName(QLatin1String(name));
    return m;
}

QMenu *submenu(CommandTable &table, QWidget *parent, const char *name, const QString &title)
{
    auto *m = new QMenu(title, parent);
    m->setObjectName(QLatin1String(name));
    table.AddSubmenu(m);
    return m;
}
} // namespace

MainCommands::Menus MainCommands::BuildMenus(CommandTable &t, QMainWindow *window)
{
    Menus m;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("mmMainMenu"));

    m.mmReopen = submenu(t, window, "mmReopen", tr("Znovu otevřít"));
    m.mmReopen->menuAction()->setObjectName(QStringLiteral("mmReopenItem"));
    m.mmReopen->setEnabled(false);
    m.ss1 = submenu(t, window, "ss1", tr("Velikos&t"));
    m.mmLANGUAGE = submenu(t, window, "mmLANGUAGE", tr("&Jazyková verze"));

    QStringList fileItems = {"mmNew",          "mmOpen",         "mmReopen",  "-",
                             "mmSave",         "mmSaveAs",       "mmSaveAll", "-",
                             "mmClose",        "mmCloseAll",     "-",         "mmPrint",
                             "mmPrintPreview", "mmPrinterSetup", "-",         "mmExit"};
    if (t.Has(QStringLiteral("mmKodUtf8"))) {
        m.mmKodovani = submenu(t, window, "mmKodovani", tr("Kó&dování"));
        t.FillMenu(m.mmKodovani, {"mmKodWin1250", "mmKodUtf8"});
        fileItems.insert(fileItems.indexOf(QStringLiteral("mmSaveAll")) + 1, QStringLiteral("mmKodovani"));
        m.mmKodWin1250 = t.Action(QStringLiteral("mmKodWin1250"));
        m.mmKodUtf8 = t.Action(QStringLiteral("mmKodUtf8"));
    }
    m.mmFile = addMenu(bar, "mmFile", tr("&Soubor"));
    t.FillMenu(m.mmFile, fileItems);
    m.mmEdit = addMenu(bar, "mmEdit", tr("Úpr&avy"));
    t.FillMenu(m.ss1, {"UpperItem1", "LowerItem1", "InvertItem1"});
    t.FillMenu(m.mmEdit,
               {"mmUndo", "mmRedo", "-", "mmCut", "mmCopy", "mmPaste", "-", "mmFind", "mmFindAgain",
                "mmReplace", "mmGOTO", "-", "Vloitdatumaas1", "ss1", "-", "mmSelectAll", "itmWrap"});
    m.mmView = addMenu(bar, "mmView", tr("&Zobrazit"));
    t.FillMenu(m.mmView,
               {"mmTOOLBAR", "mmStatusBar", "mmSpeed", "-", "mmZoomIn", "mmZoomOut", "mmZoomReset"});
    m.mmUZIV = addMenu(bar, "mmUZIV", tr("Z&kratky"));
    m.Nstroje1 = addMenu(bar, "Nstroje1", tr("&Nástroje"));
    t.FillMenu(m.Nstroje1, {"mmKonverze", "mmSpell", "mmAutoSpell", "KonverzezT6021", "-", "mmLANGUAGE", "-",
                            "mmTOOLEDIT", "mmNASTAV"});
    m.mmHelp = addMenu(bar, "mmHelp", tr("Nápo&věda"));
    t.FillMenu(m.mmHelp, {"mmAbout"});

    m.pmActivePage = new QMenu(window);
    m.pmActivePage->setObjectName(QStringLiteral("pmActivePage"));
    t.FillMenu(m.pmActivePage, {"pmaClose", "pmaCloseAll", "-", "pmaCut", "pmaCopy", "pmaPaste", "-",
                                "pmaNew", "pmaOpen", "pmaSave", "pmaSaveAs", "pmaSaveAll", "-", "pmaFind",
                                "pmaReplace", "-", "pmaExit", "zalvpred1Item", "zalzpet1Item"});
    m.pmMAINPAGE = new QMenu(window);
    m.pmMAINPAGE->setObjectName(QStringLiteral("pmMAINPAGE"));
    t.FillMenu(m.pmMAINPAGE, {"mmZALOZKY", "mmMultiLine"});

    m.itmWrap = t.Action(QStringLiteral("itmWrap"));
    m.mmTOOLBAR = t.Action(QStringLiteral("mmTOOLBAR"));
    m.mmStatusBar = t.Action(QStringLiteral("mmStatusBar"));
    m.mmSpeed = t.Action(QStringLiteral("mmSpeed"));
    m.mmZALOZKY = t.Action(QStringLiteral("mmZALOZKY"));
    m.mmMultiLine = t.Action(QStringLiteral("mmMultiLine"));
    m.mmSave = t.Action(QStringLiteral("mmSave"));
    m.savebutton = t.Action(QStringLiteral("savebutton"));
    m.mmAutoSpell = t.Action(QStringLiteral("mmAutoSpell"));
    return m;
}
