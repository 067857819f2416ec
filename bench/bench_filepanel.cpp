// The side panel moved to a folder of 20,000 files (or the folder given) with Czech names: how long the call
// takes on the window's thread, how long until the list holds every file, and the longest pause of the event
// loop meanwhile (what a user would feel as a frozen window). Target: no pause over 100 ms.
#include "app/panel/TFilePanel.h"
#include "BenchCommon.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

using Bench::Ms;

namespace {

// CPU time of the calling thread: the window's own work, whatever else the machine runs.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

int listedCount(const TFilePanel &panel)
{
    const QModelIndex root = panel.FileListBox1->rootIndex();
    return root.isValid() ? panel.FileListBox1->model()->rowCount(root) : 0;
}

// Moves the panel to `folder` and runs the event loop until `expected` files are listed.
void measure(TFilePanel &panel, const QString &folder, int expected, const char *what)
{
    QElapsedTimer beat;
    double longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPause = qMax(longestPause, Ms(beat));
        beat.restart();
    });
    ticker.start(1);
    beat.start();

    const double cpuBefore = threadCpuMs();
    QElapsedTimer t;
    t.start();
    panel.SetFolder(folder);
    const double callMs = Ms(t);
    longestPause = qMax(longestPause, Ms(beat));
    while (listedCount(panel) < expected && t.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double listedMs = Ms(t);
    ticker.stop();
    const double cpuMs = threadCpuMs() - cpuBefore;
    std::printf("%s: %d files listed\n", what, listedCount(panel));
    std::printf("  %-56s %9.1f ms\n", "SetFolder, on the window's thread", callMs);
    std::printf("  %-56s %9.1f ms\n", "until the list holds every file", listedMs);
    std::printf("  %-56s %9.1f ms\n", "window thread's CPU time meanwhile (1 ms ticker included)", cpuMs);
    std::printf("  %-56s %9.1f ms  (target < 100 ms) %s\n", "longest pause of the event loop", longestPause,
                longestPause < 100 ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // A folder of files may be given (to measure a network share, or to skip making one).
    QTemporaryDir dir;
    QString big = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("Velká složka"));
    if (argc <= 1) {
        QElapsedTimer made;
        made.start();
        QDir().mkpath(big);
        for (int i = 0; i < 20000; ++i) {
            QFile f(big + QStringLiteral("/příliš žluťoučký kůň %1.txt").arg(i, 5, 10, QLatin1Char('0')));
            f.open(QIODevice::WriteOnly);
        }
        std::printf("made 20000 files in %.0f ms\n", Ms(made));
    }
    const int count = int(QDir(big).entryList(QDir::Files).size());
    QElapsedTimer t;

    TFilePanel panel(dir.path(), [](const QStringList &) {});
    panel.resize(220, 600);
    t.start();
    panel.show();
    const double showMs = Ms(t);
    std::printf("%-58s %9.1f ms\n", "first showing (drives, models)", showMs);

    measure(panel, big, count, "first visit");
    panel.SetFolder(dir.path());
    measure(panel, big, count, "second visit (read before)");
    return 0;
}
