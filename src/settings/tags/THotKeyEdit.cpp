#include "settings/tags/THotKeyEdit.h"

#include "settings/tags/HotKeyText.h"

#include <QKeyEvent>

THotKeyEdit::THotKeyEdit(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setReadOnly(true); // keeps the caret and selection handling out of the way
    setFocusPolicy(Qt::StrongFocus);
    setPlaceholderText(tr("žádná"));
    show(m_key);
}

void THotKeyEdit::SetHotKey(QKeyCombination key)
{
    m_key = HotKeyText::Normalized(key);
    show(m_key);
}

void THotKeyEdit::show(QKeyCombination key)
{
    setText(HotKeyText::Write(key));
}

std::optional<QKeyCombination> THotKeyEdit::ValueForKey(QKeyCombination pressed)
{
    const Qt::KeyboardModifiers mods =
        pressed.keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (pressed.key() == Qt::Key_Backspace && mods == Qt::NoModifier)
        return QKeyCombination();
    QKeyCombination key = HotKeyText::Normalized(pressed);
    if (!HotKeyText::IsSet(key))
        return std::nullopt;
    // Neither nothing nor Shift alone makes a hot key: Alt takes their place.
    const Qt::KeyboardModifiers kept = key.keyboardModifiers();
    if (!(kept & (Qt::ControlModifier | Qt::AltModifier)))
        key = QKeyCombination(Qt::AltModifier, key.key());
    return key;
}

// Plain Enter and Esc are the dialog's; Tab and Shift+Tab move the focus.
bool THotKeyEdit::passesOn(const QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods =
        e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return mods == Qt::NoModifier;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return (mods & ~Qt::ShiftModifier) == Qt::NoModifier;
    default:
        return false;
    }
}

bool THotKeyEdit::event(QEvent *e)
{
    // Every other key belongs to the field, also those that are shortcuts or mnemonics
    // of the dialog (Alt+K would press "O&K").
    if (e->type() == QEvent::ShortcutOverride) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (!passesOn(k)) {
            k->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void THotKeyEdit::keyPressEvent(QKeyEvent *e)
{
    if (passesOn(e)) {
        e->ignore();
        return;
    }
    e->accept();
    const std::optional<QKeyCombination> value = ValueForKey(e->keyCombination());
    if (!value)
        return;
    const bool changed = *value != m_key;
    m_key = *value;
    show(m_key);
    if (changed)
        emit HotKeyChanged(m_key);
}

void THotKeyEdit::keyReleaseEvent(QKeyEvent *e)
{
    e->accept();
}

void THotKeyEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    emit Exited();
}

void THotKeyEdit::contextMenuEvent(QContextMenuEvent *e)
{
    e->accept(); // no copy and paste menu: the field takes keys, not text
}

void THotKeyEdit::mousePressEvent(QMouseEvent *e)
{
    setFocus(Qt::MouseFocusReason);
    e->accept();
}

void THotKeyEdit::mouseMoveEvent(QMouseEvent *e)
{
    e->accept();
}

void THotKeyEdit::mouseDoubleClickEvent(QMouseEvent *e)
{
    e->accept();
}

void THotKeyEdit::inputMethodEvent(QInputMethodEvent *e)
{
    e->accept();
}
