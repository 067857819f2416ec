// The text commands of the main window: go to line, case, date and time, T602, the
// conversion dialog and find/replace as they reach the active page.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/search/TEditorSearch.h"
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "konverze/TfrmKonverze.h"
#include "text/Cp1250.h"
#include "text/TextCommands.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

class TestTextCommands : public QObject
{
    Q_OBJECT

    TFakePrompts m_prompts;
    std::unique_ptr<TMainForm> m_form;

    TRxRichEdit *pageWith(const QString &text)
    {
        m_form = std::make_unique<TMainForm>(&m_prompts, nullptr);
        m_form->resize(600, 400);
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            return nullptr;
        TRxRichEdit *editor = m_form->ActiveEditor();
        if (editor) {
            TakeAsLoaded(editor, text);
        }
        return editor;
    }

    void trigger(const char *name) { m_form->Commands().Action(QLatin1String(name))->trigger(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_prompts = TFakePrompts(); }
    void cleanup() { m_form.reset(); }

    void goToLine_data();
    void goToLine();
    void goToWrappedLine();
    void goToLineOfAHugeText();
    void caseCommands_data();
    void caseCommands();
    void caseWithoutSelection();
    void dateAndTime();
    void dateTimeText_data();
    void dateTimeText();
    void parseWholeNumber_data();
    void parseWholeNumber();
    void t602Command();
    void conversionDialogIsFreshEachTime();
    void findDialogsBelongToTheirPage();
    void repeatSearchOnANewPage();
    void nothingHappensWithoutAPage();
};

void TestTextCommands::goToLine_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("answer"); // null: Cancel
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("error");
    // Text: "one\ntwo\nthree" (lines start at 0, 4, 8; the end is 13).
    QTest::newRow("line 2") << 0 << 0 << "2" << 4 << 0 << QString();
    QTest::newRow("line 1") << 10 << 0 << "1" << 0 << 0 << QString();
    QTest::newRow("line 3") << 0 << 0 << "3" << 8 << 0 << QString();
    QTest::newRow("0: the caret's line") << 6 << 0 << "0" << 4 << 0 << QString();
    QTest::newRow("999: the end") << 0 << 0 << "999" << 13 << 0 << QString();
    QTest::newRow("4: one past the last line") << 0 << 0 << "4" << 13 << 0 << QString();
    QTest::newRow("below 0: the end") << 0 << 0 << "-2" << 13 << 0 << QString();
    QTest::newRow("blanks around the number") << 0 << 0 << " 2 " << 4 << 0 << QString();
    QTest::newRow("empty: an error, selection collapsed")
        << 5 << 2 << "" << 5 << 0 << QStringLiteral("'' is not a valid integer value");
    QTest::newRow("letters: an error")
        << 9 << 3 << "abc" << 9 << 0 << QStringLiteral("'abc' is not a valid integer value");
    QTest::newRow("too big for a number")
        << 0 << 0 << "99999999999" << 0 << 0 << QStringLiteral("'99999999999' is not a valid integer value");
    QTest::newRow("Cancel changes nothing") << 5 << 2 << QString() << 5 << 2 << QString();
}

void TestTextCommands::goToLine()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, answer);
    QFETCH(int, caret);
    QFETCH(int, length);
    QFETCH(QString, error);
    TRxRichEdit *editor = pageWith(QStringLiteral("one\ntwo\nthree"));
    QVERIFY(editor);
    editor->SetSelStart(selStart);
    editor->SetSelLength(selLength);
    m_prompts.inputAnswers.enqueue(answer);
    trigger("mmGOTO");
    QCOMPARE(m_prompts.inputPrompts, QStringList{QStringLiteral("Přejít na|Přejít na řádek [1 až 3]|")});
    QCOMPARE(editor->SelStart(), caret);
    QCOMPARE(editor->SelLength(), length);
    QCOMPARE(m_prompts.errors, error.isNull() ? QStringList() : QStringList{error});
    QCOMPARE(editor->PlainText(), QStringLiteral("one\ntwo\nthree"));
}

// With word wrap on, lines are the wrapped pieces of a paragraph.
void TestTextCommands::goToWrappedLine()
{
    QString paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph.append(QStringLiteral("word%1 ").arg(i));
    TRxRichEdit *editor = pageWith(paragraph);
    QVERIFY(editor);
    QVERIFY(editor->WordWrap());
    const QTextLayout *layout = editor->document()->firstBlock().layout();
    QTRY_VERIFY(layout->lineCount() >= 4);
    const int pieces = layout->lineCount();

    m_prompts.inputAnswers.enqueue(QStringLiteral("3"));
    trigger("mmGOTO");
    QCOMPARE(m_prompts.inputPrompts.value(0),
             QStringLiteral("Přejít na|Přejít na řádek [1 až %1]|").arg(pieces));
    QCOMPARE(editor->SelStart(), layout->lineAt(2).textStart());
    QVERIFY(editor->SelStart() > 0);
}

// On a huge wrapped text the question waits for the display lines to be counted (between
// events, without freezing the window): it then names the right last line, and the answer
// goes there.
void TestTextCommands::goToLineOfAHugeText()
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text.append(QStringLiteral("slovo ").repeated(250)).append(QLatin1Char('\n'));
    text.append(QStringLiteral("konec"));
    TRxRichEdit *editor = pageWith(text);
    QVERIFY(editor);
    editor->SetSelStart(0);
    m_prompts.inputAnswers.enqueue(QStringLiteral("3000"));
    bool eventsRan = false;
    QTimer::singleShot(0, [&] { eventsRan = m_prompts.inputPrompts.isEmpty(); });
    trigger("mmGOTO");
    QVERIFY(eventsRan); // the count let events in before the question
    QCOMPARE(m_prompts.inputPrompts.size(), 1);
    const int lines = editor->LineCount();
    QVERIFY(lines > 3001 * 2); // every paragraph wraps
    QCOMPARE(m_prompts.inputPrompts.value(0),
             QStringLiteral("Přejít na|Přejít na řádek [1 až %1]|").arg(lines));
    QCOMPARE(editor->SelStart(), editor->LineStart(2999));
    QVERIFY(editor->SelStart() > 0);
    QCOMPARE(editor->LineText(lines - 1), QStringLiteral("konec"));
}

void TestTextCommands::caseCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("capitals") << "UpperItem1" << QStringLiteral("a žluťoučký kůň b") << 2 << 13
                              << QStringLiteral("a ŽLUŤOUČKÝ KŮŇ b");
    QTest::newRow("small letters") << "LowerItem1" << QStringLiteral("X ŽLUŤOUČKÝ\nKŮŇ") << 1 << 14
                                   << QStringLiteral("X žluťoučký\nkůň");
    QTest::newRow("inversion") << "InvertItem1" << QStringLiteral("Ábc Ďx ä") << 0 << 8
                               << QStringLiteral("áBC ďX ä");
    QTest::newRow("inversion over a line break")
        << "InvertItem1" << QStringLiteral("Ab\ncD") << 0 << 5 << QStringLiteral("aB\nCd");
}

void TestTextCommands::caseCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    TRxRichEdit *editor = pageWith(text);
    QVERIFY(editor);
    editor->SetSelStart(start);
    editor->SetSelLength(length);
    trigger(command.toLatin1().constData());
    QCOMPARE(editor->PlainText(), expected);
    QCOMPARE(editor->SelStart(), start);
    QCOMPARE(editor->SelLength(), length);
    QVERIFY(editor->Modified());
    editor->Undo();
    QCOMPARE(editor->PlainText(), text);
}

void TestTextCommands::caseWithoutSelection()
{
    TRxRichEdit *editor = pageWith(QStringLiteral("abc"));
    QVERIFY(editor);
    editor->SetSelStart(1);
    for (const char *command : {"UpperItem1", "LowerItem1", "InvertItem1"})
        trigger(command);
    QCOMPARE(editor->PlainText(), QStringLiteral("abc"));
    QCOMPARE(editor->SelStart(), 1);
    QVERIFY(!editor->Modified());
    QVERIFY(!editor->CanUndo());
}

void TestTextCommands::dateAndTime()
{
    TRxRichEdit *editor = pageWith(QStringLiteral("<XYZ>"));
    QVERIFY(editor);
    editor->SetSelStart(1);
    editor->SetSelLength(3);
    const QString dateBefore = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    trigger("Vloitdatumaas1");
    const QString dateAfter = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString text = editor->PlainText();
    QVERIFY(text.startsWith(u'<') && text.endsWith(u'>'));
    QVERIFY(!text.contains(QStringLiteral("XYZ")));
    const QString inserted = text.mid(1, text.size() - 2);
    QVERIFY2(inserted.startsWith(dateBefore + u',') || inserted.startsWith(dateAfter + u','),
             qPrintable(inserted));
    // The inserted text ends selected, so typing replaces it.
    QCOMPARE(editor->SelStart(), 1);
    QCOMPARE(editor->SelText(), inserted);
    QVERIFY(editor->Modified());
}

void TestTextCommands::dateTimeText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Czech") << "cs_CZ";
    QTest::newRow("English") << "en_US";
    QTest::newRow("German") << "de_DE";
    QTest::newRow("C") << "C";
}

// Date, a comma, the time with seconds; no time zone; only characters of Windows-1250.
void TestTextCommands::dateTimeText()
{
    QFETCH(QString, locale);
    const QLocale l(locale);
    const QDateTime when(QDate(2026, 12, 6), QTime(17, 40, 20));
    const QString text = TextCommands::DateTimeText(l, when);
    const QString date = l.toString(when.date(), QLocale::ShortFormat);
    QVERIFY2(text.startsWith(date + u','), qPrintable(text));
    const QString time = text.mid(date.size() + 1);
    QVERIFY2(time.contains(QStringLiteral("40:20")), qPrintable(text));
    QVERIFY2(!TextCommands::LongTimeFormat(l).contains(u't'), qPrintable(TextCommands::LongTimeFormat(l)));
    QVERIFY2(!time.contains(QStringLiteral("UTC")) && !time.contains(QStringLiteral("CET"))
                 && !time.contains(QStringLiteral("GMT")),
             qPrintable(text));
    for (QChar c : text)
        QVERIFY2(Cp1250::isRepresentable(c) && c != u'?', qPrintable(text));
    if (locale == QLatin1String("cs_CZ"))
        QCOMPARE(time, QStringLiteral("17:40:20"));
}

void TestTextCommands::parseWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "57" << true << 57;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("sign") << "-3" << true << -3;
    QTest::newRow("plus") << "+4" << true << 4;
    QTest::newRow("blanks") << "  12 " << true << 12;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "x1" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("group separator") << "1 000" << false << 0;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
}

void TestTextCommands::parseWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int n = -12345;
    QCOMPARE(TextCommands::ParseWholeNumber(text, &n), ok);
    QCOMPARE(n, ok ? value : -12345);
}

void TestTextCommands::t602Command()
{
    const QString before = Cp1250::decode(QByteArray("@LH 6abc\na @HE b @HE c\nx\x8Dy\x8Dz\nabc@LH\nend"));
    TRxRichEdit *editor = pageWith(before);
    QVERIFY(editor);
    editor->SetSelStart(10);
    editor->SetSelLength(3);
    trigger("KonverzezT6021");
    QCOMPARE(editor->PlainText(), Cp1250::decode(QByteArray("abc\na  b @HE c\nxy\x8Dz\nabc\nend\n")));
    QCOMPARE(editor->SelStart(), 0);
    QCOMPARE(editor->SelLength(), 0);
    QVERIFY(editor->Modified());
    editor->Undo();
    QCOMPARE(editor->PlainText(), before);
    QVERIFY(!editor->CanUndo());
}

void TestTextCommands::conversionDialogIsFreshEachTime()
{
    TRxRichEdit *editor = pageWith(QStringLiteral("žába"));
    QVERIFY(editor);
    QList<int> seenRows;
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TfrmKonverze *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seenRows << dialog->lstZdroj->currentRow() << dialog->lstCil->currentRow();
            dialog->lstZdroj->setCurrentRow(3);
            dialog->lstCil->setCurrentRow(4);
            dialog->btnStorno->click();
        });
        trigger("mmKonverze");
    }
    QCOMPARE(seenRows, (QList<int>{0, 0, 0, 0}));
    QCOMPARE(editor->PlainText(), QStringLiteral("žába"));

    QTimer::singleShot(0, this, [] {
        if (auto *dialog = qobject_cast<TfrmKonverze *>(QApplication::activeModalWidget())) {
            dialog->lstCil->setCurrentRow(4);
            dialog->btnKonvert->click();
        }
    });
    trigger("mmKonverze");
    QCOMPARE(editor->PlainText(), QStringLiteral("zaba\n"));
    QVERIFY(editor->Modified());
    QCOMPARE(m_form->ActivePage()->ImageIndex(), 0); // the page shows its marker
    QVERIFY(!m_form->findChild<TfrmKonverze *>());   // released when closed
}

void TestTextCommands::findDialogsBelongToTheirPage()
{
    TRxRichEdit *first = pageWith(QStringLiteral("one x"));
    QVERIFY(first);
    first->SetSelStart(4);
    first->SetSelLength(1);
    trigger("mmFind");
    TSearchDialog *firstDialog = TEditorSearch::of(first)->FindDialog();
    QVERIFY(firstDialog && firstDialog->isVisible());
    QCOMPARE(firstDialog->SearchText(), QStringLiteral("x"));

    trigger("mmNew");
    TRxRichEdit *second = m_form->ActiveEditor();
    QVERIFY(second != first);
    second->setPlainText(QStringLiteral("two x x"));
    trigger("mmFind");
    QVERIFY(TEditorSearch::of(second)->FindDialog() != firstDialog);

    // The first page's dialog still searches the first page.
    first->SetSelStart(0);
    second->SetSelStart(0);
    firstDialog->btnFindNext->click();
    QCOMPARE(first->SelStart(), 4);
    QCOMPARE(second->SelStart(), 0);

    // F3 repeats the search of the page at hand.
    trigger("mmFindAgain");
    QCOMPARE(second->SelStart(), 0); // the second page never searched

    trigger("mmReplace");
    QPointer<TSearchDialog> replace = TEditorSearch::of(second)->ReplaceDialog();
    QVERIFY(replace && replace->isVisible());
    m_form->Pages()->CloseActivePage(); // closes the second page with its dialogs
    QTRY_VERIFY(!replace);
    QVERIFY(firstDialog->isVisible());
}

void TestTextCommands::repeatSearchOnANewPage()
{
    TRxRichEdit *editor = pageWith(QStringLiteral("abc abc"));
    QVERIFY(editor);
    editor->SetSelStart(0);
    trigger("mmFindAgain"); // nothing to repeat: only a beep
    QCOMPARE(editor->SelStart(), 0);
    QCOMPARE(editor->SelLength(), 0);

    editor->SetSelStart(0);
    editor->SetSelLength(3);
    trigger("mmFind");
    TSearchDialog *dialog = TEditorSearch::of(editor)->FindDialog();
    dialog->btnFindNext->click();
    QCOMPARE(editor->SelStart(), 4);
    dialog->hide();
    editor->SetSelStart(0);
    trigger("mmFindAgain");
    QCOMPARE(editor->SelStart(), 0);
    QCOMPARE(editor->SelLength(), 3);
}

void TestTextCommands::nothingHappensWithoutAPage()
{
    QVERIFY(pageWith(QString()));
    m_form->Pages()->CloseActivePage();
    QVERIFY(!m_form->ActiveEditor());
    bool dialogOpened = false;
    QTimer guard;
    connect(&guard, &QTimer::timeout, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogOpened = true;
            modal->close();
        }
    });
    guard.start(50);
    // The handlers themselves: the disabled actions would not run them.
    using Handler = void (TextToolCommands::*)();
    const Handler handlers[] = {
        &TextToolCommands::mmFindClick,         &TextToolCommands::mmFindAgainClick,
        &TextToolCommands::mmReplaceClick,      &TextToolCommands::mmGOTOClick,
        &TextToolCommands::Vloitdatumaas1Click, &TextToolCommands::UpperItem1Click,
        &TextToolCommands::LowerItem1Click,     &TextToolCommands::InvertItem1Click,
        &TextToolCommands::mmKonverzeClick,     &TextToolCommands::KonverzezT6021Click};
    TextToolCommands *tools = m_form->TextTools();
    for (const Handler handler : handlers)
        QMetaObject::invokeMethod(tools, [tools, handler] { (tools->*handler)(); });
    QTest::qWait(120);
    QVERIFY(!dialogOpened);
    QVERIFY(m_prompts.inputPrompts.isEmpty());
    QVERIFY(m_prompts.errors.isEmpty());
    QCOMPARE(m_form->PageControl()->PageCount(), 0);
    QVERIFY(m_form->findChildren<TSearchDialog *>().isEmpty());
}

QTEST_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
