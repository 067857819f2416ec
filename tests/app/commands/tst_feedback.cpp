// Short messages of the commands: the wrap switch, a search that finds nothing and Replace
// All's count go to the status bar's hint panel, held there for a while; with the status bar
// hidden the Find and Replace dialogs show them on a line of their own.
#include "app/commands/FileCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/shell/TMainForm.h"
#include "app/shell/TStatusPanels.h"
#include "editor/search/TEditorSearch.h"
#include "editor/view/TRxRichEdit.h"
#include "editor/search/TSearchDialog.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

struct Fixture
{
    TFakePrompts prompts;
    TMainForm form{&prompts, nullptr};
    TStatusPanels *panels = form.findChild<TStatusPanels *>();

    explicit Fixture(bool statusBar)
    {
        form.resize(700, 500);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(panels);
        if (statusBar)
            form.View()->mmStatusBarClick();
        QCOMPARE(form.StatusBar->isVisible(), statusBar);
        editor()->SetWholeText(QStringLiteral("a a a"));
    }
    TRxRichEdit *editor() const { return form.ActiveEditor(); }
    TEditorSearch *search() const { return TEditorSearch::of(editor()); }
};

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void messages_data()
    {
        QTest::addColumn<bool>("statusBar");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("dialog"); // where it shows without the status bar: find, replace or none
        const struct
        {
            const char *action, *message, *dialog;
        } rows[] = {
            {"wrap off", "Zalamování řádků vypnuto", "none"},
            {"wrap on", "Zalamování řádků zapnuto", "none"},
            {"F3 with nothing to repeat", "Nenalezeno", "none"},
            {"F3 that misses", "Nenalezeno", "find"},
            {"Find Next that misses", "Nenalezeno", "find"},
            {"Replace All", "Zaměněno: 3", "replace"},
            {"Replace All that finds nothing", "Nenalezeno", "replace"},
        };
        for (const auto &r : rows) {
            QTest::addRow("%s, status bar", r.action) << true << r.action << r.message << r.dialog;
            QTest::addRow("%s, no status bar", r.action) << false << r.action << r.message << r.dialog;
        }
    }
    void messages()
    {
        QFETCH(bool, statusBar);
        QFETCH(QString, action);
        QFETCH(QString, message);
        QFETCH(QString, dialog);
        Fixture f(statusBar);
        if (QTest::currentTestFailed())
            return;
        TSearchDialog *shown = nullptr;
        if (action == QLatin1String("wrap off")) {
            QTest::keyClick(f.editor(), Qt::Key_W, Qt::ControlModifier);
        } else if (action == QLatin1String("wrap on")) {
            QTest::keyClick(f.editor(), Qt::Key_W, Qt::ControlModifier);
            QTest::keyClick(f.editor(), Qt::Key_W, Qt::ControlModifier);
        } else if (action == QLatin1String("F3 with nothing to repeat")) {
            QTest::keyClick(f.editor(), Qt::Key_F3);
        } else if (action.contains(QLatin1String("Find Next")) || action.startsWith(QLatin1String("F3"))) {
            f.form.TextTools()->mmFindClick();
            shown = f.search()->FindDialog();
            shown->SetSearchText(QStringLiteral("a"));
            if (action.startsWith(QLatin1String("F3"))) {
                f.editor()->SetSelStart(4); // the last "a": found, then missed
                QTest::mouseClick(shown->btnFindNext, Qt::LeftButton);
                QCOMPARE(f.editor()->SelStart(), 4);
                QTest::keyClick(f.editor(), Qt::Key_F3);
            } else {
                shown->SetSearchText(QStringLiteral("zzz"));
                QTest::mouseClick(shown->btnFindNext, Qt::LeftButton);
            }
        } else {
            f.form.TextTools()->mmReplaceClick();
            shown = f.search()->ReplaceDialog();
            shown->SetSearchText(action.contains(QLatin1String("nothing")) ? QStringLiteral("z")
                                                                           : QStringLiteral("a"));
            shown->SetReplaceText(QStringLiteral("b"));
            QTest::mouseClick(shown->btnReplaceAll, Qt::LeftButton);
        }

        const QString panel = f.panels->PanelText(7);
        if (statusBar) {
            QCOMPARE(panel, message);
            if (shown)
                QCOMPARE(shown->Message(), QString());
        } else {
            QVERIFY2(panel != message, qPrintable(panel));
            if (dialog != QLatin1String("none")) {
                QVERIFY(shown);
                QCOMPARE(shown->Message(), message);
            }
        }
    }

    // A message keeps the hint panel for its time even when idle moments bring new hints;
    // then the hint comes back.
    void messageHoldsThePanel()
    {
        Fixture f(true);
        f.panels->SetMessageHold(300);
        QTest::keyClick(f.editor(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(f.panels->PanelText(7), QStringLiteral("Zalamování řádků vypnuto"));
        f.panels->ShowHint(QStringLiteral("hint")); // as the idle update does
        QTest::mouseMove(f.editor()->viewport(), QPoint(20, 20));
        QTest::qWait(50);
        QCOMPARE(f.panels->PanelText(7), QStringLiteral("Zalamování řádků vypnuto"));
        QTRY_VERIFY(!f.panels->MessageShown());
        QTRY_VERIFY(f.panels->PanelText(7) != QStringLiteral("Zalamování řádků vypnuto"));
    }

    // Typing into a page whose file is still coming in says why nothing happens: in the
    // status bar, or at the caret while the status bar is hidden.
    void deleteAtTheEndWhileLoadingSaysWhy_data()
    {
        QTest::addColumn<bool>("statusBar");
        QTest::newRow("status bar shown") << true;
        QTest::newRow("status bar hidden") << false;
    }
    void deleteAtTheEndWhileLoadingSaysWhy()
    {
        QFETCH(bool, statusBar);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.txt"));
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes += "dlouh\xFD \xF8\xE1"
                     "dek "
                     + QByteArray::number(i) + "\r\n";
        QVERIFY(TestFiles::WriteBytes(path, bytes));
        Fixture f(statusBar);
        QToolTip::hideText();
        f.form.Files()->OpenFile(path);
        TRxRichEdit *editor = f.editor();
        QVERIFY(editor->Loading());
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_X); // into the part shown: kept
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Delete); // would join the line with the rest, not there yet
        const QString why =
            QStringLiteral("Soubor se ještě načítá: za koncem načtené části zatím nelze mazat.");
        QCOMPARE(f.panels->PanelText(7) == why, statusBar);
        QCOMPARE(QToolTip::isVisible(), !statusBar);
        if (!statusBar)
            QCOMPARE(QToolTip::text(), why);
        editor->FinishLoad();
        QVERIFY(editor->PlainText().startsWith(QLatin1Char('x')));
        QCOMPARE(editor->TextLength(), bytes.size() - bytes.count('\n') + 1);
        QToolTip::hideText();
    }

    // The dialog's line is for the last search only: a new text or a new search clears it.
    void dialogLineIsCleared()
    {
        Fixture f(false);
        f.form.TextTools()->mmFindClick();
        TSearchDialog *dialog = f.search()->FindDialog();
        dialog->SetSearchText(QStringLiteral("zzz"));
        QTest::mouseClick(dialog->btnFindNext, Qt::LeftButton);
        QCOMPARE(dialog->Message(), QStringLiteral("Nenalezeno"));
        QTest::keyClick(dialog->edtSearch, Qt::Key_Backspace);
        QCOMPARE(dialog->Message(), QString());
        dialog->ShowMessage(QStringLiteral("Nenalezeno"));
        dialog->SetSearchText(QStringLiteral("a"));
        QTest::mouseClick(dialog->btnFindNext, Qt::LeftButton);
        QCOMPARE(f.editor()->SelLength(), 1); // found: nothing to say
        QCOMPARE(dialog->Message(), QString());
    }
};

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
