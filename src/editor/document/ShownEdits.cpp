#include "editor/document/ShownEdits.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// The characters from `from` on, as they are stored: "\n" between lines, nothing else
// changed (a no-break space stays one).
QString spanOf(const QTextDocument &text, int from, int length)
{
    QTextCursor c(const_cast<QTextDocument *>(&text));
    c.setPosition(from);
    c.setPosition(from + length, QTextCursor::KeepAnchor);
    QString span = c.selectedText();
    span.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return span;
}

int lengthOf(const QTextDocument &text)
{
    return text.characterCount() - 1;
}

} // namespace

void ShownEdits::Start(const QTextDocument &shown)
{
    Clear();
    m_startLength = lengthOf(shown);
    m_copy = spanOf(shown, 0, m_startLength);
}

void ShownEdits::Clear()
{
    m_steps.clear();
    m_copy.clear();
    m_startLength = 0;
    m_undoing = 0;
}

void ShownEdits::BeginUndo(bool redo)
{
    m_steps.push_back({redo ? Step::Redo : Step::Undo, 0, 0, QString()});
    ++m_undoing;
}

void ShownEdits::Changed(const QTextDocument &shown, int from, int removed, int added)
{
    const int length = lengthOf(shown);
    const int before = int(m_copy.size());
    // A change at the end may count the document's closing break, which is in no text.
    from = std::clamp(from, 0, std::min(before, length));
    removed = std::clamp(removed, 0, before - from);
    added = std::clamp(added, 0, length - from);
    if (before - removed + added != length) { // not understood: everything from `from` on
        removed = before - from;
        added = length - from;
    }
    QString now = spanOf(shown, from, added);
    if (QStringView(m_copy).mid(from, removed) == now)
        return; // formats only (or nothing): no edit
    m_copy.replace(from, removed, now);
    if (m_undoing == 0)
        m_steps.push_back({Step::Edit, from, removed, std::move(now)});
}

bool ShownEdits::Replay(QTextDocument *whole, const QTextDocument &shown) const
{
    // Nothing edits beyond the shown part: the rest stays the whole text's end throughout.
    const int rest = lengthOf(*whole) - m_startLength;
    for (const Step &step : m_steps) {
        if (step.kind == Step::Undo) {
            whole->undo();
            continue;
        }
        if (step.kind == Step::Redo) {
            whole->redo();
            continue;
        }
        // As typed: one cursor call, so that the history groups it as the shown one did.
        const int end = lengthOf(*whole);
        QTextCursor c(whole);
        c.setPosition(std::min(step.from, end));
        c.setPosition(std::min(step.from + step.removed, end), QTextCursor::KeepAnchor);
        if (step.text.isEmpty())
            c.removeSelectedText();
        else
            c.insertText(step.text);
    }
    const int shownLength = lengthOf(shown);
    const int start = lengthOf(*whole) - rest;
    const QString wanted = spanOf(shown, 0, shownLength);
    if (start == shownLength && spanOf(*whole, 0, start) == wanted)
        return true;
    whole->clearUndoRedoStacks();
    QTextCursor c(whole);
    c.setPosition(std::max(start, 0), QTextCursor::KeepAnchor);
    if (wanted.isEmpty())
        c.removeSelectedText();
    else
        c.insertText(wanted);
    return false;
}
