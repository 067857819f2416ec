// The modified marker on the shown window, one case per way a page becomes modified or
// unmodified. Each case looks at all that shows it: the image on the page's tab, the
// document's flag and the close query (which asks about exactly the modified pages).
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/files/FileWatch.h"
#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/pages/TTabStrip.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "KeptCopies.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace K = SettingsKeys;

// The tab's image, the document's flag and the close query all say whether `page` is marked.
#define CHECK_MARKED(page, marked)                                                                           \
    do {                                                                                                     \
        const QString why = disagreement(page, marked);                                                      \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                            \
    } while (false)

class TestModifiedMarker : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    std::unique_ptr<TFakePrompts> m_prompts;
    std::unique_ptr<RecoveryStore> m_recovery;
    std::unique_ptr<TMainForm> m_form;

    // A page opened on a file of these bytes, shown and active.
    TTabSheet *open(const QByteArray &bytes, const QString &name = QStringLiteral("a.txt"))
    {
        const QString path = m_dir->filePath(name);
        if (!TestFiles::WriteBytes(path, bytes))
            return nullptr;
        m_form->Files()->OpenFile(path);
        m_form->ActiveEditor()->setFocus();
        return m_form->ActivePage();
    }
    QAction *action(const char *name) const { return m_form->Commands().Action(QString::fromLatin1(name)); }

    // Empty when the tab's image, the document's flag and the close query all say `marked`.
    QString disagreement(TTabSheet *page, bool marked)
    {
        TPageControl *pages = m_form->PageControl();
        const bool image = !pages->TabStrip()->tabIcon(pages->IndexOf(page)).isNull();
        const bool flag = page->Doc()->Modified();
        // Unanswered, the query is cancelled: nothing is saved or closed.
        m_prompts->confirmTexts.clear();
        m_form->Files()->FormCloseQuery();
        const bool asked = m_prompts->confirmTexts.join(QLatin1Char('\n')).contains(page->Caption());
        m_prompts->confirmTexts.clear();
        if (image == marked && flag == marked && asked == marked && (page->ImageIndex() == 0) == marked)
            return {};
        return QStringLiteral("expected %1: tab image %2, flag %3, close query %4")
            .arg(marked ? "modified" : "unmodified")
            .arg(image)
            .arg(flag)
            .arg(asked);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // One tag whose texts are both empty, on F12.
        m_store = std::make_unique<TSettingsStore>(m_dir->filePath(QStringLiteral("cfg/QUORTOSK.ini")));
        {
            TSettingsSession s(*m_store);
            s.WriteString(K::TagNames, K::ListItem.arg(0), QStringLiteral("Nic"));
            s.WriteString(K::TagHotKeys, K::ListItem.arg(0), QStringLiteral("F12"));
            s.WriteString(K::TagStarts, K::ListItem.arg(0), QString());
            s.WriteString(K::TagEnds, K::ListItem.arg(0), QString());
        }
        m_prompts = std::make_unique<TFakePrompts>();
        m_recovery = std::make_unique<RecoveryStore>(m_dir->filePath(QStringLiteral("recovery")));
        QVERIFY(m_recovery->Open());
        m_form = std::make_unique<TMainForm>(m_prompts.get(), m_store.get());
        m_form->RecoveryCopies()->SetStore(m_recovery.get());
        m_form->Watch()->SetSettleMs(20);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        m_recovery.reset();
        m_store.reset();
        m_dir.reset();
    }

    void typingSetsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        CHECK_MARKED(page, false);
        QTest::keyClicks(page->Editor(), QStringLiteral("x"));
        CHECK_MARKED(page, true);
    }

    // Undo is a change like any other: back at the saved text the page still counts as
    // changed until it is saved; so does redo.
    void undoBackToTheSavedTextKeepsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        TRxRichEdit *editor = page->Editor();
        QTest::keyClicks(editor, QStringLiteral("x"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->PlainText(), QStringLiteral("alfa\n"));
        CHECK_MARKED(page, true);
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        CHECK_MARKED(page, false);
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier); // redo of the typing
        QCOMPARE(editor->PlainText(), QStringLiteral("xalfa\n"));
        CHECK_MARKED(page, true);
    }

    // Ctrl+S clears it.
    void saveClearsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        QTest::keyClicks(page->Editor(), QStringLiteral("x"));
        QTest::keyClick(page->Editor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(TestFiles::ReadBytes(page->Hint()), QByteArray("xalfa\r\n"));
        CHECK_MARKED(page, false);
    }

    // The file changed on disk, the page was edited: reloading makes the page its file
    // again. The reload is an undo step, and taking it back is a change.
    void reloadFromDiskClearsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        QTest::keyClicks(page->Editor(), QStringLiteral("x"));
        QVERIFY(TestFiles::WriteBytes(page->Hint(), "beta\r\n"));
        QTRY_VERIFY(m_form->Watch()->BarOf(page));
        QPushButton *reload = nullptr;
        for (QPushButton *b : m_form->Watch()->BarOf(page)->Buttons())
            if (b->text() == QStringLiteral("Načíst znovu (zahodit změny)"))
                reload = b;
        QVERIFY(reload);
        QTest::mouseClick(reload, Qt::LeftButton);
        QCOMPARE(page->Editor()->PlainText(), QStringLiteral("beta\n"));
        CHECK_MARKED(page, false);
        page->Editor()->setFocus();
        QTest::keyClick(page->Editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page->Editor()->PlainText(), QStringLiteral("xalfa\n"));
        CHECK_MARKED(page, true);
    }

    // An unmodified page read again in another encoding is its file, read differently: the
    // changed text leaves no marker. Undoing the step is a change.
    void encodingSwitchReReadsWithoutIt()
    {
        TTabSheet *page = open("\xc4\x8d\x61j\n", QStringLiteral("u.txt")); // "čaj" in UTF-8
        QVERIFY(page);
        QCOMPARE(page->Doc()->TextEncoding(), TextFile::Encoding::Utf8);
        action("mmKodWin1250")->trigger();
        QCOMPARE(page->Doc()->TextEncoding(), TextFile::Encoding::Windows1250);
        QCOMPARE(page->Editor()->PlainText(), QStringLiteral("ÄŤaj\n"));
        CHECK_MARKED(page, false);
        QTest::keyClick(page->Editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page->Doc()->TextEncoding(), TextFile::Encoding::Utf8);
        CHECK_MARKED(page, true);
    }

    // A text kept from a run that ended without saving comes back as a modified page.
    void restoredCopySetsIt()
    {
        const QString path = m_dir->filePath(QStringLiteral("a.txt"));
        QVERIFY(TestFiles::WriteBytes(path, "alfa\r\n"));
        const RecoveryCopy copy = KeptCopies::Copy(path, "alfa a v\xed"
                                                         "c\r\n");
        QVERIFY(!KeptCopies::Leave(m_dir->filePath(QStringLiteral("recovery")), {copy}).isEmpty());
        m_form->RecoveryCopies()->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
        QCOMPARE(m_form->RecoveryCopies()->OfferLeftCopies(), 1);
        TTabSheet *page = m_form->ActivePage();
        QCOMPARE(page->Caption(), QStringLiteral("a.txt"));
        QCOMPARE(page->Editor()->PlainText(), QStringLiteral("alfa a víc\n"));
        CHECK_MARKED(page, true);
    }

    // A tag with both texts empty changes no text, yet marks the page, as it always set the
    // flag; the marker now shows it too.
    void emptyTagSetsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        page->Editor()->SetSelStart(1);
        page->Editor()->SetSelLength(2);
        QTest::keyClick(page->Editor(), Qt::Key_F12);
        QCOMPARE(page->Editor()->PlainText(), QStringLiteral("alfa\n"));
        QCOMPARE(page->Editor()->SelStart(), 1);
        QCOMPARE(page->Editor()->SelLength(), 0);
        CHECK_MARKED(page, true);
    }

    // "&Uložit" in the open "&Soubor" menu follows the active page's flag, also when it
    // changes while the menu is open; Ctrl+S works again once the menu closes.
    void saveItemInTheOpenFileMenuFollowsIt()
    {
        TTabSheet *page = open("alfa\r\n");
        QVERIFY(page);
        QAction *save = action("mmSave");
        m_form->mmFile->popup(m_form->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(m_form->mmFile->isVisible());
        QVERIFY(!save->isEnabled());
        QApplication::clipboard()->setText(QStringLiteral("z")); // the commands' rules run again
        QVERIFY(!save->isEnabled());
        page->Editor()->SetSelText(QStringLiteral("x")); // a change made while the menu is open
        QVERIFY(save->isEnabled());
        page->Doc()->Save();
        QVERIFY(!save->isEnabled());
        m_form->mmFile->hide();
        QTRY_VERIFY(save->isEnabled());
    }
};

QTEST_MAIN(TestModifiedMarker)
#include "tst_modifiedmarker.moc"
