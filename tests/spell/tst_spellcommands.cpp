// The F7 command end to end: the controller finds the dictionary (or says there is none),
// checks the active page with the real Czech dictionary, and keeps added words in the
// settings folder.
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "spell/SpellCommands.h"
#include "spell/TSpellChecker.h"
#include "spell/TSpellerDialog2.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {} // namespace

class TestSpellCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QMainWindow> m_window;
    TRxRichEdit *m_editor = nullptr;
    TFakePrompts m_prompts;
    std::unique_ptr<TSettingsStore> m_store;

    std::unique_ptr<SpellCommands> commands(bool withEditor = true)
    {
        auto c =
            std::make_unique<SpellCommands>([this, withEditor] { return withEditor ? m_editor : nullptr; },
                                            &m_prompts, m_window.get(), m_store.get());
        return c;
    }
    QString selected() const { return m_editor->textCursor().selectedText(); }
    void setText(const QString &text)
    {
        TakeAsLoaded(m_editor, text);
        m_editor->SetSelStart(0);
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noPageDoesNothing();
    void noDictionarySaysSoAtEachCheck();
    void checksWithTheCzechDictionary();
    void addedWordOutlastsTheProgram();
    void storedDictionaryIsUsed();
    void damagedDictionaryIsReported();
    void damagedCustomDictionaryIsReportedAndCheckGoesOn();
};

void TestSpellCommands::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qunsetenv("DICPATH");
    qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
}

void TestSpellCommands::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_editor = new TRxRichEdit(m_window.get());
    m_window->setCentralWidget(m_editor);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_prompts = TFakePrompts();
    QDir(m_home.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_home.filePath("config/quortosk")));
    m_store = std::make_unique<TSettingsStore>(m_home.filePath("config/quortosk/quortosk.ini"));
}

void TestSpellCommands::cleanup()
{
    m_window.reset();
    m_store.reset();
}

void TestSpellCommands::noPageDoesNothing()
{
    auto c = commands(false);
    c->mmSpellClick();
    QVERIFY(!c->Speller()->Dialog());
    QVERIFY(!c->Speller()->Speller()); // no dictionary read either
    QVERIFY(m_prompts.messages.isEmpty() && m_prompts.errors.isEmpty());
}

void TestSpellCommands::noDictionarySaysSoAtEachCheck()
{
    QTemporaryDir empty;
    auto c = commands();
    c->SetSystemDictionaryFolders({empty.path()});
    setText("Ten pes přílš štěká.");
    c->mmSpellClick();
    c->mmSpellClick();
    QCOMPARE(m_prompts.messages.size(), 2);
    for (const QString &m : m_prompts.messages) {
        QVERIFY2(m.startsWith("Kontrola pravopisu|Slovník pro kontrolu pravopisu není nainstalován."),
                 qPrintable(m));
        QVERIFY(m.contains(empty.path()));
    }
    QVERIFY(m_prompts.errors.isEmpty());
    QVERIFY(!c->Speller()->Dialog()->isVisible());
    QCOMPARE(m_editor->SelLength(), 0);
}

void TestSpellCommands::checksWithTheCzechDictionary()
{
    if (!QFile::exists("/usr/share/hunspell/cs_CZ.dic"))
        QSKIP("hunspell-cs is not installed");
    auto c = commands();
    setText("Příliš žluťoučký kůň úpěl.\nKRTXQ MCMXCIV pes2x, např. psa\nTen pes přílš štěká.");
    c->mmSpellClick();
    TSpellerDialog2 *d = c->Speller()->Dialog();
    QVERIFY(d && d->isVisible());
    QCOMPARE(selected(), "přílš");
    QCOMPARE(m_editor->SelStart(), 66);
    QCOMPARE(d->Variants->item(0)->text(), "příliš");
    QTest::mouseClick(d->ChangeButton, Qt::LeftButton);
    QVERIFY(!d->isVisible());
    QCOMPARE(m_editor->PlainText().section('\n', 2), "Ten pes příliš štěká.");
    QVERIFY(m_editor->Modified());
    QVERIFY(m_prompts.messages.isEmpty() && m_prompts.errors.isEmpty());
}

void TestSpellCommands::addedWordOutlastsTheProgram()
{
    if (!QFile::exists("/usr/share/hunspell/cs_CZ.dic"))
        QSKIP("hunspell-cs is not installed");
    {
        auto c = commands();
        setText("Quorvelův editor");
        c->mmSpellClick();
        QCOMPARE(selected(), "Quorvelův");
        QTest::mouseClick(c->Speller()->Dialog()->AddButton, Qt::LeftButton);
        QVERIFY(!c->Speller()->Dialog()->isVisible());
    }
    QFile custom(m_home.filePath("config/quortosk/CUSTOM.DIC"));
    QVERIFY(custom.open(QIODevice::ReadOnly));
    QCOMPARE(custom.readAll(), QStringLiteral("Quorvelův\n").toUtf8());
    auto again = commands();
    setText("Quorvelův editor");
    again->mmSpellClick();
    QVERIFY(!again->Speller()->Dialog()->isVisible());
}

void TestSpellCommands::storedDictionaryIsUsed()
{
    QTemporaryDir dict;
    QVERIFY(TestFiles::WriteBytes(dict.filePath("cs_CZ.aff"), "SET UTF-8\n"));
    QVERIFY(TestFiles::WriteBytes(dict.filePath("cs_CZ.dic"), QStringLiteral("2\nkůň\núpěl\n").toUtf8()));
    {
        TSettingsSession s(*m_store);
        s.WriteString(SettingsKeys::Spelling, SettingsKeys::SpellDictionary, dict.path());
        s.Close();
    }
    auto c = commands();
    setText("kůň úpěl pes");
    c->mmSpellClick();
    QCOMPARE(selected(), "pes"); // a word of the real dictionary, not of this one
}

void TestSpellCommands::damagedDictionaryIsReported()
{
    QTemporaryDir dict;
    QVERIFY(TestFiles::WriteBytes(dict.filePath("cs_CZ.aff"), "SET UTF-8\n"));
    QVERIFY(TestFiles::WriteBytes(dict.filePath("cs_CZ.dic"), "this is no word list\n"));
    {
        TSettingsSession s(*m_store);
        s.WriteString(SettingsKeys::Spelling, SettingsKeys::SpellDictionary, dict.filePath("cs_CZ.dic"));
        s.Close();
    }
    auto c = commands();
    setText("Ten pes přílš štěká.");
    c->mmSpellClick();
    c->mmSpellClick();
    QCOMPARE(m_prompts.errors.size(), 2);
    QVERIFY2(m_prompts.errors.first().contains(dict.filePath("cs_CZ.dic")),
             qPrintable(m_prompts.errors.first()));
    QVERIFY(!c->Speller()->Dialog()->isVisible());
    QCOMPARE(m_editor->PlainText(), "Ten pes přílš štěká.");
}

void TestSpellCommands::damagedCustomDictionaryIsReportedAndCheckGoesOn()
{
    if (!QFile::exists("/usr/share/hunspell/cs_CZ.dic"))
        QSKIP("hunspell-cs is not installed");
    QVERIFY(TestFiles::WriteBytes(m_home.filePath("config/quortosk/CUSTOM.DIC"), "Quorvelův\n\xc3\x28\n"));
    auto c = commands();
    setText("Quorvelův editor přílš");
    c->mmSpellClick();
    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY(m_prompts.errors.first().contains("CUSTOM.DIC"));
    QCOMPARE(selected(), "přílš");
    c->mmSpellClick(); // reported once: the binding stays
    QCOMPARE(m_prompts.errors.size(), 1);
}

QTEST_MAIN(TestSpellCommands)
#include "tst_spellcommands.moc"
