#pragma once

#include <functional>
#include <QObject>

class PageCommands;
class QAction;

// The editing commands of the active page: undo and redo, clipboard, select all, word wrap,
// and the zoom of the page's text.
// Their enabling follows the active editor (CommandEnabler), so a disabled item's key does
// nothing; the handlers check again for direct calls.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    explicit EditCommands(PageCommands *pages, QObject *parent = nullptr);

    // The check mark of "Zalo&mit řádky" holds the wrap state of new pages.
    void SetWrapAction(QAction *wrap) { m_wrap = wrap; }
    // Where a short message goes (the status bar's hint panel); false when it is not shown.
    void SetMessageSink(std::function<bool(const QString &)> sink) { m_message = std::move(sink); }

    void mmUndoClick();
    void mmRedoClick();
    void mmCutClick();
    void mmCopyClick();
    void mmPasteClick();
    void mmSelectAllClick();
    void itmWrapClick();
    void mmZoomInClick();
    void mmZoomOutClick();
    void mmZoomResetClick();

private:
    PageCommands *m_pages;
    QAction *m_wrap = nullptr;
    std::function<bool(const QString &)> m_message;
};
