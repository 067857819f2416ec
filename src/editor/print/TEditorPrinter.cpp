#include "editor/print/TEditorPrinter.h"

#include "common/TErrorText.h"
#include "editor/print/PrintLayout.h"
#include "editor/view/TRxRichEdit.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {

// Lines between two questions to the progress callback; blocks while finding the lines
// (a block may wrap into many, each laid out).
constexpr int ProgressLines = 256;
constexpr int ProgressBlocks = 64;
// The share of the work the layout takes; drawing the pages is the rest. Of the layout,
// finding the display lines takes this share.
constexpr double LayoutShare = 0.5;
constexpr double LinesShare = 0.4;

// A part of the whole work: done runs from 0 to 1 within it.
TEditorPrinter::Progress part(const TEditorPrinter::Progress &progress, double from, double share)
{
    if (!progress)
        return {};
    return [&progress, from, share](double done) { return progress(from + done * share); };
}

class FontMetrics : public TPrintMetrics
{
public:
    FontMetrics(const QFont &font, QPaintDevice *device) : m_metrics(font, device) {}
    qreal Width(QStringView text) const override { return m_metrics.horizontalAdvance(text.toString()); }
    qreal Height() const override { return m_metrics.height(); }
    qreal AverageCharWidth() const override { return m_metrics.averageCharWidth(); }

private:
    QFontMetricsF m_metrics;
};

// Collects the pieces into pages.
class PageSink : public TPrintSink
{
public:
    explicit PageSink(QList<TEditorPrinter::Page> &pages) : m_pages(pages)
    {
        m_pages.append(TEditorPrinter::Page());
    }
    void DrawText(qreal x, qreal y, QStringView text) override
    {
        m_pages.last().append({x, y, text.toString()});
    }
    void NewPage() override { m_pages.append(TEditorPrinter::Page()); }

private:
    QList<TEditorPrinter::Page> &m_pages;
};

} // namespace

TEditorPrinter::TEditorPrinter(const TRxRichEdit &editor, QPrinter &printer)
    : m_editor(editor), m_printer(printer), m_color(editor.palette().color(QPalette::Active, QPalette::Text))
{
    // The same size in points as on the screen, at the printer's resolution.
    QFont font = editor.font();
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / qMax(1, editor.logicalDpiY()));
    m_font = QFont(font, &printer);
}

QStringList TEditorPrinter::PrintedLines(const TRxRichEdit &editor)
{
    QStringList lines;
    PrintedLines(editor, &lines, {});
    return lines;
}

// Block by block, each wrapped as the editor wraps it: no display line is looked up by its
// number, and nothing needs the whole text's lines counted first (a 16 MB page would wait
// seconds for that before the progress showed).
bool TEditorPrinter::PrintedLines(const TRxRichEdit &editor, QStringList *lines, const Progress &progress)
{
    for (;;) {
        lines->clear();
        editor.FinishLoad(); // a text still coming in is taken in whole first
        const QTextDocument *text = editor.document();
        const int revision = text->revision();
        const double total = qMax(1, text->characterCount());
        int blocks = 0;
        bool changed = false;
        for (QTextBlock b = text->firstBlock(); b.isValid() && !changed; b = b.next()) {
            if (!b.next().isValid() && b.length() <= 1)
                break; // a last empty line is no line
            if (progress && ++blocks % ProgressBlocks == 0) {
                if (!progress(b.position() / total))
                    return false;
                // Reloaded while the progress let events in: the text the page now shows.
                changed = editor.document() != text || text->revision() != revision;
                if (changed)
                    break;
            }
            const QString line = b.text();
            const QList<int> starts = editor.DisplayLineStarts(b);
            for (qsizetype i = 0; i < starts.size(); ++i) {
                const qsizetype end = i + 1 < starts.size() ? starts.at(i + 1) : line.size();
                lines->append(line.sliced(starts.at(i), qMax<qsizetype>(0, end - starts.at(i))));
            }
        }
        if (!changed)
            return true;
    }
}

bool TEditorPrinter::LayOut(const Progress &progress)
{
    m_pages.clear();
    QStringList lines;
    if (!PrintedLines(m_editor, &lines, part(progress, 0, LinesShare)))
        return false;
    const Progress rest = part(progress, LinesShare, 1 - LinesShare);
    const FontMetrics metrics(m_font, &m_printer);
    PageSink sink(m_pages);
    TPrintLayout layout(metrics, m_printer.width(), m_printer.height(), sink);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (rest && i % ProgressLines == 0 && !rest(double(i) / lines.size()))
            return false;
        layout.Write(lines.at(i));
        layout.LineBreak();
    }
    return true;
}

bool TEditorPrinter::isPreview() const
{
    // The preview dialog swaps in its own engine, which records pictures.
    QPaintEngine *engine = m_printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

void TEditorPrinter::abortJob(QPainter &painter)
{
    const bool toFile = !isPreview() && m_printer.outputFormat() == QPrinter::PdfFormat
                        && !m_printer.outputFileName().isEmpty();
    // Qt's PDF and CUPS engines cannot abort; a file we were writing is then removed so
    // that no half-printed document is left behind.
    const bool aborted = m_printer.abort();
    painter.end();
    if (!aborted && toFile)
        QFile::remove(m_printer.outputFileName());
}

bool TEditorPrinter::Paint(const Progress &progress)
{
    const bool preview = isPreview();
    if (!preview && !m_printer.isValid())
        throw TError(tr("Vybraná tiskárna není platná"));
    // Copies the printer cannot make itself (a PDF file) are drawn here; a print server
    // makes them itself.
    const int copies = preview || m_printer.supportsMultipleCopies() ? 1 : qMax(1, m_printer.copyCount());
    const bool collate = m_printer.collateCopies();

    QPainter painter;
    if (!painter.begin(&m_printer)) {
        if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
            throw TError(tr("Soubor %1 nelze vytvořit").arg(m_printer.outputFileName()));
        if (m_printer.printerName().isEmpty())
            throw TError(tr("Není vybrána žádná tiskárna"));
        throw TError(tr("Tiskárna %1 není dostupná").arg(m_printer.printerName()));
    }
    painter.setFont(m_font);
    painter.setPen(m_color);
    const qreal ascent = QFontMetricsF(m_font, &m_printer).ascent();

    const qsizetype total = m_pages.size() * copies;
    qsizetype done = 0;
    bool first = true;
    // One page of one copy; false when stopped.
    auto paintPage = [&](const Page &page) {
        if (progress && !progress(double(done) / total)) {
            abortJob(painter);
            return false;
        }
        if (!first && !m_printer.newPage()) {
            abortJob(painter);
            throw TError(tr("Tisk se nezdařil"));
        }
        first = false;
        for (const Piece &piece : page)
            painter.drawText(QPointF(piece.x, piece.y + ascent), piece.text);
        ++done;
        return true;
    };
    // "Reverse" in the print dialog only tells the program; no printer is asked to do it.
    QList<const Page *> order;
    for (const Page &page : std::as_const(m_pages))
        order.append(&page);
    if (!preview && m_printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(order.begin(), order.end());
    if (collate) {
        for (int c = 0; c < copies; ++c)
            for (const Page *page : std::as_const(order))
                if (!paintPage(*page))
                    return false;
    } else {
        for (const Page *page : std::as_const(order))
            for (int c = 0; c < copies; ++c)
                if (!paintPage(*page))
                    return false;
    }
    if (!painter.end() || m_printer.printerState() == QPrinter::Error)
        throw TError(tr("Tisk se nezdařil"));
    return true;
}

bool TEditorPrinter::Print(const Progress &progress)
{
    return LayOut(part(progress, 0, LayoutShare)) && Paint(part(progress, LayoutShare, 1 - LayoutShare));
}
