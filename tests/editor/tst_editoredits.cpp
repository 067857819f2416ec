// Edits applied to an editor: one undo step and one change, sparse or dense.
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "text/TextCommands.h"

#include <QSignalSpy>
#include <QTest>

using TextEdits::Edit;

class TestEditorEdits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<TRxRichEdit *>(); }
    void apply_data();
    void apply();
};

void TestEditorEdits::apply_data()
{
    QTest::addColumn<int>("editEvery");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("sparse: edits in place") << 8 << false;
    QTest::newRow("dense: one span") << 1 << false;
    QTest::newRow("dense, asked for in place") << 1 << true;
}

void TestEditorEdits::apply()
{
    QFETCH(int, editEvery);
    QFETCH(bool, inPlace);
    QString text;
    for (int i = 0; i < 200; ++i)
        text.append(QStringLiteral("line %1 text\n").arg(i));
    text.append(QStringLiteral("end"));
    const QString with = QStringLiteral("LINE\nbroken");
    QList<Edit> edits;
    qsizetype pos = 0;
    for (int i = 0; i < 200; ++i) {
        if (i % editEvery == 0)
            edits.append(Edit{pos, 4, i % 3 ? QStringView(with) : QStringView()});
        pos = text.indexOf(u'\n', pos) + 1;
    }
    QVERIFY(TextEdits::preferOneSpan(text, edits) == (editEvery == 1));
    const QString expected = TextEdits::applied(text, edits);

    TRxRichEdit editor;
    TakeAsLoaded(&editor, text);
    QSignalSpy changes(&editor, &TRxRichEdit::Changed);
    if (inPlace)
        ApplyEditsInPlace(&editor, edits);
    else
        ApplyEdits(&editor, text, edits);
    QCOMPARE(TextCommands::DocumentText(*editor.document()), expected);
    QCOMPARE(changes.count(), 1);
    QVERIFY(editor.Modified());
    editor.Undo();
    QCOMPARE(TextCommands::DocumentText(*editor.document()), text);
    QVERIFY(!editor.CanUndo());
}

QTEST_MAIN(TestEditorEdits)
#include "tst_editoredits.moc"
