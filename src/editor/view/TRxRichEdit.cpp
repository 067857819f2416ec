#include "editor/view/TRxRichEdit.h"

#include "editor/view/TDisplayLines.h"
#include "text/TextFile.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>

#include <memory>
#include <utility>

namespace {

constexpr int MarginWidth = 8;
constexpr int MaxLineText = 4096;

} // namespace

// The narrow strip at the left edge: a click selects the whole display line beside it.
class TSelectionMargin : public QWidget
{
public:
    explicit TSelectionMargin(TRxRichEdit *editor) : QWidget(editor), m_editor(editor)
    {
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), m_editor->palette().color(QPalette::Base));
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton)
            m_editor->selectDisplayLineAt(int(e->position().y()), e->modifiers() & Qt::ShiftModifier);
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (e->buttons() & Qt::LeftButton)
            m_editor->selectDisplayLineAt(int(e->position().y()), true);
    }

private:
    TRxRichEdit *m_editor;
};

TRxRichEdit::TRxRichEdit(QWidget *parent) : TRxRichEdit(nullptr, parent) {}

TRxRichEdit::TRxRichEdit(Document *document, QWidget *parent) : QPlainTextEdit(parent)
{
    m_margin = new TSelectionMargin(this);
    showDocument(document ? document : new Document(this));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::NoContextMenu);

    // The selection stays visible while the find dialogs have the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    setViewportMargins(MarginWidth, 0, 0, 0);

    auto selectionMoved = [this] {
        const QTextCursor c = textCursor();
        if (c.anchor() == m_lastAnchor && c.position() == m_lastPosition)
            return;
        m_lastAnchor = c.anchor();
        m_lastPosition = c.position();
        if (m_holdChanges == 0)
            emit SelectionChanged(this);
    };
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, selectionMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, selectionMoved);
}

TRxRichEdit::~TRxRichEdit()
{
    // Nothing of ours may run while the base class takes the widget apart: the line counter
    // watches the viewport, and the document (which may outlive us) reaches our handlers.
    for (const auto &link : std::as_const(m_documentLinks))
        disconnect(link);
    document()->disconnect(this);
    document()->documentLayout()->setPaintDevice(nullptr); // the viewport goes with us
    disconnect(this, &QPlainTextEdit::cursorPositionChanged, nullptr, nullptr);
    disconnect(this, &QPlainTextEdit::selectionChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::Changed, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::SelectionChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::OverwriteChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::LoadBlocked, nullptr, nullptr);
    delete m_lines;
    m_lines = nullptr;
}

// ---- the document shown ----

void TRxRichEdit::showDocument(Document *shown)
{
    for (const auto &link : std::as_const(m_documentLinks))
        disconnect(link);
    m_documentLinks.clear();
    document()->documentLayout()->setPaintDevice(nullptr); // the text shown so far
    delete m_lines;
    m_document = shown;
    if (isVisible() || testAttribute(Qt::WA_WState_Polished)) {
        setDocument(shown->Text()); // laid out at the viewport's width
    } else {
        // The text is laid out at the viewport's width. Never shown, the editor has no width
        // yet: as for a text of its own, nothing is wrapped until it is shown or resized, or a
        // long line would be wrapped at a width no one sees, and laid out so at every change.
        const QSize size = viewport()->size();
        viewport()->resize(0, size.height()); // hidden: no resize event until shown
        setDocument(shown->Text());
        viewport()->resize(size);
    }
    shown->Text()->setDefaultFont(font());
    shown->Text()->documentLayout()->setPaintDevice(viewport());
    m_lines = new TDisplayLines(this, shown);
    m_lastAnchor = m_lastPosition = -1;
    m_documentLinks << connect(shown, &Document::Changed, this, [this] { emit Changed(this); })
                    << connect(shown, &Document::TextAboutToBeReplaced, this,
                               &TRxRichEdit::textAboutToBeReplaced)
                    << connect(shown, &Document::TextReplaced, this, &TRxRichEdit::textReplaced)
                    << connect(shown, &Document::TextSwapped, this, &TRxRichEdit::textSwapped);
    // Never left showing a freed text: should the document go first, an empty one of our own
    // takes its place.
    m_documentLinks << connect(shown, &QObject::destroyed, this,
                               [this] { showDocument(new Document(this)); });
}

void TRxRichEdit::textAboutToBeReplaced()
{
    ++m_holdChanges;
    setUpdatesEnabled(false);
}

void TRxRichEdit::textReplaced()
{
    moveCursor(QTextCursor::Start);
    setUpdatesEnabled(true);
    --m_holdChanges;
    invalidateLineCounts();
    m_lastAnchor = m_lastPosition = -1;
    if (m_holdChanges == 0)
        emit SelectionChanged(this);
}

// The whole text takes the place of its first part: the caret, the selection, the view and
// the extra selections stay where they were, now in the whole text.
void TRxRichEdit::textSwapped()
{
    QTextDocument *whole = m_document->Text();
    const QTextCursor caret = textCursor();
    const QTextBlock top = firstVisibleBlock();
    const int topBlock = top.blockNumber();
    const int intoTop = verticalScrollBar()->value() - top.firstLineNumber();
    const int across = horizontalScrollBar()->value();
    struct Mark
    {
        int anchor, position;
        QTextCharFormat format;
    };
    QList<Mark> marks;
    for (const QTextEdit::ExtraSelection &s : extraSelections())
        marks.append({s.cursor.anchor(), s.cursor.position(), s.format});

    ++m_holdChanges;
    document()->documentLayout()->setPaintDevice(nullptr);
    delete m_lines;
    m_lines = nullptr;
    // Built with the font, margins and wrapping of the part shown: setDocument lays nothing
    // out twice unless the font changed meanwhile (a zoom during the load).
    setDocument(whole);
    if (whole->defaultFont() != font())
        whole->setDefaultFont(font());
    whole->documentLayout()->setPaintDevice(viewport());
    m_lines = new TDisplayLines(this, m_document);
    QTextCursor c(whole);
    c.setPosition(caret.anchor());
    c.setPosition(caret.position(), QTextCursor::KeepAnchor);
    setTextCursor(c);
    QList<QTextEdit::ExtraSelection> moved;
    for (const Mark &m : std::as_const(marks)) {
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(whole);
        s.cursor.setPosition(m.anchor);
        s.cursor.setPosition(m.position, QTextCursor::KeepAnchor);
        s.format = m.format;
        moved.append(s);
    }
    setExtraSelections(moved);
    verticalScrollBar()->setValue(whole->findBlockByNumber(topBlock).firstLineNumber() + intoTop);
    horizontalScrollBar()->setValue(across);
    m_lastAnchor = caret.anchor();
    m_lastPosition = caret.position();
    --m_holdChanges;
}

void TRxRichEdit::AfterLoad(std::function<void()> place)
{
    if (!Loading()) {
        place();
        return;
    }
    const QTextCursor c = textCursor();
    m_document->AfterLoad([self = QPointer<TRxRichEdit>(this), place = std::move(place), anchor = c.anchor(),
                           caret = c.position()] {
        if (!self)
            return;
        const QTextCursor now = self->textCursor();
        if (now.anchor() == anchor && now.position() == caret)
            place();
    });
}

// ---- selection ----

int TRxRichEdit::SelStart() const
{
    return textCursor().selectionStart();
}

int TRxRichEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRxRichEdit::SetSelStart(int pos)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, pos, TextLength()));
    setTextCursor(c);
}

void TRxRichEdit::SetSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qBound(0, start + qMax(0, length), TextLength()), QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

QString TRxRichEdit::SelText() const
{
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return s;
}

QString TRxRichEdit::prepareInsert(const QString &text, int replacing) const
{
    QString clean = StorableText(text);
    const int room = roomLeft() + replacing;
    if (clean.size() > room)
        clean.truncate(qMax(0, room));
    return clean;
}

void TRxRichEdit::SetSelText(const QString &text)
{
    ensureLoaded();
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const QString clean = prepareInsert(text, c.selectionEnd() - start);
    c.beginEditBlock(); // one undo step of its own, never merged with typing
    c.insertText(clean);
    c.endEditBlock();
    c.setPosition(start);
    c.setPosition(start + int(clean.size()), QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

void TRxRichEdit::ClearSelection()
{
    ensureLoaded();
    QTextCursor c = textCursor();
    if (c.hasSelection()) {
        c.removeSelectedText();
        setTextCursor(c);
    }
}

void TRxRichEdit::SelectAllText()
{
    ensureLoaded();
    selectAll();
}

// ---- display lines ----
//
// Each block's line count lives in the document's block map, which keeps running sums, so
// the first display line of a block is found without walking the document. The counts are
// made exact lazily: blocks that surely fit in one line are never laid out.

void TRxRichEdit::invalidateLineCounts()
{
    if (!m_lines)
        return;
    m_lines->invalidate();
}

int TRxRichEdit::lineInBlock(const QTextBlock &block, int offset) const
{
    if (block.lineCount() <= 1)
        return 0;
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout());
    layout->ensureBlockLayout(block);
    const QTextLine line = block.layout()->lineForTextPosition(offset);
    return line.isValid() ? line.lineNumber() : block.layout()->lineCount() - 1;
}

bool TRxRichEdit::TryLineFromChar(int pos, int budgetMs, int *line) const
{
    if (!m_lines->ensureThrough(qBound(0, pos, TextLength()), qint64(budgetMs) * 1000000))
        return false;
    *line = LineFromChar(pos);
    return true;
}

int TRxRichEdit::LineFromChar(int pos) const
{
    pos = qBound(0, pos, TextLength());
    m_lines->ensureThrough(pos);
    const QTextBlock block = document()->findBlock(pos);
    if (!block.isValid())
        return 0;
    return block.firstLineNumber() + lineInBlock(block, pos - block.position());
}

bool TRxRichEdit::displayLine(int line, QTextBlock *block, int *start, int *length) const
{
    if (line == -1)
        line = LineFromChar(textCursor().position());
    if (line < 0)
        return false;
    // Count far enough that the line's block is exact: a line past the counted part is at
    // least as far as that many characters.
    m_lines->ensureThrough(qMin(TextLength(), line));
    QTextBlock probe = document()->findBlockByLineNumber(line);
    while (probe.isValid()) {
        m_lines->ensureThrough(probe.position());
        const QTextBlock again = document()->findBlockByLineNumber(line);
        if (again == probe)
            break;
        probe = again;
    }
    if (line >= document()->lineCount())
        return false;
    const QTextBlock b = document()->findBlockByLineNumber(line);
    if (!b.isValid())
        return false;
    *block = b;
    const int index = line - b.firstLineNumber();
    if (b.lineCount() <= 1) {
        *start = b.position();
        *length = b.length() - 1;
        return true;
    }
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout());
    layout->ensureBlockLayout(b);
    const QTextLine tl = b.layout()->lineAt(qMin(index, b.layout()->lineCount() - 1));
    *start = b.position() + tl.textStart();
    *length = tl.textLength();
    return true;
}

int TRxRichEdit::LineStart(int line) const
{
    QTextBlock block;
    int start = 0, length = 0;
    return displayLine(line, &block, &start, &length) ? start : -1;
}

QString TRxRichEdit::LineText(int line) const
{
    QTextBlock block;
    int start = 0, length = 0;
    if (!displayLine(line, &block, &start, &length))
        return {};
    QString text = block.text().mid(start - block.position(), length);
    // A wrapped piece may end in the blank at which it broke; the line break itself is never part.
    if (text.size() > MaxLineText)
        text.truncate(MaxLineText);
    return text;
}

QList<int> TRxRichEdit::DisplayLineStarts(const QTextBlock &block) const
{
    return m_lines->lineStarts(block); // {0} when unwrapped
}

int TRxRichEdit::LineCount() const
{
    ensureLoaded();
    m_lines->ensureAll();
    int lines = document()->lineCount();
    if (document()->lastBlock().length() <= 1)
        lines -= document()->lastBlock().lineCount();
    return qMax(0, lines);
}

void TRxRichEdit::AfterLinesCounted(std::function<void()> then)
{
    m_afterCounted = std::move(then);
    countLines(50'000'000); // a small text: counted at once
}

bool TRxRichEdit::AwaitLinesCounted()
{
    const QPointer<TRxRichEdit> self(this);
    auto counted = std::make_shared<bool>(false);
    QEventLoop wait;
    AfterLinesCounted([counted, &wait] {
        *counted = true;
        wait.quit();
    });
    if (*counted)
        return true;
    connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
    // Asked again now and then: a later AfterLinesCounted would have replaced ours.
    QTimer again;
    connect(&again, &QTimer::timeout, &wait, [self, &wait, counted] {
        if (self && !self->m_afterCounted && !*counted)
            self->AfterLinesCounted([counted, &wait] {
                *counted = true;
                wait.quit();
            });
    });
    again.start(200);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    return self && *counted;
}

void TRxRichEdit::countLines(qint64 budgetNs)
{
    if (!m_afterCounted)
        return;
    if (!Loading() && m_lines->ensureThrough(document()->characterCount(), budgetNs)) {
        std::exchange(m_afterCounted, nullptr)();
        return;
    }
    if (!m_countSlices) {
        m_countSlices = new QTimer(this);
        m_countSlices->setSingleShot(true);
        connect(m_countSlices, &QTimer::timeout, this, [this] { countLines(12'000'000); });
    }
    m_countSlices->start(Loading() ? 20 : 0);
}

// ---- whole text ----

void TRxRichEdit::SetWholeText(const QString &text)
{
    QString lines = TextFile::normalizeBreaks(text);
    if (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1);
    if (!text.isEmpty())
        lines.append(QLatin1Char('\n'));
    lines = m_document->Storable(lines);
    if (lines.size() > MaxLength)
        lines.truncate(MaxLength);
    ++m_holdChanges;
    m_document->ReplaceText(TextFile::PendingText(lines));
    m_document->FinishLoad(); // whole at once
    --m_holdChanges;
    m_document->MarkChanged();
    emit Changed(this);
    emit SelectionChanged(this);
}

void TRxRichEdit::ReplaceRange(int from, int length, const QString &text)
{
    ensureLoaded();
    const int total = TextLength();
    from = qBound(0, from, total);
    length = qBound(0, length, total - from);
    const QString clean = prepareInsert(text, length);
    // A caret inside the replaced range (or at its start) stays at its start instead of
    // riding to the end of the new text: the selection event that follows then asks about
    // the line there, not at the far end of a page-long replacement.
    QTextCursor caret = textCursor();
    const bool inside = caret.selectionStart() >= from && caret.selectionEnd() <= from + length;
    if (inside) {
        caret.setPosition(from);
        caret.setKeepPositionOnInsert(true);
        setTextCursor(caret);
    }
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(from + length, QTextCursor::KeepAnchor);
    c.beginEditBlock();
    c.insertText(clean);
    c.endEditBlock();
    if (inside) {
        caret = textCursor();
        caret.setKeepPositionOnInsert(false);
        caret.setPosition(from); // the anchor rode along with the insertion
        setTextCursor(caret);
    }
}

bool TRxRichEdit::WordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TRxRichEdit::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    invalidateLineCounts();
}

bool TRxRichEdit::CanUndo() const
{
    return document()->isUndoAvailable();
}

void TRxRichEdit::Undo()
{
    m_document->UndoStep(false, [this] { undo(); });
}

bool TRxRichEdit::CanRedo() const
{
    return document()->isRedoAvailable();
}

void TRxRichEdit::Redo()
{
    m_document->UndoStep(true, [this] { redo(); });
}

// Counted from the whole text: while a large text comes in, the part still to come takes
// its room too, so the saved file never passes the limit.
int TRxRichEdit::roomLeft() const
{
    return MaxLength - m_document->WholeLength();
}

// ---- events ----

bool TRxRichEdit::event(QEvent *e)
{
    // The window's keys go to its commands and tags, also those the text control would take
    // for itself (Ctrl+Z, Ctrl+A, ...).
    if (e->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent *>(e))) {
        e->ignore();
        return true;
    }
    return QPlainTextEdit::event(e);
}

bool TRxRichEdit::isWindowKey(const QKeyEvent *e) const
{
    const QKeyCombination k = e->keyCombination();
    return m_windowKeys
           && m_windowKeys(QKeyCombination(k.keyboardModifiers() & ~Qt::KeypadModifier, k.key()));
}

void TRxRichEdit::keyPressEvent(QKeyEvent *e)
{
    if (isWindowKey(e)) {
        e->accept(); // its command is disabled: the key does nothing
        return;
    }
    if (Loading()) {
        // The end of the text is wanted: the caret goes to the end of the part shown now and
        // on to the real end when the text is whole (unless it was moved meanwhile). Waiting
        // for the rest here would freeze the window.
        const bool select = e->matches(QKeySequence::SelectEndOfDocument);
        if (select || e->matches(QKeySequence::MoveToEndOfDocument)) {
            QPlainTextEdit::keyPressEvent(e);
            AfterLoad([this, select] {
                moveCursor(QTextCursor::End, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
            });
            return;
        }
        // The end of the part shown is not the end of the text: deleting forward there would
        // join the line with the rest, which is not there yet to join.
        const QTextCursor c = textCursor();
        const bool forward = e->matches(QKeySequence::Delete) || e->matches(QKeySequence::DeleteEndOfWord)
                             || e->matches(QKeySequence::DeleteEndOfLine);
        if (forward && !c.hasSelection() && c.position() == TextLength()) {
            emit LoadBlocked(this);
            e->accept();
            return;
        }
        // As the window's Undo and Redo do it, so that the whole text takes the same steps.
        if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
            if (e->matches(QKeySequence::Undo))
                Undo();
            else
                Redo();
            e->accept();
            return;
        }
    }
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        emit OverwriteChanged(overwriteMode());
        e->accept();
        return;
    }
    const QString text = e->text();
    // Decided on the whole first character: an emoji arrives as a surrogate pair.
    const char32_t first = text.isEmpty() ? 0 : QStringView(text).toUcs4().value(0);
    const bool inserts = first != 0 && (QChar::isPrint(first) || first == U'\t' || first == U'\r');
    // Alt with a letter that no command took types nothing (AltGr is not Alt).
    if (inserts && (e->modifiers() & Qt::AltModifier)
        && !(e->modifiers() & (Qt::ControlModifier | Qt::GroupSwitchModifier))) {
        e->accept();
        return;
    }
    if (inserts && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (roomLeft() <= 0 && !textCursor().hasSelection()
            && !(overwriteMode() && !textCursor().atBlockEnd())) {
            e->accept();
            return;
        }
        const QString clean = m_document->Storable(text);
        if (clean != text) {
            QKeyEvent copy(e->type(), e->key(), e->modifiers(), clean, e->isAutoRepeat(), ushort(e->count()));
            QPlainTextEdit::keyPressEvent(&copy);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TRxRichEdit::inputMethodEvent(QInputMethodEvent *e)
{
    const QString commit = e->commitString();
    if (!commit.isEmpty()) {
        const QString clean = prepareInsert(commit, SelLength());
        if (clean != commit) {
            QInputMethodEvent copy(e->preeditString(), e->attributes());
            copy.setCommitString(clean, e->replacementStart(), e->replacementLength());
            QPlainTextEdit::inputMethodEvent(&copy);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(e);
}

bool TRxRichEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void TRxRichEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QTextCursor c = textCursor();
    c.insertText(prepareInsert(source->text(), c.selectionEnd() - c.selectionStart()));
    setTextCursor(c);
    ensureCursorVisible();
}

void TRxRichEdit::resizeEvent(QResizeEvent *e)
{
    QPlainTextEdit::resizeEvent(e);
    const QRect cr = contentsRect();
    if (m_gutter)
        m_gutter->setGeometry(cr.left(), cr.top(), m_gutterWidth, cr.height());
    m_margin->setGeometry(cr.left() + m_gutterWidth, cr.top(), MarginWidth, cr.height());
}

QRectF TRxRichEdit::BlockRect(const QTextBlock &block) const
{
    return blockBoundingGeometry(block).translated(contentOffset());
}

void TRxRichEdit::SetGutter(QWidget *gutter, int width)
{
    if (!gutter)
        width = 0;
    if (m_gutter && m_gutter != gutter)
        m_gutter->hide();
    m_gutter = gutter;
    if (width != m_gutterWidth) {
        m_gutterWidth = width;
        setViewportMargins(MarginWidth + width, 0, 0, 0);
    }
    const QRect cr = contentsRect();
    if (m_gutter) {
        m_gutter->setGeometry(cr.left(), cr.top(), m_gutterWidth, cr.height());
        m_gutter->show();
    }
    m_margin->setGeometry(cr.left() + m_gutterWidth, cr.top(), MarginWidth, cr.height());
}

void TRxRichEdit::changeEvent(QEvent *e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        invalidateLineCounts();
}
