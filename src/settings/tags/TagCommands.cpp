#include "settings/tags/TagCommands.h"

#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/view/EditorKeys.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/tags/HotKeyText.h"
#include "settings/tags/TTagList.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTextCursor>

namespace {

// A caption fit for a menu item: one line, no tab (Qt would take the rest for the key),
// and not so long that the menu would leave the screen.
QString menuCaption(const QString &name)
{
    // Long names are cut, so that the menu stays narrow enough to show the keys beside them;
    // the list in the settings and the stored name keep the whole name.
    constexpr int longest = 60;
    QString caption = name;
    for (QChar &c : caption)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    if (caption.size() > longest) {
        caption.truncate(longest);
        // A cut-off "&" would make the ellipsis the accelerator ("&&" is a plain "&").
        qsizetype amps = 0;
        while (amps < caption.size() && caption.at(caption.size() - 1 - amps) == QLatin1Char('&'))
            ++amps;
        if (amps % 2)
            caption.chop(1);
        caption += QChar(0x2026);
    }
    return caption;
}

} // namespace

TagCommands::TagCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                         TSettingsStore *settings, QObject *parent)
    : QObject(parent), m_activeEditor(std::move(activeEditor)), m_prompts(prompts), m_window(window),
      m_settings(settings)
{}

void TagCommands::BuildTagMenu(QMenu *mmUZIV, const QList<QKeySequence> &taken)
{
    m_menu = mmUZIV;
    m_taken = taken;
    QList<TTagMenuEntry> entries;
    if (m_settings) {
        try {
            entries = TTagList::ReadMenuEntries(*m_settings);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
        }
    }
    fill(entries);
}

void TagCommands::RebuildTagMenu(const QStringList &names, const QStringList &hotKeys)
{
    fill(TTagList::MenuEntries(names, hotKeys));
}

void TagCommands::fill(const QList<TTagMenuEntry> &entries)
{
    if (!m_menu)
        return;
    // The items go from the last to the first.
    const QList<QAction *> old = m_menu->actions();
    for (qsizetype i = old.size() - 1; i >= 0; --i) {
        m_menu->removeAction(old.at(i));
        if (old.at(i)->parent() == m_menu)
            delete old.at(i);
    }
    m_used.clear();
    for (const QKeySequence &seq : std::as_const(m_taken))
        if (!seq.isEmpty())
            m_used << HotKeyText::Normalized(seq[0]) << seq[0]; // a chord's first key as well
    for (const TTagMenuEntry &e : entries)
        AddTagMenuItem(e.name, e.hotKey, e.number);
}

QAction *TagCommands::AddTagMenuItem(const QString &name, const QString &hotKey, int number)
{
    if (!m_menu)
        return nullptr;
    QAction *item = nullptr;
    if (name == QStringLiteral("-")) {
        item = m_menu->addSeparator();
        item->setData(number);
        return item;
    }
    item = new QAction(menuCaption(name), m_menu);
    item->setObjectName(QStringLiteral("usertag%1").arg(number));
    item->setData(number);
    if (const std::optional<QKeyCombination> key = HotKeyText::Parse(hotKey)) {
        const QList<QKeySequence> shortcuts = HotKeyText::Shortcuts(*key);
        bool free = true;
        for (const QKeySequence &s : shortcuts)
            free = free && !m_used.contains(s[0]) && !EditorKeys::Keeps(s[0]);
        if (free) {
            item->setShortcuts(shortcuts);
            for (const QKeySequence &s : shortcuts)
                m_used << s[0];
        } else {
            // The key stays with its owner; the caption still tells what was chosen.
            item->setText(item->text() + QLatin1Char('\t')
                          + shortcuts.first().toString(QKeySequence::NativeText));
        }
    }
    connect(item, &QAction::triggered, this, [this, number] { usertagClick(number); });
    m_menu->addAction(item);
    return item;
}

bool TagCommands::TakesKey(QKeyCombination key) const
{
    if (!m_menu)
        return false;
    const Qt::KeyboardModifiers mods = key.keyboardModifiers() & ~Qt::KeypadModifier;
    for (const QAction *item : m_menu->actions())
        for (const QKeySequence &s : item->shortcuts())
            if (s.count() == 1 && s[0].key() == key.key()
                && (s[0].keyboardModifiers() & ~Qt::KeypadModifier) == mods)
                return true;
    return false;
}

void TagCommands::usertagClick(int number)
{
    TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor)
        return;
    try {
        const TTagTexts texts = m_settings ? TTagList::ReadTexts(*m_settings, number) : TTagTexts();
        WrapSelection(editor, texts.before, texts.after);
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, e.message());
    }
}

void TagCommands::WrapSelection(TRxRichEdit *editor, const QString &before, const QString &after)
{
    // The texts as the editor holds them: one position per line break, in the page's encoding.
    const QString b = editor->StorableText(before);
    const QString a = editor->StorableText(after);
    if (qsizetype(editor->Doc()->WholeLength()) + b.size() + a.size() > TRxRichEdit::MaxLength)
        throw TError(QCoreApplication::translate("TagCommands",
                                                 "Text by byl delší než 16 777 215 znaků, které editor "
                                                 "pojme; zkratka nebyla vložena."));
    const int start = editor->SelStart();
    const int end = start + editor->SelLength();
    if (b.isEmpty() && a.isEmpty()) {
        // The selection replaced by itself: nothing changes but the caret and the flag.
        editor->SetSelStart(start);
        editor->Doc()->MarkChanged();
        return;
    }
    // Only the two texts go in; the selected text stays where it is, so even a huge
    // selection costs nothing. One edit block: one undo step.
    QTextCursor c(editor->document());
    c.beginEditBlock();
    c.setPosition(end);
    c.insertText(a);
    c.setPosition(start);
    c.insertText(b);
    c.endEditBlock();
    editor->SetSelStart(start + int(b.size()));
    editor->ensureCursorVisible();
}
