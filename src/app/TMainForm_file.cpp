// File commands: open, save, save as, save all, close, close all, exit, and the question
// about unsaved changes when the window closes.
#include "app/TMainForm.h"

#include "common/TErrorText.h"
#include "app/TPageControl.h"
#include "common/TPrompts.h"
#include "editor/TRxRichEdit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

const QString CaptionPrefix = QStringLiteral("Quorvel Tosk - ");

QString fileFilter()
{
    return TMainForm::tr("Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*");
}

// "Bez názvu.Txt" for a page never saved under a name, else the saved name up to its
// first "." followed by "Txt".
QString saveAsProposal(const QString &editorHint)
{
    QString name = QFileInfo(editorHint).fileName();
    if (name.isEmpty())
        name = TMainForm::tr("Bez názvu.");
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString stem = dot >= 0 ? name.left(dot + 1) : name + QLatin1Char('.');
    return stem + QStringLiteral("Txt");
}

} // namespace

void TMainForm::initFileCommands() {}

// ---- opening ----

void TMainForm::OpenFile(const QString &fileName)
{
    LoadFileToNewPage(fileName);
}

bool TMainForm::LoadFileToNewPage(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        MissingFileName = fileName;
        bringToFront();
        // Shown once the caller has finished, as a posted message would be.
        QMetaObject::invokeMethod(this, [this, fileName] { showMissingFile(fileName); },
                                  Qt::QueuedConnection);
        return false;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([this] {
        QApplication::restoreOverrideCursor();
        bringToFront();
    });

    TTabSheet *previous = ActivePage();
    TTabSheet *page = createPage(QFileInfo(fileName).fileName(), fileName);
    page->SetFileBacked(true);
    PageControl1->SetActivePage(page);
    TRxRichEdit *editor = page->Editor();
    try {
        editor->LoadFromFile(fileName); // holds back screen updates while it reads
    } catch (const TError &) {
        // An empty page named after a file it could not read would let a later Save
        // overwrite that file with nothing: it goes again.
        PageControl1->DeletePage(page);
        NewSheet = nullptr;
        NewEditor = nullptr;
        if (previous)
            PageControl1->SetActivePage(previous);
        UpdateCommands();
        throw;
    }
    editor->SetModified(false);
    editor->setFocus();
    editor->SetModified(false);
    UpdateCommands();
    return true;
}

void TMainForm::showMissingFile(const QString &fileName)
{
    m_prompts->ShowErrorNotice(this, tr("File '%1' does not exist").arg(fileName));
}

void TMainForm::bringToFront()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void TMainForm::mmOpenClick()
{
    const QStringList names =
        m_prompts->OpenFileNames(this, tr("Otevřít"), QDir::currentPath(), fileFilter());
    for (const QString &name : names) {
        try {
            if (LoadFileToNewPage(name))
                AddToRecent(name, 1);
        } catch (const TError &e) {
            UpdateCommands();
            m_prompts->ShowError(this, ErrorOpeningText(name, e.message()));
            return;
        }
    }
    UpdateCommands();
}

// ---- saving ----

bool TMainForm::SavePageTo(TTabSheet *page, const QString &fileName)
{
    try {
        page->Editor()->SaveToFile(fileName); // atomic: a failure leaves the old file whole
    } catch (const TError &e) {
        m_prompts->ShowError(this, e.message());
        return false;
    }
    return true;
}

TMainForm::SaveResult TMainForm::savePage(TTabSheet *page)
{
    if (!page || !page->Editor())
        return SaveResult::Cancelled;
    const QString hint = page->Hint();
    if (!page->FileBacked() || !QFileInfo::exists(hint))
        return savePageAs(page);

    if (!SavePageTo(page, hint))
        return SaveResult::Failed;
    page->Editor()->SetModified(false);
    page->SetCaption(QFileInfo(hint).fileName());
    page->SetImageIndex(-1);
    setWindowTitle(CaptionPrefix + hint);
    if (QAction *button = Action(QStringLiteral("savebutton")))
        button->setEnabled(false);
    return SaveResult::Saved;
}

TMainForm::SaveResult TMainForm::savePageAs(TTabSheet *page)
{
    if (!page || !page->Editor())
        return SaveResult::Cancelled;
    TRxRichEdit *editor = page->Editor();

    QString fileName = m_prompts->SaveFileName(
        this, tr("Uložit jako"), saveAsProposal(editor->Hint()),
        fileFilter());
    if (fileName.isEmpty())
        return SaveResult::Cancelled;
    // A name typed without any extension gets the text files' one.
    if (!QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        fileName += QStringLiteral(".txt");
    if (QFileInfo::exists(fileName)
        && m_prompts->Confirm(this, tr("Soubor: %1 existuje. Přepsat?").arg(fileName))
               != TPrompts::Yes)
        return SaveResult::Cancelled;

    if (!SavePageTo(page, fileName))
        return SaveResult::Failed;
    page->SetCaption(QFileInfo(fileName).fileName());
    editor->SetHint(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()));
    page->SetHint(fileName);
    page->SetFileBacked(true);
    editor->SetModified(false);
    page->SetImageIndex(-1);
    AddToRecent(fileName, 1);
    setWindowTitle(CaptionPrefix + fileName);
    if (QAction *button = Action(QStringLiteral("savebutton")))
        button->setEnabled(false);
    return SaveResult::Saved;
}

void TMainForm::mmSaveClick()
{
    savePage(ActivePage());
}

void TMainForm::mmSaveAsClick()
{
    savePageAs(ActivePage());
}

void TMainForm::mmSaveAllClick()
{
    for (int i = PageControl1->PageCount() - 1; i >= 0; --i) {
        PageControl1->SetActivePageIndex(i);
        // A cancelled Save As leaves its page and goes on; a failed write ends the command
        // on the page that could not be written.
        if (savePage(ActivePage()) == SaveResult::Failed)
            return;
    }
    if (PageControl1->PageCount() > 0)
        PageControl1->SetActivePageIndex(0);
}

// ---- closing ----

bool TMainForm::closePageAsking(TTabSheet *page)
{
    if (!page)
        return false;
    if (page->Editor() && page->Editor()->Modified()) {
        switch (m_prompts->Confirm(this,
                                   tr("Soubor %1, byl změněn. Uložit změny?").arg(page->Caption()))) {
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
    PageControl1->SetActivePage(page);
    CloseActivePage();
    return true;
}

void TMainForm::mmCloseClick()
{
    closePageAsking(ActivePage());
}

void TMainForm::mmCloseAllClick()
{
    for (int i = PageControl1->PageCount() - 1; i >= 0; --i) {
        if (i >= PageControl1->PageCount())
            continue;
        PageControl1->SetActivePageIndex(i);
        closePageAsking(ActivePage());
    }
}

void TMainForm::mmExitClick()
{
    WriteStartDir(); // also when the closing is then cancelled
    close();
}

bool TMainForm::FormCloseQuery()
{
    bool canClose = true;
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        TTabSheet *page = PageControl1->Page(i);
        if (!page->Editor() || !page->Editor()->Modified())
            continue;
        switch (m_prompts->Confirm(this,
                                   tr("Soubor: %1, byl změněn. Uložit změny?").arg(page->Caption()))) {
        case TPrompts::Yes:
            PageControl1->SetActivePage(page);
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

// ---- printing (not built yet) ----

void TMainForm::mmPrintClick() {}
void TMainForm::mmPrinterSetupClick() {}
