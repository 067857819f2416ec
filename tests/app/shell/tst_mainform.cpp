// The main window: menus, pages, switching, closing, the marker and the edit menu.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "speedbar/CommandImages.h"
#include "speedbar/TSpeedBar.h"
#include "speedbar/TSpeedButton.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

class TstMainForm : public QObject
{
    Q_OBJECT

    TFakePrompts m_prompts;

    static QStringList captions(const TMainForm &form)
    {
        QStringList out;
        for (int i = 0; i < form.PageControl()->PageCount(); ++i)
            out << form.PageControl()->Page(i)->Caption();
        return out;
    }

    // Shows the window; returns it with its first untitled page.
    std::unique_ptr<TMainForm> shownForm()
    {
        auto form = std::make_unique<TMainForm>(&m_prompts, nullptr);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void menuBarAndContextMenus()
    {
        TMainForm form(&m_prompts, nullptr);
        QStringList titles;
        for (QAction *a : form.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles,
                 QStringList({"&Soubor", "Úpr&avy", "&Zobrazit", "Z&kratky", "&Nástroje", "Nápo&věda"}));
        QStringList page;
        for (QAction *a : form.pmActivePage->actions())
            page << (a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(page, QStringList({"Zavřít", "Zavřít vše", "-", "Vyjmout", "Kopírovat", "Vložit", "-",
                                    "Nový", "Otevřít", "Uložit", "Uložit jako...", "Uložit vše", "-", "Najít",
                                    "Zaměnit", "-", "&Konec", "zalvpred", "zalzpet"}));
        QVERIFY(!form.pmActivePage->actions().at(17)->isVisible());
        QVERIFY(!form.pmActivePage->actions().at(18)->isVisible());
        QCOMPARE(form.pmMAINPAGE->actions().size(), 2);
        QVERIFY(form.Commands().Action("itmWrap")->isChecked());
        // The main menus by component name, submenus in brackets.
        std::function<QString(QMenu *)> layout = [&layout](QMenu *menu) {
            QStringList items;
            for (QAction *a : menu->actions())
                items << (a->isSeparator() ? QString("-")
                          : a->menu()      ? a->menu()->objectName() + "[" + layout(a->menu()) + "]"
                                           : a->objectName());
            return items.join(' ');
        };
        QCOMPARE(layout(form.mmFile), QString("mmNew mmOpen mmReopen[] - mmSave mmSaveAs mmSaveAll "
                                              "mmKodovani[mmKodWin1250 mmKodUtf8 mmKodKamenicky mmKodLatin2 "
                                              "mmKodIso88592] - mmClose mmCloseAll - "
                                              "mmPrint mmPrintPreview mmPrinterSetup - mmExit"));
        QCOMPARE(layout(form.mmEdit), QString("mmUndo mmRedo - mmCut mmCopy mmPaste - mmFind mmFindAgain "
                                              "mmReplace mmGOTO - Vloitdatumaas1 ss1[UpperItem1 LowerItem1 "
                                              "InvertItem1] - mmSelectAll itmWrap"));
        QCOMPARE(layout(form.mmView),
                 QString("mmTOOLBAR mmStatusBar mmSpeed - mmZoomIn mmZoomOut mmZoomReset - mmLineNumbers "
                         "mmCurrentLine"));
        // The languages found depend on the installation.
        QCOMPARE(layout(form.Nstroje1).remove(QRegularExpression("\\[[^]]*\\]")),
                 QString("mmKonverze mmSpell mmAutoSpell KonverzezT6021 - mmLANGUAGE - mmTOOLEDIT mmNASTAV"));
        QCOMPARE(layout(form.mmHelp), QString("mmNAPOVEDA mmAbout"));
        QCOMPARE(layout(form.pmMAINPAGE), QString("mmZALOZKY mmMultiLine"));
        QCOMPARE(form.windowTitle(), QString("Quorvel Tosk"));
    }

    // A fresh start shows one untitled page numbered 1, and no toolbar, panel or status bar.
    void freshStartAndUntitledNumbering()
    {
        auto form = shownForm();
        QVERIFY(form);
        QCOMPARE(captions(*form), QStringList({"bezejmenný1"}));
        QCOMPARE(form->ActivePage()->Hint(), QString("bezejmenný1"));
        QVERIFY(!form->StatusBar->isVisible());
        QVERIFY(!form->ToolBar->isVisible());
        QVERIFY(!form->pnlLEVY->isVisible());
        form->Pages()->CloseActivePage();
        QCOMPARE(form->PageControl()->PageCount(), 0);
        form->Pages()->mmNewClick();
        QCOMPARE(captions(*form), QStringList({"bezejmenný2"}));
        QCOMPARE(QApplication::focusWidget(), form->ActiveEditor());
    }

    // The images of the speed bar's commands are not read before the window is on screen:
    // the menu items get theirs once the window has been painted, a menu opened before that
    // gets them as it opens, and a speed button finds its own when it is first painted.
    void commandImagesWaitForTheFirstPaint()
    {
        TMainForm unshown(&m_prompts, nullptr);
        QAction *open = unshown.Commands().Action("mmOpen");
        QVERIFY(open->icon().isNull());
        QVERIFY(unshown.Commands().Action("mmCopy")->icon().isNull());
        // Not a speed bar command: it never has an image.
        QVERIFY(unshown.Commands().Action("mmRedo")->icon().isNull());
        unshown.mmFile->popup(QPoint(0, 0));
        QVERIFY(!open->icon().isNull());
        QVERIFY(!unshown.Commands().Action("mmCopy")->icon().isNull()); // of another menu, too
        unshown.mmFile->hide();

        auto form = shownForm();
        QVERIFY(form);
        QAction *save = form->Commands().Action("mmSave");
        QTRY_VERIFY(!save->icon().isNull());
        QVERIFY(form->Commands().Action("mmRedo")->icon().isNull());
        QCOMPARE(save->icon().pixmap(16, 16).toImage(), CommandImage(2).pixmap(16, 16).toImage());

        // The hidden speed bar: its buttons draw their images once shown.
        form->ToolBar->show();
        auto *button = form->ToolBar->findChild<TSpeedButton *>("SpeedItem2");
        QVERIFY(button);
        QTRY_VERIFY(button->isVisible());
        TSpeedButton imageless(0, -1, nullptr);
        imageless.resize(button->size());
        imageless.setEnabled(button->isEnabled());
        QVERIFY(button->grab().toImage() != imageless.grab().toImage());
    }

    // After the first paint the images come a few at a time, so that the window answers in
    // between; a menu opened half-way takes the rest at once.
    void menuImagesComeAFewAtATime()
    {
        TMainForm form(&m_prompts, nullptr);
        const auto withImages = [&form] {
            int n = 0;
            for (const QAction *a : form.findChildren<QAction *>())
                n += a->icon().isNull() ? 0 : 1;
            return n;
        };
        const int before = withImages();
        QVERIFY(form.Commands().SetNextImages(3));
        QCOMPARE(withImages(), before + 3);
        QVERIFY(form.Commands().SetNextImages(2));
        QCOMPARE(withImages(), before + 5);
        QVERIFY(form.Commands().SetNextImages(0)); // nothing given, the rest still waits
        QCOMPARE(withImages(), before + 5);
        form.mmEdit->popup(QPoint(0, 0));
        const int all = withImages();
        form.mmEdit->hide();
        QVERIFY(all > before + 5);
        QVERIFY(!form.Commands().SetNextImages(3));
        QCOMPARE(withImages(), all);
        QCOMPARE(form.Commands().Action("mmSave")->icon().pixmap(16, 16).toImage(),
                 CommandImage(2).pixmap(16, 16).toImage());
    }

    void switchingWrapsAround()
    {
        auto form = shownForm();
        QVERIFY(form);
        form->Pages()->zalvpred1Click(); // one page: stays
        QCOMPARE(form->PageControl()->ActivePageIndex(), 0);
        form->Pages()->mmNewClick();
        form->Pages()->mmNewClick();
        QCOMPARE(form->PageControl()->ActivePageIndex(), 2);
        QTest::keyClick(form->ActiveEditor(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(form->PageControl()->ActivePageIndex(), 0);
        form->Pages()->zalvpred1Click();
        form->Pages()->zalvpred1Click();
        QCOMPARE(form->PageControl()->ActivePageIndex(), 2);
        form->Pages()->zalzpet1Click();
        QCOMPARE(form->PageControl()->ActivePageIndex(), 1);
        QTest::keyClick(form->ActiveEditor(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->PageControl()->ActivePageIndex(), 0);
        QTest::keyClick(form->ActiveEditor(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->PageControl()->ActivePageIndex(), 2);
        QCOMPARE(form->ActiveEditor()->PlainText(), QString()); // no tab reached the text
    }

    // With A, B, C, D and B active, closing B makes A active; closing A then makes D active.
    void closingSelectsTheNeighbour()
    {
        auto form = shownForm();
        QVERIFY(form);
        form->Pages()->mmNewClick();
        form->Pages()->mmNewClick();
        form->Pages()->mmNewClick();
        form->PageControl()->SetActivePageIndex(1);
        form->Pages()->CloseActivePage();
        QCOMPARE(captions(*form), QStringList({"bezejmenný1", "bezejmenný3", "bezejmenný4"}));
        QCOMPARE(form->ActivePage()->Caption(), QString("bezejmenný1"));
        form->Pages()->CloseActivePage();
        QCOMPARE(form->ActivePage()->Caption(), QString("bezejmenný4"));
        form->Pages()->CloseActivePage();
        QCOMPARE(form->ActivePage()->Caption(), QString("bezejmenný3"));
        form->Pages()->CloseActivePage();
        QVERIFY(!form->ActivePage());
        // No page: the page commands are off, New and Open still work.
        for (const char *name : {"mmSave", "mmSaveAs", "mmSaveAll", "mmClose", "mmCloseAll", "mmFind",
                                 "mmFindAgain", "mmReplace", "mmPrint", "mmUndo", "mmCopy", "pmaFind"})
            QVERIFY2(!form->Commands().Action(name)->isEnabled(), name);
        QVERIFY(!form->mmEdit->menuAction()->isEnabled());
        QVERIFY(form->Commands().Action("mmNew")->isEnabled());
        QVERIFY(form->Commands().Action("mmOpen")->isEnabled());
        form->Edits()->mmUndoClick(); // reachable another way: does nothing
        form->Pages()->zalvpred1Click();
        form->Pages()->mmNewClick();
        QVERIFY(form->Commands().Action("mmSave")->isEnabled());
        QVERIFY(form->mmEdit->menuAction()->isEnabled());
    }

    // The speed bar's save button: enabled from the start page on, grey after a save until
    // the caret moves, grey without pages, enabled again by a new page.
    void saveButtonFollowsPagesAndSaves()
    {
        auto form = shownForm();
        QVERIFY(form);
        QWidget *button = form->ToolBar->Button(QStringLiteral("savebutton"));
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(TestFiles::WriteBytes(path, "abc"));
        QVERIFY(form->Files()->OpenFileReporting(path));
        QVERIFY(button->isEnabled());
        QVERIFY(form->Files()->SaveInPlace(form->ActivePage()));
        QVERIFY(!button->isEnabled());
        form->ActiveEditor()->SetSelStart(2);
        QVERIFY(button->isEnabled());
        form->Files()->SaveInPlace(form->ActivePage());
        QVERIFY(!button->isEnabled());
        form->Pages()->mmNewClick();
        QVERIFY(button->isEnabled());
        while (form->ActivePage())
            form->Pages()->CloseActivePage();
        QVERIFY(!button->isEnabled());
        form->Pages()->mmNewClick();
        QVERIFY(button->isEnabled());
    }

    // Typing shows the marker; undoing back to the saved text leaves it; it goes with the
    // document's flag.
    void modifiedMarker()
    {
        auto form = shownForm();
        QVERIFY(form);
        TTabSheet *page = form->ActivePage();
        QCOMPARE(page->ImageIndex(), -1);
        QTest::keyClicks(form->ActiveEditor(), "x");
        QCOMPARE(page->ImageIndex(), 0);
        form->ActiveEditor()->Undo();
        QCOMPARE(form->ActiveEditor()->PlainText(), QString());
        QCOMPARE(page->ImageIndex(), 0);
        form->ActiveEditor()->Doc()->Clear();
        QCOMPARE(page->ImageIndex(), -1);
        emit form->mmFile->aboutToShow();
        QVERIFY(!form->Commands().Action("mmSave")->isEnabled());
        emit form->mmFile->aboutToHide();
        QTest::keyClicks(form->ActiveEditor(), "y");
        emit form->mmFile->aboutToShow();
        QVERIFY(form->Commands().Action("mmSave")->isEnabled());
    }

    void editMenuStates()
    {
        auto form = shownForm();
        QVERIFY(form);
        TRxRichEdit *e = form->ActiveEditor();
        QApplication::clipboard()->clear();
        QVERIFY(!form->Commands().Action("mmCut")->isEnabled());
        QVERIFY(!form->Commands().Action("mmCopy")->isEnabled());
        QVERIFY(!form->Commands().Action("mmUndo")->isEnabled());
        QVERIFY(!form->Commands().Action("mmPaste")->isEnabled());
        QTest::keyClicks(e, "ab");
        e->SetSelStart(0);
        e->SetSelLength(1);
        auto *image = new QMimeData;
        image->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(image); // a picture only: no paste
        QVERIFY(form->Commands().Action("mmCut")->isEnabled());
        QVERIFY(form->Commands().Action("mmCopy")->isEnabled());
        QVERIFY(form->Commands().Action("mmUndo")->isEnabled());
        QVERIFY(!form->Commands().Action("mmPaste")->isEnabled());
        // The key of a disabled item does nothing and does not reach the editor.
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->PlainText(), QString("ab"));
        QTest::keyClick(e, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("a"));
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->PlainText(), QString("ab"));
        QCOMPARE(e->SelStart(), 1);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(e->SelLength(), 2);
        QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(e->PlainText(), QString());
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->PlainText(), QString("ab"));
    }

    // Wrap off on one page leaves the others wrapped; later pages follow the template.
    void wrapRuleAcrossPages()
    {
        auto form = shownForm();
        QVERIFY(form);
        TRxRichEdit *first = form->ActiveEditor();
        form->Pages()->mmNewClick();
        TRxRichEdit *second = form->ActiveEditor();
        QTest::keyClick(second, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!form->Commands().Action("itmWrap")->isChecked());
        QVERIFY(!second->WordWrap());
        QVERIFY(first->WordWrap());
        QVERIFY(!form->TemplateEditor()->WordWrap());
        form->Pages()->mmNewClick();
        QVERIFY(!form->ActiveEditor()->WordWrap());
        form->Commands().Action("itmWrap")->trigger();
        QVERIFY(form->Commands().Action("itmWrap")->isChecked());
        QVERIFY(form->ActiveEditor()->WordWrap());
        QVERIFY(!second->WordWrap());
    }

    void newPagesCopyTheTemplate()
    {
        auto form = shownForm();
        QVERIFY(form);
        QFont f(QStringLiteral("Courier New"));
        f.setPointSize(15);
        form->TemplateEditor()->setFont(f);
        QPalette p = form->TemplateEditor()->palette();
        p.setColor(QPalette::Base, QColor(255, 255, 200));
        form->TemplateEditor()->setPalette(p);
        form->Pages()->mmNewClick();
        QCOMPARE(form->ActiveEditor()->font().pointSize(), 15);
        QCOMPARE(form->ActiveEditor()->palette().color(QPalette::Base), QColor(255, 255, 200));
        QVERIFY(!form->ActiveEditor()->Modified());
    }
};

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
