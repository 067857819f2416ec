#include "spell/TypingSpellCheck.h"

#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "spell/SpellerSource.h"
#include "spell/TAbstractSpeller.h"
#include "spell/VisibleSpellCheck.h"

#include <QAction>
#include <QMenu>
#include <QTextCursor>
#include <QTimer>

namespace {

QString textOf(const TRxRichEdit *editor, const VisibleSpellCheck::Word &w)
{
    QTextCursor c(editor->Doc()->Text());
    c.setPosition(w.start);
    c.setPosition(w.start + w.length, QTextCursor::KeepAnchor);
    return c.selectedText();
}

} // namespace

TypingSpellCheck::TypingSpellCheck(std::function<TRxRichEdit *()> activeEditor, SpellerSource *source,
                                   TPrompts *prompts, QWidget *window, QMenu *pageMenu, QObject *parent)
    : QObject(parent), m_activeEditor(std::move(activeEditor)), m_source(source), m_prompts(prompts),
      m_window(window), m_menu(pageMenu)
{
    setObjectName(QStringLiteral("TypingSpellCheck"));
    connect(m_source, &SpellerSource::Loaded, this, &TypingSpellCheck::recheck);
    connect(m_source, &SpellerSource::ListsChanged, this, &TypingSpellCheck::recheck);
    connect(m_source, &SpellerSource::LoadFailed, this, &TypingSpellCheck::loadFailed);
    if (m_menu) {
        connect(m_menu, &QMenu::aboutToShow, this, &TypingSpellCheck::fillMenu);
        // After the chosen item has run: the menu hides before it triggers.
        connect(m_menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &TypingSpellCheck::clearMenu); });
    }
}

void TypingSpellCheck::WatchEditor(TRxRichEdit *editor)
{
    if (!editor || VisibleSpellCheck::of(editor))
        return;
    SpellerSource *source = m_source;
    auto *check = new VisibleSpellCheck(editor, [source] { return source->Speller(); });
    check->SetActive(m_on);
    m_editors.append(editor);
}

QList<VisibleSpellCheck *> TypingSpellCheck::checks() const
{
    QList<VisibleSpellCheck *> all;
    for (const QPointer<TRxRichEdit> &editor : m_editors)
        if (VisibleSpellCheck *check = VisibleSpellCheck::of(editor))
            all.append(check);
    return all;
}

void TypingSpellCheck::mmAutoSpellClick()
{
    SetOn(!m_on);
}

void TypingSpellCheck::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    emit OnChanged();
    m_editors.removeAll(nullptr);
    for (VisibleSpellCheck *check : checks())
        check->SetActive(on);
    // The pages are checked as soon as the dictionary is there.
    if (on && !m_source->Speller())
        m_source->LoadInBackground();
}

void TypingSpellCheck::loadFailed(const QString &message, bool notInstalled)
{
    if (!m_on || m_told)
        return;
    m_told = true;
    // The check mark stays: with a dictionary installed, the next start checks.
    if (notInstalled)
        m_prompts->ShowMessage(m_window, tr("Kontrola pravopisu"),
                               tr("Kontrola pravopisu při psaní nepracuje.") + QStringLiteral("\n\n")
                                   + message);
    else
        m_prompts->ShowError(m_window, message);
}

void TypingSpellCheck::recheck()
{
    for (VisibleSpellCheck *check : checks())
        check->Schedule(0);
}

void TypingSpellCheck::fillMenu()
{
    clearMenu();
    TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr;
    VisibleSpellCheck *check = VisibleSpellCheck::of(editor);
    TAbstractSpeller *speller = m_source->Speller();
    if (!m_on || !m_menu || !check || !speller)
        return;
    const VisibleSpellCheck::Word word = check->MenuWord();
    if (!word.IsValid())
        return;
    const QString text = textOf(editor, word);
    QStringList suggestions;
    speller->GetSuggestions(text, suggestions);

    QAction *top = m_menu->actions().value(0);
    auto add = [&](const QString &caption, const char *name, const std::function<void()> &run) {
        auto *item = new QAction(caption, m_menu);
        item->setObjectName(QLatin1String(name));
        if (run)
            connect(item, &QAction::triggered, this, run);
        else
            item->setEnabled(false);
        m_menu->insertAction(top, item);
        m_menuItems.append(item);
        return item;
    };
    const QPointer<TRxRichEdit> page(editor);
    for (const QString &suggestion : suggestions.mid(0, MaxSuggestions)) {
        QAction *item = add(QString(suggestion).replace(QLatin1Char('&'), QLatin1String("&&")),
                            "pmaSpellSuggestion", [page, word, text, suggestion] {
                                // Only the word the menu was opened for is replaced.
                                if (page && textOf(page, word) == text)
                                    page->ReplaceRange(word.start, word.length, suggestion);
                            });
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    if (suggestions.isEmpty())
        add(tr("(žádné návrhy)"), "pmaSpellNoSuggestion", nullptr);
    add(tr("Přidat do slovníku"), "pmaSpellAdd", [this, text] {
        if (TAbstractSpeller *sp = m_source->Speller()) {
            try {
                sp->AddToCustomDictionary(text);
            } catch (const TError &e) {
                m_prompts->ShowError(m_window, e.message());
            }
        }
        recheck();
    });
    add(tr("Přeskakovat"), "pmaSpellIgnore", [this, text] {
        if (TAbstractSpeller *sp = m_source->Speller())
            sp->IgnoreAlways(text);
        recheck();
    });
    auto *separator = new QAction(m_menu);
    separator->setSeparator(true);
    m_menu->insertAction(top, separator);
    m_menuItems.append(separator);
    emit MenuItemsAdded();
}

void TypingSpellCheck::clearMenu()
{
    // Still in the menu: the menu may hide while an item of ours runs.
    if (m_menu && m_menu->isVisible())
        return;
    for (QAction *item : std::exchange(m_menuItems, {})) {
        if (m_menu)
            m_menu->removeAction(item);
        item->deleteLater();
    }
}
