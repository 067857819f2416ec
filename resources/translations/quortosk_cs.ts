<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="cs_CZ">
<context>
    <name>EditCommands</name>
    <message>
        <source>Zalamování řádků zapnuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zalamování řádků vypnuto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez názvu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; does not exist</source>
        <translation>Soubor &apos;%1&apos; neexistuje</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor: %1 existuje. Přepsat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor %1, byl změněn. Uložit změny?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor: %1, byl změněn. Uložit změny?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Přístup odepřen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk je plný</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor neexistuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Složka neexistuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk je jen pro čtení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Je to složka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Část cesty není složka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Název je příliš dlouhý</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor již existuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor je používán</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příliš mnoho otevřených souborů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor je příliš velký</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nedostatek paměti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba čtení nebo zápisu na disku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příliš mnoho symbolických odkazů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neplatný název</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zařízení není dostupné</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systémová chyba %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>&amp;Nový</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nový</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit j&amp;ako...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ložit vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít vš&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tisk...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení t&amp;iskárny...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vyjmout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyjmout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kopírovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;ložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Najít...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Najít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hledat další</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměn&amp;it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přejít na...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vložit &amp;datum a čas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velká písmena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Malá písmena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inverze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybr&amp;at vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zalo&amp;mit řádky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Panel nástrojů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stavový řádek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpeedP&amp;anel</source>
        <translation>SpeedP&amp;anel</translation>
    </message>
    <message>
        <source>&amp;Zvětšit text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z&amp;menšit text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pů&amp;vodní velikost textu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Konverze...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pravopis...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konverze z T602</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;astavit panel nástrojů...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nastavení...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O pro&amp;gramu...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záložky dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viceřádkový režim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znovu otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velikos&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jazyková verze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úpr&amp;avy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z&amp;kratky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nástroje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>bezejmenný</source>
        <translation type="unfinished"></translation>
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
    <name>TPageControl</name>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <source>Najít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměnit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Najít:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměnit &amp;za:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pouze &amp;celá slova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rozlišovat malá a velká písmena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Směr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nahor&amp;u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do&amp;lů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Najít &amp;další</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Za&amp;měnit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměnit &amp;vše</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <source>Settings file &apos;%1&apos; is damaged; the values that could not be read keep their defaults</source>
        <translation>Soubor nastavení &apos;%1&apos; je poškozený; hodnoty, které nešlo přečíst, zůstávají výchozí</translation>
    </message>
    <message>
        <source>Cannot read settings file &apos;%1&apos;</source>
        <translation>Nelze přečíst soubor nastavení &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Neplatný typ dat pro &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nepodařilo se uložit data pro &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TStatusPanels</name>
    <message>
        <source>Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextToolCommands</name>
    <message>
        <source>Nenalezeno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaměněno: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přejít na</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přejít na řádek [1 až %1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; není platné celé číslo</translation>
    </message>
</context>
<context>
    <name>TfrmKonverze</name>
    <message>
        <source>Konverze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 1250</source>
        <translation>Windows 1250</translation>
    </message>
    <message>
        <source>Kamenický</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Náhled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>Záložky dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Záložky nahoře</source>
        <translation type="unfinished"></translation>
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
</context>
</TS>
