// The speed bar on a shown main window: its first layout, clicks, the customising dialog
// and its drags, moving the bar to each side, and the stored layout.
#include "ProgramSpeedItems.h"
#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsStore.h"
#include "speedbar/CommandImages.h"
#include "speedbar/TSpeedBar.h"
#include "speedbar/TSpeedbarSetupWindow.h"
#include "speedbar/TSpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TBarSide)

namespace {

// A plain main window with a menu bar, a text area and the speed bar docked at the top,
// the program's thirty items bound to actions of their component names.
struct Window
{
    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    TSpeedBar *bar = nullptr;
    QHash<QString, QAction *> actions; // by component name

    Window()
    {
        window->menuBar()->addMenu(QStringLiteral("&Soubor"));
        window->setCentralWidget(new QPlainTextEdit);
        window->resize(500, 400);
        bar = new TSpeedBar(window.get());
        window->addToolBar(Qt::TopToolBarArea, bar);
        bar->SetItems(ProgramSpeedItems([this](const QString &name) {
            auto *action = new QAction(name, window.get());
            action->setObjectName(name);
            actions.insert(name, action);
            return action;
        }));
    }
    bool show(bool withBar = true)
    {
        window->show();
        if (withBar)
            bar->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // Shown with its bar, customising: the setup window, null when the window did not show.
    TSpeedbarSetupWindow *customizing()
    {
        if (!show())
            return nullptr;
        bar->Customize();
        return bar->SetupWindow();
    }
    QWidget *canvas() const { return bar->Canvas(); }
    TSpeedButton *button(const char *name) const { return bar->Button(QLatin1String(name)); }
    QStringList shownNames() const
    {
        QStringList names;
        for (const TSpeedItem &item : bar->Layout().Items())
            if (item.shown)
                names << item.name;
        return names;
    }
};

QWidget *visibleDragCopy()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("SpeedDragCopy") && w->isVisible())
            return w;
    return nullptr;
}

int dragCopies()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->objectName() == QLatin1String("SpeedDragCopy");
    return n;
}

// Picks up the picture of `caption` in the dialog's section `section` and lets it go with
// the copy's top-left corner at `topLeft` of the bar. The pressed list keeps receiving
// the mouse while it is moved over the bar, as the window system does.
void dragFromDialog(Window &w, const QString &section, const QString &caption, QPoint topLeft,
                    QPoint *copyTopLeftSeen = nullptr)
{
    TSpeedbarSetupWindow *dialog = w.bar->SetupWindow();
    QVERIFY(dialog);
    const QList<QListWidgetItem *> sections = dialog->SectionList->findItems(section, Qt::MatchExactly);
    QCOMPARE(sections.size(), 1);
    dialog->SectionList->setCurrentItem(sections.first());
    const QList<QListWidgetItem *> rows = dialog->ButtonsList->findItems(caption, Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    QWidget *viewport = dialog->ButtonsList->viewport();
    const QRect picture = dialog->PictureRect(dialog->ButtonsList->row(rows.first()));
    QTest::mousePress(viewport, Qt::LeftButton, {}, picture.center());
    const QPoint corner = w.canvas()->mapToGlobal(topLeft + QPoint(24, 23));
    QTest::mouseMove(viewport, viewport->mapFromGlobal(corner - QPoint(40, 30)));
    QTest::mouseMove(viewport, viewport->mapFromGlobal(corner));
    if (copyTopLeftSeen)
        *copyTopLeftSeen = visibleDragCopy() ? visibleDragCopy()->geometry().topLeft() : QPoint(-1, -1);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, viewport->mapFromGlobal(corner));
}

// Presses a bar button while customising and lets it go after moving the pointer by
// `delta`; the pressed button keeps receiving the mouse.
void dragButton(TSpeedButton *button, QPoint delta, bool *copyShownAtEnd = nullptr)
{
    const QPoint start(12, 11);
    QTest::mousePress(button, Qt::LeftButton, {}, start);
    QTest::mouseMove(button, start + delta / 2);
    QTest::mouseMove(button, start + delta);
    if (copyShownAtEnd)
        *copyShownAtEnd = visibleDragCopy() != nullptr;
    QTest::mouseRelease(button, Qt::LeftButton, {}, start + delta);
}

// Drags the bar by its empty area at `from` (canvas coordinates) to `to` (window
// coordinates).
void dragBar(Window &w, QPoint from, QPoint to, QRect *frameSeen = nullptr)
{
    QWidget *canvas = w.canvas();
    QVERIFY(!canvas->childAt(from));
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    const QPoint target = canvas->mapFromGlobal(w.window->mapToGlobal(to));
    QTest::mouseMove(canvas, from + QPoint(6, 6));
    QTest::mouseMove(canvas, target);
    if (frameSeen) {
        const QWidget *frame = w.window->findChild<QWidget *>(QStringLiteral("SpeedDockFrame"));
        *frameSeen = frame && frame->isVisible() ? frame->geometry() : QRect();
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, target);
}

} // namespace

class TestSpeedBar : public QObject
{
    Q_OBJECT

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QTRY_COMPARE(dragCopies(), 0); }

    void hiddenAtFirst();
    void firstLayout();
    void clickRunsTheAction();
    void buttonFollowsItsActionsEnabledState();
    void customisingPicksUpInsteadOfRunning();
    void oneDialogPerBar();
    void dialogContents();
    void escapeClosesTheDialog();
    void doubleClickOnEmptyAreaCustomizes();

    void dropFromDialog_data();
    void dropFromDialog();
    void itemOnTheBarStartsNoDrag();
    void captionStartsNoDrag();
    void dragButtonOffAndBack();
    void dragButtonAlongTheBar();
    void hiddenBarTakesNoDrop();
    void closingTheDialogDuringADragDropsNothing();
    void destroyingTheBarClosesItsDialog();

    void dockToEachSide_data();
    void dockToEachSide();
    void smallMoveLeavesTheBar();
    void dragBackFromTheLeft();

    void layoutStoredAndRestored();
    void damagedStoredLayoutFallsBackAndIsToldOnce();

    void commandImagesAreComplete();
};

void TestSpeedBar::hiddenAtFirst()
{
    Window w;
    QVERIFY(w.show(false));
    QVERIFY(w.bar->isHidden());
    QCOMPARE(w.bar->objectName(), QStringLiteral("ToolBar"));
    QCOMPARE(w.window->toolBarArea(w.bar), Qt::TopToolBarArea);
}

void TestSpeedBar::firstLayout()
{
    Window w;
    QVERIFY(w.show());
    QCOMPARE(w.bar->height(), 29);
    QCOMPARE(w.bar->y(), w.window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(w.canvas()->geometry(), w.bar->rect());
    QCOMPARE(w.shownNames().size(), 11);
    QCOMPARE(w.button("SpeedItem1")->geometry(), QRect(3, 3, 24, 23));
    QCOMPARE(w.button("savebutton")->geometry(), QRect(51, 3, 24, 23));
    QCOMPARE(w.button("SpeedItem10")->geometry(), QRect(267, 3, 24, 23));
    QVERIFY(w.button("SpeedItem10")->isVisible());
    QVERIFY(!w.button("SpeedItem4")->isVisible());
    QCOMPARE(w.button("SpeedItem30")->toolTip(), QStringLiteral("Nastavení"));
    QCOMPARE(w.button("SpeedItem16")->toolTip(), QStringLiteral("Hledat další"));
}

void TestSpeedBar::clickRunsTheAction()
{
    Window w;
    QVERIFY(w.show());
    QSignalSpy nastav(w.actions.value("SpeedItem30"), &QAction::triggered);
    QSignalSpy exit(w.actions.value("SpeedItem10"), &QAction::triggered);
    QTest::mouseClick(w.button("SpeedItem30"), Qt::LeftButton);
    QCOMPARE(nastav.count(), 1);
    QCOMPARE(exit.count(), 0);
    // A switch runs as its menu item does: the check mark turns.
    QAction *wrap = w.actions.value("SpeedItem24");
    wrap->setCheckable(true);
    w.bar->DropItem(w.bar->Layout().IndexOf("SpeedItem24"), w.canvas()->mapToGlobal(QPoint(300, 3)));
    QTest::mouseClick(w.button("SpeedItem24"), Qt::LeftButton);
    QVERIFY(wrap->isChecked());
}

void TestSpeedBar::buttonFollowsItsActionsEnabledState()
{
    Window w;
    QVERIFY(w.show());
    QAction *save = w.actions.value("savebutton");
    QSignalSpy saved(save, &QAction::triggered);
    save->setEnabled(false);
    QVERIFY(!w.button("savebutton")->isEnabled());
    QTest::mouseClick(w.button("savebutton"), Qt::LeftButton);
    QCOMPARE(saved.count(), 0);
    save->setEnabled(true);
    QVERIFY(w.button("savebutton")->isEnabled());
    QTest::mouseClick(w.button("savebutton"), Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
}

void TestSpeedBar::customisingPicksUpInsteadOfRunning()
{
    Window w;
    QVERIFY(w.show());
    QAction *save = w.actions.value("savebutton");
    save->setEnabled(false);
    QSignalSpy done(w.bar, &TSpeedBar::CustomizeDone);
    QSignalSpy created(w.actions.value("SpeedItem1"), &QAction::triggered);
    w.bar->Customize();
    QVERIFY(w.bar->Customizing());
    QVERIFY(w.button("savebutton")->isEnabled());
    QTest::mouseClick(w.button("SpeedItem1"), Qt::LeftButton, {}, QPoint(12, 11));
    QCOMPARE(created.count(), 0);
    QCOMPARE(w.button("SpeedItem1")->geometry(), QRect(3, 3, 24, 23)); // put back where it was

    QTest::mouseClick(w.bar->SetupWindow()->OkBtn, Qt::LeftButton);
    QCOMPARE(done.count(), 1);
    QVERIFY(!w.bar->Customizing());
    QVERIFY(!w.button("savebutton")->isEnabled());
    QTRY_VERIFY(!w.bar->SetupWindow()); // freed
    QTest::mouseClick(w.button("SpeedItem1"), Qt::LeftButton);
    QCOMPARE(created.count(), 1);
}

void TestSpeedBar::oneDialogPerBar()
{
    Window w;
    QVERIFY(w.customizing());
    TSpeedbarSetupWindow *dialog = w.bar->SetupWindow();
    QVERIFY(dialog);
    dialog->showMinimized();
    w.bar->Customize();
    QCOMPARE(w.bar->SetupWindow(), dialog);
    QVERIFY(!dialog->isMinimized());
    QVERIFY(dialog->isVisible());
    QCOMPARE(w.window->findChildren<TSpeedbarSetupWindow *>().size(), 1);
    dialog->close();
}

void TestSpeedBar::dialogContents()
{
    Window w;
    TSpeedbarSetupWindow *d = w.customizing();
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QCOMPARE(d->windowTitle(), QStringLiteral("Úprava tlačítkové lišty"));
    QVERIFY(!d->isModal());
    QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(d->CategoriesLabel->text(), QStringLiteral("&Kategorie:"));
    QCOMPARE(d->CategoriesLabel->buddy(), d->SectionList);
    QCOMPARE(d->ButtonsLabel->text(), QStringLiteral("&Dostupná tlačítka:"));
    QCOMPARE(d->ButtonsLabel->buddy(), d->ButtonsList);
    QCOMPARE(d->HintLabel->text(),
             QStringLiteral("Chcete-li přidat tlačítka příkazů, táhněte a pusťte tlačítka "
                            "na lištu. Chcete-li je vyjmout, táhněte je pryč z tlačítkové "
                            "lišty."));
    QCOMPARE(d->OkBtn->text(), QStringLiteral("OK"));
    QVERIFY(d->OkBtn->isVisible());
    QVERIFY(!d->HelpBtn->isVisible());

    QStringList sections;
    for (int i = 0; i < d->SectionList->count(); ++i)
        sections << d->SectionList->item(i)->text();
    QCOMPARE(sections, QStringList({"Soubor", "Úpravy", "Zobrazit", "Nástroje"}));
    QCOMPARE(d->SectionList->currentRow(), 0);
    QStringList captions;
    for (int i = 0; i < d->ButtonsList->count(); ++i)
        captions << d->ButtonsList->item(i)->text();
    QCOMPARE(captions, QStringList({"Nový", "Otevřít", "Uložit", "Uložit jako", "Uložit vše", "Zavřít",
                                    "Zavřít vše", "Tisk", "Nastavení tiskárny", "Konec"}));
    // Every item is offered, those that run nothing on their own too.
    d->SectionList->setCurrentRow(1);
    QCOMPARE(d->ButtonsList->count(), 14);
    QVERIFY(!d->ButtonsList->findItems(QStringLiteral("Hledat další"), Qt::MatchExactly).isEmpty());

    // Rows as high as a button plus 2; the list a whole number of rows high, at most 186
    // pixels at 96 pixels per inch, and the section list as high.
    QCOMPARE(d->ButtonsList->visualItemRect(d->ButtonsList->item(0)).height(), 25);
    const int inner = d->ButtonsList->height() - 2 * d->ButtonsList->frameWidth();
    QCOMPARE(inner % 25, 0);
    QVERIFY(d->ButtonsList->height() <= 186 * TFormStorage::PixelsPerInch() / 96);
    QVERIFY(d->ButtonsList->height() + 25 > 186 * TFormStorage::PixelsPerInch() / 96);
    QCOMPARE(d->SectionList->height(), d->ButtonsList->height());
    QCOMPARE(d->PictureRect(0).width(), 26);
    d->close();
}

void TestSpeedBar::escapeClosesTheDialog()
{
    Window w;
    QVERIFY(w.show());
    QSignalSpy done(w.bar, &TSpeedBar::CustomizeDone);
    w.bar->Customize();
    QTest::keyClick(w.bar->SetupWindow(), Qt::Key_Escape);
    QCOMPARE(done.count(), 1);
    QTRY_VERIFY(!w.bar->SetupWindow());
}

void TestSpeedBar::doubleClickOnEmptyAreaCustomizes()
{
    Window w;
    QVERIFY(w.show());
    QTest::mouseDClick(w.canvas(), Qt::LeftButton, {}, QPoint(350, 14));
    QVERIFY(w.bar->SetupWindow());
    QVERIFY(w.bar->Customizing());
    w.bar->SetupWindow()->close();
}

void TestSpeedBar::dropFromDialog_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("under");
    QTest::newRow("x 240: over Nastavení, in front") << 240 << 243 << QStringLiteral("SpeedItem30");
    QTest::newRow("x 15: 1.5 steps go to 2") << 15 << 19 << QStringLiteral("SpeedItem1");
    QTest::newRow("x 23: 2.5 steps go to 2") << 23 << 19 << QStringLiteral("SpeedItem1");
    QTest::newRow("x 320: on the empty part") << 320 << 323 << QString();
}

void TestSpeedBar::dropFromDialog()
{
    QFETCH(int, x);
    QFETCH(int, left);
    QFETCH(QString, under);
    Window w;
    QVERIFY(w.show());
    QSignalSpy changed(w.bar, &TSpeedBar::LayoutChanged);
    w.bar->Customize();
    QPoint copySeen;
    dragFromDialog(w, QStringLiteral("Nástroje"), QStringLiteral("Pravopis"), QPoint(x, 3), &copySeen);
    // The copy followed the pointer with its bottom-right corner.
    QCOMPARE(copySeen, w.canvas()->mapToGlobal(QPoint(x, 3)));
    QCOMPARE(dragCopies(), 0);
    TSpeedButton *pravopis = w.button("SpeedItem29");
    QVERIFY(pravopis->isVisible());
    QCOMPARE(pravopis->geometry(), QRect(left, 3, 24, 23));
    QCOMPARE(w.canvas()->childAt(left + 12, 14), pravopis);
    if (!under.isEmpty())
        QVERIFY(w.bar->Button(under)->isVisible()); // both stay
    QVERIFY(changed.count() >= 1);
    w.bar->SetupWindow()->close();
}

void TestSpeedBar::itemOnTheBarStartsNoDrag()
{
    Window w;
    TSpeedbarSetupWindow *d = w.customizing();
    QVERIFY(d);
    QWidget *viewport = d->ButtonsList->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, d->PictureRect(0).center()); // Nový, on the bar
    QCOMPARE(dragCopies(), 0);
    const QPoint over = viewport->mapFromGlobal(w.canvas()->mapToGlobal(QPoint(320, 20)));
    QTest::mouseMove(viewport, over);
    QCOMPARE(dragCopies(), 0);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    QCOMPARE(w.button("SpeedItem1")->geometry().topLeft(), QPoint(3, 3));
    d->close();
}

void TestSpeedBar::captionStartsNoDrag()
{
    Window w;
    TSpeedbarSetupWindow *d = w.customizing();
    QVERIFY(d);
    const QRect picture = d->PictureRect(3); // Uložit jako, not on the bar
    QTest::mousePress(d->ButtonsList->viewport(), Qt::LeftButton, {},
                      QPoint(picture.right() + 20, picture.center().y()));
    QCOMPARE(dragCopies(), 0);
    QTest::mouseRelease(d->ButtonsList->viewport(), Qt::LeftButton, {},
                        QPoint(picture.right() + 20, picture.center().y()));
    QTest::mousePress(d->ButtonsList->viewport(), Qt::LeftButton, {}, picture.center());
    QCOMPARE(dragCopies(), 1);
    QTest::mouseRelease(d->ButtonsList->viewport(), Qt::LeftButton, {}, picture.center());
    QVERIFY(!w.button("SpeedItem4")->isVisible()); // let go over the dialog: nothing placed
    d->close();
}

void TestSpeedBar::dragButtonOffAndBack()
{
    Window w;
    QVERIFY(w.customizing());
    TSpeedButton *konec = w.button("SpeedItem10");
    bool copyShown = true;
    dragButton(konec, QPoint(0, 120), &copyShown); // down into the text area
    QVERIFY(!copyShown);                           // the copy disappears outside the bar
    QVERIFY(!konec->isVisible());
    QVERIFY(!w.shownNames().contains("SpeedItem10"));
    TSpeedbarSetupWindow *d = w.bar->SetupWindow();
    QVERIFY(!d->ButtonsList->findItems(QStringLiteral("Konec"), Qt::MatchExactly).isEmpty());
    dragFromDialog(w, QStringLiteral("Soubor"), QStringLiteral("Konec"), QPoint(100, 3));
    QVERIFY(konec->isVisible());
    QCOMPARE(konec->geometry().topLeft(), QPoint(99, 3));
    d->close();
}

void TestSpeedBar::dragButtonAlongTheBar()
{
    Window w;
    QVERIFY(w.customizing());
    TSpeedButton *tisk = w.button("SpeedItem8");
    bool copyShown = false;
    QTest::mousePress(tisk, Qt::LeftButton, {}, QPoint(12, 11));
    QVERIFY(tisk->Lifted());
    QWidget *copy = visibleDragCopy();
    QVERIFY(copy);
    QCOMPARE(copy->geometry(), QRect(tisk->mapToGlobal(QPoint(0, 0)), QSize(24, 23))); // starts over it
    QTest::mouseRelease(tisk, Qt::LeftButton, {}, QPoint(12, 11));
    dragButton(tisk, QPoint(30, 0), &copyShown);
    QVERIFY(copyShown);
    QVERIFY(!tisk->Lifted());
    QCOMPARE(tisk->geometry().topLeft(), QPoint(139, 3)); // 137 snaps to 139, over Vyjmout
    QCOMPARE(w.canvas()->childAt(150, 14), tisk);
    QVERIFY(w.button("SpeedItem12")->isVisible());
    w.bar->SetupWindow()->close();
}

void TestSpeedBar::hiddenBarTakesNoDrop()
{
    Window w;
    QVERIFY(w.show());
    w.bar->Customize(); // works while the bar is shown...
    w.bar->SetupWindow()->close();
    QTRY_VERIFY(!w.bar->SetupWindow());
    w.bar->hide();
    w.bar->Customize(); // ...and while it is hidden
    QVERIFY(w.bar->SetupWindow());
    dragFromDialog(w, QStringLiteral("Nástroje"), QStringLiteral("Pravopis"), QPoint(320, 3));
    QVERIFY(!w.shownNames().contains("SpeedItem29"));
    w.bar->SetupWindow()->close();
}

void TestSpeedBar::closingTheDialogDuringADragDropsNothing()
{
    Window w;
    QVERIFY(w.customizing());
    TSpeedButton *tisk = w.button("SpeedItem8");
    QTest::mousePress(tisk, Qt::LeftButton, {}, QPoint(12, 11));
    QTest::mouseMove(tisk, QPoint(52, 11));
    QVERIFY(visibleDragCopy());
    w.bar->SetupWindow()->reject();
    QCOMPARE(dragCopies(), 0);
    QVERIFY(!tisk->Lifted());
    QTest::mouseRelease(tisk, Qt::LeftButton, {}, QPoint(52, 11));
    QCOMPARE(tisk->geometry().topLeft(), QPoint(107, 3));
}

void TestSpeedBar::destroyingTheBarClosesItsDialog()
{
    Window w;
    QVERIFY(w.customizing());
    QPointer<TSpeedbarSetupWindow> dialog = w.bar->SetupWindow();
    QVERIFY(dialog);
    delete w.bar;
    QVERIFY(!dialog);
}

void TestSpeedBar::dockToEachSide_data()
{
    QTest::addColumn<QPointF>("where"); // fraction of the window's client area
    QTest::addColumn<TBarSide>("side");
    QTest::addColumn<int>("area");
    QTest::newRow("right edge") << QPointF(0.95, 0.5) << TBarSide::Right << int(Qt::RightToolBarArea);
    QTest::newRow("left edge") << QPointF(0.05, 0.5) << TBarSide::Left << int(Qt::LeftToolBarArea);
    QTest::newRow("bottom edge") << QPointF(0.5, 0.95) << TBarSide::Bottom << int(Qt::BottomToolBarArea);
    QTest::newRow("top edge (where it is)") << QPointF(0.5, 0.1) << TBarSide::Top << int(Qt::TopToolBarArea);
}

void TestSpeedBar::dockToEachSide()
{
    QFETCH(QPointF, where);
    QFETCH(TBarSide, side);
    QFETCH(int, area);
    Window w;
    QVERIFY(w.show());
    QSignalSpy moved(w.bar, &TSpeedBar::PositionChanged);
    const int menu = w.window->menuBar()->geometry().bottom() + 1;
    const QRect client(0, menu, w.window->width(), w.window->height() - menu);
    const QPoint to(client.left() + qRound(where.x() * client.width()),
                    client.top() + qRound(where.y() * client.height()));
    QRect frame;
    dragBar(w, QPoint(350, 14), to, &frame);
    QVERIFY(!w.window->findChild<QWidget *>(QStringLiteral("SpeedDockFrame")));
    QCOMPARE(w.bar->Side(), side);
    QCOMPARE(int(w.window->toolBarArea(w.bar)), area);
    QCOMPARE(moved.count(), side == TBarSide::Top ? 0 : 1);
    QTRY_COMPARE(w.bar->geometry(), frame); // the frame showed its place
    const bool vertical = side == TBarSide::Left || side == TBarSide::Right;
    QCOMPARE(w.bar->orientation(), vertical ? Qt::Vertical : Qt::Horizontal);
    QCOMPARE(vertical ? w.bar->width() : w.bar->height(), 29);
    if (vertical) {
        QCOMPARE(w.button("SpeedItem1")->geometry(), QRect(3, 3, 23, 24));
        QCOMPARE(w.button("SpeedItem2")->geometry(), QRect(3, 27, 23, 24));
        QCOMPARE(w.button("savebutton")->geometry(), QRect(3, 51, 23, 24));
    } else {
        QCOMPARE(w.button("savebutton")->geometry(), QRect(51, 3, 24, 23));
    }
    QVERIFY(w.bar->isVisible());
}

void TestSpeedBar::smallMoveLeavesTheBar()
{
    Window w;
    QVERIFY(w.show());
    QTest::mousePress(w.canvas(), Qt::LeftButton, {}, QPoint(350, 14));
    QTest::mouseMove(w.canvas(), QPoint(354, 18)); // 4 pixels each way: not yet
    QVERIFY(!w.window->findChild<QWidget *>(QStringLiteral("SpeedDockFrame")));
    QTest::mouseRelease(w.canvas(), Qt::LeftButton, {}, QPoint(354, 18));
    QCOMPARE(w.bar->Side(), TBarSide::Top);
    QVERIFY(!QApplication::overrideCursor());
}

void TestSpeedBar::dragBackFromTheLeft()
{
    Window w;
    QVERIFY(w.customizing());
    dragFromDialog(w, QStringLiteral("Nástroje"), QStringLiteral("Pravopis"), QPoint(320, 3));
    w.bar->SetupWindow()->close();
    dragBar(w, QPoint(350, 14), QPoint(10, 200));
    QCOMPARE(w.bar->Side(), TBarSide::Left);
    QTRY_COMPARE(w.bar->width(), 29);
    QCOMPARE(w.button("SpeedItem29")->geometry(), QRect(3, 323, 23, 24));
    dragBar(w, QPoint(14, 360), QPoint(250, 30)); // below the last button, to the top
    QCOMPARE(w.bar->Side(), TBarSide::Top);
    QTRY_COMPARE(w.bar->height(), 29);
    QCOMPARE(w.button("SpeedItem29")->geometry(), QRect(323, 3, 24, 23));
    QCOMPARE(w.button("SpeedItem10")->geometry(), QRect(267, 3, 24, 23));
}

void TestSpeedBar::layoutStoredAndRestored()
{
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath(QStringLiteral("QUORTOSK.ini")));
    QStringList problems;
    store.SetProblemHandler([&problems](const QString &text) { problems << text; });
    {
        Window w;
        TFormStorage storage(w.window.get(), &store, QStringLiteral("Options"));
        storage.AddLink(w.bar);
        QVERIFY(w.show());
        storage.Restore(); // nothing stored: the designed layout
        QCOMPARE(w.shownNames().size(), 11);
        w.bar->Customize();
        dragFromDialog(w, QStringLiteral("Nástroje"), QStringLiteral("Pravopis"), QPoint(320, 3));
        dragButton(w.button("SpeedItem10"), QPoint(0, 150)); // Konec off the bar
        w.bar->SetupWindow()->close();
        w.bar->DockTo(TBarSide::Right);
        storage.Save();
    }
    {
        TSettingsSession s(store);
        const QString key = QStringLiteral("Options\\TMainFormToolBar");
        QCOMPARE(s.ReadString(key, "Position"), QStringLiteral("4"));
        QCOMPARE(s.ReadString(key, "Count"), QStringLiteral("11"));
        QCOMPARE(s.ReadString(key, "BtnWidth"), QStringLiteral("23"));
        QCOMPARE(s.ReadString(key, "Button11").remove(QLatin1Char(' ')), QStringLiteral("SpeedItem30,3,243"));
    }
    Window w;
    QSignalSpy moved(w.bar, &TSpeedBar::PositionChanged);
    TFormStorage storage(w.window.get(), &store, QStringLiteral("Options"));
    storage.AddLink(w.bar);
    QVERIFY(w.show());
    storage.Restore();
    QCOMPARE(w.bar->Side(), TBarSide::Right);
    QCOMPARE(w.window->toolBarArea(w.bar), Qt::RightToolBarArea);
    QCOMPARE(moved.count(), 1);
    QVERIFY(!w.button("SpeedItem10")->isVisible());
    QCOMPARE(w.button("SpeedItem29")->geometry(), QRect(3, 323, 23, 24));
    QCOMPARE(w.button("savebutton")->geometry(), QRect(3, 51, 23, 24));
    QVERIFY(problems.isEmpty());
    storage.Save();
}

void TestSpeedBar::damagedStoredLayoutFallsBackAndIsToldOnce()
{
    QTemporaryDir dir;
    TSettingsStore store(dir.filePath(QStringLiteral("QUORTOSK.ini")));
    {
        TSettingsSession s(store);
        s.WriteString(QStringLiteral("Options\\TMainFormToolBar"), QStringLiteral("Position"),
                      QStringLiteral("3"));
        s.WriteString(QStringLiteral("Options\\TMainFormToolBar"), QStringLiteral("Count"),
                      QStringLiteral("2"));
        s.WriteString(QStringLiteral("Options\\TMainFormToolBar"), QStringLiteral("Button1"),
                      QStringLiteral("SpeedItem4,3,3"));
        s.Close();
    }
    {
        QFile file(store.FileName());
        QVERIFY(file.open(QIODevice::Append));
        file.write("[Options]\nTMainFormToolBar\\Button2=@Rect(1 2 3 4)\n");
    }
    QStringList problems;
    store.SetProblemHandler([&problems](const QString &text) { problems << text; });
    Window w;
    TFormStorage storage(w.window.get(), &store, QStringLiteral("Options"));
    storage.AddLink(w.bar);
    QVERIFY(w.show());
    storage.Restore();
    QCOMPARE(w.bar->Side(), TBarSide::Top);
    QCOMPARE(w.window->toolBarArea(w.bar), Qt::TopToolBarArea);
    QCOMPARE(w.shownNames().size(), 11);
    QVERIFY(!w.button("SpeedItem4")->isVisible());
    QCOMPARE(w.button("savebutton")->geometry(), QRect(51, 3, 24, 23));
    storage.Restore();
    QCOMPARE(problems, QStringList({"Invalid data type for 'Button2'"}));
}

void TestSpeedBar::commandImagesAreComplete()
{
    QSet<size_t> seen;
    for (int i = 0; i < CommandImages::Count; ++i) {
        const QIcon own = OwnCommandImage(i);
        QVERIFY2(!own.isNull(), qPrintable(QString::number(i)));
        QCOMPARE(own.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32)); // drawn anew at 200 %
        const QImage image = own.pixmap(QSize(16, 16), 1.0).toImage();
        seen.insert(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
        QVERIFY(!CommandImage(i).isNull());
    }
    QCOMPARE(seen.size(), CommandImages::Count); // thirty different drawings
    QVERIFY(CommandImage(30).isNull());
    QVERIFY(CommandImage(-1).isNull());
    // Without an icon theme every image is the program's own.
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    QCOMPARE(CommandImage(2).pixmap(16, 16).toImage(), OwnCommandImage(2).pixmap(16, 16).toImage());
}

QTEST_MAIN(TestSpeedBar)
#include "tst_speedbar.moc"
