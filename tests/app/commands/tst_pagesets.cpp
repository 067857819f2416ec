// Pages kept in Kamenický, Latin 2 or ISO 8859-2 on the shown main window: the detection
// bar's "Otevřít jako", the five "Kó&dování" items, saving in the page's set, the question
// before a lossy switch, "?" for a typed character the set lacks, and T602 documents.
#include "app/commands/CommandTable.h"
#include "app/commands/EncodingCommands.h"
#include "app/commands/FileCommands.h"
#include "app/files/FileWatch.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "CzechProse.h"
#include "editor/view/TRxRichEdit.h"
#include "ShownMainForm.h"
#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using CzechProse::InSet;
using CzechProse::Prose;
using TextFile::Encoding;

namespace {

// A small T602 document: dot commands, then the prose with T602's marks (a soft break 8D
// before a line's end, an "@LH" line-height mark, a 13 byte), CR LF lines, in the set.
QByteArray t602Document(int set)
{
    const QStringList lines = QString::fromUtf8(Prose).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QByteArray doc = "@CT 0\r\n@LM 1\r\n@RM 80\r\n@PL 60\r\n";
    doc += InSet(lines[0], set) + "\x8D\r\n";
    doc += InSet(lines[1], set) + "\r\n";
    doc += "@LH 6" + InSet(lines[2], set) + "\r\n";
    doc += InSet(lines[3], set) + "\x13\r\n";
    doc += InSet(lines[4], set) + "\r\n";
    return doc;
}

QString t602Cleaned()
{
    return QStringLiteral("@CT 0\n@LM 1\n@RM 80\n@PL 60\n") + QString::fromUtf8(Prose);
}

} // namespace

class TstPageSets : public QObject, ShownMainForm<>
{
    Q_OBJECT

private:
    QString panel() const { return m_form->Encodings()->Panel()->text(); }
    // The "Kó&dování" items that carry a check mark.
    QStringList checkedSets() const
    {
        QStringList checked;
        for (QAction *a : m_form->findChild<QMenu *>(QStringLiteral("mmKodovani"))->actions())
            if (a->isChecked())
                checked << a->text();
        return checked;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    // The bar's third choice re-reads the file in the detected set: the page shows the
    // text, stays unmodified, names the set in the panel and the menu, and Save writes the
    // set's bytes.
    void openAsTheDetectedSet_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panelName");
        QTest::newRow("Latin 2") << int(Konverze::Latin2) << "Latin 2"
                                 << "Latin 2";
        QTest::newRow("Kamenický") << int(Konverze::Kamenicky) << "Kamenický"
                                   << "Kamenický";
        QTest::newRow("ISO 8859-2") << int(Konverze::Iso8859_2) << "ISO 8859-2"
                                    << "ISO-8859-2";
    }
    void openAsTheDetectedSet()
    {
        QFETCH(int, set);
        QFETCH(QString, name);
        QFETCH(QString, panelName);
        const QByteArray bytes = InSet(QString::fromUtf8(Prose), set);
        const QString path = makeFile(QStringLiteral("old.txt"), bytes);
        openInDialog(path);
        TPageBar *bar = EncodingCommands::GuessBar(m_form->ActivePage());
        QVERIFY(bar);
        QPushButton *openAs = barButton(bar, QStringLiteral("Otevřít jako %1").arg(name));
        QVERIFY(openAs);
        QCOMPARE(bar->Buttons().size(), 3);
        QTest::mouseClick(openAs, Qt::LeftButton);
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(Prose));
        QVERIFY(!editor()->Modified());
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
        QCOMPARE(panel(), panelName + QStringLiteral(" · LF"));
        QCOMPARE(checkedSets(), QStringList{name});

        // "Ř" typed at the start is written as the set's own byte, the rest as it was.
        editor()->SetSelStart(0);
        typeKeys(QStringLiteral("Ř"));
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"), QByteArray(1, char(KodZnaku(set, 18))) + bytes);
        QVERIFY(!editor()->Modified());
        // Save As keeps the set.
        const QString other = m_dir->filePath(QStringLiteral("copy.txt"));
        m_prompts->saveAnswers.enqueue(other);
        m_form->Files()->mmSaveAsClick();
        QCOMPARE(TestFiles::ReadBytes(other, "<unreadable>"), QByteArray(1, char(KodZnaku(set, 18))) + bytes);
    }

    // The menu lists the five sets, the mark on the page's own; an unmodified page re-reads
    // its file in the chosen set, and the mark follows the active page.
    void menuMarksThePagesSet()
    {
        QStringList captions;
        for (QAction *a : m_form->findChild<QMenu *>(QStringLiteral("mmKodovani"))->actions())
            if (!a->isSeparator())
                captions << a->text();
        QCOMPARE(captions, (QStringList{"Windows 1250", "UTF-8", "Kamenický", "Latin 2", "ISO 8859-2"}));
        QCOMPARE(checkedSets(), QStringList{"Windows 1250"});

        const QByteArray bytes = QByteArray(TestFiles::IconvTo(Prose, "IBM852")).replace("\n", "\r\n");
        const QString path = makeFile(QStringLiteral("dos.txt"), bytes);
        openInDialog(path);
        action("mmKodLatin2")->trigger();
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(Prose));
        QCOMPARE(checkedSets(), QStringList{"Latin 2"});
        QCOMPARE(panel(), QStringLiteral("Latin 2 · CR LF"));
        action("mmKodKamenicky")->trigger(); // the same bytes read as Kamenický
        QCOMPARE(editor()->PlainText(), TextFile::decodeAs(bytes, Encoding::Kamenicky, path).text);
        QVERIFY(editor()->PlainText() != QString::fromUtf8(Prose));
        QCOMPARE(checkedSets(), QStringList{"Kamenický"});
        undo();
        QCOMPARE(checkedSets(), QStringList{"Latin 2"});
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(Prose));
        m_form->PageControl()->SetActivePageIndex(0);
        QCOMPARE(checkedSets(), QStringList{"Windows 1250"});
    }

    // A switch that would lose characters asks first, with their count; "No" keeps all.
    // On the new set's page a typed character it lacks becomes "?".
    void lossySwitchAsksWithTheCount()
    {
        typeKeys(QStringLiteral("„€ ő ŕ"));
        m_prompts->confirmAnswers.enqueue(TPrompts::No);
        action("mmKodLatin2")->trigger();
        QCOMPARE(m_prompts->confirmTexts.size(), 1);
        QCOMPARE(
            m_prompts->confirmTexts.first(),
            QStringLiteral("Počet znaků, které kódování Latin 2 neumí uložit: 2. Změnou kódování se z nich "
                           "stanou otazníky („?“). Změnit kódování?"));
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QCOMPARE(editor()->PlainText(), QStringLiteral("„€ ő ŕ"));

        m_prompts->confirmAnswers.enqueue(TPrompts::Yes);
        action("mmKodKamenicky")->trigger(); // Kamenický lacks ő too
        QVERIFY2(m_prompts->confirmTexts.last().contains(QStringLiteral("Kamenický neumí uložit: 3.")),
                 qPrintable(m_prompts->confirmTexts.join(u'|')));
        QCOMPARE(doc()->TextEncoding(), Encoding::Kamenicky);
        QCOMPARE(editor()->PlainText(), QStringLiteral("?? ? ŕ"));
        editor()->SetSelStart(editor()->TextLength());
        typeKeys(QStringLiteral("ľ€"));
        QCOMPARE(editor()->PlainText(), QStringLiteral("?? ? ŕľ?"));
        undo(); // the typing only: it is a step of its own
        QCOMPARE(editor()->PlainText(), QStringLiteral("?? ? ŕ"));
        QCOMPARE(doc()->TextEncoding(), Encoding::Kamenicky);
        undo();
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QCOMPARE(editor()->PlainText(), QStringLiteral("„€ ő ŕ"));
        // Nothing to lose: no question.
        const int asked = m_prompts->confirmTexts.size();
        action("mmKodUtf8")->trigger();
        action("mmKodIso88592")->trigger();
        QCOMPARE(m_prompts->confirmTexts.size(), asked + 1);
    }

    // A Latin 2 page keeps its set: pasted text it lacks becomes "?", a file changed on disk
    // is read again in Latin 2, and the T602 command stays a byte clean-up in that set.
    void pasteAndReloadKeepTheSet()
    {
        const QString path = makeFile(QStringLiteral("dos.txt"), "\x9C\xA0\x87\r\n"); // "ťáç"
        openInDialog(path);
        action("mmKodLatin2")->trigger();
        QCOMPARE(editor()->PlainText(), QStringLiteral("ťáç\n"));
        editor()->SetSelStart(0);
        QApplication::clipboard()->setText(QStringLiteral("€ő„x"));
        QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor()->PlainText(), QStringLiteral("?ő?xťáç\n"));

        QVERIFY(TestFiles::OtherProgram(
            QStringLiteral("printf '\\234\\336\\r\\n' > \"$F.new\" && mv \"$F.new\" \"$F\""), path));
        m_form->Watch()->Reload(m_form->ActivePage());
        QCOMPARE(editor()->PlainText(), QStringLiteral("ťŮ\n"));
        QCOMPARE(doc()->TextEncoding(), Encoding::Latin2);
        QCOMPARE(checkedSets(), QStringList{"Latin 2"});
    }

    // "Otevřít jako" on a page typed into reads the page's own bytes in the set: the typed
    // text stays, the file's letters come out right.
    void openAsOnAModifiedPage()
    {
        const QByteArray bytes = InSet(QString::fromUtf8(Prose), Konverze::Kamenicky);
        openInDialog(makeFile(QStringLiteral("k.txt"), bytes));
        TPageBar *bar = EncodingCommands::GuessBar(m_form->ActivePage());
        QVERIFY(bar);
        editor()->SetSelStart(editor()->TextLength());
        typeKeys(QStringLiteral("Konec."));
        QTest::mouseClick(barButton(bar, QStringLiteral("Otevřít jako Kamenický")), Qt::LeftButton);
        QCOMPARE(editor()->PlainText(), QString::fromUtf8(Prose) + QStringLiteral("Konec."));
        QCOMPARE(doc()->TextEncoding(), Encoding::Kamenicky);
        QVERIFY(editor()->Modified());
        undo();
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        QCOMPARE(editor()->PlainText(),
                 Cp1250::decode(bytes).remove(QLatin1Char('\r')) + QStringLiteral("Konec."));
    }

    // A T602 document gets its own bar; "Převést dokument T602" converts the set and
    // removes the marks as one undo step.
    void t602DocumentConvertedInOneStep_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("message");
        QTest::newRow("Kamenický") << int(Konverze::Kamenicky)
                                   << "Dokument T602, zřejmě v kódování Kamenických";
        QTest::newRow("Latin 2") << int(Konverze::Latin2) << "Dokument T602, zřejmě v kódování Latin 2";
    }
    void t602DocumentConvertedInOneStep()
    {
        QFETCH(int, set);
        QFETCH(QString, message);
        const QString path = makeFile(QStringLiteral("dopis.602"), t602Document(set));
        openInDialog(path);
        QVERIFY(!EncodingCommands::GuessBar(m_form->ActivePage()));
        TPageBar *bar = EncodingCommands::T602Bar(m_form->ActivePage());
        QVERIFY(bar);
        QCOMPARE(bar->Message(), message);
        const QString before = editor()->PlainText();
        QTest::mouseClick(barButton(bar, QStringLiteral("Převést dokument T602")), Qt::LeftButton);
        QCOMPARE(editor()->PlainText(), t602Cleaned());
        QVERIFY(editor()->Modified());
        QVERIFY(!EncodingCommands::T602Bar(m_form->ActivePage()));
        QCOMPARE(doc()->TextEncoding(), Encoding::Windows1250);
        undo();
        QCOMPARE(editor()->PlainText(), before);
        QTest::keyClick(editor(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor()->PlainText(), t602Cleaned());
        save();
        QCOMPARE(TestFiles::ReadBytes(path, "<unreadable>"),
                 Cp1250::encode(t602Cleaned()).replace("\n", "\r\n"));
    }

    // One line starting with "@" is no T602 document: the usual bar only.
    void oneAtLineIsNoT602Document()
    {
        openInDialog(makeFile(QStringLiteral("mail.txt"),
                              "@CT 0\r\n" + InSet(QString::fromUtf8(Prose), Konverze::Kamenicky)));
        QVERIFY(!EncodingCommands::T602Bar(m_form->ActivePage()));
        QVERIFY(EncodingCommands::GuessBar(m_form->ActivePage()));
    }

    // "Konverze z T602" on a Kamenický page removes the marks as bytes of that set: the
    // soft break 8D is "ĺ" there.
    void t602CleanUpOnAKamenickyPage()
    {
        openInDialog(makeFile(QStringLiteral("dopis.602"), t602Document(Konverze::Kamenicky)));
        action("mmKodKamenicky")->trigger();
        QCOMPARE(doc()->TextEncoding(), Encoding::Kamenicky);
        QVERIFY(editor()->PlainText().contains(QStringLiteral("ódy.ĺ\n")));
        QVERIFY(action("KonverzezT6021")->isEnabled());
        QVERIFY(action("mmKonverze")->isEnabled());
        action("KonverzezT6021")->trigger();
        QCOMPARE(editor()->PlainText(), t602Cleaned());
    }
};

QTEST_MAIN(TstPageSets)
#include "tst_pagesets.moc"
