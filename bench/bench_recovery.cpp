// The recovery copy of a 16 MB page: taken in slices between events and written on a worker
// thread. Prints the longest event-loop turn while the copy is made and written (target:
// none over 16 ms), next to what a one-piece snapshot of the same text would cost.
#include "app/commands/PageCommands.h"
#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/pages/TPageControl.h"
#include "BenchCommon.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {
// CPU time of the calling thread: what a turn cost us, whatever else the machine runs.
double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

QByteArray loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(0) : QByteArray("?");
}
} // namespace

using Bench::Ms;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(Bench::CzechText(16 * 1024 * 1024 - 1, 50, 1500, 42));
    }
    RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
    if (!store.Open()) {
        std::printf("cannot open the recovery folder: %s\n", qPrintable(store.Problem()));
        return 1;
    }
    TRxRichEdit templateEditor;
    TPageControl pages;
    pages.resize(900, 700);
    PageCommands pageCommands(&pages, &templateEditor, nullptr, {});
    Recovery recovery(&pageCommands, nullptr, &pages);
    recovery.SetStore(&store);
    recovery.SetPauseMs(1000);
    QObject::connect(&pageCommands, &PageCommands::PageCreated, &recovery, &Recovery::WatchPage);
    TTabSheet *page = pageCommands.CreatePage(QStringLiteral("big.txt"));
    pages.SetActivePage(page);
    pages.show();
    page->Doc()->Load(path);
    app.processEvents();
    TRxRichEdit *editor = page->Editor();

    QElapsedTimer t;
    t.start();
    const QString whole = editor->PlainText();
    std::printf("one-piece snapshot of %lld characters: %.1f ms\n", qlonglong(whole.size()), Ms(t));

    for (int round = 0; round < 5; ++round) {
        editor->SetSelStart(round * 1000);
        editor->SetSelText(QStringLiteral("x")); // one typed character: a copy is due
        // The editor's own work for the keystroke (layout, painting, and the display-line
        // count it runs in idle steps) is done before the copy begins, so the turns
        // measured are the copy's.
        editor->LineCount();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 50)
            app.processEvents();
        bool written = false;
        auto link = QObject::connect(&recovery, &Recovery::CopyWritten, [&] { written = true; });
        // A zero timer runs once per event-loop turn: the gap between two runs is a turn.
        QElapsedTimer turn, total;
        double longest = 0, longestCpu = 0, cpuAt = threadCpuMs();
        int turns = 0;
        double busyAt = -1; // when the pause was over and the copy began
        QTimer tick;
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = qMax(longest, Ms(turn));
            const double cpu = threadCpuMs();
            longestCpu = qMax(longestCpu, cpu - cpuAt);
            cpuAt = cpu;
            if (busyAt < 0 && recovery.Busy())
                busyAt = Ms(total);
            if (busyAt >= 0)
                ++turns;
            turn.restart();
        });
        total.start();
        turn.start();
        tick.start();
        while (!written && total.elapsed() < 20000)
            app.processEvents(QEventLoop::WaitForMoreEvents);
        tick.stop();
        QObject::disconnect(link);
        std::printf("copy of a 16 MB page made and written in %.0f ms once typing paused, %d event-loop "
                    "turns, longest turn %.1f ms wall, %.1f ms GUI-thread CPU (target <= 16 ms; load "
                    "average %s)%s\n",
                    Ms(total) - busyAt, turns, longest, longestCpu, loadAverage().constData(),
                    written ? "" : "  NOT WRITTEN");
    }
    QFile copy(store.CopyPath(1));
    std::printf("copy on disk: %lld bytes\n", qlonglong(copy.size()));
    return 0;
}
