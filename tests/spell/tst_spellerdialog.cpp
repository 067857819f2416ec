// The check loop and the spelling dialog against a speller of the test's own: the range,
// every command, the display modes, the edited and deactivated states; and the F7
// controller with the real dictionary.
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "spell/SpellCommands.h"
#include "spell/SpellWords.h"
#include "spell/TAbstractSpeller.h"
#include "spell/TMisspellingEdit.h"
#include "spell/TSpellChecker.h"
#include "spell/TSpellerDialog2.h"
#include "TFakePrompts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

// Reports the words it is told to with the code it is told to, and keeps the lists as an
// engine would. Words with two blanks after them are reported as extra spaces (code 12)
// when listed with that code.
class TTestSpeller : public TAbstractSpeller
{
public:
    TTestSpeller() : TAbstractSpeller(Czech, DefaultOptions) {}

    QHash<QString, int> codes; // word -> status
    QHash<QString, QStringList> suggestions;
    QString replacementOnce; // what code 3 returns for words listed with it
    bool failAdding = false;
    QStringList calls;    // commands received, "Name:word>replacement"
    QStringList verified; // pieces handed over, "F:" or "N:" + text

    int VerifyFirst(QStringView text, int *len, int *off) override { return verify(u"F:", text, len, off); }
    int VerifyNext(QStringView text, int *len, int *off) override { return verify(u"N:", text, len, off); }
    void AddChangeOnce(const QString &w, const QString &r) override
    {
        calls << "AddChangeOnce:" + w + ">" + r;
        m_once.insert(w, r);
    }
    void AddChangeAlways(const QString &w, const QString &r) override
    {
        calls << "AddChangeAlways:" + w + ">" + r;
        m_always.insert(w, r);
    }
    void AddToCustomDictionary(const QString &w) override
    {
        if (failAdding)
            throw ESpellError("Slovo nelze uložit");
        calls << "AddToCustomDictionary:" + w;
        m_accepted.insert(w);
    }
    void IgnoreAlways(const QString &w) override
    {
        calls << "IgnoreAlways:" + w;
        m_accepted.insert(w);
    }
    void GetSuggestions(const QString &w, QStringList &list) override { list = suggestions.value(w); }
    QString GetReplacement() override { return m_replacement; }
    QString GetErrorWord() override { return m_error; }
    bool IsCorrect(const QString &w) override { return !codes.contains(w) || m_accepted.contains(w); }

private:
    int verify(QStringView kind, QStringView text, int *len, int *off)
    {
        verified << kind.toString() + text.toString();
        qsizetype pos = 0, s = 0, e = 0;
        while (SpellWords::NextWord(text, pos, {}, &s, &e)) {
            pos = e;
            const QString w = text.sliced(s, e - s).toString();
            int code = 0;
            if (m_always.contains(w)) {
                code = scReturningChangeAlways;
                m_replacement = m_always.value(w);
            } else if (m_once.contains(w)) {
                code = scReturningChangeOnce;
                m_replacement = m_once.value(w);
            } else if (!m_accepted.contains(w)) {
                code = codes.value(w);
                if (code == scReturningChangeOnce)
                    m_replacement = replacementOnce;
            }
            if (code == scExtraSpaces) {
                if (!text.sliced(e).startsWith(u"  "))
                    continue;
                while (e < text.size() && text[e] == u' ')
                    ++e;
                ++e; // and the first character after the blanks
            }
            if (code != 0) {
                *off = int(s);
                *len = int(e - s);
                m_error = text.sliced(s, e - s).toString();
                return code;
            }
        }
        return 0;
    }

    QHash<QString, QString> m_once, m_always;
    QSet<QString> m_accepted;
    QString m_error, m_replacement;
};

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The characters of the Misspelling field shown in red.
QString redText(const QTextEdit *edit)
{
    QString out;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().foreground().color() == QColor(255, 0, 0))
                out += it.fragment().text();
    return out;
}

// Typing any character, as a keyboard with a Czech layout would send it.
void type(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

} // namespace

class TestSpellerDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<QMainWindow> m_window;
    TRxRichEdit *m_editor = nullptr;
    TFakePrompts m_prompts;
    TTestSpeller *m_speller = nullptr; // owned by the checker once made
    std::unique_ptr<TSpellChecker> m_checker;
    int m_made = 0;

    TSpellerDialog2 *dialog() const { return m_checker->Dialog(); }
    QString selected() const { return m_editor->textCursor().selectedText(); }

    void setUp(const QString &text, int caret = 0, int selLength = 0)
    {
        TakeAsLoaded(m_editor, text);
        m_editor->SetSelStart(caret);
        m_editor->SetSelLength(selLength);
    }
    void check()
    {
        m_checker->Check(m_editor);
        QVERIFY(m_speller);
    }
    // The words the check stops at, answering each with "Přeskočit".
    QStringList skipThrough()
    {
        QStringList words;
        m_checker->Check(m_editor);
        for (int guard = 0; dialog()->isVisible() && guard < 100; ++guard) {
            words << selected();
            QTest::mouseClick(dialog()->SkipButton, Qt::LeftButton);
        }
        return words;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void wordModeShowsTheError();
    void textWithoutErrors();
    void range_data();
    void range();
    void verifyFirstOnlyAtLineStarts();
    void changeOnceIsAnOrdinaryEdit();
    void enterAndDoubleClickChange();
    void changeAlways();
    void skipAlwaysLastsTheRun();
    void addVerifiesTheSamePlaceAgain();
    void endingTheCheck_data();
    void endingTheCheck();
    void displayModes_data();
    void displayModes();
    void sixtyFourCharacterRule_data();
    void sixtyFourCharacterRule();
    void rangeEndMovesWithReplacements();
    void deleteRepeatedWord();
    void extraSpaces();
    void editedState();
    void protectedTextCannotChange();
    void undoLastEdit_data();
    void undoLastEdit();
    void deactivatedState();
    void newCheckReusesTheDialog();
    void failureKeepsTheDialog();
    void longLineShownAroundTheError();
    void closingThePageEndsTheCheck();
};

void TestSpellerDialog::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_editor = new TRxRichEdit(m_window.get());
    m_window->setCentralWidget(m_editor);
    m_window->resize(600, 400);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_prompts = TFakePrompts();
    m_speller = nullptr;
    m_made = 0;
    m_checker = std::make_unique<TSpellChecker>(
        [this](int language, int options) {
            ++m_made;
            auto sp = std::make_unique<TTestSpeller>();
            [&] {
                QCOMPARE(language, 1029);
                QCOMPARE(options, 0x000F);
            }();
            m_speller = sp.get();
            m_speller->codes = {{"kocka", 1}, {"pes", 1}, {"xa", 1}, {"xb", 1}, {"xc", 1}, {"xd", 1}};
            m_speller->suggestions = {
                {"kocka", {"kočka", "kočky"}}, {"pes", {"pec", "les"}}, {"xa", {"xaaa"}}};
            return sp;
        },
        &m_prompts, m_window.get());
}

void TestSpellerDialog::cleanup()
{
    m_checker.reset();
    m_window.reset();
}

void TestSpellerDialog::wordModeShowsTheError()
{
    setUp("Ten pes\nštěká a kocka mňouká.\nKonec");
    check();
    TSpellerDialog2 *d = dialog();
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QCOMPARE(d->parentWidget(), m_window.get());
    QCOMPARE(d->windowTitle(), "Kontrola pravopisu");
    QCOMPARE(m_editor->SelStart(), 4);
    QCOMPARE(selected(), "pes");
    QCOMPARE(d->InfoMsg->text(), "Neznáme slovo");
    QCOMPARE(d->Misspelling->toPlainText(), "Ten pes");
    QCOMPARE(redText(d->Misspelling), "pes");
    QVERIFY(!d->Misspelling->textCursor().hasSelection());
    QCOMPARE(items(d->Variants), (QStringList{"pec", "les"}));
    QCOMPARE(d->Variants->currentRow(), 0);
    QCOMPARE(d->Label2->text(), "&Možnosti");
    QCOMPARE(d->ChangeButton->text(), "Zaměnit");
    QCOMPARE(d->ChangeAllButton->text(), "Zaměňovat");
    QCOMPARE(d->SkipButton->text(), "&Přeskočit");
    QCOMPARE(d->SkipAllButton->text(), "Př&eskakovat");
    QCOMPARE(d->AddButton->text(), "Přid&at");
    QCOMPARE(d->CancelButton->text(), "Storno");
    QCOMPARE(d->DelButton->text(), "&Odstranit");
    QCOMPARE(d->StartButton->text(), "Začít");
    QCOMPARE(d->CancelEdit->text(), "Zpět poslední");
    QVERIFY(d->ChangeButton->isDefault());
    for (QWidget *w :
         {(QWidget *)d->ChangeButton, (QWidget *)d->ChangeAllButton, (QWidget *)d->SkipButton,
          (QWidget *)d->SkipAllButton, (QWidget *)d->AddButton, (QWidget *)d->Variants, (QWidget *)d->Label2})
        QVERIFY2(w->isVisible() && w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!d->DelButton->isVisible());
    QVERIFY(!d->StartButton->isVisible());
    QVERIFY(!d->CancelEdit->isVisible());

    QTest::mouseClick(d->SkipButton, Qt::LeftButton);
    QCOMPARE(selected(), "kocka");
    QCOMPARE(d->Misspelling->toPlainText(), "štěká a kocka mňouká.");
    QCOMPARE(redText(d->Misspelling), "kocka");
    QCOMPARE(items(d->Variants), (QStringList{"kočka", "kočky"}));
    QCOMPARE(m_made, 1);
}

void TestSpellerDialog::textWithoutErrors()
{
    setUp("Ten kočka\nmňouká", 2, 5);
    QSignalSpy finished(m_checker.get(), &TSpellChecker::Finished);
    check();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!dialog() || !dialog()->isVisible());
    QCOMPARE(m_editor->SelStart(), 2);
    QCOMPARE(m_editor->SelLength(), 5);
    QVERIFY(!m_editor->Modified());
}

void TestSpellerDialog::range_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("reported");
    const QString text = "xa xb\n\nxc <b>xd</b>";
    QTest::newRow("caret at start: all") << text << 0 << 0 << QStringList{"xa", "xb", "xc", "xd"};
    QTest::newRow("caret inside a word: from its start") << text << 4 << 0 << QStringList{"xb", "xc", "xd"};
    QTest::newRow("caret right after a word: that word") << text << 5 << 0 << QStringList{"xb", "xc", "xd"};
    QTest::newRow("caret after a blank: from there") << text << 3 << 0 << QStringList{"xb", "xc", "xd"};
    QTest::newRow("selection only") << text << 4 << 5 << QStringList{"xb", "xc"};
    QTest::newRow("selection ending inside a word") << text << 0 << 8 << QStringList{"xa", "xb"};
    QTest::newRow("markup checked like text") << text << 8 << 0 << QStringList{"xc", "xd"};
    QTest::newRow("caret at the end") << text << int(text.size()) << 0 << QStringList{};
}

void TestSpellerDialog::range()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QStringList, reported);
    setUp(text, start, length);
    QCOMPARE(skipThrough(), reported);
    QVERIFY(!dialog()->isVisible());
}

void TestSpellerDialog::verifyFirstOnlyAtLineStarts()
{
    setUp("ab xa cd\nef", 1);
    check();
    QTest::mouseClick(dialog()->SkipButton, Qt::LeftButton);
    QCOMPARE(m_speller->verified, (QStringList{"F:ab xa cd", "N: cd", "F:ef"}));
}

void TestSpellerDialog::changeOnceIsAnOrdinaryEdit()
{
    setUp("a kocka a kocka");
    check();
    m_checker->Dialog()->Variants->setCurrentRow(1);
    QTest::mouseClick(dialog()->ChangeButton, Qt::LeftButton);
    QCOMPARE(m_speller->calls, QStringList{"AddChangeOnce:kocka>kočky"});
    // The next occurrence comes back with code 3; the replacement is listed already.
    QCOMPARE(m_editor->PlainText(), "a kočky a kocka");
    QCOMPARE(selected(), "kocka");
    QCOMPARE(m_editor->SelStart(), 10);
    QCOMPARE(items(dialog()->Variants), (QStringList{"kočka", "kočky"}));
    QVERIFY(m_editor->Modified());
    QTest::mouseClick(dialog()->ChangeButton, Qt::LeftButton);
    QCOMPARE(m_editor->PlainText(), "a kočky a kočka");
    QCOMPARE(m_speller->calls.size(), 1); // code 3 adds nothing to the lists
    QVERIFY(!dialog()->isVisible());
    m_editor->Undo();
    QCOMPARE(m_editor->PlainText(), "a kočky a kocka");
    m_editor->Undo();
    QCOMPARE(m_editor->PlainText(), "a kocka a kocka");
}

void TestSpellerDialog::enterAndDoubleClickChange()
{
    setUp("pes kocka");
    check();
    QTest::keyClick(dialog(), Qt::Key_Return);
    QCOMPARE(m_editor->PlainText(), "pec kocka");
    QCOMPARE(selected(), "kocka");
    QListWidget *v = dialog()->Variants;
    const QRect r = v->visualItemRect(v->item(1));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(m_editor->PlainText(), "pec kočky");
    QVERIFY(!dialog()->isVisible());
}

void TestSpellerDialog::changeAlways()
{
    setUp("pes a pes\na pes, pes.");
    QSignalSpy finished(m_checker.get(), &TSpellChecker::Finished);
    check();
    QTest::mouseClick(dialog()->ChangeAllButton, Qt::LeftButton);
    QCOMPARE(m_speller->calls, QStringList{"AddChangeAlways:pes>pec"});
    QCOMPARE(m_editor->PlainText(), "pec a pec\na pec, pec.");
    QCOMPARE(finished.size(), 1); // no further stop
    QVERIFY(!dialog()->isVisible());
    // The list outlasts the check: the next one replaces without asking.
    setUp("ten pes");
    check();
    QCOMPARE(m_editor->PlainText(), "ten pec");
    QVERIFY(!dialog()->isVisible());
}

void TestSpellerDialog::skipAlwaysLastsTheRun()
{
    setUp("xa pes xa\nxa");
    check();
    QTest::mouseClick(dialog()->SkipAllButton, Qt::LeftButton);
    QCOMPARE(m_speller->calls, QStringList{"IgnoreAlways:xa"});
    QCOMPARE(selected(), "pes");
    QTest::mouseClick(dialog()->SkipButton, Qt::LeftButton);
    QVERIFY(!dialog()->isVisible()); // both later xa passed
    setUp("pes xa pes");
    QCOMPARE(skipThrough(), (QStringList{"pes", "pes"}));
    QCOMPARE(m_made, 1);
}

void TestSpellerDialog::addVerifiesTheSamePlaceAgain()
{
    setUp("a kocka b");
    check();
    m_speller->verified.clear();
    QTest::mouseClick(dialog()->AddButton, Qt::LeftButton);
    QCOMPARE(m_speller->calls, QStringList{"AddToCustomDictionary:kocka"});
    QCOMPARE(m_speller->verified, QStringList{"N:kocka b"});
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(m_editor->PlainText(), "a kocka b");
}

void TestSpellerDialog::endingTheCheck_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Storno") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestSpellerDialog::endingTheCheck()
{
    QFETCH(int, how);
    setUp("pes kocka");
    check();
    if (how == 0)
        QTest::mouseClick(dialog()->CancelButton, Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(dialog()->Misspelling, Qt::Key_Escape);
    else
        dialog()->close();
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!m_checker->IsChecking());
    QVERIFY(m_prompts.messages.isEmpty());
    QCOMPARE(selected(), "pes");
    m_checker->Skip(); // nothing goes on after the end
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(selected(), "pes");
}

void TestSpellerDialog::displayModes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("variants");
    QTest::addColumn<QString>("enabled"); // C change, D delete, A change all, S skip, I skip all/add
    const QStringList engine{"slovem", "slova"};
    QTest::newRow("1 unknown") << 1 << "Neznáme slovo" << engine << "CASI";
    QTest::newRow("3 change once") << 3 << "Neznáme slovo" << QStringList{"náhrada", "slovem", "slova"}
                                   << "CAS";
    QTest::newRow("4 hyphenation") << 4 << "Chybné dělení slov" << engine << "CS";
    QTest::newRow("5 capitalization") << 5 << "Capitalization error" << QStringList{"Slovo"} << "CS";
    QTest::newRow("6 abbreviation") << 6 << "Possible abbreviation" << QStringList{} << "S";
    QTest::newRow("10 sentence") << 10 << "Sentence capitalization error" << QStringList{"Slovo"} << "CS";
    QTest::newRow("11 repeated") << 11 << "Repeated word" << QStringList{} << "DS";
    QTest::newRow("13 missing space") << 13 << "Missing space" << QStringList{} << "S";
    QTest::newRow("14 numerals") << 14 << "Numerals in start of word" << QStringList{} << "S";
}

void TestSpellerDialog::displayModes()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QStringList, variants);
    QFETCH(QString, enabled);
    setUp("Toto slovo.");
    check();
    QVERIFY(!dialog()->isVisible());
    m_speller->codes = {{"slovo", code}};
    m_speller->suggestions = {{"slovo", {"slovem", "slova"}}};
    m_speller->replacementOnce = "náhrada";
    check();
    TSpellerDialog2 *d = dialog();
    QVERIFY(d->isVisible());
    QCOMPARE(selected(), "slovo");
    QCOMPARE(d->InfoMsg->text(), message);
    QCOMPARE(items(d->Variants), variants);
    QCOMPARE(d->Variants->isEnabled(), !variants.isEmpty());
    auto usable = [](QPushButton *b) { return b->isVisible() && b->isEnabled(); };
    QCOMPARE(usable(d->ChangeButton), enabled.contains('C'));
    QCOMPARE(d->ChangeButton->isVisible(), code != 11);
    QCOMPARE(usable(d->DelButton), enabled.contains('D'));
    QCOMPARE(usable(d->ChangeAllButton), enabled.contains('A'));
    QCOMPARE(usable(d->SkipButton), enabled.contains('S'));
    QCOMPARE(usable(d->SkipAllButton), enabled.contains('I'));
    QCOMPARE(usable(d->AddButton), enabled.contains('I'));
    if (!variants.isEmpty()) {
        QTest::mouseClick(d->ChangeButton, Qt::LeftButton);
        QCOMPARE(m_editor->PlainText(), "Toto " + variants.first() + ".");
        QCOMPARE(m_speller->calls.size(), code == 1 ? 1 : 0); // change-once list for code 1 only
    }
}

void TestSpellerDialog::sixtyFourCharacterRule_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("usable");
    QTest::newRow("64") << 64 << true;
    QTest::newRow("65") << 65 << false;
}

void TestSpellerDialog::sixtyFourCharacterRule()
{
    QFETCH(int, length);
    QFETCH(bool, usable);
    const QString word(length, 'q');
    setUp("a " + word + " b");
    check();
    m_speller->codes.insert(word, 1);
    check();
    QCOMPARE(selected(), word);
    QCOMPARE(dialog()->SkipAllButton->isEnabled(), usable);
    QCOMPARE(dialog()->AddButton->isEnabled(), usable);
    QVERIFY(dialog()->SkipButton->isEnabled());
}

void TestSpellerDialog::rangeEndMovesWithReplacements()
{
    // The selection ends just after "xb"; "xa" grows by two characters.
    setUp("xa xb xc", 0, 5);
    check();
    QCOMPARE(selected(), "xa");
    QTest::mouseClick(dialog()->ChangeButton, Qt::LeftButton);
    QCOMPARE(m_editor->PlainText(), "xaaa xb xc");
    QCOMPARE(selected(), "xb");
    QCOMPARE(m_checker->RangeEnd(), 7);
    QTest::mouseClick(dialog()->SkipButton, Qt::LeftButton);
    QVERIFY(!dialog()->isVisible()); // xc lies outside
}

void TestSpellerDialog::deleteRepeatedWord()
{
    setUp("to je je dobré xa", 0, 14);
    check();
    m_speller->codes = {{"je", 11}, {"xa", 1}};
    // Repeated once only: after the deletion the same place passes.
    m_speller->codes.insert("je", 11);
    check();
    QCOMPARE(selected(), "je");
    QCOMPARE(m_editor->SelStart(), 3);
    QVERIFY(dialog()->DelButton->isVisible());
    m_speller->codes.remove("je");
    QTest::mouseClick(dialog()->DelButton, Qt::LeftButton);
    QCOMPARE(m_editor->PlainText(), "to je dobré xa");
    QCOMPARE(m_checker->RangeEnd(), 11);
    QVERIFY(!dialog()->isVisible()); // "xa" lies outside the range that moved back
}

void TestSpellerDialog::extraSpaces()
{
    setUp("a slovo   b.");
    check();
    m_speller->codes = {{"slovo", 12}};
    check();
    QCOMPARE(dialog()->InfoMsg->text(), "Mezery navíc");
    QCOMPARE(selected(), "slovo   "); // the reported length less one
    QCOMPARE(items(dialog()->Variants), QStringList{"slovo "});
    QTest::mouseClick(dialog()->ChangeButton, Qt::LeftButton);
    QCOMPARE(m_editor->PlainText(), "a slovo b.");
    QVERIFY(!dialog()->isVisible());
}

void TestSpellerDialog::editedState()
{
    setUp("Ten pes štěká.");
    check();
    TSpellerDialog2 *d = dialog();
    TMisspellingEdit *m = d->Misspelling;
    QTextCursor c = m->textCursor();
    c.setPosition(7); // after "pes"
    m->setTextCursor(c);
    m->setFocus();
    type(m, "ík");
    QVERIFY(d->IsEdited());
    QCOMPARE(m->toPlainText(), "Ten pesík štěká.");
    QCOMPARE(redText(m), "pesík");
    QVERIFY(d->CancelEdit->isVisible());
    QVERIFY(d->ChangeButton->isVisible() && d->ChangeButton->isEnabled());
    QVERIFY(!d->ChangeAllButton->isEnabled());
    QVERIFY(!d->SkipAllButton->isEnabled());
    QVERIFY(!d->AddButton->isEnabled());
    QVERIFY(!d->Variants->isEnabled());
    QVERIFY(d->SkipButton->isEnabled());
    QTest::keyClick(m, Qt::Key_Return); // the default button
    QCOMPARE(m_editor->PlainText(), "Ten pesík štěká.");
    QVERIFY(m_speller->calls.isEmpty()); // an edit goes to no list
    QVERIFY(!d->isVisible());
}

void TestSpellerDialog::protectedTextCannotChange()
{
    setUp("Ten pes štěká.");
    check();
    TMisspellingEdit *m = dialog()->Misspelling;
    m->setFocus();
    QTextCursor c = m->textCursor();
    c.setPosition(1);
    m->setTextCursor(c);
    QTest::keyClicks(m, "xy");
    QTest::keyClick(m, Qt::Key_Delete);
    QTest::keyClick(m, Qt::Key_Backspace);
    c.setPosition(4); // start of "pes": deleting backwards would take the blank
    m->setTextCursor(c);
    QTest::keyClick(m, Qt::Key_Backspace);
    c.setPosition(7); // end of "pes"
    m->setTextCursor(c);
    QTest::keyClick(m, Qt::Key_Delete);
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor); // across the edge
    m->setTextCursor(c);
    QTest::keyClick(m, Qt::Key_X);
    QCOMPARE(m->toPlainText(), "Ten pes štěká.");
    QVERIFY(!dialog()->IsEdited());
    // Inside the red run everything works, up to emptying it.
    c.setPosition(7);
    m->setTextCursor(c);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(m, Qt::Key_Backspace);
    QCOMPARE(m->toPlainText(), "Ten  štěká.");
    type(m, "kůň");
    QCOMPARE(m->toPlainText(), "Ten kůň štěká.");
    QCOMPARE(m->EditedText(), "kůň");
}

void TestSpellerDialog::undoLastEdit_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("enabled"); // as in displayModes
    QTest::newRow("1") << 1 << "CASI";
    QTest::newRow("4") << 4 << "CS";
    QTest::newRow("6") << 6 << "S";
    QTest::newRow("11") << 11 << "DS";
    QTest::newRow("13") << 13 << "S";
}

void TestSpellerDialog::undoLastEdit()
{
    QFETCH(int, code);
    QFETCH(QString, enabled);
    setUp("Toto slovo.");
    check();
    m_speller->codes = {{"slovo", code}};
    m_speller->suggestions = {{"slovo", {"slova"}}};
    check();
    TSpellerDialog2 *d = dialog();
    QTextCursor c = d->Misspelling->textCursor();
    c.setPosition(10);
    d->Misspelling->setTextCursor(c);
    QTest::keyClick(d->Misspelling, Qt::Key_Backspace);
    QVERIFY(d->IsEdited());
    QCOMPARE(d->Misspelling->toPlainText(), "Toto slov.");
    QTest::mouseClick(d->CancelEdit, Qt::LeftButton);
    QVERIFY(!d->IsEdited());
    QVERIFY(!d->CancelEdit->isVisible());
    QCOMPARE(d->Misspelling->toPlainText(), "Toto slovo.");
    QCOMPARE(redText(d->Misspelling), "slovo");
    auto usable = [](QPushButton *b) { return b->isVisible() && b->isEnabled(); };
    QCOMPARE(usable(d->ChangeButton), enabled.contains('C'));
    QCOMPARE(usable(d->DelButton), enabled.contains('D'));
    QCOMPARE(usable(d->ChangeAllButton), enabled.contains('A'));
    QCOMPARE(usable(d->SkipButton), enabled.contains('S'));
    QCOMPARE(usable(d->SkipAllButton), enabled.contains('I'));
    QCOMPARE(usable(d->AddButton), enabled.contains('I'));
    // "Zaměnit" now takes the suggestion again, not the undone edit.
    if (enabled.contains('C')) {
        QTest::mouseClick(d->ChangeButton, Qt::LeftButton);
        QCOMPARE(m_editor->PlainText(), "Toto slova.");
    }
}

void TestSpellerDialog::deactivatedState()
{
    setUp("Ten pes a kocka.");
    check();
    TSpellerDialog2 *d = dialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_VERIFY(d->IsDeactivated());
    QVERIFY(d->isVisible());
    QVERIFY(d->StartButton->isVisible() && d->StartButton->isEnabled());
    QVERIFY(d->CancelButton->isEnabled());
    for (QWidget *w :
         {(QWidget *)d->ChangeButton, (QWidget *)d->DelButton, (QWidget *)d->ChangeAllButton,
          (QWidget *)d->SkipButton, (QWidget *)d->SkipAllButton, (QWidget *)d->AddButton,
          (QWidget *)d->Misspelling, (QWidget *)d->Variants, (QWidget *)d->InfoMsg, (QWidget *)d->Label2})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(d->Variants->count(), 0);
    QCOMPARE(d->Misspelling->toPlainText(), QString());
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    QTRY_VERIFY(d->InfoMsg->isEnabled()); // and nothing else
    QVERIFY(!d->SkipButton->isEnabled());
    QTest::mouseClick(d->StartButton, Qt::LeftButton);
    QVERIFY(!d->StartButton->isVisible());
    QVERIFY(!d->SkipButton->isEnabled());
    QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    QVERIFY(!d->isVisible());
}

void TestSpellerDialog::newCheckReusesTheDialog()
{
    setUp("Ten pes a kocka.");
    check();
    TSpellerDialog2 *first = dialog();
    m_window->activateWindow();
    QTRY_VERIFY(first->IsDeactivated());
    m_editor->SetSelStart(12); // inside "kocka"
    check();
    QCOMPARE(dialog(), first);
    QVERIFY(!first->IsDeactivated());
    QCOMPARE(selected(), "kocka");
    QVERIFY(!first->StartButton->isVisible());
    QVERIFY(first->SkipButton->isEnabled() && first->Misspelling->isEnabled() && first->Label2->isEnabled());
    QCOMPARE(items(first->Variants), (QStringList{"kočka", "kočky"}));
    QTRY_VERIFY(first->isActiveWindow());
}

void TestSpellerDialog::failureKeepsTheDialog()
{
    setUp("a kocka b");
    check();
    m_speller->failAdding = true;
    QTest::mouseClick(dialog()->AddButton, Qt::LeftButton);
    QCOMPARE(m_prompts.errors, QStringList{"Slovo nelze uložit"});
    QVERIFY(dialog()->isVisible());
    QCOMPARE(dialog()->InfoMsg->text(), "Neznáme slovo");
    QCOMPARE(selected(), "kocka");
    m_speller->failAdding = false;
    QTest::mouseClick(dialog()->SkipButton, Qt::LeftButton);
    QVERIFY(!dialog()->isVisible());
}

void TestSpellerDialog::longLineShownAroundTheError()
{
    const QString filler = QString("slovo ").repeated(2000);
    setUp(filler + "kocka " + filler);
    check();
    const QString shown = dialog()->Misspelling->toPlainText();
    QVERIFY(shown.size() < 2100);
    QCOMPARE(redText(dialog()->Misspelling), "kocka");
    QCOMPARE(m_editor->SelStart(), int(filler.size()));
}

void TestSpellerDialog::closingThePageEndsTheCheck()
{
    setUp("pes a kocka");
    check();
    QVERIFY(dialog()->isVisible());
    delete m_editor;
    m_editor = nullptr;
    QVERIFY(!dialog()->isVisible());
    QVERIFY(!m_checker->IsChecking());
    m_checker->Skip(); // nothing to go on with
}

QTEST_MAIN(TestSpellerDialog)
#include "tst_spellerdialog.moc"
