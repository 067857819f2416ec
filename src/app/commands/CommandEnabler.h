#pragma once

#include "app/commands/CommandTable.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class PageCommands;
class TRxRichEdit;
class TTabSheet;

// Keeps the command table's enabling current from signals: the page count, the active
// editor's undo, redo and copy availability, the clipboard, the menus the table watches.
// Re-wired when the active page changes.
class CommandEnabler : public QObject
{
    Q_OBJECT
public:
    CommandEnabler(CommandTable *table, PageCommands *pages, QObject *parent = nullptr);

    // The speed bar's save button is enabled while a page is open; it goes grey after a save
    // until the caret or selection of an editor moves or a page is created.
    void PageSaved();

    // Re-reads the state and applies every rule (UpdateCommands).
    void UpdateCommands();

private:
    void activePageChanged(TTabSheet *page);
    void editorCreated(TTabSheet *page);
    void setSavedGrey(bool grey);

    CommandTable *m_table;
    PageCommands *m_pages;
    QPointer<TRxRichEdit> m_editor;
    QList<QMetaObject::Connection> m_editorLinks;
    CommandState m_state; // as last read
    bool m_savedGrey = false; // a save greyed the save button; nothing has moved since
};
