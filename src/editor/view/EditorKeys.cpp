#include "editor/view/EditorKeys.h"

#include <QKeySequence>
#include <QList>

namespace EditorKeys {

bool Keeps(QKeyCombination key)
{
    const Qt::KeyboardModifiers mods = key.keyboardModifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Delete:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            if (key.key() < Qt::Key_Escape) // the keys that type
                return true;
        }
    }
    using S = QKeySequence;
    static const S::StandardKey moving[] = {
        S::MoveToNextChar,        S::MoveToPreviousChar,  S::MoveToNextWord,        S::MoveToPreviousWord,
        S::MoveToNextLine,        S::MoveToPreviousLine,  S::MoveToNextPage,        S::MoveToPreviousPage,
        S::MoveToStartOfLine,     S::MoveToEndOfLine,     S::MoveToStartOfBlock,    S::MoveToEndOfBlock,
        S::MoveToStartOfDocument, S::MoveToEndOfDocument, S::SelectNextChar,        S::SelectPreviousChar,
        S::SelectNextWord,        S::SelectPreviousWord,  S::SelectNextLine,        S::SelectPreviousLine,
        S::SelectNextPage,        S::SelectPreviousPage,  S::SelectStartOfLine,     S::SelectEndOfLine,
        S::SelectStartOfBlock,    S::SelectEndOfBlock,    S::SelectStartOfDocument, S::SelectEndOfDocument,
    };
    const QKeyCombination plain(mods, key.key());
    for (S::StandardKey standard : moving)
        for (const S &binding : S::keyBindings(standard))
            if (binding.count() == 1 && binding[0] == plain)
                return true;
    return false;
}

} // namespace EditorKeys
