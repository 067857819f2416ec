// Ending and start-up that must finish, under real conditions: a termination signal with a
// settings folder on a full or read-only file system, a settings file with a huge count, a
// flood of open requests on the instance's socket, and an argument too long to hand over.
#include "app/shell/TMainForm.h"
#include "app/startup/TInstanceChannel.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "speedbar/TSpeedBar.h"
#include "speedbar/TSpeedBarModel.h"
#include "TestFiles.h"
#include "TFakePrompts.h"
#include "TmpfsMount.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>
#include <sys/stat.h>

using namespace InstanceProtocol;

namespace {

// The real program with folders of its own under `root`.
class Program
{
public:
    explicit Program(const QString &root, const QString &config = QString()) : m_root(root)
    {
        QDir(root).mkpath(QStringLiteral("run"));
        ::chmod(QFile::encodeName(root + QStringLiteral("/run")).constData(), 0700);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                     config.isEmpty() ? root + QStringLiteral("/config") : config);
        m_env.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/state"));
        m_env.insert(QStringLiteral("QUORTOSK_TEST_REPORT"), report());
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    QString report() const { return m_root + QStringLiteral("/report.txt"); }
    int Events(const QString &event) const
    {
        return int(QString::fromUtf8(TestFiles::ReadBytes(report()))
                       .count(QLatin1Char('\n') + event + QLatin1Char('\t')));
    }
    // Started with one file on the command line; true once it reported being ready.
    bool Start(const QString &file)
    {
        TestFiles::WriteBytes(report(), "\n");
        m_process.setProcessEnvironment(m_env);
        m_process.start(binary(), {file});
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000 && Events(QStringLiteral("ready")) < 1)
            QTest::qWait(50);
        return Events(QStringLiteral("ready")) >= 1;
    }
    QProcess &Process() { return m_process; }
    // A later start; its exit status, its terminal output in *output.
    int RunLater(const QStringList &arguments, QByteArray *output)
    {
        QProcess later;
        later.setProcessEnvironment(m_env);
        later.start(binary(), arguments);
        if (!later.waitForFinished(15000))
            return -1;
        *output = later.readAllStandardError();
        return later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -2;
    }
    QString Socket() const
    {
        QDirIterator it(m_root + QStringLiteral("/run"), QDir::System | QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat st;
            if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode))
                return path;
        }
        return QString();
    }
    static QString binary() { return qEnvironmentVariable("QUORTOSK_BINARY"); }

private:
    QString m_root;
    QProcessEnvironment m_env;
    QProcess m_process;
};

QByteArray openFrame(const QString &argument, const QString &folder)
{
    Message m{Kind::Open};
    m.argument = argument;
    m.folder = folder;
    return encode(m);
}

// The instance in a thread of its own whose first open shows a "box" for a while (a nested
// event loop, as a modal box runs); the test's thread plays the later starts.
class SlowInstance : public QThread
{
public:
    explicit SlowInstance(QString folder) : m_folder(std::move(folder)) {}
    ~SlowInstance() override
    {
        quit();
        wait();
    }
    QString name;
    QAtomicInt opens = 0, refusals = 0;
    void startAndWait()
    {
        start();
        m_ready.acquire();
    }

protected:
    void run() override
    {
        TInstanceChannel channel(QStringLiteral("slow"), m_folder);
        connect(
            &channel, &TInstanceChannel::OpenRequested, &channel,
            [this] {
                if (opens.fetchAndAddOrdered(1) == 0) {
                    QEventLoop box;
                    QTimer::singleShot(2000, &box, &QEventLoop::quit);
                    box.exec();
                }
            },
            Qt::DirectConnection);
        connect(
            &channel, &TInstanceChannel::OpensRefused, &channel, [this] { refusals.fetchAndAddOrdered(1); },
            Qt::DirectConnection);
        channel.Start({}, QString());
        name = channel.ListeningName();
        m_ready.release();
        exec();
    }

private:
    QString m_folder;
    QSemaphore m_ready;
};

// The kinds of the frames the server sent on `socket` until it closed it.
QByteArray answers(QLocalSocket &socket)
{
    QByteArray buffer;
    QElapsedTimer t;
    t.start();
    while (socket.state() == QLocalSocket::ConnectedState && t.elapsed() < 5000) {
        socket.waitForReadyRead(100);
        buffer += socket.readAll();
    }
    buffer += socket.readAll();
    QByteArray kinds;
    Message m;
    while (decode(buffer, m) == Decoded::Complete)
        kinds += char(m.kind);
    return kinds;
}

} // namespace

class TestEnding : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    // The settings cannot be written when a signal ends the program: it says so on the
    // terminal and ends, instead of waiting in a box nobody sees.
    void signalEndsWithUnwritableSettings_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only file system") << true;
        QTest::newRow("full file system") << false;
    }
    void signalEndsWithUnwritableSettings()
    {
        QFETCH(bool, readOnly);
        if (Program::binary().isEmpty())
            QSKIP("QUORTOSK_BINARY is not set");
        const QString root = m_dir.filePath(QStringLiteral("unwritable-%1").arg(readOnly));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/config")));
        TmpfsMount config(root + QStringLiteral("/config"));
        if (!config.ok())
            QSKIP("cannot mount a tmpfs here");
        QVERIFY(readOnly ? config.remountReadOnly() : config.fillUp());
        QVERIFY(TestFiles::WriteBytes(root + QStringLiteral("/a.txt"), "a\r\n"));
        Program program(root);
        QVERIFY(program.Start(root + QStringLiteral("/a.txt")));
        program.Process().terminate(); // SIGTERM
        QVERIFY2(program.Process().waitForFinished(10000), "still running after SIGTERM");
        QCOMPARE(program.Process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.Process().exitCode(), 0);
        // The reason is on the terminal (Qt's own notices may stand around it).
        const QString told = QString::fromLocal8Bit(program.Process().readAllStandardError());
        QVERIFY2(told.contains(QStringLiteral("Quorvel Tosk: ")), qPrintable(told));
    }

    // A count from the settings file drives no loop beyond what the file holds.
    void hugeStoredCountReadsOnlyWhatIsThere()
    {
        const QString ini = m_dir.filePath(QStringLiteral("count/quortosk.ini"));
        QDir().mkpath(QFileInfo(ini).path());
        TSettingsStore store(ini);
        TFakePrompts prompts;
        QList<bool> shownBefore;
        {
            TMainForm form(&prompts, &store);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            for (const TSpeedItem &item : form.ToolBar->Layout().Items())
                shownBefore << item.shown;
            form.ActiveEditor()->Doc()->Clear();
        } // saves the settings
        {
            TSettingsSession session(store);
            QVERIFY(session.ValueExists(SettingsKeys::SpeedBar, SettingsKeys::Count));
            session.WriteString(SettingsKeys::SpeedBar, SettingsKeys::Count, QStringLiteral("2147483647"));
            session.Close();
        }
        QElapsedTimer t;
        t.start();
        TMainForm form(&prompts, &store);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(t.elapsed() < 20000, qPrintable(QString::number(t.elapsed())));
        QList<bool> shownAfter;
        for (const TSpeedItem &item : form.ToolBar->Layout().Items())
            shownAfter << item.shown;
        QCOMPARE(shownAfter, shownBefore);
        QVERIFY(prompts.errors.isEmpty());
        form.ActiveEditor()->Doc()->Clear();
    }

    // One connection carries one hand-over; the frames after it are not opened. A signal
    // during a flood ends the program at once.
    void floodOfOpensOnTheSocket()
    {
        if (Program::binary().isEmpty())
            QSKIP("QUORTOSK_BINARY is not set");
        const QString root = m_dir.filePath(QStringLiteral("flood"));
        QDir().mkpath(root);
        QVERIFY(TestFiles::WriteBytes(root + QStringLiteral("/a.txt"), "a\r\n"));
        QVERIFY(TestFiles::WriteBytes(root + QStringLiteral("/b.txt"), "b\r\n"));
        Program program(root);
        QVERIFY(program.Start(root + QStringLiteral("/a.txt")));
        const QString name = program.Socket();
        QVERIFY(!name.isEmpty());

        QByteArray frames = encode(Message{Kind::Probe}) + encode(Message{Kind::Restore});
        for (int i = 0; i < 2000; ++i)
            frames += openFrame(QStringLiteral("b.txt"), root);
        QLocalSocket one;
        one.connectToServer(name);
        QVERIFY(one.waitForConnected(2000));
        one.write(frames);
        QCOMPARE(answers(one), QByteArray("RA")); // the probe's reply, the one open's ack
        QTRY_COMPARE_WITH_TIMEOUT(program.Events(QStringLiteral("open")), 1, 5000);
        QTest::qWait(300);
        QCOMPARE(program.Events(QStringLiteral("open")), 1);

        // Many connections, one open each, then the signal while they are being opened.
        std::vector<std::unique_ptr<QLocalSocket>> many;
        for (int i = 0; i < 150; ++i) {
            auto s = std::make_unique<QLocalSocket>();
            s->connectToServer(name);
            if (s->waitForConnected(1000)) {
                s->write(openFrame(QStringLiteral("b.txt"), root));
                s->waitForBytesWritten(1000);
            }
            many.push_back(std::move(s));
        }
        QTRY_VERIFY_WITH_TIMEOUT(program.Events(QStringLiteral("open")) > 3, 5000);
        QElapsedTimer t;
        t.start();
        program.Process().terminate();
        QVERIFY2(program.Process().waitForFinished(10000), "still running after SIGTERM");
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    }

    // While an open shows its box, requests wait; those beyond the limit are answered
    // "busy", and the instance tells once.
    void waitingOpensAreBounded()
    {
        SlowInstance running(m_dir.filePath(QStringLiteral("slow")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("slow")));
        running.startAndWait();
        QVERIFY(!running.name.isEmpty());
        int acks = 0, busy = 0;
        const int total = TInstanceChannel::MaxWaitingOpens + 60;
        for (int i = 0; i < total; ++i) {
            QLocalSocket s;
            s.connectToServer(running.name);
            QVERIFY(s.waitForConnected(2000));
            s.write(openFrame(QStringLiteral("x%1.txt").arg(i), QStringLiteral("/w")));
            const QByteArray got = answers(s);
            QCOMPARE(got.size(), 1);
            acks += got == "A";
            busy += got == "B";
        }
        // The first is being opened (its box is up), a hundred wait, the rest are refused.
        QCOMPARE(acks, TInstanceChannel::MaxWaitingOpens + 1);
        QCOMPARE(busy, total - acks);
        QTRY_COMPARE_WITH_TIMEOUT(running.opens.loadAcquire(), acks, 10000);
        QCOMPARE(running.refusals.loadAcquire(), 1);
    }

    // An argument too long to hand over is refused on the terminal, with status 1.
    void overlongArgumentIsRefused()
    {
        if (Program::binary().isEmpty())
            QSKIP("QUORTOSK_BINARY is not set");
        const QString root = m_dir.filePath(QStringLiteral("long"));
        QDir().mkpath(root);
        QVERIFY(TestFiles::WriteBytes(root + QStringLiteral("/a.txt"), "a\r\n"));
        Program program(root);
        QVERIFY(program.Start(root + QStringLiteral("/a.txt")));
        QByteArray output;
        QCOMPARE(program.RunLater({QString(70 * 1024, QLatin1Char('x'))}, &output), 1);
        QVERIFY2(QString::fromLocal8Bit(output).contains(QStringLiteral("příliš dlouhý")),
                 output.constData());
        QTest::qWait(300);
        QCOMPARE(program.Events(QStringLiteral("open")), 0);
    }
};

QTEST_MAIN(TestEnding)
#include "tst_ending.moc"
