// Close, close all, the close query and exit of the main window, and the recent-files list
// the file commands keep, driven through the prompt seam.
#include "FileCommandsFixture.h"

class TestCloseCommands : public QObject, FileCommandsFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void closeAnswers_data();
    void closeAnswers();
    void closeKeepsPageWhenSaveDidNotHappen_data();
    void closeKeepsPageWhenSaveDidNotHappen();
    void closeAllWithCancel();
    void pageOpenedDuringQuestionIsLeftAlone_data();
    void pageOpenedDuringQuestionIsLeftAlone();

    void recentList_data();
    void recentList();

    void closeQueryCancelThenYes();
    void closeQueryKeepsProgramWhenSaveAsCancelled();
    void closeQueryWithoutChangesAsksNothing();
    void exitClosesWithoutQuestion();
};

// ---- close ----

void TestCloseCommands::closeAnswers_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("unmodified: no question") << false << -1 << true << QByteArray("text");
    QTest::newRow("yes saves and closes") << true << int(TPrompts::Yes) << true << QByteArray("more text");
    QTest::newRow("no closes unsaved") << true << int(TPrompts::No) << true << QByteArray("text");
    QTest::newRow("cancel keeps the page") << true << int(TPrompts::Cancel) << false << QByteArray("text");
}

void TestCloseCommands::closeAnswers()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, file);
    const QString f = makeFile("c.txt", "text");
    openPage(f);
    if (modified)
        type(QStringLiteral("more "));
    if (answer >= 0)
        m_prompts->confirmAnswers.enqueue(TPrompts::Answer(answer));
    m_form->Files()->mmCloseClick();
    QCOMPARE(m_prompts->confirmTexts,
             modified ? QStringList{QStringLiteral("Soubor c.txt, byl změněn. Uložit změny?")}
                      : QStringList());
    QCOMPARE(pageCount(), closed ? 1 : 2);
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), file);
}

void TestCloseCommands::closeKeepsPageWhenSaveDidNotHappen_data()
{
    QTest::addColumn<QString>("saveAnswer");
    QTest::addColumn<int>("overwrite");
    QTest::newRow("save as cancelled") << QString() << -1;
    QTest::newRow("overwrite answered no") << "exists.txt" << int(TPrompts::No);
    QTest::newRow("overwrite cancelled") << "exists.txt" << int(TPrompts::Cancel);
    QTest::newRow("write fails") << "missing/x.txt" << -1;
}

void TestCloseCommands::closeKeepsPageWhenSaveDidNotHappen()
{
    QFETCH(QString, saveAnswer);
    QFETCH(int, overwrite);
    makeFile("exists.txt", "old");
    type(QStringLiteral("precious"));
    m_prompts->confirmAnswers.enqueue(TPrompts::Yes);
    if (overwrite >= 0)
        m_prompts->confirmAnswers.enqueue(TPrompts::Answer(overwrite));
    m_prompts->saveAnswers.enqueue(saveAnswer.isEmpty() ? QString() : path(saveAnswer));
    m_form->Files()->mmCloseClick();
    QCOMPARE(pageCount(), 1);
    QCOMPARE(m_form->ActiveEditor()->PlainText(), QStringLiteral("precious"));
    QVERIFY(m_form->ActiveEditor()->Modified());
    QCOMPARE(TestFiles::ReadBytes(path("exists.txt"), "<unreadable>"), QByteArray("old"));
}

void TestCloseCommands::closeAllWithCancel()
{
    type(QStringLiteral("u"));        // page 0, modified
    openPage(makeFile("a.txt", "a")); // page 1
    type(QStringLiteral("A"));        // modified
    openPage(makeFile("b.txt", "b")); // page 2, unmodified
    m_prompts->confirmAnswers << TPrompts::Cancel << TPrompts::No;
    m_form->Files()->mmCloseAllClick();
    QCOMPARE(m_prompts->confirmTexts,
             QStringList({QStringLiteral("Soubor a.txt, byl změněn. Uložit změny?"),
                          QStringLiteral("Soubor bezejmenný1, byl změněn. Uložit změny?")}));
    QCOMPARE(pageCount(), 1);
    QCOMPARE(active()->Caption(), QStringLiteral("a.txt"));
    QVERIFY(active()->Editor()->Modified());
}

// A later start may open a page while a question or the save dialog is on screen; the
// command goes on with the page it was started for.
void TestCloseCommands::pageOpenedDuringQuestionIsLeftAlone_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("save as") << "save as";
    QTest::newRow("close, answer yes") << "close";
    QTest::newRow("close query, answer yes") << "close query";
}

void TestCloseCommands::pageOpenedDuringQuestionIsLeftAlone()
{
    QFETCH(QString, command);
    const QString other = makeFile("other.txt", "other");
    type(QStringLiteral("mine"));
    bool opened = false;
    auto openOther = [&] {
        if (!opened)
            m_form->Files()->OpenFile(other);
        opened = true;
    };
    m_prompts->onSaveDialog = openOther;
    m_prompts->onConfirm = openOther;
    m_prompts->confirmAnswers << TPrompts::Yes;
    m_prompts->saveAnswers << path("mine.txt");
    if (command == QLatin1String("save as"))
        m_form->Files()->mmSaveAsClick();
    else if (command == QLatin1String("close"))
        m_form->Files()->mmCloseClick();
    else
        QVERIFY(m_form->Files()->FormCloseQuery());

    QVERIFY(opened);
    QCOMPARE(TestFiles::ReadBytes(path("mine.txt"), "<unreadable>"), QByteArray("mine"));
    QCOMPARE(TestFiles::ReadBytes(other, "<unreadable>"), QByteArray("other"));
    const int otherIndex = command == QLatin1String("close") ? 0 : 1;
    QCOMPARE(pageCount(), otherIndex + 1);
    QCOMPARE(page(otherIndex)->Caption(), QStringLiteral("other.txt"));
    QCOMPARE(page(otherIndex)->Hint(), other);
    QVERIFY(!page(otherIndex)->Editor()->Modified());
    if (otherIndex == 1)
        QCOMPARE(page(0)->Caption(), QStringLiteral("mine.txt"));
}

// ---- the recent-files list ----

void TestCloseCommands::recentList_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QStringList>("expected"); // names in the test folder, newest first
    QTest::newRow("open enters every file") << "open" << QStringList{"b.txt", "a.txt"};
    QTest::newRow("save does not move a file") << "save" << QStringList{"b.txt", "a.txt"};
    QTest::newRow("save as enters the name") << "save as" << QStringList{"new.txt", "b.txt", "a.txt"};
    QTest::newRow("failed save as enters nothing") << "failed save as" << QStringList{"b.txt", "a.txt"};
    QTest::newRow("overwrite refused enters nothing") << "refused" << QStringList{"b.txt", "a.txt"};
    QTest::newRow("failed open enters nothing") << "failed open" << QStringList{"b.txt", "a.txt"};
    QTest::newRow("missing file enters nothing") << "missing" << QStringList{"b.txt", "a.txt"};
}

void TestCloseCommands::recentList()
{
    QFETCH(QString, scenario);
    QFETCH(QStringList, expected);
    const QString a = makeFile("a.txt", "a");
    openPage(a);
    openPage(makeFile("b.txt", "b"));
    if (scenario == QLatin1String("save")) {
        m_form->PageControl()->SetActivePage(page(1));
        m_form->Files()->mmSaveClick();
    } else if (scenario == QLatin1String("save as")) {
        m_prompts->saveAnswers << path("new.txt");
        m_form->Files()->mmSaveAsClick();
    } else if (scenario == QLatin1String("failed save as")) {
        m_prompts->saveAnswers << path("missing/new.txt");
        m_form->Files()->mmSaveAsClick();
    } else if (scenario == QLatin1String("refused")) {
        m_prompts->saveAnswers << a;
        m_prompts->confirmAnswers << TPrompts::No;
        m_form->Files()->mmSaveAsClick();
    } else if (scenario == QLatin1String("failed open")) {
        QVERIFY(QDir().mkdir(path("dir.txt")));
        openPage(path("dir.txt"));
        QCOMPARE(m_prompts->errors.size(), 1);
    } else if (scenario == QLatin1String("missing")) {
        openPage(path("gone.txt"));
    }
    QStringList paths;
    for (const QString &name : expected)
        paths << path(name);
    QCOMPARE(recent(), paths);
}

// ---- close query and exit ----

void TestCloseCommands::closeQueryCancelThenYes()
{
    const QString a = makeFile("a.txt", "a");
    const QString b = makeFile("b.txt", "b");
    openPage(a);
    type(QStringLiteral("1"));
    openPage(b);
    type(QStringLiteral("2"));
    m_form->PageControl()->SetActivePage(page(0));
    m_prompts->confirmAnswers << TPrompts::Cancel << TPrompts::Yes;
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_prompts->confirmTexts,
             QStringList({QStringLiteral("Soubor: a.txt, byl změněn. Uložit změny?"),
                          QStringLiteral("Soubor: b.txt, byl změněn. Uložit změny?")}));
    QCOMPARE(TestFiles::ReadBytes(a, "<unreadable>"), QByteArray("a"));
    QCOMPARE(TestFiles::ReadBytes(b, "<unreadable>"), QByteArray("2b"));
    QVERIFY(!page(2)->Editor()->Modified());
    QCOMPARE(active(), page(2));
}

void TestCloseCommands::closeQueryKeepsProgramWhenSaveAsCancelled()
{
    type(QStringLiteral("unsaved"));
    m_prompts->confirmAnswers << TPrompts::Yes;
    QVERIFY(!m_form->Files()->FormCloseQuery());
    QCOMPARE(m_prompts->saveProposals.size(), 1);
    QCOMPARE(pageCount(), 1);

    // Answered "No" it may close.
    m_prompts->confirmAnswers << TPrompts::No;
    QVERIFY(m_form->Files()->FormCloseQuery());
}

void TestCloseCommands::closeQueryWithoutChangesAsksNothing()
{
    openPage(makeFile("a.txt", "a"));
    QVERIFY(m_form->Files()->FormCloseQuery());
    QVERIFY(m_prompts->confirmTexts.isEmpty());
}

void TestCloseCommands::exitClosesWithoutQuestion()
{
    openPage(makeFile("a.txt", "a"));
    m_form->Files()->mmExitClick();
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_prompts->confirmTexts.isEmpty());
}

QTEST_MAIN(TestCloseCommands)
#include "tst_closecommands.moc"
