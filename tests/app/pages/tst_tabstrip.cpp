// The page control's own tab strip: rows, hit testing, scrolling and the current tab.
#include "app/pages/TPageControl.h"
#include "app/pages/TTabStrip.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace {

// Width of one tab showing `text`, measured through the strip's own size hint.
int oneTabWidth(const QString &text)
{
    TTabStrip probe;
    for (int i = 0; i < 20; ++i)
        probe.addTab(text);
    return probe.sizeHint().width() / 20;
}

TTabStrip *makeStrip(int tabs, const QString &text, int width, bool multiLine)
{
    auto *strip = new TTabStrip;
    for (int i = 0; i < tabs; ++i)
        strip->addTab(text);
    strip->setMultiLine(multiLine);
    strip->resize(width, strip->heightForWidth(width));
    return strip;
}

// Every tab index found by scanning the strip, with the rows (by y) each is seen in.
QMap<int, QSet<int>> scan(const TTabStrip &strip)
{
    QMap<int, QSet<int>> seen;
    for (int y = 0; y < strip.height(); y += 2)
        for (int x = 0; x < strip.width(); x += 2) {
            const int i = strip.tabAt(QPoint(x, y));
            if (i >= 0)
                seen[i].insert(y);
        }
    return seen;
}

// A point inside tab `index`, or (-1,-1).
QPoint pointOf(const TTabStrip &strip, int index)
{
    for (int y = 1; y < strip.height(); y += 2)
        for (int x = 1; x < strip.width(); x += 2)
            if (strip.tabAt(QPoint(x, y)) == index)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

} // namespace

class TestTabStrip : public QObject
{
    Q_OBJECT
private slots:
    void rowsAtWidth_data();
    void rowsAtWidth();
    void singleRowIgnoresWidth();
    void tooWideTabGetsItsOwnRow();
    void everyTabReachable_data();
    void everyTabReachable();
    void currentRowLiesNextToPages_data();
    void currentRowLiesNextToPages();
    void clickSelects();
    void rightClickDoesNotSelect();
    void removal_data();
    void removal();
    void scrollArrowsInSingleRow();
    void iconWidensTab();
    void pageControlGivesRoom_data();
    void pageControlGivesRoom();
};

void TestTabStrip::rowsAtWidth_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("perRow"); // how many tabs fit in one row
    QTest::addColumn<int>("rows");
    QTest::newRow("all fit") << 4 << 5 << 1;
    QTest::newRow("exactly one row") << 5 << 5 << 1;
    QTest::newRow("one more than a row") << 6 << 5 << 2;
    QTest::newRow("three rows") << 11 << 5 << 3;
    QTest::newRow("one per row") << 4 << 1 << 4;
    QTest::newRow("twenty pages, six a row") << 20 << 6 << 4;
}

void TestTabStrip::rowsAtWidth()
{
    QFETCH(int, tabs);
    QFETCH(int, perRow);
    QFETCH(int, rows);
    const QString text = QStringLiteral("bezejmenný12");
    const int w = oneTabWidth(text);
    const int width = perRow * w + w / 2;
    std::unique_ptr<TTabStrip> strip(makeStrip(tabs, text, width, true));
    QCOMPARE(strip->rowCount(), rows);
    std::unique_ptr<TTabStrip> single(makeStrip(1, text, width, true));
    QCOMPARE(strip->heightForWidth(width), rows * single->heightForWidth(width));
    // Every row holds tabs: the scan sees exactly `rows` distinct bands.
    QSet<int> bands;
    for (int y = 0; y < strip->height(); ++y)
        for (int x = 0; x < width; x += 4)
            if (strip->tabAt(QPoint(x, y)) >= 0) {
                bands.insert(y / single->heightForWidth(width));
                break;
            }
    QCOMPARE(int(bands.size()), rows);
}

void TestTabStrip::singleRowIgnoresWidth()
{
    const QString text = QStringLiteral("soubor.txt");
    const int w = oneTabWidth(text);
    std::unique_ptr<TTabStrip> narrow(makeStrip(10, text, 2 * w, false));
    std::unique_ptr<TTabStrip> wide(makeStrip(10, text, 20 * w, false));
    QCOMPARE(narrow->rowCount(), 1);
    QCOMPARE(narrow->heightForWidth(2 * w), wide->heightForWidth(20 * w));
    // Switching to multi-line makes the narrow one grow.
    narrow->setMultiLine(true);
    QVERIFY(narrow->heightForWidth(2 * w) > wide->heightForWidth(20 * w));
    narrow->setMultiLine(false);
    QCOMPARE(narrow->rowCount(), 1);
}

void TestTabStrip::tooWideTabGetsItsOwnRow()
{
    TTabStrip strip;
    strip.addTab(QStringLiteral("a"));
    strip.addTab(QString(80, QLatin1Char('W')));
    strip.addTab(QStringLiteral("b"));
    strip.setMultiLine(true);
    const int width = oneTabWidth(QString(20, QLatin1Char('W')));
    strip.resize(width, strip.heightForWidth(width));
    QCOMPARE(strip.rowCount(), 3);
    // The long tab is cut at the strip's edge, not drawn past it.
    QCOMPARE(strip.tabAt(QPoint(width - 1, pointOf(strip, 1).y())), 1);
    QVERIFY(pointOf(strip, 0).x() >= 0);
    QVERIFY(pointOf(strip, 2).x() >= 0);
}

void TestTabStrip::everyTabReachable_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<bool>("atBottom");
    QTest::newRow("multi-line, top") << true << false;
    QTest::newRow("multi-line, bottom") << true << true;
    QTest::newRow("single row, wide enough") << false << false;
}

void TestTabStrip::everyTabReachable()
{
    QFETCH(bool, multiLine);
    QFETCH(bool, atBottom);
    const QString text = QStringLiteral("dokument.txt");
    const int w = oneTabWidth(text);
    const int tabs = 9;
    std::unique_ptr<TTabStrip> strip(makeStrip(tabs, text, multiLine ? 4 * w : tabs * w + 10, multiLine));
    strip->setAtBottom(atBottom);
    const auto seen = scan(*strip);
    QCOMPARE(int(seen.size()), tabs);
    for (int i = 0; i < tabs; ++i) {
        const QPoint p = pointOf(*strip, i);
        QVERIFY2(p.x() >= 0, qPrintable(QString::number(i)));
        QCOMPARE(strip->tabAt(p), i);
    }
    QCOMPARE(strip->tabAt(QPoint(-1, 1)), -1);
    QCOMPARE(strip->tabAt(QPoint(1, strip->height() + 5)), -1);
}

void TestTabStrip::currentRowLiesNextToPages_data()
{
    QTest::addColumn<bool>("atBottom");
    QTest::newRow("tabs on top") << false;
    QTest::newRow("tabs at the bottom") << true;
}

void TestTabStrip::currentRowLiesNextToPages()
{
    QFETCH(bool, atBottom);
    const QString text = QStringLiteral("kapitola.txt");
    const int w = oneTabWidth(text);
    std::unique_ptr<TTabStrip> strip(makeStrip(12, text, 4 * w + 5, true));
    strip->setAtBottom(atBottom);
    QCOMPARE(strip->rowCount(), 3);
    const int edgeY = atBottom ? 2 : strip->height() - 3; // the row touching the pages
    for (int target : {0, 11, 5, 8}) {
        strip->setCurrentIndex(target);
        QSet<int> edgeRow;
        for (int x = 0; x < strip->width(); x += 3)
            if (strip->tabAt(QPoint(x, edgeY)) >= 0)
                edgeRow.insert(strip->tabAt(QPoint(x, edgeY)));
        QVERIFY2(edgeRow.contains(target), qPrintable(QString::number(target)));
        // The whole row of the target and nothing else.
        const int first = target / 4 * 4;
        QCOMPARE(edgeRow, QSet<int>({first, first + 1, first + 2, first + 3}));
        QCOMPARE(strip->currentIndex(), target);
    }
}

void TestTabStrip::clickSelects()
{
    const QString text = QStringLiteral("a.txt");
    std::unique_ptr<TTabStrip> strip(makeStrip(6, text, 3 * oneTabWidth(text) + 4, true));
    strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
    QSignalSpy spy(strip.get(), &TTabStrip::currentChanged);
    for (int target : {4, 1, 5}) {
        spy.clear();
        QTest::mouseClick(strip.get(), Qt::LeftButton, {}, pointOf(*strip, target));
        QCOMPARE(strip->currentIndex(), target);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), target);
    }
    // Clicking the current tab again changes nothing.
    spy.clear();
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, pointOf(*strip, 5));
    QCOMPARE(spy.count(), 0);
}

void TestTabStrip::rightClickDoesNotSelect()
{
    const QString text = QStringLiteral("b.txt");
    std::unique_ptr<TTabStrip> strip(makeStrip(3, text, 5 * oneTabWidth(text), false));
    strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
    QTest::mouseClick(strip.get(), Qt::RightButton, {}, pointOf(*strip, 2));
    QCOMPARE(strip->currentIndex(), 0);
}

void TestTabStrip::removal_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<QString>("expectedCurrentText"); // "" when none
    QTest::addColumn<bool>("signalled");
    QTest::newRow("current in the middle: the follower") << 4 << 1 << 1 << 1 << "t2" << true;
    QTest::newRow("current last: wraps to the first") << 4 << 3 << 3 << 0 << "t0" << true;
    QTest::newRow("before the current: same tab, index shifts") << 4 << 2 << 0 << 1 << "t2" << true;
    QTest::newRow("after the current: nothing moves") << 4 << 1 << 3 << 1 << "t1" << false;
    QTest::newRow("the only tab: none left") << 1 << 0 << 0 << -1 << "" << true;
    QTest::newRow("out of range: ignored") << 3 << 1 << 7 << 1 << "t1" << false;
}

void TestTabStrip::removal()
{
    QFETCH(int, tabs);
    QFETCH(int, current);
    QFETCH(int, removed);
    QFETCH(int, expectedCurrent);
    QFETCH(QString, expectedCurrentText);
    QFETCH(bool, signalled);
    TTabStrip strip;
    for (int i = 0; i < tabs; ++i)
        strip.addTab(QStringLiteral("t%1").arg(i));
    strip.setCurrentIndex(current);
    QSignalSpy spy(&strip, &TTabStrip::currentChanged);
    strip.removeTab(removed);
    QCOMPARE(strip.currentIndex(), expectedCurrent);
    QCOMPARE(strip.tabText(strip.currentIndex()), expectedCurrentText);
    QCOMPARE(spy.count(), signalled ? 1 : 0);
    if (signalled)
        QCOMPARE(spy.at(0).at(0).toInt(), expectedCurrent);
    QCOMPARE(strip.count(), removed < tabs ? tabs - 1 : tabs);
}

void TestTabStrip::scrollArrowsInSingleRow()
{
    const QString text = QStringLiteral("dlouhy_nazev.txt");
    const int w = oneTabWidth(text);
    std::unique_ptr<TTabStrip> strip(makeStrip(12, text, 3 * w, false));
    strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
    auto *left = strip->findChild<QToolButton *>(QStringLiteral("TabScrollLeft"));
    auto *right = strip->findChild<QToolButton *>(QStringLiteral("TabScrollRight"));
    QVERIFY(left && right);
    QVERIFY(left->isVisible() && right->isVisible());
    QVERIFY(!left->isEnabled());
    QVERIFY(pointOf(*strip, 0).x() >= 0);
    QCOMPARE(pointOf(*strip, 11).x(), -1);

    // Selecting the last tab scrolls it into view; the first one leaves it.
    strip->setCurrentIndex(11);
    QVERIFY(pointOf(*strip, 11).x() >= 0);
    QCOMPARE(pointOf(*strip, 0).x(), -1);
    QVERIFY(left->isEnabled());
    QVERIFY(!right->isEnabled()); // nothing more to the right
    // The arrows are not tabs.
    QCOMPARE(strip->tabAt(left->geometry().center()), -1);

    // Back with the left arrow until the first tab shows again.
    for (int i = 0; i < 12 && left->isEnabled(); ++i)
        left->click();
    QVERIFY(pointOf(*strip, 0).x() >= 0);
    QCOMPARE(strip->currentIndex(), 11); // scrolling never changes the page

    // Wide enough again: no arrows.
    strip->resize(13 * w, strip->height());
    QVERIFY(!left->isVisible() && !right->isVisible());
    QCOMPARE(int(scan(*strip).size()), 12);
}

void TestTabStrip::iconWidensTab()
{
    TTabStrip strip;
    strip.addTab(QStringLiteral("soubor.txt"));
    strip.addTab(QStringLiteral("jiny.txt"));
    const int before = strip.sizeHint().width();
    const int height = strip.sizeHint().height();
    QPixmap pm(16, 16);
    pm.fill(Qt::red);
    strip.setTabIcon(0, QIcon(pm));
    QVERIFY(strip.sizeHint().width() >= before + 16);
    QCOMPARE(strip.sizeHint().height(), height); // the row keeps its height
    strip.setTabIcon(0, QIcon());
    QCOMPARE(strip.sizeHint().width(), before);
}

void TestTabStrip::pageControlGivesRoom_data()
{
    QTest::addColumn<bool>("atBottom");
    QTest::newRow("top") << false;
    QTest::newRow("bottom") << true;
}

void TestTabStrip::pageControlGivesRoom()
{
    QFETCH(bool, atBottom);
    TPageControl pc;
    for (int i = 0; i < 15; ++i) {
        auto *page = new TTabSheet;
        page->SetCaption(QStringLiteral("bezejmenný%1").arg(i + 1));
        pc.AddPage(page);
    }
    pc.SetTabsAtBottom(atBottom);
    pc.SetMultiLine(true);
    const int w = oneTabWidth(QStringLiteral("bezejmenný10"));
    pc.resize(4 * w, 400);
    pc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pc));
    TTabStrip *strip = pc.TabStrip();
    QVERIFY(strip->rowCount() >= 4);
    QCOMPARE(strip->height(), strip->heightForWidth(strip->width()));
    auto *stack = pc.findChild<QStackedWidget *>();
    QVERIFY(stack);
    // The pages and the strip share the height without overlapping.
    if (atBottom)
        QVERIFY(stack->geometry().bottom() < strip->geometry().top());
    else
        QVERIFY(strip->geometry().bottom() < stack->geometry().top());
    QCOMPARE(stack->height() + strip->height(), pc.height());

    // Back to a single row: the strip shrinks and the pages get the room.
    pc.SetMultiLine(false);
    QTRY_COMPARE(strip->height(), strip->heightForWidth(strip->width()));
    QCOMPARE(strip->rowCount(), 1);
    QTRY_COMPARE(stack->height() + strip->height(), pc.height());
}

QTEST_MAIN(TestTabStrip)
#include "tst_tabstrip.moc"
