// The recent-files list: order, capacity, matching, user data, persistence, menu texts.
#include "app/files/TRecentStrings.h"
#include "settings/store/TSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList texts(const TRecentStrings &list)
{
    QStringList t;
    for (int i = 0; i < list.Count(); ++i)
        t << list.Text(i);
    return t;
}
QList<qint32> users(const TRecentStrings &list)
{
    QList<qint32> u;
    for (int i = 0; i < list.Count(); ++i)
        u << list.UserData(i);
    return u;
}
} // namespace

class TestRecentStrings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void elevenFilesKeepTheNewestTen();
    void sameFileInOtherCaseMovesKeepingFirstSpelling();
    void addSequences_data();
    void addSequences();
    void userData_data();
    void userData();
    void saveWritesItemsAndNonZeroUsers();
    void saveErasesOldEntries();
    void emptyListLeavesNoKey();
    void load_data();
    void load();
    void roundTrip();
    void menuTexts_data();
    void menuTexts();

private:
    QString fileName() const { return m_dir->filePath(QStringLiteral("t.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecentStrings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRecentStrings::elevenFilesKeepTheNewestTen()
{
    TRecentStrings list;
    for (int i = 1; i <= 11; ++i)
        list.Add(QStringLiteral("/f%1.txt").arg(i), 1);
    QCOMPARE(list.Count(), 10);
    QCOMPARE(list.Text(0), QStringLiteral("/f11.txt"));
    QCOMPARE(list.Text(9), QStringLiteral("/f2.txt"));
    QCOMPARE(list.IndexOf(QStringLiteral("/f1.txt")), -1);
}

void TestRecentStrings::sameFileInOtherCaseMovesKeepingFirstSpelling()
{
    TRecentStrings list;
    list.Add(QStringLiteral("/data/a.txt"), 1);
    list.Add(QStringLiteral("/data/b.txt"), 1);
    list.Add(QStringLiteral("/data/A.txt"), 1);
#ifdef Q_OS_WIN
    // One file under two spellings: it moves to the top and keeps the first one.
    QCOMPARE(texts(list), (QStringList{"/data/a.txt", "/data/b.txt"}));
#else
    // Regression: /x/a.txt and /x/A.txt are two files here, and both must be reachable.
    QCOMPARE(texts(list), (QStringList{"/data/A.txt", "/data/b.txt", "/data/a.txt"}));
#endif
    list.Add(QStringLiteral("/data/b.txt"), 1);
    QCOMPARE(list.Text(0), QStringLiteral("/data/b.txt"));
}

void TestRecentStrings::addSequences_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest on top") << QStringList{"a", "b", "c"} << QStringList{"c", "b", "a"};
    QTest::newRow("re-added moves to top") << QStringList{"a", "b", "c", "a"} << QStringList{"a", "c", "b"};
    QTest::newRow("top re-added stays") << QStringList{"a", "b", "b"} << QStringList{"b", "a"};
    QTest::newRow("empty text is an entry") << QStringList{"a", ""} << QStringList{"", "a"};
    QTest::newRow("different accents are different files")
        << QStringList{"a.txt", QString::fromUtf8("á.txt")}
        << QStringList{QString::fromUtf8("á.txt"), "a.txt"};
    QStringList twelve, lastTen;
    for (int i = 0; i < 12; ++i)
        twelve << QString::number(i);
    for (int i = 11; i >= 2; --i)
        lastTen << QString::number(i);
    QTest::newRow("twelve keep ten") << twelve << lastTen;
    QStringList moved = twelve;
    moved << "3";
    QStringList movedExpected{"3", "11", "10", "9", "8", "7", "6", "5", "4", "2"};
    QTest::newRow("moving an entry drops none") << moved << movedExpected;
}

void TestRecentStrings::addSequences()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    TRecentStrings list;
    for (const QString &t : added)
        list.Add(t, 1);
    QCOMPARE(texts(list), expected);
}

void TestRecentStrings::userData_data()
{
    QTest::addColumn<bool>("firstHasData");
    QTest::addColumn<bool>("againHasData");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("command line file: 0") << false << false << 0;
    QTest::newRow("dialog: 1") << true << true << 1;
    QTest::newRow("command line keeps a moved entry's number") << true << false << 1;
    QTest::newRow("dialog sets it on a command line entry") << false << true << 1;
}

void TestRecentStrings::userData()
{
    QFETCH(bool, firstHasData);
    QFETCH(bool, againHasData);
    QFETCH(qint32, expected);
    TRecentStrings list;
    list.Add("/x", firstHasData ? std::optional<qint32>(1) : std::nullopt);
    list.Add("/y", 7);
    list.Add("/x", againHasData ? std::optional<qint32>(1) : std::nullopt);
    QCOMPARE(list.Text(0), QStringLiteral("/x"));
    QCOMPARE(list.UserData(0), expected);
    QCOMPARE(list.UserData(1), 7);
}

void TestRecentStrings::saveWritesItemsAndNonZeroUsers()
{
    TSettingsStore store(fileName());
    TRecentStrings list;
    list.Add("/old", std::nullopt);
    list.Add("/new", 1);
    {
        TSettingsSession s(store);
        list.Save(s, "Options\\TMainForm.MRUMan");
        s.Close();
    }
    TSettingsSession s(store);
    const QString key = QStringLiteral("Options\\TMainForm.MRUMan");
    QCOMPARE(s.ValueNames(key), (QStringList{"Item_0", "Item_1", "User_0"}));
    QCOMPARE(s.ReadString(key, "Item_0"), QStringLiteral("/new"));
    QCOMPARE(s.ReadString(key, "User_0"), QStringLiteral("1"));
    QCOMPARE(s.ReadString(key, "Item_1"), QStringLiteral("/old"));
}

void TestRecentStrings::saveErasesOldEntries()
{
    {
        QFile f(fileName());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Options]\nTMainForm.MRUMan\\Item_0=/a\nTMainForm.MRUMan\\Item_7=/stale\n"
                "TMainForm.MRUMan\\User_0=1\nTMainForm.MRUMan\\Other=x\nStartDir=/home\n");
    }
    TSettingsStore store(fileName());
    TRecentStrings list;
    list.Add("/a", std::nullopt);
    {
        TSettingsSession s(store);
        list.Save(s, "Options\\TMainForm.MRUMan");
        s.Close();
    }
    TSettingsSession s(store);
    QCOMPARE(s.ValueNames("Options\\TMainForm.MRUMan"), QStringList{"Item_0"});
    QCOMPARE(s.ReadString("Options", "StartDir"), QStringLiteral("/home"));
}

void TestRecentStrings::emptyListLeavesNoKey()
{
    TSettingsStore store(fileName());
    {
        TSettingsSession s(store);
        s.WriteString("Options\\TMainForm.MRUMan", "Item_0", "/gone");
        s.Close();
    }
    {
        TSettingsSession s(store);
        TRecentStrings().Save(s, "Options\\TMainForm.MRUMan");
        s.Close();
    }
    TSettingsSession s(store);
    QVERIFY(!s.KeyExists("Options\\TMainForm.MRUMan"));
}

void TestRecentStrings::load_data()
{
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<qint32>>("userData");
    QTest::newRow("gaps: only Item_0 and Item_5")
        << QByteArray("Item_0=/zero\nItem_5=/five") << QStringList{"/zero", "/five"} << QList<qint32>{0, 0};
    QTest::newRow("users read") << QByteArray("Item_0=/a\nUser_0=1\nItem_1=/b\nUser_1=x")
                                << QStringList{"/a", "/b"} << QList<qint32>{1, 0};
    QTest::newRow("beyond the capacity ignored")
        << QByteArray("Item_9=/nine\nItem_10=/ten") << QStringList{"/nine"} << QList<qint32>{0};
    QTest::newRow("empty names skipped")
        << QByteArray("Item_0=\nItem_1=/one") << QStringList{"/one"} << QList<qint32>{0};
    QTest::newRow("user without item ignored")
        << QByteArray("User_3=1\nItem_4=/four") << QStringList{"/four"} << QList<qint32>{0};
    // Read from the oldest: the older spelling is met first and stays.
    QTest::newRow("duplicates in the file kept once")
        << QByteArray("Item_0=/a\nItem_1=/a") << QStringList{"/a"} << QList<qint32>{0};
    QTest::newRow("empty key") << QByteArray() << QStringList{} << QList<qint32>{};
}

void TestRecentStrings::load()
{
    QFETCH(QByteArray, values);
    QFETCH(QStringList, expected);
    QFETCH(QList<qint32>, userData);
    TSettingsStore store(fileName());
    {
        TSettingsSession w(store);
        w.WriteString("Options", "StartDir", "/x");
        for (const QByteArray &line : values.split('\n'))
            if (const int eq = line.indexOf('='); eq > 0)
                w.WriteString("Options\\TMainForm.MRUMan", line.left(eq), line.mid(eq + 1));
        w.Close();
    }
    TRecentStrings list;
    list.Add("/was here before", 1);
    TSettingsSession s(store);
    list.Load(s, "Options\\TMainForm.MRUMan");
    QCOMPARE(texts(list), expected);
    QCOMPARE(users(list), userData);
}

void TestRecentStrings::roundTrip()
{
    TSettingsStore store(fileName());
    TRecentStrings list;
    for (int i = 0; i < 10; ++i)
        list.Add(QStringLiteral("/dir %1/file,%1.txt").arg(i),
                 i % 3 == 0 ? std::optional<qint32>(1) : std::nullopt);
    {
        TSettingsSession s(store);
        list.Save(s, "Options\\TMainForm.MRUMan");
        s.Close();
    }
    TRecentStrings loaded;
    TSettingsSession s(store);
    loaded.Load(s, "Options\\TMainForm.MRUMan");
    QCOMPARE(texts(loaded), texts(list));
    QCOMPARE(users(loaded), users(list));
}

void TestRecentStrings::menuTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("first") << 0 << "/home/a.txt"
                           << "&1\t/home/a.txt"
                           << "/home/a.txt";
    QTest::newRow("ninth") << 8 << "/i.txt"
                           << "&9\t/i.txt"
                           << "/i.txt";
    QTest::newRow("tenth is A") << 9 << "/j.txt"
                                << "&A\t/j.txt"
                                << "/j.txt";
    QTest::newRow("bar splits caption and hint") << 1 << "short|long"
                                                 << "&2\tshort"
                                                 << "long";
    QTest::newRow("ampersand shown as it is") << 2 << "/R&D.txt"
                                              << "&3\t/R&&D.txt"
                                              << "/R&D.txt";
}

void TestRecentStrings::menuTexts()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QCOMPARE(TRecentStrings::MenuCaption(index, text), caption);
    QCOMPARE(TRecentStrings::MenuHint(text), hint);
}

QTEST_GUILESS_MAIN(TestRecentStrings)
#include "tst_recentstrings.moc"
