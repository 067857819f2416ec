// Prints a 1 MB Windows-1250 text from a shown editor to a PDF file, with word wrap on and
// off, as "&Tisk..." does after its dialog. Target: under 5 s per print.
#include "BenchCommon.h"
#include "common/TPrompts.h"
#include "app/commands/PrintCommands.h"
#include "editor/print/TEditorPrinter.h"
#include "text/TextFile.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

using Bench::Ms;

namespace {

void printOnce(TRxRichEdit &editor, const QString &pdf, const char *what)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

    // The two steps apart, then the whole command with its progress dialog.
    QElapsedTimer t;
    t.start();
    const QStringList lines = TEditorPrinter::PrintedLines(editor);
    const double linesMs = Ms(t);
    TEditorPrinter job(editor, printer);
    t.restart();
    job.LayOut();
    const double layoutMs = Ms(t);
    t.restart();
    job.Paint();
    const double paintMs = Ms(t);

    TDialogPrompts prompts;
    PrintCommands commands([&editor] { return &editor; }, &prompts, editor.window());
    t.restart();
    const bool printed = commands.PrintTo(&editor, &printer);
    const double totalMs = Ms(t);
    std::printf("%s: %lld printed lines, %lld pages; lines %.0f ms, layout %.0f ms, drawing %.0f ms\n", what,
                qlonglong(lines.size()), qlonglong(job.Pages().size()), linesMs, layoutMs, paintMs);
    std::printf("%-58s %9.1f ms  (target < 5000 ms) %s, PDF %lld bytes\n",
                "  PrintTo, progress dialog included", totalMs, printed && totalMs < 5000 ? "ok" : "MISSED",
                qlonglong(QFileInfo(pdf).size()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    editor.setPlainText(TextFile::fromFileBytes(Bench::CzechText(1000 * 1000, 50, 1500, 42)));
    app.processEvents();

    editor.SetWordWrap(false);
    printOnce(editor, dir.filePath("nowrap.pdf"), "1 MB, word wrap off");
    editor.SetWordWrap(true);
    app.processEvents();
    printOnce(editor, dir.filePath("wrap.pdf"), "1 MB, word wrap on ");
    return 0;
}
