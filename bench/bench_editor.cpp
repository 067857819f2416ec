// Loads a 16 MB Windows-1250 file into a shown, wrapped editor and times caret moves and
// keystrokes with the work the status bar does on each selection event.
#include "BenchCommon.h"
#include "common/SafeFile.h"
#include "editor/print/TEditorPrinter.h"
#include "editor/view/TRxRichEdit.h"
#include "text/TextFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QPlainTextEdit>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <cstdio>
#include <ctime>

using Bench::Ms;
using Bench::Report;

namespace {

// CPU time of this thread in ms: unlike wall time, not stretched when other programs take
// the processor (this machine is shared).
double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Resident memory of this process, in MB.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// CPU time of the whole process (all threads) in ms.
double processCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A figure and the target it is measured against.
void target(const char *what, double figure, double limit)
{
    std::printf("  %-58s %8.1f ms   target <= %4.0f ms   %s\n", what, figure, limit,
                figure <= limit ? "met" : "MISSED");
}

// Opens a file of `megabytes` into a fresh shown editor: time to the first painted screen,
// time until the whole text is in and editable, the longest event-loop turn meanwhile, and
// the memory.
void loadFigures(QApplication &app, const QString &dirPath, int megabytes)
{
    const QString path = dirPath + QStringLiteral("/load%1.txt").arg(megabytes);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write(Bench::CzechText(qsizetype(megabytes) * 1024 * 1024 - 1, 50, 1500, 42));
    }
    const double before = residentMb();
    auto *editor = new TRxRichEdit;
    editor->setFont(QFont(QStringLiteral("Courier New"), 10));
    editor->resize(900, 700);
    editor->show();
    app.processEvents();
    QElapsedTimer t;
    t.start();
    const double cpuStart = threadCpuMs();
    const double processStart = processCpuMs();
    editor->Doc()->Load(path);
    editor->viewport()->repaint(); // the first screen of text, painted
    const double firstScreen = Ms(t);
    const double firstCpu = threadCpuMs() - cpuStart;
    // A letter typed at once into the part shown: taken when the text grows by it.
    const int shownLength = editor->TextLength();
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(editor, &letter);
    const double shownEditable = editor->TextLength() == shownLength + 1 ? Ms(t) : -1;
    // The GUI thread sleeps between events as the window's does (spinning would take the
    // processor from the thread building the text). A call that waited counts only the
    // processor time it used: the busiest turn is the longest one's cpu.
    double longest = 0, longestCpu = 0;
    while (editor->Loading()) {
        const double cpu = threadCpuMs();
        app.processEvents(QEventLoop::WaitForMoreEvents);
        longestCpu = std::max(longestCpu, threadCpuMs() - cpu);
    }
    longest = longestCpu;
    const double whole = Ms(t);
    const double guiCpu = threadCpuMs() - cpuStart;
    const double allCpu = processCpuMs() - processStart;
    QElapsedTimer settle; // what the editor does once the text is whole
    settle.start();
    while (settle.elapsed() < 100)
        app.processEvents();
    // The other threads' time is the building of the text.
    std::printf("open %2d MB: first screen %.0f ms (cpu %.0f ms), whole text in and editable %.0f ms (cpu of the "
                "other threads %.0f ms), longest event-loop turn meanwhile %.1f ms (cpu %.1f ms), memory +%.0f MB "
                "(process %.0f MB)\n",
                megabytes, firstScreen, firstCpu, whole, allCpu - guiCpu, longest, longestCpu,
                residentMb() - before, residentMb());
    const bool kept = editor->PlainText().startsWith(QLatin1Char('x'));
    std::printf("  the letter typed at once %s in the whole text\n", kept ? "is" : "is NOT");
    if (megabytes == 16) {
        target("first screen painted", firstScreen, 150);
        if (shownEditable < 0)
            std::printf("  the part shown took no letter while the rest came in\n");
        else
            target("part shown editable (a letter typed) after the open starts", shownEditable, 450);
        target("whole text editable after the open starts", whole, 450);
        target("longest event-loop turn while it comes in (cpu)", longestCpu, 16);
    }
    delete editor;
    QFile::remove(path);
}

// Where the open of a 16 MB file spends its time before anything is shown: cpu per step.
void openBreakdown(const QString &dirPath)
{
    const QString path = dirPath + QStringLiteral("/parts.txt");
    for (const bool utf8 : {false, true}) {
        {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly))
                return;
            const QByteArray cp = Bench::CzechText(16 * 1024 * 1024 - 1, 50, 1500, 42);
            f.write(utf8 ? QStringDecoder("windows-1250").decode(cp).operator QString().toUtf8() : cp);
        }
        double c = threadCpuMs();
        bool tooLarge = false;
        const QByteArray bytes = SafeFile::ReadRegular(path, TextFile::MaxFileBytes, &tooLarge);
        const double read = threadCpuMs() - c;
        c = threadCpuMs();
        TextFile::Opened opened = TextFile::prepare(bytes, path);
        const QString first = opened.text.Next(64 * 1024);
        const double before = threadCpuMs() - c;
        c = threadCpuMs();
        qsizetype length = first.size();
        while (!opened.text.AtEnd())
            length += opened.text.Next(128 * 1024).size();
        const double rest = threadCpuMs() - c;
        std::printf("open parts (%s, %lld bytes, %lld characters): read %.1f ms, encoding chosen and first "
                    "piece decoded %.1f ms, the rest decoded piece by piece %.1f ms (cpu)\n",
                    utf8 ? "UTF-8" : "Windows-1250", qlonglong(bytes.size()), qlonglong(length), read, before,
                    rest);
    }
    QFile::remove(path);
}

// After a command, runs the event loop as the window does and asks for the caret's line as
// the status bar does (a short budget, retried each turn), until the line is known and
// 100 ms more have passed: the longest turn meanwhile and when the line was known.
struct Settled
{
    double longest = 0, longestCpu = 0, lineKnown = -1;
};

Settled settle(QApplication &app, TRxRichEdit &editor, const QElapsedTimer &since)
{
    Settled r;
    QElapsedTimer quiet;
    bool known = false;
    for (int budget = 8; since.elapsed() < 60000; budget = 2) {
        QElapsedTimer turn;
        turn.start();
        const double cpu = threadCpuMs();
        int line = 0;
        if (!known && !editor.Loading() && editor.TryLineFromChar(editor.SelStart(), budget, &line)) {
            known = true;
            r.lineKnown = Ms(since);
            quiet.start();
        }
        app.processEvents();
        r.longest = std::max(r.longest, Ms(turn));
        r.longestCpu = std::max(r.longestCpu, threadCpuMs() - cpu);
        if (known && quiet.elapsed() > 100)
            break;
    }
    return r;
}

void commandLine(const char *what, double commandMs, double commandCpu, const Settled &r)
{
    std::printf("%-44s command %6.1f ms (cpu %6.1f), longest turn after %6.1f ms (cpu %6.1f), line known "
                "after %6.0f ms\n",
                what, commandMs, commandCpu, r.longest, r.longestCpu, r.lineKnown);
    target((std::string("  freeze: ") + what).c_str(), std::max(commandMs, r.longest), 100);
}

// The commands that used to freeze a 16 MB page: each run as the window runs it, timed as
// the turn it takes and the turns after it until the status bar's line is right.
void commandFigures(QApplication &app, const QString &path)
{
    std::printf("commands on a 16 MB wrapped page (the status bar's line asked for as the window does):\n");
    auto fresh = [&](bool whole) {
        auto editor = std::make_unique<TRxRichEdit>();
        editor->setFont(QFont(QStringLiteral("Courier New"), 10));
        editor->resize(900, 700);
        editor->show();
        app.processEvents();
        editor->Doc()->Load(path);
        while (whole && editor->Loading())
            app.processEvents();
        return editor;
    };
    auto key = [](TRxRichEdit &e, Qt::Key k, Qt::KeyboardModifiers m) {
        QKeyEvent press(QEvent::KeyPress, k, m);
        QApplication::sendEvent(&e, &press);
    };
    auto run = [&](const char *what, TRxRichEdit &e, const std::function<void()> &command) {
        QElapsedTimer t;
        t.start();
        const double cpu = threadCpuMs();
        command();
        const double ms = Ms(t), commandCpu = threadCpuMs() - cpu;
        commandLine(what, ms, commandCpu, settle(app, e, t));
    };
    {
        auto e = fresh(false);
        run("Ctrl+End while the text comes in", *e, [&] { key(*e, Qt::Key_End, Qt::ControlModifier); });
        std::printf("  caret at the end: %s\n", e->SelStart() == e->TextLength() ? "yes" : "NO");
    }
    {
        auto e = fresh(true);
        run("Ctrl+End right after the load", *e, [&] { key(*e, Qt::Key_End, Qt::ControlModifier); });
    }
    {
        auto e = fresh(true);
        // As the command does it: the question (here answered at once with the last line)
        // comes when the lines are counted; the turns until then are what the user sees.
        bool asked = false;
        QElapsedTimer since;
        since.start();
        double cpu = threadCpuMs();
        e->AfterLinesCounted([&] {
            e->SetSelStart(e->LineStart(e->LineCount() - 1));
            asked = true;
        });
        const double commandMs = Ms(since), commandCpu = threadCpuMs() - cpu;
        Settled r;
        while (!asked && since.elapsed() < 60000) {
            QElapsedTimer turn;
            turn.start();
            cpu = threadCpuMs();
            app.processEvents();
            r.longest = std::max(r.longest, Ms(turn));
            r.longestCpu = std::max(r.longestCpu, threadCpuMs() - cpu);
        }
        r.lineKnown = Ms(since);
        commandLine("Ctrl+G to the last line after the load", commandMs, commandCpu, r);
        std::printf("  (line known = the question asked); caret on the last line: %s\n",
                    e->SelStart() == e->LineStart(e->LineCount() - 1) ? "yes" : "NO");
        run("window narrower", *e, [&] { e->resize(700, 700); });
        run("window wider", *e, [&] { e->resize(1000, 700); });
        run("word wrap off", *e, [&] { e->SetWordWrap(false); });
        run("word wrap on", *e, [&] { e->SetWordWrap(true); });
        run("zoom in", *e, [&] { e->ZoomIn(); });
        run("zoom back", *e, [&] { e->ResetZoom(); });
        e->resize(900, 700); // a new width: nothing counted
        app.processEvents();
        // Printing's first step, right after a width change: the display lines found block by
        // block, the progress (which lets events in once its dialog shows) asked between.
        QStringList printed;
        double stretch = 0;
        QElapsedTimer gap;
        gap.start();
        since.restart();
        TEditorPrinter::PrintedLines(*e, &printed, [&](double) {
            stretch = std::max(stretch, Ms(gap));
            gap.restart();
            return true;
        });
        stretch = std::max(stretch, Ms(gap));
        std::printf("printing's first step, the %lld printed lines right after a width change: %.0f ms\n",
                    qlonglong(printed.size()), Ms(since));
        std::printf("    freeze: %-51s %6.1f ms   target <=  100 ms   %s\n",
                    "longest stretch between progress calls", stretch, stretch <= 100 ? "met" : "MISSED");
        e->resize(950, 700);
        app.processEvents();
        since.restart();
        cpu = threadCpuMs();
        const int lines = e->LineCount();
        std::printf(
            "forced count of all %d display lines right after a width change (no command asks for it at "
            "once: Ctrl+G counts between events): %.0f ms (cpu %.0f ms)\n",
            lines, Ms(since), threadCpuMs() - cpu);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (argc > 1 && QByteArray(argv[1]) == "load") { // the 16 MB open alone, for profiling
        std::printf("load average: %s\n", Bench::LoadAverage().constData());
        loadFigures(app, dir.path(), 16);
        return 0;
    }
    openBreakdown(dir.path());
    std::printf("load average: %s\n", Bench::LoadAverage().constData());
    for (int mb : {1, 4, 16})
        loadFigures(app, dir.path(), mb);

    const QString path = dir.filePath("big.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(Bench::CzechText(16 * 1024 * 1024 - 1, 50, 1500, 42));
    }

    commandFigures(app, path);

    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    app.processEvents();

    QElapsedTimer t;
    t.start();
    editor.Doc()->Load(path);
    const double loadOnly = Ms(t);
    app.processEvents();
    const double loadShown = Ms(t);
    const double cpu0 = threadCpuMs();
    editor.FinishLoad();
    const double restCpu = threadCpuMs() - cpu0;
    const double loadAll = Ms(t);
    std::printf("load 16 MB file into shown wrapped editor: first part shown %.0f ms, painted %.0f ms, "
                "the rest at once %.0f ms (cpu %.0f ms)\n", loadOnly, loadShown, loadAll, restCpu);
    {
        const QString all = editor.PlainText();
        QPlainTextEdit bare;
        bare.resize(900, 700);
        bare.show();
        app.processEvents();
        const double c = threadCpuMs();
        bare.setPlainText(all);
        std::printf("for comparison, one setPlainText of the same text: cpu %.0f ms\n", threadCpuMs() - c);
    }
    t.restart();
    editor.LineFromChar(editor.SelStart());
    std::printf("first display-line query at the start: %.0f ms\n", Ms(t));
    t.restart();
    editor.SetSelStart(editor.document()->characterCount() - 1);
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("jump to the end right after loading, asking for its line with no budget (counts every block "
                "before it): %.0f ms\n", Ms(t));
    editor.resize(700, 700);
    app.processEvents();
    t.restart();
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("first line query at the end after a width change, with no budget: %.0f ms\n", Ms(t));
    std::printf("characters %d, blocks %d, display lines %d\n", editor.document()->characterCount() - 1,
                editor.document()->blockCount(), editor.LineCount());

    // Caret moves across the document, each followed by what the status bar asks and a repaint.
    QRandomGenerator rng(7);
    const int length = editor.document()->characterCount() - 1;
    QList<double> moves;
    for (int i = 0; i < 200; ++i) {
        const int pos = int(rng.bounded(length));
        t.restart();
        editor.SetSelStart(pos);
        const int line = editor.LineFromChar(editor.SelStart());
        const int col = editor.SelStart() - editor.LineStart(line);
        app.processEvents();
        moves << Ms(t);
        Q_UNUSED(col);
    }
    // Keystrokes in the middle of the text.
    editor.SetSelStart(length / 2);
    QList<double> keys;
    for (int i = 0; i < 100; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
        const int line = editor.LineFromChar(editor.SelStart());
        editor.LineStart(line);
        app.processEvents();
        keys << Ms(t);
    }
    // Enter splits a block: the block map changes shape.
    QList<double> enters;
    for (int i = 0; i < 50; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&editor, &press);
        editor.LineStart(editor.LineFromChar(editor.SelStart()));
        app.processEvents();
        enters << Ms(t);
    }
    Report("caret move + line/column query + repaint", moves);
    Report("keystroke + line/column query + repaint", keys);
    Report("Enter + line/column query + repaint", enters);
    return 0;
}
