#pragma once

#include <QString>
#include <QStringView>

// The page layout of printing: the text goes to the printer as to a simple line printer.
// It knows nothing of painters or fonts; the sizes come from TPrintMetrics and the
// output goes to a TPrintSink, so it is tested with fixed widths and no printer.

// The font's sizes in the printer's pixels.
class TPrintMetrics
{
public:
    virtual ~TPrintMetrics() = default;
    // The advance width of a piece of text drawn in one go.
    virtual qreal Width(QStringView text) const = 0;
    // The font's character height (ascent plus descent).
    virtual qreal Height() const = 0;
    virtual qreal AverageCharWidth() const = 0;
};

// Where the laid-out text goes.
class TPrintSink
{
public:
    virtual ~TPrintSink() = default;
    // Draws a piece of text with its top left corner at (x, y) of the current page.
    virtual void DrawText(qreal x, qreal y, QStringView text) = 0;
    // Ends the current page and starts the next one.
    virtual void NewPage() = 0;
};

// Writes text from the top left corner of a page of width W and height H:
// - characters are drawn from the current point; what does not fit in the width goes on
//   at the start of the next printed line, broken at the last character that fits;
// - a tab moves to the next stop (every 8 average character widths), or to the next line
//   when that stop lies beyond the width;
// - a form feed (code 12) ends the page;
// - a line break ("\n") moves down by the line's height: the tallest piece drawn on it plus
//   2 pixels, or the character height when nothing was drawn. When the new line would start
//   lower than H minus twice that height (lower than H after a line with nothing drawn), it
//   starts on a new page. Text that would reach below H all the same (after a run of empty
//   lines) starts a new page instead of being cut off the paper.
// The first page is the sink's current page. A new page is started when anything follows
// the break that asks for it, so the job never ends in a blank page of its own making;
// blank pages inside the text (two form feeds, a page of empty lines) are kept.
class TPrintLayout
{
public:
    TPrintLayout(const TPrintMetrics &metrics, qreal pageWidth, qreal pageHeight, TPrintSink &sink);

    // Writes text that may hold line breaks, tabs and form feeds.
    void Write(QStringView text);
    void LineBreak();
    void FormFeed();

    // Pages begun so far, the first one included.
    int PageCount() const { return m_pages; }
    qreal X() const { return m_x; }
    qreal Y() const { return m_y; }

    // The number of leading characters of text that fit in the width available; whole
    // characters, at least 0. Widths are taken to grow with the length.
    static qsizetype FittingLength(const TPrintMetrics &metrics, QStringView text, qreal available);

private:
    void writeRun(QStringView run);
    void tab();
    void startPendingPage();
    void endLine();

    const TPrintMetrics &m_metrics;
    TPrintSink &m_sink;
    qreal m_width, m_height;
    qreal m_x = 0, m_y = 0;
    qreal m_tallest = 0;        // the tallest piece drawn on the current line
    bool m_drawn = false;       // anything drawn on the current line
    bool m_pagePending = false; // the page has ended; the sink has not started the next yet
    int m_pages = 1;
};
