// View options of the main window: the three switches, the tab position and multi-row
// tabs, and the language submenu.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/pages/TTabStrip.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/store/TSettingsStore.h"
#include "speedbar/TSpeedBar.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

QWidget *switchedWidget(TMainForm &form, const QString &action)
{
    if (action == QLatin1String("mmTOOLBAR"))
        return form.ToolBar;
    if (action == QLatin1String("mmStatusBar"))
        return form.StatusBar;
    return form.pnlLEVY;
}

void callHandler(TMainForm &form, const QString &action)
{
    if (action == QLatin1String("mmTOOLBAR"))
        form.View()->mmTOOLBARClick();
    else if (action == QLatin1String("mmStatusBar"))
        form.View()->mmStatusBarClick();
    else
        form.View()->mmSpeedClick();
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestViewOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void switches_data();
    void firstRunHidesAllThree();
    void switches();
    void switchSetsVisibilityFromTheCheckMark_data();
    void switchSetsVisibilityFromTheCheckMark();
    void f9ShowsTheSidePanel();
    void tabPosition_data();
    void tabPosition();
    void multiLine_data();
    void multiLine();
    void tabMenuHoldsBothItems();
    void languageMenuLists();
    void languageMenuDisabledWithoutFiles();
    void languageChoiceStoredAndRestartAsked_data();
    void languageChoiceStoredAndRestartAsked();
    void languageChoiceNotStorable();
    void languageInUseIsChecked_data();
    void languageInUseIsChecked();
};

void TestViewOptions::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestViewOptions::switches_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("toolbar") << "mmTOOLBAR";
    QTest::newRow("status bar") << "mmStatusBar";
    QTest::newRow("side panel") << "mmSpeed";
}

void TestViewOptions::firstRunHidesAllThree()
{
    // A first run without stored settings: menu bar and page only.
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char *name : {"mmTOOLBAR", "mmStatusBar", "mmSpeed"}) {
        const QString action = QLatin1String(name);
        QVERIFY2(!form.Commands().Action(action)->isChecked(), name);
        QVERIFY2(switchedWidget(form, action)->isHidden(), name);
    }
}

void TestViewOptions::switches()
{
    QFETCH(QString, action);
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAction *item = form.Commands().Action(action);
    QWidget *widget = switchedWidget(form, action);
    QVERIFY(item->isCheckable());

    // Through the menu item (QAction toggles checkable items on its own first).
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(!widget->isHidden());
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(widget->isHidden());

    // The handler called directly, as the toolbar's buttons do.
    callHandler(form, action);
    QVERIFY(item->isChecked());
    QVERIFY(!widget->isHidden());
    callHandler(form, action);
    QVERIFY(!item->isChecked());
    QVERIFY(widget->isHidden());
}

void TestViewOptions::switchSetsVisibilityFromTheCheckMark_data()
{
    switches_data();
}

void TestViewOptions::switchSetsVisibilityFromTheCheckMark()
{
    // Check mark and visibility are stored apart; a mismatch is settled by the next click.
    QFETCH(QString, action);
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *widget = switchedWidget(form, action);
    widget->show(); // shown, but no check mark
    form.Commands().Action(action)->trigger();
    QVERIFY(form.Commands().Action(action)->isChecked());
    QVERIFY(!widget->isHidden());
    form.Commands().Action(action)->trigger();
    QVERIFY(widget->isHidden());
}

void TestViewOptions::f9ShowsTheSidePanel()
{
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.pnlLEVY->isHidden());
    QTest::keyClick(form.ActiveEditor(), Qt::Key_F9);
    QVERIFY(form.Commands().Action("mmSpeed")->isChecked());
    QVERIFY(!form.pnlLEVY->isHidden());
    QTest::keyClick(form.ActiveEditor(), Qt::Key_F9);
    QVERIFY(form.pnlLEVY->isHidden());
}

void TestViewOptions::tabPosition_data()
{
    QTest::addColumn<bool>("restoredAtBottom");
    QTest::addColumn<QList<bool>>("bottomAfterClicks");
    QTest::addColumn<QStringList>("captionAfterClicks");
    QTest::newRow("restored at the top") << false << QList<bool>{true, false, true}
                                         << QStringList{"Záložky nahoře", "Záložky dole", "Záložky nahoře"};
    // The caption starts as "Záložky dole" whatever was restored: the first choice
    // leaves the tabs at the bottom.
    QTest::newRow("restored at the bottom")
        << true << QList<bool>{true, false, true}
        << QStringList{"Záložky nahoře", "Záložky dole", "Záložky nahoře"};
}

void TestViewOptions::tabPosition()
{
    QFETCH(bool, restoredAtBottom);
    QFETCH(QList<bool>, bottomAfterClicks);
    QFETCH(QStringList, captionAfterClicks);
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.PageControl1->SetTabsAtBottom(restoredAtBottom);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAction *item = form.Commands().Action("mmZALOZKY");
    QCOMPARE(item->text(), QStringLiteral("Záložky dole"));
    for (int i = 0; i < bottomAfterClicks.size(); ++i) {
        item->trigger();
        QCOMPARE(form.PageControl1->TabsAtBottom(), bottomAfterClicks.at(i));
        QCOMPARE(form.PageControl1->TabStrip()->atBottom(), bottomAfterClicks.at(i));
        QCOMPARE(item->text(), captionAfterClicks.at(i));
    }
}

void TestViewOptions::multiLine_data()
{
    QTest::addColumn<bool>("restored");
    QTest::addColumn<QList<bool>>("multiAfterClicks");
    QTest::newRow("restored single row") << false << QList<bool>{true, false, true};
    // The check mark is not stored: it starts off even when the rows were restored on.
    QTest::newRow("restored multi-row") << true << QList<bool>{true, false, true};
}

void TestViewOptions::multiLine()
{
    QFETCH(bool, restored);
    QFETCH(QList<bool>, multiAfterClicks);
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.PageControl1->SetMultiLine(restored);
    form.resize(300, 300);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 12; ++i)
        form.Pages()->mmNewClick();
    QAction *item = form.Commands().Action("mmMultiLine");
    QVERIFY(item->isCheckable());
    QVERIFY(!item->isChecked());
    TTabStrip *strip = form.PageControl1->TabStrip();
    for (bool expected : multiAfterClicks) {
        item->trigger();
        QCOMPARE(item->isChecked(), expected);
        QCOMPARE(form.PageControl1->MultiLine(), expected);
        // Thirteen pages in a narrow window need several rows, and the strip gets them.
        QTRY_COMPARE(strip->rowCount() > 1, expected);
        QTRY_COMPARE(strip->height(), strip->heightForWidth(strip->width()));
    }
}

void TestViewOptions::tabMenuHoldsBothItems()
{
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    const QList<QAction *> items = form.pmMAINPAGE->actions();
    QVERIFY(items.contains(form.Commands().Action("mmZALOZKY")));
    QVERIFY(items.contains(form.Commands().Action("mmMultiLine")));
}

void TestViewOptions::languageMenuLists()
{
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    QTemporaryDir dir;
    for (const char *name : {"quortosk_en.qm", "quortosk_de_AT.qm", "quortosk_xx.qm", "readme.txt"})
        touch(dir.filePath(QLatin1String(name)));
    form.View()->FillLanguageMenu({dir.path()});
    QVERIFY(form.mmLANGUAGE->isEnabled());
    QStringList names, captions;
    for (QAction *a : form.mmLANGUAGE->actions()) {
        names << a->objectName();
        captions << a->text();
    }
    QCOMPARE(names, QStringList({"Dflt1", "de_AT1", "en1"}));
    QCOMPARE(captions, QStringList({"[default]", "Deutsch (Österreich)", "English"}));

    // Filling again replaces the items.
    QTemporaryDir other;
    touch(other.filePath(QStringLiteral("quortosk_cs.qm")));
    form.View()->FillLanguageMenu({other.path()});
    names.clear();
    for (QAction *a : form.mmLANGUAGE->actions())
        names << a->objectName();
    QCOMPARE(names, QStringList({"Dflt1", "cs1"}));
}

void TestViewOptions::languageMenuDisabledWithoutFiles()
{
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("quortosk_xx.qm"))); // no such language
    form.View()->FillLanguageMenu({dir.path()});
    QVERIFY(!form.mmLANGUAGE->isEnabled());
    QVERIFY(form.mmLANGUAGE->actions().isEmpty());
}

void TestViewOptions::languageChoiceStoredAndRestartAsked_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("stored");
    QTest::newRow("English") << "en1"
                             << "en";
    QTest::newRow("with country") << "de_AT1"
                                  << "de_AT";
    QTest::newRow("[default]") << "Dflt1"
                               << "";
}

void TestViewOptions::languageChoiceStoredAndRestartAsked()
{
    QFETCH(QString, item);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath(QStringLiteral("quortosk.ini")));
    LanguageChoice::Write(store, QStringLiteral("sk"));
    TFakePrompts prompts;
    TMainForm form(&prompts, &store);
    touch(dir.filePath(QStringLiteral("quortosk_en.qm")));
    touch(dir.filePath(QStringLiteral("quortosk_de_AT.qm")));
    form.View()->FillLanguageMenu({dir.path()});
    const QString newCaption = form.Commands().Action("mmNew")->text();

    QAction *choice = form.mmLANGUAGE->findChild<QAction *>(item);
    QVERIFY(choice);
    choice->trigger();
    QCOMPARE(LanguageChoice::Read(store), stored);
    QCOMPARE(prompts.messages, QStringList({"Quorvel Tosk|Restart this program"}));
    QVERIFY(prompts.errors.isEmpty());
    // Nothing changes in the running program.
    QCOMPARE(form.Commands().Action("mmNew")->text(), newCaption);
}

void TestViewOptions::languageChoiceNotStorable()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("file")));
    TSettingsStore store(dir.filePath(QStringLiteral("file/quortosk.ini")));
    TFakePrompts prompts;
    TMainForm form(&prompts, &store);
    touch(dir.filePath(QStringLiteral("quortosk_en.qm")));
    form.View()->FillLanguageMenu({dir.path()});
    form.mmLANGUAGE->findChild<QAction *>(QStringLiteral("en1"))->trigger();
    // A choice that could not be kept is reported, not followed by "Restart", and the check
    // mark stays where it was.
    QCOMPARE(prompts.errors.size(), 1);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!form.mmLANGUAGE->findChild<QAction *>(QStringLiteral("en1"))->isChecked());
}

// The language in use carries the check mark: Czech when nothing is stored, "[default]"
// when the chosen translation cannot be loaded. Choosing moves the mark to the new choice.
void TestViewOptions::languageInUseIsChecked_data()
{
    QTest::addColumn<QString>("ini"); // the Options section's text
    QTest::addColumn<QString>("checked");
    QTest::newRow("nothing stored: Czech") << ""
                                           << "cs1";
    QTest::newRow("English") << "Language=en"
                             << "en1";
    QTest::newRow("[default]") << "Language=Dflt"
                               << "Dflt1";
    QTest::newRow("no such file: the source texts") << "Language=fr"
                                                    << "Dflt1";
}

void TestViewOptions::languageInUseIsChecked()
{
    QFETCH(QString, ini);
    QFETCH(QString, checked);
    const QString built = qEnvironmentVariable("QUORTOSK_BUILD_DIR");
    QTemporaryDir dir;
    for (const char *code : {"cs", "en"}) {
        const QString name = QStringLiteral("quortosk_%1.qm").arg(QLatin1String(code));
        if (!QFile::copy(built + QLatin1Char('/') + name, dir.filePath(name)))
            QSKIP("the translations are not built");
    }
    {
        QFile f(dir.filePath(QStringLiteral("quortosk.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Options]\n" + ini.toUtf8() + "\n");
    }
    TSettingsStore store(dir.filePath(QStringLiteral("quortosk.ini")));
    TFakePrompts prompts;
    TMainForm form(&prompts, &store);
    form.View()->FillLanguageMenu({dir.path()});
    QStringList captions, marked;
    for (QAction *a : form.mmLANGUAGE->actions()) {
        captions << a->text();
        if (a->isChecked())
            marked << a->objectName();
    }
    QCOMPARE(captions, QStringList({"[default]", "Čeština", "English"}));
    QCOMPARE(marked, QStringList{checked});

    QAction *other = form.mmLANGUAGE->findChild<QAction *>(checked == QLatin1String("en1") ? "cs1" : "en1");
    other->trigger();
    marked.clear();
    for (QAction *a : form.mmLANGUAGE->actions())
        if (a->isChecked())
            marked << a->objectName();
    QCOMPARE(marked, QStringList{other->objectName()});
}

QTEST_MAIN(TestViewOptions)
#include "tst_viewoptions.moc"
