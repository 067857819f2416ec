// The conversion dialog: its controls, the preview and the conversion of a page.
#include "editor/Cp1250.h"
#include "editor/TRxRichEdit.h"
#include "konverze/TKonverzePreview.h"
#include "konverze/TfrmKonverze.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Text as the editor holds it when a file with these bytes is opened.
QString fromBytes(const QByteArray &bytes)
{
    return Cp1250::decode(bytes);
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestFrmKonverze : public QObject
{
    Q_OBJECT

    std::unique_ptr<TRxRichEdit> m_editor;

    TRxRichEdit &editorWith(const QString &text)
    {
        m_editor = std::make_unique<TRxRichEdit>();
        m_editor->setPlainText(text);
        m_editor->SetModified(false);
        m_editor->document()->clearUndoRedoStacks();
        return *m_editor;
    }

private slots:
    void cleanup() { m_editor.reset(); }

    void controlsAtOpening();
    void enterAtOnceConvertsWindowsToWindows();
    void stornoLeavesThePage();
    void previewShowsTheConversion();
    void listClicksWithoutPreview();
    void conversion_data();
    void conversion();
    void selectionIsConvertedAsAWhole();
    void conversionIsOneUndoStepAndModifies();
};

void TestFrmKonverze::controlsAtOpening()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc"));
    TfrmKonverze dialog(&editor);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Konverze"));
    QCOMPARE(dialog.GroupBox1->title(), QStringLiteral("Konverze"));
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Z:"));
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Do:"));
    const QStringList sets = {QStringLiteral("Windows 1250"), QStringLiteral("Kamenický"),
                              QStringLiteral("Latin 2"), QStringLiteral("ISO 8859-2")};
    QCOMPARE(itemsOf(dialog.lstZdroj), sets);
    QCOMPARE(itemsOf(dialog.lstCil), sets + QStringList{QStringLiteral("ASCII")});
    QCOMPARE(dialog.lstZdroj->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(dialog.btnKonvert->text(), QStringLiteral("&Konvertovat"));
    QVERIFY(dialog.btnKonvert->isDefault());
    QCOMPARE(dialog.btnStorno->text(), QStringLiteral("Storno"));
    QCOMPARE(dialog.CheckBox1->text(), QStringLiteral("Náhled"));
    QCOMPARE(dialog.GroupBox2->title(), QString());
    // Windows 1250 to Windows 1250, preview off.
    QCOMPARE(dialog.Source(), 1);
    QCOMPARE(dialog.Target(), 1);
    QVERIFY(!dialog.CheckBox1->isChecked());
    QVERIFY(!dialog.GroupBox2->isEnabled());
    QVERIFY(dialog.editPreview->isHidden());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.CheckBox1->isEnabled()); // usable while the frame is disabled
    QVERIFY(!dialog.editPreview->isVisible());
}

void TestFrmKonverze::enterAtOnceConvertsWindowsToWindows()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("Příliš\nžluťoučký"));
    editor.SetSelStart(5);
    TfrmKonverze dialog(&editor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.lstZdroj); // the first control in tab order
    QTest::keyClick(dialog.lstZdroj, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(editor.PlainText(), QStringLiteral("Příliš\nžluťoučký\n")); // a final break is added
    QCOMPARE(editor.SelStart(), 0);
    QCOMPARE(editor.SelLength(), 0);
}

void TestFrmKonverze::stornoLeavesThePage()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("čeština"));
    editor.SetSelStart(3);
    editor.SetSelLength(2);
    for (const bool escape : {false, true}) {
        TfrmKonverze dialog(&editor);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.CheckBox1->setChecked(true);
        dialog.lstCil->setCurrentRow(4);
        QVERIFY(!dialog.editPreview->ShownText().isEmpty());
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.btnStorno->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(editor.PlainText(), QStringLiteral("čeština"));
        QCOMPARE(editor.SelStart(), 3);
        QCOMPARE(editor.SelLength(), 2);
        QVERIFY(!editor.Modified());
        QVERIFY(!editor.CanUndo());
    }
}

void TestFrmKonverze::previewShowsTheConversion()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("Příliš žluťoučký kůň"));
    QFont font(QStringLiteral("Courier New"), 13);
    editor.setFont(font);
    QPalette pal = editor.palette();
    pal.setColor(QPalette::Base, QColor(10, 20, 30));
    pal.setColor(QPalette::Text, QColor(200, 210, 220));
    editor.setPalette(pal);

    TfrmKonverze dialog(&editor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.CheckBox1->setChecked(true);
    QVERIFY(dialog.GroupBox2->isEnabled());
    QVERIFY(dialog.editPreview->isVisible());
    QCOMPARE(dialog.editPreview->ShownText(), QStringLiteral("Příliš žluťoučký kůň\n"));
    dialog.lstCil->setCurrentRow(4); // ASCII
    QCOMPARE(dialog.editPreview->ShownText(), QStringLiteral("Prilis zlutoucky kun\n"));
    QCOMPARE(dialog.editPreview->verticalScrollBar()->value(), 0); // at its start
    QCOMPARE(dialog.editPreview->font(), editor.font());
    QCOMPARE(dialog.editPreview->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(dialog.editPreview->palette().color(QPalette::Text), QColor(200, 210, 220));
    // Each click converts the page's text afresh with the new pair.
    dialog.lstZdroj->setCurrentRow(1); // Kamenický: its codes mean other letters here
    QCOMPARE(dialog.editPreview->ShownText(),
             fromBytes(QByteArray("P\xF8\xEDli\x9A RluYou\xE8k\xFD k\xF9\xF2\n")));
    QCOMPARE(editor.PlainText(), QStringLiteral("Příliš žluťoučký kůň")); // the page is untouched
    dialog.CheckBox1->setChecked(false);
    QVERIFY(dialog.editPreview->ShownText().isEmpty());
    QVERIFY(!dialog.editPreview->isVisible());
    QVERIFY(!dialog.GroupBox2->isEnabled());
}

void TestFrmKonverze::listClicksWithoutPreview()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("ž"));
    TfrmKonverze dialog(&editor);
    dialog.lstZdroj->setCurrentRow(2);
    dialog.lstCil->setCurrentRow(3);
    QVERIFY(dialog.editPreview->ShownText().isEmpty());
    QCOMPARE(dialog.Source(), 3);
    QCOMPARE(dialog.Target(), 4);
}

void TestFrmKonverze::conversion_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("Kamenický to Windows") << 2 << 1 << QByteArray("\x80\x65\x73ko\n\xA0") << QByteArray("\xC8\x65\x73ko\n\xE1\n");
    QTest::newRow("Windows to Latin 2") << 1 << 3 << QByteArray("k\xF9\xF2\n") << QByteArray("k\x85\xE5\n");
    QTest::newRow("ISO to Windows") << 4 << 1 << QByteArray("\xAB\xB9") << QByteArray("\x8D\x9A\n");
    QTest::newRow("Windows to ASCII, other bytes stay") << 1 << 5 << QByteArray("\xE4\xE1\x80") << QByteArray("\xE4\x61\x80\n");
    QTest::newRow("empty page stays empty") << 1 << 5 << QByteArray() << QByteArray();
}

void TestFrmKonverze::conversion()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TRxRichEdit &editor = editorWith(fromBytes(before));
    TfrmKonverze dialog(&editor);
    dialog.lstZdroj->setCurrentRow(source - 1);
    dialog.lstCil->setCurrentRow(target - 1);
    dialog.btnKonvert->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Cp1250::encode(editor.PlainText()), after);
}

void TestFrmKonverze::selectionIsConvertedAsAWhole()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("ďábel\nódy"));
    editor.SetSelStart(1);
    editor.SetSelLength(3);
    TfrmKonverze dialog(&editor);
    dialog.lstCil->setCurrentRow(4);
    dialog.btnKonvert->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("dabel\nody\n"));
    QCOMPARE(editor.SelStart(), 0);
    QCOMPARE(editor.SelLength(), 0);
}

// The conversion can be taken back, also one to ASCII, and the page counts as changed.
void TestFrmKonverze::conversionIsOneUndoStepAndModifies()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("úpěl\nďábelské ódy\n"));
    QSignalSpy changes(&editor, &TRxRichEdit::Changed);
    TfrmKonverze dialog(&editor);
    dialog.lstCil->setCurrentRow(4);
    dialog.btnKonvert->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("upel\ndabelske ody\n"));
    QVERIFY(editor.Modified());
    QCOMPARE(changes.count(), 1);
    QVERIFY(editor.CanUndo());
    editor.Undo();
    QCOMPARE(editor.PlainText(), QStringLiteral("úpěl\nďábelské ódy\n"));
    QVERIFY(!editor.CanUndo());
}

QTEST_MAIN(TestFrmKonverze)
#include "tst_frmkonverze.moc"
