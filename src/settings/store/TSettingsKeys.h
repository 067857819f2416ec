#pragma once

#include <QString>

// Every key and value name of the settings file. The file's root stands for the program
// key; "\" or "/" separate sub-keys. Nothing outside src/settings spells these names.
namespace SettingsKeys {

// Keys.
inline const QString Options = QStringLiteral("Options");
inline const QString TagNames = QStringLiteral("Options.lstZNACKY_Items");
inline const QString TagEnds = QStringLiteral("Options.StrEND_Strings");
inline const QString TagHotKeys = QStringLiteral("Options.StrHOTKEYS_Strings");
inline const QString TagStarts = QStringLiteral("Options.StrSTART_Strings");
inline const QString RecentFiles = QStringLiteral("Options\\TMainForm.MRUMan");
inline const QString SpeedBar = QStringLiteral("Options\\TMainFormToolBar");
// The spelling dictionary the user chose: value SpellDictionary holds a folder with the
// language's .aff and .dic, or the path of the .dic itself.
inline const QString Spelling = QStringLiteral("Spelling");
inline const QString SpellDictionary = QStringLiteral("Dictionary");

// Sections of the form stores and the default sections of their linked components.
inline const QString FormSection = Options;
inline const QString MainFormClass = QStringLiteral("TMainForm");
inline const QString RecentFilesLink = QStringLiteral("TMainForm.MRUMan");
inline const QString SpeedBarLink = QStringLiteral("TMainFormToolBar");

// Values in Options written directly by the main window.
inline const QString StartDir = QStringLiteral("StartDir");

// Window placement values.
inline const QString Flags = QStringLiteral("Flags");
inline const QString ShowCmd = QStringLiteral("ShowCmd");
inline const QString PixelsPerInch = QStringLiteral("PixelsPerInch");
inline const QString MinMaxPos = QStringLiteral("MinMaxPos");
inline const QString NormPos = QStringLiteral("NormPos");
inline const QString Visible = QStringLiteral("Visible");

// String lists kept in a key of their own.
inline const QString Count = QStringLiteral("Count");
inline const QString ListItem = QStringLiteral("Item%1");

// Recent files.
inline const QString RecentItem = QStringLiteral("Item_%1");
inline const QString RecentUser = QStringLiteral("User_%1");

// The speed bar's layout values (key SpeedBar; "Count" and "PixelsPerInch" as above).
inline const QString SpeedBarPosition = QStringLiteral("Position");
inline const QString SpeedBarWidth = QStringLiteral("Width");
inline const QString SpeedBarVersion = QStringLiteral("Version");
inline const QString SpeedBarBtnWidth = QStringLiteral("BtnWidth");
inline const QString SpeedBarBtnHeight = QStringLiteral("BtnHeight");
inline const QString SpeedBarButton = QStringLiteral("Button%1");

// The main window's stored properties, in the order they are written and read.
inline const QString itmWrap_Checked = QStringLiteral("itmWrap_Checked");
inline const QString mmStatusBar_Checked = QStringLiteral("mmStatusBar_Checked");
inline const QString StatusBar_Visible = QStringLiteral("StatusBar_Visible");
inline const QString PageControl1_MultiLine = QStringLiteral("PageControl1_MultiLine");
inline const QString pnlLEVY_Width = QStringLiteral("pnlLEVY_Width");
inline const QString pnlLEVY_Visible = QStringLiteral("pnlLEVY_Visible");
inline const QString mmSpeed_Checked = QStringLiteral("mmSpeed_Checked");
inline const QString pnlDIRS_Height = QStringLiteral("pnlDIRS_Height");
inline const QString PageControl1_TabPosition = QStringLiteral("PageControl1_TabPosition");
inline const QString DriveComboBox1_Width = QStringLiteral("DriveComboBox1_Width");
inline const QString mmTOOLBAR_Checked = QStringLiteral("mmTOOLBAR_Checked");
inline const QString editvzor2_Font = QStringLiteral("editvzor2_Font"); // + sub-property
inline const QString editvzor2_Color = QStringLiteral("editvzor2_Color");
inline const QString ToolBar_Visible = QStringLiteral("ToolBar_Visible");
// Checking as you type.
inline const QString mmAutoSpell_Checked = QStringLiteral("mmAutoSpell_Checked");
// Line numbers and the current line's mark.
inline const QString mmLineNumbers_Checked = QStringLiteral("mmLineNumbers_Checked");
inline const QString mmCurrentLine_Checked = QStringLiteral("mmCurrentLine_Checked");

// The settings dialog's stored string lists (each in the key "<section>.<name>").
inline const QString lstZNACKY_Items = QStringLiteral("lstZNACKY_Items");
inline const QString StrEND_Strings = QStringLiteral("StrEND_Strings");
inline const QString StrHOTKEYS_Strings = QStringLiteral("StrHOTKEYS_Strings");
inline const QString StrSTART_Strings = QStringLiteral("StrSTART_Strings");

// Reopening the last files: the option of the settings dialog's "Obecné" page (a truth value
// in Options) and the files of the last normal close, a list ("Count", "Item<n>" = path) with
// "Caret<n>" (the caret's position on that page) beside each item and "Active" (the number of
// the active item; -1 when an untitled page was active).
inline const QString chkREOPEN_Checked = QStringLiteral("chkREOPEN_Checked");
inline const QString LastFiles = QStringLiteral("Options\\LastFiles");
inline const QString LastCaret = QStringLiteral("Caret%1");
inline const QString LastActive = QStringLiteral("Active");

} // namespace SettingsKeys
