// The main window's status bar: caret panels from the selection events, key panels and
// the hint panel.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/pages/TTabStrip.h"
#include "app/shell/TMainForm.h"
#include "app/shell/TStatusPanels.h"
#include "app/shell/TStatusText.h"
#include "editor/view/TRxRichEdit.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString grouped(QString text)
{
    return text.replace(QLatin1Char('_'), QLocale().groupSeparator());
}

struct Fixture
{
    TFakePrompts prompts;
    TMainForm form{&prompts, nullptr};
    TStatusPanels *panels = form.findChild<TStatusPanels *>();

    Fixture()
    {
        form.resize(700, 500);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(panels);
    }
    QStringList caret() const { return {panels->PanelText(1), panels->PanelText(2), panels->PanelText(3)}; }
};

} // namespace

class TestStatusBar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sevenPanelsStartEmpty();
    void caretPanels_data();
    void caretPanels();
    void typingMovesTheCaretPanels();
    void wrappedParagraphCountsDisplayLines();
    void valuesOfTheEditorThatMoved();
    void switchingPagesShowsTheActivePage();
    void hiddenBarKeepsUpdating();
    void lineFollowsWhenCountingTakesLong();
    void insertKeyShowsOverwrite();
    void lockPanels_data();
    void lockPanels();
    void hintOf_data();
    void hintOf();
    void editorHintAfterSaveAs();
    void menuItemHintGoesToLastPanel();
    void hintFollowsTheMouse();
};

// A jump across a large text that was just loaded moves at once; the line and column
// panels fill in when the display lines before the caret are counted, in short slices.
void TestStatusBar::lineFollowsWhenCountingTakesLong()
{
    Fixture f;
    QStringList paragraphs;
    for (int i = 0; i < 3000; ++i)
        paragraphs << QStringLiteral("slovo ").repeated(150) + QString::number(i);
    TRxRichEdit *editor = f.form.ActiveEditor();
    editor->setPlainText(paragraphs.join(QLatin1Char('\n')));
    const int end = editor->document()->characterCount() - 1;
    editor->SetSelStart(end);
    const QLocale locale;
    QCOMPARE(f.panels->PanelText(3), locale.toString(end));
    QCOMPARE(f.panels->PanelText(1), QString()); // 2.7 M characters are not laid out in 8 ms
    QTRY_VERIFY_WITH_TIMEOUT(!f.panels->PanelText(1).isEmpty(), 20000);
    const int line = editor->LineFromChar(end);
    QVERIFY(line > 3000); // the paragraphs wrapped
    const StatusText::Caret expected = StatusText::CaretPanels(end, line, editor->LineStart(line), locale);
    QCOMPARE(f.caret(), QStringList({expected.line, expected.column, expected.position}));
}

void TestStatusBar::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Czech grouping (a no-break space) so that the separator is really checked.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
}

void TestStatusBar::sevenPanelsStartEmpty()
{
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    auto *panels = form.findChild<TStatusPanels *>();
    QVERIFY(panels);
    QVERIFY(form.StatusBar->isHidden()); // hidden by default
    for (int i = 1; i <= TStatusPanels::PanelCount; ++i) {
        QVERIFY(panels->Panel(i));
        QCOMPARE(panels->Panel(i)->parentWidget(), form.StatusBar);
        QCOMPARE(panels->PanelText(i), QString());
    }
    // Panels 1 to 6 keep their width; the last one takes what is left.
    form.StatusBar->show();
    form.resize(800, 400);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int i = 1; i < TStatusPanels::PanelCount; ++i)
        QCOMPARE(panels->Panel(i)->minimumWidth(), panels->Panel(i)->maximumWidth());
    QLabel *last = panels->Panel(7);
    // It reaches to the page's encoding panel, which ends the bar.
    const QLabel *encoding = form.StatusBar->findChild<QLabel *>(QStringLiteral("StatusPanelEncoding"));
    QVERIFY(encoding);
    QVERIFY(encoding->geometry().right() > form.StatusBar->width() - 40);
    QVERIFY(last->geometry().right() > encoding->geometry().left() - 20);
    QVERIFY(last->width() > panels->Panel(3)->width());
}

void TestStatusBar::caretPanels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("very start") << "abc\ndef" << 0 << QStringList{"1", "1", "0"};
    QTest::newRow("start of third line after two of ten")
        << "0123456789\n0123456789\nxyz" << 22 << QStringList{"3", "1", "22"};
    QTest::newRow("inside the second line") << "0123456789\nabcdef" << 14 << QStringList{"2", "4", "14"};
    QTest::newRow("end of the text") << "ab\ncd" << 5 << QStringList{"2", "3", "5"};
    QTest::newRow("thousands grouped")
        << QString(3000, QLatin1Char('a')) << 1234 << QStringList{"1", "1_235", "1_234"};
}

void TestStatusBar::caretPanels()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QStringList, expected);
    Fixture f;
    TRxRichEdit *editor = f.form.ActiveEditor();
    QVERIFY(editor);
    editor->SetWordWrap(false);
    editor->SetWholeText(text);
    editor->SetSelStart(caret);
    for (QString &e : expected)
        e = grouped(e);
    QCOMPARE(f.caret(), expected);
    // A selection reports its start.
    editor->SetSelStart(caret);
    editor->SetSelLength(qMin(2, int(text.size()) - caret));
    QCOMPARE(f.caret(), expected);
}

void TestStatusBar::typingMovesTheCaretPanels()
{
    Fixture f;
    TRxRichEdit *editor = f.form.ActiveEditor();
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("abc"));
    QCOMPARE(f.caret(), QStringList({"1", "4", "3"}));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.caret(), QStringList({"2", "1", "4"}));
    QTest::keyClick(editor, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(f.caret(), QStringList({"1", "1", "0"}));
}

void TestStatusBar::wrappedParagraphCountsDisplayLines()
{
    Fixture f;
    TRxRichEdit *editor = f.form.ActiveEditor();
    QString paragraph;
    for (int i = 0; i < 200; ++i)
        paragraph += QStringLiteral("slovo ");
    editor->SetWholeText(paragraph);
    const int pos = int(paragraph.size()) - 3;

    editor->SetWordWrap(false);
    editor->SetSelStart(0);
    editor->SetSelStart(pos);
    const QLocale locale;
    QCOMPARE(f.caret(), QStringList({"1", locale.toString(pos + 1), locale.toString(pos)}));

    editor->SetWordWrap(true);
    editor->SetSelStart(0);
    editor->SetSelStart(pos);
    const QStringList wrapped = f.caret();
    QVERIFY2(wrapped.at(0).toInt() > 1, qPrintable(wrapped.join(',')));
    QVERIFY(QLocale().toInt(wrapped.at(1)) < pos + 1);
    QCOMPARE(wrapped.at(2), locale.toString(pos)); // the position does not depend on wrapping
}

void TestStatusBar::valuesOfTheEditorThatMoved()
{
    Fixture f;
    TRxRichEdit *first = f.form.ActiveEditor();
    first->SetWholeText(QStringLiteral("one\ntwo\nthree"));
    f.form.Pages()->mmNewClick();
    TRxRichEdit *second = f.form.ActiveEditor();
    QVERIFY(second != first);
    second->SetWholeText(QStringLiteral("x"));
    second->SetSelStart(1);
    QCOMPARE(f.caret(), QStringList({"1", "2", "1"}));
    // The background page's editor moves (as a find dialog may move it): its values show.
    first->SetSelStart(9);
    QCOMPARE(f.caret(), QStringList({"3", "2", "9"}));
    QCOMPARE(f.form.ActiveEditor(), second);
}

void TestStatusBar::switchingPagesShowsTheActivePage()
{
    Fixture f;
    f.form.ActiveEditor()->SetWholeText(QStringLiteral("abc"));
    f.form.Pages()->mmNewClick();
    TRxRichEdit *second = f.form.ActiveEditor();
    second->SetWholeText(QStringLiteral("first line\nsecond"));
    second->SetSelStart(14);
    const QStringList before = f.caret();
    QCOMPARE(before, QStringList({"2", "4", "14"}));
    // Right after a switch the panels show the page now active, before its caret moves.
    f.form.Pages()->zalvpred1Click();
    TRxRichEdit *first = f.form.ActiveEditor();
    QVERIFY(first != second);
    const int at = first->SelStart();
    QCOMPARE(f.caret(), QStringList({"1", QString::number(at + 1), QString::number(at)}));
    f.form.Pages()->zalvpred1Click();
    QCOMPARE(f.caret(), before);
}

void TestStatusBar::hiddenBarKeepsUpdating()
{
    Fixture f;
    f.form.View()->mmStatusBarClick();
    QVERIFY(!f.form.StatusBar->isHidden());
    f.form.View()->mmStatusBarClick();
    QVERIFY(f.form.StatusBar->isHidden());
    TRxRichEdit *editor = f.form.ActiveEditor();
    editor->SetWholeText(QStringLiteral("a\nb\nc"));
    editor->SetSelStart(4);
    f.form.View()->mmStatusBarClick();
    QCOMPARE(f.caret(), QStringList({"3", "1", "4"}));
}

void TestStatusBar::insertKeyShowsOverwrite()
{
    Fixture f;
    TRxRichEdit *editor = f.form.ActiveEditor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A);
    QTRY_COMPARE(f.panels->PanelText(4), QStringLiteral("INS"));
    QTest::keyClick(editor, Qt::Key_Insert);
    QTRY_COMPARE(f.panels->PanelText(4), QStringLiteral("OVR"));
    // Another page has its own mode; the panel follows the active page.
    f.form.Pages()->mmNewClick();
    QTRY_COMPARE(f.panels->PanelText(4), QStringLiteral("INS"));
    f.form.Pages()->zalzpet1Click();
    QTRY_COMPARE(f.panels->PanelText(4), QStringLiteral("OVR"));
    QTest::keyClick(f.form.ActiveEditor(), Qt::Key_Insert);
    QTRY_COMPARE(f.panels->PanelText(4), QStringLiteral("INS"));
}

void TestStatusBar::lockPanels_data()
{
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("num");
    QTest::addColumn<QString>("capPanel");
    QTest::addColumn<QString>("numPanel");
    QTest::newRow("caps on") << true << true << false << "CAP"
                             << "";
    QTest::newRow("num on") << true << false << true << ""
                            << "NUM";
    QTest::newRow("both") << true << true << true << "CAP"
                          << "NUM";
    QTest::newRow("platform cannot tell") << false << true << true << ""
                                          << "";
}

void TestStatusBar::lockPanels()
{
    QFETCH(bool, known);
    QFETCH(bool, caps);
    QFETCH(bool, num);
    QFETCH(QString, capPanel);
    QFETCH(QString, numPanel);
    Fixture f;
    TKeyboardLocks state;
    f.panels->SetLockReader([&state] { return state; });
    TRxRichEdit *editor = f.form.ActiveEditor();
    editor->SetWholeText(QStringLiteral("text"));
    editor->SetSelStart(2);
    const QStringList caretBefore = f.caret();

    // The key press itself refreshes the panels; the caret does not move.
    state = {known, caps, num};
    QTest::keyClick(editor, Qt::Key_CapsLock);
    QTRY_COMPARE(f.panels->PanelText(5), capPanel);
    QTRY_COMPARE(f.panels->PanelText(6), numPanel);
    QCOMPARE(f.caret(), caretBefore);

    state = {known, false, false};
    QTest::keyClick(editor, Qt::Key_CapsLock);
    QTRY_COMPARE(f.panels->PanelText(5), QString());
    QTRY_COMPARE(f.panels->PanelText(6), QString());
}

void TestStatusBar::hintOf_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected");
    QTest::newRow("editor of an untitled page") << "editor"
                                                << "bezejmenný1";
    QTest::newRow("editor with its own hint after Save As") << "saved editor"
                                                            << "/tmp/dopis.txt";
    QTest::newRow("status bar panel")
        << "panel"
        << "Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, Cesta k souboru";
    QTest::newRow("menu bar") << "menu bar"
                              << "";
    QTest::newRow("tab strip") << "tabs"
                               << "";
}

void TestStatusBar::hintOf()
{
    QFETCH(QString, where);
    QFETCH(QString, expected);
    Fixture f;
    QWidget *w = nullptr;
    if (where == QLatin1String("editor")) {
        w = f.form.ActiveEditor()->viewport();
    } else if (where == QLatin1String("saved editor")) {
        f.form.ActiveEditor()->setStatusTip(QStringLiteral("/tmp/dopis.txt"));
        w = f.form.ActiveEditor()->viewport();
    } else if (where == QLatin1String("panel")) {
        w = f.panels->Panel(3);
    } else if (where == QLatin1String("menu bar")) {
        w = f.form.menuBar();
    } else {
        w = f.form.PageControl1->TabStrip();
    }
    QCOMPARE(TStatusPanels::HintOf(w), expected);
}

void TestStatusBar::editorHintAfterSaveAs()
{
    Fixture f;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("dopis.txt"));
    f.form.ActiveEditor()->SetWholeText(QStringLiteral("text"));
    QWidget *viewport = f.form.ActiveEditor()->viewport();
    QCOMPARE(TStatusPanels::HintOf(viewport), QStringLiteral("bezejmenný1"));
    f.prompts.saveAnswers.enqueue(name);
    f.form.Files()->mmSaveAsClick();
    QVERIFY(QFileInfo::exists(name));
    QCOMPARE(TStatusPanels::HintOf(viewport), QFileInfo(name).absoluteFilePath());
}

void TestStatusBar::menuItemHintGoesToLastPanel()
{
    Fixture f;
    f.form.StatusBar->show();
    auto *item = new QAction(QStringLiteral("&1\t/home/jan/a.txt"), f.form.mmReopen);
    item->setStatusTip(QStringLiteral("/home/jan/a.txt"));
    f.form.mmReopen->addAction(item);
    // What a menu of the menu bar does when the item is highlighted: the tip goes to the
    // menu bar and on to the window.
    item->showStatusText(f.form.menuBar());
    QCOMPARE(f.panels->PanelText(7), QStringLiteral("/home/jan/a.txt"));
    // The panels stay: no temporary message covers them.
    QCOMPARE(f.form.StatusBar->currentMessage(), QString());
    QVERIFY(f.panels->Panel(1)->isVisible());

    auto *withShort = new QAction(QStringLiteral("x"), f.form.mmFile);
    withShort->setStatusTip(QStringLiteral("krátký|dlouhý text"));
    withShort->showStatusText(f.form.mmFile); // a menu popped up on its own
    QCOMPARE(f.panels->PanelText(7), QStringLiteral("dlouhý text"));
    QCOMPARE(f.form.StatusBar->currentMessage(), QString());
}

void TestStatusBar::hintFollowsTheMouse()
{
    Fixture f;
    f.form.StatusBar->show();
    QTRY_VERIFY(f.panels->Panel(7)->isVisible());
    QWidget *viewport = f.form.ActiveEditor()->viewport();
    const QPoint overEditor = viewport->mapToGlobal(viewport->rect().center());
    QCursor::setPos(overEditor);
    if (QCursor::pos() != overEditor)
        QSKIP("this platform cannot place the mouse pointer");
    QTest::mouseMove(viewport, viewport->rect().center());
    QTRY_COMPARE(f.panels->PanelText(7), QStringLiteral("bezejmenný1"));

    QLabel *panel = f.panels->Panel(2);
    QCursor::setPos(panel->mapToGlobal(panel->rect().center()));
    QTest::mouseMove(panel, panel->rect().center());
    QTRY_VERIFY(f.panels->PanelText(7).startsWith(QStringLiteral("Řádek, Sloupec")));
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
