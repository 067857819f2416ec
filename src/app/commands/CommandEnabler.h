#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class CommandTable;
class PageCommands;
class QAction;
class QMenu;
class TRxRichEdit;
class TTabSheet;

// Keeps the command table's enabling current from signals: the page count, the active
// editor's undo, redo and copy availability, the clipboard. Re-wired when the active page changes.
class CommandEnabler : public QObject
{
    Q_OBJECT
public:
    CommandEnabler(CommandTable *table, PageCommands *pages, QObject *parent = nullptr);

    // Menu titles and submenus usable only while a page is open ("Úpr&avy", "Velikos&t").
    void AddPageMenu(QAction *menuAction);

    // "&Uložit" shows greyed inside the open "&Soubor" menu while the active page is
    // unmodified (following its document's flag); the item (and Ctrl+S) is enabled again
    // as soon as the menu closes.
    void WatchFileMenu(QMenu *fileMenu, QAction *save);

    // The speed bar's save button: disabled after a save and while no page is open,
    // enabled again when the caret or selection of an editor moves.
    void SetSaveButton(QAction *saveButton);
    void PageSaved();

    // Re-reads the state and applies every rule (UpdateCommands).
    void UpdateCommands();

private:
    void activePageChanged(TTabSheet *page);
    void editorCreated(TTabSheet *page);
    void showSaveInFileMenu();

    CommandTable *m_table;
    PageCommands *m_pages;
    QList<QAction *> m_pageMenus;
    QPointer<TRxRichEdit> m_editor;
    QList<QMetaObject::Connection> m_editorLinks;
    QPointer<QAction> m_saveButton;
    QPointer<QMenu> m_fileMenu;
    QPointer<QAction> m_save;
};
