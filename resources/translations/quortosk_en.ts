<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="117"/>
        <source>&amp;Nový</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="118"/>
        <source>&amp;Otevřít</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="119"/>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="120"/>
        <source>Uložit j&amp;ako...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="121"/>
        <source>U&amp;ložit vše</source>
        <translation>Save A&amp;ll</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="122"/>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="123"/>
        <source>Zavřít vš&amp;e</source>
        <translation>Clos&amp;e All</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="124"/>
        <source>&amp;Tisk...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="125"/>
        <source>Nastavení t&amp;iskárny...</source>
        <translation>P&amp;rinter Setup...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="126"/>
        <location filename="../../src/app/TMainForm.cpp" line="170"/>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="128"/>
        <source>&amp;Zpět</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="129"/>
        <source>&amp;Vyjmout</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="130"/>
        <source>&amp;Kopírovat</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="131"/>
        <source>V&amp;ložit</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="132"/>
        <source>&amp;Najít...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="133"/>
        <source>&amp;Hledat další</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="134"/>
        <source>Zaměn&amp;it...</source>
        <translation>R&amp;eplace...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="135"/>
        <source>Přejít na...</source>
        <translation>Go To...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="136"/>
        <source>Vložit &amp;datum a čas</source>
        <translation>Insert &amp;Date and Time</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="137"/>
        <source>&amp;Velká písmena</source>
        <translation>&amp;Upper Case</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="138"/>
        <source>&amp;Malá písmena</source>
        <translation>&amp;Lower Case</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="139"/>
        <source>&amp;Inverze</source>
        <translation>&amp;Invert Case</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="140"/>
        <source>Vybr&amp;at vše</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="141"/>
        <source>Zalo&amp;mit řádky</source>
        <translation>&amp;Word Wrap</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="143"/>
        <source>&amp;Panel nástrojů</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="144"/>
        <source>&amp;Stavový řádek</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="145"/>
        <source>SpeedP&amp;anel</source>
        <translation>SpeedP&amp;anel</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="147"/>
        <source>&amp;Konverze...</source>
        <translation>&amp;Conversion...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="148"/>
        <source>&amp;Pravopis...</source>
        <translation>S&amp;pelling...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="149"/>
        <source>Konverze z T602</source>
        <translation>Conversion from T602</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="150"/>
        <source>N&amp;astavit panel nástrojů...</source>
        <translation>Customize Tool&amp;bar...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="151"/>
        <source>&amp;Nastavení...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="152"/>
        <source>O pro&amp;gramu...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="154"/>
        <location filename="../../src/app/TMainForm_view.cpp" line="19"/>
        <location filename="../../src/app/TMainForm_view.cpp" line="62"/>
        <location filename="../../src/app/TMainForm_view.cpp" line="67"/>
        <source>Záložky dole</source>
        <translation>Tabs at the bottom</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="155"/>
        <source>Viceřádkový režim</source>
        <translation>Multi-line mode</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="158"/>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="159"/>
        <source>Zavřít vše</source>
        <translation>Close All</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="160"/>
        <source>Vyjmout</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="161"/>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="162"/>
        <source>Vložit</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="163"/>
        <source>Nový</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="164"/>
        <location filename="../../src/app/TMainForm_file.cpp" line="106"/>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="165"/>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="166"/>
        <source>Uložit jako...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="167"/>
        <source>Uložit vše</source>
        <translation>Save All</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="168"/>
        <source>Najít</source>
        <translation>Find</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="169"/>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="183"/>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="187"/>
        <source>Znovu otevřít</source>
        <translation>Reopen</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="205"/>
        <source>Úpr&amp;avy</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="219"/>
        <source>Velikos&amp;t</source>
        <translation>Ca&amp;se</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="230"/>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="236"/>
        <source>Z&amp;kratky</source>
        <translation>Short&amp;cuts</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="239"/>
        <source>&amp;Nástroje</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="245"/>
        <source>&amp;Jazyková verze</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="251"/>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm.cpp" line="394"/>
        <source>bezejmenný</source>
        <translation>untitled</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="22"/>
        <source>Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*</source>
        <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="31"/>
        <source>Bez názvu.</source>
        <translation>Untitled.</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="92"/>
        <source>File &apos;%1&apos; does not exist</source>
        <translation>File &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="159"/>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="167"/>
        <source>Soubor: %1 existuje. Přepsat?</source>
        <translation>File: %1 exists. Overwrite?</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="217"/>
        <source>Soubor %1, byl změněn. Uložit změny?</source>
        <translation>File %1 has been changed. Save the changes?</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_file.cpp" line="263"/>
        <source>Soubor: %1, byl změněn. Uložit změny?</source>
        <translation>File: %1 has been changed. Save the changes?</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_text.cpp" line="77"/>
        <source>Přejít na</source>
        <translation>Go To</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_text.cpp" line="78"/>
        <source>Přejít na řádek [1 až %1]</source>
        <translation>Go to line [1 to %1]</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_text.cpp" line="84"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_view.cpp" line="64"/>
        <source>Záložky nahoře</source>
        <translation>Tabs at the top</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_view.cpp" line="91"/>
        <source>[default]</source>
        <translation>[default]</translation>
    </message>
    <message>
        <location filename="../../src/app/TMainForm_view.cpp" line="109"/>
        <source>Restart this program</source>
        <translation>Restart this program</translation>
    </message>
</context>
<context>
    <name>TSearchDialog</name>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="15"/>
        <source>Najít</source>
        <translation>Find</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="15"/>
        <source>Zaměnit</source>
        <translation>Replace</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="20"/>
        <source>&amp;Najít:</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="28"/>
        <source>Zaměnit &amp;za:</source>
        <translation>Re&amp;place with:</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="36"/>
        <source>Pouze &amp;celá slova</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="37"/>
        <source>&amp;Rozlišovat malá a velká písmena</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="45"/>
        <source>Směr</source>
        <translation>Direction</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="46"/>
        <source>Nahor&amp;u</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="47"/>
        <source>Do&amp;lů</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="61"/>
        <source>Najít &amp;další</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="65"/>
        <source>Za&amp;měnit</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="66"/>
        <source>Zaměnit &amp;vše</source>
        <translation>Replace &amp;All</translation>
    </message>
    <message>
        <location filename="../../src/editor/TSearchDialog.cpp" line="72"/>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TStatusPanels</name>
    <message>
        <location filename="../../src/app/TStatusPanels.cpp" line="27"/>
        <source>Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru</source>
        <translation>Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../../src/editor/TextFile.cpp" line="80"/>
        <location filename="../../src/editor/TextFile.cpp" line="89"/>
        <source>Soubor %1 je příliš velký: editor pojme nejvýše 16 777 215 znaků.</source>
        <translation>File %1 is too large: the editor holds at most 16,777,215 characters.</translation>
    </message>
</context>
<context>
    <name>TfrmKonverze</name>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="32"/>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="35"/>
        <source>Konverze</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="36"/>
        <source>Z:</source>
        <translation>From:</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="37"/>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="39"/>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="42"/>
        <source>Windows 1250</source>
        <translation>Windows 1250</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="39"/>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="42"/>
        <source>Kamenický</source>
        <translation>Kamenický</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="39"/>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="42"/>
        <source>Latin 2</source>
        <translation>Latin 2</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="39"/>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="42"/>
        <source>ISO 8859-2</source>
        <translation>ISO 8859-2</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="42"/>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="49"/>
        <source>&amp;Konvertovat</source>
        <translation>&amp;Convert</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="52"/>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/konverze/TfrmKonverze.cpp" line="67"/>
        <source>Náhled</source>
        <translation>Preview</translation>
    </message>
</context>
</TS>
