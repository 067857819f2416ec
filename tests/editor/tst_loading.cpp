// A large file is shown from its start at once and taken in between events: nothing of the
// load enters the undo history or the modified flag, what is typed into the part shown
// meanwhile is kept, and whatever needs the whole text (saving, Ctrl+End) gets all of it.
#include "text/Cp1250.h"
#include "editor/view/TRxRichEdit.h"
#include "TestFiles.h"

#include <QFile>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TstLoading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_bytes;
    QString m_path;

    std::unique_ptr<TRxRichEdit> loaded()
    {
        auto e = std::make_unique<TRxRichEdit>();
        e->resize(600, 400);
        e->show();
        e->Doc()->Load(m_path);
        return e;
    }

private slots:
    void initTestCase()
    {
        // 3 MB of numbered lines with Czech letters and a no-break space (byte A0).
        for (int i = 0; m_bytes.size() < 3 * 1024 * 1024; ++i)
            m_bytes += "\xf8\xe1\x64\x65k " + QByteArray::number(i) + " \xa0\x9e\x6cu\x9dou\xe8k\xfd\r\n";
        m_path = m_dir.filePath("big.txt");
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(m_bytes);
    }

    void comesInBetweenEvents()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        QVERIFY(e->document()->characterCount() < m_bytes.size() / 2);
        QSignalSpy progress(e->Doc(), &Document::LoadProgress);
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QVERIFY(!e->isReadOnly());
        QVERIFY(!e->Modified());
        QVERIFY(!e->CanUndo());
        QCOMPARE(Cp1250::encode(e->PlainText()).replace("\n", "\r\n"), m_bytes);
    }

    // The text as the file holds it, "\n" between lines.
    QString fileText() const
    {
        return Cp1250::decode(m_bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

    // Keys typed at the same places into `e`, while it loads or after.
    static void typeEdits(TRxRichEdit *e)
    {
        QTest::keyClicks(e, "xy"); // at the start of the text
        QTest::keyClick(e, Qt::Key_Down);
        QTest::keyClick(e, Qt::Key_Delete); // the second line's first letter
        QTest::keyClick(e, Qt::Key_Down);
        QTest::keyClick(e, Qt::Key_Return); // the third line split
        QTest::keyClicks(e, "z");
    }

    // What is typed into the part shown while the rest comes in is kept: the whole text takes
    // it at the same places, the flag is set once, and undo takes it back step by step as it
    // does on a text typed into after its load.
    void typingWhileLoadingIsKept()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        QVERIFY(!e->isReadOnly());
        QSignalSpy flag(e->Doc(), &Document::ModifiedChanged);
        typeEdits(e.get());
        QVERIFY(e->Loading()); // keys are sent at once: the text is whole only between events
        QCOMPARE(flag.size(), 1);
        const int caret = e->SelStart();

        auto after = loaded(); // the same keys typed once the text is whole
        QTRY_VERIFY_WITH_TIMEOUT(!after->Loading(), 30000);
        typeEdits(after.get());
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        QCOMPARE(e->PlainText(), after->PlainText());
        QVERIFY(e->PlainText() != fileText());
        QCOMPARE(e->SelStart(), caret);
        QVERIFY(e->Modified());
        QCOMPARE(flag.size(), 1);
        int steps = 0;
        while (after->CanUndo()) {
            QVERIFY(e->CanUndo());
            e->Undo();
            after->Undo();
            QCOMPARE(e->PlainText(), after->PlainText());
            ++steps;
        }
        QVERIFY(steps >= 3); // the typing, the Delete and the split at least
        QVERIFY(!e->CanUndo());
        QCOMPARE(e->PlainText(), fileText());
        QVERIFY(e->Modified()); // undoing back to the file's text leaves the flag set
        while (e->CanRedo())
            e->Redo();
        while (after->CanRedo())
            after->Redo();
        QCOMPARE(e->PlainText(), after->PlainText());
    }

    // Undo and redo while the rest comes in are the whole text's undo and redo: what was
    // undone stays undone, and what is still to redo can be redone after the swap.
    void undoWhileLoadingIsKept()
    {
        auto e = loaded();
        QTest::keyClicks(e.get(), "ab");
        QTest::keyClick(e.get(), Qt::Key_Down);
        QTest::keyClick(e.get(), Qt::Key_Home);
        QTest::keyClicks(e.get(), "-");
        e->Undo(); // the dash
        QTest::keyClick(e.get(), Qt::Key_Z, Qt::ControlModifier); // "ab", by its key
        e->Redo(); // "ab" again; the dash is still to redo
        QVERIFY(e->Loading());
        QCOMPARE(e->PlainText().left(2), QStringLiteral("ab"));
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        const QString file = fileText();
        QCOMPARE(e->PlainText(), QStringLiteral("ab") + file);
        QVERIFY(e->CanRedo());
        e->Redo();
        const int second = int(file.indexOf(QLatin1Char('\n'))) + 1;
        QCOMPARE(e->PlainText(),
                 QStringLiteral("ab") + file.left(second) + QLatin1Char('-') + file.mid(second));
        e->Undo();
        e->Undo();
        QVERIFY(!e->CanUndo());
        QCOMPARE(e->PlainText(), file);
    }

    // The end of the part shown is not the end of the text: Delete there waits (and says
    // why), while typing there goes in before the rest.
    void endOfThePartShown()
    {
        auto e = loaded();
        e->moveCursor(QTextCursor::End);
        const int end = e->TextLength();
        QVERIFY(end < m_bytes.size() / 2);
        QSignalSpy blocked(e.get(), &TRxRichEdit::LoadBlocked);
        QTest::keyClick(e.get(), Qt::Key_Delete);
        QTest::keyClick(e.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(blocked.size(), 2);
        QVERIFY(!e->Modified());
        QTest::keyClicks(e.get(), "Q");
        QVERIFY(e->Loading());
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        const QString file = fileText();
        QCOMPARE(e->PlainText(), file.left(end) + QLatin1Char('Q') + file.mid(end));
        QCOMPARE(e->SelStart(), end + 1);
        // Once whole, Delete there joins the lines as anywhere.
        QTest::keyClick(e.get(), Qt::Key_Delete);
        QCOMPARE(blocked.size(), 2);
        QCOMPARE(e->PlainText(), file.left(end) + QLatin1Char('Q') + file.mid(end + 1));
    }

    // Saving and the services that need the whole text never see a part of it.
    void wholeTextServicesWaitForTheRest()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        const QString copy = m_dir.filePath("copy.txt");
        e->Doc()->SaveAs(copy);
        QVERIFY(!e->Loading());
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), m_bytes);

        // Ctrl+End does not wait: the caret goes to the end of the part there, and on to the
        // real end when the text is whole.
        auto second = loaded();
        QVERIFY(second->Loading());
        QTest::keyClick(second.get(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(second->Loading());
        QCOMPARE(second->SelStart(), second->TextLength());
        QTRY_VERIFY_WITH_TIMEOUT(!second->Loading(), 30000);
        QCOMPARE(second->SelStart(), second->TextLength());
        QCOMPARE(second->TextLength(), m_bytes.size() - m_bytes.count('\n'));

        // Shift+Ctrl+End selects from the caret to the real end.
        auto third = loaded();
        QTest::keyClick(third.get(), Qt::Key_Down);
        QTest::keyClick(third.get(), Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!third->Loading(), 30000);
        QCOMPARE(third->SelStart(), third->document()->firstBlock().length());
        QCOMPARE(third->SelStart() + third->SelLength(), third->TextLength());
    }

    // The whole text is built aside and takes the place of the part shown: the editor shows
    // the new document, with the caret, the selection and the view where the user left them.
    void wholeTextTakesThePlaceOfThePartShown()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        QTextDocument *shown = e->document();
        QSignalSpy swapped(e->Doc(), &Document::TextSwapped);
        QSignalSpy flag(e->Doc(), &Document::ModifiedChanged);
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(e.get(), Qt::Key_Down);
        QTest::keyClick(e.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(e.get(), Qt::Key_Right, Qt::ShiftModifier);
        const int anchor = e->textCursor().anchor(), caret = e->textCursor().position();
        QVERIFY(anchor > 0 && caret == anchor + 2);
        const int scroll = e->verticalScrollBar()->value();
        QVERIFY(scroll > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        QCOMPARE(swapped.size(), 1);
        QVERIFY(e->document() != shown);
        QCOMPARE(e->document(), e->Doc()->Text());
        QCOMPARE(e->textCursor().anchor(), anchor);
        QCOMPARE(e->textCursor().position(), caret);
        QCOMPARE(e->verticalScrollBar()->value(), scroll);
        QCOMPARE(flag.size(), 0);
        QVERIFY(!e->CanUndo());
        QVERIFY(!e->isReadOnly());
        QCOMPARE(Cp1250::encode(e->PlainText()).replace("\n", "\r\n"), m_bytes);
    }

    // What is typed right after the swap goes into the whole text, sets the one flag and is
    // undone as one would expect; everyone connected to the document hears of it.
    void editRightAfterTheSwapIsKept()
    {
        auto e = loaded();
        QSignalSpy swapped(e->Doc(), &Document::TextSwapped);
        QTRY_COMPARE_WITH_TIMEOUT(swapped.size(), 1, 30000);
        QSignalSpy flag(e->Doc(), &Document::ModifiedChanged);
        QSignalSpy changes(e->Doc(), &Document::ContentsChange);
        QSignalSpy edited(e.get(), &TRxRichEdit::Changed);
        QTest::keyClick(e.get(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(e.get(), "xy");
        QVERIFY(e->Modified());
        QCOMPARE(flag.size(), 1);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(edited.size(), 2);
        QVERIFY(e->PlainText().endsWith(QStringLiteral("\nxy")));
        QVERIFY(e->CanUndo());
        while (e->CanUndo())
            e->Undo();
        QCOMPARE(Cp1250::encode(e->PlainText()).replace("\n", "\r\n"), m_bytes);
        QVERIFY(e->Modified()); // undoing back to the loaded text leaves the flag set
        while (e->CanRedo())
            e->Redo();
        QVERIFY(e->PlainText().endsWith(QStringLiteral("\nxy")));
    }

    // The file read is the file shown: a change on disk while the text is built changes
    // nothing in it, and a load dropped for another never shows up later.
    void textIsTheFileAsRead()
    {
        const QString path = m_dir.filePath("changing.txt");
        QVERIFY(TestFiles::WriteBytes(path, m_bytes));
        TRxRichEdit e;
        e.resize(600, 400);
        e.show();
        e.Doc()->Load(path);
        QVERIFY(e.Loading());
        QVERIFY(TestFiles::WriteBytes(path, QByteArray("jiný text\r\n")));
        QTRY_VERIFY_WITH_TIMEOUT(!e.Loading(), 30000);
        QCOMPARE(Cp1250::encode(e.PlainText()).replace("\n", "\r\n"), m_bytes);

        QVERIFY(TestFiles::WriteBytes(path, m_bytes.right(m_bytes.size() / 2)));
        e.Doc()->Load(m_path);
        e.Doc()->Load(path); // drops the first load
        QTRY_VERIFY_WITH_TIMEOUT(!e.Loading(), 30000);
        QCOMPARE(Cp1250::encode(e.PlainText()).replace("\n", "\r\n"), m_bytes.right(m_bytes.size() / 2));
        e.Doc()->Load(m_path);
        e.Doc()->Clear(); // so does an emptied page
        QVERIFY(!e.Loading());
        QTest::qWait(300);
        QCOMPARE(e.TextLength(), 0);
        QVERIFY(!e.isReadOnly());
    }

    // A caret put back after the load lands in the whole text, unless the user went
    // elsewhere meanwhile; a new load drops it.
    void caretPutBackWhenWhole()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        const int far = int(m_bytes.size() / 2);
        e->AfterLoad([&e, far] { e->SetSelStart(far); });
        QTRY_VERIFY_WITH_TIMEOUT(!e->Loading(), 30000);
        QCOMPARE(e->SelStart(), far);

        auto moved = loaded();
        bool ran = false;
        moved->AfterLoad([&ran] { ran = true; });
        QTest::keyClick(moved.get(), Qt::Key_Down);
        QTRY_VERIFY_WITH_TIMEOUT(!moved->Loading(), 30000);
        QVERIFY(!ran);
        QCOMPARE(moved->textCursor().blockNumber(), 1);

        moved->AfterLoad([&ran] { ran = true; }); // nothing loading: at once
        QVERIFY(ran);
        ran = false;
        moved->Doc()->Load(m_path);
        moved->AfterLoad([&ran] { ran = true; });
        moved->Doc()->Load(m_path);
        QTRY_VERIFY_WITH_TIMEOUT(!moved->Loading(), 30000);
        QVERIFY(!ran);
    }

    // The scroll bar counts display lines: as the counting between events finds wrapped
    // lines, it grows with them, so Ctrl+End and the thumb pulled down reach the last line.
    void endOfAWrappedTextIsReachable()
    {
        QByteArray wrapped;
        for (int i = 0; i < 20000; ++i)
            wrapped += QByteArray::number(i) + ' ' + QByteArray(60, 'a') + ' ' + QByteArray(60, 'b')
                       + ' ' + QByteArray(60, 'c') + "\r\n";
        wrapped += "konec";
        const QString path = m_dir.filePath("wrapped.txt");
        QVERIFY(TestFiles::WriteBytes(path, wrapped));
        TRxRichEdit e;
        e.resize(500, 300);
        e.show();
        e.Doc()->Load(path);
        QTRY_VERIFY_WITH_TIMEOUT(!e.Loading(), 30000);
        QTest::keyClick(&e, Qt::Key_End, Qt::ControlModifier);
        QApplication::processEvents();
        QCOMPARE(e.SelStart(), e.TextLength());
        QVERIFY(e.viewport()->rect().contains(e.cursorRect()));

        QTRY_COMPARE_WITH_TIMEOUT(e.verticalScrollBar()->maximum() + e.verticalScrollBar()->pageStep(),
                                  e.LineCount(), 30000); // every line counted
        e.verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        e.verticalScrollBar()->setValue(e.verticalScrollBar()->maximum());
        QApplication::processEvents();
        QVERIFY(e.viewport()->rect().contains(e.cursorRect()));
    }

    // Closing the page while the text comes in, edited or not, is safe, and the next page
    // loads as usual.
    void closingWhileLoading()
    {
        auto e = loaded();
        QVERIFY(e->Loading());
        QTest::qWait(5);
        e.reset();
        QTest::qWait(20);
        auto edited = loaded();
        QTest::keyClicks(edited.get(), "abc");
        QVERIFY(edited->Loading());
        edited.reset();
        auto next = loaded();
        QTRY_VERIFY_WITH_TIMEOUT(!next->Loading(), 30000);
        QCOMPARE(next->PlainText(), fileText());
        QVERIFY(!next->Modified());
    }
};

QTEST_MAIN(TstLoading)
#include "tst_loading.moc"
