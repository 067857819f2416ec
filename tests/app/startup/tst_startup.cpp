// Start-up: the command-line files of the running instance, the requests of later starts,
// and the real program started twice.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/startup/TInstanceChannel.h"
#include "app/startup/TStartup.h"
#include "editor/view/TRxRichEdit.h"
#include "RecentFiles.h"
#include "text/TextFile.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocalSocket>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

bool touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One run of the real program with its own runtime and configuration folders; it reports
// what it opened to a file (QUORTOSK_TEST_REPORT).
class Program
{
public:
    explicit Program(const QString &root) : m_root(root)
    {
        QDir(root).mkpath(QStringLiteral("run"));
        QDir(root).mkpath(QStringLiteral("config"));
        QFile::setPermissions(root + QStringLiteral("/run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root + QStringLiteral("/run"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_root + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_root + QStringLiteral("/state"));
        env.insert(QStringLiteral("QUORTOSK_TEST_REPORT"), reportPath());
        for (auto it = m_extra.cbegin(); it != m_extra.cend(); ++it)
            env.insert(it.key(), it.value());
        return env;
    }
    void setVariable(const QString &name, const QString &value) { m_extra.insert(name, value); }
    QString reportPath() const { return m_root + QStringLiteral("/report.txt"); }
    QString runFolder() const { return m_root + QStringLiteral("/run"); }
    QString configFolder() const { return m_root + QStringLiteral("/config"); }

    // The report's lines other than the page lists.
    QStringList events() const
    {
        QStringList out;
        for (const QString &line : lines())
            if (!line.startsWith(QStringLiteral("pages\t")))
                out << line;
        return out;
    }
    // The page hints after the last event, and "active=<n>" at the end.
    QStringList pages() const
    {
        QStringList result;
        for (const QString &line : lines())
            if (line.startsWith(QStringLiteral("pages\t")))
                result = line.split(QLatin1Char('\t')).mid(1);
        if (!result.isEmpty())
            result.removeLast(); // "minimized=..."
        return result;
    }

    void startFirst(const QStringList &arguments, const QString &folder)
    {
        m_first.setProcessEnvironment(environment());
        m_first.setWorkingDirectory(folder);
        m_first.start(binary(), arguments);
    }
    QProcess &first() { return m_first; }

    // A later start: returns its exit code; its output goes to *output.
    int runSecond(const QStringList &arguments, const QString &folder, QByteArray *output)
    {
        QProcess second;
        second.setProcessEnvironment(environment());
        second.setWorkingDirectory(folder);
        second.start(binary(), arguments);
        if (!second.waitForFinished(15000)) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        *output = second.readAllStandardOutput() + second.readAllStandardError();
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
    }

    ~Program()
    {
        if (m_first.state() != QProcess::NotRunning) {
            m_first.kill();
            m_first.waitForFinished();
        }
    }

    static QString binary() { return qEnvironmentVariable("QUORTOSK_BINARY"); }

private:
    QStringList lines() const
    {
        QFile f(reportPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString m_root;
    QHash<QString, QString> m_extra;
    QProcess m_first;
};

QStringList listing(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next() + QLatin1Char(' ') + QString::number(QFileInfo(it.filePath()).size());
    out.sort();
    return out;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // In this process.
    void commandLineFilesInOrder();
    void commandLineFileThatCannotBeMadeIsReported_data();
    void commandLineFileThatCannotBeMadeIsReported();
    void handedFileResolvedInSendersFolder_data();
    void handedFileResolvedInSendersFolder();
    void handedFileWhileAnotherLoads();
    void bringForwardRestoresMinimised_data();
    void bringForwardRestoresMinimised();

    // The real program.
    void firstStartOpensItsFiles();
    void secondStart_data();
    void secondStart();
    void unknownOptionsAreRefused();
    void garbageOnTheSocketIsIgnored();
    void crashedInstanceDoesNotBlockTheNext();
    void startMarksOnlyWhenAsked();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFakePrompts> m_prompts;
    std::unique_ptr<TMainForm> m_form;
    QStringList recent() const { return RecentPaths(*m_form); }
    QStringList hints() const
    {
        QStringList out;
        for (int i = 0; i < m_form->PageControl()->PageCount(); ++i)
            out << m_form->PageControl()->Page(i)->Hint();
        return out;
    }
};

void TestStartup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qts-XXXXXX"));
    QVERIFY(m_dir->isValid());
    QDir::setCurrent(m_dir->path());
    m_prompts = std::make_unique<TFakePrompts>();
    m_form = std::make_unique<TMainForm>(m_prompts.get(), nullptr);
    m_form->show();
}

void TestStartup::cleanup()
{
    m_form.reset();
    m_prompts.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

void TestStartup::commandLineFilesInOrder()
{
    QVERIFY(QDir().mkdir(QStringLiteral("sub")));
    QVERIFY(touch(path("a.txt"), "aaa"));
    QVERIFY(touch(path("sub/c.txt"), "ccc"));
    Startup::OpenCommandLineFiles(
        *m_form, {QStringLiteral("a.txt"), QStringLiteral("neu.txt"), QStringLiteral("./sub/../sub/c.txt")});
    QCOMPARE(hints(),
             QStringList({QStringLiteral("bezejmenný1"), path("a.txt"), path("neu.txt"), path("sub/c.txt")}));
    QCOMPARE(m_form->ActivePage(), m_form->PageControl()->Page(3));
    QVERIFY(QFileInfo::exists(path("neu.txt")));
    QCOMPARE(QFileInfo(path("neu.txt")).size(), 0);
    QCOMPARE(m_form->PageControl()->Page(2)->Caption(), QStringLiteral("neu.txt"));
    QVERIFY(m_prompts->errors.isEmpty());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - ") + path("sub/c.txt"));
    QCOMPARE(recent(), QStringList({path("sub/c.txt"), path("neu.txt"), path("a.txt")}));
}

void TestStartup::commandLineFileThatCannotBeMadeIsReported_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("error");
    QTest::newRow("folder does not exist")
        << "missing/x.txt"
        << "Error opening missing/x.txt - Cannot create file missing/x.txt: Složka neexistuje";
    QTest::newRow("a folder, not a file")
        << "dir.txt"
        << "Error opening %1/dir.txt - Cannot open file %1/dir.txt: Je to složka";
}

void TestStartup::commandLineFileThatCannotBeMadeIsReported()
{
    QFETCH(QString, argument);
    QFETCH(QString, error);
    QVERIFY(QDir().mkdir(QStringLiteral("dir.txt")));
    QVERIFY(touch(path("b.txt")));
    Startup::OpenCommandLineFiles(*m_form, {argument, QStringLiteral("b.txt")});
    QCOMPARE(m_prompts->errors, QStringList{QString(error).replace("%1", m_dir->path())});
    QCOMPARE(hints(), QStringList({QStringLiteral("bezejmenný1"), path("b.txt")}));
    QVERIFY(!QFileInfo::exists(path("missing")));
}

void TestStartup::handedFileResolvedInSendersFolder_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("senderFolder");
    QTest::addColumn<QString>("opened"); // empty: reported missing
    QTest::newRow("relative, sender elsewhere") << "rel.txt"
                                                << "other"
                                                << "other/rel.txt";
    QTest::newRow("relative with parent") << "../here.txt"
                                          << "other"
                                          << "here.txt";
    QTest::newRow("absolute") << "%1/here.txt"
                              << "other"
                              << "here.txt";
    QTest::newRow("relative, missing in sender's folder") << "here.txt"
                                                          << "other"
                                                          << "";
}

void TestStartup::handedFileResolvedInSendersFolder()
{
    QFETCH(QString, argument);
    QFETCH(QString, senderFolder);
    QFETCH(QString, opened);
    QVERIFY(QDir().mkdir(QStringLiteral("other")));
    QVERIFY(touch(path("other/rel.txt")));
    QVERIFY(touch(path("here.txt")));
    // The running instance's own folder holds here.txt but not rel.txt.
    Startup::OpenHandedFile(*m_form, argument.replace("%1", m_dir->path()), path(senderFolder));
    if (opened.isEmpty()) {
        QCOMPARE(hints().size(), 1);
        QTRY_COMPARE(m_prompts->messages,
                     QStringList{"Error|File '" + path("other/here.txt") + "' does not exist"});
    } else {
        QCOMPARE(hints().size(), 2);
        QCOMPARE(QFileInfo(hints().at(1)).canonicalFilePath(), QFileInfo(path(opened)).canonicalFilePath());
        QVERIFY(QFileInfo(hints().at(1)).isAbsolute());
    }
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - ") + hints().last()); // the active page
    QVERIFY(recent().isEmpty()); // a handed-over file is not entered in the recent list
}

// A later start hands a file over while a large one from the command line is still coming
// in: both pages end whole, the large one unmodified with nothing to undo.
void TestStartup::handedFileWhileAnotherLoads()
{
    QByteArray big;
    for (int i = 0; big.size() < 3 * 1024 * 1024; ++i)
        big += "Řádek " + QByteArray::number(i) + " \xE8\xE1st \xF9 p\xF8\xEDli\xB9\xA0\r\n";
    QVERIFY(touch(path("big.txt"), big));
    QVERIFY(QDir().mkdir(QStringLiteral("other")));
    QVERIFY(touch(path("other/small.txt"), "mal\xFD"));

    Startup::OpenCommandLineFiles(*m_form, {QStringLiteral("big.txt")});
    TRxRichEdit *large = m_form->ActiveEditor();
    QVERIFY(large->Loading());
    Startup::OpenHandedFile(*m_form, QStringLiteral("small.txt"), path("other"));
    QCOMPARE(hints(), QStringList({QStringLiteral("bezejmenný1"), path("big.txt"), path("other/small.txt")}));
    QCOMPARE(m_form->ActiveEditor()->PlainText(), QStringLiteral("malý"));
    QVERIFY(large->Loading()); // the hand-over did not wait for the large page

    QTRY_VERIFY_WITH_TIMEOUT(!large->Loading(), 20000);
    QCOMPARE(large->PlainText(), TextFile::fromFileBytes(big));
    QVERIFY(!large->Modified());
    QVERIFY(!large->document()->isUndoAvailable());
    QCOMPARE(m_form->ActiveEditor()->PlainText(), QStringLiteral("malý"));
    QVERIFY(m_prompts->errors.isEmpty());
}

void TestStartup::bringForwardRestoresMinimised_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("expected");
    QTest::newRow("minimised") << int(Qt::WindowMinimized) << int(Qt::WindowNoState);
    QTest::newRow("minimised from maximised")
        << int(Qt::WindowMinimized | Qt::WindowMaximized) << int(Qt::WindowMaximized);
    QTest::newRow("normal stays") << int(Qt::WindowNoState) << int(Qt::WindowNoState);
}

void TestStartup::bringForwardRestoresMinimised()
{
    QFETCH(int, state);
    QFETCH(int, expected);
    m_form->setWindowState(Qt::WindowStates(state));
    Startup::BringForward(*m_form);
    QCOMPARE(int(m_form->windowState() & ~Qt::WindowActive), expected);
    QVERIFY(m_form->isVisible());
}

// ---- the real program ----

void TestStartup::firstStartOpensItsFiles()
{
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    Program program(path("p"));
    QVERIFY(touch(path("one.txt")));
    QVERIFY(touch(path("two.txt")));
    program.startFirst({QStringLiteral("two.txt"), QStringLiteral("new.txt"), QStringLiteral("one.txt")},
                       m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(program.events().contains(QStringLiteral("ready\t")), 15000);
    QCOMPARE(program.pages(), QStringList({QStringLiteral("bezejmenný1"), path("two.txt"), path("new.txt"),
                                           path("one.txt"), QStringLiteral("active=3")}));
    QCOMPARE(QFileInfo(path("new.txt")).size(), 0);
}

void TestStartup::secondStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder"); // the second start's folder
    QTest::addColumn<QString>("opened"); // the page that appears; empty for none
    QTest::newRow("no arguments") << QStringList() << "."
                                  << "";
    QTest::newRow("one file") << QStringList{"%1/a.txt"} << "."
                              << "a.txt";
    QTest::newRow("two names: only the first") << QStringList{"%1/a.txt", "%1/b.txt"} << "."
                                               << "a.txt";
    QTest::newRow("relative name from another folder") << QStringList{"rel.txt"} << "other"
                                                       << "other/rel.txt";
    QTest::newRow("missing file is not created") << QStringList{"nic.txt"} << "."
                                                 << "";
}

void TestStartup::secondStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    QFETCH(QString, opened);
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    QVERIFY(QDir().mkdir(QStringLiteral("other")));
    QVERIFY(QDir().mkdir(QStringLiteral("home")));
    QVERIFY(touch(path("a.txt")));
    QVERIFY(touch(path("b.txt")));
    QVERIFY(touch(path("other/rel.txt")));
    for (QString &argument : arguments)
        argument.replace("%1", m_dir->path());

    Program program(path("p"));
    program.startFirst({}, path("home")); // its own folder holds none of the files
    QTRY_VERIFY_WITH_TIMEOUT(program.events().contains(QStringLiteral("ready\t")), 15000);
    const QStringList settingsBefore = listing(program.configFolder());

    QByteArray output;
    QCOMPARE(program.runSecond(arguments, path(folder), &output), 0);
    QCOMPARE(output, QByteArray());
    QCOMPARE(listing(program.configFolder()), settingsBefore);

    QTRY_VERIFY_WITH_TIMEOUT(program.events().contains(QStringLiteral("restore\t")), 10000);
    QStringList expectedPages{QStringLiteral("bezejmenný1")};
    if (!arguments.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(program.events().size(), 3, 10000);
        QCOMPARE(program.events().at(1), QStringLiteral("restore\t")); // restore comes first
        QVERIFY(program.events().at(2).startsWith(QStringLiteral("open\t")));
    }
    if (!opened.isEmpty())
        expectedPages << path(opened);
    expectedPages << QStringLiteral("active=%1").arg(expectedPages.size() - 1);
    QCOMPARE(program.pages(), expectedPages);
    QVERIFY(!QFileInfo::exists(path("nic.txt")));
    QVERIFY(!QFileInfo::exists(path("other/nic.txt")));
}

// "--bogus" is refused on the terminal (status 2) instead of becoming a new file: with no
// instance running nothing starts, with one running nothing is handed over. A file of such
// a name that exists still opens, as does any name after "--"; Qt's own options pass.
void TestStartup::unknownOptionsAreRefused()
{
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    QVERIFY(touch(path("a.txt")));
    QVERIFY(touch(path("-e.txt")));
    QByteArray output;
    {
        Program alone(path("alone"));
        QCOMPARE(alone.runSecond({QStringLiteral("--bogus")}, m_dir->path(), &output), 2);
        QVERIFY(output.contains("--bogus"));
        QVERIFY(output.contains("quortosk -- --bogus"));
        QVERIFY(!QFileInfo::exists(path("--bogus")));
        QVERIFY(alone.events().isEmpty()); // no window was made
        QCOMPARE(listing(alone.configFolder()), QStringList());
    }
    Program program(path("p"));
    program.startFirst({}, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(program.events().contains(QStringLiteral("ready\t")), 15000);
    const QStringList refused[] = {{QStringLiteral("--bogus")},
                                   {QStringLiteral("-")},
                                   {QStringLiteral("a.txt"), QStringLiteral("-x")}};
    for (const QStringList &arguments : refused) {
        QCOMPARE(program.runSecond(arguments, m_dir->path(), &output), 2);
        QVERIFY2(output.contains("--"), output.constData());
    }
    QVERIFY(!QFileInfo::exists(path("--bogus")) && !QFileInfo::exists(path("-")) && !QFileInfo::exists(path("-x")));
    QTest::qWait(300);
    QCOMPARE(program.events(), QStringList{QStringLiteral("ready\t")});

    QCOMPARE(program.runSecond({QStringLiteral("-reverse"), QStringLiteral("-e.txt")}, m_dir->path(), &output), 0);
    QTRY_COMPARE_WITH_TIMEOUT(program.events().size(), 3, 10000);
    QCOMPARE(program.pages().value(1), path("-e.txt"));
    QCOMPARE(program.runSecond({QStringLiteral("--"), QStringLiteral("--neni")}, m_dir->path(), &output), 0);
    QTRY_COMPARE_WITH_TIMEOUT(program.events().size(), 5, 10000);
}

void TestStartup::garbageOnTheSocketIsIgnored()
{
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    QVERIFY(touch(path("a.txt")));
    Program program(path("p"));
    program.startFirst({}, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(program.events().contains(QStringLiteral("ready\t")), 15000);

    const QString name =
        TInstanceChannel(QStringLiteral("quortosk"), program.runFolder()).CandidateNames().first();
    for (const QByteArray &garbage : {QByteArray("GET / HTTP/1.1\r\n\r\n"), QByteArray(100000, '\xff'),
                                      QByteArray("QTskO\x00\x00\x00\x05\x00\x00\x00\x00\x00", 14)}) {
        QLocalSocket client;
        client.connectToServer(name);
        QVERIFY(client.waitForConnected(3000));
        client.write(garbage);
        client.waitForBytesWritten(3000);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 10000);
    }
    QCOMPARE(program.first().state(), QProcess::Running);

    QByteArray output;
    QCOMPARE(program.runSecond({path("a.txt")}, m_dir->path(), &output), 0);
    QTRY_COMPARE_WITH_TIMEOUT(program.pages().size(), 3, 10000);
    QCOMPARE(program.pages().at(1), path("a.txt"));
    QCOMPARE(program.events().size(), 3); // ready, restore, open: the garbage asked nothing
}

void TestStartup::crashedInstanceDoesNotBlockTheNext()
{
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    QVERIFY(touch(path("a.txt")));
    Program crashed(path("p"));
    crashed.startFirst({}, m_dir->path());
    QTRY_VERIFY_WITH_TIMEOUT(crashed.events().contains(QStringLiteral("ready\t")), 15000);
    crashed.first().kill(); // no chance to remove its socket
    QVERIFY(crashed.first().waitForFinished(5000));
    QVERIFY(!QDir(crashed.runFolder()).entryList(QDir::System | QDir::Files).isEmpty());

    Program next(path("p"));
    next.startFirst({QStringLiteral("a.txt")}, m_dir->path());
    QTRY_COMPARE_WITH_TIMEOUT(next.events().count(QStringLiteral("ready\t")), 2, 15000);
    QByteArray output;
    QCOMPARE(next.runSecond({}, m_dir->path(), &output), 0);
    QTRY_VERIFY_WITH_TIMEOUT(next.events().contains(QStringLiteral("restore\t")), 10000);
    QCOMPARE(next.first().state(), QProcess::Running);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

// QUORTOSK_TRACE_START=1 prints the steps of the start with their times, in the order they
// run, up to the work done after the first paint; without it the terminal stays quiet.
void TestStartup::startMarksOnlyWhenAsked()
{
    if (Program::binary().isEmpty())
        QSKIP("QUORTOSK_BINARY is not set");
    for (const bool asked : {true, false}) {
        Program program(path(asked ? "traced" : "quiet"));
        if (asked)
            program.setVariable(QStringLiteral("QUORTOSK_TRACE_START"), QStringLiteral("1"));
        program.startFirst({}, m_dir->path());
        QByteArray err;
        const auto marks = [&err] {
            QStringList names;
            for (const QByteArray &line : err.split('\n'))
                if (line.startsWith("start "))
                    names << QString::fromUtf8(line.mid(6)).trimmed().section(QLatin1Char(' '), 1);
            return names;
        };
        QTRY_VERIFY_WITH_TIMEOUT((err += program.first().readAllStandardError(),
                                  program.events().contains(QStringLiteral("ready\t"))
                                      && (!asked || marks().contains(QStringLiteral("menu images")))),
                                 15000);
        if (!asked) {
            QCOMPARE(marks(), QStringList());
            continue;
        }
        const QStringList names = marks();
        QCOMPARE(names.first(), QStringLiteral("main"));
        int last = -1;
        for (const char *step : {"application", "main window made", "shown", "event loop", "first paint",
                                 "after first paint", "menu images"}) {
            const int at = int(names.indexOf(QLatin1String(step)));
            QVERIFY2(at > last, step);
            last = at;
        }
        qint64 previous = 0;
        for (const QByteArray &line : err.split('\n')) {
            if (!line.startsWith("start "))
                continue;
            const qint64 ms = line.mid(6).trimmed().split(' ').first().toLongLong();
            QVERIFY(ms >= previous);
            previous = ms;
        }
    }
}
