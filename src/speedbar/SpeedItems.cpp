#include "speedbar/SpeedItems.h"

#include <QCoreApplication>

namespace SpeedItems {

namespace {
const char *const Soubor = QT_TRANSLATE_NOOP("TSpeedBar", "Soubor");
const char *const Upravy = QT_TRANSLATE_NOOP("TSpeedBar", "Úpravy");
const char *const Zobrazit = QT_TRANSLATE_NOOP("TSpeedBar", "Zobrazit");
const char *const Nastroje = QT_TRANSLATE_NOOP("TSpeedBar", "Nástroje");
} // namespace

const QList<TSpeedItemRow> &Rows()
{
    // The first layout from the left: Nový, Otevřít, Uložit, Zavřít, Tisk, Vyjmout,
    // Kopírovat, Vložit, Zpět, Nastavení, Konec, with 8-pixel gaps after Zavřít, Tisk and
    // Zpět.
    // clang-format off
    static const QList<TSpeedItemRow> rows = {
        {Soubor,   "SpeedItem1",  QT_TRANSLATE_NOOP("TSpeedBar", "Nový"), 0, 3, "mmNew"},
        {Soubor,   "SpeedItem2",  QT_TRANSLATE_NOOP("TSpeedBar", "Otevřít"), 1, 27, "mmOpen"},
        {Soubor,   "savebutton",  QT_TRANSLATE_NOOP("TSpeedBar", "Uložit"), 2, 51, "mmSave"},
        {Soubor,   "SpeedItem4",  QT_TRANSLATE_NOOP("TSpeedBar", "Uložit jako"), 3, -1, "mmSaveAs"},
        {Soubor,   "SpeedItem5",  QT_TRANSLATE_NOOP("TSpeedBar", "Uložit vše"), 4, -1, "mmSaveAll"},
        {Soubor,   "SpeedItem6",  QT_TRANSLATE_NOOP("TSpeedBar", "Zavřít"), 5, 75, "mmClose"},
        {Soubor,   "SpeedItem7",  QT_TRANSLATE_NOOP("TSpeedBar", "Zavřít vše"), 6, -1, "mmCloseAll"},
        {Soubor,   "SpeedItem8",  QT_TRANSLATE_NOOP("TSpeedBar", "Tisk"), 7, 107, "mmPrint"},
        {Soubor,   "SpeedItem9",  QT_TRANSLATE_NOOP("TSpeedBar", "Nastavení tiskárny"), 8, -1, "mmPrinterSetup"},
        {Soubor,   "SpeedItem10", QT_TRANSLATE_NOOP("TSpeedBar", "Konec"), 9, 267, "mmExit"},
        {Upravy,   "SpeedItem11", QT_TRANSLATE_NOOP("TSpeedBar", "Zpět"), 10, 211, "mmUndo"},
        {Upravy,   "SpeedItem12", QT_TRANSLATE_NOOP("TSpeedBar", "Vyjmout"), 11, 139, "mmCut"},
        {Upravy,   "SpeedItem13", QT_TRANSLATE_NOOP("TSpeedBar", "Kopírovat"), 12, 163, "mmCopy"},
        {Upravy,   "SpeedItem14", QT_TRANSLATE_NOOP("TSpeedBar", "Vložit"), 13, 187, "mmPaste"},
        {Upravy,   "SpeedItem15", QT_TRANSLATE_NOOP("TSpeedBar", "Najít"), 14, -1, "mmFind"},
        {Upravy,   "SpeedItem16", QT_TRANSLATE_NOOP("TSpeedBar", "Hledat další"), 15, -1, "mmFindAgain"},
        {Upravy,   "SpeedItem17", QT_TRANSLATE_NOOP("TSpeedBar", "Zaměnit"), 16, -1, "mmReplace"},
        {Upravy,   "SpeedItem18", QT_TRANSLATE_NOOP("TSpeedBar", "Přejít na"), 17, -1, "mmGOTO"},
        {Upravy,   "SpeedItem19", QT_TRANSLATE_NOOP("TSpeedBar", "Vložit datum a čas"), 18, -1, "Vloitdatumaas1"},
        {Upravy,   "SpeedItem20", QT_TRANSLATE_NOOP("TSpeedBar", "Velká písmena"), 19, -1, "UpperItem1"},
        {Upravy,   "SpeedItem21", QT_TRANSLATE_NOOP("TSpeedBar", "Malá písmena"), 20, -1, "LowerItem1"},
        {Upravy,   "SpeedItem22", QT_TRANSLATE_NOOP("TSpeedBar", "Inverze"), 21, -1, "InvertItem1"},
        {Upravy,   "SpeedItem23", QT_TRANSLATE_NOOP("TSpeedBar", "Vybrat vše"), 22, -1, "mmSelectAll"},
        {Upravy,   "SpeedItem24", QT_TRANSLATE_NOOP("TSpeedBar", "Zalomit řádky"), 23, -1, "itmWrap"},
        {Zobrazit, "SpeedItem25", QT_TRANSLATE_NOOP("TSpeedBar", "Panel nástrojů"), 24, -1, "mmTOOLBAR"},
        {Zobrazit, "SpeedItem26", QT_TRANSLATE_NOOP("TSpeedBar", "Stavový řádek"), 25, -1, "mmStatusBar"},
        {Zobrazit, "SpeedItem27", QT_TRANSLATE_NOOP("TSpeedBar", "SpeedPanel"), 26, -1, "mmSpeed"},
        {Nastroje, "SpeedItem28", QT_TRANSLATE_NOOP("TSpeedBar", "Konverze"), 27, -1, "mmKonverze"},
        {Nastroje, "SpeedItem29", QT_TRANSLATE_NOOP("TSpeedBar", "Pravopis"), 28, -1, "mmSpell"},
        {Nastroje, "SpeedItem30", QT_TRANSLATE_NOOP("TSpeedBar", "Nastavení"), 29, 243, "mmNASTAV"},
    };
    // clang-format on
    return rows;
}

QString Caption(const TSpeedItemRow &row)
{
    return QCoreApplication::translate("TSpeedBar", row.caption);
}

QString Section(const TSpeedItemRow &row)
{
    return QCoreApplication::translate("TSpeedBar", row.section);
}

} // namespace SpeedItems
