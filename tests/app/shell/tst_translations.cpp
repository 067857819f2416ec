// One language at a time: the translation sources are complete, the built Czech translation
// gives the standard English texts in Czech, and the real boxes and file failure messages
// speak the language that is loaded.
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/options/TLanguages.h"
#include "settings/store/TSettingsStore.h"
#include "text/TextFile.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString context, source, translation;
    bool unfinished = false;
};

QList<Entry> readTs(const QString &path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = Entry{context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            entry.translation = xml.readElementText();
            entries << entry;
        }
    }
    return xml.hasError() ? QList<Entry>() : entries;
}

QString tsFile(const char *code)
{
    return QStringLiteral(QUORTOSK_TS_DIR "/quortosk_%1.ts").arg(QLatin1String(code));
}

QString builtFolder()
{
    return qEnvironmentVariable("QUORTOSK_BUILD_DIR");
}

// The placeholders of a text, sorted: a translation must keep every one.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+"));
    QStringList found;
    for (const auto &m : re.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

bool hasMnemonic(QString text)
{
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

// Installs the built translation `code` (none for "") for one test.
class Language
{
public:
    explicit Language(const QString &code)
    {
        if (code.isEmpty())
            return;
        m_loaded = Languages::Load(m_translator, code, {builtFolder()});
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~Language() { QCoreApplication::removeTranslator(&m_translator); }
    bool failed(const QString &code) const { return !code.isEmpty() && !m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // lupdate ran over the same sources for both files, and the English one is finished.
    void englishIsComplete()
    {
        const QList<Entry> en = readTs(tsFile("en"));
        QVERIFY(en.size() > 100);
        for (const Entry &e : en) {
            const QString where = e.context + QStringLiteral(": ") + e.source;
            QVERIFY2(!e.unfinished && !e.translation.isEmpty(), qPrintable(where));
            QCOMPARE(placeholders(e.translation), placeholders(e.source));
            QVERIFY2(hasMnemonic(e.translation) == hasMnemonic(e.source), qPrintable(where));
        }
    }

    // Every source text that is not Czech has a finished Czech entry; a text is Czech when
    // the English file had to translate it or it has Czech letters.
    void czechCoversEveryEnglishText()
    {
        const QList<Entry> en = readTs(tsFile("en"));
        const QList<Entry> cs = readTs(tsFile("cs"));
        QCOMPARE(cs.size(), en.size());
        QHash<QString, Entry> czech;
        for (const Entry &e : cs)
            czech.insert(e.context + QLatin1Char('\x1f') + e.source, e);
        static const QRegularExpression czechLetter(QStringLiteral("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]"));
        int english = 0;
        for (const Entry &e : en) {
            const QString where = e.context + QStringLiteral(": ") + e.source;
            QVERIFY2(czech.contains(e.context + QLatin1Char('\x1f') + e.source),
                     qPrintable("missing in cs: " + where));
            if (e.translation != e.source || e.source.contains(czechLetter))
                continue;
            ++english;
            const Entry &c = czech.value(e.context + QLatin1Char('\x1f') + e.source);
            QVERIFY2(!c.unfinished && !c.translation.isEmpty(), qPrintable("no Czech for " + where));
            QCOMPARE(placeholders(c.translation), placeholders(e.source));
            QVERIFY2(hasMnemonic(c.translation) == hasMnemonic(e.source), qPrintable(where));
        }
        QVERIFY(english >= 15); // the boxes' and errors' standard texts at least
    }

    void builtCzech_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("czech"); // empty: the source text is shown
        QTest::newRow("box title") << "TPrompts"
                                   << "Confirm"
                                   << "Potvrzení";
        QTest::newRow("yes") << "TPrompts"
                             << "&Yes"
                             << "&Ano";
        QTest::newRow("no") << "TPrompts"
                            << "&No"
                            << "&Ne";
        QTest::newRow("cancel") << "TPrompts"
                                << "Cancel"
                                << "Storno";
        QTest::newRow("error title") << "TPrompts"
                                     << "Error"
                                     << "Chyba";
        QTest::newRow("integer") << "TextToolCommands"
                                 << "'%1' is not a valid integer value"
                                 << "'%1' není platné celé číslo";
        QTest::newRow("restart") << "ViewCommands"
                                 << "Restart this program"
                                 << "Spusťte program znovu";
        QTest::newRow("missing file") << "FileCommands"
                                      << "File '%1' does not exist"
                                      << "Soubor '%1' neexistuje";
        QTest::newRow("start") << "main"
                               << "Initialization failed"
                               << "Inicializace se nezdařila";
        QTest::newRow("write") << "TextFile"
                               << "Cannot create file %1"
                               << "Nelze vytvořit soubor %1";
        QTest::newRow("opening") << "TErrorText"
                                 << "Error opening %1 - %2"
                                 << "Chyba při otevírání %1 - %2";
        QTest::newRow("damaged settings")
            << "TSettingsStore"
            << "Settings file '%1' is damaged; the values that could not be read keep their defaults"
            << "Soubor nastavení '%1' je poškozený; hodnoty, které nešlo přečíst, zůstávají výchozí";
        QTest::newRow("hot key label") << "TfrmNASTAV"
                                       << "Hotkey:"
                                       << "Klávesa:";
        QTest::newRow("side panel item") << "MainCommands"
                                         << "SpeedP&anel"
                                         << "Boční p&anel";
        QTest::newRow("side panel button") << "TSpeedBar"
                                           << "SpeedPanel"
                                           << "Boční panel";
        QTest::newRow("setup help") << "TSpeedbarSetupWindow"
                                    << "&Help"
                                    << "&Nápověda";
        QTest::newRow("Czech source stays") << "MainCommands"
                                            << "&Soubor"
                                            << "";
    }
    void builtCzech()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, czech);
        QTranslator translator;
        if (!Languages::Load(translator, QStringLiteral("cs"), {builtFolder()}))
            QSKIP("quortosk_cs.qm is not built");
        QCOMPARE(translator.translate(context.toLatin1(), source.toUtf8()), czech);
    }

    // The real confirmation and error boxes in each language.
    void realBoxes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("confirm"); // title, then the buttons
        QTest::addColumn<QString>("errorTitle");
        QTest::newRow("Czech") << "cs" << QStringList{"Potvrzení", "&Ano", "&Ne", "Storno"} << "Chyba";
        QTest::newRow("English") << "en" << QStringList{"Confirm", "&Yes", "&No", "Cancel"} << "Error";
        QTest::newRow("[default]") << "" << QStringList{"Confirm", "&Yes", "&No", "Cancel"} << "Error";
    }
    void realBoxes()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, confirm);
        QFETCH(QString, errorTitle);
        Language language(code);
        if (language.failed(code))
            QSKIP("the translation is not built");
        QStringList seen;
        auto look = [&seen](const QString &press) {
            QTimer::singleShot(0, [&seen, press] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                seen << box->windowTitle();
                QAbstractButton *chosen = nullptr;
                for (QAbstractButton *b : box->buttons()) {
                    seen << b->text();
                    if (b->text() == press || !chosen)
                        chosen = b;
                }
                chosen->click();
            });
        };
        TDialogPrompts prompts;
        look(confirm.at(2));
        QCOMPARE(prompts.Confirm(nullptr, QStringLiteral("?")), TPrompts::No);
        QCOMPARE(seen.value(0), confirm.at(0));
        QStringList buttons = seen.mid(1);
        buttons.sort();
        QStringList expected = confirm.mid(1);
        expected.sort();
        QCOMPARE(buttons, expected);
        seen.clear();
        look(QString());
        prompts.ShowErrorNotice(nullptr, QStringLiteral("x"));
        QCOMPARE(seen.value(0), errorTitle);
    }

    // A failure names its reason after the standard text, in the loaded language.
    void fileFailureSaysWhy_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("write");
        QTest::newRow("Czech") << "cs"
                               << "Nelze otevřít soubor %1: Soubor neexistuje"
                               << "Nelze vytvořit soubor %1: Složka neexistuje";
        QTest::newRow("English") << "en"
                                 << "Cannot open file %1: The file does not exist"
                                 << "Cannot create file %1: The folder does not exist";
        QTest::newRow("[default]") << ""
                                   << "Cannot open file %1: Soubor neexistuje"
                                   << "Cannot create file %1: Složka neexistuje";
    }
    void fileFailureSaysWhy()
    {
        QFETCH(QString, code);
        QFETCH(QString, read);
        QFETCH(QString, write);
        Language language(code);
        if (language.failed(code))
            QSKIP("the translation is not built");
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.txt"));
        const QString inMissingFolder = dir.filePath(QStringLiteral("none/new.txt"));
        QString readError, writeError;
        try {
            TextFile::readFile(missing);
        } catch (const TError &e) {
            readError = e.message();
        }
        try {
            TextFile::writeFile(inMissingFolder, QStringLiteral("x"));
        } catch (const TError &e) {
            writeError = e.message();
        }
        QCOMPARE(readError, read.arg(missing));
        QCOMPARE(writeError, write.arg(inMissingFolder));
    }

    // The language is read before any translation is loaded: a damaged settings file is told
    // when the main window takes the store's problems, in the chosen language.
    void damagedSettingsToldInTheChosenLanguage()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("quortosk.ini"));
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Options]\nLanguage=cs\nitmWrap_Checked=False\nStatusBar_Vis");
        }
        TSettingsStore store(ini);
        QCOMPARE(LanguageChoice::Read(store), QStringLiteral("cs"));
        Language czech(QStringLiteral("cs"));
        if (czech.failed(QStringLiteral("cs")))
            QSKIP("quortosk_cs.qm is not built");
        QStringList told;
        store.SetProblemHandler([&](const QString &t) { told << t; }); // as the main window does
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().startsWith(QStringLiteral("Soubor nastavení")), qPrintable(told.first()));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
