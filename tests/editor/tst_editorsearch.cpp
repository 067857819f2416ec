// The editor's own Find and Replace dialogs and the searches they run.
#include "editor/search/TEditorSearch.h"
#include "editor/search/TSearchDialog.h"
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "text/TextCommands.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Selection
{
    int start, length;
    bool operator==(const Selection &o) const { return start == o.start && length == o.length; }
};

char *toString(const Selection &s)
{
    return QTest::toString(QStringLiteral("(%1, %2)").arg(s.start).arg(s.length));
}

Selection selectionOf(const TRxRichEdit &editor)
{
    return {editor.SelStart(), editor.SelLength()};
}

void select(TRxRichEdit &editor, int start, int length)
{
    editor.SetSelStart(start);
    editor.SetSelLength(length);
}

} // namespace

class TestEditorSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TRxRichEdit> m_editor;

    TRxRichEdit &editorWith(const QString &text)
    {
        m_editor = EditorWith(text, QSize(400, 300));
        return *m_editor;
    }

    // The editor's Find dialog with a search text, shown.
    TSearchDialog *findDialog(TRxRichEdit &editor, const QString &text, bool down = true)
    {
        TEditorSearch *search = TEditorSearch::of(&editor);
        search->ShowFindDialog();
        search->FindDialog()->SetSearchText(text);
        search->FindDialog()->SetDown(down);
        return search->FindDialog();
    }

    TSearchDialog *replaceDialog(TRxRichEdit &editor, const QString &text, const QString &by)
    {
        TEditorSearch *search = TEditorSearch::of(&editor);
        search->ShowReplaceDialog();
        search->ReplaceDialog()->SetSearchText(text);
        search->ReplaceDialog()->SetReplaceText(by);
        return search->ReplaceDialog();
    }

private slots:
    void initTestCase() { qRegisterMetaType<TRxRichEdit *>(); }
    void cleanup() { m_editor.reset(); }

    void dialogTexts();
    void findNextWalksDownWithoutWrap();
    void findUpFromTheEnd();
    void optionsOfTheDialog();
    void searchTextAcrossALineBreak();
    void presetFromSelection();
    void longSelectionIsCut();
    void showingDialogKeepsItsText();
    void textCopiedBetweenDialogs_data();
    void textCopiedBetweenDialogs();
    void repeatSearch();
    void replaceTakesTheSelectedHit();
    void replaceWithoutASelectedHitOnlyFinds();
    void replaceAllTakesTheSelectedHit();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneStepWithOneEventEach();
    void replaceAllFindingNothing();
    void replaceAllStopsAtTheLengthLimit();
    void eachEditorHasItsOwnDialogs();
    void dialogsCloseWithTheEditor();
    void moveDialogAside();
};

void TestEditorSearch::dialogTexts()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc"));
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    search->ShowReplaceDialog();
    TSearchDialog *find = search->FindDialog();
    TSearchDialog *replace = search->ReplaceDialog();
    QCOMPARE(find->windowTitle(), QStringLiteral("Najít"));
    QCOMPARE(replace->windowTitle(), QStringLiteral("Zaměnit"));
    QCOMPARE(find->btnFindNext->text(), QStringLiteral("Najít &další"));
    QCOMPARE(find->btnCancel->text(), QStringLiteral("Storno"));
    QCOMPARE(find->chkWholeWord->text(), QStringLiteral("Pouze &celá slova"));
    QCOMPARE(find->chkMatchCase->text(), QStringLiteral("&Rozlišovat malá a velká písmena"));
    QVERIFY(find->rbDown->isChecked());
    QVERIFY(!find->WholeWord() && !find->MatchCase());
    QVERIFY(!find->edtReplace && !find->btnReplace && !find->btnReplaceAll);
    QCOMPARE(replace->btnReplace->text(), QStringLiteral("Za&měnit"));
    QCOMPARE(replace->btnReplaceAll->text(), QStringLiteral("Zaměnit &vše"));
    QVERIFY(!replace->rbUp && !replace->rbDown);
    QVERIFY(replace->Down());
    QCOMPARE(find->edtSearch->maxLength(), 255);
    QCOMPARE(replace->edtReplace->maxLength(), 255);
    // Searching for nothing is not offered.
    find->SetSearchText(QString());
    QVERIFY(!find->btnFindNext->isEnabled());
    find->SetSearchText(QStringLiteral("a"));
    QVERIFY(find->btnFindNext->isEnabled());
    QVERIFY(find->isVisible() && replace->isVisible());
    QVERIFY(!find->isModal());
}

void TestEditorSearch::findNextWalksDownWithoutWrap()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc abc"));
    editor.SetSelStart(0);
    TSearchDialog *dialog = findDialog(editor, QStringLiteral("abc"));
    QSignalSpy missed(TEditorSearch::of(&editor), &TEditorSearch::TextNotFound);
    dialog->btnFindNext->click();
    QCOMPARE(selectionOf(editor), (Selection{0, 3}));
    dialog->btnFindNext->click();
    QCOMPARE(selectionOf(editor), (Selection{4, 3}));
    QCOMPARE(missed.count(), 0);
    dialog->btnFindNext->click();
    QCOMPARE(selectionOf(editor), (Selection{4, 3}));
    QCOMPARE(missed.count(), 1);
    QVERIFY(!TEditorSearch::of(&editor)->RepeatSearch());
}

void TestEditorSearch::findUpFromTheEnd()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc abc"));
    editor.SetSelStart(7);
    TSearchDialog *dialog = findDialog(editor, QStringLiteral("abc"), false);
    TEditorSearch *search = TEditorSearch::of(&editor);
    QVERIFY(search->SearchWithDialog(dialog, false, true));
    QCOMPARE(selectionOf(editor), (Selection{4, 3}));
    QVERIFY(search->SearchWithDialog(dialog, false, true));
    QCOMPARE(selectionOf(editor), (Selection{0, 3}));
    QVERIFY(!search->SearchWithDialog(dialog, false, true));
    QCOMPARE(selectionOf(editor), (Selection{0, 3}));
}

void TestEditorSearch::optionsOfTheDialog()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc ab ABC"));
    TEditorSearch *search = TEditorSearch::of(&editor);
    TSearchDialog *dialog = findDialog(editor, QStringLiteral("ab"));
    dialog->SetWholeWord(true);
    editor.SetSelStart(0);
    QVERIFY(search->SearchWithDialog(dialog, false, false));
    QCOMPARE(selectionOf(editor), (Selection{4, 2}));

    dialog->SetWholeWord(false);
    dialog->SetSearchText(QStringLiteral("ABC"));
    dialog->SetMatchCase(true);
    editor.SetSelStart(0);
    QVERIFY(search->SearchWithDialog(dialog, false, false));
    QCOMPARE(selectionOf(editor), (Selection{7, 3}));
    dialog->SetMatchCase(false);
    editor.SetSelStart(0);
    QVERIFY(search->SearchWithDialog(dialog, false, false));
    QCOMPARE(selectionOf(editor), (Selection{0, 3}));
}

// A selection over a line break gives a search text with CR; it finds the same text.
void TestEditorSearch::searchTextAcrossALineBreak()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("ab\ncd\nab\ncd"));
    select(editor, 1, 3);
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    QCOMPARE(search->FindDialog()->SearchText(), QStringLiteral("b\rc"));
    QVERIFY(search->SearchWithDialog(search->FindDialog(), false, false));
    QCOMPARE(selectionOf(editor), (Selection{7, 3}));
}

void TestEditorSearch::presetFromSelection()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc def"));
    select(editor, 0, 3);
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    QCOMPARE(search->FindDialog()->SearchText(), QStringLiteral("abc"));
    search->FindDialog()->hide();
    editor.SetSelStart(5); // nothing selected: the field keeps its text
    search->ShowFindDialog();
    QCOMPARE(search->FindDialog()->SearchText(), QStringLiteral("abc"));
    search->FindDialog()->hide();
    select(editor, 4, 3);
    search->ShowFindDialog();
    QCOMPARE(search->FindDialog()->SearchText(), QStringLiteral("def"));
    // The replace text is never preset.
    search->ShowReplaceDialog();
    QCOMPARE(search->ReplaceDialog()->ReplaceText(), QString());
}

void TestEditorSearch::longSelectionIsCut()
{
    QString text;
    for (int i = 0; i < 300; ++i)
        text.append(QChar(u'a' + i % 26));
    TRxRichEdit &editor = editorWith(text);
    select(editor, 0, 300);
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    QCOMPARE(search->FindDialog()->SearchText(), text.left(255));
    search->ShowReplaceDialog();
    QCOMPARE(search->ReplaceDialog()->SearchText(), text.left(255));
}

void TestEditorSearch::showingDialogKeepsItsText()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc def"));
    TSearchDialog *dialog = findDialog(editor, QStringLiteral("typed"));
    select(editor, 4, 3);
    TEditorSearch::of(&editor)->ShowFindDialog();
    QCOMPARE(dialog->SearchText(), QStringLiteral("typed"));
    QCOMPARE(TEditorSearch::of(&editor)->FindDialog(), dialog);
}

void TestEditorSearch::textCopiedBetweenDialogs_data()
{
    QTest::addColumn<bool>("findFirst");
    QTest::newRow("Find, then Replace") << true;
    QTest::newRow("Replace, then Find") << false;
}

void TestEditorSearch::textCopiedBetweenDialogs()
{
    QFETCH(bool, findFirst);
    TRxRichEdit &editor = editorWith(QStringLiteral("abc def"));
    TEditorSearch *search = TEditorSearch::of(&editor);
    select(editor, 4, 3);
    if (findFirst)
        search->ShowFindDialog();
    else
        search->ShowReplaceDialog();
    editor.SetSelStart(0);
    if (findFirst) {
        search->ShowReplaceDialog();
        QCOMPARE(search->ReplaceDialog()->SearchText(), QStringLiteral("def"));
    } else {
        search->ShowFindDialog();
        QCOMPARE(search->FindDialog()->SearchText(), QStringLiteral("def"));
    }
    // A selection wins over the copied text.
    m_editor.reset();
    TRxRichEdit &other = editorWith(QStringLiteral("abc def"));
    search = TEditorSearch::of(&other);
    select(other, 4, 3);
    findFirst ? search->ShowFindDialog() : search->ShowReplaceDialog();
    select(other, 0, 3);
    findFirst ? search->ShowReplaceDialog() : search->ShowFindDialog();
    TSearchDialog *second = findFirst ? search->ReplaceDialog() : search->FindDialog();
    QCOMPARE(second->SearchText(), QStringLiteral("abc"));
}

void TestEditorSearch::repeatSearch()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("x1 x2 x3"));
    QVERIFY(!TEditorSearch::find(&editor));
    QVERIFY(!TEditorSearch::of(&editor)->RepeatSearch()); // never searched: nothing to repeat
    TSearchDialog *dialog = findDialog(editor, QString());
    QVERIFY(!TEditorSearch::of(&editor)->SearchWithDialog(dialog, false, true));
    QVERIFY(!TEditorSearch::of(&editor)->LastSearch()); // an empty text is no search
    dialog->SetSearchText(QStringLiteral("x"));
    editor.SetSelStart(0);
    dialog->btnFindNext->click();
    QCOMPARE(TEditorSearch::of(&editor)->LastSearch(), dialog);
    dialog->hide();
    QVERIFY(TEditorSearch::of(&editor)->RepeatSearch());
    QCOMPARE(selectionOf(editor), (Selection{3, 1}));
    // The dialog's current options apply.
    dialog->SetDown(false);
    QVERIFY(TEditorSearch::of(&editor)->RepeatSearch());
    QCOMPARE(selectionOf(editor), (Selection{0, 1}));
    QVERIFY(!TEditorSearch::of(&editor)->RepeatSearch());
}

void TestEditorSearch::replaceTakesTheSelectedHit()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("x x x"));
    TSearchDialog *find = findDialog(editor, QStringLiteral("x"));
    editor.SetSelStart(0);
    find->btnFindNext->click();
    QCOMPARE(selectionOf(editor), (Selection{0, 1}));
    TSearchDialog *replace = replaceDialog(editor, QStringLiteral("x"), QStringLiteral("yy"));
    // The hit the user sees is replaced, and the next one is selected.
    replace->btnReplace->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("yy x x"));
    QCOMPARE(selectionOf(editor), (Selection{3, 1}));
    QVERIFY(editor.Modified());
    replace->btnReplace->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("yy yy x"));
    QCOMPARE(selectionOf(editor), (Selection{6, 1}));
    replace->btnReplace->click(); // the last hit: its replacement stays selected
    QCOMPARE(editor.PlainText(), QStringLiteral("yy yy yy"));
    QCOMPARE(selectionOf(editor), (Selection{6, 2}));
    QCOMPARE(TEditorSearch::of(&editor)->LastSearch(), replace);
    editor.SetSelStart(0);
    replace->btnReplace->click(); // nothing left to find: nothing replaced
    QCOMPARE(editor.PlainText(), QStringLiteral("yy yy yy"));
}

void TestEditorSearch::replaceWithoutASelectedHitOnlyFinds()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("ab xab x X"));
    TSearchDialog *replace = replaceDialog(editor, QStringLiteral("x"), QStringLiteral("_"));
    editor.SetSelStart(0);
    replace->btnReplace->click(); // a caret, no selection: the first hit is only selected
    QCOMPARE(editor.PlainText(), QStringLiteral("ab xab x X"));
    QCOMPARE(selectionOf(editor), (Selection{3, 1}));
    // Whole words only: the selected "x" of "xab" is no hit, so it is left and the next taken.
    replace->chkWholeWord->setChecked(true);
    replace->btnReplace->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("ab xab x X"));
    QCOMPARE(selectionOf(editor), (Selection{7, 1}));
    // Matching case: the selection "x" is a hit, the "X" after it is not the next one.
    replace->chkMatchCase->setChecked(true);
    replace->btnReplace->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("ab xab _ X"));
    QCOMPARE(selectionOf(editor), (Selection{7, 1}));
    // A selection wider than a hit is no hit either.
    select(editor, 2, 3);
    replace->chkWholeWord->setChecked(false);
    replace->btnReplace->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("ab xab _ X"));
}

void TestEditorSearch::replaceAllTakesTheSelectedHit()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("a a a a"));
    select(editor, 2, 1); // the second "a", as Find Next leaves it
    TSearchDialog *dialog = replaceDialog(editor, QStringLiteral("a"), QStringLiteral("b"));
    dialog->btnReplaceAll->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("a b b b")); // the one before stays
}

void TestEditorSearch::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("by");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::newRow("a by aa from 0") << "aaa" << 0 << "a" << "aa" << "aaaaaa" << 4 << 2;
    QTest::newRow("caret mid-text") << "a b a b a" << 3 << "a" << "x" << "a b x b x" << 8 << 1;
    QTest::newRow("Czech letters folded") << QStringLiteral("Kůň, KŮŇ, kůň") << 0 << QStringLiteral("kůň") << "k" << "k, k, k" << 6 << 1;
    QTest::newRow("by nothing") << "a-a-a" << 0 << "-" << "" << "aaa" << 2 << 0;
    QTest::newRow("replacement with a line break") << "a b" << 0 << " " << "\r\n" << "a\nb" << 1 << 1;
    QTest::newRow("no-break space is not a blank") << QStringLiteral("a\u00A0b a b") << 0 << " " << "_" << QStringLiteral("a\u00A0b_a_b") << 5 << 1;
    QTest::newRow("replacement outside Windows-1250") << "a b" << 0 << "b" << QStringLiteral("ж") << "a ?" << 2 << 1;
}

void TestEditorSearch::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, needle);
    QFETCH(QString, by);
    QFETCH(QString, expected);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    TRxRichEdit &editor = editorWith(text);
    editor.SetSelStart(caret);
    TSearchDialog *dialog = replaceDialog(editor, needle, by);
    dialog->btnReplaceAll->click();
    QCOMPARE(TextCommands::DocumentText(*editor.document()), expected);
    // The last replacement ends selected.
    QCOMPARE(selectionOf(editor), (Selection{selStart, selLength}));
    QVERIFY(editor.Modified());
}

void TestEditorSearch::replaceAllIsOneStepWithOneEventEach()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("one a two a three a\nfour a"));
    QSignalSpy changes(&editor, &TRxRichEdit::Changed);
    QSignalSpy selections(&editor, &TRxRichEdit::SelectionChanged);
    editor.SetSelStart(0);
    selections.clear();
    TSearchDialog *dialog = replaceDialog(editor, QStringLiteral("a"), QStringLiteral("A!"));
    QCOMPARE(TEditorSearch::of(&editor)->ReplaceAll(dialog), 4);
    QCOMPARE(editor.PlainText(), QStringLiteral("one A! two A! three A!\nfour A!"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(selections.count(), 1);
    QVERIFY(editor.CanUndo());
    editor.Undo();
    QCOMPARE(editor.PlainText(), QStringLiteral("one a two a three a\nfour a"));
    QVERIFY(!editor.CanUndo());
}

void TestEditorSearch::replaceAllFindingNothing()
{
    TRxRichEdit &editor = editorWith(QStringLiteral("abc abc"));
    QSignalSpy changes(&editor, &TRxRichEdit::Changed);
    editor.SetSelStart(0);
    QSignalSpy selections(&editor, &TRxRichEdit::SelectionChanged);
    QSignalSpy missed(TEditorSearch::of(&editor), &TEditorSearch::TextNotFound);
    TSearchDialog *dialog = replaceDialog(editor, QStringLiteral("x"), QStringLiteral("y"));
    dialog->btnReplaceAll->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("abc abc"));
    QVERIFY(!editor.Modified());
    QVERIFY(!editor.CanUndo());
    QCOMPARE(changes.count(), 0);
    QCOMPARE(selections.count(), 0);
    QCOMPARE(missed.count(), 1);
    // Occurrences before the starting point are not replaced either.
    editor.SetSelStart(7);
    dialog->SetSearchText(QStringLiteral("abc"));
    dialog->btnReplaceAll->click();
    QCOMPARE(editor.PlainText(), QStringLiteral("abc abc"));
    QVERIFY(!editor.Modified());
}

// Replacing cannot make the text outgrow the editor; the run stops at the last
// replacement that fits and the rest of the text stays.
void TestEditorSearch::replaceAllStopsAtTheLengthLimit()
{
    const int lineLength = 64;
    const int lines = TRxRichEdit::MaxLength / (lineLength + 1) - 1;
    QString line(lineLength, u'b');
    line[0] = u'a';
    QString text;
    text.reserve(lines * (lineLength + 1) + 8);
    for (int i = 0; i < lines; ++i)
        text.append(line).append(u'\n');
    text.append(QStringLiteral("END"));
    const int room = TRxRichEdit::MaxLength - int(text.size());
    QVERIFY(room > 0 && room < lines);

    TRxRichEdit editor;
    editor.setPlainText(text);
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowReplaceDialog();
    search->ReplaceDialog()->SetSearchText(QStringLiteral("a"));
    search->ReplaceDialog()->SetReplaceText(QStringLiteral("aa"));
    editor.SetSelStart(0);
    QCOMPARE(search->ReplaceAll(search->ReplaceDialog()), room);
    const QString result = editor.PlainText();
    QCOMPARE(int(result.size()), TRxRichEdit::MaxLength);
    QVERIFY(result.endsWith(QStringLiteral("\nabbb") + QString(lineLength - 4, u'b') + QStringLiteral("\nEND")));
    QVERIFY(result.startsWith(QStringLiteral("aab")));
    search->ReplaceDialog()->hide();
}

void TestEditorSearch::eachEditorHasItsOwnDialogs()
{
    TRxRichEdit first, second;
    first.setPlainText(QStringLiteral("one x"));
    second.setPlainText(QStringLiteral("two x"));
    TEditorSearch::of(&first)->ShowFindDialog();
    TEditorSearch::of(&second)->ShowFindDialog();
    TSearchDialog *firstDialog = TEditorSearch::of(&first)->FindDialog();
    QVERIFY(firstDialog != TEditorSearch::of(&second)->FindDialog());
    QCOMPARE(TEditorSearch::of(&first), TEditorSearch::of(&first));
    firstDialog->SetSearchText(QStringLiteral("x"));
    first.SetSelStart(0);
    second.SetSelStart(0);
    firstDialog->btnFindNext->click();
    QCOMPARE(selectionOf(first), (Selection{4, 1}));
    QCOMPARE(selectionOf(second), (Selection{0, 0}));
    QVERIFY(!TEditorSearch::of(&second)->LastSearch());
    firstDialog->hide();
    TEditorSearch::of(&second)->FindDialog()->hide();
}

void TestEditorSearch::dialogsCloseWithTheEditor()
{
    auto *editor = new TRxRichEdit;
    editor->setPlainText(QStringLiteral("abc"));
    TEditorSearch::of(editor)->ShowFindDialog();
    TEditorSearch::of(editor)->ShowReplaceDialog();
    QPointer<TSearchDialog> find = TEditorSearch::of(editor)->FindDialog();
    QPointer<TSearchDialog> replace = TEditorSearch::of(editor)->ReplaceDialog();
    QVERIFY(find && find->isVisible() && replace && replace->isVisible());
    delete editor;
    QVERIFY(!find);
    QVERIFY(!replace);
}

void TestEditorSearch::moveDialogAside()
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text.append(QStringLiteral("line %1\n").arg(i));
    TRxRichEdit &editor = editorWith(text);
    editor.move(0, 0);
    editor.resize(500, 560);
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    TSearchDialog *dialog = findDialog(editor, QStringLiteral("line 20"));
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    editor.SetSelStart(0);
    QVERIFY(TEditorSearch::of(&editor)->SearchWithDialog(dialog, false, false));

    QTextCursor at = editor.textCursor();
    at.setPosition(editor.SelStart());
    const QPoint top = editor.viewport()->mapToGlobal(editor.cursorRect(at).topLeft());
    // Cover the hit, then ask the dialog to step aside.
    dialog->move(top.x() - 10, top.y() - 10);
    QTRY_VERIFY(dialog->frameGeometry().contains(top));
    TEditorSearch::of(&editor)->MoveDialogAside(dialog);
    QTRY_VERIFY(!dialog->frameGeometry().contains(top));
    const QRect frame = dialog->frameGeometry();
    if (top.y() - dialog->screen()->geometry().top() > frame.height() + 20)
        QCOMPARE(frame.bottom() + 1, top.y() - 20);
    else
        QCOMPARE(frame.top(), top.y() + 40);

    // A dialog that covers nothing stays where it is.
    dialog->move(top.x() + 300, top.y() + 200);
    QTRY_COMPARE(dialog->pos(), QPoint(top.x() + 300, top.y() + 200));
    TEditorSearch::of(&editor)->MoveDialogAside(dialog);
    QCOMPARE(dialog->pos(), QPoint(top.x() + 300, top.y() + 200));
}

QTEST_MAIN(TestEditorSearch)
#include "tst_editorsearch.moc"
