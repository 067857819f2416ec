// The edits to a shown start of a text, taken over by the whole text: the same changes at
// the same places, changes of formats alone left out, and a history that went astray
// replaced by the shown text itself rather than losing it.
#include "editor/document/ShownEdits.h"

#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

class TstShownEdits : public QObject
{
    Q_OBJECT

    // A shown start and its whole text, the edits heard as the loader hears them.
    struct Pair
    {
        QTextDocument shown, whole;
        ShownEdits edits;
        explicit Pair(const QString &start, const QString &rest)
        {
            // Laid out as the editor's: a document with no layout reports no changes.
            shown.setDocumentLayout(new QPlainTextDocumentLayout(&shown));
            whole.setDocumentLayout(new QPlainTextDocumentLayout(&whole));
            shown.setPlainText(start);
            whole.setPlainText(start + rest);
            edits.Start(shown);
            QObject::connect(&shown, &QTextDocument::contentsChange, &shown,
                             [this](int from, int removed, int added) {
                                 edits.Changed(shown, from, removed, added);
                             });
        }
        QTextCursor at(int from, int to)
        {
            QTextCursor c(&shown);
            c.setPosition(from);
            c.setPosition(to, QTextCursor::KeepAnchor);
            return c;
        }
    };

private slots:
    void editsLandAtTheSamePlaces()
    {
        Pair p(QStringLiteral("alfa\nbeta\u00a0x\ngama"), QStringLiteral("\ndelta\nepsilon"));
        p.at(0, 0).insertText(QStringLiteral("1\n2"));     // a line added at the start
        p.at(7, 12).removeSelectedText();                   // "lfa\nb": across a break
        p.at(p.shown.characterCount() - 1, p.shown.characterCount() - 1).insertText(QStringLiteral("!"));
        p.at(8, 10).insertText(QStringLiteral("TA"));       // a replacement
        QVERIFY(p.edits.Replay(&p.whole, p.shown));
        QCOMPARE(p.whole.toRawText(), p.shown.toRawText() + QStringLiteral("\u2029delta\u2029epsilon"));
        QVERIFY(p.whole.toRawText().contains(QChar(0xa0))); // kept as it was
    }

    // A change of formats is no edit: nothing for the whole text to do or undo.
    void formatsAloneAreNoEdit()
    {
        Pair p(QStringLiteral("alfa beta"), QStringLiteral("\ngama"));
        p.whole.setUndoRedoEnabled(true);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        p.at(0, 4).mergeCharFormat(bold);
        QVERIFY(p.edits.Empty());
        QVERIFY(p.edits.Replay(&p.whole, p.shown));
        QVERIFY(!p.whole.isUndoAvailable());
        QCOMPARE(p.whole.toPlainText(), QStringLiteral("alfa beta\ngama"));
    }

    // Undo and redo noted as such become the whole text's undo and redo.
    void undoStepsFollow()
    {
        Pair p(QStringLiteral("jedna\ndva"), QStringLiteral("\ntři"));
        p.at(0, 0).insertText(QStringLiteral("A"));
        p.at(7, 7).insertText(QStringLiteral("B"));
        p.edits.BeginUndo(false);
        p.shown.undo();
        p.edits.EndUndo();
        QCOMPARE(p.shown.toPlainText(), QStringLiteral("Ajedna\ndva"));
        QVERIFY(p.edits.Replay(&p.whole, p.shown));
        QCOMPARE(p.whole.toPlainText(), QStringLiteral("Ajedna\ndva\ntři"));
        QVERIFY(p.whole.isRedoAvailable());
        p.whole.redo();
        QCOMPARE(p.whole.toPlainText(), QStringLiteral("Ajedna\nBdva\ntři"));
    }

    // An undo the two texts took differently (here: one not noted as an undo, and an edit
    // never heard): the whole text's start becomes the shown text, in one step, the rest
    // untouched.
    void astrayHistoryKeepsTheShownText()
    {
        Pair p(QStringLiteral("jedna\ndva"), QStringLiteral("\ntři\nčtyři"));
        p.at(0, 0).insertText(QStringLiteral("AB"));
        p.edits.BeginUndo(false); // told, but the shown text does something else
        p.at(2, 2).insertText(QStringLiteral("C"));
        p.edits.EndUndo();
        QVERIFY(!p.edits.Replay(&p.whole, p.shown));
        QCOMPARE(p.whole.toPlainText(), QStringLiteral("ABCjedna\ndva\ntři\nčtyři"));
        QVERIFY(p.whole.isUndoAvailable());
        p.whole.undo();
        QCOMPARE(p.whole.toPlainText(), QStringLiteral("jedna\ndva\ntři\nčtyři"));
    }
};

QTEST_MAIN(TstShownEdits)
#include "tst_shownedits.moc"
