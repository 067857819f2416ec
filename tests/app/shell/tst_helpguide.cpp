// "&Nápověda" (F1): the user guide of the program's language in the help window, with the
// keys of this run's commands; the guide files as shipped.
#include "about/HelpGuide.h"
#include "about/TfrmAbout.h"
#include "about/THelpWindow.h"
#include "app/commands/CommandTable.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/store/TSettingsStore.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include <memory>

namespace {

QString buildDir()
{
    return qEnvironmentVariable("QUORTOSK_BUILD_DIR");
}

// The line after `command` in the window's text: the keys cell of its row.
QString keysOf(const QString &text, const QString &command)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qsizetype at = lines.indexOf(command);
    return at >= 0 ? lines.value(at + 1).trimmed() : QStringLiteral("<no row %1>").arg(command);
}

} // namespace

class TestHelpGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void keyAndMenuItemShowTheGuide_data();
    void keyAndMenuItemShowTheGuide();
    void guideNamesOnlyKeysTheWindowHas_data();
    void guideNamesOnlyKeysTheWindowHas();
    void missingGuideIsReported();

private:
    std::unique_ptr<TMainForm> start()
    {
        auto form = std::make_unique<TMainForm>(m_prompts.get(), m_store.get());
        form->About()->SetHelpFolders({buildDir() + QStringLiteral("/help")});
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    std::unique_ptr<TFakePrompts> m_prompts;
};

void TestHelpGuide::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<TSettingsStore>(m_dir->filePath(QStringLiteral("cfg/quortosk.ini")));
    m_prompts = std::make_unique<TFakePrompts>();
}

void TestHelpGuide::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void TestHelpGuide::keyAndMenuItemShowTheGuide_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("settingsRow");
    QTest::addColumn<QString>("nextAfterGuide");
    QTest::newRow("Czech") << ""
                           << "Nápověda – Quorvel Tosk"
                           << "Otevírání souborů a kódování"
                           << "Nástroje › Nastavení..."
                           << "O programu...";
    QTest::newRow("English") << "en"
                             << "Help – Quorvel Tosk"
                             << "Opening files and encodings"
                             << "Tools › Settings..."
                             << "About...";
}

void TestHelpGuide::keyAndMenuItemShowTheGuide()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, settingsRow);
    QFETCH(QString, nextAfterGuide);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral("quortosk_") + language, buildDir()));
        QApplication::installTranslator(&translator);
        LanguageChoice::Write(*m_store, language);
    }
    auto form = start();
    QVERIFY(form);
    QTest::keyClick(form->ActiveEditor(), Qt::Key_F1);
    THelpWindow *help = form->About()->HelpWindow();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), title);
    const QString text = help->Browser()->toPlainText();
    QVERIFY2(text.contains(heading), qPrintable(text.left(300)));
    // The table is this run's: the settings command's key, and the guide's own.
    QCOMPARE(keysOf(text, settingsRow), QStringLiteral("F8"));
    QVERIFY(text.contains(QStringLiteral("\nF1\n")));
    QVERIFY(!text.contains(HelpGuide::KeysMark));

    // The item stands before "O programu" and opens the same window again.
    help->close();
    QVERIFY(!help->isVisible());
    const QList<QAction *> items = form->mmHelp->actions();
    QVERIFY(items.size() >= 2);
    QCOMPARE(items.at(1)->text().remove(QLatin1Char('&')), nextAfterGuide);
    items.at(0)->trigger();
    QVERIFY(help->isVisible());
    QCOMPARE(form->findChildren<THelpWindow *>().size(), 1);
    QVERIFY(m_prompts->errors.isEmpty());
    QApplication::removeTranslator(&translator);
}

void TestHelpGuide::guideNamesOnlyKeysTheWindowHas_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("cs") << "cs";
    QTest::newRow("en") << "en";
}

// Keys the guide's own text names (the table aside) must be keys of the window's commands,
// and its links within the page must lead somewhere.
void TestHelpGuide::guideNamesOnlyKeysTheWindowHas()
{
    QFETCH(QString, language);
    const QString file = HelpGuide::File({buildDir() + QStringLiteral("/help")}, language);
    QVERIFY(file.endsWith(language + QStringLiteral("/index.html")));
    const QString html = QString::fromUtf8(TestFiles::ReadBytes(file));
    QCOMPARE(html.count(HelpGuide::KeysMark), 1);

    auto form = start();
    QVERIFY(form);
    const QList<QKeySequence> keys = form->Commands().Shortcuts();
    static const QRegularExpression named(
        QStringLiteral("\\b((?:Ctrl\\+|Shift\\+|Alt\\+)+[A-Za-z0-9]+|F\\d{1,2})\\b"));
    int found = 0;
    for (auto it = named.globalMatch(html); it.hasNext(); ++found) {
        const QString key = it.next().captured(1);
        QVERIFY2(keys.contains(QKeySequence::fromString(key)),
                 qPrintable(key + QStringLiteral(" is no command's key")));
    }
    QVERIFY(found >= 4);

    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString anchor = it.next().captured(1);
        QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(anchor));
    }
}

void TestHelpGuide::missingGuideIsReported()
{
    auto form = start();
    QVERIFY(form);
    const QString empty = m_dir->filePath(QStringLiteral("nothing"));
    form->About()->SetHelpFolders({empty});
    QTest::keyClick(form->ActiveEditor(), Qt::Key_F1);
    QCOMPARE(m_prompts->errors.size(), 1);
    QVERIFY(m_prompts->errors.first().contains(empty));
    QVERIFY(!form->About()->HelpWindow() || !form->About()->HelpWindow()->isVisible());
}

QTEST_MAIN(TestHelpGuide)
#include "tst_helpguide.moc"
