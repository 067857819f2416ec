#include "speedbar/SpeedItems.h"

#include <QCoreApplication>

#define TR(text) QT_TRANSLATE_NOOP("TSpeedBar", text)

namespace SpeedItems {

const QList<TSpeedItemRow> &Rows()
{
    // The first layout from the left: Nový, Otevřít, Uložit, Zavřít, Tisk, Vyjmout,
    // Kopírovat, Vložit, Zpět, Nastavení, Konec, with 8-pixel gaps after Zavřít, Tisk and
    // Zpět.
    static const QList<TSpeedItemRow> rows = {
        {TR("Soubor"), "SpeedItem1", TR("Nový"), 0, 3, "mmNew"},
        {TR("Soubor"), "SpeedItem2", TR("Otevřít"), 1, 27, "mmOpen"},
        {TR("Soubor"), "savebutton", TR("Uložit"), 2, 51, "mmSave"},
        {TR("Soubor"), "SpeedItem4", TR("Uložit jako"), 3, -1, "mmSaveAs"},
        {TR("Soubor"), "SpeedItem5", TR("Uložit vše"), 4, -1, "mmSaveAll"},
        {TR("Soubor"), "SpeedItem6", TR("Zavřít"), 5, 75, "mmClose"},
        {TR("Soubor"), "SpeedItem7", TR("Zavřít vše"), 6, -1, "mmCloseAll"},
        {TR("Soubor"), "SpeedItem8", TR("Tisk"), 7, 107, "mmPrint"},
        {TR("Soubor"), "SpeedItem9", TR("Nastavení tiskárny"), 8, -1, "mmPrinterSetup"},
        {TR("Soubor"), "SpeedItem10", TR("Konec"), 9, 267, "mmExit"},
        {TR("Úpravy"), "SpeedItem11", TR("Zpět"), 10, 211, "mmUndo"},
        {TR("Úpravy"), "SpeedItem12", TR("Vyjmout"), 11, 139, "mmCut"},
        {TR("Úpravy"), "SpeedItem13", TR("Kopírovat"), 12, 163, "mmCopy"},
        {TR("Úpravy"), "SpeedItem14", TR("Vložit"), 13, 187, "mmPaste"},
        {TR("Úpravy"), "SpeedItem15", TR("Najít"), 14, -1, "mmFind"},
        {TR("Úpravy"), "SpeedItem16", TR("Hledat další"), 15, -1, "mmFindAgain"},
        {TR("Úpravy"), "SpeedItem17", TR("Zaměnit"), 16, -1, "mmReplace"},
        {TR("Úpravy"), "SpeedItem18", TR("Přejít na"), 17, -1, "mmGOTO"},
        {TR("Úpravy"), "SpeedItem19", TR("Vložit datum a čas"), 18, -1, "Vloitdatumaas1"},
        {TR("Úpravy"), "SpeedItem20", TR("Velká písmena"), 19, -1, "UpperItem1"},
        {TR("Úpravy"), "SpeedItem21", TR("Malá písmena"), 20, -1, "LowerItem1"},
        {TR("Úpravy"), "SpeedItem22", TR("Inverze"), 21, -1, "InvertItem1"},
        {TR("Úpravy"), "SpeedItem23", TR("Vybrat vše"), 22, -1, "mmSelectAll"},
        {TR("Úpravy"), "SpeedItem24", TR("Zalomit řádky"), 23, -1, "itmWrap"},
        {TR("Zobrazit"), "SpeedItem25", TR("Panel nástrojů"), 24, -1, "mmTOOLBAR"},
        {TR("Zobrazit"), "SpeedItem26", TR("Stavový řádek"), 25, -1, "mmStatusBar"},
        {TR("Zobrazit"), "SpeedItem27", TR("SpeedPanel"), 26, -1, "mmSpeed"},
        {TR("Nástroje"), "SpeedItem28", TR("Konverze"), 27, -1, "mmKonverze"},
        {TR("Nástroje"), "SpeedItem29", TR("Pravopis"), 28, -1, "mmSpell"},
        {TR("Nástroje"), "SpeedItem30", TR("Nastavení"), 29, 243, "mmNASTAV"},
    };
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
