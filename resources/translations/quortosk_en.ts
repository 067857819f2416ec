<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AboutCommands</name>
    <message>
        <source>Nápovědu se nepodařilo najít (hledána ve složkách %1).</source>
        <translation>The user guide was not found (looked for in the folders %1).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>quortosk: neznámá volba „%1“. Soubor, jehož název začíná „-“, uveďte za „--“: quortosk -- %1
Více ukáže quortosk --help.
</source>
        <translation>quortosk: unknown option "%1". Give a file whose name begins with "-" after "--": quortosk -- %1
See quortosk --help.
</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Zalamování řádků zapnuto</source>
        <translation>Word wrap on</translation>
    </message>
    <message>
        <source>Zalamování řádků vypnuto</source>
        <translation>Word wrap off</translation>
    </message>
</context>
<context>
    <name>EncodingCommands</name>
    <message>
        <source>Kódování a konce řádků stránky</source>
        <translation>Encoding and line breaks of the page</translation>
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
        <translation>The text seems to be encoded in %1.</translation>
    </message>
    <message>
        <source>Převést do Windows 1250</source>
        <translation>Convert to Windows 1250</translation>
    </message>
    <message>
        <source>Ponechat</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Počet znaků, které kódování %1 neumí uložit: %2. Změnou kódování se z nich stanou otazníky („?“). Změnit kódování?</source>
        <translation>Characters that %1 cannot store: %2. Changing the encoding turns them into question marks ("?"). Change the encoding?</translation>
    </message>
    <message>
        <source>Otevřít jako %1</source>
        <translation>Open as %1</translation>
    </message>
    <message>
        <source>Dokument T602, zřejmě v kódování Kamenických</source>
        <translation>T602 document, probably in Kamenický</translation>
    </message>
    <message>
        <source>Dokument T602, zřejmě v kódování %1</source>
        <translation>T602 document, probably in %1</translation>
    </message>
    <message>
        <source>Převést dokument T602</source>
        <translation>Convert the T602 document</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*</source>
        <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Bez názvu.</source>
        <translation>Untitled.</translation>
    </message>
    <message>
        <source>File '%1' does not exist</source>
        <translation>File '%1' does not exist</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Soubor: %1 existuje. Přepsat?</source>
        <translation>File: %1 exists. Overwrite?</translation>
    </message>
    <message>
        <source>Soubor %1, byl změněn. Uložit změny?</source>
        <translation>File %1 has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Soubor: %1, byl změněn. Uložit změny?</source>
        <translation>File: %1 has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Soubor %1 byl mezitím změněn jiným programem. Přepsat?</source>
        <translation>The file %1 has been changed by another program in the meantime. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Přístup odepřen</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Disk je plný</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>Soubor neexistuje</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Složka neexistuje</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>Disk je jen pro čtení</source>
        <translation>The disk is read-only</translation>
    </message>
    <message>
        <source>Je to složka</source>
        <translation>It is a folder</translation>
    </message>
    <message>
        <source>Část cesty není složka</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <source>Název je příliš dlouhý</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>Soubor již existuje</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>Soubor je používán</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>Příliš mnoho otevřených souborů</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Soubor je příliš velký</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>Nedostatek paměti</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Chyba čtení nebo zápisu na disku</source>
        <translation>Disk read or write error</translation>
    </message>
    <message>
        <source>Příliš mnoho symbolických odkazů</source>
        <translation>Too many symbolic links</translation>
    </message>
    <message>
        <source>Neplatný název</source>
        <translation>Invalid name</translation>
    </message>
    <message>
        <source>Zařízení není dostupné</source>
        <translation>The device is not available</translation>
    </message>
    <message>
        <source>Systémová chyba %1 (%2)</source>
        <translation>System error %1 (%2)</translation>
    </message>
</context>
<context>
    <name>FileWatch</name>
    <message>
        <source>Soubor byl změněn jiným programem.</source>
        <translation>The file was changed by another program.</translation>
    </message>
    <message>
        <source>Načíst znovu (zahodit změny)</source>
        <translation>Reload (discard changes)</translation>
    </message>
    <message>
        <source>Ponechat moje změny</source>
        <translation>Keep my changes</translation>
    </message>
    <message>
        <source>Načíst znovu</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Ponechat</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Soubor byl na disku smazán.</source>
        <translation>The file was deleted from the disk.</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zavřít stránku</source>
        <translation>Close page</translation>
    </message>
    <message>
        <source>Změny nelze vzít zpět.</source>
        <translation>This cannot be undone.</translation>
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>Zástupce %1 nelze zapsat: toto jméno nese něco jiného než soubor.</source>
        <translation>Cannot write the shortcut %1: something other than a file has that name.</translation>
    </message>
    <message>
        <source>Zástupce %1 nelze zapsat: %2</source>
        <translation>Cannot write the shortcut %1: %2</translation>
    </message>
    <message>
        <source>Nelze zjistit složku aplikací, do které se zástupce ukládá.</source>
        <translation>Cannot determine the applications folder the shortcut goes to.</translation>
    </message>
    <message>
        <source>Nelze zjistit složku plochy.</source>
        <translation>Cannot determine the desktop folder.</translation>
    </message>
    <message>
        <source>Složku %1 nelze vytvořit.</source>
        <translation>Cannot create the folder %1.</translation>
    </message>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Nový</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Otevřít</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Uložit j&amp;ako...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Uložit jako...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>U&amp;ložit vše</source>
        <translation>Save A&amp;ll</translation>
    </message>
    <message>
        <source>Uložit vše</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zavřít vš&amp;e</source>
        <translation>Clos&amp;e All</translation>
    </message>
    <message>
        <source>Zavřít vše</source>
        <translation>Close All</translation>
    </message>
    <message>
        <source>&amp;Tisk...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Nastavení t&amp;iskárny...</source>
        <translation>P&amp;rinter Setup...</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Vyjmout</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Vyjmout</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>V&amp;ložit</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>&amp;Najít...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Najít</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Hledat další</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>Zaměn&amp;it...</source>
        <translation>R&amp;eplace...</translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Přejít na...</source>
        <translation>Go To...</translation>
    </message>
    <message>
        <source>Vložit &amp;datum a čas</source>
        <translation>Insert &amp;Date and Time</translation>
    </message>
    <message>
        <source>&amp;Velká písmena</source>
        <translation>&amp;Upper Case</translation>
    </message>
    <message>
        <source>&amp;Malá písmena</source>
        <translation>&amp;Lower Case</translation>
    </message>
    <message>
        <source>&amp;Inverze</source>
        <translation>&amp;Invert Case</translation>
    </message>
    <message>
        <source>Vybr&amp;at vše</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Zalo&amp;mit řádky</source>
        <translation>&amp;Word Wrap</translation>
    </message>
    <message>
        <source>&amp;Panel nástrojů</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Stavový řádek</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>SpeedP&amp;anel</source>
        <translation>SpeedP&amp;anel</translation>
    </message>
    <message>
        <source>&amp;Konverze...</source>
        <translation>&amp;Conversion...</translation>
    </message>
    <message>
        <source>&amp;Pravopis...</source>
        <translation>S&amp;pelling...</translation>
    </message>
    <message>
        <source>Konverze z T602</source>
        <translation>Conversion from T602</translation>
    </message>
    <message>
        <source>N&amp;astavit panel nástrojů...</source>
        <translation>Customize Tool&amp;bar...</translation>
    </message>
    <message>
        <source>&amp;Nastavení...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>O pro&amp;gramu...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Záložky dole</source>
        <translation>Tabs at the bottom</translation>
    </message>
    <message>
        <source>Víceřádkový režim</source>
        <translation>Multi-line mode</translation>
    </message>
    <message>
        <source>Znovu otevřít</source>
        <translation>Reopen</translation>
    </message>
    <message>
        <source>Velikos&amp;t</source>
        <translation>Ca&amp;se</translation>
    </message>
    <message>
        <source>&amp;Jazyková verze</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Úpr&amp;avy</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Z&amp;kratky</source>
        <translation>Short&amp;cuts</translation>
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ná&amp;hled tisku...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Zvětšit text</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Z&amp;menšit text</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Pů&amp;vodní velikost textu</source>
        <translation>&amp;Reset Zoom</translation>
    </message>
    <message>
        <source>Čísla řá&amp;dků</source>
        <translation>&amp;Line Numbers</translation>
    </message>
    <message>
        <source>Zvýraznit a&amp;ktuální řádek</source>
        <translation>Highlight &amp;Current Line</translation>
    </message>
    <message>
        <source>Kon&amp;trolovat při psaní</source>
        <translation>Check While &amp;Typing</translation>
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
        <translation>Enco&amp;ding</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;User Guide</translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>bezejmenný</source>
        <translation>untitled</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Probíhá tisk...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Nalezeny neuložené texty z minulého spuštění (%1).</source>
        <translation>Unsaved texts from the last run were found (%1).</translation>
    </message>
    <message>
        <source>Obnovit</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Poškozené kopie neuložených textů (%1) byly odloženy do složky %2.</source>
        <translation>Damaged copies of unsaved texts (%1) were set aside in the folder %2.</translation>
    </message>
    <message>
        <source>Do složky %1 nelze ukládat kopie neuložených textů (%2); po pádu programu je nebude možné obnovit.</source>
        <translation>Copies of unsaved texts cannot be stored in the folder %1 (%2); they could not be restored after a crash.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Soubor %1 nelze otevřít: není to obyčejný soubor.</source>
        <translation>The file %1 cannot be opened: it is not an ordinary file.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit: není to obyčejný soubor.</source>
        <translation>The file %1 cannot be saved: it is not an ordinary file.</translation>
    </message>
</context>
<context>
    <name>SpellDictionaries</name>
    <message>
        <source>Slovník pro kontrolu pravopisu není nainstalován.

Soubory %1.aff a %1.dic nebyly nalezeny v žádné z těchto složek:
%2

Nainstalujte český slovník (balíček hunspell-cs).</source>
        <translation>No spelling dictionary is installed.

The files %1.aff and %1.dic were not found in any of these folders:
%2

Install the Czech dictionary (package hunspell-cs).</translation>
    </message>
</context>
<context>
    <name>SpellerSource</name>
    <message>
        <source>Na slovník pro kontrolu pravopisu nezbývá paměť.</source>
        <translation>There is not enough memory for the spelling dictionary.</translation>
    </message>
    <message>
        <source>Slovník pro kontrolu pravopisu nelze načíst.</source>
        <translation>The spelling dictionary cannot be read.</translation>
    </message>
</context>
<context>
    <name>TEditorPrinter</name>
    <message>
        <source>Vybraná tiskárna není platná</source>
        <translation>The selected printer is not valid</translation>
    </message>
    <message>
        <source>Soubor %1 nelze vytvořit</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Není vybrána žádná tiskárna</source>
        <translation>No printer is selected</translation>
    </message>
    <message>
        <source>Tiskárna %1 není dostupná</source>
        <translation>Printer %1 is not available</translation>
    </message>
    <message>
        <source>Tisk se nezdařil</source>
        <translation>Printing failed</translation>
    </message>
</context>
<context>
    <name>TErrorText</name>
    <message>
        <source>Error opening %1 - %2</source>
        <translation>Error opening %1 - %2</translation>
    </message>
</context>
<context>
    <name>TFilePanel</name>
    <message>
        <source>Přístup odepřen</source>
        <translation>Access denied</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Nápověda – Quorvel Tosk</source>
        <translation>Help – Quorvel Tosk</translation>
    </message>
    <message>
        <source>Příkaz</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Klávesy</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>THotKeyEdit</name>
    <message>
        <source>žádná</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>THunspellSpeller</name>
    <message>
        <source>soubor %1 chybí</source>
        <translation>the file %1 is missing</translation>
    </message>
    <message>
        <source>soubor %1 nelze číst</source>
        <translation>the file %1 cannot be read</translation>
    </message>
    <message>
        <source>soubor %1 není textový</source>
        <translation>the file %1 is not a text file</translation>
    </message>
    <message>
        <source>soubor %1 nezačíná počtem slov</source>
        <translation>the file %1 does not begin with the number of its words</translation>
    </message>
    <message>
        <source>Slovník pro kontrolu pravopisu %1 je poškozený nebo nečitelný: %2</source>
        <translation>The spelling dictionary %1 is damaged or unreadable: %2</translation>
    </message>
    <message>
        <source>Slovník %1 používá kódování %2, které program nezná</source>
        <translation>The dictionary %1 uses the encoding %2, which the program does not know</translation>
    </message>
    <message>
        <source>Vlastní slovník %1 nelze vytvořit: %2</source>
        <translation>The custom dictionary %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Vlastní slovník %1 nelze číst</source>
        <translation>The custom dictionary %1 cannot be read</translation>
    </message>
    <message>
        <source>Vlastní slovník %1 je poškozený (není to text v kódování UTF-8); slova s chybnými znaky se nenačetla</source>
        <translation>The custom dictionary %1 is damaged (it is not UTF-8 text); words with invalid characters were not loaded</translation>
    </message>
    <message>
        <source>Slovo „%1“ nelze uložit do vlastního slovníku %2: %3</source>
        <translation>The word “%1” cannot be saved to the custom dictionary %2: %3</translation>
    </message>
    <message>
        <source>není to obyčejný soubor</source>
        <translation>it is not a regular file</translation>
    </message>
</context>
<context>
    <name>TInstanceChannel</name>
    <message>
        <source>Argument je příliš dlouhý (%1 bajtů, nejvýše %2) a běžícímu programu nebyl předán.</source>
        <translation>The argument is too long (%1 bytes, at most %2) and was not handed to the running program.</translation>
    </message>
    <message>
        <source>Běžící program má příliš mnoho souborů k otevření; %1 nebyl předán.</source>
        <translation>The running program has too many files waiting to be opened; %1 was not handed over.</translation>
    </message>
</context>
<context>
    <name>TLastFilesReopen</name>
    <message>
        <source>Tyto soubory z minula už neexistují a nebyly otevřeny:
%1</source>
        <translation>These files of the last session no longer exist and were not opened:
%1</translation>
    </message>
</context>
<context>
    <name>TPageControl</name>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Přepsat</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Najít</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>&amp;Najít:</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>Zaměnit &amp;za:</source>
        <translation>Re&amp;place with:</translation>
    </message>
    <message>
        <source>Pouze &amp;celá slova</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <source>&amp;Rozlišovat malá a velká písmena</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>Směr</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Nahor&amp;u</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>Do&amp;lů</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>Najít &amp;další</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>Za&amp;měnit</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>Zaměnit &amp;vše</source>
        <translation>Replace &amp;All</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSearchHighlight</name>
    <message>
        <source>žádný výskyt</source>
        <translation>no match</translation>
    </message>
    <message>
        <source>%1 výskyt</source>
        <translation>%1 match</translation>
    </message>
    <message>
        <source>%1 výskyty</source>
        <translation>%1 matches</translation>
    </message>
    <message>
        <source>%1 výskytů</source>
        <translation>%1 matches</translation>
    </message>
    <message>
        <source>%1. z %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>Nastavení nelze číst ani ukládat: %1</source>
        <translation>The settings can be neither read nor saved: %1</translation>
    </message>
    <message>
        <source>Soubor nastavení %1 je příliš velký a nelze jej odložit; nastavení se nenačte ani neuloží.</source>
        <translation>The settings file %1 is too large and cannot be set aside; settings will be neither read nor saved.</translation>
    </message>
    <message>
        <source>Soubor nastavení %1 je příliš velký (%2 MB): byl odložen jako %3 a program začíná s výchozím nastavením.</source>
        <translation>The settings file %1 is too large (%2 MB): it was set aside as %3 and the program starts with its default settings.</translation>
    </message>
    <message>
        <source>Settings file '%1' is damaged; the values that could not be read keep their defaults</source>
        <translation>Settings file '%1' is damaged; the values that could not be read keep their defaults</translation>
    </message>
    <message>
        <source>Cannot read settings file '%1'</source>
        <translation>Cannot read settings file '%1'</translation>
    </message>
    <message>
        <source>Invalid data type for '%1'</source>
        <translation>Invalid data type for '%1'</translation>
    </message>
    <message>
        <source>Failed to set data for '%1'</source>
        <translation>Failed to set data for '%1'</translation>
    </message>
</context>
<context>
    <name>TSpeedBar</name>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Úpravy</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Zobrazit</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Nástroje</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Uložit vše</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zavřít vše</source>
        <translation>Close All</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nastavení tiskárny</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Vyjmout</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Najít</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Hledat další</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Přejít na</source>
        <translation>Go To</translation>
    </message>
    <message>
        <source>Vložit datum a čas</source>
        <translation>Insert Date and Time</translation>
    </message>
    <message>
        <source>Velká písmena</source>
        <translation>Upper Case</translation>
    </message>
    <message>
        <source>Malá písmena</source>
        <translation>Lower Case</translation>
    </message>
    <message>
        <source>Inverze</source>
        <translation>Invert Case</translation>
    </message>
    <message>
        <source>Vybrat vše</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Zalomit řádky</source>
        <translation>Wrap Lines</translation>
    </message>
    <message>
        <source>Panel nástrojů</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Stavový řádek</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>SpeedPanel</source>
        <translation>SpeedPanel</translation>
    </message>
    <message>
        <source>Konverze</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Pravopis</source>
        <translation>Spelling</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>TSpeedbarSetupWindow</name>
    <message>
        <source>Úprava tlačítkové lišty</source>
        <translation>Customize Toolbar</translation>
    </message>
    <message>
        <source>&amp;Kategorie:</source>
        <translation>&amp;Categories:</translation>
    </message>
    <message>
        <source>&amp;Dostupná tlačítka:</source>
        <translation>&amp;Available buttons:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Chcete-li přidat tlačítka příkazů, táhněte a pusťte tlačítka na lištu. Chcete-li je vyjmout, táhněte je pryč z tlačítkové lišty.</source>
        <translation>To add command buttons, drag and drop them onto the toolbar. To remove them, drag them off the toolbar.</translation>
    </message>
</context>
<context>
    <name>TSpellChecker</name>
    <message>
        <source>Neznáme slovo</source>
        <translation>Unknown word</translation>
    </message>
    <message>
        <source>Chybné dělení slov</source>
        <translation>Wrong hyphenation</translation>
    </message>
    <message>
        <source>Capitalization error</source>
        <translation>Capitalization error</translation>
    </message>
    <message>
        <source>Possible abbreviation</source>
        <translation>Possible abbreviation</translation>
    </message>
    <message>
        <source>Sentence capitalization error</source>
        <translation>Sentence capitalization error</translation>
    </message>
    <message>
        <source>Repeated word</source>
        <translation>Repeated word</translation>
    </message>
    <message>
        <source>Mezery navíc</source>
        <translation>Extra spaces</translation>
    </message>
    <message>
        <source>Missing space</source>
        <translation>Missing space</translation>
    </message>
    <message>
        <source>Numerals in start of word</source>
        <translation>Numerals in start of word</translation>
    </message>
    <message>
        <source>Kontrola pravopisu</source>
        <translation>Spelling</translation>
    </message>
</context>
<context>
    <name>TSpellerDialog2</name>
    <message>
        <source>Kontrola pravopisu</source>
        <translation>Spelling</translation>
    </message>
    <message>
        <source>&amp;Možnosti</source>
        <translation>Su&amp;ggestions</translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Začít</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zaměňovat</source>
        <translation>Change All</translation>
    </message>
    <message>
        <source>&amp;Přeskočit</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>Př&amp;eskakovat</source>
        <translation>I&amp;gnore All</translation>
    </message>
    <message>
        <source>Přid&amp;at</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zpět poslední</source>
        <translation>Undo Last</translation>
    </message>
</context>
<context>
    <name>TStatusPanels</name>
    <message>
        <source>Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru</source>
        <translation>Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path</translation>
    </message>
    <message>
        <source>Načítá se: %1 %</source>
        <translation>Loading: %1 %</translation>
    </message>
    <message>
        <source>Soubor se ještě načítá: za koncem načtené části zatím nelze mazat.</source>
        <translation>The file is still loading: nothing past the end of the loaded part can be deleted yet.</translation>
    </message>
    <message>
        <source>Načítá se celý text…</source>
        <translation>Loading the whole text…</translation>
    </message>
</context>
<context>
    <name>TagCommands</name>
    <message>
        <source>Text by byl delší než 16 777 215 znaků, které editor pojme; zkratka nebyla vložena.</source>
        <translation>The text would be longer than the 16,777,215 characters the editor holds; the tag was not inserted.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Soubor %1 je příliš velký: editor pojme nejvýše 16 777 215 znaků.</source>
        <translation>File %1 is too large: the editor holds at most 16,777,215 characters.</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Soubor %1 je v kódování %2. Editor otevírá jen texty v kódování Windows 1250, UTF-8, Kamenický, Latin 2 a ISO 8859-2; přečten jako 8bitový text by se uložením zničil.</source>
        <translation>The file %1 is encoded in %2. The editor opens only Windows 1250, UTF-8, Kamenický, Latin 2 and ISO 8859-2 texts; read as 8-bit text, the file would be destroyed by saving it.</translation>
    </message>
    <message>
        <source>Soubor %1 není platný text v kódování UTF-8.</source>
        <translation>The file %1 is not valid UTF-8 text.</translation>
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
        <source>Přejít na</source>
        <translation>Go To</translation>
    </message>
    <message>
        <source>Přejít na řádek [1 až %1]</source>
        <translation>Go to line [1 to %1]</translation>
    </message>
    <message>
        <source>'%1' is not a valid integer value</source>
        <translation>'%1' is not a valid integer value</translation>
    </message>
    <message>
        <source>Nenalezeno</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Zaměněno: %1</source>
        <translation>Replaced: %1</translation>
    </message>
    <message>
        <source>Na stránce v kódování UTF-8 tento nástroj nepracuje: pracuje přes Windows 1250 a ostatní znaky by změnil na „?“.</source>
        <translation>This tool does not work on a UTF-8 page: it works through Windows 1250 and would turn other characters into "?".</translation>
    </message>
    <message>
        <source>Konverze</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Konverze z T602</source>
        <translation>Conversion from T602</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Textový editor pro češtinu</source>
        <translation>A text editor for Czech</translation>
    </message>
    <message>
        <source>Svobodný software, šířený pod licencí GNU GPL verze 2 nebo pozdější:</source>
        <translation>Free software, distributed under the GNU GPL version 2 or later:</translation>
    </message>
    <message>
        <source>Postaveno na knihovně Qt</source>
        <translation>Built with the Qt toolkit</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Informace</source>
        <translation>Information</translation>
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
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Windows 1250</source>
        <translation>Windows 1250</translation>
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
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>&amp;Konvertovat</source>
        <translation>&amp;Convert</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Náhled</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>TfrmNASTAV</name>
    <message>
        <source>Otevřít v</source>
        <translation>Open in</translation>
    </message>
    <message>
        <source>Zástupce je uložen v %1. Aby jej prostředí nabízelo pro textové soubory, spusťte v terminálu: update-desktop-database "%1" (balík desktop-file-utils), nebo se odhlaste a znovu přihlaste.</source>
        <translation>The launcher is stored in %1. For the desktop to offer it for text files, run in a terminal: update-desktop-database "%1" (package desktop-file-utils), or log out and in again.</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Obecné</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Písmo/barvy</source>
        <translation>Font/colours</translation>
    </message>
    <message>
        <source>Zkratky</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>černá</source>
        <translation>black</translation>
    </message>
    <message>
        <source>kaštanová</source>
        <translation>maroon</translation>
    </message>
    <message>
        <source>zelená</source>
        <translation>green</translation>
    </message>
    <message>
        <source>olivová</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>námořnická modř</source>
        <translation>navy</translation>
    </message>
    <message>
        <source>fialová</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>šedozelená</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>šedá</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>stříbrná</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>červená</source>
        <translation>red</translation>
    </message>
    <message>
        <source>žlutozelená</source>
        <translation>lime</translation>
    </message>
    <message>
        <source>žlutá</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>modrá</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>fuchsiová</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>akvamarínová</source>
        <translation>aqua</translation>
    </message>
    <message>
        <source>bílá</source>
        <translation>white</translation>
    </message>
    <message>
        <source>Zástupci</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Přidat do složky &amp;ODESLAT</source>
        <translation>Add to &amp;SEND TO folder</translation>
    </message>
    <message>
        <source>Přidat na &amp;PLOCHU</source>
        <translation>Add to &amp;DESKTOP</translation>
    </message>
    <message>
        <source>barva textu</source>
        <translation>text colour</translation>
    </message>
    <message>
        <source>barva pozadí</source>
        <translation>background colour</translation>
    </message>
    <message>
        <source>Typ &amp;písma...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>ukázka textu</source>
        <translation>sample text</translation>
    </message>
    <message>
        <source>Klávesové zkratky</source>
        <translation>Hot keys</translation>
    </message>
    <message>
        <source>Přidat</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Odstranit</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Název:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Hotkey:</source>
        <translation>Hotkey:</translation>
    </message>
    <message>
        <source>Před vybraný text:</source>
        <translation>Before the selected text:</translation>
    </message>
    <message>
        <source>Za vybraný text:</source>
        <translation>After the selected text:</translation>
    </message>
    <message>
        <source>[Název]</source>
        <translation>[Name]</translation>
    </message>
    <message>
        <source>Při spuštění &amp;znovu otevřít soubory z minula</source>
        <translation>&amp;Reopen the last files at start</translation>
    </message>
</context>
<context>
    <name>TypingSpellCheck</name>
    <message>
        <source>Kontrola pravopisu</source>
        <translation>Spelling</translation>
    </message>
    <message>
        <source>Kontrola pravopisu při psaní nepracuje.</source>
        <translation>Spell checking while typing is not working.</translation>
    </message>
    <message>
        <source>(žádné návrhy)</source>
        <translation>(no suggestions)</translation>
    </message>
    <message>
        <source>Přidat do slovníku</source>
        <translation>Add to Dictionary</translation>
    </message>
    <message>
        <source>Přeskakovat</source>
        <translation>Ignore All</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>Záložky dole</source>
        <translation>Tabs at the bottom</translation>
    </message>
    <message>
        <source>Záložky nahoře</source>
        <translation>Tabs at the top</translation>
    </message>
    <message>
        <source>[default]</source>
        <translation>[default]</translation>
    </message>
    <message>
        <source>Restart this program</source>
        <translation>Restart this program</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Název souboru %1 nelze použít: není platný v kódování systému.</source>
        <translation>The file name %1 cannot be used: it is not valid in the system's encoding.</translation>
    </message>
    <message>
        <source>Initialization failed</source>
        <translation>Initialization failed</translation>
    </message>
    <message>
        <source>Příliš mnoho souborů k otevření najednou; další požadavky byly odmítnuty.</source>
        <translation>Too many files to open at once; further requests were refused.</translation>
    </message>
</context>
</TS>