#pragma once

#include "editor/document/Document.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>

#include <functional>

class QTimer;
class TDisplayLines;
class TSelectionMargin;

// The editor of one document page: plain text in a QPlainTextEdit, limited to what the
// page's encoding can store (Windows-1250 pages turn other characters into "?").
// Positions are QTextCursor positions (a line break is one position); "lines" are display
// lines, so with word wrap on a long line counts once per wrapped piece.
// Other code touches the text only through the services below. The text itself, its
// modified flag and its loading belong to the Document shown.
class TRxRichEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int MaxLength = 0xFFFFFF;

    // Shows a document of its own (the template editor, a preview, tests).
    explicit TRxRichEdit(QWidget *parent = nullptr);
    // Shows `document`, which its owner keeps beyond this editor (a page's document).
    explicit TRxRichEdit(Document *document, QWidget *parent = nullptr);
    ~TRxRichEdit() override;

    // The document shown: text, file identity, modified flag, loading and saving.
    Document *Doc() const { return m_document; }

    // While the document takes a large text in (Document::Loading) the part shown can be
    // edited, except that the end of that part cannot be deleted into the rest; the services
    // that need the whole text wait for the rest first, Ctrl+End goes on to the end once it
    // is there.
    bool Loading() const { return m_document->Loading(); }
    void FinishLoad() const { m_document->FinishLoad(); }
    // Runs `place` (which puts the caret and the view back) at once, or when the text being
    // taken in is whole: then only if the caret has not moved meanwhile, so a user who went
    // elsewhere during the load stays there. A new load or closing the page drops it.
    void AfterLoad(std::function<void()> place);

    // Selection.
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int pos);            // empty selection, caret at pos
    void SetSelLength(int length);        // keeps the start, scrolls the caret into view
    QString SelText() const;              // line breaks as single CR characters
    void SetSelText(const QString &text); // replace selection, one undo step, inserted text selected
    void ClearSelection();                // deletes the selected text
    void SelectAllText();

    // Display lines.
    int LineStart(int line) const; // -1 past the last line; line -1 = the caret's line
    int LineFromChar(int pos) const;
    // LineFromChar within a time budget: false when counting the display lines before pos
    // needs more time (a huge text just loaded or re-wrapped); ask again later.
    bool TryLineFromChar(int pos, int budgetMs, int *line) const;
    QString LineText(int line) const; // at most 4096 characters, no line break
    int LineCount() const;            // a last empty line does not count
    // Where the block's display lines start within it, as the editor wraps it ({0} unwrapped).
    QList<int> DisplayLineStarts(const QTextBlock &block) const;
    // Runs `then` once every display line is counted (and the text is whole): at once when
    // that takes little time, otherwise after counting in short slices between events, so a
    // huge text never freezes the window. A later call replaces an earlier one.
    void AfterLinesCounted(std::function<void()> then);
    // The same as a wait: events go on meanwhile, but the user's input waits for whatever the
    // caller opens next, never going into the text. False when the editor went meanwhile
    // (then nothing of it may be touched).
    bool AwaitLinesCounted();

    // Whole text.
    QString WholeText() const { return m_document->WholeText(); } // lines each followed by CR LF
    void ClearText() { m_document->Clear(); } // empties text, modified flag and undo history
    void SetWholeText(const QString &text);   // not undoable; one change event at the end

    // Text as it enters this editor: breaks as "\n", characters the page's encoding cannot
    // store as "?".
    QString StorableText(const QString &text) const { return m_document->StorableText(text); }

    // Characters in the text, a line break counting one.
    int TextLength() const { return m_document->TextLength(); }

    // The document's text with "\n" between lines (no trailing break added).
    QString PlainText() const { return m_document->PlainText(); }

    // Replaces the range [from, from+length) by text as one undo step; positions as in
    // the document. Used by commands that rewrite large parts of the text.
    void ReplaceRange(int from, int length, const QString &text);

    // The document's flag; only the document changes it.
    bool Modified() const { return m_document->Modified(); }

    bool WordWrap() const;
    void SetWordWrap(bool wrap);

    // The keys the window's commands and tags take: the editor leaves them to the window,
    // also those it would take itself, and a key whose command is disabled does nothing.
    void SetWindowKeys(std::function<bool(QKeyCombination)> windowKeys)
    {
        m_windowKeys = std::move(windowKeys);
    }

    // The editor's own hint: empty at creation, set by Save As to the full path.
    QString Hint() const { return m_document->SavedName(); }

    bool CanUndo() const;
    void Undo();
    bool CanRedo() const;
    void Redo();

    // Zoom of this editor's text in font points above (or below) the font it was given;
    // Ctrl+wheel zooms too. Not stored: a new page starts unzoomed.
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();
    int ZoomSteps() const { return m_zoomSteps; }

    // For what is drawn beside or under the text (line numbers, marked hits): where a
    // block lies in the viewport, and a strip at the left edge `width` pixels wide that
    // `gutter` fills (nullptr or 0 takes it away).
    QTextBlock FirstVisibleBlock() const { return firstVisibleBlock(); }
    QRectF BlockRect(const QTextBlock &block) const;
    void SetGutter(QWidget *gutter, int width);

signals:
    void Changed(TRxRichEdit *editor);          // after every change of the text
    void SelectionChanged(TRxRichEdit *editor); // after every change of selection or caret
    void OverwriteChanged(bool overwrite);      // the Insert key switched modes
    void LoadBlocked(TRxRichEdit *editor);      // Delete at the end of a part still growing

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void resizeEvent(QResizeEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    friend class TSelectionMargin;
    bool isWindowKey(const QKeyEvent *e) const;
    void showDocument(Document *document);
    void textAboutToBeReplaced();
    void textReplaced();
    void textSwapped();
    int lineInBlock(const QTextBlock &block, int offset) const;
    bool displayLine(int line, QTextBlock *block, int *start, int *length) const;
    void invalidateLineCounts();
    int roomLeft() const;
    // StorableText cut to the room left when `replacing` characters go.
    QString prepareInsert(const QString &text, int replacing) const;
    void selectDisplayLineAt(int y, bool extend);
    void drawLinks();
    void zoomTo(int steps);
    void countLines(qint64 budgetNs);

    void ensureLoaded() const { m_document->FinishLoad(); }

    std::function<bool(QKeyCombination)> m_windowKeys;
    TSelectionMargin *m_margin = nullptr;
    QPointer<QWidget> m_gutter;
    int m_gutterWidth = 0;
    Document *m_document = nullptr;
    QList<QMetaObject::Connection> m_documentLinks;
    int m_holdChanges = 0; // selection events held while the document replaces its text
    int m_lastAnchor = -1, m_lastPosition = -1;
    TDisplayLines *m_lines = nullptr;
    int m_wordAnchor = -1; // start of the word where a mouse drag began
    int m_zoomSteps = 0;
    QFont m_unzoomedFont; // the font before the first zoom step
    int m_wheelZoom = 0;  // wheel angle not yet turned into a zoom step
    std::function<void()> m_afterCounted;
    QTimer *m_countSlices = nullptr;
};
