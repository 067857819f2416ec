#include "editor/TRxRichEdit.h"

#include "common/FreeMemory.h"

#include "editor/TDisplayLines.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QElapsedTimer>

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

TRxRichEdit::TRxRichEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setUndoRedoEnabled(true);
    m_document = new Document(this, this);

    // The selection stays visible while the find dialogs have the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    m_lines = new TDisplayLines(this);
    m_margin = new TSelectionMargin(this);
    setViewportMargins(MarginWidth, 0, 0, 0);

    connect(document(), &QTextDocument::contentsChange, this, &TRxRichEdit::onContentsChange);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_textChanged && m_holdChanges == 0) {
            m_textChanged = false;
            emit Changed(this);
        }
    });
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
    // watches the viewport, and the document's signals reach our handlers.
    document()->disconnect(this);
    disconnect(this, &QPlainTextEdit::cursorPositionChanged, nullptr, nullptr);
    disconnect(this, &QPlainTextEdit::selectionChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::Changed, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::SelectionChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::OverwriteChanged, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::LoadProgress, nullptr, nullptr);
    disconnect(this, &TRxRichEdit::LoadBlocked, nullptr, nullptr);
    delete m_lines;
    m_lines = nullptr;
}

// ---- files ----

QString TRxRichEdit::TextForSave() const
{
    return PlainText();
}

namespace {
constexpr qsizetype FirstSlice = 64 * 1024;   // shown at once: more than any screen holds
constexpr qsizetype LaterSlice = 64 * 1024;   // taken in between events
constexpr qint64 SliceBudgetNs = 5 * 1000000; // per turn of the event loop
} // namespace

void TRxRichEdit::TakeLoadedText(TextFile::PendingText text)
{
    cancelLoad();
    // A large text is shown from its start at once and taken in slice by slice between
    // events, each slice decoded from the file's bytes only then; none of it enters the
    // undo history or the modified flag.
    ++m_holdChanges;
    document()->setUndoRedoEnabled(false);
    setUpdatesEnabled(false);
    setPlainText(text.Next(FirstSlice));
    moveCursor(QTextCursor::Start);
    setUpdatesEnabled(true);
    --m_holdChanges;
    m_textChanged = false;
    invalidateLineCounts();
    m_lastAnchor = m_lastPosition = -1;
    if (!text.AtEnd()) {
        m_pending = std::move(text);
        m_loading = true;
        setReadOnly(true);
        // The caret still moves with the keys, so the user can read on while the rest comes.
        setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
        if (!m_loadTimer) {
            m_loadTimer = new QTimer(this);
            m_loadTimer->setInterval(0);
            connect(m_loadTimer, &QTimer::timeout, this, [this] { loadSlices(SliceBudgetNs); });
        }
        m_loadTimer->start();
        emit LoadProgress(this, m_pending.Percent());
    } else {
        document()->setUndoRedoEnabled(true);
    }
    emit SelectionChanged(this);
}

void TRxRichEdit::loadSlices(qint64 budgetNs)
{
    if (!Loading())
        return;
    QElapsedTimer clock;
    clock.start();
    ++m_holdChanges;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    // Each slice starts with the break before its first line.
    while (!m_pending.AtEnd() && (budgetNs < 0 || clock.nsecsElapsed() < budgetNs))
        end.insertText(m_pending.Next(LaterSlice));
    --m_holdChanges;
    m_textChanged = false;
    if (!m_pending.AtEnd()) {
        emit LoadProgress(this, m_pending.Percent());
        return;
    }
    std::function<void()> place = std::exchange(m_afterLoad, nullptr);
    const QTextCursor caret = textCursor();
    const bool caretStayed = caret.anchor() == m_afterLoadAnchor && caret.position() == m_afterLoadCaret;
    cancelLoad(); // all in: the text is whole
    if (place && caretStayed)
        place();
    // The slices and the grown buffers' old copies, once this turn has let go of them.
    QTimer::singleShot(0, this, [] { FreeMemory::GiveBack(); });
    emit LoadProgress(this, 100);
}

void TRxRichEdit::AfterLoad(std::function<void()> place)
{
    if (!Loading()) {
        place();
        return;
    }
    m_afterLoad = std::move(place);
    m_afterLoadAnchor = textCursor().anchor();
    m_afterLoadCaret = textCursor().position();
}

void TRxRichEdit::FinishLoad()
{
    loadSlices(-1);
}

void TRxRichEdit::cancelLoad()
{
    if (m_loadTimer)
        m_loadTimer->stop();
    if (!m_loading)
        return;
    m_pending = TextFile::PendingText();
    m_afterLoad = nullptr;
    m_loading = false;
    setReadOnly(false);
    document()->setUndoRedoEnabled(true);
}

void TRxRichEdit::ensureLoaded() const
{
    if (Loading())
        const_cast<TRxRichEdit *>(this)->FinishLoad();
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

int TRxRichEdit::TextLength() const
{
    return document()->characterCount() - 1;
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

QString TRxRichEdit::StorableText(const QString &text) const
{
    return m_document->Storable(TextFile::normalizeBreaks(text));
}

QString TRxRichEdit::prepareInsert(const QString &text, int replacing) const
{
    QString clean = StorableText(text);
    const int room = MaxLength - TextLength() + replacing;
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

int TRxRichEdit::LineCount() const
{
    ensureLoaded();
    m_lines->ensureAll();
    int lines = document()->lineCount();
    if (document()->lastBlock().length() <= 1)
        lines -= document()->lastBlock().lineCount();
    return qMax(0, lines);
}

// ---- whole text ----

QString TRxRichEdit::PlainText() const
{
    ensureLoaded();
    return TextCommands::DocumentText(*document());
}

QString TRxRichEdit::WholeText() const
{
    const QString text = PlainText();
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            out.append(QLatin1String("\r\n"));
        else
            out.append(c);
    }
    out.append(QLatin1String("\r\n"));
    return out;
}

void TRxRichEdit::ClearText()
{
    cancelLoad();
    ++m_holdChanges;
    clear();
    document()->clearUndoRedoStacks();
    --m_holdChanges;
    m_textChanged = false;
    m_document->SetModified(false);
    invalidateLineCounts();
}

void TRxRichEdit::SetWholeText(const QString &text)
{
    cancelLoad();
    QString lines = TextFile::normalizeBreaks(text);
    if (lines.endsWith(QLatin1Char('\n')))
        lines.chop(1);
    if (!text.isEmpty())
        lines.append(QLatin1Char('\n'));
    lines = m_document->Storable(lines);
    if (lines.size() > MaxLength)
        lines.truncate(MaxLength);
    ++m_holdChanges;
    setPlainText(lines);
    --m_holdChanges;
    invalidateLineCounts();
    m_textChanged = false;
    m_document->SetModified(true);
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

void TRxRichEdit::SetModified(bool modified)
{
    m_document->SetModified(modified);
    document()->setModified(modified);
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
    undo();
}

bool TRxRichEdit::CanRedo() const
{
    return document()->isRedoAvailable();
}

void TRxRichEdit::Redo()
{
    redo();
}

int TRxRichEdit::roomLeft() const
{
    return MaxLength - TextLength();
}

// ---- events ----

void TRxRichEdit::onContentsChange(int, int removed, int added)
{
    if (removed == 0 && added == 0)
        return;
    if (m_holdChanges == 0) {
        m_document->SetModified(true);
        m_textChanged = true;
    }
}

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
        // The end of the text is wanted: it is taken in at once.
        if (e->matches(QKeySequence::MoveToEndOfDocument) || e->matches(QKeySequence::SelectEndOfDocument))
            FinishLoad();
        else if (!e->text().isEmpty() || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
            emit LoadBlocked(this); // read-only until the text is whole
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
            QKeyEvent copy(e->type(), e->key(), e->modifiers(), clean, e->isAutoRepeat(),
                           ushort(e->count()));
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
    m_margin->setGeometry(cr.left(), cr.top(), MarginWidth, cr.height());
}

void TRxRichEdit::changeEvent(QEvent *e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        invalidateLineCounts();
}
