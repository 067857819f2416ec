#pragma once

#include <functional>
#include <QObject>
#include <QQueue>

class PageCommands;
class QWidget;
class TPrompts;
class TTabSheet;

// File commands: open, save, save as, save all, close, close all, exit, and the question
// about unsaved changes when the window closes. Commands keep to the page they started
// with: a later start may open a page while a question or the save dialog is up.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    // `addToRecent(name, userData)`: user data 1 for the dialogs; `writeStartDir` is what
    // the exit command stores before closing.
    FileCommands(PageCommands *pages, TPrompts *prompts, QWidget *window,
                 std::function<void(const QString &, int)> addToRecent, std::function<void()> writeStartDir,
                 QObject *parent = nullptr);

    // Opens one file on a new page: the one entry for the command line, a second start, the
    // open dialog and the recent list. A missing file is reported once the caller returns;
    // a file that cannot be read throws TError and leaves no page.
    void OpenFile(const QString &fileName);

    void mmOpenClick();
    void mmSaveClick();
    void mmSaveAsClick();
    void mmSaveAllClick();
    void mmCloseClick();
    // A tab's close button or middle click: the page becomes the active one, then Close runs
    // for it with its question.
    void ClosePage(TTabSheet *page);
    void mmCloseAllClick();
    void mmExitClick();
    // Asks about every modified page; true lets the window close.
    bool FormCloseQuery();

    // OpenFile with an error shown as "Error opening <name> - <reason>"; true when a page
    // was opened.
    bool OpenFileReporting(const QString &fileName);
    // Opens files one after the other, adding each to the recent list with `userData`; an
    // error stops the walk and is shown as "Error opening <name> - <reason>".
    void OpenFiles(const QStringList &names, int userData);
    // The side panel's walk: each file is opened, entered in the recent list with user
    // data 1 and named in the caption, also when it only turned out missing; an error stops
    // the walk and is shown with its own text.
    void OpenPanelFiles(const QStringList &names);

    // Writes a page's text to its own path even when that file is gone (no Save As); true
    // when written. Errors are shown.
    bool SaveInPlace(TTabSheet *page);
    // Closes a page; with `ask`, a modified one is asked about as by "&Zavřít".
    void CloseGivenPage(TTabSheet *page, bool ask);

signals:
    // A page's text was written (the speed bar's save button follows this).
    void Saved(TTabSheet *page);

private:
    enum class SaveResult { Saved, Cancelled, Failed };
    bool loadFileToNewPage(const QString &fileName); // false: no such file (reported later)
    SaveResult savePage(TTabSheet *page);            // untitled and vanished files: Save As
    SaveResult savePageAs(TTabSheet *page);
    // Saves to the page's own file, asking first when another program changed it.
    SaveResult saveChecked(TTabSheet *page);
    void afterSave(TTabSheet *page, const QString &fileName);
    bool closePageAsking(TTabSheet *page); // true when the page went
    void bringToFront();
    void notify(const QString &text);
    void showNotices();

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
    std::function<void(const QString &, int)> m_addToRecent;
    std::function<void()> m_writeStartDir;
    QQueue<QString> m_notices;
    QString m_noticeShown; // null while no notice is up
};
