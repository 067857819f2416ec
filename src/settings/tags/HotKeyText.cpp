#include "settings/tags/HotKeyText.h"

namespace HotKeyText {

namespace {

struct Name
{
    const char *text;
    Qt::Key key;
};

// Names written for these keys; the parser also knows them. Enter stands for both the
// main Enter key and the keypad's.
constexpr Name OwnNames[] = {
    {"BkSp", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},     {"Esc", Qt::Key_Escape},
    {"Enter", Qt::Key_Return},   {"Space", Qt::Key_Space}, {"PgUp", Qt::Key_PageUp},
    {"PgDn", Qt::Key_PageDown},  {"End", Qt::Key_End},     {"Home", Qt::Key_Home},
    {"Left", Qt::Key_Left},      {"Up", Qt::Key_Up},       {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},      {"Ins", Qt::Key_Insert},  {"Del", Qt::Key_Delete},
};

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

constexpr Qt::KeyboardModifiers Kept = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// One key's name to its key, without modifiers.
std::optional<Qt::Key> keyOfName(const QString &name)
{
    for (const Name &n : OwnNames)
        if (name.compare(QLatin1String(n.text), Qt::CaseInsensitive) == 0)
            return n.key;
    const QKeySequence seq = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (seq.count() != 1)
        return std::nullopt;
    const QKeyCombination c = seq[0];
    if (c.keyboardModifiers() != Qt::NoModifier || !IsSet(c) || isModifierKey(c.key()))
        return std::nullopt;
    return c.key();
}

QString nameOfKey(Qt::Key key)
{
    for (const Name &n : OwnNames)
        if (n.key == key)
            return QLatin1String(n.text);
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

bool takePrefix(QStringView &rest, QLatin1StringView prefix)
{
    if (!rest.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    rest = rest.mid(prefix.size());
    return true;
}

} // namespace

std::optional<QKeyCombination> Parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    QStringView rest(trimmed);
    Qt::KeyboardModifiers mods;
    for (;;) {
        if (takePrefix(rest, QLatin1StringView("Shift+")))
            mods |= Qt::ShiftModifier;
        else if (takePrefix(rest, QLatin1StringView("Ctrl+")))
            mods |= Qt::ControlModifier;
        else if (takePrefix(rest, QLatin1StringView("Alt+")))
            mods |= Qt::AltModifier;
        // "^" is Ctrl; only a last "^" behind another prefix names the key itself, as
        // "Ctrl+^" is written. A lone "^" is Ctrl alone: no key.
        else if (rest.startsWith(QLatin1Char('^')) && (rest.size() > 1 || mods == Qt::NoModifier))
            rest = rest.mid(1), mods |= Qt::ControlModifier;
        else
            break;
    }
    if (rest.isEmpty())
        return std::nullopt;
    const std::optional<Qt::Key> key = keyOfName(rest.toString());
    if (!key)
        return std::nullopt;
    return QKeyCombination(mods, *key);
}

QString Write(QKeyCombination key)
{
    if (!IsSet(key))
        return {};
    QString text;
    const Qt::KeyboardModifiers mods = key.keyboardModifiers();
    if (mods & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (mods & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (mods & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    Qt::Key k = key.key();
    if (k == Qt::Key_Enter)
        k = Qt::Key_Return;
    else if (k == Qt::Key_Backtab)
        k = Qt::Key_Tab;
    return text + nameOfKey(k);
}

QKeyCombination Normalized(QKeyCombination key)
{
    Qt::Key k = key.key();
    Qt::KeyboardModifiers mods = key.keyboardModifiers() & Kept;
    if (k == Qt::Key_Enter)
        k = Qt::Key_Return;
    else if (k == Qt::Key_Backtab) {
        k = Qt::Key_Tab;
        mods |= Qt::ShiftModifier;
    }
    if (!IsSet(QKeyCombination(k)) || isModifierKey(k))
        return {};
    const QKeyCombination kept(mods, k);
    // Only a key whose name reads back to it can be kept.
    const std::optional<QKeyCombination> back = Parse(Write(kept));
    return back && *back == kept ? kept : QKeyCombination();
}

QList<QKeySequence> Shortcuts(QKeyCombination key)
{
    if (!IsSet(key))
        return {};
    QList<QKeySequence> list{QKeySequence(key)};
    if (key.key() == Qt::Key_Return)
        list << QKeySequence(QKeyCombination(key.keyboardModifiers(), Qt::Key_Enter));
    return list;
}

} // namespace HotKeyText
