#pragma once

#include <QWidget>

class QStackedWidget;
class QVBoxLayout;
class TTabStrip;
class TRxRichEdit;
class Document;

// One document page: its document, the editor that shows it (its one child widget), its
// tab caption, its hint (the document's file identity) and the modified marker image.
class TTabSheet : public QWidget
{
    Q_OBJECT
public:
    explicit TTabSheet(QWidget *parent = nullptr);
    ~TTabSheet() override;

    TRxRichEdit *Editor() const { return m_editor; }
    // The page takes ownership; the editor shows the page's document.
    void SetEditor(TRxRichEdit *editor);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The document's file identity: the path as opened or saved, or the untitled caption.
    QString Hint() const;
    // The page's document: made with the page, gone after its editor.
    Document *Doc() const { return m_document; }
    // The modified marker: 0 while the document is modified, -1 otherwise; it follows the
    // document's flag and nothing else.
    int ImageIndex() const { return m_imageIndex; }

    // A message bar above the editor; the page takes ownership. Bars stack in the order
    // they come; a dismissed bar deletes itself.
    void AddBar(class TPageBar *bar);
    QList<TPageBar *> Bars() const;

signals:
    void CaptionChanged(TTabSheet *page);
    void ImageIndexChanged(TTabSheet *page);

private:
    void setImageIndex(int index);

    Document *m_document = nullptr;
    TRxRichEdit *m_editor = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QString m_caption;
    int m_imageIndex = -1;
};

// PageControl1: the tab strip and the stack of pages, in the order of creation.
class TPageControl : public QWidget
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget *parent = nullptr);

    int PageCount() const;
    TTabSheet *Page(int index) const;
    int IndexOf(const TTabSheet *page) const;
    TTabSheet *ActivePage() const; // nullptr when no page is open
    int ActivePageIndex() const;
    void SetActivePage(TTabSheet *page);
    void SetActivePageIndex(int index);

    void AddPage(TTabSheet *page);    // appended after the last page
    void DeletePage(TTabSheet *page); // destroys the page with its editor

    // The next (or previous) page from the active one, wrapping around; nullptr when
    // there is none.
    TTabSheet *FindNextPage(TTabSheet *from, bool forward) const;

    void SetTabsAtBottom(bool bottom);
    bool TabsAtBottom() const;
    void SetMultiLine(bool on);
    bool MultiLine() const;

    TTabStrip *TabStrip() const { return m_strip; }
    void SetImage(const QIcon &marker) { m_marker = marker; }

    // The tooltip of a tab: the full path of its file; empty for an untitled page.
    QString TabToolTip(int index) const;

signals:
    void ActivePageChanged(TTabSheet *page);
    void TabContextMenuRequested(const QPoint &globalPos);
    // A tab's close button or a middle click on it: the page is not closed here.
    void PageCloseRequested(TTabSheet *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void syncTab(TTabSheet *page);

    TTabStrip *m_strip = nullptr;
    QStackedWidget *m_stack = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QList<TTabSheet *> m_pages;
    QIcon m_marker;
    bool m_atBottom = false;
};
