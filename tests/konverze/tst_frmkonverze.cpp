// The conversion dialog: its controls, the preview and the conversion of a page.
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "konverze/TfrmKonverze.h"
#include "konverze/TKonverzePreview.h"
#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QPushButton>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Text as the editor holds it when a file with these bytes is opened.
QString fromBytes(const QByteArray &bytes)
{
    return Cp1250::decode(bytes);
}

// Numbered lines, some with Czech letters and some without, as a Windows-1250 page.
QString longPage(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += (i % 3 == 0 ? QStringLiteral("plain line %1\n") : QStringLiteral("řádek %1 žluťoučký kůň\n")).arg(i);
    return text;
}

// The page's text as the dialog converts it, by the bytes.
QString convertedPage(const QString &text, int source, int target)
{
    return TfrmKonverze::ConvertedText(text, source, target);
}

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
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
        m_editor = EditorWith(text);
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
    void roundTripThroughTheButtons();
    void undoOfALongPageRestoresItExactly();
    void nothingToChangeLeavesThePageUnmodified();
    void pageStillLoadingIsConvertedWhole();
    void previewOfALongPageFollowsTheScrolling();
    void previewReachesEveryPartOfALongLine();
    void previewIsReadOnly();
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

// Windows 1250 to Kamenický and back with the mouse on the shown dialog: the page is as
// before, plus the final break the conversion adds.
void TestFrmKonverze::roundTripThroughTheButtons()
{
    const QString before = QStringLiteral("Příliš žluťoučký kůň\núpěl ďábelské ódy\n\nŠŤŽ ščř");
    TRxRichEdit &editor = editorWith(before);
    editor.show();
    const QByteArray beforeBytes = Cp1250::encode(before);
    QByteArray kamenicky = beforeBytes + '\n';
    Prevest(Konverze::Windows1250, Konverze::Kamenicky, kamenicky.data(), std::size_t(kamenicky.size()));
    for (const auto &[source, target, expected] :
         {std::tuple{0, 1, kamenicky}, std::tuple{1, 0, beforeBytes + '\n'}}) {
        TfrmKonverze dialog(&editor);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        clickRow(dialog.lstZdroj, source);
        clickRow(dialog.lstCil, target);
        QCOMPARE(dialog.Source(), source + 1);
        QCOMPARE(dialog.Target(), target + 1);
        QTest::mouseClick(dialog.btnKonvert, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Cp1250::encode(editor.PlainText()), expected);
        QCOMPARE(editor.SelStart(), 0);
    }
    QVERIFY(editor.Modified());
}

// Undo brings back the text before the conversion, every character of it.
void TestFrmKonverze::undoOfALongPageRestoresItExactly()
{
    const QString before = longPage(3000) + QStringLiteral("konec bez zalomení");
    TRxRichEdit &editor = editorWith(before);
    editor.resize(500, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.SetSelStart(500);
    editor.SetSelLength(40);
    TfrmKonverze dialog(&editor);
    dialog.lstZdroj->setCurrentRow(3); // ISO 8859-2
    dialog.lstCil->setCurrentRow(4);   // ASCII
    dialog.btnKonvert->click();
    QCOMPARE(editor.PlainText(), convertedPage(before, 4, 5));
    QCOMPARE(editor.SelStart(), 0);
    QCOMPARE(editor.SelLength(), 0);
    QVERIFY(editor.Modified());
    editor.Undo(); // what the main window's Undo command calls
    QCOMPARE(editor.PlainText(), before);
    QVERIFY(!editor.CanUndo()); // one step took all of it back
    editor.Redo();
    QCOMPARE(editor.PlainText(), convertedPage(before, 4, 5));
}

void TestFrmKonverze::nothingToChangeLeavesThePageUnmodified()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc\nplain text\n"));
    editor.SetSelStart(6);
    QSignalSpy changes(&editor, &TRxRichEdit::Changed);
    TfrmKonverze dialog(&editor);
    dialog.lstCil->setCurrentRow(4); // ASCII: no Czech letter to convert
    dialog.btnKonvert->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("abc\nplain text\n"));
    QVERIFY(!editor.Modified());
    QVERIFY(!editor.CanUndo());
    QCOMPARE(changes.count(), 0);
    QCOMPARE(editor.SelStart(), 0); // the caret still goes to the start
}

// A page that is still coming in from its file is converted whole, not just its first part.
void TestFrmKonverze::pageStillLoadingIsConvertedWhole()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 2 * 1024 * 1024; ++i)
        bytes += "\xf8\xe1\x64\x65k " + QByteArray::number(i) + " \x9e\x6cu\x9dou\xe8k\xfd\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    for (const bool preview : {false, true}) {
        m_editor = std::make_unique<TRxRichEdit>();
        m_editor->resize(400, 300);
        m_editor->show();
        m_editor->Doc()->Load(path);
        QVERIFY(m_editor->Loading());
        TfrmKonverze dialog(m_editor.get());
        dialog.show();
        dialog.lstCil->setCurrentRow(4);
        if (preview) { // the preview takes the rest in first, then the conversion
            dialog.CheckBox1->setChecked(true);
            QVERIFY(!m_editor->Loading());
            QTest::keyClick(dialog.editPreview, Qt::Key_End, Qt::ControlModifier);
            QVERIFY(dialog.editPreview->ShownText().endsWith(QStringLiteral("zlutoucky\n")));
        }
        dialog.btnKonvert->click();
        QVERIFY(!m_editor->Loading());
        QByteArray expected = bytes;
        expected.replace("\r\n", "\n");
        Prevest(Konverze::Windows1250, Konverze::Ascii, expected.data(), std::size_t(expected.size()));
        QCOMPARE(Cp1250::encode(m_editor->PlainText()), expected);
        m_editor->Undo();
        QCOMPARE(Cp1250::encode(m_editor->PlainText()), QByteArray(bytes).replace("\r\n", "\n"));
    }
}

// The preview shows the converted text of the lines in view: the page's start at first, its
// end after Ctrl+End or with the scroll bar at the bottom, and a new pair from the start.
void TestFrmKonverze::previewOfALongPageFollowsTheScrolling()
{
    const QString page = longPage(5000);
    TRxRichEdit &editor = editorWith(page);
    TfrmKonverze dialog(&editor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.CheckBox1, Qt::LeftButton, {}, QPoint(4, dialog.CheckBox1->height() / 2));
    QVERIFY(dialog.CheckBox1->isChecked());
    clickRow(dialog.lstCil, 2); // Latin 2
    TKonverzePreview *preview = dialog.editPreview;
    QString converted = convertedPage(page, 1, 3);
    QString shown = preview->ShownText();
    QVERIFY2(shown.count(u'\n') >= 3, qPrintable(shown)); // several lines in view
    QVERIFY(converted.startsWith(shown));

    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_End, Qt::ControlModifier);
    shown = preview->ShownText();
    QVERIFY(shown.count(u'\n') >= 3);
    QVERIFY2(converted.endsWith(shown), qPrintable(shown));

    QTest::keyClick(preview, Qt::Key_PageUp);
    QTest::keyClick(preview, Qt::Key_PageUp);
    const QString middle = preview->ShownText();
    QVERIFY(converted.contains(middle));
    QVERIFY(!converted.endsWith(middle));
    QVERIFY(!converted.startsWith(middle));

    preview->verticalScrollBar()->setValue(preview->verticalScrollBar()->maximum());
    QVERIFY(converted.endsWith(preview->ShownText()));

    // Another source: the preview starts over with the new pair.
    clickRow(dialog.lstZdroj, 1); // Kamenický
    converted = convertedPage(page, 2, 3);
    QCOMPARE(preview->verticalScrollBar()->value(), 0);
    shown = preview->ShownText();
    QVERIFY(shown.count(u'\n') >= 3);
    QVERIFY(converted.startsWith(shown));
    QVERIFY(!convertedPage(page, 1, 3).startsWith(shown));
    QCOMPARE(editor.PlainText(), page); // the page itself is untouched
}

// A line longer than the view is shown in parts; scrolling down part by part shows all of it.
void TestFrmKonverze::previewReachesEveryPartOfALongLine()
{
    QString line;
    for (int i = 0; line.size() < 30000; ++i)
        line += QStringLiteral("čáp%1 ").arg(i);
    const QString page = QStringLiteral("první\n") + line + QStringLiteral("\nposlední");
    TRxRichEdit &editor = editorWith(page);
    TfrmKonverze dialog(&editor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.CheckBox1->setChecked(true);
    dialog.lstCil->setCurrentRow(4);
    TKonverzePreview *preview = dialog.editPreview;
    QVERIFY(preview->PieceCount() > 10);
    const QString converted = convertedPage(page, 1, 5);
    preview->setFocus();
    qsizetype covered = 0; // the converted text is shown up to here, without a gap
    for (int step = 0; step <= preview->PieceCount(); ++step) {
        QString shown = preview->ShownText();
        const qsizetype at = converted.indexOf(shown, qMax<qsizetype>(0, covered - shown.size()));
        QVERIFY2(at >= 0 && at <= covered, qPrintable(QString::number(step)));
        covered = qMax(covered, at + shown.size());
        QTest::keyClick(preview, Qt::Key_Down);
    }
    QCOMPARE(covered, converted.size());
    QVERIFY(converted.endsWith(preview->ShownText()));
}

void TestFrmKonverze::previewIsReadOnly()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("šťáva\n"));
    TfrmKonverze dialog(&editor);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.CheckBox1->setChecked(true);
    dialog.editPreview->setFocus();
    QTest::keyClicks(dialog.editPreview, QStringLiteral("xyz"));
    QTest::keyClick(dialog.editPreview, Qt::Key_Delete);
    QTest::keyClick(dialog.editPreview, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog.editPreview->ShownText(), QStringLiteral("šťáva\n"));
    QCOMPARE(editor.PlainText(), QStringLiteral("šťáva\n"));
    QVERIFY(dialog.isVisible()); // nothing typed there closed the dialog
}

QTEST_MAIN(TestFrmKonverze)
#include "tst_frmkonverze.moc"
