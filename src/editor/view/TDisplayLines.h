#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class Document;
class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

// Keeps the display-line count of each block of a document exact for the editor that shows
// it, so that the line of a position is found from the document's running sums
// (QTextBlock::firstLineNumber) instead of laying out the whole text on every caret move.
// It follows the document's changes; the editor gives the width, the font and the wrap.
//
// Counts are made exact from the start of the text up to a mark that grows on demand (a
// query counts up to the block it asks about) and in the background in short idle slices.
// Blocks that surely fit in one line are never laid out; the others are laid out in a
// scratch QTextLayout, so nothing is kept in memory for blocks out of view.
class TDisplayLines : public QObject
{
public:
    TDisplayLines(QPlainTextEdit *edit, Document *document);
    ~TDisplayLines() override;

    void invalidate();          // width, font or wrap changed; the text was replaced
    // Exact through the block holding pos. With a budget (nanoseconds) it stops when the
    // budget is spent and returns false; the work done so far is kept.
    bool ensureThrough(int pos, qint64 budgetNs = -1);
    void ensureAll();
    // Where the block's display lines start, from 0 within the block: laid out as the editor
    // lays it out, in a scratch layout when the editor has none at hand (nothing is kept).
    QList<int> lineStarts(const QTextBlock &block);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onContentsChange(int from, int removed, int added);
    void countBlock(const QTextBlock &block);
    int layOut(const QTextBlock &block, QList<int> *starts);
    bool prepareMetrics();
    void idleStep();
    void tellEditor();

    QPlainTextEdit *m_edit;
    QTextDocument *m_text;
    QPointer<QWidget> m_viewport; // watched for width changes; kept, not asked of a dying editor
    QTimer m_idle;
    int m_countedTo = 0;        // blocks starting before this position are exact
    int m_dirtyFrom = -1, m_dirtyTo = -1; // a changed range inside the exact part
    bool m_metricsReady = false;
    bool m_countsChanged = false; // since the editor last sized its scroll bar
    double m_lineWidth = 0, m_charWidth = 0, m_tabWidth = 0;
    int m_viewFrom = 0, m_viewTo = -1; // the blocks in view: laid out by the editor itself
};
