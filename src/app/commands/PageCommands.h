#pragma once

#include <functional>
#include <QKeyCombination>
#include <QObject>

class QMenu;
class TPageControl;
class TRxRichEdit;
class TTabSheet;

// The document pages: making a page with its editor set up from the template editor,
// the untitled numbering, closing with the neighbour rule, and switching pages.
class PageCommands : public QObject
{
    Q_OBJECT
public:
    // `pageMenu` opens on a right click in an editor. `windowKeys` tells the keys the window's
    // commands and tags take: every editor leaves them to the window.
    PageCommands(TPageControl *pages, TRxRichEdit *templateEditor, QMenu *pageMenu,
                 std::function<bool(QKeyCombination)> windowKeys, QObject *parent = nullptr);

    TPageControl *Pages() const { return m_pages; }
    TRxRichEdit *TemplateEditor() const { return m_template; }
    TTabSheet *ActivePage() const;
    TRxRichEdit *ActiveEditor() const;
    int UntitledCount() const { return m_untitledCount; }
    // The caption for a page brought back under an untitled caption ("bezejmenný3"): that
    // caption while no open page has it, else the next number. New numbers on past it, so
    // no two pages share a caption.
    QString TakeUntitledCaption(const QString &caption);

    // A new page with its editor, appended and not yet active.
    TTabSheet *CreatePage(const QString &caption);
    // Gives an editor the template's wrap, line numbers and line mark, font and colours, the
    // page menu and the window's keys.
    void SetupEditor(TRxRichEdit *editor);
    // Removes a page (when it fails to load) and makes `previous` active again.
    void DiscardPage(TTabSheet *page, TTabSheet *previous);
    // Closes the active page without asking; the one before it becomes active.
    void CloseActivePage();

    void mmNewClick();
    void zalvpred1Click();
    void zalzpet1Click();

signals:
    void PageCreated(TTabSheet *page);
    void PageCountChanged(int count);
    void ActivePageChanged(TTabSheet *page);

private:
    TPageControl *m_pages;
    TRxRichEdit *m_template;
    QMenu *m_pageMenu;
    std::function<bool(QKeyCombination)> m_windowKeys;
    int m_untitledCount = 0; // never decreases
};
