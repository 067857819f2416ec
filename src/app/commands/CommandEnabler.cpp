#include "app/commands/CommandEnabler.h"

#include "app/commands/CommandTable.h"
#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "editor/TRxRichEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

CommandEnabler::CommandEnabler(CommandTable *table, PageCommands *pages, QObject *parent)
    : QObject(parent), m_table(table), m_pages(pages)
{
    setObjectName(QStringLiteral("CommandEnabler"));
    connect(pages, &PageCommands::PageCountChanged, this, &CommandEnabler::UpdateCommands);
    connect(pages, &PageCommands::ActivePageChanged, this, &CommandEnabler::activePageChanged);
    connect(pages, &PageCommands::PageCreated, this, &CommandEnabler::editorCreated);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CommandEnabler::UpdateCommands);
}

void CommandEnabler::AddPageMenu(QAction *menuAction)
{
    m_pageMenus << menuAction;
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
    }
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    state.canPaste = mime && mime->hasText();
    m_table->Apply(state);
    for (QAction *menu : std::as_const(m_pageMenus))
        menu->setEnabled(state.pageOpen);
    if (m_saveButton && !state.pageOpen)
        m_saveButton->setEnabled(false);
    showSaveInFileMenu();
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
            << connect(m_editor->Doc(), &Document::ModifiedChanged, this,
                       &CommandEnabler::showSaveInFileMenu);
    }
    UpdateCommands();
}

void CommandEnabler::editorCreated(TTabSheet *page)
{
    connect(page->Editor(), &TRxRichEdit::SelectionChanged, this, [this] {
        if (m_saveButton)
            m_saveButton->setEnabled(true);
    });
}

void CommandEnabler::WatchFileMenu(QMenu *fileMenu, QAction *save)
{
    m_fileMenu = fileMenu;
    m_save = save;
    connect(fileMenu, &QMenu::aboutToShow, this, [this] {
        const TTabSheet *page = m_pages->ActivePage();
        m_save->setEnabled(page && page->Doc()->Modified());
    });
    // Queued: an item chosen from the menu is triggered after the menu hides.
    connect(fileMenu, &QMenu::aboutToHide, this, &CommandEnabler::UpdateCommands, Qt::QueuedConnection);
}

// While the menu is open the item follows the active page's flag, whatever else changes;
// closed, the table's rule holds.
void CommandEnabler::showSaveInFileMenu()
{
    if (!m_fileMenu || !m_save || !m_fileMenu->isVisible())
        return;
    const TTabSheet *page = m_pages->ActivePage();
    m_save->setEnabled(page && page->Doc()->Modified());
}

void CommandEnabler::SetSaveButton(QAction *saveButton)
{
    m_saveButton = saveButton;
}

void CommandEnabler::PageSaved()
{
    if (m_saveButton)
        m_saveButton->setEnabled(false);
}
