// Changes on disk made by another program: the bar above the page for a changed file (page
// unmodified or modified) and for a deleted one, with real writers on the real file system;
// the reload as one undo step; our own saves raising no bar; files dropped on the window.
#include "app/commands/FileCommands.h"
#include "app/files/FileWatch.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "ShownMainForm.h"
#include "TestFiles.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

#include <memory>

namespace {

QStringList captions(TPageBar *bar)
{
    QStringList out;
    if (bar)
        for (QPushButton *b : bar->Buttons())
            out << b->text();
    return out;
}

void click(TPageBar *bar, const QString &caption)
{
    QVERIFY(bar);
    for (QPushButton *b : bar->Buttons())
        if (b->text() == caption) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no button %1 among %2").arg(caption, captions(bar).join(", "))));
}

int visibleBars(TTabSheet *page)
{
    int n = 0;
    for (TPageBar *bar : page->Bars())
        n += bar->isVisible() ? 1 : 0;
    return n;
}

} // namespace

class TestFileWatch : public QObject, ShownMainForm<>
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void barForChangeOnDisk_data();
    void barForChangeOnDisk();
    void reloadIsOneUndoStepAndKeepsTheCaretLine();
    void bigReloadAsksFirstAndIsNotUndoable();
    void ownSavesRaiseNoBar();
    void burstRaisesOneBarThatFollowsTheFile();
    void deletedFileSavedBackOrPageClosed();
    void keptUntilTheNextChangeAlsoAfterRename();
    void keptThroughLooksAtTheFolder();
    void droppedFilesOpenAsPages_data();
    void droppedFilesOpenAsPages();
    void droppedTextStaysTheEditors();
};

void TestFileWatch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<TTabSheet *>();
}

void TestFileWatch::init()
{
    showForm();
}

void TestFileWatch::cleanup()
{
    closeForm();
}

void TestFileWatch::barForChangeOnDisk_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("buttons");
    const QString changed = QStringLiteral("Soubor byl změněn jiným programem.");
    const QString deleted = QStringLiteral("Soubor byl na disku smazán.");
    const QStringList plain{QStringLiteral("Načíst znovu"), QStringLiteral("Ponechat")};
    const QStringList edited{QStringLiteral("Načíst znovu (zahodit změny)"),
                             QStringLiteral("Ponechat moje změny")};
    const QStringList gone{QStringLiteral("Uložit"), QStringLiteral("Zavřít stránku")};
    const QString inPlace = QStringLiteral("printf 'jiný text\\r\\n' > \"$F\"");
    const QString byRename = QStringLiteral("printf 'nový\\r\\n' > \"$F.tmp\" && mv \"$F.tmp\" \"$F\"");
    QTest::newRow("written in place, page unmodified") << inPlace << false << changed << plain;
    QTest::newRow("replaced by rename, page unmodified") << byRename << false << changed << plain;
    QTest::newRow("written in place, page modified") << inPlace << true << changed << edited;
    QTest::newRow("replaced by rename, page modified") << byRename << true << changed << edited;
    QTest::newRow("deleted") << QStringLiteral("rm \"$F\"") << false << deleted << gone;
    QTest::newRow("moved away, page modified")
        << QStringLiteral("mv \"$F\" \"$F.old\"") << true << deleted << gone;
}

void TestFileWatch::barForChangeOnDisk()
{
    QFETCH(QString, command);
    QFETCH(bool, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, buttons);
    TTabSheet *page = openWritten("první\r\ndruhý\r\n");
    QVERIFY(page);
    if (typed)
        QTest::keyClicks(page->Editor(), QStringLiteral("moje "));
    const QString before = page->Editor()->PlainText();
    QVERIFY(TestFiles::OtherProgram(command, page->Hint()));
    QTRY_VERIFY(watchBar(page));
    QCOMPARE(watchBar(page)->Message(), message);
    QCOMPARE(captions(watchBar(page)), buttons);
    QVERIFY(watchBar(page)->isVisible());
    // Nothing happens without a click; a deleted file's page becomes modified.
    QCOMPARE(page->Editor()->PlainText(), before);
    QCOMPARE(page->Editor()->Modified(), typed || message.contains(QStringLiteral("smazán")));
    QCOMPARE(page->ImageIndex(), page->Editor()->Modified() ? 0 : -1);
}

void TestFileWatch::reloadIsOneUndoStepAndKeepsTheCaretLine()
{
    TTabSheet *page = openWritten("1\r\n2\r\n3 t\xf8"
                                  "et\xed\r\n4\r\n5\r\n");
    QVERIFY(page);
    TRxRichEdit *editor = page->Editor();
    const QString old = editor->PlainText();
    editor->SetSelStart(editor->document()->findBlockByNumber(2).position() + 3);
    QVERIFY(TestFiles::OtherProgram(
        QStringLiteral("printf 'a\\r\\nb\\r\\nc nov\\351\\r\\nd\\r\\n' > \"$F.new\" && mv \"$F.new\" \"$F\""),
        page->Hint()));
    QTRY_VERIFY(watchBar(page));
    click(watchBar(page), QStringLiteral("Načíst znovu"));
    QCOMPARE(editor->PlainText(), QStringLiteral("a\nb\nc nové\nd\n"));
    QVERIFY(!editor->Modified());
    QCOMPARE(page->ImageIndex(), -1);
    QCOMPARE(editor->textCursor().blockNumber(), 2);
    QCOMPARE(editor->textCursor().positionInBlock(), 3);
    QTRY_VERIFY(!watchBar(page));
    // The reload is the last undo step: Ctrl+Z gives the old text back, as a change.
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->PlainText(), old);
    QVERIFY(editor->Modified());
    // The page now differs from its file, but we know the file: no bar for it.
    QTest::qWait(400);
    QVERIFY(!watchBar(page));
}

void TestFileWatch::bigReloadAsksFirstAndIsNotUndoable()
{
    const QByteArray line(99, 'x');
    QByteArray big;
    while (big.size() <= Document::UndoableReloadLimit)
        big += line + "\r\n";
    TTabSheet *page = openWritten(big);
    QVERIFY(page);
    TRxRichEdit *editor = page->Editor();
    // The caret's line lies beyond the part of the new text that is shown at once.
    QTRY_VERIFY(!editor->Loading());
    editor->SetSelStart(editor->document()->findBlockByNumber(9000).position() + 5);
    QVERIFY(
        TestFiles::OtherProgram(QStringLiteral("yes abcdefghij | head -n 110000 > \"$F\""), page->Hint()));
    QTRY_VERIFY(watchBar(page));
    m_prompts->confirmAnswers << TPrompts::No;
    click(watchBar(page), QStringLiteral("Načíst znovu"));
    QCOMPARE(m_prompts->confirmTexts, QStringList{QStringLiteral("Změny nelze vzít zpět.")});
    QVERIFY(editor->PlainText().startsWith(QLatin1Char('x')));
    QVERIFY(watchBar(page));
    m_prompts->confirmAnswers << TPrompts::Yes;
    click(watchBar(page), QStringLiteral("Načíst znovu"));
    QTRY_VERIFY(!editor->Loading());
    QCOMPARE(editor->textCursor().blockNumber(), 9000);
    QCOMPARE(editor->textCursor().positionInBlock(), 5);
    QCOMPARE(editor->PlainText(), QStringLiteral("abcdefghij\n").repeated(110000));
    QVERIFY(!editor->Modified());
    QVERIFY(!editor->CanUndo());
    QTRY_VERIFY(!watchBar(page));
}

void TestFileWatch::ownSavesRaiseNoBar()
{
    TTabSheet *page = openWritten("text\r\n");
    QVERIFY(page);
    TRxRichEdit *editor = page->Editor();
    editor->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(editor, QStringLiteral("ab"));
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!editor->Modified());
    }
    // Save As into the same folder: a new file, also ours.
    m_prompts->saveAnswers << m_dir->filePath(QStringLiteral("b.txt"));
    QTest::keyClicks(editor, QStringLiteral("c"));
    m_form->Files()->mmSaveAsClick();
    QCOMPARE(page->Hint(), m_dir->filePath(QStringLiteral("b.txt")));
    QTest::qWait(600); // the watcher's notices of our renames come after the saves
    QVERIFY(!watchBar(page));
    QVERIFY(m_prompts->confirmTexts.isEmpty());
    // And the new file is the one watched now.
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("echo x >> \"$F\""), page->Hint()));
    QTRY_VERIFY(watchBar(page));
}

void TestFileWatch::burstRaisesOneBarThatFollowsTheFile()
{
    TTabSheet *page = openWritten("0\r\n");
    QVERIFY(page);
    QSignalSpy shown(m_form->Watch(), &FileWatch::BarShown);
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("for i in 1 2 3 4 5 6 7 8; do echo $i >> \"$F\"; done; "
                                                   "printf 'x' > \"$F.n\"; mv \"$F.n\" \"$F\""),
                                    page->Hint()));
    QTRY_VERIFY(watchBar(page));
    QTest::qWait(400);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(visibleBars(page), 1);
    // A change while the bar is up updates that bar.
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("rm \"$F\""), page->Hint()));
    QTRY_COMPARE(watchBar(page)->Message(), QStringLiteral("Soubor byl na disku smazán."));
    QCOMPARE(visibleBars(page), 1);
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("echo back > \"$F\""), page->Hint()));
    QTRY_COMPARE(watchBar(page)->Message(), QStringLiteral("Soubor byl změněn jiným programem."));
    QCOMPARE(visibleBars(page), 1);
}

void TestFileWatch::deletedFileSavedBackOrPageClosed()
{
    TTabSheet *page = openWritten("z\xf9stane\r\n");
    QVERIFY(page);
    const QString path = page->Hint();
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("rm \"$F\""), path));
    QTRY_VERIFY(watchBar(page));
    click(watchBar(page), QStringLiteral("Uložit"));
    QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("z\xf9stane\r\n"));
    QVERIFY(!page->Editor()->Modified());
    QTRY_VERIFY(!watchBar(page));
    QVERIFY(m_prompts->errors.isEmpty());

    // "Zavřít stránku": an untouched page goes at once; one with the user's edits asks.
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("rm \"$F\""), path));
    QTRY_VERIFY(watchBar(page));
    const int pages = m_form->PageControl()->PageCount();
    click(watchBar(page), QStringLiteral("Zavřít stránku"));
    QCOMPARE(m_form->PageControl()->PageCount(), pages - 1);
    QVERIFY(m_prompts->confirmTexts.isEmpty());

    TTabSheet *edited = openWritten("b\r\n", QStringLiteral("b.txt"));
    QTest::keyClicks(edited->Editor(), QStringLiteral("moje"));
    QVERIFY(TestFiles::OtherProgram(QStringLiteral("rm \"$F\""), edited->Hint()));
    QTRY_VERIFY(watchBar(edited));
    m_prompts->confirmAnswers << TPrompts::Cancel;
    click(watchBar(edited), QStringLiteral("Zavřít stránku"));
    QCOMPARE(m_prompts->confirmTexts.size(), 1);
    QCOMPARE(m_form->PageControl()->IndexOf(edited) >= 0, true);
}

void TestFileWatch::keptUntilTheNextChangeAlsoAfterRename()
{
    TTabSheet *page = openWritten("a\r\n");
    QVERIFY(page);
    const QString rename = QStringLiteral("printf \"$N\" > \"$F.t\" && mv \"$F.t\" \"$F\"");
    for (int round = 0; round < 3; ++round) {
        qputenv("N", QByteArray::number(round + 100));
        QVERIFY(TestFiles::OtherProgram(rename, page->Hint()));
        QTRY_VERIFY(watchBar(page));
        click(watchBar(page), QStringLiteral("Ponechat"));
        QTRY_VERIFY(!watchBar(page));
        QTest::qWait(300);
        QVERIFY(!watchBar(page));
        // Replaced by rename, the file is watched again under its name.
        QTRY_VERIFY(m_form->Watch()->WatchedPaths().contains(page->Hint()));
    }
    QCOMPARE(page->Editor()->PlainText(), QStringLiteral("a\n"));
}

// "Ponechat" holds while the file stays as it is, also when the file is looked at again: our
// save of another page in its folder and another program replacing a file there are both
// noticed through that folder. The file's next change brings the bar back.
void TestFileWatch::keptThroughLooksAtTheFolder()
{
    TTabSheet *kept = openWritten("a\r\n");
    TTabSheet *other = openWritten("b\r\n", QStringLiteral("b.txt"));
    QVERIFY(kept && other);
    const QString replace = QStringLiteral("printf 'x\\r\\n' > \"$F.t\" && mv \"$F.t\" \"$F\"");
    QVERIFY(TestFiles::OtherProgram(replace, kept->Hint()));
    QTRY_VERIFY(watchBar(kept));
    click(watchBar(kept), QStringLiteral("Ponechat"));
    QTRY_VERIFY(!watchBar(kept));

    QCOMPARE(m_form->ActivePage(), other);
    typeKeys(QStringLiteral("c"));
    save();
    QVERIFY(!other->Editor()->Modified());
    QVERIFY(TestFiles::OtherProgram(replace, other->Hint()));
    QTRY_VERIFY(watchBar(other)); // the folder's notices have come and been looked at
    QTest::qWait(300);
    QVERIFY(!watchBar(kept));

    QVERIFY(TestFiles::OtherProgram(QStringLiteral("echo y >> \"$F\""), kept->Hint()));
    QTRY_VERIFY(watchBar(kept));
}

void TestFileWatch::droppedFilesOpenAsPages_data()
{
    QTest::addColumn<bool>("onEditor");
    QTest::newRow("onto an editor") << true;
    QTest::newRow("onto the window") << false;
}

void TestFileWatch::droppedFilesOpenAsPages()
{
    QFETCH(bool, onEditor);
    const QString a = m_dir->filePath(QStringLiteral("první.txt"));
    const QString b = m_dir->filePath(QStringLiteral("druhý.txt"));
    QVERIFY(TestFiles::WriteBytes(a, "A\r\n") && TestFiles::WriteBytes(b, "B\r\n"));
    QWidget *target = onEditor ? m_form->ActiveEditor()->viewport() : static_cast<QWidget *>(m_form.get());
    const QString before = m_form->ActiveEditor()->PlainText();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    data.setText(a + QLatin1Char('\n') + b); // file managers give the names as text too
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(m_form->PageControl()->PageCount(), 3);
    QCOMPARE(m_form->PageControl()->Page(1)->Hint(), a);
    QCOMPARE(m_form->PageControl()->Page(2)->Hint(), b);
    QCOMPARE(m_form->PageControl()->ActivePageIndex(), 2);
    QCOMPARE(m_form->PageControl()->Page(0)->Editor()->PlainText(), before); // no names pasted
}

void TestFileWatch::droppedTextStaysTheEditors()
{
    TRxRichEdit *editor = m_form->ActiveEditor();
    QMimeData data;
    data.setText(QStringLiteral("vložený text"));
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor->viewport(), &drop);
    QCOMPARE(editor->PlainText(), QStringLiteral("vložený text"));
    QCOMPARE(m_form->PageControl()->PageCount(), 1);
}

QTEST_MAIN(TestFileWatch)
#include "tst_filewatch.moc"
