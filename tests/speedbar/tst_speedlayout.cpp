// The speed bar's rules without widgets: the snap grid, placing, the docking triangles,
// the orientation swap and the stored layout.
#include "common/TErrorText.h"
#include "ProgramSpeedItems.h"
#include "settings/store/TSettingsStore.h"
#include "speedbar/SpeedGrid.h"
#include "speedbar/TSpeedBarModel.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TBarSide)

namespace {

const QString Key = QStringLiteral("Options\\TMainFormToolBar");
constexpr int Ppi = 96;

// The program's thirty items in their designed places.
TSpeedBarModel designed()
{
    static const QList<TSpeedBarItem> program = ProgramSpeedItems();
    QList<TSpeedItem> items;
    for (const TSpeedBarItem &from : program) {
        TSpeedItem item;
        item.section = from.section;
        item.name = from.name;
        item.caption = from.caption;
        item.image = from.image;
        item.shown = from.designLeft >= 0;
        item.pos = QPoint(item.shown ? from.designLeft : 3, 3);
        items.append(item);
    }
    TSpeedBarModel model;
    model.SetDesign(items);
    return model;
}

// "name,left,top" of every shown item, in the order of the items.
QStringList shownButtons(const TSpeedBarModel &model)
{
    QStringList out;
    for (const TSpeedItem &item : model.Items())
        if (item.shown)
            out << QStringLiteral("%1,%2,%3").arg(item.name).arg(item.pos.x()).arg(item.pos.y());
    return out;
}

const QSize HorizontalButton(24, 23);
const QSize VerticalButton(23, 24);

} // namespace

class TestSpeedLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;

    void write(const QList<QPair<QString, QString>> &values)
    {
        TSettingsSession s(*m_store);
        for (const auto &[name, value] : values)
            s.WriteString(Key, name, value);
        s.Close();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<TSettingsStore>(m_dir->filePath(QStringLiteral("QUORTOSK.ini")));
    }

    void snapStep_data();
    void snapStep();
    void roundHalfEven_data();
    void roundHalfEven();
    void snapOnHorizontalBar_data();
    void snapOnHorizontalBar();
    void snapOnVerticalBar_data();
    void snapOnVerticalBar();
    void sideOfTriangle_data();
    void sideOfTriangle();

    void firstLayout();
    void droppedOverAnotherButtonBothStay();
    void placeOutsideTheBarHides();
    void rightDockTurnsVerticalAndBack();
    void placingOnVerticalBar();

    void saveWritesTheStoredForm();
    void saveDeletesTheOldKey();
    void saveWhileVertical();
    void load_data();
    void load();
    void roundTripOfAVerticalLayout();
    void damagedValueFallsBackToDesign();
};

void TestSpeedLayout::snapStep_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("step");
    QTest::newRow("bar's buttons: 24 -> 8") << 24 << 8;
    QTest::newRow("third above 8 is clamped: 48 -> 8") << 48 << 8;
    QTest::newRow("raised until it divides: 30 -> 10") << 30 << 10;
    QTest::newRow("9 -> 3") << 9 << 3;
    QTest::newRow("prime reaches itself, then 1: 23") << 23 << 1;
    QTest::newRow("prime 7") << 7 << 1;
    QTest::newRow("third below 1 is clamped: 2") << 2 << 1;
    QTest::newRow("length 1") << 1 << 1;
}

void TestSpeedLayout::snapStep()
{
    QFETCH(int, length);
    QFETCH(int, step);
    QCOMPARE(SpeedGrid::SnapStep(length), step);
}

void TestSpeedLayout::roundHalfEven_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("1.5 -> 2") << 12 << 8 << 2;
    QTest::newRow("2.5 -> 2") << 20 << 8 << 2;
    QTest::newRow("0.5 -> 0") << 4 << 8 << 0;
    QTest::newRow("29.625 -> 30") << 237 << 8 << 30;
    QTest::newRow("-0.5 -> 0") << -4 << 8 << 0;
    QTest::newRow("-1.5 -> -2") << -12 << 8 << -2;
    QTest::newRow("-0.625 -> -1") << -5 << 8 << -1;
    QTest::newRow("-0.375 -> 0") << -3 << 8 << 0;
}

void TestSpeedLayout::roundHalfEven()
{
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(SpeedGrid::RoundHalfEven(numerator, denominator), result);
}

void TestSpeedLayout::snapOnHorizontalBar_data()
{
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("x 240 -> 243 (over Nastavení)") << QPoint(240, 3) << QPoint(243, 3);
    QTest::newRow("x 15: 1.5 steps -> even 2 -> 19") << QPoint(15, 3) << QPoint(19, 3);
    QTest::newRow("x 23: 2.5 steps -> even 2 -> 19") << QPoint(23, 3) << QPoint(19, 3);
    QTest::newRow("x 7: half a step -> 0 -> 3") << QPoint(7, 3) << QPoint(3, 3);
    QTest::newRow("x 12 -> 11") << QPoint(12, 3) << QPoint(11, 3);
    QTest::newRow("left of the offset by half a step -> 3") << QPoint(-1, 3) << QPoint(3, 3);
    QTest::newRow("far left stays left") << QPoint(-9, 3) << QPoint(-13, 3);
    QTest::newRow("y rounds towards zero: 25 -> 3") << QPoint(3, 25) << QPoint(3, 3);
    QTest::newRow("y 26 -> next row 26") << QPoint(3, 26) << QPoint(3, 26);
    QTest::newRow("y above the offset -> 3") << QPoint(3, 0) << QPoint(3, 3);
    QTest::newRow("y far above -> 3") << QPoint(3, -40) << QPoint(3, 3);
}

void TestSpeedLayout::snapOnHorizontalBar()
{
    QFETCH(QPoint, drop);
    QFETCH(QPoint, placed);
    QCOMPARE(SpeedGrid::Snap(drop, HorizontalButton, QPoint(3, 3), false), placed);
}

void TestSpeedLayout::snapOnVerticalBar_data()
{
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("y 240 -> 243") << QPoint(3, 240) << QPoint(3, 243);
    QTest::newRow("y 15 -> 19") << QPoint(3, 15) << QPoint(3, 19);
    QTest::newRow("y 23 -> 19") << QPoint(3, 23) << QPoint(3, 19);
    QTest::newRow("x rounds towards zero: 25 -> 3") << QPoint(25, 50) << QPoint(3, 51);
    QTest::newRow("x 26 -> 26") << QPoint(26, 51) << QPoint(26, 51);
    QTest::newRow("x left of the offset -> 3") << QPoint(1, 51) << QPoint(3, 51);
}

void TestSpeedLayout::snapOnVerticalBar()
{
    QFETCH(QPoint, drop);
    QFETCH(QPoint, placed);
    QCOMPARE(SpeedGrid::Snap(drop, VerticalButton, QPoint(3, 3), true), placed);
}

void TestSpeedLayout::sideOfTriangle_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<TBarSide>("side");
    const QRect wide(0, 20, 400, 300); // below a menu bar
    QTest::newRow("near the top edge") << wide << QPoint(200, 30) << TBarSide::Top;
    QTest::newRow("near the bottom edge") << wide << QPoint(200, 310) << TBarSide::Bottom;
    QTest::newRow("near the left edge") << wide << QPoint(10, 170) << TBarSide::Left;
    QTest::newRow("near the right edge") << wide << QPoint(390, 170) << TBarSide::Right;
    // The diagonals of a wide area meet at its centre; left of the centre the left
    // triangle narrows to a point.
    QTest::newRow("just above the top-left diagonal") << wide << QPoint(101, 95) << TBarSide::Top;
    QTest::newRow("just below the top-left diagonal") << wide << QPoint(100, 96) << TBarSide::Left;
    QTest::newRow("on the diagonal: top") << wide << QPoint(100, 95) << TBarSide::Top;
    QTest::newRow("centre: top") << wide << QPoint(200, 170) << TBarSide::Top;
    QTest::newRow("bottom-right corner, on both diagonals") << wide << QPoint(400, 320) << TBarSide::Bottom;
    QTest::newRow("just inside the bottom-right corner") << wide << QPoint(399, 319) << TBarSide::Right;
    QTest::newRow("outside, right of the area") << wide << QPoint(600, 170) << TBarSide::Right;
    QTest::newRow("outside, above the area") << wide << QPoint(200, -50) << TBarSide::Top;
}

void TestSpeedLayout::sideOfTriangle()
{
    QFETCH(QRect, client);
    QFETCH(QPoint, point);
    QFETCH(TBarSide, side);
    QCOMPARE(SpeedGrid::SideAt(client, point), side);
}

void TestSpeedLayout::firstLayout()
{
    const TSpeedBarModel model = designed();
    QCOMPARE(model.Items().size(), 30);
    QCOMPARE(model.Sections(), QStringList({"Soubor", "Úpravy", "Zobrazit", "Nástroje"}));
    // From the left: Nový, Otevřít, Uložit, Zavřít, Tisk, Vyjmout, Kopírovat, Vložit, Zpět,
    // Nastavení, Konec; 8-pixel gaps after Zavřít, Tisk and Zpět.
    QMap<int, QString> byLeft;
    for (const TSpeedItem &item : model.Items())
        if (item.shown) {
            QCOMPARE(item.pos.y(), 3);
            byLeft.insert(item.pos.x(), item.caption);
        }
    QCOMPARE(byLeft.values(), QStringList({"Nový", "Otevřít", "Uložit", "Zavřít", "Tisk", "Vyjmout",
                                           "Kopírovat", "Vložit", "Zpět", "Nastavení", "Konec"}));
    const QList<int> lefts = byLeft.keys();
    QList<int> gaps;
    for (int i = 1; i < lefts.size(); ++i)
        gaps << lefts.at(i) - lefts.at(i - 1) - 24;
    QCOMPARE(gaps, QList<int>({0, 0, 0, 8, 8, 0, 0, 0, 8, 0}));
    QCOMPARE(model.ButtonSize(), HorizontalButton);
    QCOMPARE(model.Thickness(), 29);
    QCOMPARE(model.Side(), TBarSide::Top);
}

void TestSpeedLayout::droppedOverAnotherButtonBothStay()
{
    TSpeedBarModel model = designed();
    const int pravopis = model.IndexOf(QStringLiteral("SpeedItem29"));
    const int nastaveni = model.IndexOf(QStringLiteral("speeditem30"));
    QVERIFY(model.Place(pravopis, QPoint(240, 3), QSize(438, 29)));
    QCOMPARE(model.Item(pravopis).pos, QPoint(243, 3));
    QVERIFY(model.Item(nastaveni).shown);
    QCOMPARE(model.Item(nastaveni).pos, QPoint(243, 3));
}

void TestSpeedLayout::placeOutsideTheBarHides()
{
    TSpeedBarModel model = designed();
    const int konec = model.IndexOf(QStringLiteral("SpeedItem10"));
    QVERIFY(!model.Place(konec, QPoint(430, 3), QSize(300, 29))); // snaps to 427: beyond 300
    QVERIFY(!model.Item(konec).shown);
    // A corner inside the bar shows the button even where most of it is cut off.
    QVERIFY(model.Place(konec, QPoint(100, 27), QSize(300, 29)));
    QCOMPARE(model.Item(konec).pos, QPoint(99, 26));
    QVERIFY(!model.Place(konec, QPoint(100, 52), QSize(300, 29))); // the third row: below
    QVERIFY(model.Place(konec, QPoint(290, 20), QSize(300, 29)));
    QCOMPARE(model.Item(konec).pos, QPoint(291, 3));
}

void TestSpeedLayout::rightDockTurnsVerticalAndBack()
{
    TSpeedBarModel model = designed();
    QVERIFY(model.Dock(TBarSide::Right));
    QVERIFY(model.Vertical());
    QCOMPARE(model.ButtonSize(), VerticalButton);
    QCOMPARE(model.Thickness(), 29);
    QCOMPARE(model.Item(model.IndexOf("SpeedItem1")).pos, QPoint(3, 3));
    QCOMPARE(model.Item(model.IndexOf("SpeedItem2")).pos, QPoint(3, 27));
    QCOMPARE(model.Item(model.IndexOf("savebutton")).pos, QPoint(3, 51));
    QCOMPARE(model.Item(model.IndexOf("SpeedItem10")).pos, QPoint(3, 267));
    QVERIFY(model.Dock(TBarSide::Left)); // vertical to vertical: nothing exchanged
    QCOMPARE(model.Item(model.IndexOf("savebutton")).pos, QPoint(3, 51));
    QVERIFY(!model.Dock(TBarSide::Left));
    QVERIFY(model.Dock(TBarSide::Bottom));
    QCOMPARE(model.ButtonSize(), HorizontalButton);
    QCOMPARE(shownButtons(model), shownButtons(designed()));
    QVERIFY(model.Dock(TBarSide::Client)); // no such side here: the top
    QCOMPARE(model.Side(), TBarSide::Top);
}

void TestSpeedLayout::placingOnVerticalBar()
{
    TSpeedBarModel model = designed();
    model.Dock(TBarSide::Left);
    const int pravopis = model.IndexOf(QStringLiteral("SpeedItem29"));
    QVERIFY(model.Place(pravopis, QPoint(10, 15), QSize(29, 300)));
    QCOMPARE(model.Item(pravopis).pos, QPoint(3, 19));
    QVERIFY(!model.Place(pravopis, QPoint(60, 15), QSize(29, 300))); // a third column: outside
}

void TestSpeedLayout::saveWritesTheStoredForm()
{
    const TSpeedBarModel model = designed();
    {
        TSettingsSession s(*m_store);
        model.Save(s, Key, 120);
        s.Close();
    }
    TSettingsSession s(*m_store);
    QStringList values;
    for (const char *name :
         {"Position", "Width", "Version", "PixelsPerInch", "BtnWidth", "BtnHeight", "Count"})
        values << QLatin1String(name) + QLatin1Char('=') + s.ReadString(Key, QLatin1String(name));
    QCOMPARE(values, QStringList({"Position=1", "Width=29", "Version=0", "PixelsPerInch=120", "BtnWidth=24",
                                  "BtnHeight=23", "Count=11"}));
    QStringList buttons;
    for (int n = 1; n <= 11; ++n)
        buttons << s.ReadString(Key, QStringLiteral("Button%1").arg(n)).remove(QLatin1Char(' '));
    // Section by section, each section's items in order.
    QCOMPARE(buttons,
             QStringList({"SpeedItem1,3,3", "SpeedItem2,27,3", "savebutton,51,3", "SpeedItem6,75,3",
                          "SpeedItem8,107,3", "SpeedItem10,267,3", "SpeedItem11,211,3", "SpeedItem12,139,3",
                          "SpeedItem13,163,3", "SpeedItem14,187,3", "SpeedItem30,243,3"}));
    QVERIFY(!s.ValueExists(Key, QStringLiteral("Button12")));
}

void TestSpeedLayout::saveDeletesTheOldKey()
{
    write({{"Button12", "SpeedItem4,3,3"}, {"Stale", "x"}});
    TSpeedBarModel model = designed();
    for (int i = 0; i < model.Items().size(); ++i)
        model.Hide(i);
    {
        TSettingsSession s(*m_store);
        model.Save(s, Key, Ppi);
        s.Close();
    }
    TSettingsSession s(*m_store);
    QCOMPARE(s.ReadString(Key, "Count"), QStringLiteral("0"));
    QVERIFY(!s.ValueExists(Key, "Button12"));
    QVERIFY(!s.ValueExists(Key, "Stale"));
}

void TestSpeedLayout::saveWhileVertical()
{
    TSpeedBarModel model = designed();
    model.Dock(TBarSide::Right);
    {
        TSettingsSession s(*m_store);
        model.Save(s, Key, Ppi);
        s.Close();
    }
    TSettingsSession s(*m_store);
    QCOMPARE(s.ReadString(Key, "Position"), QStringLiteral("4"));
    QCOMPARE(s.ReadString(Key, "Width"), QStringLiteral("29"));
    QCOMPARE(s.ReadString(Key, "BtnWidth"), QStringLiteral("23"));
    QCOMPARE(s.ReadString(Key, "BtnHeight"), QStringLiteral("24"));
    QCOMPARE(s.ReadString(Key, "Button2").remove(QLatin1Char(' ')), QStringLiteral("SpeedItem2,3,27"));
}

void TestSpeedLayout::load_data()
{
    using Values = QList<QPair<QString, QString>>;
    QTest::addColumn<Values>("values");
    QTest::addColumn<TBarSide>("side");
    QTest::addColumn<QStringList>("shown"); // null: the designed buttons
    QTest::addColumn<bool>("sideChanged");

    QTest::newRow("nothing stored: as designed") << Values() << TBarSide::Top << QStringList() << false;
    QTest::newRow("a button below the offsets goes to 3, 3")
        << Values{{"Count", "1"}, {"Button1", "SpeedItem11,0,0"}} << TBarSide::Top
        << QStringList({"SpeedItem11,3,3"}) << false;
    QTest::newRow("names match without regard to case; blanks split like commas")
        << Values{{"Count", "2"}, {"Button1", "SPEEDITEM4 , 99 , 26"}, {"Button2", "savebutton 51 3"}}
        << TBarSide::Top << QStringList({"savebutton,51,3", "SpeedItem4,99,26"}) << false;
    QTest::newRow("missing item, missing value and a Count too large are skipped")
        << Values{{"Count", "5"}, {"Button1", "NoSuchItem,3,3"}, {"Button3", "SpeedItem10,100,3"}}
        << TBarSide::Top << QStringList({"SpeedItem10,100,3"}) << false;
    QTest::newRow("missing or bad numbers keep the current place")
        << Values{{"Count", "2"}, {"Button1", "SpeedItem10"}, {"Button2", "SpeedItem8,abc,5"}}
        << TBarSide::Top << QStringList({"SpeedItem8,107,5", "SpeedItem10,267,3"}) << false;
    QTest::newRow("Count 0 leaves the designed buttons")
        << Values{{"Count", "0"}, {"Button1", "SpeedItem4,3,3"}} << TBarSide::Top << QStringList() << false;
    QTest::newRow("a later version would be loaded, an earlier one is not")
        << Values{{"Version", "-1"}, {"Position", "3"}, {"Count", "1"}, {"Button1", "SpeedItem4,3,3"}}
        << TBarSide::Top << QStringList() << false;
    QTest::newRow("left side: vertical before the buttons are read")
        << Values{{"Position", "3"}, {"Count", "1"}, {"Button1", "SpeedItem4,3,51"}} << TBarSide::Left
        << QStringList({"SpeedItem4,3,51"}) << true;
    QTest::newRow("another resolution: the side is read, the buttons stay designed")
        << Values{{"Position", "2"}, {"PixelsPerInch", "120"}, {"Count", "1"}, {"Button1", "SpeedItem4,3,3"}}
        << TBarSide::Bottom << QStringList() << true;
    QTest::newRow("a Position outside 1 to 4 docks at the top")
        << Values{{"Position", "7"}, {"Count", "1"}, {"Button1", "SpeedItem4,3,3"}} << TBarSide::Top
        << QStringList({"SpeedItem4,3,3"}) << false;
}

void TestSpeedLayout::load()
{
    using Values = QList<QPair<QString, QString>>;
    QFETCH(Values, values);
    QFETCH(TBarSide, side);
    QFETCH(QStringList, shown);
    QFETCH(bool, sideChanged);
    write(values);
    TSpeedBarModel model = designed();
    TSettingsSession s(*m_store);
    QCOMPARE(model.Load(s, Key, Ppi), sideChanged);
    QCOMPARE(model.Side(), side);
    if (shown.isEmpty()) {
        TSpeedBarModel expected = designed();
        expected.Dock(side);
        QCOMPARE(shownButtons(model), shownButtons(expected));
    } else {
        QCOMPARE(shownButtons(model), shown);
    }
}

void TestSpeedLayout::roundTripOfAVerticalLayout()
{
    TSpeedBarModel model = designed();
    model.Dock(TBarSide::Left);
    model.Place(model.IndexOf("SpeedItem29"), QPoint(3, 300), QSize(29, 400));
    model.Hide(model.IndexOf("SpeedItem10"));
    {
        TSettingsSession s(*m_store);
        model.Save(s, Key, Ppi);
        s.Close();
    }
    TSpeedBarModel loaded = designed();
    TSettingsSession s(*m_store);
    QVERIFY(loaded.Load(s, Key, Ppi));
    QCOMPARE(loaded.Side(), TBarSide::Left);
    QCOMPARE(shownButtons(loaded), shownButtons(model));
    QVERIFY(shownButtons(loaded).contains("SpeedItem29,3,299"));
}

void TestSpeedLayout::damagedValueFallsBackToDesign()
{
    write({{"Position", "3"}, {"Count", "3"}, {"Button1", "SpeedItem4,3,3"}});
    {
        // A value that is not text, as a hand-edited file may hold.
        QFile file(m_store->FileName());
        QVERIFY(file.open(QIODevice::Append));
        file.write("[Options]\nTMainFormToolBar\\Button2=@Rect(1 2 3 4)\n");
    }
    TSpeedBarModel model = designed();
    TSettingsSession s(*m_store);
    try {
        model.Load(s, Key, Ppi);
        QFAIL("a damaged value must be told");
    } catch (const TError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid data type for 'Button2'"));
    }
    QCOMPARE(model.Side(), TBarSide::Top);
    QCOMPARE(shownButtons(model), shownButtons(designed()));
}

QTEST_MAIN(TestSpeedLayout) // the items come from a main window's command table
#include "tst_speedlayout.moc"
