// Hits of a search counted on a 16 MB page while the Find dialog shows, and typing on that
// page with line numbers and the current line marked. Figures beside the 16 ms a frame
// takes: no event-loop turn should reach it.
#include "BenchCommon.h"
#include "editor/view/TCurrentLine.h"
#include "editor/search/TEditorSearch.h"
#include "editor/view/TLineNumberArea.h"
#include "editor/view/TRxRichEdit.h"
#include "editor/search/TSearchDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using Bench::Ms;
using Bench::Report;

namespace {

constexpr double FrameMs = 16.0;

// CPU time of this thread in ms: unlike wall time, not stretched when other programs take
// the processor (this machine is shared).
double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Types `needle` into the shown Find dialog and runs the event loop until the count is
// shown: the whole time, and the longest single turn (the typing's own turn included).
void countFigures(QApplication &app, TSearchDialog *dialog, const QString &needle, bool wholeWord)
{
    dialog->edtSearch->clear();
    dialog->SetWholeWord(wholeWord);
    app.processEvents();
    QElapsedTimer all, turn;
    all.start();
    turn.start();
    double cpu = threadCpuMs();
    dialog->edtSearch->setText(needle);
    double longest = Ms(turn), longestCpu = threadCpuMs() - cpu;
    int turns = 0;
    while (dialog->Hits() == QStringLiteral("…")) {
        turn.restart();
        cpu = threadCpuMs();
        app.processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, Ms(turn));
        longestCpu = std::max(longestCpu, threadCpuMs() - cpu);
        ++turns;
    }
    std::printf("count \"%s\"%s on 16 MB: %-16s in %5.0f ms over %4d turns, longest turn %5.2f ms "
                "(cpu %5.2f ms; target < %.0f)\n",
                qPrintable(needle), wholeWord ? " (whole word)" : "", qPrintable(dialog->Hits()), Ms(all),
                turns, longest, longestCpu, FrameMs);
}

// Keystrokes in the middle of the page, each with its repaint (editor and gutter).
QList<double> typing(QApplication &app, TRxRichEdit &editor, Qt::Key key, const QString &text, int count,
                     QList<double> *cpuTimes = nullptr)
{
    QList<double> times;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        t.restart();
        const double cpu = threadCpuMs();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&editor, &press);
        app.processEvents();
        editor.viewport()->repaint();
        if (TLineNumberArea *area = TLineNumberArea::of(&editor))
            area->repaint();
        times << Ms(t);
        if (cpuTimes)
            *cpuTimes << threadCpuMs() - cpu;
    }
    return times;
}

// Wall time (stretched when other programs take the processor) and this thread's CPU time.
void reportTyping(QApplication &app, TRxRichEdit &editor, const QString &label, Qt::Key key,
                  const QString &text, int count)
{
    QList<double> cpu;
    const QList<double> wall = typing(app, editor, key, text, count, &cpu);
    Report(qPrintable(label + QStringLiteral(" (wall)")), wall);
    Report(qPrintable(label + QStringLiteral(" (cpu)")), cpu);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(Bench::CzechText(16 * 1024 * 1024 - 1, 50, 1500, 42));
    }
    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    app.processEvents();
    editor.Doc()->Load(path);
    editor.FinishLoad();
    app.processEvents();
    std::printf("characters %d, file lines %d\n", editor.document()->characterCount() - 1,
                editor.document()->blockCount());

    // Counting while the Find dialog shows.
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    TSearchDialog *dialog = search->FindDialog();
    countFigures(app, dialog, QStringLiteral("text"), false);
    countFigures(app, dialog, QStringLiteral("na"), false);
    countFigures(app, dialog, QStringLiteral("a"), true);
    countFigures(app, dialog, QStringLiteral("žluťoučký"), true);
    // Typing on the page while the dialog shows: every keystroke starts the count again.
    editor.SetSelStart((editor.document()->characterCount() - 1) / 2);
    reportTyping(app, editor, QStringLiteral("keystroke, Find dialog counting \"a\""), Qt::Key_X,
                 QStringLiteral("x"), 50);
    QElapsedTimer recount;
    recount.start();
    while (dialog->Hits() == QStringLiteral("…"))
        app.processEvents();
    std::printf("count shown again %.0f ms after the last keystroke: %s\n", Ms(recount),
                qPrintable(dialog->Hits()));
    dialog->hide();
    app.processEvents();

    // Typing with and without line numbers and the current line's mark.
    const int middle = (editor.document()->characterCount() - 1) / 2;
    for (bool wrap : {true, false}) {
        editor.SetWordWrap(wrap);
        for (bool on : {false, true}) {
            TLineNumberArea::SetShown(&editor, on);
            TCurrentLine::SetShown(&editor, on);
            editor.SetSelStart(middle);
            app.processEvents();
            const QString label =
                QStringLiteral("%1, %2: ")
                    .arg(wrap ? "wrap on" : "wrap off", on ? "numbers + line mark" : "plain");
            reportTyping(app, editor, label + "keystroke + repaint", Qt::Key_A, QStringLiteral("a"), 100);
            reportTyping(app, editor, label + "Enter + repaint", Qt::Key_Return, QStringLiteral("\r"), 30);
            reportTyping(app, editor, label + "Page Down + repaint", Qt::Key_PageDown, QString(), 30);
        }
    }
    std::printf("target: each keystroke under %.0f ms\n", FrameMs);
    return 0;
}
