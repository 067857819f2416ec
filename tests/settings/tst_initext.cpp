// The settings file's own text format: files Qt's INI writer made read the same, what it
// writes Qt's INI reader reads the same, and values written by hand read as written.
#include "settings/store/IniText.h"
#include "settings/store/SettingsFile.h"

#include "TestFiles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using IniText::Read;
using IniText::Write;

namespace {

// Values of every kind the program stores (text), with what made Qt's reader or writer trip.
QSettings::SettingsMap trickyValues()
{
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += char(b);
    return {
        {"Top", "at the root"},
        {"Options/Plain", "Courier New"},
        {"Options/Commas", "a, b,c"},
        {"Options/LeadingBlanks", "  indented"},
        {"Options/TrailingBlank", "end "},
        {"Options/Backslashes", "C:\\Temp\\new\\"},
        {"Options/Lines", "a\r\nb\nc\rd"},
        {"Options/Czech", QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy")},
        {"Options/Quotes", "say \"hi\""},
        {"Options/Tab", "a\tb"},
        {"Options/Zero", QString::fromLatin1("a\0"
                                             "1b",
                                             4)},
        {"Options/At", "@ByteArray(not bytes)"},
        {"Options/Percent", "50%"},
        {"Options/Semicolon", "a;b=c"},
        {"Options/Empty", ""},
        {"Options/Tags/Item0", "<b>, </b>"},
        {"Options.lstZNACKY_Items/Item0", QStringLiteral("Tučně")},
        {QStringLiteral("Options/Klíč s mezerou"), "x"},
        {"General/Lower", "section named general"},
        {"Bytes/All", allBytes},
        {"Bytes/Text", QByteArray("plain bytes")},
    };
}

QSettings::SettingsMap readWithQt(const QString &file)
{
    QSettings qt(file, QSettings::IniFormat);
    QSettings::SettingsMap values;
    for (const QString &key : qt.allKeys())
        values.insert(key, qt.value(key));
    return values;
}

void writeWithQt(const QString &file, const QSettings::SettingsMap &values)
{
    QSettings qt(file, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        qt.setValue(it.key(), it.value());
}

// A value that Qt's writer leaves unquoted holds no escape.
bool hasEscapes(const QVariant &value)
{
    return IniText::QtEscapedString(IniText::QtVariantToString(value)).contains('\\');
}

} // namespace

class TestIniText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void fileWrittenByQtReadsTheSame();
    void writerMatchesQtWhereNoEscapeIsNeeded();
    void qtReadsWhatTheWriterWrites();
    void handWrittenValues_data();
    void handWrittenValues();
    void fileStructure();
    void damagedLinesAreLeftOut();
    void hugeAndBinaryInputEnds();
    void settingsObjectUsesTheFormat();
};

// The settings file of an earlier version (Qt's INI writer) gives back every value.
void TestIniText::fileWrittenByQtReadsTheSame()
{
    const QSettings::SettingsMap values = trickyValues();
    writeWithQt(file("old.ini"), values);
    const IniText::ReadResult read = Read(TestFiles::ReadBytes(file("old.ini")));
    QVERIFY(!read.damaged);
    QCOMPARE(read.values, values);
    QCOMPARE(read.values, readWithQt(file("old.ini")));
}

// Values without escapes and all keys and sections come out byte for byte as Qt writes them.
void TestIniText::writerMatchesQtWhereNoEscapeIsNeeded()
{
    QSettings::SettingsMap plain;
    const QSettings::SettingsMap all = trickyValues();
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        if (!hasEscapes(it.value()))
            plain.insert(it.key(), it.value());
    QVERIFY(plain.size() >= 14);
    writeWithQt(file("plain.ini"), plain);
    QCOMPARE(Write(plain), TestFiles::ReadBytes(file("plain.ini")));
}

void TestIniText::qtReadsWhatTheWriterWrites()
{
    const QSettings::SettingsMap values = trickyValues();
    const QByteArray text = Write(values);
    QVERIFY(TestFiles::WriteBytes(file("new.ini"), text));
    QCOMPARE(readWithQt(file("new.ini")), values);
    QCOMPARE(Read(text).values, values);
    // Every escape stands in quotes: an unquoted value is literal.
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0 && line.contains('\\'))
            QVERIFY2(line.at(equals + 1) == '"' && line.endsWith('"'), line.constData());
    }
    QVERIFY(text.contains("Lines=\"a\\r\\nb\\nc\\rd\"\n"));
}

void TestIniText::handWrittenValues_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("comma was split into a list") << QByteArray("x,y") << QVariant("x,y");
    QTest::newRow("blanks were trimmed") << QByteArray("  a , b ") << QVariant("  a , b ");
    QTest::newRow("backslash was an escape") << QByteArray("C:\\Temp") << QVariant("C:\\Temp");
    QTest::newRow("percent") << QByteArray("50%") << QVariant("50%");
    QTest::newRow("semicolon ended the line") << QByteArray("a;b") << QVariant("a;b");
    QTest::newRow("inner quotes") << QByteArray("say \"hi\" now") << QVariant("say \"hi\" now");
    QTest::newRow("one quote") << QByteArray("\"open") << QVariant("\"open");
    QTest::newRow("Czech") << QByteArray("čeština, ř") << QVariant(QStringLiteral("čeština, ř"));
    QTest::newRow("trailing backslash") << QByteArray("dir\\") << QVariant("dir\\");
    // What the earlier version wrote unquoted still decodes.
    QTest::newRow("earlier line breaks") << QByteArray("a\\r\\nb") << QVariant("a\r\nb");
    QTest::newRow("earlier backslash") << QByteArray("C:\\\\Temp") << QVariant("C:\\Temp");
    QTest::newRow("earlier quote") << QByteArray("\\\"q\\\"") << QVariant("\"q\"");
    QTest::newRow("earlier control") << QByteArray("a\\x1\\x62")
                                     << QVariant(QString("a\x01"
                                                         "b"));
    QTest::newRow("earlier at") << QByteArray("@@x") << QVariant("@x");
    QTest::newRow("earlier bytes") << QByteArray("@ByteArray(ab)") << QVariant(QByteArray("ab"));
    // Escapes the earlier writer would have written otherwise are literal.
    QTest::newRow("octal") << QByteArray("\\101") << QVariant("\\101");
    QTest::newRow("upper-case hex") << QByteArray("a\\x1F") << QVariant("a\\x1F");
    // Quoted values read as Qt reads them.
    QTest::newRow("quoted comma") << QByteArray("\"x,y\"") << QVariant("x,y");
    QTest::newRow("quoted blanks") << QByteArray(" \" a \" ") << QVariant(" a ");
    QTest::newRow("quoted escapes") << QByteArray("\"C:\\\\T\\n\"") << QVariant("C:\\T\n");
    QTest::newRow("U+FEFF was dropped as a BOM")
        << QByteArray("\xEF\xBB\xBFx") << QVariant(QStringLiteral("\uFEFFx"));
    QTest::newRow("quoted U+FEFF") << QByteArray("\"\xEF\xBB\xBFx\"") << QVariant(QStringLiteral("\uFEFFx"));
    QTest::newRow("lone surrogate") << QByteArray("\"\\xd800\"") << QVariant(QString(QChar(0xD800)));
    QTest::newRow("quoted list") << QByteArray("\"a\", \"b\"") << QVariant(QStringList{"a", "b"});
}

void TestIniText::handWrittenValues()
{
    QFETCH(QByteArray, raw);
    QFETCH(QVariant, expected);
    QCOMPARE(IniText::ReadValue(raw), expected);
    const IniText::ReadResult read = Read("[Options]\r\nItem0=" + raw + "\r\n");
    QCOMPARE(read.values.value("Options/Item0"), expected);
    QVERIFY(!read.damaged);
    // Written again, it reads the same, here and with Qt's reader.
    const QByteArray again = Write(read.values);
    QCOMPARE(Read(again).values, read.values);
    // A file of its own per row: QSettings keeps files it has read while they look unchanged.
    const QString name = m_dir.filePath(QStringLiteral("again-%1.ini").arg(QTest::currentDataTag()));
    QVERIFY(TestFiles::WriteBytes(name, again));
    QCOMPARE(readWithQt(name), read.values);
}

void TestIniText::fileStructure()
{
    const IniText::ReadResult read = Read("\xEF\xBB\xBF; a comment\n"
                                          "Root=1\n"
                                          "\n"
                                          "  [Options]  \r\n"
                                          "  ; indented comment=not a key\n"
                                          "  Indented Key = v \n"
                                          "Tags\\Item0=a\n"
                                          "Name%20With%U00E1=x\n"
                                          "Twice=1\n"
                                          "Twice=2\n"
                                          "[General]\n"
                                          "Root2=2\n"
                                          "[%General]\n"
                                          "k=g\n");
    QVERIFY(!read.damaged);
    const QSettings::SettingsMap expected = {
        {"Root", "1"},
        {"Options/Indented Key", " v "},
        {"Options/Tags/Item0", "a"},
        {QStringLiteral("Options/Name Withá"), "x"},
        {"Options/Twice", "2"},
        {"Root2", "2"},
        {"General/k", "g"},
    };
    QCOMPARE(read.values, expected);
    // Empty: nothing written, nothing read.
    QCOMPARE(Write({}), QByteArray());
    QVERIFY(Read("").values.isEmpty());
}

// Lines without "=" and sections without "]" are reported and left out; the rest is read.
void TestIniText::damagedLinesAreLeftOut()
{
    const IniText::ReadResult read = Read("[Options]\nA=1\nno equals here\n=no key\n[Broken\nB=2\n");
    QVERIFY(read.damaged);
    const QSettings::SettingsMap expected = {{"Options/A", "1"}, {"Broken/B", "2"}};
    QCOMPARE(read.values, expected);
}

void TestIniText::hugeAndBinaryInputEnds()
{
    QElapsedTimer timer;
    timer.start();
    // One line of escapes far past the bound: read up to the bound, told as damaged.
    QByteArray huge = "[S]\nK=" + QByteArray("\\T").repeated(IniText::MaxBytes / 2) + "\nAfter=1\n";
    IniText::ReadResult read = Read(huge);
    QVERIFY(read.damaged);
    QVERIFY(!read.values.contains("S/After"));
    QCOMPARE(read.values.value("S/K").toString().size(), IniText::MaxBytes - 6);
    huge.clear();
    // Random bytes: whatever comes out is written and read again unchanged.
    auto *random = QRandomGenerator::global();
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes(1 + random->bounded(4096), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random->bounded(256));
        if (round % 2)
            bytes.replace('\0', '=');
        read = Read(bytes);
        const QSettings::SettingsMap again = Read(Write(read.values)).values;
        QCOMPARE(again.keys(), read.values.keys());
        for (auto it = read.values.cbegin(); it != read.values.cend(); ++it)
            if (it.value().typeId() == QMetaType::QString) // "@Variant(" garbage streams anew
                QCOMPARE(again.value(it.key()), it.value());
    }
    QVERIFY2(timer.elapsed() < 60000, "reading took far too long");
}

// The program's settings object reads and writes through this format.
void TestIniText::settingsObjectUsesTheFormat()
{
    const QString name = file("object.ini");
    QVERIFY(TestFiles::WriteBytes(name, "[Options]\nItem0=x,y\nBad line\n"));
    {
        auto settings = SettingsFile::Open(name);
        QCOMPARE(settings->value("Options/Item0"), QVariant("x,y"));
        QVERIFY(SettingsFile::TakeDamaged(name));
        QVERIFY(!SettingsFile::TakeDamaged(name));
        settings->setValue("Options/Text", "a\nb");
    }
    QCOMPARE(TestFiles::ReadBytes(name), QByteArray("[Options]\nItem0=\"x,y\"\nText=\"a\\nb\"\n"));
}

QTEST_GUILESS_MAIN(TestIniText)
#include "tst_initext.moc"
