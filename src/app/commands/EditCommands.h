#pragma once

#include <functional>
#include <QObject>

class PageCommands;

// The editing commands of the active page: undo and redo, clipboard, select all, word wrap,
// and the zoom of the page's text.
// Their enabling follows the active editor (CommandEnabler), so a disabled item's key does
// nothing; the handlers check again for direct calls.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    // `message` shows a short message (the status bar's hint panel); false when it is not
    // shown.
    EditCommands(PageCommands *pages, std::function<bool(const QString &)> message,
                 QObject *parent = nullptr);

    // The check mark of "Zalo&mit řádky": the wrap state of new pages (on at first).
    bool WrapMark() const { return m_wrap; }
    void SetWrapMark(bool wrap);

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

signals:
    void WrapMarkChanged();

private:
    PageCommands *m_pages;
    std::function<bool(const QString &)> m_message;
    bool m_wrap = true;
};
