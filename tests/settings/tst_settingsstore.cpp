// The settings file: keys, values, deletion, damaged and unwritable files.
#include "common/TErrorText.h"
#include "settings/store/TSettingsStore.h"
#include "TmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_disk.reset(); }
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void missingValueGivesFallback();
    void keysWithBackslashAreSubKeys();
    void deleteKeyTakesEverythingBelow();
    void deleteValueKeepsSubKeysOfThatName();
    void handWrittenValues_data();
    void handWrittenValues();
    void nonTextValueIsAnError_data();
    void nonTextValueIsAnError();
    void damagedFileIsReadAsFarAsPossibleAndToldOnce();
    void damagedFileIsRewrittenClean();
    void unwritableFileFailsWithTheValueName();
    void unreadableFileIsToldOnce();
    void fullDiskKeepsTheOldFile();
    void readOnlyFileIsReadButNotWritten();
    void problemBeforeHandlerWaitsForIt();
    void defaultFileNameFollowsExeBase();

private:
    QString fileName() const { return m_dir->filePath(QStringLiteral("QUORTOSK.ini")); }
    void writeFile(const QByteArray &bytes) const
    {
        QFile f(fileName());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // A store on a small tmpfs, holding Options/`name` = `value` written through a closed
    // session; null where no tmpfs can be mounted here.
    std::unique_ptr<TSettingsStore> storeOnSmallDisk(const char *name, const char *value)
    {
        const QString mount = m_dir->filePath(QStringLiteral("disk"));
        if (!QDir().mkpath(mount))
            return nullptr;
        m_disk = std::make_unique<TmpfsMount>(mount);
        if (!m_disk->ok())
            return nullptr;
        auto store = std::make_unique<TSettingsStore>(mount + QStringLiteral("/QUORTOSK.ini"));
        TSettingsSession s(*store);
        s.WriteString("Options", name, value);
        s.Close();
        return store;
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TmpfsMount> m_disk;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "Courier New";
    QTest::newRow("empty") << "";
    QTest::newRow("leading and trailing blanks") << "  x  ";
    QTest::newRow("CR LF inside") << "line one\r\nline two";
    QTest::newRow("commas") << "10,20,300,400";
    QTest::newRow("brackets and blank") << "[fsBold, fsItalic]";
    QTest::newRow("at sign first") << "@Variant(x)";
    QTest::newRow("Czech letters") << QString::fromUtf8("Příliš žluťoučký kůň");
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("backslashes") << "C:\\data\\a.txt";
    QTest::newRow("quotes") << "\"quoted\" 'single'";
}

void TestSettingsStore::valuesRoundTrip()
{
    QFETCH(QString, value);
    TSettingsStore store(fileName());
    {
        TSettingsSession s(store);
        s.WriteString("Options", "Value", value);
        s.Close();
    }
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "Value", "fallback"), value);
    QVERIFY(!store.ProblemReported());
}

void TestSettingsStore::missingValueGivesFallback()
{
    TSettingsStore store(fileName());
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "StartDir"), QString());
    QCOMPARE(s.ReadString("Options", "itmWrap_Checked", "True"), QStringLiteral("True"));
    QCOMPARE(s.ReadString("NoSuchKey\\Below", "x", "d"), QStringLiteral("d"));
    QVERIFY(!s.ValueExists("Options", "StartDir"));
    QVERIFY(!s.KeyExists("Options"));
}

void TestSettingsStore::keysWithBackslashAreSubKeys()
{
    TSettingsStore store(fileName());
    {
        TSettingsSession s(store);
        s.WriteString("Options\\TMainForm.MRUMan", "Item_0", "/a.txt");
        s.WriteString("Options", "StartDir", "/home");
        s.Close();
    }
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options/TMainForm.MRUMan", "Item_0"), QStringLiteral("/a.txt"));
    QCOMPARE(s.ValueNames("Options"), QStringList{"StartDir"});
    QCOMPARE(s.ValueNames("Options\\TMainForm.MRUMan"), QStringList{"Item_0"});
    QVERIFY(s.KeyExists("Options\\TMainForm.MRUMan"));
}

void TestSettingsStore::deleteKeyTakesEverythingBelow()
{
    TSettingsStore store(fileName());
    {
        TSettingsSession s(store);
        s.WriteString("Options", "StartDir", "/home");
        s.WriteString("Options\\TMainForm.MRUMan", "Item_0", "/a.txt");
        s.WriteString("Options\\TMainFormToolBar", "Count", "1");
        s.WriteString("Options.lstZNACKY_Items", "Count", "1");
        s.WriteString("Options.lstZNACKY_Items", "Item0", "tag");
        s.Close();
    }
    {
        TSettingsSession s(store);
        s.DeleteKey("Options");
        s.DeleteKey("No\\Such\\Key"); // missing keys are no error
        s.Close();
    }
    TSettingsSession s(store);
    QVERIFY(!s.KeyExists("Options"));
    QVERIFY(!s.KeyExists("Options\\TMainForm.MRUMan"));
    QVERIFY(!s.KeyExists("Options\\TMainFormToolBar"));
    // A sibling whose name only begins with the deleted key's name stays.
    QCOMPARE(s.ReadString("Options.lstZNACKY_Items", "Item0"), QStringLiteral("tag"));
}

void TestSettingsStore::deleteValueKeepsSubKeysOfThatName()
{
    TSettingsStore store(fileName());
    {
        TSettingsSession s(store);
        s.WriteString("Options", "User_0", "1");
        s.WriteString("Options\\User_0", "Inner", "kept");
        s.WriteString("Options", "Other", "kept too");
        s.Close();
    }
    {
        TSettingsSession s(store);
        s.DeleteValue("Options", "User_0");
        s.DeleteValue("Options", "Missing");
        s.Close();
    }
    TSettingsSession s(store);
    QVERIFY(!s.ValueExists("Options", "User_0"));
    QCOMPARE(s.ReadString("Options\\User_0", "Inner"), QStringLiteral("kept"));
    QCOMPARE(s.ReadString("Options", "Other"), QStringLiteral("kept too"));
}

void TestSettingsStore::handWrittenValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unquoted commas as written") << QByteArray("v=10,20,300,400") << "10,20,300,400";
    QTest::newRow("unquoted set with blank") << QByteArray("v=[fsBold, fsItalic]") << "[fsBold, fsItalic]";
    QTest::newRow("zero character ends the text") << QByteArray("v=\"abc\\0def\"") << "abc";
    QTest::newRow("empty") << QByteArray("v=") << "";
    QTest::newRow("lower-case identifier") << QByteArray("v=false") << "false";
}

void TestSettingsStore::handWrittenValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    writeFile("[Options]\n" + line + "\n");
    TSettingsStore store(fileName());
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "v", "fallback"), expected);
}

void TestSettingsStore::nonTextValueIsAnError_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("binary") << QByteArray("v=@ByteArray(abc)");
    QTest::newRow("rectangle") << QByteArray("v=@Rect(1 2 3 4)");
    QTest::newRow("invalid") << QByteArray("v=@Invalid()");
}

void TestSettingsStore::nonTextValueIsAnError()
{
    QFETCH(QByteArray, line);
    writeFile("[Options]\n" + line + "\nw=fine\n");
    TSettingsStore store(fileName());
    TSettingsSession s(store);
    try {
        s.ReadString("Options", "v", "fallback");
        QFAIL("a value that is not text was read as text");
    } catch (const TError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid data type for 'v'"));
    }
    QCOMPARE(s.ReadString("Options", "w"), QStringLiteral("fine"));
}

void TestSettingsStore::damagedFileIsReadAsFarAsPossibleAndToldOnce()
{
    // Cut off in the middle of a line, as after a crash while writing.
    writeFile("[Options]\nitmWrap_Checked=False\nStatusBar_Vis");
    TSettingsStore store(fileName());
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    {
        TSettingsSession s(store);
        QCOMPARE(s.ReadString("Options", "itmWrap_Checked"), QStringLiteral("False"));
    }
    { TSettingsSession again(store); }
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(QStringLiteral("damaged")), qPrintable(told.first()));
}

void TestSettingsStore::damagedFileIsRewrittenClean()
{
    QByteArray garbage(400, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 73 + 11) % 256);
    writeFile(garbage);
    TSettingsStore store(fileName());
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    {
        TSettingsSession s(store);
        s.WriteString("Options", "ShowCmd", "1");
        s.Close(); // must not throw: the file can be written
    }
    TSettingsStore later(fileName());
    QStringList toldLater;
    later.SetProblemHandler([&](const QString &t) { toldLater << t; });
    TSettingsSession s(later);
    QCOMPARE(s.ReadString("Options", "ShowCmd"), QStringLiteral("1"));
    QCOMPARE(told.size(), 1);
    QVERIFY(toldLater.isEmpty());
}

void TestSettingsStore::unwritableFileFailsWithTheValueName()
{
    // A file where the folder should be: nothing can be written below it (also as root).
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    TSettingsStore store(blocker + QStringLiteral("/QUORTOSK.ini"));
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "StartDir", "x"), QStringLiteral("x"));
    try {
        s.WriteString("Options", "NormPos", "1,2,3,4");
        QFAIL("writing into an impossible file succeeded");
    } catch (const TError &e) {
        QCOMPARE(e.message(), QStringLiteral("Failed to set data for 'NormPos'"));
    }
    QVERIFY(QFileInfo(blocker).isFile());
}

void TestSettingsStore::unreadableFileIsToldOnce()
{
    // A folder where the file should be: it can be neither read nor written.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("QUORTOSK.ini")));
    TSettingsStore store(fileName());
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    for (int i = 0; i < 3; ++i) {
        TSettingsSession s(store);
        QCOMPARE(s.ReadString("Options", "ShowCmd", "0"), QStringLiteral("0"));
        bool failed = false;
        try {
            s.WriteString("Options", "StartDir", "/");
        } catch (const TError &e) {
            failed = true;
            store.ReportProblem(e.message());
        }
        QVERIFY(failed);
    }
    QCOMPARE(told.size(), 1);
}

void TestSettingsStore::fullDiskKeepsTheOldFile()
{
    const std::unique_ptr<TSettingsStore> store = storeOnSmallDisk("StartDir", "/home");
    if (!store)
        QSKIP("cannot mount a small tmpfs here");
    const QByteArray before = contents(store->FileName());
    QVERIFY(before.contains("StartDir"));
    QVERIFY(m_disk->fillUp());
    TSettingsSession s(*store);
    s.WriteString("Options", "NormPos", QString(20000, QLatin1Char('9')));
    try {
        s.Close();
        QFAIL("writing to a full disk was reported as done");
    } catch (const TError &e) {
        QCOMPARE(e.message(), QStringLiteral("Failed to set data for 'NormPos'"));
    }
    QCOMPARE(contents(store->FileName()), before);
}

void TestSettingsStore::readOnlyFileIsReadButNotWritten()
{
    const std::unique_ptr<TSettingsStore> store = storeOnSmallDisk("itmWrap_Checked", "False");
    if (!store)
        QSKIP("cannot mount a small tmpfs here");
    QVERIFY(m_disk->remountReadOnly());
    QStringList told;
    store->SetProblemHandler([&](const QString &t) { told << t; });
    TSettingsSession s(*store);
    QCOMPARE(s.ReadString("Options", "itmWrap_Checked"), QStringLiteral("False"));
    QVERIFY(told.isEmpty()); // reading a read-only file is no problem
    try {
        s.WriteString("Options", "Flags", "0");
        QFAIL("writing a read-only file was reported as done");
    } catch (const TError &e) {
        QCOMPARE(e.message(), QStringLiteral("Failed to set data for 'Flags'"));
    }
}

void TestSettingsStore::problemBeforeHandlerWaitsForIt()
{
    TSettingsStore store(fileName());
    store.ReportProblem(QStringLiteral("first"));
    store.ReportProblem(QStringLiteral("second"));
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    QCOMPARE(told, QStringList{"first"});
    store.ReportProblem(QStringLiteral("third"));
    QCOMPARE(told, QStringList{"first"});
}

void TestSettingsStore::defaultFileNameFollowsExeBase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString name = TSettingsStore::DefaultFileName(QStringLiteral("QUORTOSK"));
    QVERIFY2(name.endsWith(QStringLiteral("/QUORTOSK/QUORTOSK.ini")), qPrintable(name));
    QVERIFY(name.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
