// A window's form storage: placement, linked components, marks, errors.
#include "common/TErrorText.h"
#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsStore.h"
#include "settings/store/TStoreLink.h"

#include <QFile>
#include <QMainWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A linked component that records its calls and can fail.
class Link : public TStoreLink
{
public:
    QString section = QStringLiteral("TMainForm.Thing");
    bool fail = false;
    QStringList calls;
    QString LinkSection() const override { return section; }
    void LoadSettings(TSettingsSession &s, const QString &key) override
    {
        calls << "load " + key;
        if (fail)
            throw TError(QStringLiteral("Invalid data type for 'Item_0'"));
        value = s.ReadString(key, "V");
    }
    void SaveSettings(TSettingsSession &s, const QString &key) override
    {
        calls << "save " + key;
        s.WriteString(key, "V", value);
    }
    QString value = QStringLiteral("v0");
};
// A main window with its storage in the test's file, restored from it; given a designed
// place, the window stands there before the restore.
struct RestoredWindow
{
    explicit RestoredWindow(const QString &file, const QRect &designed = {}) : store(file)
    {
        if (designed.isValid()) {
            w.resize(designed.size());
            w.move(designed.topLeft());
        }
        fs.Restore();
    }
    TSettingsStore store;
    QMainWindow w;
    TFormStorage fs{&w, &store, "Options"};
};
} // namespace

class TestFormStorage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void neverRestoredNeverSaves();
    void orderOfRestoreAndSave();
    void placementRoundTrip();
    void storedShowCmd2StartsMinimized();
    void storedShowCmd3StartsMaximized();
    void maximizedWindowSavesItsNormalRectangle();
    void changedResolutionKeepsDesignedPlace();
    void rectangleOnNoScreenKeepsDesignedPosition();
    void destructionAfterRestoreSavesWithVisible1();
    void destructionAfterSaveWritesNothing();
    void linkErrorAbandonsTheRestAndIsTold();
    void unwritableStoreIsToldOnceAndWindowStays();
    void settingsDialogReadsNoPlacement();

private:
    QString fileName() const { return m_dir->filePath(QStringLiteral("QUORTOSK.ini")); }
    QString screenName(const QString &name) const
    {
        const QSize s = TFormStorage::ScreenSize();
        return QStringLiteral("%1(%2x%3)").arg(name).arg(s.width()).arg(s.height());
    }
    void writeOptions(const QByteArray &lines) const
    {
        QFile f(fileName());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Options]\n" + lines + "\n");
    }
    QString read(const QString &key, const QString &name) const
    {
        TSettingsStore store(fileName());
        TSettingsSession s(store);
        return s.ReadString(key, name, QStringLiteral("<missing>"));
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFormStorage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFormStorage::neverRestoredNeverSaves()
{
    TSettingsStore store(fileName());
    QMainWindow w;
    {
        TFormStorage fs(&w, &store, "Options");
        fs.Save();
        QVERIFY(!fs.Saved());
    }
    QVERIFY(!QFile::exists(fileName()));
}

void TestFormStorage::orderOfRestoreAndSave()
{
    writeOptions("Prop=stored\nTMainForm.Thing\\V=v1");
    TSettingsStore store(fileName());
    QMainWindow w;
    QStringList calls;
    Link link;
    TFormStorage fs(&w, &store, "Options");
    fs.AddLink(&link);
    fs.Properties().AddString("Prop", [&] { calls << "get prop"; return QStringLiteral("now"); },
                              [&](const QString &v) { calls << "set prop " + v; });
    fs.Restore();
    QVERIFY(fs.Restored());
    QCOMPARE(link.value, QStringLiteral("v1"));
    QCOMPARE(link.calls, QStringList{"load Options\\TMainForm.Thing"});
    QVERIFY(calls.contains("set prop stored"));
    link.value = QStringLiteral("v2");
    fs.Save();
    QVERIFY(fs.Saved());
    QCOMPARE(read("Options\\TMainForm.Thing", "V"), QStringLiteral("v2"));
    QCOMPARE(read("Options", "Prop"), QStringLiteral("now"));
    QCOMPARE(read("Options", "Visible"), QStringLiteral("0"));
    QCOMPARE(read("Options", "PixelsPerInch"), QString::number(TFormStorage::PixelsPerInch()));
}

void TestFormStorage::placementRoundTrip()
{
    writeOptions("NormPos=\"40,50,440,350\"\nShowCmd=1");
    RestoredWindow r(fileName(), QRect(137, 82, 438, 331));
    r.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.w));
    // The stored rectangle is the client area's (the offscreen platform gives windows a
    // frame too): it comes back as the geometry, not as the frame's place.
    QCOMPARE(r.w.geometry(), QRect(40, 50, 400, 300));
    r.w.setGeometry(60, 70, 500, 320);
    r.fs.Save();
    QCOMPARE(read("Options", "NormPos"), QStringLiteral("60,70,560,390"));
    QCOMPARE(read("Options", screenName("NormPos")), QStringLiteral("60,70,560,390"));
    QCOMPARE(read("Options", "ShowCmd"), QStringLiteral("1"));
    QCOMPARE(read("Options", "MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
}

void TestFormStorage::storedShowCmd2StartsMinimized()
{
    writeOptions("ShowCmd=2\nNormPos=\"40,50,440,350\"");
    RestoredWindow r(fileName());
    QVERIFY(!r.w.isMinimized()); // opened normal, minimized by a posted request
    r.w.show();
    QTRY_VERIFY(r.w.isMinimized());
    r.fs.Save();
    QCOMPARE(read("Options", "ShowCmd"), QStringLiteral("2"));
    QCOMPARE(read("Options", "NormPos"), QStringLiteral("40,50,440,350"));
}

void TestFormStorage::storedShowCmd3StartsMaximized()
{
    writeOptions("ShowCmd=3");
    RestoredWindow r(fileName());
    r.w.show();
    QTRY_VERIFY(r.w.isMaximized());
}

void TestFormStorage::maximizedWindowSavesItsNormalRectangle()
{
    RestoredWindow r(fileName(), QRect(20, 30, 300, 200));
    r.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.w));
    const QRect normal = r.w.geometry();
    r.w.showMaximized();
    QTRY_VERIFY(r.w.isMaximized());
    r.fs.Save();
    QCOMPARE(read("Options", "ShowCmd"), QStringLiteral("3"));
    QCOMPARE(read("Options", "NormPos"), QStringLiteral("%1,%2,%3,%4")
                                             .arg(normal.left())
                                             .arg(normal.top())
                                             .arg(normal.left() + 300)
                                             .arg(normal.top() + 200));
}

void TestFormStorage::changedResolutionKeepsDesignedPlace()
{
    const int other = TFormStorage::PixelsPerInch() + 24;
    writeOptions("PixelsPerInch=" + QByteArray::number(other) + "\nNormPos=\"40,50,440,350\"");
    RestoredWindow r(fileName(), QRect(137, 82, 438, 331));
    QCOMPARE(r.w.pos(), QPoint(137, 82));
    QCOMPARE(r.w.size(), QSize(438, 331));
    r.fs.Save(); // the stored values are overwritten at the next close
    QCOMPARE(read("Options", "PixelsPerInch"), QString::number(TFormStorage::PixelsPerInch()));
    QCOMPARE(read("Options", "NormPos"), QStringLiteral("137,82,575,413"));
}

void TestFormStorage::rectangleOnNoScreenKeepsDesignedPosition()
{
    writeOptions("NormPos=\"-30000,-30000,-29600,-29700\"");
    RestoredWindow r(fileName(), QRect(137, 82, 438, 331));
    QCOMPARE(r.w.pos(), QPoint(137, 82));
    QCOMPARE(r.w.size(), QSize(400, 300));
}

void TestFormStorage::destructionAfterRestoreSavesWithVisible1()
{
    TSettingsStore store(fileName());
    QMainWindow w;
    Link link;
    {
        TFormStorage fs(&w, &store, "Options");
        fs.AddLink(&link);
        fs.Restore();
    }
    QCOMPARE(read("Options", "Visible"), QStringLiteral("1"));
    QCOMPARE(link.calls.last(), QStringLiteral("save Options\\TMainForm.Thing"));
}

void TestFormStorage::destructionAfterSaveWritesNothing()
{
    TSettingsStore store(fileName());
    QMainWindow w;
    Link link;
    {
        TFormStorage fs(&w, &store, "Options");
        fs.AddLink(&link);
        fs.Restore();
        fs.Save();
        writeOptions("Marker=kept");
    }
    QCOMPARE(read("Options", "Marker"), QStringLiteral("kept"));
    QCOMPARE(read("Options", "Visible"), QStringLiteral("<missing>"));
    QCOMPARE(link.calls.count(QStringLiteral("save Options\\TMainForm.Thing")), 1);
}

void TestFormStorage::linkErrorAbandonsTheRestAndIsTold()
{
    writeOptions("Prop=stored");
    TSettingsStore store(fileName());
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    QMainWindow w;
    Link link;
    link.fail = true;
    QString prop = QStringLiteral("designed");
    TFormStorage fs(&w, &store, "Options");
    fs.AddLink(&link);
    fs.Properties().AddString("Prop", [&] { return prop; }, [&](const QString &v) { prop = v; });
    fs.Restore();
    QCOMPARE(told, QStringList{"Invalid data type for 'Item_0'"});
    QCOMPARE(prop, QStringLiteral("designed"));
    QVERIFY(fs.Restored()); // and so the window still saves when it closes
}

void TestFormStorage::unwritableStoreIsToldOnceAndWindowStays()
{
    QFile blocker(m_dir->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TSettingsStore store(m_dir->filePath("blocker/QUORTOSK.ini"));
    QStringList told;
    store.SetProblemHandler([&](const QString &t) { told << t; });
    QMainWindow w;
    w.move(137, 82);
    TFormStorage fs(&w, &store, "Options");
    fs.Restore();
    w.show();
    fs.Save();
    fs.Save();
    QCOMPARE(told, QStringList{"Failed to set data for 'Flags'"});
    QVERIFY(w.isVisible());
}

void TestFormStorage::settingsDialogReadsNoPlacement()
{
    writeOptions("NormPos=\"40,50,440,350\"\nShowCmd=3");
    TSettingsStore store(fileName());
    QMainWindow w;
    w.resize(200, 100);
    w.move(10, 10);
    TFormStorage fs(&w, &store, "Options");
    fs.SetReadPlacement(false);
    fs.Restore();
    QCOMPARE(w.pos(), QPoint(10, 10));
    QVERIFY(!(w.windowState() & Qt::WindowMaximized));
    fs.Save(); // but it writes its own
    QCOMPARE(read("Options", "NormPos"), QStringLiteral("10,10,210,110"));
}

QTEST_MAIN(TestFormStorage)
#include "tst_formstorage.moc"
