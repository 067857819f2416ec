// Pages in UTF-8 and the bar for files in another Czech 8-bit set, on the shown main window:
// opening from each entry, saving back, the "Kó&dování" items with their questions, the
// status panel, and the conversion offered by the bar.
#include "app/commands/CommandTable.h"
#include "app/commands/EncodingCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/startup/TStartup.h"
#include "CzechProse.h"
#include "editor/view/TRxRichEdit.h"
#include "ShownMainForm.h"
#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using CzechProse::Prose;
using TextFile::Encoding;

namespace {

QByteArray iconvTo(const QByteArray &utf8, const char *charset)
{
    return TestFiles::IconvTo(utf8, charset);
}

QByteArray inSet(int set)
{
    return CzechProse::InSet(QString::fromUtf8(Prose), set);
}

} // namespace

class TstEncodingCommands : public QObject, ShownMainForm<>
{
    Q_OBJECT

private:
    QString panel() const { return m_form->Encodings()->Panel()->text(); }
    // The encoding part of the panel, before the line breaks.
    QString panelEncoding() const { return panel().section(QStringLiteral(" · "), 0, 0); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    // A UTF-8 file shows right from the command line, the open dialog and a second start,
    // and an unchanged page saves back byte for byte.
    void utf8FileFromEachEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray crlf = QByteArray(Prose).replace("\n", "\r\n");
        const QByteArray extra = "Привет \xF0\x9F\x98\x80\n";
        for (const char *entry : {"command line", "open dialog", "second start"}) {
            QTest::addRow("%s, LF only, emoji and Cyrillic", entry) << QString(entry) << (Prose + extra);
            QTest::addRow("%s, BOM and CR LF", entry) << QString(entry) << ("\xEF\xBB\xBF" + crlf);
        }
    }
    void utf8FileFromEachEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, bytes);
        const QString path = makeFile(QStringLiteral("utf8.txt"), bytes);
        if (entry == QLatin1String("command line"))
            Startup::OpenCommandLineFiles(*m_form, {path});
        else if (entry == QLatin1String("open dialog"))
            openInDialog(path);
        else
            Startup::OpenHandedFile(*m_form, QStringLiteral("utf8.txt"), m_dir->path());
        QCOMPARE(m_form->PageControl()->PageCount(), 2);
        QVERIFY(m_prompts->errors.isEmpty());
        QString expected = QString::fromUtf8(bytes).remove(QChar(0xFEFF)).remove(QLatin1Char('\r'));
        QCOMPARE(editor()->PlainText(), expected);
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        QCOMPARE(panelEncoding(), QStringLiteral("UTF-8"));
        QVERIFY(action("mmKodUtf8")->isChecked());
        QVERIFY(!action("mmKodWin1250")->isChecked());
        // The tools that work through Windows-1250 are greyed.
        QVERIFY(!action("mmKonverze")->isEnabled());
        QVERIFY(!action("KonverzezT6021")->isEnabled());
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
        QFile::remove(path);
        QVERIFY(makeFile(QStringLiteral("utf8.txt"), "stale").size() > 0);
        m_prompts->overwriteAnswers << true; // another file took the name: written over when asked
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), bytes);
        QVERIFY(!editor()->Modified());
    }

    // Typing on a UTF-8 page keeps every character; a Windows-1250 page still turns what it
    // cannot store into "?" (mend 4), and the panel follows the active page.
    void typingFollowsThePagesEncoding()
    {
        const QString utf8 = makeFile(QStringLiteral("u.txt"), "čaj\n");
        const QString cp = makeFile(QStringLiteral("c.txt"), "\xe8\x61j\r\n");
        openInDialog(cp);
        QCOMPARE(panel(), QStringLiteral("Windows-1250 · CR LF"));
        QVERIFY(action("mmKonverze")->isEnabled());
        typeKeys(QStringLiteral("жé"));
        QCOMPARE(editor()->PlainText(), QStringLiteral("?éčaj\n"));
        openInDialog(utf8);
        QCOMPARE(panel(), QStringLiteral("UTF-8 · LF"));
        typeKeys(QString::fromUtf8("жé\xF0\x9F\x98\x80"));
        QCOMPARE(editor()->PlainText(), QString::fromUtf8("жé\xF0\x9F\x98\x80čaj\n"));
        save();
        QCOMPARE(TestFiles::ReadBytes(utf8, "<unreadable>"),
                 QByteArray("жé\xF0\x9F\x98\x80čaj\n")); // LF kept: the file had only LF
        m_form->PageControl()->SetActivePageIndex(1);
        QCOMPARE(panelEncoding(), QStringLiteral("Windows-1250"));
        QVERIFY(action("mmKodWin1250")->isChecked());
        save();
        QCOMPARE(TestFiles::ReadBytes(cp, "<unreadable>"), QByteArray("?\xe9\xe8\x61j\r\n"));
    }

    // A Windows-1250 file with LF breaks keeps them at a save (a shell script stays one), and
    // the panel says so; a page with a CR LF among its LFs, and a new page, write CR LF.
    void windows1250KeepsLfBreaks()
    {
        const QString script = makeFile(QStringLiteral("s.sh"), "#!/bin/sh\necho \x9a\x9d\n");
        const QString mixed = makeFile(QStringLiteral("m.txt"), "a\nb\r\nc\n");
        openInDialog(script);
        QCOMPARE(panel(), QStringLiteral("Windows-1250 · LF"));
        typeKeys(QStringLiteral("# "));
        save();
        QCOMPARE(TestFiles::ReadBytes(script, "<unreadable>"), QByteArray("# #!/bin/sh\necho \x9a\x9d\n"));
        openInDialog(mixed);
        QCOMPARE(panel(), QStringLiteral("Windows-1250 · CR LF"));
        typeKeys(QStringLiteral("x"));
        save();
        QCOMPARE(TestFiles::ReadBytes(mixed, "<unreadable>"), QByteArray("xa\r\nb\r\nc\r\n"));
        m_form->PageControl()->SetActivePageIndex(1);
        QCOMPARE(panel(), QStringLiteral("Windows-1250 · LF"));
    }

    // A file in another Czech set shows the bar; "Převést do Windows 1250" gives the right
    // letters as one undo step, and nothing changes on disk until a save.
    void barConvertsTheGuessedSet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("Latin 2") << iconvTo(Prose, "IBM852") << QString("Latin 2");
        QTest::newRow("Kamenický") << inSet(Konverze::Kamenicky) << QString("Kamenický");
        QTest::newRow("ISO 8859-2") << iconvTo(Prose, "ISO-8859-2") << QString("ISO 8859-2");
    }
    void barConvertsTheGuessedSet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        const QString path = makeFile(QStringLiteral("old.txt"), bytes);
        openInDialog(path);
        TPageBar *bar = EncodingCommands::GuessBar(m_form->ActivePage());
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Message(), QStringLiteral("Text je zřejmě v kódování %1.").arg(name));
        QCOMPARE(panelEncoding(), QStringLiteral("Windows-1250"));
        const QString garbled = editor()->PlainText();
        QVERIFY(garbled != QString::fromUtf8(Prose));
        QPushButton *convert = barButton(bar, QStringLiteral("Převést do Windows 1250"));
        QVERIFY(convert);
        QVERIFY(barButton(bar, QStringLiteral("Ponechat")));
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(Prose));
        QVERIFY(editor()->Modified());
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), bytes);
        undo();
        QCOMPARE(editor()->PlainText(), garbled);
        save(); // the file had only LF, and keeps them
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), bytes);
    }

    void keepClosesTheBar()
    {
        openInDialog(makeFile(QStringLiteral("old.txt"), iconvTo(Prose, "IBM852")));
        TPageBar *bar = EncodingCommands::GuessBar(m_form->ActivePage());
        QVERIFY(bar);
        const QString text = editor()->PlainText();
        QTest::mouseClick(barButton(bar, QStringLiteral("Ponechat")), Qt::LeftButton);
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
        QCOMPARE(editor()->PlainText(), text);
        QVERIFY(!editor()->Modified());
    }

    void noBarWithoutAGuess_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows 1250") << Cp1250::encode(QString::fromUtf8(Prose));
        QTest::newRow("ASCII") << QByteArray("plain text\r\n");
        QTest::newRow("one word in Latin 2") << iconvTo("kůň", "IBM852");
        QTest::newRow("UTF-8") << QByteArray(Prose);
    }
    void noBarWithoutAGuess()
    {
        QFETCH(QByteArray, bytes);
        openInDialog(makeFile(QStringLiteral("f.txt"), bytes));
        QCOMPARE(m_form->PageControl()->PageCount(), 2);
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
    }

    // An unmodified page re-reads its file in the chosen encoding, without a question, and
    // the step can be undone.
    void unmodifiedPageReReadsTheFile()
    {
        const QByteArray bytes = "žluťoučký kůň\n";
        const QString path = makeFile(QStringLiteral("u.txt"), bytes);
        openInDialog(path);
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        action("mmKodWin1250")->trigger();
        QVERIFY(m_prompts->confirmTexts.isEmpty());
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QCOMPARE(editor()->PlainText(), Cp1250::decode(bytes));
        QCOMPARE(panelEncoding(), QStringLiteral("Windows-1250"));
        QVERIFY(action("mmKodWin1250")->isChecked());
        QVERIFY(action("mmKonverze")->isEnabled());
        QVERIFY(!editor()->Modified());
        QCOMPARE(m_form->ActivePage()->ImageIndex(), -1);
        undo();
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(bytes));
        QCOMPARE(panelEncoding(), QStringLiteral("UTF-8"));
        // And back again by the other item: the file is UTF-8, LF only, as before.
        action("mmKodWin1250")->trigger();
        action("mmKodUtf8")->trigger();
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(bytes));
        QCOMPARE(doc()->Format(), (TextFile::Format{Encoding::Utf8, false, true}));
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), bytes);
    }

    // Re-read after another program changed the file, the page is that file again: the bar
    // about the change goes and the next save writes without asking.
    void reReadTakesTheFileAsItIsNow()
    {
        const QString path = makeFile(QStringLiteral("u.txt"), "kůň\n");
        openInDialog(path);
        TTabSheet *page = m_form->ActivePage();
        QVERIFY(TestFiles::OtherProgram(QStringLiteral("printf 'p\\305\\231\\n' > \"$F\""), path));
        QTRY_VERIFY(watchBar(page));
        action("mmKodWin1250")->trigger();
        QCOMPARE(editor()->PlainText(), Cp1250::decode("p\xc5\x99\n"));
        QTRY_VERIFY(!watchBar(page));
        typeKeys(QStringLiteral("x"));
        save();
        QVERIFY(m_prompts->overwriteTexts.isEmpty());
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("xp\xc5\x99\n"));
    }

    // A file that is not UTF-8 cannot be re-read as UTF-8: the page stays as it was.
    void reReadAsUtf8RefusesInvalidBytes()
    {
        const QString path = makeFile(QStringLiteral("old.txt"), iconvTo(Prose, "IBM852"));
        openInDialog(path);
        const QString text = editor()->PlainText();
        action("mmKodUtf8")->trigger();
        QCOMPARE(m_prompts->errors.size(), 1);
        QVERIFY(m_prompts->errors.first().contains(QLatin1String("UTF-8")));
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QVERIFY(action("mmKodWin1250")->isChecked());
        QVERIFY(!action("mmKodUtf8")->isChecked());
        QCOMPARE(editor()->PlainText(), text);
    }

    // A modified UTF-8 page asked to save as Windows-1250 says how many characters would
    // become "?"; "&No" changes nothing, "&Yes" changes both as one undo step.
    void modifiedPageToWindows1250Asks()
    {
        const QString path = makeFile(QStringLiteral("u.txt"), "мир \xF0\x9F\x98\x80 čaj\r\n");
        openInDialog(path);
        QTest::keyClicks(editor(), QStringLiteral("x"));
        const QString typed = editor()->PlainText();
        m_prompts->confirmAnswers.enqueue(TPrompts::No);
        action("mmKodWin1250")->trigger();
        QCOMPARE(m_prompts->confirmTexts.size(), 1);
        QVERIFY2(m_prompts->confirmTexts.first().contains(QLatin1String(": 4.")),
                 qPrintable(m_prompts->confirmTexts.first()));
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        QVERIFY(action("mmKodUtf8")->isChecked());
        QCOMPARE(editor()->PlainText(), typed);

        m_prompts->confirmAnswers.enqueue(TPrompts::Yes);
        action("mmKodWin1250")->trigger();
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QCOMPARE(editor()->PlainText(), QStringLiteral("x??? ? čaj\n"));
        undo();
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        QCOMPARE(editor()->PlainText(), typed);
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("мир \xF0\x9F\x98\x80 čaj\r\n"));

        m_prompts->confirmAnswers.enqueue(TPrompts::Yes);
        action("mmKodWin1250")->trigger();
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("x??? ? \xe8\x61j\r\n"));
    }

    // A modified Windows-1250 page writes UTF-8 from its next save: nothing to lose, no
    // question, no byte-order mark; Save As keeps the encoding.
    void modifiedPageToUtf8()
    {
        const QString path = makeFile(QStringLiteral("c.txt"), "\xe8\x61j\r\n");
        openInDialog(path);
        typeKeys(QStringLiteral("ř"));
        action("mmKodUtf8")->trigger();
        QVERIFY(m_prompts->confirmTexts.isEmpty());
        QCOMPARE(doc()->TextEncoding(), Encoding::Utf8);
        QCOMPARE(editor()->PlainText(), QStringLiteral("řčaj\n"));
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("\xe8\x61j\r\n"));
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray("řčaj\r\n"));
        const QString copy = m_dir->filePath(QStringLiteral("copy.txt"));
        m_prompts->saveAnswers.enqueue(copy);
        QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(TestFiles::ReadBytes(copy, "<unreadable>"), QByteArray("řčaj\r\n"));
    }

    // A UTF-16 file is refused with a clear message and no page; the message names every
    // set the "Kó&dování" menu offers.
    void utf16FileIsRefused()
    {
        openInDialog(makeFile(QStringLiteral("wide.txt"), QByteArray("\xFF\xFE"
                                                                     "a\0b\0",
                                                                     6)));
        QCOMPARE(m_form->PageControl()->PageCount(), 1);
        QCOMPARE(m_prompts->errors.size(), 1);
        const QString message = m_prompts->errors.first();
        QVERIFY(message.contains(QLatin1String("UTF-16")));
        const QList<QAction *> sets = m_form->findChild<QMenu *>(QStringLiteral("mmKodovani"))->actions();
        QCOMPARE(sets.size(), 5);
        for (const QAction *set : sets)
            QVERIFY2(message.contains(QString(set->text()).remove(QLatin1Char('&'))),
                     qPrintable(set->text()));
    }

    // The speed bar's buttons stay enabled: the tools themselves refuse a UTF-8 page.
    void windows1250ToolsRefuseUtf8Pages()
    {
        openInDialog(makeFile(QStringLiteral("u.txt"), "@LH 6мир\n"));
        m_form->TextTools()->KonverzezT6021Click();
        m_form->TextTools()->mmKonverzeClick();
        QCOMPARE(m_prompts->messages.size(), 2);
        QCOMPARE(editor()->PlainText(), QStringLiteral("@LH 6мир\n"));
        QVERIFY(!editor()->Modified());
    }
};

QTEST_MAIN(TstEncodingCommands)
#include "tst_encodingcommands.moc"
