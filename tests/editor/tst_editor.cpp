// The editor control's services on the offscreen platform.
#include "editor/view/TRxRichEdit.h"

#include <cstdlib>
#include <QApplication>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// What the screen shows: every block laid out by the editor's own layout, each display
// line as (start, length).
QList<QPair<int, int>> shownLines(TRxRichEdit &e)
{
    QList<QPair<int, int>> lines;
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(e.document()->documentLayout());
    for (QTextBlock b = e.document()->firstBlock(); b.isValid(); b = b.next()) {
        layout->ensureBlockLayout(b);
        for (int i = 0; i < b.layout()->lineCount(); ++i) {
            const QTextLine l = b.layout()->lineAt(i);
            lines.append({b.position() + l.textStart(), l.textLength()});
        }
    }
    return lines;
}

QString paragraph(int words)
{
    QStringList w;
    for (int i = 0; i < words; ++i)
        w << QStringLiteral("slovo%1").arg(i);
    return w.join(QLatin1Char(' '));
}

} // namespace

class TstEditor : public QObject
{
    Q_OBJECT

private slots:
    void lineCountRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("abc") << QString("abc") << 1;
        QTest::newRow("abc + break") << QString("abc\n") << 1;
        QTest::newRow("two lines") << QString("a\nb") << 2;
        QTest::newRow("blank line between") << QString("a\n\nb\n") << 3;
    }
    void lineCountRules()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        TRxRichEdit e;
        e.setPlainText(text);
        QCOMPARE(e.LineCount(), lines);
    }

    // With wrap on in a narrow window the line services count the wrapped pieces exactly
    // as the editor lays them out, also after edits that split and join blocks.
    void displayLinesAgreeWithTheScreen()
    {
        TRxRichEdit e;
        e.resize(220, 300);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.setPlainText(QStringLiteral("short\n") + paragraph(40) + "\n\nx\t\ttab\t" + paragraph(3) + "\n"
                       + paragraph(25) + "\nend");
        auto check = [&e](const char *when) {
            const auto lines = shownLines(e);
            int expectedCount = int(lines.size());
            if (e.document()->lastBlock().length() <= 1)
                --expectedCount;
            if (e.LineCount() != expectedCount)
                qWarning() << when;
            QCOMPARE(e.LineCount(), expectedCount);
            for (int i = 0; i < lines.size(); ++i) {
                QCOMPARE(e.LineStart(i), lines.at(i).first);
                QCOMPARE(e.LineFromChar(lines.at(i).first), i);
                QCOMPARE(e.LineFromChar(lines.at(i).first + lines.at(i).second / 2), i);
                QCOMPARE(e.LineText(i),
                         e.document()->toPlainText().mid(lines.at(i).first, lines.at(i).second));
            }
            QCOMPARE(e.LineStart(int(lines.size())), -1);
        };
        check("after loading");
        QVERIFY(e.LineCount() > 6); // the paragraphs wrapped

        // An edit in the middle: a break splits the long paragraph, then text joins it again.
        QTextCursor c(e.document());
        c.setPosition(40);
        c.insertText(QStringLiteral("\n"));
        check("after a split");
        c.setPosition(120);
        c.insertText(paragraph(30));
        check("after growing a block");
        c.setPosition(3);
        c.setPosition(60, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        check("after a deletion across blocks");

        // A narrower window wraps more.
        const int before = e.LineCount();
        e.resize(150, 300);
        QTest::qWait(20);
        QVERIFY(e.LineCount() > before);
        check("after narrowing");

        e.SetWordWrap(false);
        QCOMPARE(e.LineCount(),
                 e.document()->blockCount() - (e.document()->lastBlock().length() <= 1 ? 1 : 0));
        check("without wrap");
    }

#if defined(__GLIBC__)
    // Counting the display lines of a long text lays out the blocks out of view in a
    // scratch layout and keeps nothing for them: a layout kept per block costs a few
    // hundred bytes each, tens of megabytes in a large file.
    void countingKeepsNoLayoutPerBlock()
    {
        TRxRichEdit e;
        e.resize(400, 300);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QString text;
        for (int i = 0; i < 40000; ++i)
            text += (i % 2 ? QStringLiteral("short line") : QString(90, QLatin1Char('w')).replace(9, 1, u' '))
                    + QLatin1Char('\n');
        e.setPlainText(text); // no events after it: the idle count has not begun
        const size_t before = mallinfo2().uordblks;
        const int lines = e.LineCount(); // counts every block
        const size_t after = mallinfo2().uordblks;
        QVERIFY(lines > 40000); // the long lines wrapped, so they were laid out
        const double perBlock = double(after > before ? after - before : 0) / 40000;
        QVERIFY2(perBlock < 16, qPrintable(QString::number(perBlock)));
    }
#endif

    void lineTextIsCutAt4096AndCaretLineIsMinusOne()
    {
        TRxRichEdit e;
        e.SetWordWrap(false);
        e.setPlainText(QString(5000, QLatin1Char('a')) + "\nbc");
        QCOMPARE(e.LineText(0).size(), 4096);
        QCOMPARE(e.LineText(1), QString("bc"));
        e.SetSelStart(5002);
        QCOMPARE(e.LineStart(-1), 5001);
    }

    void selectionServices()
    {
        TRxRichEdit e;
        e.setPlainText("ab\ncd");
        e.SetSelStart(1);
        e.SetSelLength(3);
        QCOMPARE(e.SelStart(), 1);
        QCOMPARE(e.SelLength(), 3);
        QCOMPARE(e.SelText(), QString("b\rc")); // a break is a single CR
        e.SetSelText("X\r\nY\rZ");
        QCOMPARE(e.PlainText(), QString("aX\nY\nZd"));
        QCOMPARE(e.SelStart(), 1);
        QCOMPARE(e.SelLength(), 5); // the inserted text is selected
        e.ClearSelection();
        QCOMPARE(e.PlainText(), QString("ad"));
        e.SetSelStart(100); // clamped to the end
        QCOMPARE(e.SelStart(), 2);
    }

    void wholeText()
    {
        TRxRichEdit e;
        e.setPlainText("a\nb");
        QCOMPARE(e.WholeText(), QString("a\r\nb\r\n"));
        QSignalSpy changed(&e, &TRxRichEdit::Changed);
        e.SetWholeText("x\ry\r\nz");
        QCOMPARE(e.PlainText(), QString("x\ny\nz\n"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!e.CanUndo());
        e.ClearText();
        QCOMPARE(e.PlainText(), QString());
        QVERIFY(!e.Modified());
    }

    // Every change sets the flag, undo too; only the program clears it.
    void modifiedFlagAndChangeEvents()
    {
        TRxRichEdit e;
        e.show();
        QSignalSpy changed(&e, &TRxRichEdit::Changed);
        QSignalSpy moved(&e, &TRxRichEdit::SelectionChanged);
        QVERIFY(!e.Modified());
        QTest::keyClicks(&e, "ab");
        QVERIFY(e.Modified());
        QCOMPARE(changed.count(), 2);
        QVERIFY(moved.count() >= 2);
        QTemporaryDir dir;
        QCOMPARE(e.Doc()->SaveAs(dir.filePath("ab.txt")), Document::SaveResult::Written);
        QVERIFY(!e.Modified());
        e.Undo();
        QCOMPARE(e.PlainText(), QString());
        QVERIFY(e.Modified());
    }

    void replaceRangeIsOneUndoStep()
    {
        TRxRichEdit e;
        e.setPlainText("one two three");
        e.ReplaceRange(4, 3, "2\n2");
        QCOMPARE(e.PlainText(), QString("one 2\n2 three"));
        e.Undo();
        QCOMPARE(e.PlainText(), QString("one two three"));
    }

    // The caret keeps its place around a replaced range: inside it (or at its start) it
    // stays at the start instead of riding to the end of the new text.
    void replaceRangeKeepsTheCaret_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("expected");
        QTest::newRow("before") << 2 << 2;
        QTest::newRow("at the start") << 4 << 4;
        QTest::newRow("inside") << 5 << 4;
        QTest::newRow("after, shifted") << 9 << 12;
    }
    void replaceRangeKeepsTheCaret()
    {
        QFETCH(int, caret);
        QFETCH(int, expected);
        TRxRichEdit e;
        e.setPlainText("one two three");
        e.SetSelStart(caret);
        e.ReplaceRange(4, 3, "second");
        QCOMPARE(e.PlainText(), QString("one second three"));
        QCOMPARE(e.SelStart(), expected);
        QCOMPARE(e.SelLength(), 0);
        QTest::keyClicks(&e, "x"); // typing after it inserts as usual
        QCOMPARE(e.PlainText().mid(expected, 1), QString("x"));
    }

    // At least 100 steps of undo are kept: after 101 insertions, 100 undos leave the first.
    void undoKeepsAHundredSteps()
    {
        TRxRichEdit e;
        for (int i = 0; i < 101; ++i) {
            e.SetSelStart(e.PlainText().size());
            e.SetSelText(QStringLiteral("<%1>").arg(i));
        }
        for (int i = 0; i < 100; ++i) {
            QVERIFY(e.CanUndo());
            e.Undo();
        }
        QCOMPARE(e.PlainText(), QString("<0>"));
    }

    // What cannot be stored in Windows-1250 becomes "?" as it enters.
    void foreignCharactersBecomeQuestionMarks()
    {
        TRxRichEdit e;
        e.show();
        for (const QString &typed : {QString("a"), QString::fromUtf8("ж"), QString::fromUtf8("č")}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(&e, &press);
        }
        QCOMPARE(e.PlainText(), QString("a?č"));
        auto *mime = new QMimeData;
        mime->setText(QString::fromUtf8("Ωmega\r\nž"));
        QApplication::clipboard()->setMimeData(mime);
        e.paste();
        QCOMPARE(e.PlainText(), QString("a?č?mega\nž"));
    }

    void pasteStopsAtTheLimit()
    {
        TRxRichEdit e;
        e.setPlainText(QString(TRxRichEdit::MaxLength - 3, QLatin1Char('x')));
        e.moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText("123456");
        e.paste();
        QCOMPARE(e.document()->characterCount() - 1, TRxRichEdit::MaxLength);
        QVERIFY(e.PlainText().endsWith("x123"));
        QTest::keyClick(&e, Qt::Key_Z); // typing at the limit does nothing
        QVERIFY(e.PlainText().endsWith("x123"));
    }

    void insertSwitchesOverwrite()
    {
        TRxRichEdit e;
        e.show();
        e.setPlainText("abc");
        QSignalSpy spy(&e, &TRxRichEdit::OverwriteChanged);
        QTest::keyClick(&e, Qt::Key_Insert);
        QCOMPARE(spy.count(), 1);
        QVERIFY(e.overwriteMode());
        QTest::keyClick(&e, Qt::Key_X);
        QCOMPARE(e.PlainText(), QString("xbc"));
        QTest::keyClick(&e, Qt::Key_Insert);
        QVERIFY(!e.overwriteMode());
    }

    void tabInsertsATab()
    {
        TRxRichEdit e;
        e.show();
        e.setFocus();
        QTest::keyClick(&e, Qt::Key_Tab);
        QCOMPARE(e.PlainText(), QString("\t"));
        QVERIFY(e.hasFocus() || !QApplication::focusWidget());
    }

    // Every byte but CR, LF and NUL comes back unchanged from a page, the no-break space
    // (a letter in Kamenický and Latin 2 texts) among them.
    void everyByteSurvivesTheEditor()
    {
        QTemporaryDir dir;
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        all.append("\r\nA\xa0\xa0Z\r\n");
        QFile f(dir.filePath("all.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(all);
        f.close();
        TRxRichEdit e;
        e.Doc()->Load(f.fileName());
        e.Doc()->SaveAs(dir.filePath("back.txt"));
        QFile back(dir.filePath("back.txt"));
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), all);
        QVERIFY(e.WholeText().contains(QString("A") + QChar(0xa0) + QChar(0xa0) + "Z\r\n"));
    }

    void filesRoundTripThroughTheEditor()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath("in.txt");
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("P\xf8\xedli\x9a\rk\xf9\xf2\n");
        f.close();
        TRxRichEdit e;
        e.setPlainText("old");
        e.Doc()->Load(in);
        QCOMPARE(e.PlainText(), QString("Příliš\nkůň\n"));
        QCOMPARE(e.SelStart(), 0);
        QVERIFY(!e.CanUndo());
        const QString out = dir.filePath("out.txt");
        e.Doc()->SaveAs(out);
        QFile o(out);
        QVERIFY(o.open(QIODevice::ReadOnly));
        QCOMPARE(o.readAll(), QByteArray("P\xf8\xedli\x9a\r\nk\xf9\xf2\r\n"));
        // A failed read keeps the text.
        bool failed = false;
        try {
            e.Doc()->Load(dir.filePath("missing"));
        } catch (...) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(e.PlainText(), QString("Příliš\nkůň\n"));
    }
};

QTEST_MAIN(TstEditor)
#include "tst_editor.moc"
