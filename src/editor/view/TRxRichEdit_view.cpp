// What the editor shows beyond the text and what the mouse does in it: the zoom, the
// underlined web addresses, selecting display lines and whole words with the mouse.
#include "editor/view/TRxRichEdit.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

namespace {

const QRegularExpression &urlPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"((?:(?:https?|ftp|file)://|mailto:|www\.)[^\s<>"]+[^\s<>".,;:!?)\]'])"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

} // namespace

// ---- zoom ----

namespace {
constexpr qreal MinZoomedPoints = 4;
constexpr qreal MaxZoomedPoints = 96;
} // namespace

void TRxRichEdit::zoomTo(int steps)
{
    if (m_zoomSteps == 0)
        m_unzoomedFont = font();
    const qreal base = m_unzoomedFont.pointSizeF();
    if (base <= 0)
        return; // a font in pixels: not zoomed
    steps = int(qBound(MinZoomedPoints - base, qreal(steps), MaxZoomedPoints - base));
    if (steps == m_zoomSteps)
        return;
    m_zoomSteps = steps;
    QFont f = m_unzoomedFont;
    f.setPointSizeF(base + steps);
    setFont(f);
}

void TRxRichEdit::ZoomIn()
{
    zoomTo(m_zoomSteps + 1);
}

void TRxRichEdit::ZoomOut()
{
    zoomTo(m_zoomSteps - 1);
}

void TRxRichEdit::ResetZoom()
{
    if (m_zoomSteps == 0)
        return;
    m_zoomSteps = 0;
    setFont(m_unzoomedFont);
}

void TRxRichEdit::wheelEvent(QWheelEvent *e)
{
    if (!(e->modifiers() & Qt::ControlModifier)) {
        m_wheelZoom = 0;
        QPlainTextEdit::wheelEvent(e);
        return;
    }
    // One step per notch; touchpads send small angles that add up.
    m_wheelZoom += e->angleDelta().y();
    while (m_wheelZoom >= 120) {
        m_wheelZoom -= 120;
        ZoomIn();
    }
    while (m_wheelZoom <= -120) {
        m_wheelZoom += 120;
        ZoomOut();
    }
    e->accept();
}

void TRxRichEdit::paintEvent(QPaintEvent *e)
{
    QPlainTextEdit::paintEvent(e);
    drawLinks();
}

// Web addresses are underlined in the link colour; clicking one does nothing.
void TRxRichEdit::drawLinks()
{
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Link), 1));
    const QPointF offset = contentOffset();
    const int bottom = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF geom = blockBoundingGeometry(block).translated(offset);
        if (geom.top() > bottom)
            break;
        if (!block.isVisible() || block.length() > 100000)
            continue;
        const QString text = block.text();
        if (!text.contains(QLatin1String("://")) && !text.contains(QLatin1String("www."), Qt::CaseInsensitive)
            && !text.contains(QLatin1String("mailto:"), Qt::CaseInsensitive))
            continue;
        const QTextLayout *tl = block.layout();
        if (!tl || tl->lineCount() == 0)
            continue;
        auto it = urlPattern().globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            const int s = int(m.capturedStart()), t = int(m.capturedEnd());
            for (int i = 0; i < tl->lineCount(); ++i) {
                const QTextLine line = tl->lineAt(i);
                const int ls = line.textStart(), le = ls + line.textLength();
                if (le <= s || ls >= t)
                    continue;
                const qreal x1 = line.cursorToX(qMax(s, ls)), x2 = line.cursorToX(qMin(t, le));
                const qreal y = geom.top() + line.y() + line.ascent() + 1.5;
                painter.drawLine(QPointF(geom.left() + x1, y), QPointF(geom.left() + x2, y));
            }
        }
    }
}

void TRxRichEdit::selectDisplayLineAt(int y, bool extend)
{
    QTextCursor at = cursorForPosition(QPoint(0, y));
    QTextCursor start = at, end = at;
    start.movePosition(QTextCursor::StartOfLine);
    end.movePosition(QTextCursor::EndOfLine);
    if (end.atBlockEnd() && !end.atEnd())
        end.movePosition(QTextCursor::NextCharacter);
    QTextCursor c = textCursor();
    if (extend) {
        const int anchor = c.anchor();
        c.setPosition(anchor);
        c.setPosition(end.position() >= anchor ? end.position() : start.position(), QTextCursor::KeepAnchor);
    } else {
        c.setPosition(start.position());
        c.setPosition(end.position(), QTextCursor::KeepAnchor);
    }
    setTextCursor(c);
    setFocus(Qt::MouseFocusReason);
}

void TRxRichEdit::mousePressEvent(QMouseEvent *e)
{
    QPlainTextEdit::mousePressEvent(e);
    m_wordAnchor = (e->button() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier))
        ? textCursor().position()
        : -1;
}

// Dragging past the word where the drag began selects whole words.
void TRxRichEdit::mouseMoveEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseMoveEvent(e);
    if (m_wordAnchor < 0 || !(e->buttons() & Qt::LeftButton))
        return;
    QTextCursor c = textCursor();
    const int pos = c.position();
    QTextCursor w(document());
    w.setPosition(m_wordAnchor);
    w.select(QTextCursor::WordUnderCursor);
    const int wordStart = w.hasSelection() ? w.selectionStart() : m_wordAnchor;
    const int wordEnd = w.hasSelection() ? w.selectionEnd() : m_wordAnchor;
    if (pos >= wordStart && pos <= wordEnd)
        return;
    QTextCursor p(document());
    p.setPosition(pos);
    p.select(QTextCursor::WordUnderCursor);
    c.setPosition(pos > wordEnd ? wordStart : wordEnd);
    if (p.hasSelection())
        c.setPosition(pos > wordEnd ? p.selectionEnd() : p.selectionStart(), QTextCursor::KeepAnchor);
    else
        c.setPosition(pos, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void TRxRichEdit::mouseReleaseEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseReleaseEvent(e);
    m_wordAnchor = -1;
}
