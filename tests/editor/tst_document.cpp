// The document on its own and under its editors: the modified flag follows every edit
// (undo and redo too) and no load; a large text comes in without any editor; the editor is
// read-only exactly while a load is under way; the document outlives its editor, and an
// editor whose document goes first is not left with a freed text.
#include "editor/document/Document.h"
#include "editor/view/TRxRichEdit.h"
#include "TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

class TstDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_small, m_big;
    QByteArray m_bigBytes;

private slots:
    void initTestCase()
    {
        m_small = m_dir.filePath("small.txt");
        QVERIFY(TestFiles::WriteBytes(m_small, "alfa\r\nbeta\r\n"));
        for (int i = 0; m_bigBytes.size() < 3 * 1024 * 1024; ++i)
            m_bigBytes += "\xf8\xe1"
                          "dek "
                          + QByteArray::number(i) + "\r\n";
        m_big = m_dir.filePath("big.txt");
        QVERIFY(TestFiles::WriteBytes(m_big, m_bigBytes));
    }

    void flagFollowsEditsUndoAndRedoButNoLoad()
    {
        Document doc;
        QSignalSpy flag(&doc, &Document::ModifiedChanged);
        QSignalSpy changed(&doc, &Document::Changed);
        QSignalSpy contents(&doc, &Document::ContentsChange);
        const QString path = m_dir.filePath("saved.txt");
        QVERIFY(TestFiles::WriteBytes(path, "alfa\r\nbeta\r\n"));
        doc.Load(path);
        QVERIFY(!doc.Modified());
        QCOMPARE(flag.size(), 0);
        QCOMPARE(changed.size(), 0);  // a load is no edit...
        QVERIFY(!contents.isEmpty()); // ...but a change of the text all the same

        QTextCursor c(doc.Text());
        c.beginEditBlock();
        c.insertText(QStringLiteral("x"));
        c.insertText(QStringLiteral("y"));
        c.endEditBlock();
        QVERIFY(doc.Modified());
        QCOMPARE(flag.size(), 1);
        QCOMPARE(changed.size(), 1); // one per edit block

        doc.Save();
        QVERIFY(!doc.Modified());
        QCOMPARE(TestFiles::ReadBytes(path), QByteArray("xyalfa\r\nbeta\r\n"));
        doc.Text()->undo(); // back to the text as it was loaded, not as it was saved
        QCOMPARE(doc.PlainText(), QStringLiteral("alfa\nbeta\n"));
        QVERIFY(doc.Modified());
        doc.Save(); // cleared again, the history kept
        doc.Text()->redo();
        QVERIFY(doc.Modified());
        QCOMPARE(flag.size(), 5); // set, cleared, set, cleared, set: one signal each

        doc.Clear();
        QCOMPARE(doc.TextLength(), 0);
        QVERIFY(!doc.Modified());
        QVERIFY(!doc.Text()->isUndoAvailable());
    }

    // The loader is the document's: a large text comes in between events with no editor at
    // all, and none of it is an edit.
    void largeTextComesInWithoutAnEditor()
    {
        Document doc;
        QSignalSpy flag(&doc, &Document::ModifiedChanged);
        QSignalSpy progress(&doc, &Document::LoadProgress);
        doc.Load(m_big);
        QVERIFY(doc.Loading());
        QVERIFY(doc.TextLength() < m_bigBytes.size() / 2);
        bool whole = false;
        doc.AfterLoad([&] { whole = doc.TextLength() > m_bigBytes.size() / 2; });
        QTRY_VERIFY_WITH_TIMEOUT(!doc.Loading(), 30000);
        QVERIFY(whole);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QVERIFY(progress.first().at(0).toInt() < 100); // said at the start, before it is whole
        QCOMPARE(flag.size(), 0);
        QVERIFY(!doc.Text()->isUndoAvailable());
        QCOMPARE(doc.TextLength(), m_bigBytes.size() - m_bigBytes.count('\n'));
    }

    // A load that replaces one still under way: a small new text is whole at once, and what
    // was to run after the first load never runs.
    void newLoadReleasesTheEditor()
    {
        Document doc;
        TRxRichEdit editor(&doc);
        editor.show();
        doc.Load(m_big);
        QVERIFY(doc.Loading());
        bool ran = false;
        doc.AfterLoad([&ran] { ran = true; });
        QSignalSpy progress(&doc, &Document::LoadProgress);
        doc.Load(m_small);
        QVERIFY(!doc.Loading());
        QVERIFY(!editor.isReadOnly());
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QTest::keyClicks(&editor, QStringLiteral("z"));
        QCOMPARE(editor.PlainText(), QStringLiteral("zalfa\nbeta\n"));
        QTest::qWait(20);
        QVERIFY(!ran);
    }

    // Closing a page destroys its editor first: the text, its flag and its undo history
    // stay with the document, and another editor shows it as it was.
    void documentOutlivesItsEditor()
    {
        Document doc;
        {
            TRxRichEdit editor(&doc);
            editor.show();
            QTest::keyClicks(&editor, QStringLiteral("ab"));
        }
        QCOMPARE(doc.PlainText(), QStringLiteral("ab"));
        QVERIFY(doc.Modified());
        TRxRichEdit again(&doc);
        again.resize(300, 200);
        again.show();
        QCOMPARE(again.PlainText(), QStringLiteral("ab"));
        again.Undo();
        QCOMPARE(again.PlainText(), QString());
        again.Redo();
        again.SetSelStart(2);
        QTest::keyClicks(&again, QStringLiteral("c"));
        QCOMPARE(doc.PlainText(), QStringLiteral("abc"));
        QCOMPARE(again.LineCount(), 1);
    }

    // Should a document go while an editor still shows it, the editor takes an empty one of
    // its own rather than go on with a freed text.
    void editorOutlivingItsDocumentShowsAnEmptyOne()
    {
        auto *doc = new Document;
        TRxRichEdit editor(doc);
        editor.show();
        QTest::keyClicks(&editor, QStringLiteral("ab"));
        delete doc;
        QVERIFY(editor.Doc());
        QCOMPARE(editor.PlainText(), QString());
        QVERIFY(!editor.Modified());
        QTest::keyClicks(&editor, QStringLiteral("c"));
        QCOMPARE(editor.PlainText(), QStringLiteral("c"));
        QVERIFY(editor.Modified());
        QCOMPARE(editor.LineFromChar(1), 0);
    }
};

QTEST_MAIN(TstDocument)
#include "tst_document.moc"
