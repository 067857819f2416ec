#include "editor/view/TDisplayLines.h"

#include "editor/document/Document.h"

#include <QElapsedTimer>
#include <QResizeEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

TDisplayLines::TDisplayLines(QPlainTextEdit *edit, Document *document)
    : QObject(edit), m_edit(edit), m_text(document->Text())
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &TDisplayLines::idleStep);
    connect(document, &Document::ContentsChange, this, &TDisplayLines::onContentsChange);
    m_viewport = edit->viewport();
    m_viewport->installEventFilter(this);
}

TDisplayLines::~TDisplayLines()
{
    if (m_viewport)
        m_viewport->removeEventFilter(this);
}

bool TDisplayLines::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize) {
        const auto *re = static_cast<QResizeEvent *>(event);
        if (re->size().width() != re->oldSize().width())
            invalidate();
    }
    return false;
}

void TDisplayLines::invalidate()
{
    m_countedTo = 0;
    m_dirtyFrom = m_dirtyTo = -1;
    m_metricsReady = false;
    m_idle.start();
}

void TDisplayLines::onContentsChange(int from, int removed, int added)
{
    if (from >= m_countedTo)
        return;
    // A large change (a whole-text conversion, a Replace All) is counted again lazily like
    // a fresh text, from where it starts: a query then counts only up to what it asks for.
    constexpr int LargeChange = 64 * 1024;
    if (added > LargeChange || (m_dirtyFrom >= 0 && qMax(m_dirtyTo, from + added) - qMin(m_dirtyFrom, from) > LargeChange)) {
        m_countedTo = from;
        m_dirtyFrom = m_dirtyTo = -1;
        m_idle.start();
        return;
    }
    // The layout re-counts the changed blocks to one line each after this signal, so the
    // range is re-counted at the next query.
    m_countedTo = qMax(from, m_countedTo + added - removed);
    if (m_dirtyFrom < 0) {
        m_dirtyFrom = from;
        m_dirtyTo = from + added;
    } else {
        if (m_dirtyTo > from)
            m_dirtyTo = qMax(from, m_dirtyTo + added - removed);
        m_dirtyFrom = qMin(m_dirtyFrom, from);
        m_dirtyTo = qMax(m_dirtyTo, from + added);
    }
}

// The width the layout gives each line, read off a block the editor has laid out itself.
bool TDisplayLines::prepareMetrics()
{
    if (m_metricsReady)
        return true;
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(m_text->documentLayout());
    if (!layout)
        return false;
    const QTextBlock first = m_text->firstBlock();
    layout->ensureBlockLayout(first);
    if (!first.layout() || first.layout()->lineCount() == 0)
        return false;
    m_lineWidth = first.layout()->lineAt(0).width();
    const QFontMetricsF fm(m_text->defaultFont());
    m_charWidth = qMax(fm.maxWidth(), fm.horizontalAdvance(QLatin1Char('W')));
    m_tabWidth = qMax(m_text->defaultTextOption().tabStopDistance(), m_charWidth);
    m_metricsReady = true;
    return true;
}

void TDisplayLines::countBlock(const QTextBlock &block)
{
    QTextBlock b = block;
    if (!b.isVisible())
        return;
    const int lines = layOut(b, nullptr);
    if (b.lineCount() != lines) {
        b.setLineCount(lines);
        m_countsChanged = true;
    }
}

QList<int> TDisplayLines::lineStarts(const QTextBlock &block)
{
    QList<int> starts;
    if (!prepareMetrics())
        return {0};
    layOut(block, &starts);
    return starts;
}

// The block's display lines: their count, and where each starts when asked for.
int TDisplayLines::layOut(const QTextBlock &b, QList<int> *starts)
{
    if (starts)
        starts->clear();
    if (m_edit->lineWrapMode() != QPlainTextEdit::NoWrap) {
        // Only blocks in view are surely laid out by the editor; asking any other block for
        // its layout would create one and keep it, a few hundred bytes a block.
        const bool inView = b.position() >= m_viewFrom && b.position() <= m_viewTo;
        const QTextLayout *own = inView ? b.layout() : nullptr;
        if (own && own->lineCount() > 0 && qFuzzyCompare(own->lineAt(0).width(), m_lineWidth)) {
            // laid out by the editor at this width
            if (starts)
                for (int i = 0; i < own->lineCount(); ++i)
                    starts->append(own->lineAt(i).textStart());
            return own->lineCount();
        }
        const int len = b.length() - 1;
        const double room = m_lineWidth - 1;
        bool fits = len * m_charWidth <= room;
        QString text;
        if (fits && len * m_tabWidth > room) {
            text = b.text();
            const qsizetype tabs = text.count(QLatin1Char('\t'));
            fits = (len - tabs) * m_charWidth + tabs * m_tabWidth <= room;
        }
        if (!fits) {
            if (text.isNull())
                text = b.text();
            QTextLayout scratch(text, m_text->defaultFont());
            scratch.setTextOption(m_text->defaultTextOption());
            scratch.setCacheEnabled(false);
            scratch.beginLayout();
            int lines = 0;
            for (QTextLine line = scratch.createLine(); line.isValid(); line = scratch.createLine()) {
                line.setLeadingIncluded(true);
                line.setLineWidth(m_lineWidth);
                if (starts)
                    starts->append(line.textStart());
                ++lines;
            }
            scratch.endLayout();
            if (lines > 0)
                return lines;
        }
    }
    if (starts)
        starts->append(0);
    return 1;
}

// The editor's vertical scroll bar counts display lines and is sized only when the layout
// says the document's size changed: without this, a count made here leaves it short, and
// Ctrl+End stops before the end.
void TDisplayLines::tellEditor()
{
    if (!m_countsChanged)
        return;
    m_countsChanged = false;
    if (QAbstractTextDocumentLayout *layout = m_text->documentLayout())
        emit layout->documentSizeChanged(layout->documentSize());
}

bool TDisplayLines::ensureThrough(int pos, qint64 budgetNs)
{
    if (!prepareMetrics())
        return true; // nothing laid out yet: every block counts as one line
    QTextDocument *doc = m_text;
    m_viewFrom = m_text->findBlock(m_edit->cursorForPosition(QPoint(0, 0)).position()).position();
    m_viewTo = m_edit->cursorForPosition(QPoint(m_edit->viewport()->width(), m_edit->viewport()->height())).position();
    if (m_dirtyFrom >= 0) {
        const QTextBlock last = doc->findBlock(qMin(m_dirtyTo, m_countedTo));
        for (QTextBlock b = doc->findBlock(m_dirtyFrom); b.isValid(); b = b.next()) {
            countBlock(b);
            if (b == last)
                break;
        }
        m_dirtyFrom = m_dirtyTo = -1;
    }
    if (pos < m_countedTo) {
        tellEditor();
        return true;
    }
    QElapsedTimer t;
    t.start();
    QTextBlock b = doc->findBlock(m_countedTo);
    const QTextBlock last = doc->findBlock(pos).isValid() ? doc->findBlock(pos) : doc->lastBlock();
    for (int n = 1; b.isValid(); b = b.next(), ++n) {
        countBlock(b);
        m_countedTo = b.position() + b.length();
        if (b == last)
            break;
        if (budgetNs >= 0 && (n & 63) == 0 && t.nsecsElapsed() > budgetNs) {
            tellEditor();
            return false;
        }
    }
    tellEditor();
    return true;
}

void TDisplayLines::ensureAll()
{
    ensureThrough(m_text->characterCount());
}

void TDisplayLines::idleStep()
{
    if (!m_edit->isVisible() || !prepareMetrics())
        return; // resumes with the next query or invalidation
    QTextDocument *doc = m_text;
    const int end = doc->characterCount();
    if (m_countedTo >= end)
        return;
    QElapsedTimer t;
    t.start();
    QTextBlock b = doc->findBlock(m_countedTo);
    int n = 0;
    for (; b.isValid(); b = b.next()) {
        countBlock(b);
        m_countedTo = b.position() + b.length();
        if ((++n & 63) == 0 && t.nsecsElapsed() > 4'000'000)
            break;
    }
    tellEditor();
    if (m_countedTo < end)
        m_idle.start();
}
