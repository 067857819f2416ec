<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="cs_CZ">
<context>
    <name>AboutCommands</name>
    <message>
        <source>Nápovědu se nepodařilo najít (hledána ve složkách %1).</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>quortosk: neznámá volba „%1“. Soubor, jehož název začíná „-“, uveďte za „--“: quortosk -- %1
Více ukáže quortosk --help.
</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Zalamování řádků zapnuto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zalamování řádků vypnuto</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>EncodingCommands</name>
    <message>
        <source>Kódování a konce řádků stránky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>LF</source>
        <translation>LF</translation>
    </message>
    <message>
        <source>CR LF</source>
        <translation>CR LF</translation>
    </message>
    <message>
        <source>Text je zřejmě v kódování %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Převést do Windows 1250</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ponechat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Počet znaků, které kódování %1 neumí uložit: %2. Změnou kódování se z nich stanou otazníky („?“). Změnit kódování?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Otevřít jako %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dokument T602, zřejmě v kódování Kamenických</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dokument T602, zřejmě v kódování %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Převést dokument T602</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bez názvu.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>File '%1' does not exist</source>
        <translation>Soubor '%1' neexistuje</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit jako</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor: %1 existuje. Přepsat?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1, byl změněn. Uložit změny?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor: %1, byl změněn. Uložit změny?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1 byl mezitím změněn jiným programem. Přepsat?</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Přístup odepřen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Disk je plný</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor neexistuje</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Složka neexistuje</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Disk je jen pro čtení</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Je to složka</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Část cesty není složka</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Název je příliš dlouhý</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor již existuje</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor je používán</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Příliš mnoho otevřených souborů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor je příliš velký</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nedostatek paměti</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chyba čtení nebo zápisu na disku</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Příliš mnoho symbolických odkazů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Neplatný název</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zařízení není dostupné</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Systémová chyba %1 (%2)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FileWatch</name>
    <message>
        <source>Soubor byl změněn jiným programem.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Načíst znovu (zahodit změny)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ponechat moje změny</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Načíst znovu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ponechat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor byl na disku smazán.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít stránku</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Změny nelze vzít zpět.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>Zástupce %1 nelze zapsat: toto jméno nese něco jiného než soubor.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zástupce %1 nelze zapsat: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nelze zjistit složku aplikací, do které se zástupce ukládá.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nelze zjistit složku plochy.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Nový</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nový</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Otevřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit j&amp;ako...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit jako...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>U&amp;ložit vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít vš&amp;e</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Tisk...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nastavení t&amp;iskárny...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Znovu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Vyjmout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vyjmout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kopírovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>V&amp;ložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Najít...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Najít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Hledat další</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměn&amp;it...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přejít na...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vložit &amp;datum a čas</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Velká písmena</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Malá písmena</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Inverze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vybr&amp;at vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zalo&amp;mit řádky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Panel nástrojů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Stavový řádek</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SpeedP&amp;anel</source>
        <translation>Boční p&amp;anel</translation>
    </message>
    <message>
        <source>&amp;Zvětšit text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Z&amp;menšit text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pů&amp;vodní velikost textu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Čísla řá&amp;dků</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zvýraznit a&amp;ktuální řádek</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Konverze...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Pravopis...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Konverze z T602</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>N&amp;astavit panel nástrojů...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Nastavení...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>O pro&amp;gramu...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Záložky dole</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Víceřádkový režim</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Znovu otevřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Velikos&amp;t</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Jazyková verze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Úpr&amp;avy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Z&amp;kratky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ná&amp;hled tisku...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kon&amp;trolovat při psaní</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Windows 1250</source>
        <translation>Windows 1250</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Kamenický</source>
        <translation>Kamenický</translation>
    </message>
    <message>
        <source>Latin 2</source>
        <translation>Latin 2</translation>
    </message>
    <message>
        <source>ISO 8859-2</source>
        <translation>ISO 8859-2</translation>
    </message>
    <message>
        <source>Kó&amp;dování</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>bezejmenný</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Probíhá tisk...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tisk</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Nalezeny neuložené texty z minulého spuštění (%1).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Obnovit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zahodit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Poškozené kopie neuložených textů (%1) byly odloženy do složky %2.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Do složky %1 nelze ukládat kopie neuložených textů (%2); po pádu programu je nebude možné obnovit.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Soubor %1 nelze otevřít: není to obyčejný soubor.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1 nelze uložit: není to obyčejný soubor.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SpellDictionaries</name>
    <message>
        <source>Slovník pro kontrolu pravopisu není nainstalován.

Soubory %1.aff a %1.dic nebyly nalezeny v žádné z těchto složek:
%2

Nainstalujte český slovník (balíček hunspell-cs).</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SpellerSource</name>
    <message>
        <source>Na slovník pro kontrolu pravopisu nezbývá paměť.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slovník pro kontrolu pravopisu nelze načíst.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TEditorPrinter</name>
    <message>
        <source>Vybraná tiskárna není platná</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1 nelze vytvořit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Není vybrána žádná tiskárna</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tiskárna %1 není dostupná</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tisk se nezdařil</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TErrorText</name>
    <message>
        <source>Error opening %1 - %2</source>
        <translation>Chyba při otevírání %1 - %2</translation>
    </message>
</context>
<context>
    <name>TFilePanel</name>
    <message>
        <source>Přístup odepřen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Nápověda – Quorvel Tosk</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Příkaz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Klávesy</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>THotKeyEdit</name>
    <message>
        <source>žádná</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>THunspellSpeller</name>
    <message>
        <source>soubor %1 chybí</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>soubor %1 nelze číst</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>soubor %1 není textový</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>soubor %1 nezačíná počtem slov</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slovník pro kontrolu pravopisu %1 je poškozený nebo nečitelný: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slovník %1 používá kódování %2, které program nezná</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vlastní slovník %1 nelze vytvořit: %2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vlastní slovník %1 nelze číst</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vlastní slovník %1 je poškozený (není to text v kódování UTF-8); slova s chybnými znaky se nenačetla</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Slovo „%1“ nelze uložit do vlastního slovníku %2: %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>není to obyčejný soubor</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TInstanceChannel</name>
    <message>
        <source>Argument je příliš dlouhý (%1 bajtů, nejvýše %2) a běžícímu programu nebyl předán.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Běžící program má příliš mnoho souborů k otevření; %1 nebyl předán.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TLastFilesReopen</name>
    <message>
        <source>Tyto soubory z minula už neexistují a nebyly otevřeny:
%1</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TPageControl</name>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Přepsat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Najít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Najít:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit &amp;za:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pouze &amp;celá slova</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Rozlišovat malá a velká písmena</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Směr</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nahor&amp;u</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Do&amp;lů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Najít &amp;další</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Za&amp;měnit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit &amp;vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSearchHighlight</name>
    <message>
        <source>žádný výskyt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 výskyt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 výskyty</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 výskytů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1. z %2</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>Settings file '%1' is damaged; the values that could not be read keep their defaults</source>
        <translation>Soubor nastavení '%1' je poškozený; hodnoty, které nešlo přečíst, zůstávají výchozí</translation>
    </message>
    <message>
        <source>Cannot read settings file '%1'</source>
        <translation>Nelze přečíst soubor nastavení '%1'</translation>
    </message>
    <message>
        <source>Invalid data type for '%1'</source>
        <translation>Neplatný typ dat pro '%1'</translation>
    </message>
    <message>
        <source>Failed to set data for '%1'</source>
        <translation>Nepodařilo se uložit data pro '%1'</translation>
    </message>
    <message>
        <source>Nastavení nelze číst ani ukládat: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor nastavení %1 je příliš velký a nelze jej odložit; nastavení se nenačte ani neuloží.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor nastavení %1 je příliš velký (%2 MB): byl odložen jako %3 a program začíná s výchozím nastavením.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSpeedBar</name>
    <message>
        <source>Soubor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Úpravy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zobrazit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nástroje</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nový</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit jako</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uložit vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zavřít vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tisk</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nastavení tiskárny</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Konec</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zpět</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vyjmout</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kopírovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vložit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Najít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hledat další</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přejít na</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vložit datum a čas</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Velká písmena</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Malá písmena</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Inverze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vybrat vše</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zalomit řádky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Panel nástrojů</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stavový řádek</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SpeedPanel</source>
        <translation>Boční panel</translation>
    </message>
    <message>
        <source>Konverze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Pravopis</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSpeedbarSetupWindow</name>
    <message>
        <source>Úprava tlačítkové lišty</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Kategorie:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Dostupná tlačítka:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Chcete-li přidat tlačítka příkazů, táhněte a pusťte tlačítka na lištu. Chcete-li je vyjmout, táhněte je pryč z tlačítkové lišty.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>Neznáme slovo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Chybné dělení slov</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Capitalization error</source>
        <translation>Chyba ve velkých písmenech</translation>
    </message>
    <message>
        <source>Possible abbreviation</source>
        <translation>Možná zkratka</translation>
    </message>
    <message>
        <source>Sentence capitalization error</source>
        <translation>Věta nezačíná velkým písmenem</translation>
    </message>
    <message>
        <source>Repeated word</source>
        <translation>Opakované slovo</translation>
    </message>
    <message>
        <source>Mezery navíc</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Missing space</source>
        <translation>Chybí mezera</translation>
    </message>
    <message>
        <source>Numerals in start of word</source>
        <translation>Číslice na začátku slova</translation>
    </message>
    <message>
        <source>Kontrola pravopisu</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TSpellerDialog2</name>
    <message>
        <source>Kontrola pravopisu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Možnosti</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Začít</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměňovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Přeskočit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Př&amp;eskakovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přid&amp;at</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zpět poslední</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TStatusPanels</name>
    <message>
        <source>Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Načítá se: %1 %</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor se ještě načítá: za koncem načtené části zatím nelze mazat.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Načítá se celý text…</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TagCommands</name>
    <message>
        <source>Text by byl delší než 16 777 215 znaků, které editor pojme; zkratka nebyla vložena.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nelze vytvořit soubor %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nelze otevřít soubor %1</translation>
    </message>
    <message>
        <source>Soubor %1 je příliš velký: editor pojme nejvýše 16 777 215 znaků.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1 je v kódování %2. Editor otevírá jen texty v kódování Windows 1250, UTF-8, Kamenický, Latin 2 a ISO 8859-2; přečten jako 8bitový text by se uložením zničil.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Soubor %1 není platný text v kódování UTF-8.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1250</source>
        <translation>Windows-1250</translation>
    </message>
    <message>
        <source>Kamenický</source>
        <translation>Kamenický</translation>
    </message>
    <message>
        <source>Latin 2</source>
        <translation>Latin 2</translation>
    </message>
    <message>
        <source>ISO-8859-2</source>
        <translation>ISO-8859-2</translation>
    </message>
</context>
<context>
    <name>TextToolCommands</name>
    <message>
        <source>Nenalezeno</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zaměněno: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přejít na</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přejít na řádek [1 až %1]</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' není platné celé číslo</translation>
    </message>
    <message>
        <source>Na stránce v kódování UTF-8 tento nástroj nepracuje: pracuje přes Windows 1250 a ostatní znaky by změnil na „?“.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Konverze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Konverze z T602</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>O programu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Textový editor pro češtinu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Svobodný software, šířený pod licencí GNU GPL verze 2 nebo pozdější:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Postaveno na knihovně Qt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Autor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Informace</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmKonverze</name>
    <message>
        <source>Konverze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Do:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Windows 1250</source>
        <translation>Windows 1250</translation>
    </message>
    <message>
        <source>Kamenický</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Latin 2</source>
        <translation>Latin 2</translation>
    </message>
    <message>
        <source>ISO 8859-2</source>
        <translation>ISO 8859-2</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>&amp;Konvertovat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Náhled</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TfrmNASTAV</name>
    <message>
        <source>Otevřít v</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zástupce je uložen v %1. Aby jej prostředí nabízelo pro textové soubory, spusťte v terminálu: update-desktop-database "%1" (balík desktop-file-utils), nebo se odhlaste a znovu přihlaste.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Obecné</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Písmo/barvy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zkratky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>černá</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>kaštanová</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>zelená</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>olivová</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>námořnická modř</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>fialová</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>šedozelená</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>šedá</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>stříbrná</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>červená</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>žlutozelená</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>žlutá</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>modrá</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>fuchsiová</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>akvamarínová</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>bílá</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zástupci</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přidat do složky &amp;ODESLAT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přidat na &amp;PLOCHU</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>barva textu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>barva pozadí</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Typ &amp;písma...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>ukázka textu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Klávesové zkratky</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přidat</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Odstranit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Název:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hotkey:</source>
        <translation>Klávesa:</translation>
    </message>
    <message>
        <source>Před vybraný text:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Za vybraný text:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>[Název]</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Při spuštění &amp;znovu otevřít soubory z minula</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TypingSpellCheck</name>
    <message>
        <source>Kontrola pravopisu</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kontrola pravopisu při psaní nepracuje.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>(žádné návrhy)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přidat do slovníku</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Přeskakovat</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>Záložky dole</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Záložky nahoře</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>[default]</source>
        <translation>[výchozí]</translation>
    </message>
    <message>
        <source>Restart this program</source>
        <translation>Spusťte program znovu</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Initialization failed</source>
        <translation>Inicializace se nezdařila</translation>
    </message>
    <message>
        <source>Název souboru %1 nelze použít: není platný v kódování systému.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Příliš mnoho souborů k otevření najednou; další požadavky byly odmítnuty.</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>