// Checking as you type on the shown main window, with a small dictionary of our own: what
// is underlined (only on screen, not the word being typed), what the right click offers
// and does, the stored check mark with the dictionary read after the window shows, and a
// machine without a dictionary.
#include "app/commands/CommandTable.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "settings/store/TSettingsStore.h"
#include "spell/SpellCommands.h"
#include "spell/SpellerSource.h"
#include "spell/TSpellChecker.h"
#include "spell/TSpellerDialog2.h"
#include "spell/TypingSpellCheck.h"
#include "spell/VisibleSpellCheck.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Word = VisibleSpellCheck::Word;

// The words of the page text, each with its position.
QStringList wordsAt(const TRxRichEdit *editor, const QList<Word> &words)
{
    QStringList out;
    const QString text = editor->PlainText();
    for (const Word &w : words)
        out << text.mid(w.start, w.length);
    return out;
}

QStringList names(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return out;
}

// Red pixels of the wavy line below [start, end) of one display line.
int redBelow(TRxRichEdit *editor, int start, int end)
{
    QTextCursor a(editor->document()), b(editor->document());
    a.setPosition(start);
    b.setPosition(end);
    const QRect ra = editor->cursorRect(a), rb = editor->cursorRect(b);
    const QImage image = editor->viewport()->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    int red = 0;
    for (int y = ra.top() + ra.height() / 2; y <= ra.bottom() + 3; ++y)
        for (int x = ra.left(); x < rb.left(); ++x) {
            const QColor c = image.pixelColor(int(x * dpr), int(y * dpr));
            red += c.red() - qMax(c.green(), c.blue()) > 80;
        }
    return red;
}

} // namespace

class TestTypingSpellCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    TFakePrompts m_prompts;
    std::unique_ptr<TSettingsStore> m_store;
    std::unique_ptr<TMainForm> m_form;

    QString dictFolder() const { return m_home.filePath("dict"); }
    QString customDict() const { return m_home.filePath("config/CUSTOM.DIC"); }
    TRxRichEdit *editor() const { return m_form->ActiveEditor(); }
    VisibleSpellCheck *check() const { return VisibleSpellCheck::of(editor()); }
    QAction *item() const { return m_form->Commands().Action(QStringLiteral("mmAutoSpell")); }
    QList<Word> underlined() const { return check() ? check()->Underlined() : QList<Word>(); }
    QStringList underlinedWords() const { return wordsAt(editor(), underlined()); }

    bool start()
    {
        m_form = std::make_unique<TMainForm>(&m_prompts, m_store.get());
        m_form->resize(500, 300);
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            return false;
        m_form->activateWindow();
        return true;
    }
    // Switches the check on through its menu item, as a click does.
    void switchOn()
    {
        QVERIFY(m_form->Nstroje1->actions().contains(item()));
        item()->trigger();
        QVERIFY(item()->isChecked());
        QTRY_VERIFY(m_form->TypingSpell()->IsOn());
    }
    void setText(const QString &text)
    {
        // As a file of these lines reads: each line followed by a break.
        TakeAsLoaded(editor(),
                     text.isEmpty() || text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
        editor()->SetSelStart(0);
    }
    // The centre of the character at pos, in the viewport.
    QPoint pointAt(int pos) const
    {
        QTextCursor a(editor()->document()), b(editor()->document());
        a.setPosition(pos);
        b.setPosition(pos + 1);
        const QRect ra = editor()->cursorRect(a), rb = editor()->cursorRect(b);
        return {(ra.left() + rb.left()) / 2, ra.center().y()};
    }
    // A right click on the character at pos; the page menu opens.
    QMenu *rightClick(int pos)
    {
        // Through the window, as the platform delivers it: the press becomes a context menu event.
        const QPoint at = editor()->viewport()->mapTo(m_form.get(), pointAt(pos));
        QTest::mouseClick(m_form->windowHandle(), Qt::RightButton, {}, at);
        QMenu *menu = m_form->pmActivePage;
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return nullptr;
        return menu;
    }
    void closeMenu(QMenu *menu)
    {
        menu->hide();
        QTRY_VERIFY(!menu->actions().first()->objectName().startsWith("pmaSpell"));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void underlinesOnlyWhatIsOnScreen();
    void wordBeingTypedWaitsForTheCaretToLeave();
    void rightClickOffersSuggestionsAtTheTop();
    void rightClickOnACorrectWordAddsNothing();
    void menuKeyOffersTheWordAtTheCaret();
    void menuItemsAct_data();
    void menuItemsAct();
    void skippingInTheSpellingDialogClearsTheUnderline();
    void checkMarkIsStoredAndDictionaryReadAfterShowing();
    void noDictionaryIsToldOnceAndNothingElseChanges();
    void underlinesFollowALargeTextMadeWhole();
};

void TestTypingSpellCheck::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
    // A dictionary of our own comes first ($DICPATH); the user's data folder is empty.
    QVERIFY(QDir().mkpath(dictFolder()));
    QVERIFY(TestFiles::WriteBytes(dictFolder() + "/cs_CZ.aff", "SET UTF-8\nTRY aeiouyspkl\n"));
    QVERIFY(TestFiles::WriteBytes(
        dictFolder() + "/cs_CZ.dic",
        QStringLiteral("17\npes\npas\npis\npos\npus\npys\nkočka\ndům\nje\na\nvelký\nmalý\ntext\nřádek\n"
                       "konec\nstrom\nles\n")
            .toUtf8()));
    qputenv("DICPATH", dictFolder().toUtf8());
    qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
}

void TestTypingSpellCheck::init()
{
    QDir(m_home.filePath("config")).removeRecursively();
    QVERIFY(QDir().mkpath(m_home.filePath("config")));
    m_store = std::make_unique<TSettingsStore>(m_home.filePath("config/quortosk.ini"));
    m_prompts = TFakePrompts();
    QVERIFY(start());
}

void TestTypingSpellCheck::cleanup()
{
    m_form.reset();
    m_store.reset();
}

void TestTypingSpellCheck::underlinesOnlyWhatIsOnScreen()
{
    QStringList lines{QStringLiteral("pes je xqz a kočka")};
    for (int i = 0; i < 400; ++i)
        lines << QStringLiteral("pes je velký a malý strom");
    lines << QStringLiteral("konec zlyk");
    setText(lines.join('\n'));
    QVERIFY(underlined().isEmpty()); // off at first
    switchOn();
    QTRY_COMPARE(underlinedWords(), QStringList{"xqz"});
    QVERIFY(check()->CheckedTo() < editor()->TextLength() / 4); // the text far below was never read
    QVERIFY(m_prompts.messages.isEmpty() && m_prompts.errors.isEmpty());
    // Drawn as a red line under the word, nowhere under its neighbours.
    QTRY_VERIFY(redBelow(editor(), 7, 10) > 5);
    QCOMPARE(redBelow(editor(), 0, 6), 0);

    // Scrolled to the end, the last line is checked; what went off screen is no longer kept.
    editor()->verticalScrollBar()->setValue(editor()->verticalScrollBar()->maximum());
    QTRY_COMPARE(underlinedWords(), QStringList{"zlyk"});

    // Off: no underline at all.
    item()->trigger();
    QTRY_VERIFY(!m_form->TypingSpell()->IsOn());
    QVERIFY(underlined().isEmpty());
    QVERIFY(editor()->extraSelections().isEmpty());
}

void TestTypingSpellCheck::wordBeingTypedWaitsForTheCaretToLeave()
{
    switchOn();
    setText(QStringLiteral("pes je"));
    QTRY_VERIFY(m_form->TypingSpell()->IsOn() && m_form->findChild<SpellCommands *>()->Source()->Speller());
    editor()->setFocus();
    editor()->SetSelStart(6);
    QTest::keyClicks(editor(), " pxq");
    // Typing keeps putting the check off, and the word at the caret is not judged yet.
    QTest::qWait(VisibleSpellCheck::TypingPause + 200);
    QVERIFY(underlined().isEmpty());
    QTest::keyClicks(editor(), " a");
    QTRY_COMPARE(underlinedWords(), QStringList{"pxq"});
    // Back into the word and changing it: the underline goes once the word is right.
    editor()->SetSelStart(9);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClicks(editor(), "e");
    QTest::keyClick(editor(), Qt::Key_Right);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClicks(editor(), "s");
    QTest::keyClick(editor(), Qt::Key_End);
    QCOMPARE(editor()->PlainText(), QStringLiteral("pes je pes a\n"));
    QTRY_VERIFY(underlined().isEmpty());
}

void TestTypingSpellCheck::rightClickOffersSuggestionsAtTheTop()
{
    const QStringList before = names(m_form->pmActivePage->actions());
    switchOn();
    setText(QStringLiteral("strom pxs les"));
    QTRY_COMPARE(underlinedWords(), QStringList{"pxs"});
    QMenu *menu = rightClick(7);
    QVERIFY(menu);
    const QList<QAction *> items = menu->actions();
    // pas, pes, pis, pos, pus, pys: five of six.
    QStringList expected(TypingSpellCheck::MaxSuggestions, QStringLiteral("pmaSpellSuggestion"));
    expected << "pmaSpellAdd"
             << "pmaSpellIgnore"
             << "-";
    QCOMPARE(names(items).mid(0, expected.size()), expected);
    QCOMPARE(names(items).mid(expected.size()), before);
    for (int i = 0; i < TypingSpellCheck::MaxSuggestions; ++i)
        QVERIFY2(QRegularExpression("^p[aeiouy]s$").match(items[i]->text()).hasMatch(),
                 qPrintable(items[i]->text()));
    QCOMPARE(items[5]->text(), QStringLiteral("Přidat do slovníku"));
    QCOMPARE(items[6]->text(), QStringLiteral("Přeskakovat"));
    // Hidden, the menu is the page menu again.
    closeMenu(menu);
    QCOMPARE(names(menu->actions()), before);
    QCOMPARE(editor()->PlainText(), QStringLiteral("strom pxs les\n"));
}

void TestTypingSpellCheck::rightClickOnACorrectWordAddsNothing()
{
    const QStringList before = names(m_form->pmActivePage->actions());
    switchOn();
    setText(QStringLiteral("strom pxs les"));
    QTRY_COMPARE(underlinedWords(), QStringList{"pxs"});
    for (int pos : {1, 11, 5}) { // "strom", "les", the blank before the error
        QMenu *menu = rightClick(pos);
        QVERIFY(menu);
        QCOMPARE(names(menu->actions()), before);
        closeMenu(menu);
    }
}

void TestTypingSpellCheck::menuKeyOffersTheWordAtTheCaret()
{
    switchOn();
    setText(QStringLiteral("strom kxn les"));
    QTRY_COMPARE(underlinedWords(), QStringList{"kxn"});
    for (const int caret : {0, 9}) { // in "strom", then right after "kxn"
        editor()->SetSelStart(caret);
        const QPoint at = editor()->cursorRect().center();
        QContextMenuEvent key(QContextMenuEvent::Keyboard, at, editor()->mapToGlobal(at));
        QApplication::sendEvent(editor(), &key);
        QMenu *menu = m_form->pmActivePage;
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().first()->objectName() == "pmaSpellSuggestion", caret == 9);
        closeMenu(menu);
    }
}

void TestTypingSpellCheck::menuItemsAct_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QStringList>("underlinedAfter");
    QTest::addColumn<QByteArray>("customDictAfter");
    // The second "kxn" shares the fate of the first, except for a replacement.
    QTest::newRow("suggestion") << "pmaSpellSuggestion"
                                << "les kxn pxs kxn" << QStringList{"kxn", "kxn"} << QByteArray();
    QTest::newRow("add to the dictionary")
        << "pmaSpellAdd"
        << "les kxn pxs kxn" << QStringList{"kxn", "kxn"} << QByteArray("pxs\n");
    QTest::newRow("skip") << "pmaSpellIgnore"
                          << "les kxn pxs kxn" << QStringList{"kxn", "kxn"} << QByteArray();
}

void TestTypingSpellCheck::menuItemsAct()
{
    QFETCH(QString, itemName);
    QFETCH(QString, textAfter);
    QFETCH(QStringList, underlinedAfter);
    QFETCH(QByteArray, customDictAfter);
    switchOn();
    setText(QStringLiteral("les kxn pxs kxn"));
    QTRY_COMPARE(underlinedWords(), (QStringList{"kxn", "pxs", "kxn"}));
    QMenu *menu = rightClick(9);
    QVERIFY(menu);
    QAction *chosen = nullptr;
    for (QAction *a : menu->actions())
        if (a->objectName() == itemName && !chosen)
            chosen = a;
    QVERIFY(chosen);
    const QString suggestion = chosen->text();
    // Clicked in the open menu.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    QTRY_VERIFY(!menu->isVisible());
    if (itemName == "pmaSpellSuggestion") {
        textAfter.replace(8, 3, suggestion);
        QVERIFY(editor()->Modified());
    } else {
        QVERIFY(!editor()->Modified());
    }
    QCOMPARE(editor()->PlainText(), textAfter + "\n");
    QTRY_COMPARE(underlinedWords(), underlinedAfter);
    QTRY_COMPARE(names(menu->actions()).first(), QStringLiteral("pmaClose"));
    if (customDictAfter.isEmpty())
        QVERIFY(!QFile::exists(customDict()) || TestFiles::ReadBytes(customDict()).isEmpty());
    else
        QCOMPARE(TestFiles::ReadBytes(customDict()), customDictAfter);
    if (itemName == "pmaSpellSuggestion") {
        // One undo step brings the word back.
        editor()->Undo();
        QCOMPARE(editor()->PlainText(), QStringLiteral("les kxn pxs kxn\n"));
    } else {
        // The spelling check shares the speller: F7 now stops at "kxn" only.
        editor()->SetSelStart(8);
        m_form->findChild<SpellCommands *>()->mmSpellClick();
        TSpellChecker *f7 = m_form->findChild<SpellCommands *>()->Speller();
        QVERIFY(f7->Dialog()->isVisible());
        QCOMPARE(f7->Position(), 12);
        f7->Cancel();
    }
    QVERIFY(m_prompts.messages.isEmpty() && m_prompts.errors.isEmpty());
}

void TestTypingSpellCheck::skippingInTheSpellingDialogClearsTheUnderline()
{
    switchOn();
    setText(QStringLiteral("les kxn pxs"));
    QTRY_COMPARE(underlinedWords(), (QStringList{"kxn", "pxs"}));
    SpellCommands *spelling = m_form->findChild<SpellCommands *>();
    spelling->mmSpellClick();
    TSpellerDialog2 *dialog = spelling->Speller()->Dialog();
    QVERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->SkipAllButton, Qt::LeftButton); // "Přeskakovat" on "kxn"
    QTRY_COMPARE(underlinedWords(), QStringList{"pxs"});
    spelling->Speller()->Cancel();
}

void TestTypingSpellCheck::checkMarkIsStoredAndDictionaryReadAfterShowing()
{
    QVERIFY(!item()->isChecked());
    switchOn();
    m_form->close();
    QCOMPARE(
        TestFiles::ReadBytes(m_home.filePath("config/quortosk.ini")).contains("mmAutoSpell_Checked=True"),
        true);
    m_form.reset();

    m_form = std::make_unique<TMainForm>(&m_prompts, m_store.get());
    SpellerSource *source = m_form->findChild<SpellCommands *>()->Source();
    QVERIFY(!item()->isChecked());
    m_form->show();
    // Shown with the mark restored, and the dictionary not read on the way.
    QVERIFY(item()->isChecked());
    QVERIFY(!source->Speller());
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTRY_VERIFY(source->Speller());
    setText(QStringLiteral("les kxn"));
    QTRY_COMPARE(underlinedWords(), QStringList{"kxn"});

    // Off again is stored too.
    item()->trigger();
    QTRY_VERIFY(!m_form->TypingSpell()->IsOn());
    m_form->close();
    QVERIFY(
        TestFiles::ReadBytes(m_home.filePath("config/quortosk.ini")).contains("mmAutoSpell_Checked=False"));
}

void TestTypingSpellCheck::noDictionaryIsToldOnceAndNothingElseChanges()
{
    m_form.reset();
    QTemporaryDir empty;
    QMainWindow window;
    auto *editor = new TRxRichEdit(&window);
    window.setCentralWidget(editor);
    SpellerSource source(m_store.get(), &m_prompts, &window);
    source.SetSystemDictionaryFolders({empty.path()});
    const QByteArray dicpath = qgetenv("DICPATH");
    qunsetenv("DICPATH");
    const auto restore = qScopeGuard([dicpath] { qputenv("DICPATH", dicpath); });
    TypingSpellCheck typing([editor] { return editor; }, &source, &m_prompts, &window, nullptr);
    QSignalSpy marks(&typing, &TypingSpellCheck::OnChanged);
    typing.WatchEditor(editor);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor->setPlainText(QStringLiteral("les kxn"));

    typing.mmAutoSpellClick();
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    QVERIFY2(m_prompts.messages.first().startsWith("Kontrola pravopisu|Kontrola pravopisu při psaní "
                                                   "nepracuje.\n\nSlovník pro kontrolu pravopisu není"),
             qPrintable(m_prompts.messages.first()));
    // Off and on again: read again, quietly.
    typing.mmAutoSpellClick();
    typing.mmAutoSpellClick();
    QTRY_VERIFY(!source.IsLoading());
    QTest::qWait(50);
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.errors.isEmpty());
    QVERIFY(typing.IsOn());
    QCOMPARE(marks.count(), 3); // what the check mark follows
    QVERIFY(VisibleSpellCheck::of(editor)->Underlined().isEmpty());
    QCOMPARE(editor->PlainText(), QStringLiteral("les kxn"));
}

// A large file is shown while its whole text is built aside; when that takes the page's
// place, the underlines are in the whole text and later edits are checked there.
void TestTypingSpellCheck::underlinesFollowALargeTextMadeWhole()
{
    switchOn();
    QByteArray bytes = "pes je xqz a text\r\n";
    while (bytes.size() < 2 * 1024 * 1024)
        bytes += "pes je les a strom\r\n";
    const QString path = m_home.filePath("large.txt");
    QVERIFY(TestFiles::WriteBytes(path, bytes));
    editor()->Doc()->Load(path);
    QVERIFY(editor()->Loading());
    QSignalSpy swapped(editor()->Doc(), &Document::TextSwapped);
    QTRY_COMPARE_WITH_TIMEOUT(swapped.size(), 1, 30000);
    QTRY_VERIFY(underlinedWords().contains(QStringLiteral("xqz")));
    for (const QTextEdit::ExtraSelection &s : editor()->extraSelections())
        QCOMPARE(s.cursor.document(), editor()->document());
    // Typed after the swap: heard, checked and underlined in the whole text.
    QTest::keyClick(editor(), Qt::Key_End);
    QTest::keyClicks(editor(), QStringLiteral(" zlyk"));
    QTest::keyClick(editor(), Qt::Key_Home);
    QTRY_VERIFY(underlinedWords().contains(QStringLiteral("zlyk")));
}

QTEST_MAIN(TestTypingSpellCheck)
#include "tst_typingspellcheck.moc"
