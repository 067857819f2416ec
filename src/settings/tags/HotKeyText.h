#pragma once

#include <optional>
#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <QString>

// The text of a tag's hot key, as the settings dialog writes it and the tag menu reads it:
// modifier prefixes, then one key's name ("Alt+A", "Shift+Ctrl+F5", "Alt+BkSp").
namespace HotKeyText {

// Leading prefixes "Shift+", "Ctrl+" or "^", "Alt+" in any order and any letter case,
// then the name of one key, also in any letter case: A-Z, 0-9, F1-F24, "BkSp", "Tab",
// "Esc", "Enter", "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down",
// "Ins", "Del", or the name Qt gives any other key. Nothing: modifiers alone, an unknown
// name, an empty text. A "^" that ends the text is the key of that name, not Ctrl.
std::optional<QKeyCombination> Parse(const QString &text);

// Prefixes in the order Shift, Ctrl, Alt, then the key's name (the names above where
// they apply, else Qt's). An empty combination gives an empty text.
QString Write(QKeyCombination key);

// The form in which a key is kept: the keypad's Enter as the main Enter key, Backtab as
// Tab, without the keypad and Meta flags. A key that has no name that reads back to it
// (dead keys, modifier keys alone) gives an empty combination.
QKeyCombination Normalized(QKeyCombination key);

// The shortcuts that make the key work: "Enter" also answers the keypad's Enter.
QList<QKeySequence> Shortcuts(QKeyCombination key);

// True for a combination that holds a key (not QKeyCombination()).
inline bool IsSet(QKeyCombination key)
{
    return key.key() != Qt::Key(0) && key.key() != Qt::Key_unknown;
}

} // namespace HotKeyText
