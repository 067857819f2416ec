#include "app/files/FileWatch.h"

#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTimer>

namespace {

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Where the caret was, to put it back on the same line after the text is replaced.
struct CaretPlace
{
    int line = 0;
    int column = 0;
    int scroll = 0;

    static CaretPlace Of(TRxRichEdit *editor)
    {
        const QTextCursor c = editor->textCursor();
        return {c.blockNumber(), c.positionInBlock(), editor->verticalScrollBar()->value()};
    }
    void Restore(TRxRichEdit *editor) const
    {
        QTextDocument *doc = editor->document();
        const QTextBlock block = doc->findBlockByNumber(qMin(line, doc->blockCount() - 1));
        editor->SetSelStart(block.position() + qMin(column, block.length() - 1));
        editor->verticalScrollBar()->setValue(scroll);
    }
};

} // namespace

FileWatch::FileWatch(TPrompts *prompts, QWidget *window, Actions actions, QObject *parent)
    : QObject(parent), m_prompts(prompts), m_window(window), m_actions(std::move(actions))
{
    setObjectName(QStringLiteral("FileWatch"));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            [this](const QString &path) { pathNoticed(path, false); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this](const QString &path) { pathNoticed(path, true); });
}

void FileWatch::WatchPage(TTabSheet *page)
{
    if (!page || !page->Doc() || m_states.contains(page))
        return;
    auto *state = new PageState;
    state->page = page;
    state->settle = new QTimer(this);
    state->settle->setSingleShot(true);
    connect(state->settle, &QTimer::timeout, this, [this, state] { check(state); });
    m_states.insert(page, state);
    // A load, a save or a reload: the file and what we know of it changed; look at once.
    connect(page->Doc(), &Document::SignatureChanged, this, [this, state] { check(state); });
    connect(page->Doc(), &Document::ModifiedChanged, this, [this, state] {
        if (state->kind == BarKind::Changed)
            fillChangedButtons(state);
    });
    connect(page, &QObject::destroyed, this, [this, page] { pageGone(page); });
    check(state);
}

TPageBar *FileWatch::BarOf(TTabSheet *page) const
{
    const PageState *state = m_states.value(page);
    return state ? state->bar.data() : nullptr;
}

QStringList FileWatch::WatchedPaths() const
{
    return m_watcher.files() + m_watcher.directories();
}

void FileWatch::pageGone(TTabSheet *page)
{
    PageState *state = m_states.take(page);
    if (!state)
        return;
    delete state->settle;
    delete state;
    syncWatches();
}

// Watches every page's file and its folder: a file replaced by rename (as our own save and
// most programs do) drops out of the watcher and is added again; the folder tells when a
// deleted file comes back.
void FileWatch::syncWatches()
{
    QSet<QString> files, folders;
    for (const PageState *state : std::as_const(m_states)) {
        if (state->path.isEmpty())
            continue;
        folders.insert(folderOf(state->path));
        if (QFileInfo::exists(state->path))
            files.insert(state->path);
    }
    const QStringList watchedFiles = m_watcher.files();
    const QStringList watchedFolders = m_watcher.directories();
    QStringList drop;
    for (const QString &path : watchedFiles)
        if (!files.contains(path))
            drop << path;
    for (const QString &path : watchedFolders)
        if (!folders.contains(path))
            drop << path;
    if (!drop.isEmpty())
        m_watcher.removePaths(drop);
    QStringList add;
    for (const QString &path : std::as_const(files))
        if (!watchedFiles.contains(path))
            add << path;
    for (const QString &path : std::as_const(folders))
        if (!watchedFolders.contains(path) && QFileInfo(path).isDir())
            add << path;
    if (!add.isEmpty())
        m_watcher.addPaths(add);
}

void FileWatch::pathNoticed(const QString &path, bool isFolder)
{
    for (PageState *state : std::as_const(m_states)) {
        if (state->path.isEmpty())
            continue;
        const bool concerned = isFolder ? folderOf(state->path) == path : state->path == path;
        // Gathered, not restarted: a file written without pause still gets its bar.
        if (concerned && !state->settle->isActive())
            state->settle->start(m_settleMs);
    }
}

void FileWatch::check(PageState *state)
{
    TTabSheet *page = state->page;
    if (!page || !page->Doc())
        return;
    const Document *doc = page->Doc();
    const QString path = doc->HasFile() ? absolute(doc->FileName()) : QString();
    if (path != state->path) {
        state->path = path;
        state->keptSeen = false;
    }
    syncWatches();
    if (path.isEmpty()) {
        dismiss(state);
        return;
    }
    const FileSignature now = FileSignature::Of(path);
    if (now == doc->Signature()) { // as we left it: our own save, or nothing at all
        state->keptSeen = false;
        dismiss(state);
        return;
    }
    if (state->keptSeen && now == state->kept)
        return;
    if (now.exists)
        showChanged(state);
    else
        showDeleted(state);
}

TPageBar *FileWatch::barFor(PageState *state, const QString &message)
{
    if (state->bar) {
        state->bar->SetMessage(message);
        state->bar->ClearButtons();
        return state->bar;
    }
    auto *bar = new TPageBar(message);
    bar->setObjectName(QStringLiteral("FileChangedBar"));
    state->page->AddBar(bar);
    state->bar = bar;
    connect(bar, &TPageBar::Dismissed, this, [this, state, bar] {
        if (state->bar == bar) {
            state->bar = nullptr;
            state->kind = BarKind::None;
        }
    });
    return bar;
}

void FileWatch::showChanged(PageState *state)
{
    const bool fresh = state->kind != BarKind::Changed;
    state->kind = BarKind::Changed;
    fillChangedButtons(state);
    if (fresh)
        emit BarShown(state->page);
}

void FileWatch::fillChangedButtons(PageState *state)
{
    TTabSheet *page = state->page;
    TPageBar *bar = barFor(state, tr("Soubor byl změněn jiným programem."));
    if (page->Doc()->Modified()) {
        bar->AddButton(tr("Načíst znovu (zahodit změny)"), [this, page] { Reload(page); });
        bar->AddButton(tr("Ponechat moje změny"), [this, page] { Keep(page); });
    } else {
        bar->AddButton(tr("Načíst znovu"), [this, page] { Reload(page); });
        bar->AddButton(tr("Ponechat"), [this, page] { Keep(page); });
    }
}

void FileWatch::showDeleted(PageState *state)
{
    TTabSheet *page = state->page;
    if (state->kind != BarKind::Deleted) {
        state->kind = BarKind::Deleted;
        // The text is now the only copy: closing the page or the program asks first.
        state->editedBeforeDeletion = page->Doc()->Modified();
        page->Doc()->MarkChanged();
        TPageBar *bar = barFor(state, tr("Soubor byl na disku smazán."));
        bar->AddButton(tr("Uložit"), [this, page] {
            if (m_actions.saveInPlace && page)
                m_actions.saveInPlace(page);
        });
        bar->AddButton(tr("Zavřít stránku"), [this, page, state] {
            // Edits of the user's own are asked about as on any close; a page that only
            // became modified because its file went closes as the user said.
            if (m_actions.closePage && page)
                m_actions.closePage(page, state->editedBeforeDeletion);
        });
        emit BarShown(page);
    }
}

void FileWatch::dismiss(PageState *state)
{
    if (state->bar)
        state->bar->Dismiss(); // clears the state through Dismissed
    state->bar = nullptr;
    state->kind = BarKind::None;
}

void FileWatch::Keep(TTabSheet *page)
{
    PageState *state = m_states.value(page);
    if (!state || state->path.isEmpty())
        return;
    state->kept = FileSignature::Of(state->path);
    state->keptSeen = true;
    dismiss(state);
}

void FileWatch::Reload(TTabSheet *page)
{
    PageState *state = m_states.value(page);
    if (!state || state->path.isEmpty() || !page->Editor())
        return;
    Document *doc = page->Doc();
    if (!doc->DiskState().exists) {
        check(state); // gone meanwhile: the bar says so
        return;
    }
    // An undoable reload of a big text would hold the window and double the memory.
    const bool undoable = doc->ReloadUndoable();
    if (!undoable && m_prompts->Confirm(m_window, tr("Změny nelze vzít zpět.")) != TPrompts::Yes)
        return;
    TRxRichEdit *editor = page->Editor();
    const CaretPlace caret = CaretPlace::Of(editor);
    const QPointer<TTabSheet> guarded(page);
    try {
        doc->Reload(); // its new signature: the bar goes unless the file changed meanwhile
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, ErrorOpeningText(doc->FileName(), e.message()));
        return;
    }
    if (!guarded)
        return; // closed while its text came in
    if (undoable)
        caret.Restore(editor);
    else
        editor->AfterLoad([editor, caret] { caret.Restore(editor); });
    state->keptSeen = false;
    check(state);
    emit Reloaded(page);
}
