// Letter case of Windows-1250: capitals, small letters, inversion and the search's folding.
#include "text/CaseRules.h"
#include "text/Cp1250.h"

#include <QTest>

namespace {

// Every character of Windows-1250 as the editor holds it.
QString allCharacters()
{
    QString all;
    for (int b = 1; b < 256; ++b)
        all.append(Cp1250::toUnicode(static_cast<unsigned char>(b)));
    return all;
}

const QString kCzechSmall = QStringLiteral("áčďéěíňóřšťúůýž");
const QString kCzechCapital = QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
const QString kSlovakSmall = QStringLiteral("äľĺôŕ");
const QString kSlovakCapital = QStringLiteral("ÄĽĹÔŔ");

} // namespace

class TestCaseRules : public QObject
{
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void staysInsideTheCharacterSet();
    void foldMatchesBothCases();
    void inversionList();
};

void TestCaseRules::conversions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("inverted");
    QTest::newRow("Czech small letters") << kCzechSmall << kCzechCapital << kCzechSmall << kCzechCapital;
    QTest::newRow("Czech capitals") << kCzechCapital << kCzechCapital << kCzechSmall << kCzechSmall;
    QTest::newRow("Slovak small letters stay small on inversion")
        << kSlovakSmall << kSlovakCapital << kSlovakSmall << kSlovakSmall;
    QTest::newRow("Slovak capitals") << kSlovakCapital << kSlovakCapital << kSlovakSmall << kSlovakSmall;
    QTest::newRow("mixed sentence") << QStringLiteral("žluťoučký kůň") << QStringLiteral("ŽLUŤOUČKÝ KŮŇ")
                                    << QStringLiteral("žluťoučký kůň") << QStringLiteral("ŽLUŤOUČKÝ KŮŇ");
    QTest::newRow("inversion example") << QStringLiteral("Ábc Ďx ä") << QStringLiteral("ÁBC ĎX Ä")
                                       << QStringLiteral("ábc ďx ä") << QStringLiteral("áBC ďX ä");
    QTest::newRow("caseless characters and breaks")
        << QStringLiteral("12 ,.;\r\t§€—ˇ") << QStringLiteral("12 ,.;\r\t§€—ˇ")
        << QStringLiteral("12 ,.;\r\t§€—ˇ") << QStringLiteral("12 ,.;\r\t§€—ˇ");
    QTest::newRow("µ and ß have no other case in the set")
        << QStringLiteral("µß") << QStringLiteral("µß") << QStringLiteral("µß") << QStringLiteral("µß");
    QTest::newRow("Polish and Hungarian letters") << QStringLiteral("łąęśźżőű") << QStringLiteral("ŁĄĘŚŹŻŐŰ")
                                                  << QStringLiteral("łąęśźżőű") << QStringLiteral("łąęśźżőű");
}

void TestCaseRules::conversions()
{
    QFETCH(QString, input);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, inverted);
    QCOMPARE(CaseRules::toUpper(input), upper);
    QCOMPARE(CaseRules::toLower(input), lower);
    QCOMPARE(CaseRules::invert(input), inverted);
}

// The result of every conversion must still be a character the editor can hold, and each
// letter must come back from the other case.
void TestCaseRules::staysInsideTheCharacterSet()
{
    const QString all = allCharacters();
    for (const QString &out : {CaseRules::toUpper(all), CaseRules::toLower(all), CaseRules::invert(all)}) {
        QCOMPARE(out.size(), all.size());
        for (QChar c : out)
            QVERIFY2(Cp1250::isRepresentable(c), qPrintable(QString(c)));
    }
    for (QChar c : all) {
        const QChar u = CaseRules::upper(c), l = CaseRules::lower(c);
        if (u != c)
            QCOMPARE(CaseRules::lower(u), c);
        if (l != c)
            QCOMPARE(CaseRules::upper(l), c);
    }
}

void TestCaseRules::foldMatchesBothCases()
{
    const QString small = kCzechSmall + kSlovakSmall + QStringLiteral("abcxyzłąęśźżőű");
    const QString capital = kCzechCapital + kSlovakCapital + QStringLiteral("ABCXYZŁĄĘŚŹŻŐŰ");
    for (qsizetype i = 0; i < small.size(); ++i)
        QVERIFY2(CaseRules::fold(small[i]) == CaseRules::fold(capital[i]), qPrintable(QString(small[i])));
    // Different letters never fold together.
    QVERIFY(CaseRules::fold(u'e') != CaseRules::fold(u'é'));
    QVERIFY(CaseRules::fold(u'u') != CaseRules::fold(u'ů'));
    QVERIFY(CaseRules::fold(u'Ú') != CaseRules::fold(u'Ů'));
    for (QChar c : allCharacters()) {
        QCOMPARE(CaseRules::fold(CaseRules::upper(c)), CaseRules::fold(c));
        QCOMPARE(CaseRules::fold(CaseRules::lower(c)), CaseRules::fold(c));
    }
}

void TestCaseRules::inversionList()
{
    const QStringView list = CaseRules::inversionLetters();
    QCOMPARE(list.size(), 41);
    QCOMPARE(list, QStringView(u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"));
    // Each listed letter inverts to a capital and back.
    for (QChar c : list) {
        const QString once = CaseRules::invert(QString(c));
        QVERIFY(once != QString(c));
        QCOMPARE(CaseRules::invert(once), QString(c));
    }
}

QTEST_GUILESS_MAIN(TestCaseRules)
#include "tst_caserules.moc"
