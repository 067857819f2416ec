#include "app/commands/CommandEnabler.h"

#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

CommandEnabler::CommandEnabler(CommandTable *table, PageCommands *pages, QObject *parent)
    : QObject(parent), m_table(table), m_pages(pages)
{
    setObjectName(QStringLiteral("CommandEnabler"));
    connect(pages, &PageCommands::PageCountChanged, this, &CommandEnabler::UpdateCommands);
    connect(pages, &PageCommands::ActivePageChanged, this, &CommandEnabler::activePageChanged);
    connect(pages, &PageCommands::PageCreated, this, &CommandEnabler::editorCreated);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CommandEnabler::UpdateCommands);
    connect(table, &CommandTable::StateWanted, this, &CommandEnabler::UpdateCommands);
}

void CommandEnabler::UpdateCommands()
{
    CommandState state;
    state.pageOpen = m_pages->Pages()->PageCount() > 0;
    if (TRxRichEdit *editor = m_pages->ActiveEditor()) {
        state.canUndo = editor->CanUndo();
        state.canRedo = editor->CanRedo();
        state.selection = editor->SelLength() > 0;
        state.utf8Page = editor->Doc()->TextEncoding() == TextFile::Encoding::Utf8;
        state.modified = editor->Doc()->Modified();
    }
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    state.canPaste = mime && mime->hasText();
    state.saveButton = state.pageOpen && !m_savedGrey;
    m_state = state;
    m_table->Apply(m_state);
}

void CommandEnabler::activePageChanged(TTabSheet *page)
{
    for (const auto &link : std::as_const(m_editorLinks))
        disconnect(link);
    m_editorLinks.clear();
    m_editor = page ? page->Editor() : nullptr;
    if (m_editor) {
        m_editorLinks
            << connect(m_editor, &QPlainTextEdit::undoAvailable, this, &CommandEnabler::UpdateCommands)
            << connect(m_editor, &QPlainTextEdit::redoAvailable, this, &CommandEnabler::UpdateCommands)
            << connect(m_editor, &QPlainTextEdit::copyAvailable, this, &CommandEnabler::UpdateCommands)
            << connect(m_editor->Doc(), &Document::FormatChanged, this, &CommandEnabler::UpdateCommands)
            // An open "&Soubor" menu follows the page's flag.
            << connect(m_editor->Doc(), &Document::ModifiedChanged, this, &CommandEnabler::UpdateCommands);
    }
    UpdateCommands();
}

void CommandEnabler::editorCreated(TTabSheet *page)
{
    connect(page->Editor(), &TRxRichEdit::SelectionChanged, this, [this] { setSavedGrey(false); });
    setSavedGrey(false); // a new page is something to save
}

void CommandEnabler::PageSaved()
{
    setSavedGrey(true);
}

void CommandEnabler::setSavedGrey(bool grey)
{
    m_savedGrey = grey;
    const bool on = m_state.pageOpen && !grey;
    if (m_state.saveButton == on)
        return;
    // The rest of the state is as last read: every other part of it has its own signal.
    m_state.saveButton = on;
    m_table->Apply(m_state);
}
