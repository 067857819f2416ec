#include "spell/VisibleSpellCheck.h"

#include "editor/view/TRxRichEdit.h"
#include "spell/TAbstractSpeller.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Marks our underlines among the editor's extra selections.
constexpr int UnderlineMark = QTextFormat::UserProperty + 0x5350;
// A word cut by the edge of the view is read whole, up to this many characters beyond it.
constexpr int WordReach = 64;
// Pixels checked beyond the left and right edges of an unwrapped view.
constexpr int SideSlack = 40;
// More underlines than this in one view are not drawn (a page of another language).
constexpr int MaxUnderlines = 5000;

QTextCharFormat underlineFormat()
{
    QTextCharFormat f;
    f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    f.setUnderlineColor(Qt::red);
    f.setProperty(UnderlineMark, true);
    return f;
}

} // namespace

VisibleSpellCheck::VisibleSpellCheck(TRxRichEdit *editor, std::function<TAbstractSpeller *()> speller)
    : QObject(editor), m_editor(editor), m_viewport(editor->viewport()), m_speller(std::move(speller))
{
    setObjectName(QStringLiteral("VisibleSpellCheck"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &VisibleSpellCheck::CheckNow);
    connect(editor->Doc(), &Document::ContentsChange, this, [this](int from, int, int added) {
        m_lastEdit = from + added;
        if (m_active)
            m_timer.start(TypingPause); // each change puts the check off again
    });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        // Leaving the word just typed lets it be judged.
        if (m_active && m_lastEdit >= 0 && m_editor->textCursor().position() != m_lastEdit)
            Schedule(ScrollPause);
    });
    auto scrolled = [this] {
        if (m_active)
            Schedule(ScrollPause);
    };
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    // Wrapping switched or another font: other text may come into view.
    m_sizeLink = connect(editor->Doc()->Text()->documentLayout(),
                         &QAbstractTextDocumentLayout::documentSizeChanged, this, scrolled);
    // A large text became whole in a new document: the editor carried the underlines over.
    connect(editor->Doc(), &Document::TextSwapped, this, [this, scrolled] {
        disconnect(m_sizeLink);
        m_sizeLink = connect(m_editor->Doc()->Text()->documentLayout(),
                             &QAbstractTextDocumentLayout::documentSizeChanged, this, scrolled);
        m_underlines.clear();
        for (const QTextEdit::ExtraSelection &s : m_editor->extraSelections())
            if (s.format.hasProperty(UnderlineMark))
                m_underlines.append(s);
        scrolled();
    });
    connect(editor->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    editor->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

VisibleSpellCheck *VisibleSpellCheck::of(const TRxRichEdit *editor)
{
    return editor ? editor->findChild<VisibleSpellCheck *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void VisibleSpellCheck::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        Schedule(0);
    } else {
        m_timer.stop();
        setUnderlines({});
    }
}

void VisibleSpellCheck::Schedule(int ms)
{
    // A check already due comes soon enough; only typing puts it off.
    if (m_active && !m_timer.isActive())
        m_timer.start(ms);
}

bool VisibleSpellCheck::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched == m_editor)
            Schedule(0);
        break;
    case QEvent::Resize:
        if (watched == m_viewport)
            Schedule(ScrollPause);
        break;
    case QEvent::ContextMenu: {
        // Seen before the page menu opens for it.
        const auto *e = static_cast<QContextMenuEvent *>(event);
        m_menuByKeyboard = e->reason() == QContextMenuEvent::Keyboard;
        m_menuPoint = watched == m_editor ? m_viewport->mapFrom(m_editor, e->pos()) : e->pos();
        break;
    }
    default:
        break;
    }
    return false;
}

QList<VisibleSpellCheck::Span> VisibleSpellCheck::visibleSpans() const
{
    QList<Span> spans;
    const QRect view = m_editor->viewport()->rect();
    const QTextCursor first = m_editor->cursorForPosition(view.topLeft());
    const QTextCursor last = m_editor->cursorForPosition(view.bottomRight());
    const int from = first.position(), to = last.position();
    const bool wrap = m_editor->lineWrapMode() != QPlainTextEdit::NoWrap;
    const int left = m_editor->horizontalScrollBar()->value();
    for (QTextBlock b = first.block(); b.isValid() && b.position() <= to; b = b.next()) {
        const int length = b.length() - 1;
        int s = 0, e = length;
        if (wrap) {
            // Display lines above and below the view are left out, however long the line.
            s = qMax(0, from - b.position());
            e = qMin(length, to - b.position());
        } else if (const QTextLayout *layout = b.layout(); layout && layout->lineCount() > 0) {
            const QTextLine line = layout->lineAt(0);
            s = line.xToCursor(left - SideSlack);
            e = line.xToCursor(left + view.width() + SideSlack);
        }
        if (s < e)
            spans.append({b, s, e});
    }
    return spans;
}

void VisibleSpellCheck::CheckNow()
{
    if (!m_active || !m_editor->isVisible())
        return;
    TAbstractSpeller *speller = m_speller ? m_speller() : nullptr;
    if (!speller)
        return;
    m_timer.stop();
    const int caret = m_editor->textCursor().position();
    const QList<Span> spans = visibleSpans();
    m_checkedFrom = spans.isEmpty() ? 0 : spans.first().block.position() + spans.first().from;
    m_checkedTo = spans.isEmpty() ? 0 : spans.last().block.position() + spans.last().to;
    QList<Word> words;
    for (const Span &span : spans) {
        const QString text = span.block.text();
        int s = span.from, e = span.to;
        while (s > 0 && span.from - s < WordReach && !text[s - 1].isSpace())
            --s;
        while (e < text.size() && e - span.to < WordReach && !text[e].isSpace())
            ++e;
        const int base = span.block.position() + s;
        for (const TAbstractSpeller::Error &error : speller->FindErrors(QStringView(text).sliced(s, e - s))) {
            const Word w{base + error.offset, error.length};
            // The word being typed: its end is where the caret stands after the last change.
            if (caret == m_lastEdit && w.start <= caret && caret <= w.start + w.length)
                continue;
            if (words.size() < MaxUnderlines)
                words.append(w);
        }
    }
    setUnderlines(words);
    emit Checked();
}

void VisibleSpellCheck::setUnderlines(const QList<Word> &words)
{
    if (words == Underlined())
        return;
    QList<QTextEdit::ExtraSelection> all;
    for (const QTextEdit::ExtraSelection &s : m_editor->extraSelections())
        if (!s.format.hasProperty(UnderlineMark))
            all.append(s); // somebody else's
    m_underlines.clear();
    const QTextCharFormat format = underlineFormat();
    for (const Word &w : words) {
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(m_editor->Doc()->Text());
        s.cursor.setPosition(w.start);
        s.cursor.setPosition(w.start + w.length, QTextCursor::KeepAnchor);
        s.format = format;
        m_underlines.append(s);
    }
    all.append(m_underlines);
    m_editor->setExtraSelections(all);
}

QList<VisibleSpellCheck::Word> VisibleSpellCheck::Underlined() const
{
    QList<Word> words;
    for (const QTextEdit::ExtraSelection &s : m_underlines)
        if (s.cursor.hasSelection())
            words.append({s.cursor.selectionStart(), s.cursor.selectionEnd() - s.cursor.selectionStart()});
    return words;
}

VisibleSpellCheck::Word VisibleSpellCheck::wordAtChar(int pos) const
{
    for (const Word &w : Underlined())
        if (w.start <= pos && pos < w.start + w.length)
            return w;
    return {};
}

VisibleSpellCheck::Word VisibleSpellCheck::MenuWord() const
{
    if (!m_active)
        return {};
    if (m_menuByKeyboard) {
        const int caret = m_editor->textCursor().position();
        const Word w = wordAtChar(caret);
        return w.IsValid() ? w : wordAtChar(caret - 1); // the caret right after a word
    }
    // The character under the point: the nearest cursor position, or the one before it
    // when the point lies left of that position.
    const QTextCursor c = m_editor->cursorForPosition(m_menuPoint);
    const int pos = c.position();
    const int ch = m_menuPoint.x() < m_editor->cursorRect(c).x() ? pos - 1 : pos;
    return wordAtChar(ch);
}
