// Loads a 16 MB Windows-1250 file into a shown, wrapped editor and times caret moves and
// keystrokes with the work the status bar does on each selection event.
#include "BenchCommon.h"
#include "editor/TRxRichEdit.h"
#include "common/SafeFile.h"
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

// Opens a file of `megabytes` into a fresh shown editor: time to the first painted screen,
// time until the whole text is in, the longest event-loop turn meanwhile, and the memory.
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
    editor->Doc()->Load(path);
    editor->viewport()->repaint(); // the first screen of text, painted
    const double firstScreen = Ms(t);
    const double firstCpu = threadCpuMs() - cpuStart;
    double longest = 0, longestCpu = 0;
    while (editor->Loading()) {
        QElapsedTimer turn;
        turn.start();
        const double cpu = threadCpuMs();
        app.processEvents();
        longest = std::max(longest, Ms(turn));
        longestCpu = std::max(longestCpu, threadCpuMs() - cpu);
    }
    const double whole = Ms(t);
    QElapsedTimer settle; // what the editor does once the text is whole
    settle.start();
    while (settle.elapsed() < 100)
        app.processEvents();
    std::printf("open %2d MB: first screen %.0f ms (cpu %.0f ms), whole text in %.0f ms, longest event-loop "
                "turn meanwhile %.1f ms (cpu %.1f ms), memory +%.0f MB (process %.0f MB)\n",
                megabytes, firstScreen, firstCpu, whole, longest, longestCpu, residentMb() - before, residentMb());
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    openBreakdown(dir.path());
    for (int mb : {1, 4, 16})
        loadFigures(app, dir.path(), mb);

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
    std::printf("jump to the end right after loading (counts every block before it): %.0f ms\n", Ms(t));
    editor.resize(700, 700);
    app.processEvents();
    t.restart();
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("first line query at the end after a width change: %.0f ms\n", Ms(t));
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
