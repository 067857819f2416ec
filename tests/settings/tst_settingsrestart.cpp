// Whole program: the real binary started twice on a temporary configuration folder, ended
// by SIGTERM (closed like the close box); what it stored and restored is compared.
#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Value
{
    const char *key;
    const char *name;
    const char *text;
};
} // namespace

class TestSettingsRestart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void firstRunStoresDesignedValuesAndCommandLineFile();
    void storedSettingsSurviveTwoRestarts();
    void storedShowCmd2StartsMinimized();
    void twoInstancesClosingOneAfterTheOtherLeaveReadableFile();

private:
    QString iniName() const { return m_dir->filePath(QStringLiteral("cfg/quortosk/quortosk.ini")); }
    QString screenName(const QString &name) const
    {
        const QSize s = TFormStorage::ScreenSize();
        return QStringLiteral("%1(%2x%3)").arg(name).arg(s.width()).arg(s.height());
    }
    QString read(const QString &key, const QString &name) const
    {
        TSettingsStore store(iniName());
        TSettingsSession s(store);
        return s.ReadString(key, name, QStringLiteral("<missing>"));
    }
    void seed(const QList<std::pair<QString, QString>> &values, const QString &key = QStringLiteral("Options"))
    {
        TSettingsStore store(iniName());
        TSettingsSession s(store);
        for (const auto &[name, text] : values)
            s.WriteString(key, name, text);
        s.Close();
    }
    // Starts the program; true once it has opened its command-line files.
    bool startProgram(QProcess &p, const QStringList &args, const QString &display)
    {
        const QString report = m_dir->filePath(QStringLiteral("report-") + display);
        QFile::remove(report);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("cfg")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_dir->filePath(QStringLiteral("state")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        env.insert(QStringLiteral("TMPDIR"), m_dir->path());
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":settings-") + display);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUORTOSK_TEST_REPORT"), report);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir->path());
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(m_binary, args);
        if (!p.waitForStarted(10000))
            return false;
        for (int i = 0; i < 400; ++i) {
            QFile f(report);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("ready"))
                return true;
            if (p.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(50);
        }
        return false;
    }
    // Ends it as a session end would: SIGTERM, the window closes and saves.
    static bool endProgram(QProcess &p)
    {
        p.terminate();
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    bool run(const QStringList &args)
    {
        QProcess p;
        return startProgram(p, args, QStringLiteral("1")) && endProgram(p);
    }
    QString makeFile(const QString &name)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x\r\n");
        return path;
    }

    QString m_binary;
    QString m_runtime;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsRestart::initTestCase()
{
    m_binary = qEnvironmentVariable("QUORTOSK_BINARY");
    if (m_binary.isEmpty() || !QFile::exists(m_binary))
        QSKIP("QUORTOSK_BINARY does not name the built program");
}

void TestSettingsRestart::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_runtime = m_dir->filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(m_runtime));
    QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSettingsRestart::firstRunStoresDesignedValuesAndCommandLineFile()
{
    const QString a = makeFile(QStringLiteral("a.txt"));
    QVERIFY(run({QStringLiteral("a.txt")}));
    QVERIFY(QFile::exists(iniName()));
    const Value expected[] = {{"Options", "itmWrap_Checked", "True"},     {"Options", "StatusBar_Visible", "False"},
                              {"Options", "PageControl1_TabPosition", "tpTop"}, {"Options", "pnlLEVY_Width", "140"},
                              {"Options", "editvzor2_FontName", "Courier New"}, {"Options", "editvzor2_FontSize", "8"},
                              {"Options", "editvzor2_Color", "-2147483643"},    {"Options", "ShowCmd", "1"},
                              {"Options", "Visible", "0"},                      {"Options", "NormPos", "137,82,575,413"}};
    for (const Value &v : expected)
        QCOMPARE(read(v.key, v.name), QString::fromUtf8(v.text));
    // The command-line file is listed without a number; the close box writes no StartDir.
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_0"), QDir::cleanPath(a));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "User_0"), QStringLiteral("<missing>"));
    QCOMPARE(read("Options", "StartDir"), QStringLiteral("<missing>"));
}

void TestSettingsRestart::storedSettingsSurviveTwoRestarts()
{
    const int ppi = TFormStorage::PixelsPerInch();
    seed({{screenName("NormPos"), "60,70,660,470"}, // wider than the window's least width
          {"NormPos", "1,2,3,4"}, // another screen's last rectangle: this screen's wins
          {"PixelsPerInch", QString::number(ppi)},
          {"ShowCmd", "1"},
          {"itmWrap_Checked", "false"},
          {"StatusBar_Visible", "True"},
          {"mmStatusBar_Checked", "True"},
          {"PageControl1_TabPosition", "tpBottom"},
          {"PageControl1_MultiLine", "True"},
          {"editvzor2_FontName", "Liberation Mono"},
          {"editvzor2_FontSize", "12"},
          {"editvzor2_FontStyle", "[fsBold, fsItalic]"},
          {"editvzor2_Color", "255"}});
    seed({{"Item_0", "/x/one.txt"}, {"User_0", "1"}, {"Item_3", "/x/two.txt"}},
         QStringLiteral("Options\\TMainForm.MRUMan"));
    const QString b = makeFile(QStringLiteral("b.txt"));

    QVERIFY(run({b}));
    QVERIFY(run({}));

    const Value expected[] = {{"Options", "NormPos", "60,70,660,470"},
                              {"Options", "ShowCmd", "1"},
                              {"Options", "itmWrap_Checked", "False"},
                              {"Options", "StatusBar_Visible", "True"},
                              {"Options", "mmStatusBar_Checked", "True"},
                              {"Options", "PageControl1_TabPosition", "tpBottom"},
                              {"Options", "PageControl1_MultiLine", "True"},
                              {"Options", "editvzor2_FontName", "Liberation Mono"},
                              {"Options", "editvzor2_FontSize", "12"},
                              {"Options", "editvzor2_FontStyle", "[fsBold,fsItalic]"},
                              {"Options", "editvzor2_Color", "255"},
                              {"Options\\TMainForm.MRUMan", "Item_1", "/x/one.txt"},
                              {"Options\\TMainForm.MRUMan", "User_1", "1"},
                              {"Options\\TMainForm.MRUMan", "Item_2", "/x/two.txt"},
                              {"Options\\TMainForm.MRUMan", "Item_3", "<missing>"}};
    for (const Value &v : expected)
        QCOMPARE(read(v.key, v.name), QString::fromUtf8(v.text));
    QCOMPARE(read("Options", screenName("NormPos")), QStringLiteral("60,70,660,470"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_0"), b);
    QCOMPARE(read("Options", "editvzor2_FontHeight"), QString::number(-((12 * ppi + 36) / 72)));
}

void TestSettingsRestart::storedShowCmd2StartsMinimized()
{
    seed({{"ShowCmd", "2"}});
    QVERIFY(run({}));
    // Still minimized when it closed, so it is stored minimized again.
    QCOMPARE(read("Options", "ShowCmd"), QStringLiteral("2"));
}

void TestSettingsRestart::twoInstancesClosingOneAfterTheOtherLeaveReadableFile()
{
    const QString a = makeFile(QStringLiteral("a.txt")), b = makeFile(QStringLiteral("b.txt"));
    seed({{"StartDir", m_dir->path()}, {"StatusBar_Visible", "True"}});
    // Two desktops, one configuration folder.
    QProcess first, second;
    QVERIFY(startProgram(first, {a}, QStringLiteral("1")));
    QVERIFY(startProgram(second, {b}, QStringLiteral("2")));
    QVERIFY(endProgram(first));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_0"), a);
    QVERIFY(endProgram(second));

    TSettingsStore store(iniName());
    QStringList problems;
    store.SetProblemHandler([&](const QString &t) { problems << t; });
    TSettingsSession s(store);
    // The last one wins for each key it writes; what neither wrote stays.
    QCOMPARE(s.ReadString("Options\\TMainForm.MRUMan", "Item_0"), b);
    QCOMPARE(s.ReadString("Options\\TMainForm.MRUMan", "Item_1", "<missing>"), QStringLiteral("<missing>"));
    QCOMPARE(s.ReadString("Options", "StartDir"), m_dir->path());
    QCOMPARE(s.ReadString("Options", "StatusBar_Visible"), QStringLiteral("True"));
    QCOMPARE(s.ReadString("Options", "Visible"), QStringLiteral("0"));
    QVERIFY(problems.isEmpty());
}

QTEST_MAIN(TestSettingsRestart)
#include "tst_settingsrestart.moc"
