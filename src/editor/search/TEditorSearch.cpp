#include "editor/search/TEditorSearch.h"

#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "editor/search/TSearchDialog.h"
#include "editor/search/TSearchHighlight.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"
#include "text/TextSearch.h"

#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextCursor>

namespace {

TextSearch::Options optionsOf(const TSearchDialog *dialog)
{
    return TextSearch::Options{dialog->MatchCase(), dialog->WholeWord()};
}

// The search text as the editor's text has it: one "\n" per line break.
QString needleOf(const TSearchDialog *dialog)
{
    return TextFile::normalizeBreaks(dialog->SearchText());
}

} // namespace

TEditorSearch::TEditorSearch(TRxRichEdit *editor) : QObject(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("TEditorSearch"));
}

TEditorSearch *TEditorSearch::of(TRxRichEdit *editor)
{
    if (!editor)
        return nullptr;
    if (TEditorSearch *search = find(editor))
        return search;
    return new TEditorSearch(editor);
}

TEditorSearch *TEditorSearch::find(const TRxRichEdit *editor)
{
    return editor ? editor->findChild<TEditorSearch *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

TSearchDialog *TEditorSearch::createDialog(int kind)
{
    // Parented to the editor: a window of its own that closes with the editor's page.
    auto *dialog = new TSearchDialog(TSearchDialog::Kind(kind), m_editor);
    new TSearchHighlight(m_editor, dialog); // marks and counts the hits while the dialog shows
    connect(dialog, &TSearchDialog::FindNextClicked, this,
            [this](TSearchDialog *d) { SearchWithDialog(d, true, true); });
    connect(dialog, &TSearchDialog::Closed, this,
            [this](TSearchDialog *d) { emit CloseFindDialog(m_editor, d); });
    if (kind == TSearchDialog::Replace) {
        connect(dialog, &TSearchDialog::ReplaceClicked, this,
                [this](TSearchDialog *d) { ReplaceOne(d); });
        connect(dialog, &TSearchDialog::ReplaceAllClicked, this,
                [this](TSearchDialog *d) { ReplaceAll(d); });
    }
    return dialog;
}

void TEditorSearch::showDialog(TSearchDialog *dialog)
{
    if (dialog->isVisible()) {
        // A showing dialog keeps the text the user sees in it.
        dialog->raise();
        dialog->activateWindow();
        return;
    }
    const QString selected = m_editor->SelText();
    if (!selected.isEmpty())
        dialog->SetSearchText(selected);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->edtSearch->setFocus();
    dialog->edtSearch->selectAll();
}

void TEditorSearch::ShowFindDialog()
{
    if (!m_findDialog) {
        m_findDialog = createDialog(TSearchDialog::Find);
        if (m_replaceDialog)
            m_findDialog->SetSearchText(m_replaceDialog->SearchText());
    }
    showDialog(m_findDialog);
}

void TEditorSearch::ShowReplaceDialog()
{
    if (!m_replaceDialog) {
        m_replaceDialog = createDialog(TSearchDialog::Replace);
        if (m_findDialog)
            m_replaceDialog->SetSearchText(m_findDialog->SearchText());
    }
    showDialog(m_replaceDialog);
}

bool TEditorSearch::SearchWithDialog(TSearchDialog *dialog, bool moveAside, bool reportMiss)
{
    if (!dialog)
        return false;
    const int start = m_editor->SelStart();
    const int end = start + m_editor->SelLength();
    const QString needle = needleOf(dialog);
    if (!needle.isEmpty())
        m_lastSearch = dialog;

    qsizetype hit = -1;
    if (!needle.isEmpty()) {
        const QString text = m_editor->PlainText();
        hit = dialog->Down() ? TextSearch::findDown(text, needle, end, optionsOf(dialog))
                             : TextSearch::findUp(text, needle, start, optionsOf(dialog));
    }
    if (hit < 0) {
        if (reportMiss)
            emit TextNotFound(m_editor, dialog->SearchText());
        return false;
    }
    m_editor->SetSelStart(int(hit));
    m_editor->SetSelLength(int(needle.size())); // scrolls the hit into view
    if (moveAside)
        MoveDialogAside(dialog);
    return true;
}

void TEditorSearch::MoveDialogAside(TSearchDialog *dialog)
{
    if (!dialog || !dialog->isVisible())
        return;
    QTextCursor cursor = m_editor->textCursor();
    QTextCursor at(cursor);
    at.setPosition(cursor.selectionStart());
    const QPoint top = m_editor->viewport()->mapToGlobal(m_editor->cursorRect(at).topLeft());
    at.setPosition(cursor.selectionEnd());
    const QPoint bottom = m_editor->viewport()->mapToGlobal(m_editor->cursorRect(at).topLeft())
                          + QPoint(0, 20);

    const QRect frame = dialog->frameGeometry();
    if (!frame.contains(top) && !frame.contains(bottom))
        return;
    const QScreen *screen = dialog->screen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 0, 0);
    const int h = frame.height();
    const int topOnScreen = top.y() - screenRect.top();
    int newTop;
    if (topOnScreen > h + 20)
        newTop = top.y() - 20 - h;
    else if (topOnScreen + h < screenRect.height())
        newTop = top.y() + 40;
    else
        return;
    dialog->move(frame.left(), newTop);
}

bool TEditorSearch::RepeatSearch()
{
    if (!m_lastSearch || m_lastSearch->SearchText().isEmpty())
        return false;
    return SearchWithDialog(m_lastSearch, false, true);
}

bool TEditorSearch::SelectionIsHit(TSearchDialog *dialog) const
{
    const QString needle = needleOf(dialog);
    const int start = m_editor->SelStart();
    return !needle.isEmpty() && m_editor->SelLength() == needle.size()
           && TextSearch::findDown(m_editor->PlainText(), needle, start, optionsOf(dialog)) == start;
}

int TEditorSearch::ReplaceOne(TSearchDialog *dialog)
{
    if (!dialog)
        return 0;
    // Only the hit the user sees is replaced; without one selected, the button finds it.
    if (!SelectionIsHit(dialog)) {
        SearchWithDialog(dialog, true, true);
        return 0;
    }
    m_lastSearch = dialog;
    m_editor->SetSelText(dialog->ReplaceText()); // one undo step, the new text selected
    // On to the next hit; after the last one the new text stays selected.
    SearchWithDialog(dialog, true, false);
    return 1;
}

int TEditorSearch::ReplaceAll(TSearchDialog *dialog)
{
    if (!dialog)
        return 0;
    const QString needle = needleOf(dialog);
    if (needle.isEmpty()) {
        emit TextNotFound(m_editor, dialog->SearchText());
        return 0;
    }
    m_lastSearch = dialog;
    // The replacement as the editor will hold it, so the plan's positions stay true.
    const QString replacement = m_editor->StorableText(dialog->ReplaceText());
    const QString text = m_editor->PlainText();
    // From the selection's start, so a selected hit is replaced too.
    const int from = m_editor->SelStart();

    // Stop replacing before the text would outgrow the editor: cutting the edit short
    // would lose the text after the cut.
    int maxCount = -1;
    const qsizetype growth = replacement.size() - needle.size();
    if (growth > 0)
        maxCount = int(qMax<qsizetype>(0, TRxRichEdit::MaxLength - text.size()) / growth);
    const TextSearch::ReplaceAllPlan plan = TextSearch::planReplaceAll(
        text, needle, replacement, from, optionsOf(dialog), maxCount);
    if (plan.count() == 0) {
        emit TextNotFound(m_editor, dialog->SearchText());
        return 0;
    }

    // One undo step for the whole run, with the editor's events held back: one change event
    // and one selection event follow at the end.
    {
        const QSignalBlocker quiet(m_editor);
        QList<TextEdits::Edit> edits;
        edits.reserve(plan.hits.size());
        for (const qsizetype hit : plan.hits)
            edits.append(TextEdits::Edit{hit, needle.size(), replacement});
        ApplyEdits(m_editor, text, edits);
    }
    emit m_editor->Changed(m_editor);
    // The last replacement ends selected, as if each had replaced the selection.
    bool selectionReported = false;
    const auto reported = connect(m_editor, &TRxRichEdit::SelectionChanged, this,
                                  [&selectionReported] { selectionReported = true; });
    if (replacement.isEmpty()) {
        m_editor->SetSelStart(int(plan.lastReplacementStart));
    } else {
        {
            const QSignalBlocker quiet(m_editor);
            m_editor->SetSelStart(int(plan.lastReplacementStart));
        }
        m_editor->SetSelLength(int(replacement.size()));
    }
    disconnect(reported);
    if (!selectionReported)
        emit m_editor->SelectionChanged(m_editor);
    MoveDialogAside(dialog);
    emit ReplacedAll(m_editor, plan.count());
    return plan.count();
}
