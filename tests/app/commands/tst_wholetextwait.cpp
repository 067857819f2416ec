// A large file still coming in: the commands that need the whole text wait for it (the window
// answering meanwhile) and then work on all of it, a page closed during the wait runs nothing,
// and what may still be typed or pasted is counted from the whole file, not the part shown.
#include "ShownMainForm.h"
#include "spell/TSpellerDialog2.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTimer>

namespace {

// "řádek N" lines in Windows 1250 with CR LF, `count` of them.
QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "\xf8\xe1\x64\x65k " + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

class TstWholeTextWait : public QObject, ShownMainForm<>
{
    Q_OBJECT

    // Opens the bytes as a page that is still coming in when this returns.
    TTabSheet *openLoading(const QByteArray &bytes)
    {
        TTabSheet *page = openWritten(bytes, QStringLiteral("velky.txt"));
        return page && page->Doc()->Loading() ? page : nullptr;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("DICPATH");
    }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    // Ctrl+G names the whole text's last line and goes there; nothing enters the text.
    void goToLineAsksAboutTheWholeText()
    {
        TTabSheet *page = openLoading(numberedLines(200000));
        QVERIFY(page);
        m_prompts->inputAnswers.enqueue(QStringLiteral("199999"));
        QTest::keyClick(m_form.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(!doc()->Loading());
        QCOMPARE(m_prompts->inputPrompts,
                 QStringList{QStringLiteral("Přejít na|Přejít na řádek [1 až 200000]|")});
        QCOMPARE(editor()->textCursor().block().text(), QStringLiteral("řádek 199999"));
        QVERIFY(!editor()->Modified());
    }

    // F7 without a selection checks to the end of the whole text, not of the part that was
    // shown when it was pressed.
    void spellingRunsToTheEndOfTheWholeText()
    {
        if (!QFile::exists(QStringLiteral("/usr/share/hunspell/cs_CZ.dic")))
            QSKIP("hunspell-cs is not installed");
        QByteArray bytes = "Ten pes p\xf8\xedl\x9a \x9at\xeck\xe1.\r\n"; // "přílš"
        while (bytes.size() < 400 * 1024)
            bytes += "Pes \x9at\xeck\xe1 a kon\xec b\xec\x9e\xed.\r\n";
        bytes += "Konec p\xf8\xedl\x9a.\r\n";
        TTabSheet *page = openLoading(bytes);
        QVERIFY(page);
        QTest::keyClick(m_form.get(), Qt::Key_F7);
        TSpellerDialog2 *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TSpellerDialog2 *>(w); d && d->isVisible())
                dialog = d;
        QVERIFY(dialog);
        QCOMPARE(editor()->SelStart(), 8);
        QTest::mouseClick(dialog->SkipButton, Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(editor()->textCursor().selectedText(), QStringLiteral("přílš"));
        QCOMPARE(editor()->SelStart(), editor()->TextLength() - 7);
        QTest::mouseClick(dialog->SkipButton, Qt::LeftButton);
        QVERIFY(!dialog->isVisible()); // the end: nothing is said
        QVERIFY(m_prompts->messages.isEmpty() && m_prompts->errors.isEmpty());
    }

    // The page goes while a command waits for its text: the command does not run, and
    // nothing of the page is touched afterwards.
    void pageClosedDuringTheWaitRunsNothing()
    {
        TTabSheet *page = openLoading(numberedLines(200000));
        QVERIFY(page);
        const int pages = m_form->PageControl()->PageCount();
        page->Doc()->SetProbe([this, page](Document::Probe at) {
            if (at == Document::Probe::AwaitingWhole)
                m_form->Files()->CloseGivenPage(page, false);
        });
        QTest::keyClick(m_form.get(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(m_form->PageControl()->PageCount(), pages - 1);
        QVERIFY(m_prompts->inputPrompts.isEmpty());
    }

    void typingAndPastingStopAtTheWholeFilesLimit_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<bool>("paste");
        QTest::newRow("at the limit, typed") << 0 << false;
        QTest::newRow("at the limit, pasted") << 0 << true;
        QTest::newRow("three short, typed") << 3 << false;
        QTest::newRow("three short, pasted") << 3 << true;
    }

    // A file exactly at the limit (or a few characters short), counted as it reads: CR LF
    // pairs one character, NULs none. Typed or pasted while it comes in, only what still
    // fits goes in, and the saved file can be opened again.
    void typingAndPastingStopAtTheWholeFilesLimit()
    {
        QFETCH(int, missing);
        QFETCH(bool, paste);
        constexpr int Line = 64; // 63 letters and CR LF
        const int chars = TRxRichEdit::MaxLength - missing;
        QByteArray bytes = QByteArray(Line - 1, 'a').append("\r\n").repeated(chars / Line);
        bytes += QByteArray(chars % Line, 'b').insert(1, '\0'); // a NUL the text does not hold
        TTabSheet *page = openLoading(bytes);
        QVERIFY(page);
        QCOMPARE(doc()->WholeLength(), chars);
        editor()->setFocus();
        if (paste) {
            QGuiApplication::clipboard()->setText(QStringLiteral("HELLO"));
            QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(editor(), QStringLiteral("HELLO"));
        }
        QVERIFY(doc()->Loading()); // all of it while the text came in
        QCOMPARE(editor()->PlainText().size(), qsizetype(TRxRichEdit::MaxLength));
        QVERIFY(editor()->PlainText().startsWith(QStringLiteral("HELLO").left(missing) + QLatin1Char('a')));
        save();
        QVERIFY(m_prompts->errors.isEmpty());
        m_form->Files()->OpenFile(page->Hint());
        QVERIFY(m_prompts->errors.isEmpty());
        QCOMPARE(m_form->ActiveEditor()->Doc()->WholeLength(), TRxRichEdit::MaxLength);
    }
};

QTEST_MAIN(TstWholeTextWait)
#include "tst_wholetextwait.moc"
