#include "app/commands/EditCommands.h"

#include "app/commands/PageCommands.h"
#include "editor/TRxRichEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

EditCommands::EditCommands(PageCommands *pages, QObject *parent) : QObject(parent), m_pages(pages)
{
    setObjectName(QStringLiteral("EditCommands"));
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
    const bool wrap = !(m_wrap && m_wrap->isChecked());
    m_pages->TemplateEditor()->SetWordWrap(wrap);
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        editor->SetWordWrap(wrap);
    if (m_wrap)
        m_wrap->setChecked(wrap);
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
