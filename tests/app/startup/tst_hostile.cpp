// Bad input and hostile conditions, each with the real thing: a FIFO, a device node, links
// to them, a flood of connections, an oversized or hostile settings file, extreme stored
// values, keys that must not type, and the command line read before Qt.
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/shell/TStatusPanels.h"
#include "app/startup/CommandLine.h"
#include "app/startup/TInstanceChannel.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "text/TextFile.h"
#include "TFakePrompts.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

bool isCharDevice(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

bool isFifo(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The null device's numbers, made in a temporary folder (root may do so; never the real /dev).
bool makeNullDevice(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// Prompts whose notices run a nested event loop, as a real modal box does, and count how
// deep boxes were opened inside each other.
class NestingPrompts : public TFakePrompts
{
public:
    int depth = 0, deepest = 0;
    void ShowErrorNotice(QWidget *parent, const QString &text) override
    {
        TFakePrompts::ShowErrorNotice(parent, text);
        deepest = qMax(deepest, ++depth);
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
        --depth;
    }
};

} // namespace

class TstHostile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    std::unique_ptr<TMainForm> shownForm(TPrompts *prompts, TSettingsStore *store = nullptr)
    {
        auto form = std::make_unique<TMainForm>(prompts, store);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    // A FIFO would block open() for ever and a device would be read without end: neither
    // gets a page, and the program says why.
    void specialFilesGetNoPage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device node") << "device";
        QTest::newRow("link to a fifo") << "link";
    }
    void specialFilesGetNoPage()
    {
        QFETCH(QString, kind);
        const QString fifo = path("pipe-" + kind), target = path("node-" + kind);
        QString name;
        if (kind == "device") {
            if (!makeNullDevice(target))
                QSKIP("mknod needs root");
            name = target;
        } else {
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            name = fifo;
            if (kind == "link") {
                QVERIFY(QFile::link(fifo, path("link-" + kind)));
                name = path("link-" + kind);
            }
        }
        TFakePrompts prompts;
        auto form = shownForm(&prompts);
        QVERIFY(form);
        form->Files()->OpenFiles({name}, 1);
        QCOMPARE(form->PageControl()->PageCount(), 1);
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY2(prompts.errors.first().contains(QStringLiteral("není to obyčejný soubor")),
                 qPrintable(prompts.errors.first()));
    }

    // Save As onto a link to a device node or a FIFO leaves them as they are.
    void savingThroughALinkLeavesTheSpecialFile()
    {
        const QString device = path("dev-null-copy"), fifo = path("save-pipe");
        const bool haveDevice = makeNullDevice(device);
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QStringList links{path("to-fifo.txt")};
        QVERIFY(QFile::link(fifo, links.first()));
        if (haveDevice) {
            links << path("to-device.txt");
            QVERIFY(QFile::link(device, links.last()));
        }
        TFakePrompts prompts;
        auto form = shownForm(&prompts);
        QVERIFY(form);
        QTest::keyClicks(form->ActiveEditor(), "text");
        for (const QString &link : links) {
            prompts.saveAnswers.enqueue(link);
            prompts.confirmAnswers.enqueue(TPrompts::Yes); // "exists. Overwrite?"
            form->Files()->mmSaveAsClick();
            QVERIFY(form->ActiveEditor()->Modified());
        }
        QCOMPARE(prompts.errors.size(), links.size());
        QVERIFY(isFifo(fifo));
        if (haveDevice)
            QVERIFY(isCharDevice(device));
        form->ActiveEditor()->Doc()->Clear();
    }

    // The settings file made a link to a device node: closing must not rename over it.
    void settingsLinkedToADeviceAreLeftAlone()
    {
        const QString device = path("settings-node");
        if (!makeNullDevice(device))
            QSKIP("mknod needs root");
        QDir().mkpath(path("cfg"));
        const QString ini = path("cfg/quortosk.ini");
        QVERIFY(QFile::link(device, ini));
        TSettingsStore store(ini);
        TFakePrompts prompts;
        {
            auto form = shownForm(&prompts, &store);
            QVERIFY(form);
            form->close();
        }
        QVERIFY(isCharDevice(device));
        QVERIFY(QFileInfo(ini).isSymLink());
        QCOMPARE(prompts.errors.size(), 1);
    }

    // A settings file of 5 MB is not parsed: it is set aside whole and the program starts
    // with its defaults, saying so once.
    void oversizedSettingsAreSetAside()
    {
        QDir().mkpath(path("big"));
        const QString ini = path("big/quortosk.ini");
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray line("[Options]\nitmWrap_Checked=False\n");
            f.write(line);
            const QByteArray filler = QByteArray("x=") + QByteArray(1000, 'y') + "\n";
            while (f.size() < 5 * 1024 * 1024)
                f.write(filler);
        }
        const qint64 size = QFileInfo(ini).size();
        TSettingsStore store(ini);
        QStringList told;
        store.SetProblemHandler([&](const QString &t) { told << t; });
        {
            TSettingsSession s(store);
            QCOMPARE(s.ReadString(QStringLiteral("Options"), QStringLiteral("itmWrap_Checked"), "True"),
                     QStringLiteral("True"));
            s.WriteString(QStringLiteral("Options"), QStringLiteral("StartDir"), QStringLiteral("/"));
            s.Close();
        }
        QCOMPARE(told.size(), 1);
        QCOMPARE(QFileInfo(ini + ".too-large").size(), size);
        QVERIFY(QFileInfo(ini).size() < 1024);
    }

    // Stored numbers at the ends of the integer range: the window comes up where it was
    // designed, and fonts keep a usable size.
    void extremeStoredValues()
    {
        QDir().mkpath(path("extreme"));
        const QString ini = path("extreme/quortosk.ini");
        {
            QSettings s(ini, QSettings::IniFormat);
            s.setValue("Options/NormPos", "-2147483648,-2147483648,2147483647,2147483647");
            s.setValue("Options/MinMaxPos", "-1,-1,-1,-1");
            s.setValue("Options/PixelsPerInch",
                       QString::number(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
            s.setValue("Options/editvzor2_Font_Height", "-2147483648");
            s.setValue("Options/editvzor2_Font_Size", "2147483647");
        }
        TSettingsStore store(ini);
        TFakePrompts prompts;
        auto form = shownForm(&prompts, &store);
        QVERIFY(form);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.intersects(form->frameGeometry()));
        QVERIFY(form->width() < 100000);
        const QFont font = form->TemplateEditor()->font();
        QVERIFY(font.pixelSize() <= 1638 && font.pointSize() <= 1638);
        form->ActiveEditor()->Doc()->Clear();
    }

    // A stored side tab position survives a run in which the tabs stayed at the top.
    void sideTabPositionIsKept()
    {
        QDir().mkpath(path("tabs"));
        const QString ini = path("tabs/quortosk.ini");
        {
            QSettings s(ini, QSettings::IniFormat);
            s.setValue("Options/PageControl1_TabPosition", "tpLeft");
        }
        TSettingsStore store(ini);
        TFakePrompts prompts;
        {
            auto form = shownForm(&prompts, &store);
            QVERIFY(form);
            QVERIFY(!form->PageControl()->TabsAtBottom());
            form->close();
        }
        QSettings s(ini, QSettings::IniFormat);
        QCOMPARE(s.value("Options/PageControl1_TabPosition").toString(), QStringLiteral("tpLeft"));
    }

    // Three thousand requests for missing files: one notice at a time, each name once.
    void missingFileNoticesDoNotNest()
    {
        NestingPrompts prompts;
        auto form = shownForm(&prompts);
        QVERIFY(form);
        for (int i = 0; i < 3000; ++i)
            form->Files()->OpenFile(path(QStringLiteral("missing-%1.txt").arg(i % 40)));
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages.size(), 40, 20000);
        QTest::qWait(50);
        QCOMPARE(prompts.messages.size(), 40);
        QCOMPARE(prompts.deepest, 1);
    }

    // The panels show the caret as soon as the first page is there.
    void statusPanelsFilledAtStart()
    {
        TFakePrompts prompts;
        auto form = shownForm(&prompts);
        QVERIFY(form);
        QCOMPARE(form->StatusPanels()->PanelText(1), QStringLiteral("1"));
        QCOMPARE(form->StatusPanels()->PanelText(2), QStringLiteral("1"));
    }

    // Alt with a letter no menu uses types nothing; an emoji typed on a Windows-1250 page
    // becomes one "?", not two.
    void keysThatMustNotType()
    {
        TFakePrompts prompts;
        auto form = shownForm(&prompts);
        QVERIFY(form);
        TRxRichEdit *e = form->ActiveEditor();
        e->SetWholeText(QStringLiteral("abc"));
        e->SetSelStart(0);
        e->SetSelLength(2);
        QTest::keyClick(e, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(e->PlainText(), QStringLiteral("abc\n"));
        e->SetSelStart(3);
        QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));
        QApplication::sendEvent(e, &emoji);
        QCOMPARE(e->PlainText(), QStringLiteral("abc?\n"));
        e->Doc()->Clear();
    }

    void lineSeparatorOneRule()
    {
        QCOMPARE(TextFile::normalizeBreaks(QStringLiteral("a\u2028b")), QStringLiteral("a\nb"));
        QCOMPARE(TextFile::normalizeBreaks(QStringLiteral("a\u2028b\rc")), QStringLiteral("a\nb\nc"));
    }

    // Without a runtime folder the socket lives in a private folder of our own, and a
    // folder someone else prepared under that name is refused.
    void privateSocketFolder()
    {
        const QByteArray oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(path("tmp-ok")));
        QDir().mkpath(path("tmp-ok"));
        QString problem;
        const QString folder = TInstanceChannel::DefaultFolder(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        struct stat st;
        QVERIFY(::lstat(QFile::encodeName(folder).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);

        for (const char *prepared : {"link", "open"}) {
            const QString tmp = path(QStringLiteral("tmp-%1").arg(prepared));
            QDir().mkpath(tmp);
            const QString own = tmp + "/quortosk-" + TInstanceChannel::CurrentUser();
            if (QByteArray(prepared) == "link") {
                QDir().mkpath(tmp + "/elsewhere");
                QVERIFY(QFile::link(tmp + "/elsewhere", own));
            } else {
                QDir().mkpath(own);
                QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                               | QFileDevice::WriteOther | QFileDevice::ExeOther);
            }
            qputenv("TMPDIR", QFile::encodeName(tmp));
            problem.clear();
            QVERIFY(TInstanceChannel::DefaultFolder(&problem).isEmpty());
            QVERIFY(!problem.isEmpty());
        }
        qputenv("TMPDIR", oldTmp);
    }

    void commandLineBeforeQt()
    {
        const CommandLine a = CommandLine::Parse({"q", "-style", "x", "--", "--help", "-reverse"});
        QCOMPARE(a.action(), CommandLine::Run);
        QCOMPARE(a.QtArgumentCount(), 3); // Qt never sees what follows "--"
        QCOMPARE(a.AfterSeparator(), (QList<QByteArray>{"--help", "-reverse"}));
        QCOMPARE(CommandLine::Parse({"q", "a.txt", "--version"}).action(), CommandLine::Version);
        QStringList unusable;
        const QStringList names = CommandLine::UsableNames({"ok.txt", "zm\xe8na.txt"}, &unusable);
        QCOMPARE(names, QStringList{"ok.txt"});
        QCOMPARE(unusable.size(), 1);
    }

    // The real program answers --help and --version without a display and creates nothing.
    void helpAndVersionWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << "--help"
                              << "Použití: quortosk";
        QTest::newRow("version") << "--version"
                                 << "Quorvel Tosk 2.2";
    }
    void helpAndVersionWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QTemporaryDir cwd;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(v));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(cwd.path());
        p.start(qEnvironmentVariable("QUORTOSK_BINARY"), {option});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).startsWith(expected));
        QVERIFY(QDir(cwd.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
};

QTEST_MAIN(TstHostile)
#include "tst_hostile.moc"
