#include "editor/view/TCurrentLine.h"

#include "editor/view/TRxRichEdit.h"

#include <QEvent>
#include <QPainter>
#include <QTextCursor>

void TCurrentLine::SetShown(TRxRichEdit *editor, bool on)
{
    auto *mark = editor->findChild<TCurrentLine *>(QString(), Qt::FindDirectChildrenOnly);
    if (on && !mark)
        new TCurrentLine(editor);
    else if (!on)
        delete mark;
}

bool TCurrentLine::Shown(const TRxRichEdit *editor)
{
    return editor->findChild<TCurrentLine *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

TCurrentLine::TCurrentLine(TRxRichEdit *editor)
    : QObject(editor), m_editor(editor), m_viewport(editor->viewport())
{
    setObjectName(QStringLiteral("TCurrentLine"));
    m_viewport->installEventFilter(this);
    m_lastPosition = editor->textCursor().position();
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &TCurrentLine::caretMoved);
    m_viewport->update(LineRect());
}

TCurrentLine::~TCurrentLine()
{
    if (m_viewport) {
        m_viewport->removeEventFilter(this);
        m_viewport->update();
    }
}

QColor TCurrentLine::Color(const QPalette &palette)
{
    // A light, see-through tint of the selection colour: marked search hits on the line
    // still show through it.
    QColor tint = palette.color(QPalette::Active, QPalette::Highlight);
    tint.setAlpha(40);
    return tint;
}

QRect TCurrentLine::lineRectAt(int position) const
{
    QTextCursor at(m_editor->document());
    at.setPosition(qBound(0, position, m_editor->document()->characterCount() - 1));
    const QRect caret = m_editor->cursorRect(at);
    return QRect(0, caret.top(), m_viewport ? m_viewport->width() : 0, caret.height());
}

QRect TCurrentLine::LineRect() const
{
    return lineRectAt(m_editor->textCursor().position());
}

// The strip left behind is found where its line lies now, so scrolling leaves nothing.
void TCurrentLine::caretMoved()
{
    if (!m_viewport)
        return;
    const QRect now = LineRect();
    const QRect before = lineRectAt(m_lastPosition);
    m_lastPosition = m_editor->textCursor().position();
    if (now != before) {
        m_viewport->update(before);
        m_viewport->update(now);
    }
}

bool TCurrentLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && event->type() == QEvent::Paint) {
        // Painted before the editor paints its text, so the text and the selection lie on top.
        QPainter painter(m_viewport);
        painter.fillRect(LineRect(), Color(m_editor->palette()));
    }
    return false;
}
