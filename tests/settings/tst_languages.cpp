// The language versions: which translation files are offered, their captions, loading
// the chosen one, and the stored choice.
#include "common/TErrorText.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/options/TLanguages.h"
#include "settings/store/TSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

// The English translation built beside the program.
QString builtTranslations()
{
    return qEnvironmentVariable("QUORTOSK_BUILD_DIR");
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void caption_data();
    void caption();
    void availableListsKnownLanguagesOnce();
    void availableInEmptyOrMissingFolders();
    void loadTheBuiltEnglish();
    void loadRefuses_data();
    void loadRefuses();
    void choiceRoundTrip_data();
    void choiceRoundTrip();
    void choiceMissingIsDefault();
    void choiceUnwritableThrows();
};

void TestLanguages::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestLanguages::caption_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");
    // Each language named in itself, as its speakers look for it.
    QTest::newRow("language only") << "en"
                                   << "English"; // not "American English"
    QTest::newRow("Czech") << "cs"
                           << "Čeština";
    QTest::newRow("with country") << "en_GB"
                                  << "English (United Kingdom)";
    QTest::newRow("German in Austria") << "de_AT"
                                       << "Deutsch (Österreich)";
    QTest::newRow("unknown language") << "xx"
                                      << "";
    QTest::newRow("unknown language, known country") << "xx_CZ"
                                                     << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestLanguages::caption()
{
    QFETCH(QString, code);
    QFETCH(QString, caption);
    QCOMPARE(Languages::Caption(code), caption);
}

void TestLanguages::availableListsKnownLanguagesOnce()
{
    QTemporaryDir beside, installed;
    for (const char *name : {"quortosk_en.qm", "quortosk_de_AT.qm", "quortosk_xx.qm", "quortosk_.qm",
                             "quortosk_sk.ts", "other_fr.qm", "quortosk.qm"})
        touch(beside.filePath(QLatin1String(name)));
    QDir(beside.path()).mkdir(QStringLiteral("quortosk_pl.qm")); // a folder, not a file
    for (const char *name : {"quortosk_en.qm", "quortosk_sk.qm"})
        touch(installed.filePath(QLatin1String(name)));

    const QList<Languages::File> files = Languages::Available({beside.path(), installed.path()});
    QStringList codes, captions;
    for (const auto &f : files) {
        codes << f.code;
        captions << f.caption;
    }
    QCOMPARE(codes, QStringList({"de_AT", "en", "sk"}));
    QCOMPARE(captions, QStringList({"Deutsch (Österreich)", "English", "Slovenčina"}));
    // The file beside the program wins over the installed one.
    QCOMPARE(files.at(1).path, beside.filePath(QStringLiteral("quortosk_en.qm")));
    QCOMPARE(files.at(2).path, installed.filePath(QStringLiteral("quortosk_sk.qm")));
}

void TestLanguages::availableInEmptyOrMissingFolders()
{
    QTemporaryDir empty;
    QVERIFY(Languages::Available({empty.path()}).isEmpty());
    QVERIFY(Languages::Available({empty.filePath(QStringLiteral("missing"))}).isEmpty());
    QVERIFY(Languages::Available({}).isEmpty());
}

void TestLanguages::loadTheBuiltEnglish()
{
    const QString folder = builtTranslations();
    if (!QFileInfo::exists(folder + QStringLiteral("/quortosk_en.qm")))
        QSKIP("quortosk_en.qm is not built");
    QTranslator translator;
    QTemporaryDir empty;
    // The first folder that has the file is used.
    QVERIFY(Languages::Load(translator, QStringLiteral("en"), {empty.path(), folder}));
    QCOMPARE(translator.translate("MainCommands", "&Soubor"), QStringLiteral("&File"));
    QCOMPARE(translator.translate("ViewCommands", "Záložky dole"), QStringLiteral("Tabs at the bottom"));
}

void TestLanguages::loadRefuses_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("default: no translator") << "";
    QTest::newRow("no such file") << "fr";
    QTest::newRow("path in the code") << "../quortosk_en";
    QTest::newRow("not a translation") << "bad";
}

void TestLanguages::loadRefuses()
{
    QFETCH(QString, code);
    QTemporaryDir dir;
    {
        QFile bad(dir.filePath(QStringLiteral("quortosk_bad.qm")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is not a compiled translation");
    }
    QTranslator translator;
    QVERIFY(!Languages::Load(translator, code, {dir.path(), builtTranslations()}));
    QVERIFY(translator.isEmpty());
}

void TestLanguages::choiceRoundTrip_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("stored");
    QTest::newRow("English") << "en"
                             << "en";
    QTest::newRow("Czech") << "cs"
                           << "cs";
    QTest::newRow("with country") << "de_AT"
                                  << "de_AT";
    QTest::newRow("[default]: a value of its own") << ""
                                                   << "Dflt";
}

void TestLanguages::choiceRoundTrip()
{
    QFETCH(QString, code);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath(QStringLiteral("quortosk.ini")));
    LanguageChoice::Write(store, QStringLiteral("sk")); // something to overwrite
    LanguageChoice::Write(store, code);
    TSettingsStore again(store.FileName());
    QCOMPARE(LanguageChoice::Read(again), code);
    // Stored where the other options live.
    QFile f(store.FileName());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString ini = QString::fromUtf8(f.readAll());
    QVERIFY2(ini.contains(QStringLiteral("[Options]")), qPrintable(ini));
    QVERIFY2(ini.contains(QStringLiteral("Language=") + stored + QLatin1Char('\n')), qPrintable(ini));
}

// No stored value, or an empty one as older versions wrote for their Czech texts: Czech.
void TestLanguages::choiceMissingIsDefault()
{
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath(QStringLiteral("none.ini")));
    QCOMPARE(LanguageChoice::Read(store), QStringLiteral("cs"));
    QFile ini(dir.filePath(QStringLiteral("empty.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Options]\nLanguage=\n");
    ini.close();
    TSettingsStore empty(ini.fileName());
    QCOMPARE(LanguageChoice::Read(empty), QStringLiteral("cs"));
}

void TestLanguages::choiceUnwritableThrows()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("file")));
    // A folder that is a file: not even root can write there.
    TSettingsStore store(dir.filePath(QStringLiteral("file/quortosk.ini")));
    bool thrown = false;
    try {
        LanguageChoice::Write(store, QStringLiteral("en"));
    } catch (const TError &) {
        thrown = true;
    }
    QVERIFY(thrown);
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
