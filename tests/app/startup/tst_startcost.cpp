// What the start does to reach its first paint sooner: the fonts read on a thread beside the
// display connection, and the window's PNG images read without loading the image plugins.
// Both are checked in a fresh process, before anything else has read fonts or images.
#include "app/startup/TFontWarmup.h"
#include "common/PngImage.h"

#include <atomic>
#include <chrono>
#include <future>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

namespace {
// Whether a mapped file of this process has `part` in its path.
bool mapped(const QByteArray &part)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

bool fontCachesInMemory()
{
    return mapped("/fontconfig/") && mapped(".cache-");
}
} // namespace

class TstStartCost : public QObject
{
    Q_OBJECT

public:
    // Before QGuiApplication: nothing has touched the fonts yet.
    static void CheckWarmupBeforeTheApplication(bool &cachesBefore, bool &cachesAfter)
    {
        cachesBefore = fontCachesInMemory();
        {
            TFontWarmup warmup;
        }
        cachesAfter = fontCachesInMemory();
    }

    static inline bool s_cachesBefore = false;
    static inline bool s_cachesAfter = false;

private slots:
    // The default work reads the font configuration with its cache files, and the window's
    // thread does not wait for it: it is joined only when the object goes.
    void fontsAreReadOnTheirOwnThread()
    {
        if (!QFile::exists(QStringLiteral("/etc/fonts/fonts.conf")))
            QSKIP("no fontconfig configuration on this system");
        QVERIFY(!s_cachesBefore);
        QVERIFY(s_cachesAfter);

        std::atomic<bool> done{false};
        std::thread::id ranOn;
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        {
            // Work run in the constructor itself would wait here until the timeout.
            TFontWarmup slow([&done, &ranOn, released] {
                ranOn = std::this_thread::get_id();
                released.wait_for(std::chrono::seconds(10));
                done = true;
            });
            QVERIFY(slow.Started());
            QVERIFY(!done);
            release.set_value();
        }
        QVERIFY(done); // joined on destruction
        QVERIFY(ranOn != std::this_thread::get_id());

        // Wait returns with the work done, and may be called again.
        std::atomic<bool> finished{false};
        TFontWarmup waited([&finished] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            finished = true;
        });
        waited.Wait();
        QVERIFY(finished);
        QVERIFY(!waited.Started());
        waited.Wait();
    }

    // A PNG resource becomes the same picture through Qt's PNG reader alone; the image plugins
    // stay unloaded until something else asks for them (QIcon(fileName) loads them all).
    void pngIconsLoadNoImagePlugins()
    {
        Q_INIT_RESOURCE(quortosk);
        const QString name = QStringLiteral(":/icons/modified.png");
        QVERIFY(!mapped("/imageformats/"));
        const QIcon icon = PngIcon(name);
        QVERIFY(!icon.isNull());
        QVERIFY(!mapped("/imageformats/"));
        // (QImage(name, "png") would load the plugins too: the picture is compared only now.)
        const QImage expected(name, "png");
        QVERIFY(!expected.isNull());
        QCOMPARE(icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));

        // The other way did load them here: the check above can tell the two apart.
        if (!mapped("/imageformats/"))
            QSKIP("Qt has no image-format plugins here; the difference cannot be seen");
    }

    // What cannot be read gives a null icon, never a crash or a half-read image.
    void unreadableFilesGiveNoIcon()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(PngIcon(dir.filePath(QStringLiteral("missing.png"))).isNull());
        QFile text(dir.filePath(QStringLiteral("text.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture\n");
        text.close();
        QVERIFY(PngIcon(text.fileName()).isNull());
        // A GIF under a .png name: only the PNG reader is asked, and it refuses.
        QFile gif(dir.filePath(QStringLiteral("gif.png")));
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs="));
        gif.close();
        QVERIFY(PngIcon(gif.fileName()).isNull());
    }
};

int main(int argc, char *argv[])
{
    TstStartCost::CheckWarmupBeforeTheApplication(TstStartCost::s_cachesBefore, TstStartCost::s_cachesAfter);
    QGuiApplication app(argc, argv);
    TstStartCost test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startcost.moc"
