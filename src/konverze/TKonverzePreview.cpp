#include "konverze/TKonverzePreview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

// The blank around the text, as the page's editor leaves it.
constexpr int Margin = 4;

} // namespace

TKonverzePreview::TKonverzePreview(QWidget *parent) : QAbstractScrollArea(parent), m_map(1, 1)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the text wraps
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);    // so the width never changes with the text
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setCursor(Qt::ArrowCursor);
}

TKonverzePreview::~TKonverzePreview() = default;

void TKonverzePreview::ShowConverted(const QTextDocument *document, const KonverzeText::Map &map)
{
    m_map = map;
    if (document != m_document || !document || document->revision() != m_revision
        || m_length != pieceLength()) {
        m_document = document;
        rebuildPieces();
    }
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void TKonverzePreview::Clear()
{
    m_document = nullptr;
    rebuildPieces();
    viewport()->update();
}

int TKonverzePreview::pieceLength() const
{
    // Half a view's worth of characters: a piece then never outgrows the view, so every
    // part of a long line can be scrolled to.
    const QFontMetrics fm(font());
    const int perRow = qMax(1, (viewport()->width() - 2 * Margin) / qMax(1, fm.averageCharWidth()));
    const int rows = qMax(1, (viewport()->height() - 2 * Margin) / qMax(1, fm.lineSpacing()));
    return qMax(64, perRow * qMax(1, rows / 2));
}

void TKonverzePreview::rebuildPieces()
{
    m_pieces.clear();
    m_cachedBlock = -1;
    m_cachedText.clear();
    m_length = pieceLength();
    if (!m_document) {
        m_revision = -1;
        updateScrollRange();
        return;
    }
    m_revision = m_document->revision();
    m_pieces.reserve(size_t(m_document->blockCount()));
    // A last empty block is no line: the text ends in a break (or is empty).
    const QTextBlock last = m_document->lastBlock();
    int number = 0;
    for (QTextBlock b = m_document->begin(); b.isValid(); b = b.next(), ++number) {
        const int length = b.length() - 1;
        if (b == last && length == 0)
            break;
        int offset = 0;
        do {
            const int part = qMin(m_length, length - offset);
            m_pieces.push_back(Piece{number, offset, part, offset + part == length});
            offset += part;
        } while (offset < length);
    }
    updateScrollRange();
}

void TKonverzePreview::updateScrollRange()
{
    // Every piece can come to the top; the last view's worth of them all show the end.
    const int rows = qMax(1, viewport()->height() / qMax(1, QFontMetrics(font()).lineSpacing()));
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, qMax(0, int(m_pieces.size()) - 1));
    bar->setSingleStep(1);
    bar->setPageStep(qMax(1, rows - 1));
}

QString TKonverzePreview::pieceText(int piece) const
{
    const Piece &p = m_pieces[size_t(piece)];
    if (!m_document)
        return {};
    if (p.block != m_cachedBlock) {
        m_cachedText = m_document->findBlockByNumber(p.block).text();
        m_cachedBlock = p.block;
    }
    return m_map.converted(QStringView(m_cachedText).mid(p.offset, p.length));
}

std::unique_ptr<QTextLayout> TKonverzePreview::layoutPiece(int piece, qreal *height) const
{
    auto layout = std::make_unique<QTextLayout>(pieceText(piece), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    const qreal width = qMax(1, viewport()->width() - 2 * Margin);
    const qreal spacing = QFontMetricsF(font()).lineSpacing();
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += qMax(spacing, line.height());
    }
    layout->endLayout();
    *height = qMax(spacing, y); // an empty line still takes a row
    return layout;
}

std::vector<TKonverzePreview::Shown>
TKonverzePreview::shownPieces(std::vector<std::unique_ptr<QTextLayout>> *layouts) const
{
    std::vector<Shown> shown;
    const int count = int(m_pieces.size());
    if (count == 0)
        return shown;
    const qreal height = viewport()->height();
    std::vector<std::unique_ptr<QTextLayout>> laid;
    std::vector<qreal> heights;
    int first = qBound(0, verticalScrollBar()->value(), count - 1);
    qreal y = Margin;
    qreal filled = Margin;
    for (int p = first; p < count && filled < height; ++p) {
        qreal h = 0;
        laid.push_back(layoutPiece(p, &h));
        heights.push_back(h);
        filled += h;
    }
    if (first > 0 && filled < height - Margin) {
        // Near the end the view would run dry: it shows the end of the text at its bottom
        // instead, or the whole text from the top when that fits.
        laid.clear();
        heights.clear();
        qreal total = 2 * Margin;
        int p = count - 1;
        for (; p >= 0 && total < height; --p) {
            qreal h = 0;
            laid.push_back(layoutPiece(p, &h));
            heights.push_back(h);
            total += h;
        }
        std::reverse(laid.begin(), laid.end());
        std::reverse(heights.begin(), heights.end());
        first = p + 1;
        y = total <= height ? Margin : height - total + Margin;
    }
    for (size_t i = 0; i < laid.size(); ++i) {
        shown.push_back(Shown{first + int(i), int(y)});
        y += heights[i];
    }
    if (layouts)
        *layouts = std::move(laid);
    return shown;
}

QString TKonverzePreview::ShownText() const
{
    QString out;
    for (const Shown &s : shownPieces()) {
        out += pieceText(s.piece);
        if (m_pieces[size_t(s.piece)].endsLine)
            out += QLatin1Char('\n');
    }
    return out;
}

void TKonverzePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    const std::vector<Shown> shown = shownPieces(&layouts);
    for (size_t i = 0; i < shown.size(); ++i)
        layouts[i]->draw(&painter, QPointF(Margin, shown[i].y));
}

void TKonverzePreview::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_length != pieceLength() && m_document) {
        // Cut again for the new size, keeping the line at the top in view.
        const int value = verticalScrollBar()->value();
        const int block = value < int(m_pieces.size()) ? m_pieces[size_t(value)].block : 0;
        rebuildPieces();
        int piece = 0;
        while (piece < int(m_pieces.size()) && m_pieces[size_t(piece)].block < block)
            ++piece;
        verticalScrollBar()->setValue(piece);
    } else {
        updateScrollRange();
    }
}

void TKonverzePreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Home:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TKonverzePreview::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TKonverzePreview::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_document) {
        rebuildPieces();
        viewport()->update();
    }
}
