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
#include "settings/dialog/SettingsCommands.h"
#include "speedbar/TSpeedBar.h"
#include "spell/SpellCommands.h"
#include "spell/TypingSpellCheck.h"

namespace {

MenuSpot in(const char *menu, int group)
{
    return {QLatin1String(menu), group};
}

template <typename Controller> std::function<void()> run(Controller *c, void (Controller::*handler)())
{
    return [c, handler] { (c->*handler)(); };
}

// A "Kó&dování" item: its click, and its check mark while the active page shows that set.
CommandRow encodingRow(const char *name, const QString &caption, EncodingCommands *k,
                       void (EncodingCommands::*click)(), bool (EncodingCommands::*shown)() const)
{
    return {.name = QLatin1String(name),
            .caption = caption,
            .handler = run(k, click),
            .enabling = Enabling::PageOpen,
            .menu = in("mmKodovani", 0),
            .binding = MarkOf(k, shown, &EncodingCommands::EncodingShown),
            .whileLoading = WhileLoading::WholeText};
}

// The speed bar's sections.
const char *const Soubor = QT_TRANSLATE_NOOP("TSpeedBar", "Soubor");
const char *const Upravy = QT_TRANSLATE_NOOP("TSpeedBar", "Úpravy");
const char *const Zobrazit = QT_TRANSLATE_NOOP("TSpeedBar", "Zobrazit");
const char *const Nastroje = QT_TRANSLATE_NOOP("TSpeedBar", "Nástroje");

} // namespace

MainCommands::Menus MainCommands::AddMenus(CommandTable &t)
{
    Menus m;
    m.mmFile = t.AddMenu({"mmFile", tr("&Soubor")});
    m.mmEdit = t.AddMenu({.name = "mmEdit", .title = tr("Úpr&avy"), .pageOnly = true});
    m.mmView = t.AddMenu({"mmView", tr("&Zobrazit")});
    m.mmUZIV = t.AddMenu({"mmUZIV", tr("Z&kratky")}); // the user tags (TagCommands)
    m.Nstroje1 = t.AddMenu({"Nstroje1", tr("&Nástroje")});
    m.mmHelp = t.AddMenu({"mmHelp", tr("Nápo&věda")});
    // The recent files (TMRUManager) and the languages (ViewCommands) fill their own.
    m.mmReopen = t.AddMenu(
        {.name = "mmReopen", .title = tr("Znovu otevřít"), .spot = in("mmFile", 0), .startsDisabled = true});
    m.mmKodovani = t.AddMenu(
        {.name = "mmKodovani", .title = tr("Kó&dování"), .spot = in("mmFile", 1), .pageOnly = true});
    m.ss1 = t.AddMenu({.name = "ss1", .title = tr("Velikos&t"), .spot = in("mmEdit", 3), .pageOnly = true});
    m.mmLANGUAGE =
        t.AddMenu({.name = "mmLANGUAGE", .title = tr("&Jazyková verze"), .spot = in("Nstroje1", 1)});
    // A right click in a page, and on the tabs.
    m.pmActivePage = t.AddMenu({.name = "pmActivePage", .popup = true});
    m.pmMAINPAGE = t.AddMenu({.name = "pmMAINPAGE", .popup = true});
    return m;
}

void MainCommands::AddRows(CommandTable &t, const Controllers &c)
{
    using K = QKeySequence;
    using E = Enabling;
    using WL = WhileLoading;
    const auto ctrl = Qt::CTRL, shift = Qt::SHIFT;
    auto *f = c.files;
    auto *e = c.edits;
    auto *x = c.textTools;
    auto *v = c.view;
    auto *p = c.pages;
    auto *k = c.encodings;
    // Page menu groups: closing, clipboard, files, searching, the end.
    enum { PmClose, PmClipboard, PmFiles, PmSearch, PmEnd };

    // The speed bar's items come in the order of the rows: the first layout from the left
    // is Nový, Otevřít, Uložit, Zavřít, Tisk, Vyjmout, Kopírovat, Vložit, Zpět, Nastavení,
    // Konec, with 8-pixel gaps after Zavřít, Tisk and Zpět.

    // "&Soubor"
    t.Add({.name = "mmNew",
           .caption = tr("&Nový"),
           .handler = run(p, &PageCommands::mmNewClick),
           .keys = {K(ctrl | Qt::Key_N)},
           .menu = in("mmFile", 0),
           .page = PagePlace{"pmaNew", tr("Nový"), PmFiles},
           .speed = SpeedPlace{"SpeedItem1", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Nový"), 0, 3}});
    t.Add({.name = "mmOpen",
           .caption = tr("&Otevřít"),
           .handler = run(f, &FileCommands::mmOpenClick),
           .keys = {K(ctrl | Qt::Key_O)},
           .menu = in("mmFile", 0),
           .page = PagePlace{"pmaOpen", tr("Otevřít"), PmFiles},
           .speed = SpeedPlace{"SpeedItem2", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Otevřít"), 1, 27}});
    t.Add({.name = "mmSave",
           .caption = tr("&Uložit"),
           .handler = run(f, &FileCommands::mmSaveClick),
           .keys = {K(ctrl | Qt::Key_S)},
           .enabling = E::SaveItem,
           .menu = in("mmFile", 1),
           .page = PagePlace{"pmaSave", tr("Uložit"), PmFiles},
           .speed = SpeedPlace{"savebutton", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Uložit"), 2, 51, true},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmSaveAs",
           .caption = tr("Uložit j&ako..."),
           .handler = run(f, &FileCommands::mmSaveAsClick),
           .keys = {K(ctrl | shift | Qt::Key_S)},
           .enabling = E::PageOpen,
           .menu = in("mmFile", 1),
           .page = PagePlace{"pmaSaveAs", tr("Uložit jako..."), PmFiles},
           .speed = SpeedPlace{"SpeedItem4", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Uložit jako"), 3, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmSaveAll",
           .caption = tr("U&ložit vše"),
           .handler = run(f, &FileCommands::mmSaveAllClick),
           .enabling = E::PageOpen,
           .menu = in("mmFile", 1),
           .page = PagePlace{"pmaSaveAll", tr("Uložit vše"), PmFiles},
           .speed = SpeedPlace{"SpeedItem5", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Uložit vše"), 4, -1},
           .whileLoading = WL::WholeText});
    t.Add(encodingRow("mmKodWin1250", tr("Windows 1250"), k, &EncodingCommands::mmKodWin1250Click,
                      &EncodingCommands::Windows1250Shown));
    t.Add(encodingRow("mmKodUtf8", tr("UTF-8"), k, &EncodingCommands::mmKodUtf8Click,
                      &EncodingCommands::Utf8Shown));
    t.Add(encodingRow("mmKodKamenicky", tr("Kamenický"), k, &EncodingCommands::mmKodKamenickyClick,
                      &EncodingCommands::KamenickyShown));
    t.Add(encodingRow("mmKodLatin2", tr("Latin 2"), k, &EncodingCommands::mmKodLatin2Click,
                      &EncodingCommands::Latin2Shown));
    t.Add(encodingRow("mmKodIso88592", tr("ISO 8859-2"), k, &EncodingCommands::mmKodIso88592Click,
                      &EncodingCommands::Iso8859_2Shown));
    t.Add({.name = "mmClose",
           .caption = tr("&Zavřít"),
           .handler = run(f, &FileCommands::mmCloseClick),
           .keys = {K(ctrl | Qt::Key_F4)},
           .enabling = E::PageOpen,
           .menu = in("mmFile", 2),
           .page = PagePlace{"pmaClose", tr("Zavřít"), PmClose},
           .speed = SpeedPlace{"SpeedItem6", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Zavřít"), 5, 75}});
    t.Add({.name = "mmCloseAll",
           .caption = tr("Zavřít vš&e"),
           .handler = run(f, &FileCommands::mmCloseAllClick),
           .enabling = E::PageOpen,
           .menu = in("mmFile", 2),
           .page = PagePlace{"pmaCloseAll", tr("Zavřít vše"), PmClose},
           .speed = SpeedPlace{"SpeedItem7", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Zavřít vše"), 6, -1}});
    t.Add({.name = "mmPrint",
           .caption = tr("&Tisk..."),
           .handler = run(c.printing, &PrintCommands::mmPrintClick),
           .keys = {K(ctrl | Qt::Key_P)},
           .enabling = E::PageOpen,
           .menu = in("mmFile", 3),
           .speed = SpeedPlace{"SpeedItem8", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Tisk"), 7, 107},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmPrintPreview",
           .caption = tr("Ná&hled tisku..."),
           .handler = run(c.printing, &PrintCommands::mmPrintPreviewClick),
           .enabling = E::PageOpen,
           .menu = in("mmFile", 3),
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmPrinterSetup",
           .caption = tr("Nastavení t&iskárny..."),
           .handler = run(c.printing, &PrintCommands::mmPrinterSetupClick),
           .menu = in("mmFile", 3),
           .speed = SpeedPlace{"SpeedItem9", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Nastavení tiskárny"), 8,
                               -1}});
    t.Add({.name = "mmExit",
           .caption = tr("&Konec"),
           .handler = run(f, &FileCommands::mmExitClick),
           .keys = {K(Qt::ALT | Qt::Key_F4), K(ctrl | Qt::Key_Q)},
           .menu = in("mmFile", 4),
           .page = PagePlace{"pmaExit", tr("&Konec"), PmEnd},
           .speed = SpeedPlace{"SpeedItem10", Soubor, QT_TRANSLATE_NOOP("TSpeedBar", "Konec"), 9, 267}});

    // "Úpr&avy"
    t.Add({.name = "mmUndo",
           .caption = tr("&Zpět"),
           .handler = run(e, &EditCommands::mmUndoClick),
           .keys = {K(ctrl | Qt::Key_Z)},
           .enabling = E::CanUndo,
           .menu = in("mmEdit", 0),
           .speed = SpeedPlace{"SpeedItem11", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Zpět"), 10, 211}});
    t.Add({.name = "mmRedo",
           .caption = tr("Znovu"),
           .handler = run(e, &EditCommands::mmRedoClick),
           .keys = {K(ctrl | Qt::Key_Y), K(ctrl | shift | Qt::Key_Z)},
           .enabling = E::CanRedo,
           .menu = in("mmEdit", 0)});
    t.Add({.name = "mmCut",
           .caption = tr("&Vyjmout"),
           .handler = run(e, &EditCommands::mmCutClick),
           .keys = {K(ctrl | Qt::Key_X)},
           .enabling = E::Selection,
           .menu = in("mmEdit", 1),
           .page = PagePlace{"pmaCut", tr("Vyjmout"), PmClipboard},
           .speed = SpeedPlace{"SpeedItem12", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Vyjmout"), 11, 139}});
    t.Add({.name = "mmCopy",
           .caption = tr("&Kopírovat"),
           .handler = run(e, &EditCommands::mmCopyClick),
           .keys = {K(ctrl | Qt::Key_C)},
           .enabling = E::Selection,
           .menu = in("mmEdit", 1),
           .page = PagePlace{"pmaCopy", tr("Kopírovat"), PmClipboard},
           .speed = SpeedPlace{"SpeedItem13", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Kopírovat"), 12, 163}});
    t.Add({.name = "mmPaste",
           .caption = tr("V&ložit"),
           .handler = run(e, &EditCommands::mmPasteClick),
           .keys = {K(ctrl | Qt::Key_V)},
           .enabling = E::CanPaste,
           .menu = in("mmEdit", 1),
           .page = PagePlace{"pmaPaste", tr("Vložit"), PmClipboard},
           .speed = SpeedPlace{"SpeedItem14", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Vložit"), 13, 187}});
    t.Add({.name = "mmFind",
           .caption = tr("&Najít..."),
           .handler = run(x, &TextToolCommands::mmFindClick),
           .keys = {K(ctrl | Qt::Key_F)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 2),
           .page = PagePlace{"pmaFind", tr("Najít"), PmSearch},
           .speed = SpeedPlace{"SpeedItem15", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Najít"), 14, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmFindAgain",
           .caption = tr("&Hledat další"),
           .handler = run(x, &TextToolCommands::mmFindAgainClick),
           .keys = {K(Qt::Key_F3)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 2),
           .speed = SpeedPlace{"SpeedItem16", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Hledat další"), 15, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmReplace",
           .caption = tr("Zaměn&it..."),
           .handler = run(x, &TextToolCommands::mmReplaceClick),
           .keys = {K(ctrl | Qt::Key_H)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 2),
           .page = PagePlace{"pmaReplace", tr("Zaměnit"), PmSearch},
           .speed = SpeedPlace{"SpeedItem17", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Zaměnit"), 16, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmGOTO",
           .caption = tr("Přejít na..."),
           .handler = run(x, &TextToolCommands::mmGOTOClick),
           .keys = {K(ctrl | Qt::Key_G)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 2),
           .speed = SpeedPlace{"SpeedItem18", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Přejít na"), 17, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "Vloitdatumaas1",
           .caption = tr("Vložit &datum a čas"),
           .handler = run(x, &TextToolCommands::Vloitdatumaas1Click),
           .keys = {K(ctrl | Qt::Key_D)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 3),
           .speed = SpeedPlace{"SpeedItem19", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Vložit datum a čas"),
                               18, -1}});
    t.Add(
        {.name = "UpperItem1",
         .caption = tr("&Velká písmena"),
         .handler = run(x, &TextToolCommands::UpperItem1Click),
         .keys = {K(ctrl | shift | Qt::Key_V)},
         .enabling = E::PageOpen,
         .menu = in("ss1", 0),
         .speed = SpeedPlace{"SpeedItem20", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Velká písmena"), 19, -1},
         .whileLoading = WL::WholeText});
    t.Add({.name = "LowerItem1",
           .caption = tr("&Malá písmena"),
           .handler = run(x, &TextToolCommands::LowerItem1Click),
           .keys = {K(ctrl | shift | Qt::Key_M)},
           .enabling = E::PageOpen,
           .menu = in("ss1", 0),
           .speed = SpeedPlace{"SpeedItem21", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Malá písmena"), 20, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "InvertItem1",
           .caption = tr("&Inverze"),
           .handler = run(x, &TextToolCommands::InvertItem1Click),
           .enabling = E::PageOpen,
           .menu = in("ss1", 0),
           .speed = SpeedPlace{"SpeedItem22", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Inverze"), 21, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmSelectAll",
           .caption = tr("Vybr&at vše"),
           .handler = run(e, &EditCommands::mmSelectAllClick),
           .keys = {K(ctrl | Qt::Key_A)},
           .enabling = E::PageOpen,
           .menu = in("mmEdit", 4),
           .speed = SpeedPlace{"SpeedItem23", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Vybrat vše"), 22, -1},
           .whileLoading = WL::WholeText});
    t.Add(
        {.name = "itmWrap",
         .caption = tr("Zalo&mit řádky"),
         .handler = run(e, &EditCommands::itmWrapClick),
         .keys = {K(ctrl | Qt::Key_W)},
         .enabling = E::PageOpen,
         .menu = in("mmEdit", 4),
         .speed = SpeedPlace{"SpeedItem24", Upravy, QT_TRANSLATE_NOOP("TSpeedBar", "Zalomit řádky"), 23, -1},
         .binding = MarkOf(e, &EditCommands::WrapMark, &EditCommands::WrapMarkChanged)});

    // "&Zobrazit"
    t.Add({.name = "mmTOOLBAR",
           .caption = tr("&Panel nástrojů"),
           .handler = run(v, &ViewCommands::mmTOOLBARClick),
           .menu = in("mmView", 0),
           .speed =
               SpeedPlace{"SpeedItem25", Zobrazit, QT_TRANSLATE_NOOP("TSpeedBar", "Panel nástrojů"), 24, -1},
           .binding = MarkOf(v, &ViewCommands::ToolBarMark, &ViewCommands::MarksChanged)});
    t.Add({.name = "mmStatusBar",
           .caption = tr("&Stavový řádek"),
           .handler = run(v, &ViewCommands::mmStatusBarClick),
           .menu = in("mmView", 0),
           .speed =
               SpeedPlace{"SpeedItem26", Zobrazit, QT_TRANSLATE_NOOP("TSpeedBar", "Stavový řádek"), 25, -1},
           .binding = MarkOf(v, &ViewCommands::StatusBarMark, &ViewCommands::MarksChanged)});
    t.Add({.name = "mmSpeed",
           .caption = tr("SpeedP&anel"),
           .handler = run(v, &ViewCommands::mmSpeedClick),
           .keys = {K(Qt::Key_F9)},
           .menu = in("mmView", 0),
           .speed = SpeedPlace{"SpeedItem27", Zobrazit, QT_TRANSLATE_NOOP("TSpeedBar", "SpeedPanel"), 26, -1},
           .binding = MarkOf(v, &ViewCommands::SidePanelMark, &ViewCommands::MarksChanged)});
    // The text of the active page larger or smaller (Ctrl+wheel too); each page keeps its own.
    t.Add({.name = "mmZoomIn",
           .caption = tr("&Zvětšit text"),
           .handler = run(e, &EditCommands::mmZoomInClick),
           .keys = {K(ctrl | Qt::Key_Plus), K(ctrl | Qt::Key_Equal)},
           .enabling = E::PageOpen,
           .menu = in("mmView", 1)});
    t.Add({.name = "mmZoomOut",
           .caption = tr("Z&menšit text"),
           .handler = run(e, &EditCommands::mmZoomOutClick),
           .keys = {K(ctrl | Qt::Key_Minus)},
           .enabling = E::PageOpen,
           .menu = in("mmView", 1)});
    t.Add({.name = "mmZoomReset",
           .caption = tr("Pů&vodní velikost textu"),
           .handler = run(e, &EditCommands::mmZoomResetClick),
           .keys = {K(ctrl | Qt::Key_0)},
           .enabling = E::PageOpen,
           .menu = in("mmView", 1)});
    // Line numbers and the caret's line marked: off at first, stored like the other switches.
    t.Add({.name = "mmLineNumbers",
           .caption = tr("Čísla řá&dků"),
           .handler = run(v, &ViewCommands::mmLineNumbersClick),
           .menu = in("mmView", 2),
           .binding = MarkOf(v, &ViewCommands::LineNumbersMark, &ViewCommands::MarksChanged)});
    t.Add({.name = "mmCurrentLine",
           .caption = tr("Zvýraznit a&ktuální řádek"),
           .handler = run(v, &ViewCommands::mmCurrentLineClick),
           .menu = in("mmView", 2),
           .binding = MarkOf(v, &ViewCommands::CurrentLineMark, &ViewCommands::MarksChanged)});

    // "&Nástroje" and "Nápo&věda"
    t.Add({.name = "mmKonverze",
           .caption = tr("&Konverze..."),
           .handler = run(x, &TextToolCommands::mmKonverzeClick),
           .enabling = E::NotUtf8,
           .menu = in("Nstroje1", 0),
           .speed = SpeedPlace{"SpeedItem28", Nastroje, QT_TRANSLATE_NOOP("TSpeedBar", "Konverze"), 27, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmSpell",
           .caption = tr("&Pravopis..."),
           .handler = run(c.spelling, &SpellCommands::mmSpellClick),
           .keys = {K(Qt::Key_F7)},
           .enabling = E::PageOpen,
           .menu = in("Nstroje1", 0),
           .speed = SpeedPlace{"SpeedItem29", Nastroje, QT_TRANSLATE_NOOP("TSpeedBar", "Pravopis"), 28, -1},
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmAutoSpell",
           .caption = tr("Kon&trolovat při psaní"),
           .handler = run(c.typingSpell, &TypingSpellCheck::mmAutoSpellClick),
           .menu = in("Nstroje1", 0),
           .binding = MarkOf(c.typingSpell, &TypingSpellCheck::IsOn, &TypingSpellCheck::OnChanged)});
    t.Add({.name = "KonverzezT6021",
           .caption = tr("Konverze z T602"),
           .handler = run(x, &TextToolCommands::KonverzezT6021Click),
           .keys = {K(ctrl | shift | Qt::Key_T)},
           .enabling = E::NotUtf8,
           .menu = in("Nstroje1", 0),
           .whileLoading = WL::WholeText});
    t.Add({.name = "mmTOOLEDIT",
           .caption = tr("N&astavit panel nástrojů..."),
           .handler = run(c.speedBar, &TSpeedBar::Customize),
           .menu = in("Nstroje1", 2)});
    t.Add(
        {.name = "mmNASTAV",
         .caption = tr("&Nastavení..."),
         .handler = run(c.settings, &SettingsCommands::mmNASTAVClick),
         .keys = {K(Qt::Key_F8)},
         .menu = in("Nstroje1", 2),
         .speed = SpeedPlace{"SpeedItem30", Nastroje, QT_TRANSLATE_NOOP("TSpeedBar", "Nastavení"), 29, 243}});
    t.Add({.name = "mmNAPOVEDA",
           .caption = tr("&Nápověda"),
           .handler = run(c.about, &AboutCommands::mmNAPOVEDAClick),
           .keys = {K(Qt::Key_F1)},
           .menu = in("mmHelp", 0)});
    t.Add({.name = "mmAbout",
           .caption = tr("O pro&gramu..."),
           .handler = run(c.about, &AboutCommands::mmAboutClick),
           .menu = in("mmHelp", 0)});

    // The tab menu. The caption of "Záložky dole" names where the next choice puts the tabs.
    t.Add({.name = "mmZALOZKY",
           .caption = tr("Záložky dole"),
           .handler = run(v, &ViewCommands::mmZALOZKYClick),
           .menu = in("pmMAINPAGE", 0),
           .binding = CaptionOf(v, &ViewCommands::TabsCaption, &ViewCommands::MarksChanged)});
    t.Add({.name = "mmMultiLine",
           .caption = tr("Víceřádkový režim"),
           .handler = run(v, &ViewCommands::mmMultiLineClick),
           .menu = in("pmMAINPAGE", 0),
           .binding = MarkOf(v, &ViewCommands::MultiLineMark, &ViewCommands::MarksChanged)});

    // Page switching: keys of the window; the page menu lists the items hidden. Some
    // keyboards report Ctrl+Shift+Tab as Ctrl+Backtab. Ctrl+PgDn and Ctrl+PgUp as elsewhere.
    t.Add({.name = "zalvpred1",
           .caption = QStringLiteral("zalvpred"),
           .handler = run(p, &PageCommands::zalvpred1Click),
           .keys = {K(ctrl | Qt::Key_Tab), K(ctrl | Qt::Key_PageDown)},
           .page = PagePlace{"zalvpred1Item", QStringLiteral("zalvpred"), PmEnd, true}});
    t.Add(
        {.name = "zalzpet1",
         .caption = QStringLiteral("zalzpet"),
         .handler = run(p, &PageCommands::zalzpet1Click),
         .keys = {K(ctrl | shift | Qt::Key_Tab), K(ctrl | shift | Qt::Key_Backtab), K(ctrl | Qt::Key_PageUp)},
         .page = PagePlace{"zalzpet1Item", QStringLiteral("zalzpet"), PmEnd, true}});

    t.FillMenus();
}
