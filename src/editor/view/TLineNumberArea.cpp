#include "editor/view/TLineNumberArea.h"

#include "editor/view/TRxRichEdit.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTextBlock>
#include <QTextLayout>

namespace {

constexpr int Padding = 4;

QColor mixed(const QColor &a, const QColor &b, int percentOfB)
{
    auto mix = [percentOfB](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

} // namespace

void TLineNumberArea::SetShown(TRxRichEdit *editor, bool on)
{
    TLineNumberArea *area = of(editor);
    if (on == (area != nullptr))
        return;
    if (on) {
        new TLineNumberArea(editor);
    } else {
        editor->SetGutter(nullptr, 0);
        delete area;
    }
}

bool TLineNumberArea::Shown(const TRxRichEdit *editor)
{
    return of(editor) != nullptr;
}

TLineNumberArea *TLineNumberArea::of(const TRxRichEdit *editor)
{
    return editor ? editor->findChild<TLineNumberArea *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TLineNumberArea::TLineNumberArea(TRxRichEdit *editor) : QWidget(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("TLineNumberArea"));
    setCursor(Qt::ArrowCursor);
    setFont(editor->font());
    // The editor's own signals, which follow whatever document it shows.
    connect(editor, &QPlainTextEdit::blockCountChanged, this, &TLineNumberArea::updateWidth);
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy)
            scroll(0, dy);
        else
            update(0, rect.y(), width(), rect.height());
    });
    // The caret's line number stands out.
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, qOverload<>(&QWidget::update));
    editor->installEventFilter(this);
    updateWidth();
}

int TLineNumberArea::NeededWidth() const
{
    return 2 * Padding + m_digits * fontMetrics().horizontalAdvance(QLatin1Char('9'));
}

void TLineNumberArea::updateWidth()
{
    const int digits = qMax(3, int(QString::number(m_editor->blockCount()).size()));
    if (digits == m_digits && width() == NeededWidth())
        return;
    m_digits = digits;
    m_editor->SetGutter(this, NeededWidth());
}

bool TLineNumberArea::eventFilter(QObject *watched, QEvent *event)
{
    // Zooming changes the editor's font; the settings change its colours.
    if (watched == m_editor && event->type() == QEvent::FontChange) {
        setFont(m_editor->font());
        m_digits = 0;
        updateWidth();
    } else if (watched == m_editor && event->type() == QEvent::PaletteChange) {
        update();
    }
    return false;
}

QList<TLineNumberArea::Number> TLineNumberArea::VisibleNumbers(int top, int bottom) const
{
    QList<Number> numbers;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = m_editor->FirstVisibleBlock();
    for (int blockNumber = block.blockNumber(); block.isValid(); block = block.next(), ++blockNumber) {
        const QRectF geom = m_editor->BlockRect(block);
        if (geom.top() > bottom)
            break;
        if (!block.isVisible() || geom.bottom() < top)
            continue;
        const QTextLayout *layout = block.layout();
        const bool laidOut = layout && layout->lineCount() > 0;
        const int y = int(geom.top() + (laidOut ? layout->lineAt(0).y() : 0));
        const int height = laidOut ? int(layout->lineAt(0).height()) : lineHeight;
        numbers.append({blockNumber + 1, QRect(0, y, width(), height)});
    }
    return numbers;
}

void TLineNumberArea::paintEvent(QPaintEvent *e)
{
    // The editor may have been given another document, which reports no new block count.
    if (qMax(3, int(QString::number(m_editor->blockCount()).size())) != m_digits)
        QMetaObject::invokeMethod(this, &TLineNumberArea::updateWidth, Qt::QueuedConnection);
    QPainter painter(this);
    const QPalette &pal = m_editor->palette();
    const QColor base = pal.color(QPalette::Base);
    const QColor text = pal.color(QPalette::Text);
    painter.fillRect(e->rect(), mixed(base, text, 6));
    painter.setPen(mixed(base, text, 20));
    painter.drawLine(width() - 1, e->rect().top(), width() - 1, e->rect().bottom());

    const QColor number = mixed(base, text, 55);
    const int current = m_editor->textCursor().blockNumber() + 1;
    for (const Number &n : VisibleNumbers(e->rect().top(), e->rect().bottom())) {
        painter.setPen(n.number == current ? text : number);
        painter.drawText(n.rect.adjusted(0, 0, -Padding - 1, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(n.number));
    }
}
