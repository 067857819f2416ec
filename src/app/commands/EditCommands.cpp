#include "app/commands/EditCommands.h"

#include "app/commands/PageCommands.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

EditCommands::EditCommands(PageCommands *pages, std::function<bool(const QString &)> message, QObject *parent)
    : QObject(parent), m_pages(pages), m_message(std::move(message))
{
    setObjectName(QStringLiteral("EditCommands"));
}

void EditCommands::SetWrapMark(bool wrap)
{
    if (wrap == m_wrap)
        return;
    m_wrap = wrap;
    emit WrapMarkChanged();
}

void EditCommands::mmUndoClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (editor && editor->CanUndo())
        editor->Undo();
}

void EditCommands::mmRedoClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (editor && editor->CanRedo())
        editor->Redo();
}

void EditCommands::mmCutClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (editor && editor->SelLength() > 0)
        editor->cut();
}

void EditCommands::mmCopyClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (editor && editor->SelLength() > 0)
        editor->copy();
}

void EditCommands::mmPasteClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (editor && mime && mime->hasText())
        editor->paste();
}

void EditCommands::mmSelectAllClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->SelectAllText();
}

void EditCommands::itmWrapClick()
{
    const bool wrap = !m_wrap;
    m_pages->TemplateEditor()->SetWordWrap(wrap);
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->SetWordWrap(wrap);
    SetWrapMark(wrap);
    // Ctrl+W is easily hit by habit (it closes a page elsewhere): say what it did.
    if (m_message)
        m_message(wrap ? tr("Zalamování řádků zapnuto") : tr("Zalamování řádků vypnuto"));
}

void EditCommands::mmZoomInClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->ZoomIn();
}

void EditCommands::mmZoomOutClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->ZoomOut();
}

void EditCommands::mmZoomResetClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->ResetZoom();
}
