<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
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
        <source>File &apos;%1&apos; does not exist</source>
        <translation>File &apos;%1&apos; does not exist</translation>
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
        <source>Viceřádkový režim</source>
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
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>bezejmenný</source>
        <translation>untitled</translation>
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
    <name>TSettingsStore</name>
    <message>
        <source>Settings file &apos;%1&apos; is damaged; the values that could not be read keep their defaults</source>
        <translation>Settings file &apos;%1&apos; is damaged; the values that could not be read keep their defaults</translation>
    </message>
    <message>
        <source>Cannot read settings file &apos;%1&apos;</source>
        <translation>Cannot read settings file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Invalid data type for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Failed to set data for &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TStatusPanels</name>
    <message>
        <source>Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru</source>
        <translation>Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path</translation>
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
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Nenalezeno</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Zaměněno: %1</source>
        <translation>Replaced: %1</translation>
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
        <source>Initialization failed</source>
        <translation>Initialization failed</translation>
    </message>
</context>
</TS>
