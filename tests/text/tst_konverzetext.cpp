// The conversion applied to text as the editor holds it: the per-unit map and the line edits
// must give exactly what Prevest gives on the text's Windows-1250 bytes.
#include "text/Cp1250.h"
#include "text/Konverze.h"
#include "text/KonverzeText.h"
#include "text/TextEdits.h"
#include "text/TextFile.h"

#include <QTest>

namespace {

// The reference: encode, Prevest on the bytes, decode.
QString byBytes(const QString &text, int source, int target)
{
    QByteArray bytes = Cp1250::encode(text);
    Prevest(static_cast<unsigned char>(source), static_cast<unsigned char>(target), bytes.data(),
            std::size_t(bytes.size()));
    return Cp1250::decode(bytes);
}

} // namespace

class TestKonverzeText : public QObject
{
    Q_OBJECT

private slots:
    void everyUnitAsTheBytes_data();
    void everyUnitAsTheBytes();
    void lineEdits_data();
    void lineEdits();
    void paragraphSeparatorsEndLines();
    void editsOutliveTheirMaker();
    void pageOfAnotherSet_data();
    void pageOfAnotherSet();
};

void TestKonverzeText::everyUnitAsTheBytes_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    for (int source = 1; source <= 4; ++source)
        for (int target = 1; target <= 5; ++target)
            QTest::addRow("%d to %d", source, target) << source << target;
    QTest::newRow("set out of range: nothing but the unstorable") << 0 << 9;
}

// All 65536 UTF-16 units, surrogates and units without a Windows-1250 byte included.
void TestKonverzeText::everyUnitAsTheBytes()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QString all(65536, Qt::Uninitialized);
    for (int u = 0; u < 65536; ++u)
        all[u] = QChar(char16_t(u));
    const KonverzeText::Map map(source, target);
    const QString expected = byBytes(all, source, target);
    QCOMPARE(map.converted(all), expected);
    for (int u = 0; u < 65536; u += 97)
        QCOMPARE(map(char16_t(u)), expected.at(u).unicode());
}

void TestKonverzeText::lineEdits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("edits");
    QTest::newRow("only changing lines are edited")
        << QStringLiteral("plain\nčeština\nascii only\nžluťoučký\n") << 5 << 2;
    QTest::newRow("a missing final break is added") << QStringLiteral("abc\nkůň") << 5 << 2;
    QTest::newRow("an unchanged text without final break") << QStringLiteral("abc") << 2 << 1;
    QTest::newRow("an unchanged text with final break") << QStringLiteral("abc\n\n") << 2 << 0;
    QTest::newRow("empty text stays empty") << QString() << 5 << 0;
    QTest::newRow("empty lines and a change at both ends") << QStringLiteral("\n\nášx\n\nyž") << 2 << 3;
    QTest::newRow("unstorable characters become question marks")
        << QStringLiteral("a\u20ACb\nx\u4E2Dy\n") << 1 << 1; // € is Windows-1250, 中 is not
}

void TestKonverzeText::lineEdits()
{
    QFETCH(QString, text);
    QFETCH(int, target);
    QFETCH(int, edits);
    QString storage;
    const QList<TextEdits::Edit> got = KonverzeText::LineEdits(text, KonverzeText::Map(1, target), &storage);
    QCOMPARE(got.size(), edits);
    QString expected = byBytes(text, 1, target);
    if (!expected.isEmpty() && !expected.endsWith(u'\n'))
        expected.append(u'\n');
    QCOMPARE(TextEdits::applied(text, got), expected);
    for (const TextEdits::Edit &e : got) // no edit crosses a line break
        QVERIFY(!text.sliced(e.from, e.length).contains(u'\n'));
}

// The document's raw text separates its lines by U+2029; a conversion must not touch them.
void TestKonverzeText::paragraphSeparatorsEndLines()
{
    const QString raw = QStringLiteral("šíp\u2029x\u2029ďábel");
    QString storage;
    const QList<TextEdits::Edit> edits = KonverzeText::LineEdits(raw, KonverzeText::Map(1, 5), &storage);
    QCOMPARE(edits.size(), 3);
    QCOMPARE(TextEdits::applied(raw, edits), QStringLiteral("sip\u2029x\u2029dabel\n"));
}

// The edits point into the storage only: the text they came from may go.
void TestKonverzeText::editsOutliveTheirMaker()
{
    QString storage;
    QList<TextEdits::Edit> edits;
    {
        QString text = QStringLiteral("řeka\nmoře");
        edits = KonverzeText::LineEdits(text, KonverzeText::Map(1, 2), &storage);
        text.fill(u'x');
    }
    QCOMPARE(edits.size(), 3);
    QCOMPARE(edits[0].text.toString(), byBytes(QStringLiteral("řeka"), 1, 2));
    QCOMPARE(edits[1].text.toString(), byBytes(QStringLiteral("moře"), 1, 2));
    QCOMPARE(edits[2].text.toString(), QStringLiteral("\n"));
}

// On a page kept in another 8-bit set the conversion works on the bytes that page writes:
// a Kamenický file read as Latin 2 (or ISO 8859-2) and converted from Kamenický to the
// page's set shows the Czech text.
void TestKonverzeText::pageOfAnotherSet_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("expected");
    const QString czech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");
    QTest::newRow("Latin 2 page") << int(Konverze::Latin2) << int(Konverze::Latin2) << czech;
    QTest::newRow("ISO 8859-2 page") << int(Konverze::Iso8859_2) << int(Konverze::Iso8859_2) << czech;
    QTest::newRow("Latin 2 page to ASCII") << int(Konverze::Latin2) << int(Konverze::Ascii)
                                           << QStringLiteral("Prilis zlutoucky kun upel dabelske ody.");
}

void TestKonverzeText::pageOfAnotherSet()
{
    QFETCH(int, page);
    QFETCH(int, target);
    QFETCH(QString, expected);
    QByteArray bytes = Cp1250::encode(QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy."));
    Prevest(Konverze::Windows1250, Konverze::Kamenicky, bytes.data(), std::size_t(bytes.size()));
    const QString shown = TextFile::decodeAs(bytes, TextFile::encodingOfSet(page), QStringLiteral("x")).text;
    QVERIFY(shown != expected);
    QCOMPARE(KonverzeText::Map(Konverze::Kamenicky, target, page).converted(shown), expected);
    // Read through Windows 1250 instead, the same text would not come out.
    QVERIFY(KonverzeText::Map(Konverze::Kamenicky, target).converted(shown) != expected);
}

QTEST_GUILESS_MAIN(TestKonverzeText)
#include "tst_konverzetext.moc"
