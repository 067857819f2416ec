// The stored user tags: the four parallel lists, what the menu is built from, and the
// texts read at each use.
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "settings/tags/TTagList.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace K = SettingsKeys;

class TestTagList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TSettingsStore> m_store;

    // Writes "Item<n>" values (and "Count" when not negative) into one list key.
    void store(const QString &key, const QStringList &items, int count)
    {
        TSettingsSession s(*m_store);
        if (count >= 0)
            s.WriteString(key, K::Count, QString::number(count));
        for (int i = 0; i < items.size(); ++i)
            if (!items.at(i).isNull())
                s.WriteString(key, K::ListItem.arg(i), items.at(i));
        s.Close();
    }
    TTagList loaded()
    {
        TSettingsSession s(*m_store);
        TTagList list;
        list.Load(s);
        return list;
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath("t.ini"));
        m_store = std::make_unique<TSettingsStore>(m_dir.filePath("t.ini"));
    }

    void listsOfDifferentLengthsStayParallel();
    void itemsPastCountAreKept();
    void saveAndLoadKeepTextsWhole();
    void emptiedListDeletesTheFourKeys();
    void menuStopsAtTheFirstEmptyName();
    void textsAreReadAsTheFileIsNow();
    void handWrittenCommasStayInTheTexts();
};

void TestTagList::listsOfDifferentLengthsStayParallel()
{
    store(K::TagNames, {"A", "B"}, 2);
    store(K::TagHotKeys, {"Alt+A"}, 1);
    store(K::TagStarts, {"<a>", "<b>", "orphan"}, 3);
    const TTagList list = loaded();
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.Names(), QStringList({"A", "B", ""}));
    QCOMPARE(list.HotKeys(), QStringList({"Alt+A", "", ""}));
    QCOMPARE(list.Starts(), QStringList({"<a>", "<b>", "orphan"}));
    QCOMPARE(list.Ends(), QStringList({"", "", ""}));

    TTagList edited = list;
    edited.Append("[Název]");
    edited.Remove(0);
    QCOMPARE(edited.Names(), QStringList({"B", "", "[Název]"}));
    QCOMPARE(edited.Starts(), QStringList({"<b>", "orphan", ""}));
    QCOMPARE(edited.HotKeys().size(), 3);
    edited.Remove(7); // out of range: nothing
    edited.SetName(-1, "x");
    QCOMPARE(edited.Count(), 3);
}

void TestTagList::itemsPastCountAreKept()
{
    // A hand-written list without "Count", and one whose "Count" says more than it holds.
    store(K::TagNames, {"A", QString(), "C"}, -1);
    store(K::TagEnds, {"x"}, 4);
    const TTagList list = loaded();
    QCOMPARE(list.Names(), QStringList({"A", "", "C", ""}));
    QCOMPARE(list.Ends(), QStringList({"x", "", "", ""}));
    // Garbage "Count" values read nothing more than the items there are.
    store(K::TagHotKeys, {}, -1);
    {
        TSettingsSession s(*m_store);
        s.WriteString(K::TagHotKeys, K::Count, "lots");
        s.Close();
    }
    QCOMPARE(loaded().Count(), 4);
}

void TestTagList::saveAndLoadKeepTextsWhole()
{
    TTagList list;
    list.Append("&Tučně");
    list.SetStart(0, "<b>\r\n  ");
    list.SetEnd(0, QString(100 * 1024, QChar(u'ž')) + "\nlone LF\rlone CR");
    list.SetHotKey(0, "Shift+Ctrl+F5");
    list.Append("-");
    {
        TSettingsSession s(*m_store);
        list.Save(s);
        s.Close();
    }
    const TTagList back = loaded();
    QCOMPARE(back.Names(), list.Names());
    QCOMPARE(back.HotKeys(), list.HotKeys());
    QCOMPARE(back.Starts(), list.Starts());
    QCOMPARE(back.Ends(), list.Ends());
    TSettingsSession s(*m_store);
    QCOMPARE(s.ReadString(K::TagNames, K::Count), QStringLiteral("2"));
}

void TestTagList::emptiedListDeletesTheFourKeys()
{
    store(K::TagNames, {"A"}, 1);
    store(K::TagHotKeys, {"Alt+A"}, 1);
    store(K::TagStarts, {"<"}, 1);
    store(K::TagEnds, {">"}, 1);
    TTagList list = loaded();
    list.Remove(0);
    {
        TSettingsSession s(*m_store);
        list.Save(s);
        s.Close();
    }
    TSettingsSession s(*m_store);
    for (const QString &key : {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds})
        QVERIFY2(!s.KeyExists(key), qPrintable(key));
}

void TestTagList::menuStopsAtTheFirstEmptyName()
{
    // "Count" is not consulted at start: Item1 is empty, so only A is shown.
    store(K::TagNames, {"A", "", "C"}, 1);
    store(K::TagHotKeys, {"Alt+A", "Alt+B", "Alt+C"}, 3);
    const QList<TTagMenuEntry> entries = TTagList::ReadMenuEntries(*m_store);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).name, QStringLiteral("A"));
    QCOMPARE(entries.at(0).hotKey, QStringLiteral("Alt+A"));

    store(K::TagNames, {"A", "B", "C"}, 1);
    QCOMPARE(TTagList::ReadMenuEntries(*m_store).size(), 3);
    const QList<TTagMenuEntry> fromDialog = TTagList::MenuEntries({"A", "B", "", "D"}, {"x"});
    QCOMPARE(fromDialog.size(), 2);
    QCOMPARE(fromDialog.at(1).number, 1);
    QCOMPARE(fromDialog.at(1).hotKey, QString());
}

void TestTagList::textsAreReadAsTheFileIsNow()
{
    store(K::TagStarts, {"[b]"}, 1);
    store(K::TagEnds, {"[/b]"}, 1);
    QCOMPARE(TTagList::ReadTexts(*m_store, 0).after, QStringLiteral("[/b]"));
    // Another running copy rewrites the file behind our back.
    QFile file(m_store->FileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Options.StrSTART_Strings]\nCount=1\nItem0=<i>\n"
               "[Options.StrEND_Strings]\nCount=1\nItem0=</i>\\r\\n\n");
    file.close();
    const TTagTexts texts = TTagList::ReadTexts(*m_store, 0);
    QCOMPARE(texts.before, QStringLiteral("<i>"));
    QCOMPARE(texts.after, QStringLiteral("</i>\r\n"));
    QCOMPARE(TTagList::ReadTexts(*m_store, 5).before, QString());
}

// A tag file written by hand (no quotes): commas, blanks around them and backslashes are the
// tag's own characters; they were split into a list and joined with ", " before.
void TestTagList::handWrittenCommasStayInTheTexts()
{
    QFile file(m_store->FileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Options.lstZNACKY_Items]\nCount=2\nItem0=Odkaz,nový\nItem1=Cesta\n"
               "[Options.StrHOTKEYS_Strings]\nCount=1\nItem0=Ctrl+K, Ctrl+L\n"
               "[Options.StrSTART_Strings]\nCount=2\nItem0=<a href=\"x\" title=\"a,b\">\nItem1=C:\\Temp\\\n"
               "[Options.StrEND_Strings]\nCount=2\nItem0=</a>,  \nItem1=\\r\\n\n");
    file.close();
    const TTagList list = loaded();
    QCOMPARE(list.Names(), QStringList({"Odkaz,nový", "Cesta"}));
    QCOMPARE(list.HotKeys(), QStringList({"Ctrl+K, Ctrl+L", ""}));
    QCOMPARE(list.Starts(), QStringList({"<a href=\"x\" title=\"a,b\">", "C:\\Temp\\"}));
    // "\r\n" as the earlier version wrote a line break still reads as one.
    QCOMPARE(list.Ends(), QStringList({"</a>,  ", "\r\n"}));
    const QList<TTagMenuEntry> menu = TTagList::ReadMenuEntries(*m_store);
    QCOMPARE(menu.size(), 2);
    QCOMPARE(menu.at(0).name, QStringLiteral("Odkaz,nový"));
    QCOMPARE(TTagList::ReadTexts(*m_store, 0).after, QStringLiteral("</a>,  "));
    // Saved by the program and read again: unchanged.
    {
        TSettingsSession s(*m_store);
        list.Save(s);
        s.Close();
    }
    const TTagList again = loaded();
    QCOMPARE(again.Names(), list.Names());
    QCOMPARE(again.Starts(), list.Starts());
    QCOMPARE(again.Ends(), list.Ends());
}

QTEST_GUILESS_MAIN(TestTagList)
#include "tst_taglist.moc"
