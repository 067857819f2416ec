#pragma once

#include <QObject>

class PageCommands;
class QAction;

// The editing commands of the active page: undo, clipboard, select all, word wrap.
// Their enabling follows the active editor (CommandEnabler), so a disabled item's key does
// nothing; the handlers check again for direct calls.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditCommands(PageCommands *pages, QObject *parent = nullptr);

    // The check mark of "Zalo&mit řádky" holds the wrap state of new pages.
    void SetWrapAction(QAction *wrap) { m_wrap = wrap; }

    void mmUndoClick();
    void mmCutClick();
    void mmCopyClick();
    void mmPasteClick();
    void mmSelectAllClick();
    void itmWrapClick();

private:
    PageCommands *m_pages;
    QAction *m_wrap = nullptr;
};
