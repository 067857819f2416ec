#include "editor/print/PrintLayout.h"

#include <cmath>

namespace {

constexpr QChar TabChar(u'\t');
constexpr QChar FeedChar(u'\f');
constexpr QChar BreakChar(u'\n');
constexpr int TabStopChars = 8;
constexpr qreal LineGap = 2; // pixels added below the tallest piece of a line

} // namespace

TPrintLayout::TPrintLayout(const TPrintMetrics &metrics, qreal pageWidth, qreal pageHeight, TPrintSink &sink)
    : m_metrics(metrics), m_sink(sink), m_width(pageWidth), m_height(pageHeight)
{}

qsizetype TPrintLayout::FittingLength(const TPrintMetrics &metrics, QStringView text, qreal available)
{
    const qsizetype n = text.size();
    if (n == 0 || available <= 0)
        return 0;
    auto fits = [&](qsizetype k) { return metrics.Width(text.first(k)) <= available; };

    // Start from the estimate the average width gives and gallop from there: a line of a
    // megabyte is never measured whole, only about one printed line's worth at a time.
    const qreal average = metrics.AverageCharWidth();
    qsizetype guess = average > 0 ? qsizetype(std::floor(available / average)) : n;
    guess = qBound<qsizetype>(1, guess, n);
    qsizetype lo = 0;     // fits (0 always does)
    qsizetype hi = n + 1; // does not fit
    qsizetype step = 1;
    if (fits(guess)) {
        lo = guess;
        while (lo < n) {
            const qsizetype next = qMin(n, lo + step);
            if (!fits(next)) {
                hi = next;
                break;
            }
            lo = next;
            step *= 2;
        }
        if (lo == n)
            return n;
    } else {
        hi = guess;
        while (hi > 1) {
            const qsizetype next = qMax<qsizetype>(1, hi - step);
            if (fits(next)) {
                lo = next;
                break;
            }
            hi = next;
            step *= 2;
        }
    }
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

void TPrintLayout::Write(QStringView text)
{
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != TabChar && c != FeedChar && c != BreakChar)
            continue;
        writeRun(text.sliced(runStart, i - runStart));
        runStart = i + 1;
        if (c == TabChar)
            tab();
        else if (c == FeedChar)
            FormFeed();
        else
            LineBreak();
    }
    writeRun(text.sliced(runStart));
}

void TPrintLayout::writeRun(QStringView run)
{
    while (!run.isEmpty()) {
        qsizetype fit = FittingLength(m_metrics, run, m_width - m_x);
        if (fit == 0) {
            if (m_x > 0) {
                endLine(); // the next character gets a line of its own
                continue;
            }
            fit = 1; // a character wider than the page is drawn anyway, clipped
        }
        const QStringView piece = run.first(fit);
        // Empty lines may run down to the page's bottom edge; text below them would be cut
        // off the paper, so it goes to the next page.
        if (m_y > 0 && m_y + m_metrics.Height() > m_height)
            FormFeed();
        startPendingPage();
        m_sink.DrawText(m_x, m_y, piece);
        m_x += m_metrics.Width(piece);
        m_tallest = qMax(m_tallest, m_metrics.Height());
        m_drawn = true;
        run = run.sliced(fit);
        if (!run.isEmpty())
            endLine();
    }
}

void TPrintLayout::tab()
{
    const qreal stop = qMax<qreal>(1, TabStopChars * m_metrics.AverageCharWidth());
    const qreal next = (std::floor(m_x / stop) + 1) * stop;
    if (next > m_width)
        endLine();
    else
        m_x = next;
}

void TPrintLayout::LineBreak()
{
    endLine();
}

void TPrintLayout::endLine()
{
    const qreal lineHeight = m_drawn ? m_tallest + LineGap : m_metrics.Height();
    const qreal limit = m_drawn ? m_height - 2 * lineHeight : m_height;
    m_y += lineHeight;
    m_x = 0;
    m_tallest = 0;
    m_drawn = false;
    if (m_y > limit)
        FormFeed();
}

void TPrintLayout::FormFeed()
{
    // A page that was ended and is ended again without anything on it is a blank page the
    // text asks for.
    startPendingPage();
    m_pagePending = true;
    m_x = m_y = 0;
    m_tallest = 0;
    m_drawn = false;
}

void TPrintLayout::startPendingPage()
{
    if (!m_pagePending)
        return;
    m_pagePending = false;
    m_sink.NewPage();
    ++m_pages;
}
