#pragma once

#include <QKeyCombination>
#include <QLineEdit>

// The hot-key field: shows one key with its modifiers as the hot-key text writes it.
// A plain key and Shift+key become Alt+key (a hot key needs Ctrl or Alt); keys with no
// name that reads back are refused. Tab and Shift+Tab move the focus on and back, plain
// Enter and Esc go to the dialog's buttons, plain Backspace empties the field (no key).
class THotKeyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit THotKeyEdit(QWidget *parent = nullptr);

    // QKeyCombination() for none.
    QKeyCombination HotKey() const { return m_key; }
    void SetHotKey(QKeyCombination key);

    // What a key press makes of the field's value: the value for the key, or nullopt when
    // the field ignores it (a modifier key alone, a key without a name). Backspace alone
    // gives QKeyCombination().
    static std::optional<QKeyCombination> ValueForKey(QKeyCombination pressed);

signals:
    void HotKeyChanged(QKeyCombination key); // by a key press, not by SetHotKey
    void Exited();                           // the focus left the field

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;

private:
    static bool passesOn(const QKeyEvent *e);
    void show(QKeyCombination key);

    QKeyCombination m_key;
};
