// Hits of the Find and Replace dialogs' search text: counted, told in the dialog, marked
// on the page while the dialog shows.
#include "editor/search/TEditorSearch.h"
#include "editor/search/TSearchDialog.h"
#include "editor/search/TSearchHighlight.h"
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "settings/options/TLanguages.h"
#include "text/TextSearch.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTranslator>

namespace {

// The hits Find Next would visit from the start, one after another.
int hitsOneByOne(const QString &text, const QString &needle, const TextSearch::Options &options)
{
    int count = 0;
    for (qsizetype p = TextSearch::findDown(text, needle, 0, options); p >= 0;
         p = TextSearch::findDown(text, needle, p + needle.size(), options))
        ++count;
    return count;
}

// Lines of Czech words of every length, one line far longer than the rest, some lines
// empty: hits fall on line ends, across breaks and on the counter's slice borders.
QString largeText(qsizetype size)
{
    static const QStringList words = {"je",   "Je",  "jež", "řeka", "ŘEKA", "_je", "je_", "objev",
                                      "žluť", "kůň", "a",   "e",    "j",    "jé",  "je1"};
    QRandomGenerator random(27);
    QString text;
    text.reserve(size + 300000);
    while (text.size() < size) {
        const int words_ =
            text.size() > size / 2 && text.size() < size / 2 + 200 ? 40000 : int(random.bounded(25));
        for (int w = 0; w < words_; ++w) {
            text += words.at(int(random.bounded(int(words.size()))));
            text += random.bounded(6) == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        }
        if (text.endsWith(QLatin1Char(' ')))
            text.chop(1); // lines end in a word
        text += QLatin1Char('\n');
    }
    return text;
}

QImage shot(TRxRichEdit &editor)
{
    return editor.viewport()->grab().toImage();
}

// Whether the hit marker's warm colour shows in the cell of the character at `position`
// (neither the page, the text nor the bluish selection has red far above blue).
bool markedAt(TRxRichEdit &editor, int position)
{
    QTextCursor at(editor.document());
    at.setPosition(position);
    const QRect first = editor.cursorRect(at);
    at.setPosition(position + 1);
    const int right = editor.cursorRect(at).left();
    const QImage image = shot(editor);
    for (int y = first.top(); y <= first.bottom(); ++y) {
        for (int x = first.left(); x < right; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > c.blue() + 60)
                return true;
        }
    }
    return false;
}

} // namespace

class TestSearchHits : public QObject
{
    Q_OBJECT

    std::unique_ptr<TRxRichEdit> m_editor;

    TRxRichEdit &editorWith(const QString &text)
    {
        m_editor = EditorWith(text, QSize(500, 300));
        return *m_editor;
    }

    TSearchDialog *findDialog(TRxRichEdit &editor, const QString &text, bool matchCase = false,
                              bool wholeWord = false)
    {
        TEditorSearch *search = TEditorSearch::of(&editor);
        search->ShowFindDialog();
        TSearchDialog *dialog = search->FindDialog();
        dialog->SetMatchCase(matchCase);
        dialog->SetWholeWord(wholeWord);
        dialog->edtSearch->setText(text); // as typed
        return dialog;
    }

private slots:
    void cleanup() { m_editor.reset(); }

    void countText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Czech letters in any case") << "Žluťoučký kůň, ŽLUŤOUČKÝ kůň a žluťoučký."
                                                   << "žluťoučký" << false << false << "3 výskyty";
        QTest::newRow("Czech letters, case kept") << "Žluťoučký kůň, ŽLUŤOUČKÝ kůň a žluťoučký."
                                                  << "ŽLUŤOUČKÝ" << true << false << "1 výskyt";
        QTest::newRow("whole words only") << "kůň koňský kůňa kůň_ kůň."
                                          << "kůň" << false << true << "2 výskyty";
        QTest::newRow("inside words too") << "kůň koňský kůňa kůň_ kůň."
                                          << "kůň" << false << false << "4 výskyty";
        QTest::newRow("five and more") << "a a a a a a"
                                       << "a" << false << true << "6 výskytů";
        QTest::newRow("none") << "Praha Brno"
                              << "Ostrava" << false << false << "žádný výskyt";
        QTest::newRow("hits do not overlap") << "aaaaa"
                                             << "aa" << false << false << "2 výskyty";
        QTest::newRow("across a line break") << "konec\nřádku konec\nŘÁDKU"
                                             << "konec\nřádku" << false << false << "2 výskyty";
        QTest::newRow("empty search text") << "abc"
                                           << "" << false << false << "";
    }
    void countText()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(QString, shown);
        TRxRichEdit &editor = editorWith(text);
        TSearchDialog *dialog = findDialog(editor, needle, matchCase, wholeWord);
        QCOMPARE(dialog->Hits(), shown);
    }

    // The options are read when they change, not only when the dialog opens.
    void optionsCountAgain()
    {
        TRxRichEdit &editor = editorWith("Je to jen jeden. je");
        TSearchDialog *dialog = findDialog(editor, "je");
        QCOMPARE(dialog->Hits(), QStringLiteral("4 výskyty"));
        dialog->chkWholeWord->click();
        QCOMPARE(dialog->Hits(), QStringLiteral("2 výskyty"));
        dialog->chkMatchCase->click();
        QCOMPARE(dialog->Hits(), QStringLiteral("1 výskyt"));
        QTest::keyClick(dialog->edtSearch, Qt::Key_Backspace);
        QCOMPARE(dialog->Hits(), QStringLiteral("žádný výskyt")); // "j" is no whole word here
    }

    void findNextTellsWhichHit()
    {
        TRxRichEdit &editor = editorWith("je a je a je");
        TSearchDialog *dialog = findDialog(editor, "je");
        QCOMPARE(dialog->Hits(), QStringLiteral("3 výskyty"));
        dialog->btnFindNext->click();
        QCOMPARE(dialog->Hits(), QStringLiteral("3 výskyty · 1. z 3"));
        dialog->btnFindNext->click();
        QCOMPARE(dialog->Hits(), QStringLiteral("3 výskyty · 2. z 3"));
        // A selection that is no hit tells only the count.
        editor.SetSelStart(1);
        editor.SetSelLength(2);
        QCOMPARE(dialog->Hits(), QStringLiteral("3 výskyty"));
    }

    void editsCountAgain()
    {
        TRxRichEdit &editor = editorWith("pes a kočka");
        TSearchDialog *dialog = findDialog(editor, "pes");
        QCOMPARE(dialog->Hits(), QStringLiteral("1 výskyt"));
        editor.moveCursor(QTextCursor::End);
        editor.insertPlainText(QStringLiteral(" a pes"));
        QTRY_COMPARE(dialog->Hits(), QStringLiteral("2 výskyty"));
        editor.Undo();
        QTRY_COMPARE(dialog->Hits(), QStringLiteral("1 výskyt"));
    }

    // The hits are marked while the dialog shows, under the selection; closing it clears them.
    void markedWhileTheDialogShows()
    {
        TRxRichEdit &editor = editorWith("lipa dub lipa buk");
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(!markedAt(editor, 0));
        TSearchDialog *dialog = findDialog(editor, "lipa");
        QTRY_VERIFY(markedAt(editor, 0));
        QVERIFY(markedAt(editor, 9));
        QVERIFY(!markedAt(editor, 5)); // "dub"
        dialog->btnCancel->click();
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(!markedAt(editor, 0));
        QVERIFY(!markedAt(editor, 9));
        QCOMPARE(dialog->Hits(), QString());
        // Shown again, the hits are marked again.
        TEditorSearch::of(&editor)->ShowFindDialog();
        QTRY_VERIFY(markedAt(editor, 9));
    }

    void englishTexts()
    {
        QTranslator english;
        if (!Languages::Load(english, QStringLiteral("en"), {qEnvironmentVariable("QUORTOSK_BUILD_DIR")}))
            QSKIP("quortosk_en.qm is not built");
        QCoreApplication::installTranslator(&english);
        TRxRichEdit &editor = editorWith("je a je a je");
        TSearchDialog *dialog = findDialog(editor, "je");
        const QString three = dialog->Hits();
        dialog->btnFindNext->click();
        const QString first = dialog->Hits();
        dialog->edtSearch->setText(QStringLiteral("je a"));
        const QString two = dialog->Hits();
        dialog->edtSearch->setText(QStringLiteral("je a je a je a"));
        const QString none = dialog->Hits();
        dialog->edtSearch->setText(QStringLiteral("je a je a je"));
        const QString one = dialog->Hits();
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(three, QStringLiteral("3 matches"));
        QCOMPARE(first, QStringLiteral("3 matches · 1 of 3"));
        QCOMPARE(two, QStringLiteral("2 matches"));
        QCOMPARE(none, QStringLiteral("no match"));
        QCOMPARE(one, QStringLiteral("1 match"));
    }

    // Each dialog marks its own search text.
    void replaceDialogCountsToo()
    {
        TRxRichEdit &editor = editorWith("x=1; x=2;");
        TEditorSearch *search = TEditorSearch::of(&editor);
        search->ShowReplaceDialog();
        search->ReplaceDialog()->edtSearch->setText(QStringLiteral("x="));
        QCOMPARE(search->ReplaceDialog()->Hits(), QStringLiteral("2 výskyty"));
        search->ReplaceDialog()->edtReplace->setText(QStringLiteral("y="));
        search->ReplaceDialog()->btnReplaceAll->click();
        QTRY_COMPARE(search->ReplaceDialog()->Hits(), QStringLiteral("žádný výskyt"));
    }

    // A large page is counted in slices: the dialog shows "…" first, the window keeps
    // taking events, and the count comes out as Find Next would find the hits one by one.
    void largePageCountedInSlices()
    {
        struct Case
        {
            QString needle;
            bool matchCase, wholeWord;
        };
        const QList<Case> cases = {{"je", false, false},
                                   {"je", false, true},
                                   {"ŘEKA", true, true},
                                   {"e\nj", false, false},
                                   {"e", false, true}};
        const QString text = largeText(6 * 1024 * 1024);
        TRxRichEdit &editor = editorWith(text);
        TSearchDialog *dialog = findDialog(editor, QString());
        for (const Case &c : cases) {
            const int expected = hitsOneByOne(text, c.needle, TextSearch::Options{c.matchCase, c.wholeWord});
            QVERIFY(expected > 100);
            dialog->SetMatchCase(c.matchCase);
            dialog->SetWholeWord(c.wholeWord);
            dialog->edtSearch->setText(c.needle);
            QCOMPARE(dialog->Hits(), QStringLiteral("…"));
            int turns = 0;
            while (dialog->Hits() == QStringLiteral("…") && turns < 1000000) {
                QCoreApplication::processEvents();
                ++turns;
            }
            QVERIFY(turns > 1); // the window took events between the slices
            QCOMPARE(dialog->Hits(), TSearchHighlight::CountText(expected));
        }
    }
};

QTEST_MAIN(TestSearchHits)
#include "tst_searchhits.moc"
