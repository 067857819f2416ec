// The form store's stored properties and the window placement values.
#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsStore.h"
#include "settings/store/TStoredProperties.h"
#include "settings/store/TWindowPlacement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
// Stand-ins for a window's components, at their designed values.
struct Form
{
    bool wrap = true;
    int width = 140;
    int tabPosition = 0;
    quint32 style = 0;
    qint32 color = TSettingsCodec::clWindow;
    QString name = QStringLiteral("Courier New");
    QStringList tags{QStringLiteral("designed")};
    TFontValues font{238, TSettingsCodec::clWindowText, -11, QStringLiteral("Courier New"), 0, 8, 0};

    TStoredProperties properties()
    {
        TStoredProperties p;
        p.AddTruth("itmWrap_Checked", [this] { return wrap; }, [this](bool v) { wrap = v; });
        p.AddInteger("pnlLEVY_Width", [this] { return width; }, [this](qint32 v) { width = v; });
        p.AddEnum("PageControl1_TabPosition", TSettingsCodec::TabPositionIds(), [this] { return tabPosition; },
                  [this](int v) { tabPosition = v; });
        p.AddSet("Style", TSettingsCodec::FontStyleIds(), [this] { return style; },
                 [this](quint32 v) { style = v; });
        p.AddColor("editvzor2_Color", [this] { return color; }, [this](qint32 v) { color = v; });
        p.AddString("Name", [this] { return name; }, [this](const QString &v) { name = v; });
        p.AddStringList("lstZNACKY_Items", [this] { return tags; }, [this](const QStringList &v) { tags = v; });
        p.AddFont("editvzor2_Font", [this] { return font; }, [this](const TFontValues &v) { font = v; });
        return p;
    }
};
// Writes through a session of its own and closes it, as a window's close does.
void writeClosed(TSettingsStore &store, const std::function<void(TSettingsSession &)> &write)
{
    TSettingsSession s(store);
    write(s);
    s.Close();
}

} // namespace

class TestStoredProperties : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void namesInOrder();
    void emptyStoreKeepsDesignedValues();
    void savedValuesAsText();
    void roundTrip();
    void restoreRules_data();
    void restoreRules();
    void stringListCount_data();
    void stringListCount();
    void emptyListDeletesItsKey();
    void nonTextValueLeavesOnlyThatProperty();
    void fontSizeReadLastDecides();
    void placementWritesEveryName();
    void placementRead_data();
    void placementRead();
    void showCmd_data();
    void showCmd();

private:
    QString fileName() const { return m_dir->filePath(QStringLiteral("t.ini")); }
    void writeFile(const QByteArray &bytes) const
    {
        QFile f(fileName());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStoredProperties::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestStoredProperties::namesInOrder()
{
    Form f;
    QCOMPARE(f.properties().Names(),
             (QStringList{"itmWrap_Checked", "pnlLEVY_Width", "PageControl1_TabPosition", "Style",
                          "editvzor2_Color", "Name", "lstZNACKY_Items", "editvzor2_FontCharset",
                          "editvzor2_FontColor", "editvzor2_FontHeight", "editvzor2_FontName",
                          "editvzor2_FontPitch", "editvzor2_FontSize", "editvzor2_FontStyle"}));
}

void TestStoredProperties::emptyStoreKeepsDesignedValues()
{
    TSettingsStore store(fileName());
    Form f;
    TSettingsSession s(store);
    f.properties().Restore(s, "Options");
    Form designed;
    QCOMPARE(f.wrap, designed.wrap);
    QCOMPARE(f.width, designed.width);
    QCOMPARE(f.tabPosition, designed.tabPosition);
    QCOMPARE(f.color, designed.color);
    QCOMPARE(f.tags, designed.tags);
    QCOMPARE(f.font.Size, designed.font.Size);
}

void TestStoredProperties::savedValuesAsText()
{
    TSettingsStore store(fileName());
    Form f;
    f.wrap = false;
    f.tabPosition = 1;
    f.style = 3;
    f.name = QStringLiteral("  Arial \t");
    f.tags = {"a", " b ", "c\r\nd"};
    writeClosed(store, [&](TSettingsSession &s) { f.properties().Save(s, "Options"); });
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "itmWrap_Checked"), QStringLiteral("False"));
    QCOMPARE(s.ReadString("Options", "pnlLEVY_Width"), QStringLiteral("140"));
    QCOMPARE(s.ReadString("Options", "PageControl1_TabPosition"), QStringLiteral("tpBottom"));
    QCOMPARE(s.ReadString("Options", "Style"), QStringLiteral("[fsBold,fsItalic]"));
    QCOMPARE(s.ReadString("Options", "editvzor2_Color"), QStringLiteral("-2147483643"));
    QCOMPARE(s.ReadString("Options", "Name"), QStringLiteral("Arial"));
    QCOMPARE(s.ReadString("Options", "editvzor2_FontColor"), QStringLiteral("-2147483640"));
    QCOMPARE(s.ReadString("Options", "editvzor2_FontHeight"), QStringLiteral("-11"));
    QCOMPARE(s.ReadString("Options", "editvzor2_FontPitch"), QStringLiteral("fpDefault"));
    QCOMPARE(s.ReadString("Options", "editvzor2_FontStyle"), QStringLiteral("[]"));
    // The list lives in a sibling key, lines unchanged; nothing for it in the section.
    QVERIFY(!s.ValueExists("Options", "lstZNACKY_Items"));
    QCOMPARE(s.ReadString("Options.lstZNACKY_Items", "Count"), QStringLiteral("3"));
    QCOMPARE(s.ReadString("Options.lstZNACKY_Items", "Item1"), QStringLiteral(" b "));
    QCOMPARE(s.ReadString("Options.lstZNACKY_Items", "Item2"), QStringLiteral("c\r\nd"));
}

void TestStoredProperties::roundTrip()
{
    TSettingsStore store(fileName());
    Form changed;
    changed.wrap = false;
    changed.width = 211;
    changed.tabPosition = 1;
    changed.style = 5;
    changed.color = 0x00FFEE;
    changed.name = QString();
    changed.tags = {"x", "", "z"};
    changed.font = {0, 255, -16, "Liberation Mono", 2, 12, 2};
    writeClosed(store, [&](TSettingsSession &s) { changed.properties().Save(s, "Options"); });
    Form f;
    TSettingsSession s(store);
    f.properties().Restore(s, "Options");
    QCOMPARE(f.wrap, false);
    QCOMPARE(f.width, 211);
    QCOMPARE(f.tabPosition, 1);
    QCOMPARE(f.style, 5u);
    QCOMPARE(f.color, 0x00FFEE);
    QCOMPARE(f.name, QString()); // an empty string is stored, so it comes back empty
    QCOMPARE(f.tags, (QStringList{"x", "", "z"}));
    QCOMPARE(f.font.Charset, 0);
    QCOMPARE(f.font.Color, 255);
    QCOMPARE(f.font.Height, -16);
    QCOMPARE(f.font.Name, QStringLiteral("Liberation Mono"));
    QCOMPARE(f.font.Pitch, 2);
    QCOMPARE(f.font.Size, 12);
    QCOMPARE(f.font.Style, 2u);
}

void TestStoredProperties::restoreRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected"); // the property afterwards, as text
    QTest::newRow("lower-case false unticks") << QByteArray("itmWrap_Checked=false") << "wrap" << "0";
    QTest::newRow("blanks around True") << QByteArray("itmWrap_Checked=\"  True \"") << "wrap" << "1";
    QTest::newRow("no truth value keeps it") << QByteArray("itmWrap_Checked=perhaps") << "wrap" << "1";
    QTest::newRow("empty truth keeps it") << QByteArray("itmWrap_Checked=") << "wrap" << "1";
    QTest::newRow("bad tab position keeps designed") << QByteArray("PageControl1_TabPosition=tpMiddle") << "tabs" << "0";
    QTest::newRow("tab position any case") << QByteArray("PageControl1_TabPosition=TPBOTTOM") << "tabs" << "1";
    QTest::newRow("width that is no number gives 0") << QByteArray("pnlLEVY_Width=wide") << "width" << "0";
    QTest::newRow("width with blanks") << QByteArray("pnlLEVY_Width=\" 99 \"") << "width" << "99";
    QTest::newRow("negative width read as stored") << QByteArray("pnlLEVY_Width=-5") << "width" << "-5";
    QTest::newRow("set with a blank") << QByteArray("Style=\"[fsBold, fsItalic]\"") << "style" << "3";
    QTest::newRow("set hand-written without quotes") << QByteArray("Style=[fsBold, fsItalic]") << "style" << "3";
    QTest::newRow("empty set text clears") << QByteArray("Style=") << "style" << "0";
    QTest::newRow("colour that is no number keeps it") << QByteArray("editvzor2_Color=clRed") << "color" << "-2147483643";
    QTest::newRow("colour hex") << QByteArray("editvzor2_Color=$0000FF") << "color" << "255";
    QTest::newRow("string trimmed") << QByteArray("Name=\"  Arial  \"") << "name" << "Arial";
}

void TestStoredProperties::restoreRules()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    writeFile("[Options]\nStyle=[fsUnderline]\n" + line + "\n");
    TSettingsStore store(fileName());
    Form f;
    f.style = 8;
    TSettingsSession s(store);
    f.properties().Restore(s, "Options");
    const QHash<QString, QString> now{{"wrap", QString::number(f.wrap)},
                                      {"tabs", QString::number(f.tabPosition)},
                                      {"width", QString::number(f.width)},
                                      {"style", QString::number(f.style)},
                                      {"color", QString::number(f.color)},
                                      {"name", f.name}};
    QCOMPARE(now.value(property), expected);
}

void TestStoredProperties::stringListCount_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Count 3 with only Item0") << QByteArray("Count=3\nItem0=first") << QStringList{"first", "", ""};
    QTest::newRow("Count 0 leaves the list") << QByteArray("Count=0\nItem0=x") << QStringList{"designed"};
    QTest::newRow("Count missing leaves the list") << QByteArray("Item0=x") << QStringList{"designed"};
    QTest::newRow("Count no number leaves the list") << QByteArray("Count=many\nItem0=x") << QStringList{"designed"};
    QTest::newRow("Count with blanks") << QByteArray("Count=\" 2 \"\nItem0=a\nItem1=b") << QStringList{"a", "b"};
    QTest::newRow("items beyond Count ignored") << QByteArray("Count=1\nItem0=a\nItem1=b") << QStringList{"a"};
    QTest::newRow("items keep their blanks") << QByteArray("Count=1\nItem0=\" a \"") << QStringList{" a "};
}

void TestStoredProperties::stringListCount()
{
    QFETCH(QByteArray, section);
    QFETCH(QStringList, expected);
    writeFile("[Options.lstZNACKY_Items]\n" + section + "\n");
    TSettingsStore store(fileName());
    Form f;
    TSettingsSession s(store);
    f.properties().Restore(s, "Options");
    QCOMPARE(f.tags, expected);
}

void TestStoredProperties::emptyListDeletesItsKey()
{
    writeFile("[Options.lstZNACKY_Items]\nCount=2\nItem0=a\nItem1=b\nStray=c\n");
    TSettingsStore store(fileName());
    Form f;
    f.tags.clear();
    writeClosed(store, [&](TSettingsSession &s) { f.properties().Save(s, "Options"); });
    TSettingsSession s(store);
    QVERIFY(!s.KeyExists("Options.lstZNACKY_Items"));
}

void TestStoredProperties::nonTextValueLeavesOnlyThatProperty()
{
    writeFile("[Options]\nitmWrap_Checked=@ByteArray(False)\npnlLEVY_Width=50\n");
    TSettingsStore store(fileName());
    Form f;
    TSettingsSession s(store);
    f.properties().Restore(s, "Options");
    QCOMPARE(f.wrap, true);
    QCOMPARE(f.width, 50);
}

void TestStoredProperties::fontSizeReadLastDecides()
{
    // Height says 12 pt, Size says 10 pt: the size, read after the height, wins.
    writeFile("[Options]\neditvzor2_FontHeight=-16\neditvzor2_FontSize=10\n");
    TSettingsStore store(fileName());
    Form f;
    QList<TFontValues> applied;
    TStoredProperties p;
    p.AddFont("editvzor2_Font", [&] { return f.font; }, [&](const TFontValues &v) { f.font = v; applied << v; });
    TSettingsSession s(store);
    p.Restore(s, "Options");
    QVERIFY(applied.size() >= 2);
    int heightStep = -1, sizeStep = -1;
    for (int i = 0; i < applied.size(); ++i) {
        if (heightStep < 0 && applied[i].Height == -16)
            heightStep = i;
        if (sizeStep < 0 && applied[i].Size == 10)
            sizeStep = i;
    }
    QVERIFY(heightStep >= 0);
    QVERIFY(sizeStep > heightStep);
    QCOMPARE(f.font.Size, 10);
}

void TestStoredProperties::placementWritesEveryName()
{
    TSettingsStore store(fileName());
    TWindowPlacement p;
    p.ShowCmd = 3;
    p.NormPos = {137, 82, 575, 413};
    writeClosed(store, [&](TSettingsSession &s) { p.Write(s, "Options", 96, QSize(1024, 768), false); });
    TSettingsSession s(store);
    QCOMPARE(s.ReadString("Options", "Flags"), QStringLiteral("0"));
    QCOMPARE(s.ReadString("Options", "ShowCmd"), QStringLiteral("3"));
    QCOMPARE(s.ReadString("Options", "PixelsPerInch"), QStringLiteral("96"));
    QCOMPARE(s.ReadString("Options", "MinMaxPos(1024x768)"), QStringLiteral("-1,-1,-1,-1"));
    QCOMPARE(s.ReadString("Options", "MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    QCOMPARE(s.ReadString("Options", "NormPos(1024x768)"), QStringLiteral("137,82,575,413"));
    QCOMPARE(s.ReadString("Options", "NormPos"), QStringLiteral("137,82,575,413"));
    QCOMPARE(s.ReadString("Options", "Visible"), QStringLiteral("0"));
    writeClosed(store, [&](TSettingsSession &s) { p.Write(s, "Options", 96, QSize(1024, 768), true); });
    TSettingsSession again(store);
    QCOMPARE(again.ReadString("Options", "Visible"), QStringLiteral("1"));
}

void TestStoredProperties::placementRead_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<bool>("apply");
    QTest::addColumn<QList<int>>("norm");
    const QList<int> current{137, 82, 575, 413};
    QTest::newRow("nothing stored") << QByteArray("") << false << current;
    QTest::newRow("plain name") << QByteArray("NormPos=\"10,20,410,320\"") << true << QList<int>{10, 20, 410, 320};
    QTest::newRow("name of this screen size wins")
        << QByteArray("NormPos=\"10,20,410,320\"\nNormPos(1280x900)=\"30,40,530,440\"") << true
        << QList<int>{30, 40, 530, 440};
    QTest::newRow("another screen size falls back to the plain name")
        << QByteArray("NormPos=\"10,20,410,320\"\nNormPos(1024x768)=\"30,40,530,440\"") << true
        << QList<int>{10, 20, 410, 320};
    QTest::newRow("changed resolution keeps the designed place")
        << QByteArray("PixelsPerInch=120\nNormPos=\"10,20,410,320\"") << false << current;
    QTest::newRow("same resolution stored") << QByteArray("PixelsPerInch=96\nNormPos=\"10,20,410,320\"") << true
                                            << QList<int>{10, 20, 410, 320};
    QTest::newRow("left not below right") << QByteArray("NormPos=\"500,20,400,320\"") << false << current;
    QTest::newRow("bad numbers take the current ones") << QByteArray("NormPos=\"10,x\"") << true
                                                       << QList<int>{10, 82, 575, 413};
    QTest::newRow("only MinMaxPos found") << QByteArray("MinMaxPos=\"-1,-1,-8,-8\"") << true << current;
}

void TestStoredProperties::placementRead()
{
    QFETCH(QByteArray, values);
    QFETCH(bool, apply);
    QFETCH(QList<int>, norm);
    writeFile("[Options]\n" + values + "\n");
    TSettingsStore store(fileName());
    TSettingsSession s(store);
    TWindowPlacement current;
    current.NormPos = {137, 82, 575, 413};
    const TPlacementRead r = TWindowPlacement::Read(s, "Options", current, 96, QSize(1280, 900));
    QCOMPARE(r.applyPosition, apply);
    const auto &n = r.placement.NormPos;
    QCOMPARE((QList<int>{n[0], n[1], n[2], n[3]}), norm);
}

void TestStoredProperties::showCmd_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("state");
    QTest::newRow("missing") << QByteArray() << int(TWindowPlacement::Normal);
    for (int n : {1, 5, 9})
        QTest::newRow(qPrintable(QString("normal %1").arg(n))) << QByteArray::number(n) << int(TWindowPlacement::Normal);
    for (int n : {2, 6, 7})
        QTest::newRow(qPrintable(QString("minimized %1").arg(n))) << QByteArray::number(n) << int(TWindowPlacement::Minimized);
    QTest::newRow("maximized") << QByteArray("3") << int(TWindowPlacement::Maximized);
    QTest::newRow("hide 0") << QByteArray("0") << int(TWindowPlacement::Normal);
    QTest::newRow("unknown 4") << QByteArray("4") << int(TWindowPlacement::Normal);
    QTest::newRow("no number") << QByteArray("max") << int(TWindowPlacement::Normal);
}

void TestStoredProperties::showCmd()
{
    QFETCH(QByteArray, value);
    QFETCH(int, state);
    writeFile(value.isNull() ? QByteArray("[Options]\n") : "[Options]\nShowCmd=" + value + "\n");
    TSettingsStore store(fileName());
    TSettingsSession s(store);
    const TPlacementRead r = TWindowPlacement::Read(s, "Options", TWindowPlacement(), 96, QSize(800, 600));
    QCOMPARE(int(r.state), state);
}

QTEST_GUILESS_MAIN(TestStoredProperties)
#include "tst_storedproperties.moc"
