#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class TRxRichEdit;

// Prints the text of an editor as a line printer does: the editor's font and text colour
// on white, every line followed by a break, page ends and breaks as TPrintLayout decides.
//
// Printing runs in two steps. LayOut measures the whole text into pages without touching
// the printer, so a print stopped there never starts a job. Paint then starts the job and
// draws the pages (as many copies as the printer cannot make itself).
class TEditorPrinter
{
    Q_DECLARE_TR_FUNCTIONS(TEditorPrinter)
public:
    // Told the share of the work done (0 to 1) now and then; false stops the printing.
    using Progress = std::function<bool(double done)>;

    struct Piece
    {
        qreal x, y; // top left corner, printer pixels from the printable area's corner
        QString text;
    };
    using Page = QList<Piece>;

    // The printer is kept by reference and must outlive this object.
    TEditorPrinter(const TRxRichEdit &editor, QPrinter &printer);

    // The lines as they print: display lines with word wrap on, lines with it off; each
    // whole, however long (the editor's line service stops at 4,096 characters).
    static QStringList PrintedLines(const TRxRichEdit &editor);
    // The same into *lines, a few dozen blocks between two questions to progress; false
    // when progress asked to stop (*lines is then partial). A text changed meanwhile (a
    // reload while the progress let events in) is read again from its start.
    static bool PrintedLines(const TRxRichEdit &editor, QStringList *lines, const Progress &progress);

    // Lays out the text; false when progress asked to stop.
    bool LayOut(const Progress &progress = {});
    const QList<Page> &Pages() const { return m_pages; }

    // Starts the job and draws the laid-out pages. Throws TError when the printer cannot
    // print; the job is then aborted. False when progress asked to stop: the job is
    // aborted too, and an unfinished output file removed.
    bool Paint(const Progress &progress = {});

    // Both steps; the progress runs from 0 to 1 over both.
    bool Print(const Progress &progress = {});

    QFont PrinterFont() const { return m_font; }

private:
    bool isPreview() const;
    void abortJob(class QPainter &painter);

    const TRxRichEdit &m_editor;
    QPrinter &m_printer;
    QFont m_font;
    QColor m_color;
    QList<Page> m_pages;
};
