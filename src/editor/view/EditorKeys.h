#pragma once

#include <QKeyCombination>

// The keys an editor page keeps for itself before any shortcut of its window: typing (no
// modifier or Shift alone), and the standard bindings for moving the caret and selecting
// (Ctrl+Home, Ctrl+Shift+Home, Ctrl+Left, Shift+End, ...). A user tag gets none of them.
namespace EditorKeys {

bool Keeps(QKeyCombination key);

} // namespace EditorKeys
