// Every command of the table, run through its key on the shown window and through the
// item that shows it in a menu, checked by what the handler visibly does. A row wired to the
// wrong handler (Ctrl+S to Save As, the page menu's "Uložit" to Save All) fails here.
#include "app/commands/CommandTable.h"
#include "app/commands/EncodingCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "app/pages/TTabStrip.h"
#include "app/shell/TMainForm.h"
#include "editor/search/TEditorSearch.h"
#include "editor/search/TSearchDialog.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/dialog/TfrmNASTAV.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "settings/tags/HotKeyText.h"
#include "settings/tags/THotKeyEdit.h"
#include "speedbar/TSpeedBar.h"
#include "speedbar/TSpeedbarSetupWindow.h"
#include "speedbar/TSpeedButton.h"
#include "spell/TSpellerDialog2.h"
#include "spell/TypingSpellCheck.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QWheelEvent>

namespace {

struct Fixture
{
    TFakePrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    QString modalSeen; // class of a modal dialog that opened (and was closed at once)

    TRxRichEdit *editor() const { return form->ActiveEditor(); }
    int pages() const { return form->PageControl()->PageCount(); }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QByteArray bytes(const char *name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    // A page holding a file, modified with "+".
    void modifiedFilePage(const char *name)
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("text");
        f.close();
        form->Files()->OpenFile(path(name));
        QTest::keyClick(editor(), Qt::Key_Plus);
    }
    void setText(const QString &text, int selStart = 0, int selLength = 0)
    {
        editor()->SetWholeText(text);
        editor()->SetSelStart(selStart);
        editor()->SetSelLength(selLength);
    }
};

struct Case
{
    const char *name; // component name of the item
    QKeySequence key; // the key a user presses; empty: menu only
    std::function<void(Fixture &)> setup;
    std::function<void(Fixture &)> check; // QVERIFY/QCOMPARE inside
    bool inMenu = true;                   // page switching has keys only: the page menu lists it hidden
    QList<QKeySequence> moreKeys = {};    // further keys of the same command
};

// The modal dialog a command opened, by class.
std::function<void(Fixture &)> modal(const char *className)
{
    return [className](Fixture &f) { QCOMPARE(f.modalSeen, QLatin1String(className)); };
}

QList<Case> cases()
{
    using K = QKeySequence;
    const auto ctrl = Qt::CTRL, shift = Qt::SHIFT;
    auto none = [](Fixture &) {};
    // Save writes the active page only, without a dialog: Save As would ask, Save All would
    // write the other page too.
    auto twoModified = [](Fixture &f) {
        f.modifiedFilePage("other.txt");
        f.modifiedFilePage("active.txt");
    };
    auto savedActiveOnly = [](Fixture &f) {
        QCOMPARE(f.bytes("active.txt"), QByteArray("+text"));
        QCOMPARE(f.bytes("other.txt"), QByteArray("text"));
        QVERIFY(f.prompts.saveProposals.isEmpty());
    };
    auto savedAll = [](Fixture &f) {
        QCOMPARE(f.bytes("active.txt"), QByteArray("+text"));
        QCOMPARE(f.bytes("other.txt"), QByteArray("+text"));
    };
    auto askedForName = [](Fixture &f) {
        QCOMPARE(f.prompts.saveProposals.size(), 1);
        QCOMPARE(f.bytes("other.txt"), QByteArray("text"));
    };
    auto closedOne = [](Fixture &f) { QCOMPARE(f.pages(), 1); };
    auto twoPages = [](Fixture &f) { f.form->Pages()->mmNewClick(); };
    auto newPage = [](Fixture &f) {
        QCOMPARE(f.pages(), 2);
        QCOMPARE(f.form->ActivePage()->Caption(), QStringLiteral("bezejmenný2"));
    };
    auto openAnswer = [](Fixture &f) {
        QFile(f.path("in.txt")).open(QIODevice::WriteOnly);
        f.prompts.openAnswers.enqueue({f.path("in.txt")});
    };
    auto opened = [](Fixture &f) { QCOMPARE(f.form->ActivePage()->Caption(), QStringLiteral("in.txt")); };
    auto selectedAb = [](Fixture &f) {
        QApplication::clipboard()->setText(QStringLiteral("q"));
        f.setText(QStringLiteral("abc"), 0, 2);
    };
    auto findSetUp = [](Fixture &f) {
        f.setText(QStringLiteral("ab ab ab"), 0, 2);
        TEditorSearch *s = TEditorSearch::of(f.editor());
        s->ShowFindDialog();
        s->SearchWithDialog(s->FindDialog(), false, false);
        s->FindDialog()->hide();
        QCOMPARE(f.editor()->SelStart(), 3);
    };
    auto findDialogShown = [](Fixture &f) {
        TEditorSearch *s = TEditorSearch::find(f.editor());
        QVERIFY(s && s->FindDialog() && s->FindDialog()->isVisible());
    };
    auto replaceDialogShown = [](Fixture &f) {
        TEditorSearch *s = TEditorSearch::find(f.editor());
        QVERIFY(s && s->ReplaceDialog() && s->ReplaceDialog()->isVisible());
    };
    auto caseText = [](Fixture &f) { f.setText(QStringLiteral("aBc"), 0, 3); };
    auto threePagesAtFirst = [](Fixture &f) {
        f.form->Pages()->mmNewClick();
        f.form->Pages()->mmNewClick();
        f.form->PageControl()->SetActivePageIndex(0);
    };
    auto typedThenUndone = [](Fixture &f) {
        QTest::keyClicks(f.editor(), "xy");
        f.editor()->Undo();
        QVERIFY(!f.editor()->PlainText().contains(QStringLiteral("xy")));
    };
    auto zoomedBy = [](int steps) {
        return [steps](Fixture &f) {
            QCOMPARE(f.editor()->ZoomSteps(), steps);
            QCOMPARE(f.editor()->font().pointSizeF(), f.form->TemplateEditor()->font().pointSizeF() + steps);
        };
    };

    return {
        {"mmNew", K(ctrl | Qt::Key_N), none, newPage},
        {"pmaNew", {}, none, newPage},
        {"mmOpen", K(ctrl | Qt::Key_O), openAnswer, opened},
        {"pmaOpen", {}, openAnswer, opened},
        {"mmSave", K(ctrl | Qt::Key_S), twoModified, savedActiveOnly},
        {"pmaSave", {}, twoModified, savedActiveOnly},
        {"mmSaveAs", K(ctrl | shift | Qt::Key_S), twoModified, askedForName},
        {"pmaSaveAs", {}, twoModified, askedForName},
        {"mmSaveAll", {}, twoModified, savedAll},
        {"pmaSaveAll", {}, twoModified, savedAll},
        {"mmClose", K(ctrl | Qt::Key_F4), twoPages, closedOne},
        {"pmaClose", {}, twoPages, closedOne},
        {"mmCloseAll", {}, twoPages, [](Fixture &f) { QCOMPARE(f.pages(), 0); }},
        {"pmaCloseAll", {}, twoPages, [](Fixture &f) { QCOMPARE(f.pages(), 0); }},
        {"mmExit",
         K(Qt::ALT | Qt::Key_F4),
         none,
         [](Fixture &f) { QVERIFY(!f.form->isVisible()); },
         true,
         {K(ctrl | Qt::Key_Q)}},
        {"pmaExit", {}, none, [](Fixture &f) { QVERIFY(!f.form->isVisible()); }},
        {"mmUndo", K(ctrl | Qt::Key_Z), [](Fixture &f) { QTest::keyClicks(f.editor(), "xy"); },
         [](Fixture &f) { QVERIFY(f.editor()->PlainText().size() < 2); }},
        {"mmRedo",
         K(ctrl | Qt::Key_Y),
         typedThenUndone,
         [](Fixture &f) { QVERIFY(f.editor()->PlainText().contains(QStringLiteral("xy"))); },
         true,
         {K(ctrl | shift | Qt::Key_Z)}},
        {"mmCut", K(ctrl | Qt::Key_X), selectedAb,
         [](Fixture &f) {
             QCOMPARE(f.editor()->PlainText(), QStringLiteral("c\n"));
             QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ab"));
         }},
        {"pmaCut",
         {},
         selectedAb,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("c\n")); }},
        {"mmCopy", K(ctrl | Qt::Key_C), selectedAb,
         [](Fixture &f) {
             QCOMPARE(f.editor()->PlainText(), QStringLiteral("abc\n"));
             QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ab"));
         }},
        {"pmaCopy",
         {},
         selectedAb,
         [](Fixture &) { QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ab")); }},
        {"mmPaste", K(ctrl | Qt::Key_V), selectedAb,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("qc\n")); }},
        {"pmaPaste",
         {},
         selectedAb,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("qc\n")); }},
        {"mmFind", K(ctrl | Qt::Key_F), none, findDialogShown},
        {"pmaFind", {}, none, findDialogShown},
        {"mmFindAgain", K(Qt::Key_F3), findSetUp, [](Fixture &f) { QCOMPARE(f.editor()->SelStart(), 6); }},
        {"mmReplace", K(ctrl | Qt::Key_H), none, replaceDialogShown},
        {"pmaReplace", {}, none, replaceDialogShown},
        {"mmGOTO", K(ctrl | Qt::Key_G),
         [](Fixture &f) {
             f.setText(QStringLiteral("one\ntwo\nthree"));
             f.prompts.inputAnswers.enqueue(QStringLiteral("3"));
         },
         [](Fixture &f) { QCOMPARE(f.editor()->SelStart(), 8); }},
        {"Vloitdatumaas1", K(ctrl | Qt::Key_D), none,
         [](Fixture &f) {
             QVERIFY(f.editor()->PlainText().contains(QString::number(QDate::currentDate().year() % 100)));
         }},
        {"UpperItem1", K(ctrl | shift | Qt::Key_V), caseText,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("ABC\n")); }},
        {"LowerItem1", K(ctrl | shift | Qt::Key_M), caseText,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("abc\n")); }},
        {"InvertItem1",
         {},
         caseText,
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("AbC\n")); }},
        {"mmSelectAll", K(ctrl | Qt::Key_A), [](Fixture &f) { f.setText(QStringLiteral("abc")); },
         [](Fixture &f) { QCOMPARE(f.editor()->SelLength(), 4); }},
        {"itmWrap", K(ctrl | Qt::Key_W), none, [](Fixture &f) { QVERIFY(!f.editor()->WordWrap()); }},
        {"mmTOOLBAR", {}, none, [](Fixture &f) { QVERIFY(f.form->ToolBar->isVisible()); }},
        {"mmStatusBar", {}, none, [](Fixture &f) { QVERIFY(f.form->StatusBar->isVisible()); }},
        {"mmSpeed", K(Qt::Key_F9), none, [](Fixture &f) { QVERIFY(f.form->pnlLEVY->isVisible()); }},
        {"mmZoomIn", K(ctrl | Qt::Key_Plus), none, zoomedBy(1), true, {K(ctrl | Qt::Key_Equal)}},
        {"mmZoomOut", K(ctrl | Qt::Key_Minus), none, zoomedBy(-1)},
        {"mmZoomReset", K(ctrl | Qt::Key_0),
         [](Fixture &f) {
             f.editor()->ZoomIn();
             f.editor()->ZoomIn();
         },
         zoomedBy(0)},
        {"mmKonverze", {}, none, [](Fixture &f) { QCOMPARE(f.modalSeen, QStringLiteral("TfrmKonverze")); }},
        {"KonverzezT6021", K(ctrl | shift | Qt::Key_T),
         [](Fixture &f) { f.setText(QStringLiteral("@LH 6abc")); },
         [](Fixture &f) { QCOMPARE(f.editor()->PlainText(), QStringLiteral("abc\n")); }},
        // An untitled page keeps its text and writes the chosen encoding from its next save.
        {"mmKodUtf8",
         {},
         [](Fixture &f) { f.setText(QStringLiteral("abc")); },
         [](Fixture &f) {
             QCOMPARE(f.editor()->Doc()->TextEncoding(), TextFile::Encoding::Utf8);
             QCOMPARE(f.editor()->PlainText(), QStringLiteral("abc\n"));
         }},
        {"mmKodWin1250",
         {},
         [](Fixture &f) {
             f.form->Encodings()->mmKodUtf8Click();
             f.setText(QStringLiteral("abc"));
         },
         [](Fixture &f) { QCOMPARE(f.editor()->Doc()->TextEncoding(), TextFile::Encoding::Windows1250); }},
        {"mmPrint", K(ctrl | Qt::Key_P), none, modal("QPrintDialog")},
        {"mmPrintPreview", {}, none, modal("QPrintPreviewDialog")},
        {"mmPrinterSetup", {}, none, modal("QPageSetupDialog")},
        {"mmAbout", {}, none, modal("TfrmAbout")},
        {"mmSpell", K(Qt::Key_F7), [](Fixture &f) { f.setText(QStringLiteral("pes xqzwv")); },
         [](Fixture &f) {
             auto *dialog = f.form->findChild<TSpellerDialog2 *>();
             QVERIFY(dialog && dialog->isVisible());
         }},
        {"mmAutoSpell",
         {},
         none,
         [](Fixture &f) {
             QVERIFY(f.form->Commands().Action(QStringLiteral("mmAutoSpell"))->isChecked());
             QVERIFY(f.form->TypingSpell()->IsOn());
         }},
        {"mmNASTAV", K(Qt::Key_F8), none, modal("TfrmNASTAV")},
        {"mmTOOLEDIT",
         {},
         none,
         [](Fixture &f) {
             QVERIFY(f.form->ToolBar->SetupWindow() && f.form->ToolBar->SetupWindow()->isVisible());
         }},
        {"mmZALOZKY", {}, none, [](Fixture &f) { QVERIFY(f.form->PageControl()->TabsAtBottom()); }},
        {"mmMultiLine", {}, none, [](Fixture &f) { QVERIFY(f.form->PageControl()->MultiLine()); }},
        {"zalvpred1",
         K(ctrl | Qt::Key_Tab),
         threePagesAtFirst,
         [](Fixture &f) { QCOMPARE(f.form->PageControl()->ActivePageIndex(), 1); },
         false,
         {K(ctrl | Qt::Key_PageDown)}},
        {"zalzpet1",
         K(ctrl | shift | Qt::Key_Tab),
         threePagesAtFirst,
         [](Fixture &f) { QCOMPARE(f.form->PageControl()->ActivePageIndex(), 2); },
         false,
         {K(ctrl | Qt::Key_PageUp)}},
    };
}

// The item of a menu (or one of its submenus) by component name.
QAction *itemIn(const QList<QMenu *> &menus, const QString &name)
{
    for (QMenu *menu : menus) {
        for (QAction *a : menu->actions()) {
            if (a->objectName() == name)
                return a;
            if (a->menu())
                if (QAction *inner = itemIn({a->menu()}, name))
                    return inner;
        }
    }
    return nullptr;
}

} // namespace

class TstCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> shown()
    {
        auto f = std::make_unique<Fixture>();
        f->form = std::make_unique<TMainForm>(&f->prompts, nullptr);
        QDir::setCurrent(f->dir.path());
        f->form->show();
        if (!QTest::qWaitForWindowExposed(f->form.get()))
            return nullptr;
        f->form->activateWindow();
        return f;
    }

    // Runs `action` while a watchdog closes any modal dialog it opens.
    static void runGuarded(Fixture &f, const std::function<void()> &action)
    {
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [&f] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                f.modalSeen = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        guard.start(20);
        action();
        QTest::qWait(30);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void eachCommand_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QKeySequence>("key");
        const QList<Case> all = cases();
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].inMenu)
                QTest::addRow("%s menu", all[i].name) << i << false << QKeySequence();
            if (!all[i].key.isEmpty())
                QTest::addRow("%s key", all[i].name) << i << true << all[i].key;
            for (const QKeySequence &more : all[i].moreKeys)
                QTest::addRow("%s key %s", all[i].name, qPrintable(more.toString())) << i << true << more;
        }
    }
    void eachCommand()
    {
        QFETCH(int, index);
        QFETCH(bool, byKey);
        QFETCH(QKeySequence, key);
        const Case c = cases().at(index);
        auto f = shown();
        QVERIFY(f);
        c.setup(*f);
        if (QTest::currentTestFailed())
            return;
        if (byKey) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : f->form.get();
            runGuarded(*f, [&] { QTest::keySequence(target, key); });
        } else {
            QList<QMenu *> menus =
                f->form->menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
            for (QAction *title : f->form->menuBar()->actions())
                if (title->menu())
                    menus << title->menu();
            menus << f->form->pmActivePage << f->form->pmMAINPAGE;
            QAction *item = itemIn(menus, QLatin1String(c.name));
            QVERIFY2(item, c.name);
            QVERIFY2(item->isEnabled(), c.name);
            runGuarded(*f, [&] { item->trigger(); });
        }
        c.check(*f);
    }

    // Every component name the menus use is a row of the table, and the commands whose part
    // of the program is missing are there but disabled.
    void tableIsWhole()
    {
        auto f = shown();
        QVERIFY(f);
        QVERIFY2(f->form->Commands().Problems().isEmpty(),
                 qPrintable(f->form->Commands().Problems().join('\n')));
#ifdef NDEBUG // a debug build stops at once instead
        // A misspelt name is reported, never a null pointer.
        QAction *stray = f->form->Commands().Action(QStringLiteral("mmSaev"));
        QVERIFY(stray);
        QVERIFY(!stray->isEnabled());
        QCOMPARE(f->form->Commands().Problems().size(), 1);
#endif
    }

    // "&Uložit" shows greyed inside the open "&Soubor" menu on an unmodified page; after the
    // menu closes, typing then Ctrl+S saves.
    void saveKeyWorksAfterTheMenuShowedItGreyed()
    {
        auto f = shown();
        QVERIFY(f);
        QTest::keyClick(f->editor(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(f->form->mmFile->isVisible());
        QVERIFY(!f->form->Commands().Action(QStringLiteral("mmSave"))->isEnabled());
        QTest::keyClick(f->form->mmFile, Qt::Key_Escape);
        QTRY_VERIFY(!f->form->mmFile->isVisible());
        QTest::qWait(10); // the event loop runs between two keys
        QApplication::setActiveWindow(f->form.get());
        f->editor()->setFocus();
        // At once, on the unmodified page: Save goes to Save As for an untitled page.
        f->prompts.saveAnswers.enqueue(f->path("typed.txt"));
        QTest::keyClick(f->editor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f->bytes("typed.txt"), QByteArray());
        QTest::keyClicks(f->editor(), "abc");
        QTest::keyClick(f->editor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f->bytes("typed.txt"), QByteArray("abc"));
        QCOMPARE(f->prompts.saveProposals.size(), 1);
        QVERIFY(!f->editor()->Modified());
    }

    // A click on a speed bar button runs the command of the same caption; the save button
    // goes grey after a save and comes back when the caret moves.
    void speedBarButtonsRunTheirCommands()
    {
        auto f = shown();
        QVERIFY(f);
        f->form->Commands().Action(QStringLiteral("mmTOOLBAR"))->trigger();
        QVERIFY(f->form->ToolBar->isVisible());
        TSpeedButton *newButton = f->form->ToolBar->Button(QStringLiteral("SpeedItem1"));
        QVERIFY(newButton && newButton->isVisible());
        QTest::mouseClick(newButton, Qt::LeftButton);
        QCOMPARE(f->pages(), 2);
        QTest::keyClicks(f->editor(), "abc");
        TSpeedButton *save = f->form->ToolBar->Button(QStringLiteral("savebutton"));
        QVERIFY(save && save->isEnabled());
        f->prompts.saveAnswers.enqueue(f->path("bar.txt"));
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(f->bytes("bar.txt"), QByteArray("abc"));
        QVERIFY(!save->isEnabled());
        QVERIFY(f->form->Commands().Action(QStringLiteral("mmSave"))->isEnabled()); // Ctrl+S keeps its rule
        QTest::keyClick(f->editor(), Qt::Key_Left);
        QVERIFY(save->isEnabled());
        f->form->Files()->mmCloseAllClick();
        QVERIFY(!save->isEnabled());
    }

    // Tags "t0", "t1", ... that put "<" and ">" around the selection, on these hot keys.
    static void writeTags(TSettingsStore &store, const QStringList &keys)
    {
        TSettingsSession s(store);
        for (int i = 0; i < keys.size(); ++i) {
            s.WriteString(SettingsKeys::TagNames, SettingsKeys::ListItem.arg(i),
                          QStringLiteral("t%1").arg(i));
            s.WriteString(SettingsKeys::TagHotKeys, SettingsKeys::ListItem.arg(i), keys[i]);
            s.WriteString(SettingsKeys::TagStarts, SettingsKeys::ListItem.arg(i), QStringLiteral("<"));
            s.WriteString(SettingsKeys::TagEnds, SettingsKeys::ListItem.arg(i), QStringLiteral(">"));
        }
        s.Close();
    }

    // A user tag never takes a key of a command or a menu title: over every key of the
    // table, the command keeps it; a tag on a free key works by its key. (The help guide's
    // F1 yields to a tag: below.)
    void tagsLeaveTheCommandsTheirKeys()
    {
        QTemporaryDir dir;
        TSettingsStore store(dir.filePath(QStringLiteral("q.ini")));
        QStringList keys;
        {
            TFakePrompts prompts;
            TMainForm probe(&prompts, nullptr);
            for (const QKeySequence &key : probe.Commands().Shortcuts())
                if (key != QKeySequence(Qt::Key_F1))
                    keys << HotKeyText::Write(key[0]);
        }
        keys << QStringLiteral("Alt+A") << QStringLiteral("Ctrl+Shift+Q");
        writeTags(store, keys);
        TFakePrompts prompts;
        TMainForm form(&prompts, &store);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<QAction *> items = form.mmUZIV->actions();
        QCOMPARE(items.size(), keys.size());
        for (int i = 0; i < keys.size() - 1; ++i)
            QVERIFY2(items[i]->shortcut().isEmpty(), qPrintable(keys[i]));
        TRxRichEdit *e = form.ActiveEditor();
        e->SetWholeText(QStringLiteral("ab"));
        e->SetSelStart(0);
        e->SetSelLength(1);
        QTest::keyClick(e, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a"));
        QCOMPARE(e->PlainText(), QStringLiteral("ab\n"));
        QTest::keyClick(e, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e->PlainText(), QStringLiteral("<a>b\n"));
        QTest::keyClick(e, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(form.mmEdit->isVisible());
        form.mmEdit->close();
        form.ActiveEditor()->Doc()->Clear();
    }

    // The user's own choice wins over the help guide's F1: a tag stored on F1 runs by F1 on
    // the shown window and "&Nápověda" has no key; once the settings dialog's OK moves the
    // tag to another key, F1 is the guide's again.
    void tagOnF1TakesItFromHelp()
    {
        QTemporaryDir dir;
        TSettingsStore store(dir.filePath(QStringLiteral("q.ini")));
        writeTags(store, {QStringLiteral("F1"), QStringLiteral("Alt+B")});
        TFakePrompts prompts;
        TMainForm form(&prompts, &store);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAction *help = form.Commands().Action(QStringLiteral("mmNAPOVEDA"));
        QAction *tag = form.mmUZIV->actions().value(0);
        QVERIFY(tag);
        QCOMPARE(tag->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(help->shortcuts().isEmpty());
        TRxRichEdit *e = form.ActiveEditor();
        e->SetWholeText(QStringLiteral("ab"));
        e->SetSelStart(0);
        e->SetSelLength(1);
        QTest::keyClick(e, Qt::Key_F1);
        QCOMPARE(e->PlainText(), QStringLiteral("<a>b\n"));

        bool changed = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TfrmNASTAV *>(QApplication::activeModalWidget());
            if (!d)
                return;
            d->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), d);
            d->PageControl1->setCurrentWidget(d->TabSheet3); // "Zkratky"
            const QRect first = d->lstZNACKY->visualItemRect(d->lstZNACKY->item(0));
            QTest::mouseClick(d->lstZNACKY->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseClick(d->HotKey2, Qt::LeftButton);
            QTest::keyClick(d->HotKey2, Qt::Key_F2, Qt::ControlModifier);
            QTest::keyClick(d->HotKey2, Qt::Key_Return); // the dialog's OK
            changed = !d->isVisible();
        });
        QTest::keyClick(e, Qt::Key_F8);
        QVERIFY(changed);
        tag = form.mmUZIV->actions().value(0);
        QVERIFY(tag);
        QCOMPARE(tag->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
        QCOMPARE(help->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F1)});
        e->Doc()->Clear();
    }

    // Nor a key the editor keeps for moving the caret and selecting: such a tag gets no
    // shortcut (its caption still names the key), and the key keeps moving and selecting in
    // the shown window's page, with no tag text put in. Regression: a tag on Ctrl+Shift+Home
    // showed its key in "Z&kratky" while the editor took the key and selected to the start,
    // so the next key typed replaced the whole page.
    void tagsLeaveTheEditorItsKeys()
    {
        QTemporaryDir dir;
        TSettingsStore store(dir.filePath(QStringLiteral("q.ini")));
        writeTags(store, {QStringLiteral("Shift+Ctrl+Home"), QStringLiteral("Ctrl+Left"),
                          QStringLiteral("Ctrl+Shift+Q")});
        TFakePrompts prompts;
        TMainForm form(&prompts, &store);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<QAction *> items = form.mmUZIV->actions();
        QCOMPARE(items.size(), 3);
        QVERIFY(items[0]->shortcuts().isEmpty());
        QVERIFY(items[0]->text().endsWith(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Home).toString()));
        QVERIFY(items[1]->shortcuts().isEmpty());
        QCOMPARE(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));

        TRxRichEdit *e = form.ActiveEditor();
        e->SetWholeText(QStringLiteral("abc def\nghi"));
        e->SetSelStart(11);
        QTest::keyClick(e, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e->SelStart(), 0);
        QCOMPARE(e->SelLength(), 11);
        QTest::keyClick(e, Qt::Key_Right);
        QTest::keyClick(e, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(e->SelStart(), 8);
        QCOMPARE(e->SelLength(), 0);
        QCOMPARE(e->PlainText(), QStringLiteral("abc def\nghi\n"));
        // The tag on a free key still works by its key.
        QTest::keyClick(e, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e->PlainText(), QStringLiteral("abc def\n<>ghi\n"));
        e->Doc()->Clear();
    }

    // Undo, cut, copy and paste follow the active editor as it changes, without any menu
    // being opened.
    void editEnablingFollowsTheActivePage()
    {
        auto f = shown();
        QVERIFY(f);
        QAction *undo = f->form->Commands().Action(QStringLiteral("mmUndo"));
        QAction *redo = f->form->Commands().Action(QStringLiteral("mmRedo"));
        QAction *copy = f->form->Commands().Action(QStringLiteral("pmaCopy"));
        QVERIFY(!undo->isEnabled());
        QTest::keyClicks(f->editor(), "ab");
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QTest::keyClick(f->editor(), Qt::Key_Home);
        QTest::keyClicks(f->editor(), "c"); // a second undo step
        QTest::keyClick(f->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->editor()->PlainText(), QStringLiteral("ab"));
        QVERIFY(undo->isEnabled());
        QVERIFY(redo->isEnabled());
        f->editor()->SetSelStart(0);
        f->editor()->SetSelLength(1);
        QVERIFY(copy->isEnabled());
        f->form->Pages()->mmNewClick(); // a fresh page: nothing to undo, redo or copy
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QVERIFY(!copy->isEnabled());
        QTest::keyClick(f->editor(), Qt::Key_Y, Qt::ControlModifier); // disabled: does nothing
        QVERIFY(f->editor()->PlainText().isEmpty());
        f->form->PageControl()->SetActivePageIndex(0);
        QVERIFY(undo->isEnabled());
        QVERIFY(redo->isEnabled());
        QVERIFY(copy->isEnabled());
        QTest::keyClicks(f->editor(), "c"); // a new edit ends what could be redone
        QVERIFY(!redo->isEnabled());
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QVERIFY(f->form->Commands().Action(QStringLiteral("mmPaste"))->isEnabled());
        QApplication::clipboard()->clear();
        QVERIFY(!f->form->Commands().Action(QStringLiteral("mmPaste"))->isEnabled());
    }

    // Ctrl+wheel zooms the page under it, one step a notch; each page keeps its own zoom and
    // a new page starts at the template's size.
    void zoomIsPerPage()
    {
        auto f = shown();
        QVERIFY(f);
        const qreal base = f->form->TemplateEditor()->font().pointSizeF();
        TRxRichEdit *first = f->editor();
        auto wheel = [](TRxRichEdit *editor, int delta, Qt::KeyboardModifiers mods) {
            const QPointF at(10, 10);
            QWheelEvent e(at, editor->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(editor->viewport(), &e);
        };
        wheel(first, 120, Qt::ControlModifier);
        QCOMPARE(first->ZoomSteps(), 1);
        wheel(first, 60, Qt::ControlModifier); // half a notch: not yet
        QCOMPARE(first->ZoomSteps(), 1);
        wheel(first, 60, Qt::ControlModifier);
        QCOMPARE(first->ZoomSteps(), 2);
        wheel(first, -120, Qt::NoModifier); // scrolls, never zooms
        QCOMPARE(first->ZoomSteps(), 2);
        QCOMPARE(first->font().pointSizeF(), base + 2);

        f->form->Pages()->mmNewClick();
        QCOMPARE(f->editor()->ZoomSteps(), 0);
        QCOMPARE(f->editor()->font().pointSizeF(), base);
        QTest::keyClick(f->editor(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(f->editor()->ZoomSteps(), -1);
        QCOMPARE(first->ZoomSteps(), 2);
        QCOMPARE(f->form->TemplateEditor()->font().pointSizeF(), base); // nothing to store
        // The smallest size stops the zoom instead of making the text vanish.
        for (int i = 0; i < 50; ++i)
            f->editor()->ZoomOut();
        QVERIFY(f->editor()->font().pointSizeF() >= 4);
        f->form->PageControl()->SetActivePageIndex(0);
        QTest::keyClick(f->editor(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(first->font().pointSizeF(), base);
    }

    // A tab's close button and a middle click on a tab both run Close for that page, with
    // the question about changes, after making it the active page.
    void tabClosePaths_data()
    {
        QTest::addColumn<bool>("middle");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("pagesAfter");
        for (bool middle : {false, true}) {
            const char *how = middle ? "middle click" : "close button";
            QTest::addRow("%s, unmodified", how) << middle << false << -1 << 1;
            QTest::addRow("%s, modified, Cancel", how) << middle << true << int(TPrompts::Cancel) << 2;
            QTest::addRow("%s, modified, No", how) << middle << true << int(TPrompts::No) << 1;
            QTest::addRow("%s, modified, Yes", how) << middle << true << int(TPrompts::Yes) << 1;
        }
    }
    void tabClosePaths()
    {
        QFETCH(bool, middle);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(int, pagesAfter);
        auto f = shown();
        QVERIFY(f);
        if (modified)
            QTest::keyClicks(f->editor(), "text");
        f->form->Pages()->mmNewClick(); // the second page is active
        TTabSheet *first = f->form->PageControl()->Page(0);
        if (answer >= 0)
            f->prompts.confirmAnswers.enqueue(TPrompts::Answer(answer));
        f->prompts.saveAnswers.enqueue(f->path("kept.txt"));
        TTabStrip *strip = f->form->PageControl()->TabStrip();
        if (middle) {
            QTest::mouseClick(strip, Qt::MiddleButton, {}, strip->tabRect(0).center());
        } else {
            const QRect button = strip->tabCloseRect(0);
            QVERIFY(!button.isEmpty());
            QVERIFY(strip->tabRect(0).contains(button));
            QTest::mouseClick(strip, Qt::LeftButton, {}, button.center());
        }
        QCOMPARE(f->prompts.confirmTexts,
                 modified ? QStringList{QStringLiteral("Soubor bezejmenný1, byl změněn. Uložit změny?")}
                          : QStringList());
        QCOMPARE(f->pages(), pagesAfter);
        if (pagesAfter == 2) // kept: it was made the active page for its question
            QCOMPARE(f->form->ActivePage(), first);
        else
            QCOMPARE(f->form->ActivePage()->Caption(), QStringLiteral("bezejmenný2"));
        QCOMPARE(f->bytes("kept.txt"), answer == TPrompts::Yes ? QByteArray("text") : QByteArray("<none>"));
    }

    // A click on a tab beside its close button only selects it; a press on the button that
    // is released elsewhere closes nothing.
    void tabClickOnlyClosesOnTheButton()
    {
        auto f = shown();
        QVERIFY(f);
        f->form->Pages()->mmNewClick();
        TTabStrip *strip = f->form->PageControl()->TabStrip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).topLeft() + QPoint(4, 4));
        QCOMPARE(f->pages(), 2);
        QCOMPARE(f->form->PageControl()->ActivePageIndex(), 0);
        QTest::mousePress(strip, Qt::LeftButton, {}, strip->tabCloseRect(1).center());
        QTest::mouseRelease(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        QCOMPARE(f->pages(), 2);
    }

    // A tab's tooltip is the full path of its file.
    void tabToolTipIsTheFullPath()
    {
        auto f = shown();
        QVERIFY(f);
        QFile file(f->path("notes.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        f->form->Files()->OpenFile(QStringLiteral("notes.txt")); // relative to the current folder
        TPageControl *pages = f->form->PageControl();
        QCOMPARE(pages->TabToolTip(0), QString()); // untitled
        QCOMPARE(pages->TabToolTip(1), QDir::toNativeSeparators(f->path("notes.txt")));
        TTabStrip *strip = pages->TabStrip();
        const QPoint at = strip->tabRect(1).topLeft() + QPoint(4, 4);
        QHelpEvent help(QEvent::ToolTip, at, strip->mapToGlobal(at));
        QApplication::sendEvent(strip, &help);
        QTRY_COMPARE(QToolTip::text(), QDir::toNativeSeparators(f->path("notes.txt")));
    }
};

QTEST_MAIN(TstCommands)
#include "tst_commands.moc"
