#include "app/commands/FileCommands.h"

#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>

namespace {

QString fileFilter()
{
    return FileCommands::tr("Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*");
}

// "Bez názvu.Txt" for a page never saved under a name, else the saved name up to its
// first "." followed by "Txt".
QString saveAsProposal(const QString &savedName)
{
    QString name = QFileInfo(savedName).fileName();
    if (name.isEmpty())
        name = FileCommands::tr("Bez názvu.");
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString stem = dot >= 0 ? name.left(dot + 1) : name + QLatin1Char('.');
    return stem + QStringLiteral("Txt");
}

} // namespace

FileCommands::FileCommands(PageCommands *pages, TPrompts *prompts, QWidget *window,
                           std::function<void(const QString &, int)> addToRecent,
                           std::function<void()> writeStartDir, QObject *parent)
    : QObject(parent), m_pages(pages), m_prompts(prompts), m_window(window),
      m_addToRecent(std::move(addToRecent)), m_writeStartDir(std::move(writeStartDir))
{
    setObjectName(QStringLiteral("FileCommands"));
}

// ---- opening ----

void FileCommands::OpenFile(const QString &fileName)
{
    loadFileToNewPage(fileName);
}

bool FileCommands::loadFileToNewPage(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        bringToFront();
        notify(tr("File '%1' does not exist").arg(fileName));
        return false;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([this] {
        QApplication::restoreOverrideCursor();
        bringToFront();
    });

    TTabSheet *previous = m_pages->ActivePage();
    TTabSheet *page = m_pages->CreatePage(QFileInfo(fileName).fileName());
    m_pages->Pages()->SetActivePage(page);
    try {
        page->Doc()->Load(fileName);
    } catch (const TError &) {
        // An empty page named after a file it could not read would let a later Save
        // overwrite that file with nothing: it goes again.
        m_pages->DiscardPage(page, previous);
        throw;
    }
    page->Editor()->setFocus();
    return true;
}

// Shown once the caller has finished, as a posted message would be, and one at a time:
// notices that arrive while one is up wait in turn instead of opening a box inside the box,
// and a notice already waiting or shown is not repeated.
void FileCommands::notify(const QString &text)
{
    if (text == m_noticeShown || m_notices.contains(text))
        return;
    m_notices.enqueue(text);
    if (m_notices.size() == 1 && m_noticeShown.isNull())
        QMetaObject::invokeMethod(this, &FileCommands::showNotices, Qt::QueuedConnection);
}

void FileCommands::showNotices()
{
    if (!m_noticeShown.isNull())
        return;
    while (!m_notices.isEmpty()) {
        m_noticeShown = m_notices.dequeue();
        m_prompts->ShowErrorNotice(m_window, m_noticeShown);
    }
    m_noticeShown = QString();
}

void FileCommands::bringToFront()
{
    if (!m_window->isVisible())
        return;
    m_window->raise();
    m_window->activateWindow();
}

bool FileCommands::OpenFileReporting(const QString &fileName)
{
    try {
        return loadFileToNewPage(fileName);
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, ErrorOpeningText(fileName, e.message()));
        return false;
    }
}

void FileCommands::OpenFiles(const QStringList &names, int userData)
{
    for (const QString &name : names) {
        try {
            if (loadFileToNewPage(name))
                m_addToRecent(name, userData);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, ErrorOpeningText(name, e.message()));
            return; // the rest of the walk is dropped
        }
    }
}

void FileCommands::OpenPanelFiles(const QStringList &names)
{
    for (const QString &name : names) {
        try {
            loadFileToNewPage(name);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
            return;
        }
        m_addToRecent(name, 1);
    }
}

void FileCommands::mmOpenClick()
{
    OpenFiles(m_prompts->OpenFileNames(m_window, tr("Otevřít"), QDir::currentPath(), fileFilter()), 1);
}

// ---- saving ----

void FileCommands::afterSave(TTabSheet *page, const QString &fileName)
{
    page->SetCaption(QFileInfo(fileName).fileName());
    emit Saved(page);
}

// Another program's version of the file is never replaced without the user's word: the
// file must be as this page last read or wrote it, or as the user was shown it when asked.
// The document looks again right before its write takes the name; a change it finds then is
// asked about the same way. "Storno" leaves the page as it is, and the bar about the change
// comes up at once instead of after the watcher's pause.
FileCommands::SaveResult FileCommands::saveChecked(TTabSheet *page)
{
    const QPointer<TTabSheet> guarded(page);
    Document *doc = page->Doc();
    // A text still coming in first: the look at the file is the one right before the write.
    if (!doc->AwaitWhole() || !guarded)
        return SaveResult::Cancelled;
    FileSignature accepted = doc->Signature();
    for (;;) {
        if (doc->ChangedOnDisk(accepted)) {
            const FileSignature shown = doc->DiskState();
            const QString question = tr("Soubor %1 byl mezitím změněn jiným programem. Přepsat?");
            if (!m_prompts->ConfirmOverwrite(m_window, question.arg(doc->FileName()))) {
                if (guarded)
                    doc->CheckDisk(); // tells the watcher to look now
                return SaveResult::Cancelled;
            }
            if (!guarded)
                return SaveResult::Cancelled;
            accepted = shown;
        }
        switch (doc->Save(accepted)) { // atomic: a failure leaves the old file whole
        case Document::SaveResult::Written:
            return SaveResult::Saved;
        case Document::SaveResult::Gone:
            return SaveResult::Cancelled;
        case Document::SaveResult::ChangedOnDisk:
            break; // changed in the last moment: asked about as any change
        }
    }
}

FileCommands::SaveResult FileCommands::savePage(TTabSheet *page)
{
    if (!page || !page->Editor())
        return SaveResult::Cancelled;
    Document *doc = page->Doc();
    if (!doc->HasFile() || !QFileInfo::exists(doc->FileName()))
        return savePageAs(page);
    const QPointer<TTabSheet> guarded(page);
    SaveResult result = SaveResult::Cancelled;
    try {
        result = saveChecked(page);
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, e.message());
        return SaveResult::Failed;
    }
    if (result == SaveResult::Saved && guarded)
        afterSave(page, doc->FileName());
    return guarded ? result : SaveResult::Cancelled;
}

FileCommands::SaveResult FileCommands::savePageAs(TTabSheet *page)
{
    if (!page || !page->Editor())
        return SaveResult::Cancelled;
    Document *doc = page->Doc();
    QString fileName =
        m_prompts->SaveFileName(m_window, tr("Uložit jako"), saveAsProposal(doc->SavedName()), fileFilter());
    if (fileName.isEmpty())
        return SaveResult::Cancelled;
    // A name typed without any extension gets the text files' one.
    if (!QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        fileName += QStringLiteral(".txt");
    if (QFileInfo::exists(fileName)
        && m_prompts->Confirm(m_window, tr("Soubor: %1 existuje. Přepsat?").arg(fileName)) != TPrompts::Yes)
        return SaveResult::Cancelled;
    try {
        if (doc->SaveAs(fileName) != Document::SaveResult::Written)
            return SaveResult::Cancelled; // the page went while its text came in
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, e.message());
        return SaveResult::Failed;
    }
    m_addToRecent(fileName, 1);
    afterSave(page, fileName);
    return SaveResult::Saved;
}

bool FileCommands::SaveInPlace(TTabSheet *page)
{
    if (!page || !page->Editor() || !page->Doc()->HasFile())
        return false;
    const QPointer<TTabSheet> guarded(page);
    try {
        if (saveChecked(page) != SaveResult::Saved || !guarded)
            return false;
    } catch (const TError &e) {
        m_prompts->ShowError(m_window, e.message());
        return false;
    }
    afterSave(page, page->Doc()->FileName());
    return true;
}

void FileCommands::CloseGivenPage(TTabSheet *page, bool ask)
{
    if (!page || m_pages->Pages()->IndexOf(page) < 0)
        return;
    if (ask) {
        closePageAsking(page);
        return;
    }
    m_pages->Pages()->SetActivePage(page);
    m_pages->CloseActivePage();
}

void FileCommands::mmSaveClick()
{
    savePage(m_pages->ActivePage());
}

void FileCommands::mmSaveAsClick()
{
    savePageAs(m_pages->ActivePage());
}

void FileCommands::mmSaveAllClick()
{
    TPageControl *pages = m_pages->Pages();
    for (int i = pages->PageCount() - 1; i >= 0; --i) {
        pages->SetActivePageIndex(i);
        // A cancelled Save As leaves its page and goes on; a failed write ends the command
        // on the page that could not be written.
        if (savePage(m_pages->ActivePage()) == SaveResult::Failed)
            return;
    }
    if (pages->PageCount() > 0)
        pages->SetActivePageIndex(0);
}

// ---- closing ----

bool FileCommands::closePageAsking(TTabSheet *page)
{
    if (!page)
        return false;
    if (page->Doc()->Modified()) {
        switch (
            m_prompts->Confirm(m_window, tr("Soubor %1, byl změněn. Uložit změny?").arg(page->Caption()))) {
        case TPrompts::Yes:
            // The page goes only when its text really was written.
            if (savePage(page) != SaveResult::Saved)
                return false;
            break;
        case TPrompts::No:
            break;
        case TPrompts::Cancel:
            return false;
        }
    }
    m_pages->Pages()->SetActivePage(page);
    m_pages->CloseActivePage();
    return true;
}

void FileCommands::mmCloseClick()
{
    closePageAsking(m_pages->ActivePage());
}

void FileCommands::ClosePage(TTabSheet *page)
{
    if (!page || m_pages->Pages()->IndexOf(page) < 0)
        return;
    m_pages->Pages()->SetActivePage(page);
    mmCloseClick();
}

void FileCommands::mmCloseAllClick()
{
    TPageControl *pages = m_pages->Pages();
    for (int i = pages->PageCount() - 1; i >= 0; --i) {
        if (i >= pages->PageCount())
            continue;
        pages->SetActivePageIndex(i);
        closePageAsking(m_pages->ActivePage());
    }
}

void FileCommands::mmExitClick()
{
    m_writeStartDir(); // also when the closing is then cancelled
    m_window->close();
}

bool FileCommands::FormCloseQuery()
{
    bool canClose = true;
    TPageControl *pages = m_pages->Pages();
    for (int i = 0; i < pages->PageCount(); ++i) {
        TTabSheet *page = pages->Page(i);
        if (!page->Doc()->Modified())
            continue;
        switch (
            m_prompts->Confirm(m_window, tr("Soubor: %1, byl změněn. Uložit změny?").arg(page->Caption()))) {
        case TPrompts::Yes:
            pages->SetActivePage(page);
            // Text the user asked to keep is never dropped: an unsaved page keeps us open.
            if (savePage(page) != SaveResult::Saved)
                canClose = false;
            break;
        case TPrompts::No:
            break;
        case TPrompts::Cancel:
            canClose = false; // the remaining pages are still asked about
            break;
        }
    }
    return canClose;
}
