// The letter table and the byte conversions between the Czech character sets.
#include "text/Konverze.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace Konverze;

namespace {

// The thirty letters in the table's order, each small then capital.
const QString kLetters = QStringLiteral("áÁčČďĎéÉěĚíÍňŇóÓřŘšŠťŤúÚůŮýÝžŽ");

QByteArray converted(int from, int to, QByteArray text)
{
    Prevest(static_cast<unsigned char>(from), static_cast<unsigned char>(to), text.data());
    return text;
}

QByteArray windows1250(QStringView text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

// ASCII, line breaks and every one of the thirty letters in Windows-1250.
QByteArray windowsSample()
{
    QByteArray text("Text, 123 {~}\r\n\tline\n");
    for (int pos = 1; pos <= PocetZnaku; ++pos) {
        text.append(char(KodZnaku(Windows1250, pos)));
        text.append(pos % 7 == 0 ? "\r\n" : " x");
    }
    return text;
}

} // namespace

class TestKonverze : public QObject
{
    Q_OBJECT
private slots:
    void tableAgreesWithCodec_data();
    void tableAgreesWithCodec();
    void kamenickyLetters_data();
    void kamenickyLetters();
    void asciiRowDropsDiacritics();
    void rowsAreDistinctAndHigh();
    void sevenBitBytesPassUnchanged();
    void bytesOutsideTheTableStay();
    void equalSetsLeaveEveryByte();
    void textConversionMatchesCharacterRule();
    void examples_data();
    void examples();
    void roundTrips_data();
    void roundTrips();
    void emptyTextAndBufferIdentity();
    void stopsAtNul();
    void setNumbersOutOfRangeChangeNothing();
};

// Rows 1, 3 and 4 against the codecs of the platform: each position must decode to the
// letter of that position, and that letter must encode to the table's byte.
void TestKonverze::tableAgreesWithCodec_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QByteArray>("codec");
    QTest::newRow("Windows 1250") << int(Windows1250) << QByteArray("windows-1250");
    QTest::newRow("Latin 2") << int(Latin2) << QByteArray("IBM852");
    QTest::newRow("ISO 8859-2") << int(Iso8859_2) << QByteArray("ISO-8859-2");
}

void TestKonverze::tableAgreesWithCodec()
{
    QFETCH(int, set);
    QFETCH(QByteArray, codec);
    QStringDecoder decoder(codec.constData());
    QStringEncoder encoder(codec.constData());
    QVERIFY2(decoder.isValid() && encoder.isValid(), codec.constData());
    for (int pos = 1; pos <= PocetZnaku; ++pos) {
        const char byte = char(KodZnaku(set, pos));
        const QString letter = kLetters.mid(pos - 1, 1);
        QCOMPARE(decoder.decode(QByteArrayView(&byte, 1)), letter);
        QCOMPARE(QByteArray(encoder.encode(letter)), QByteArray(1, byte));
    }
}

void TestKonverze::kamenickyLetters_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("code");
    const QList<QPair<QString, int>> expected = {
        {"á", 0xA0}, {"Á", 0x8F}, {"č", 0x87}, {"Č", 0x80}, {"ď", 0x83}, {"Ď", 0x85},
        {"é", 0x82}, {"É", 0x90}, {"ě", 0x88}, {"Ě", 0x89}, {"í", 0xA1}, {"Í", 0x8B},
        {"ň", 0xA4}, {"Ň", 0xA5}, {"ó", 0xA2}, {"Ó", 0x95}, {"ř", 0xA9}, {"Ř", 0x9E},
        {"š", 0xA8}, {"Š", 0x9B}, {"ť", 0x9F}, {"Ť", 0x86}, {"ú", 0xA3}, {"Ú", 0x97},
        {"ů", 0x96}, {"Ů", 0xA6}, {"ý", 0x98}, {"Ý", 0x9D}, {"ž", 0x91}, {"Ž", 0x92},
    };
    for (const auto &e : expected)
        QTest::newRow(qPrintable(e.first)) << e.first << e.second;
}

// The platform has no Kamenický codec: each letter's Windows-1250 byte (from the codec)
// must convert to the code page's known byte and back.
void TestKonverze::kamenickyLetters()
{
    QFETCH(QString, letter);
    QFETCH(int, code);
    QStringEncoder encoder("windows-1250");
    const QByteArray windows = encoder.encode(letter);
    QCOMPARE(windows.size(), 1);
    const unsigned char w = static_cast<unsigned char>(windows[0]);
    QCOMPARE(int(PrevestZnak(Windows1250, Kamenicky, w)), code);
    QCOMPARE(PrevestZnak(Kamenicky, Windows1250, static_cast<unsigned char>(code)), w);
    const int pos = int(kLetters.indexOf(letter)) + 1;
    QVERIFY(pos >= 1);
    QCOMPARE(int(KodZnaku(Kamenicky, pos)), code);
}

void TestKonverze::asciiRowDropsDiacritics()
{
    for (int pos = 1; pos <= PocetZnaku; ++pos) {
        const QChar letter = kLetters.at(pos - 1);
        const QString base = letter.decomposition().left(1);
        QCOMPARE(QString(QChar(KodZnaku(Ascii, pos))), base);
    }
}

void TestKonverze::rowsAreDistinctAndHigh()
{
    for (int set = Windows1250; set <= Iso8859_2; ++set) {
        QSet<int> seen;
        for (int pos = 1; pos <= PocetZnaku; ++pos) {
            const int code = KodZnaku(set, pos);
            QVERIFY(code >= 0x80);
            seen.insert(code);
        }
        QCOMPARE(seen.size(), PocetZnaku);
    }
    for (int pos = 1; pos <= PocetZnaku; ++pos)
        QVERIFY(KodZnaku(Ascii, pos) < 0x80);
}

void TestKonverze::sevenBitBytesPassUnchanged()
{
    for (int from = 1; from <= 4; ++from)
        for (int to = 1; to <= 5; ++to)
            for (int c = 0; c < 0x80; ++c)
                QCOMPARE(int(PrevestZnak(from, to, c)), c);
}

void TestKonverze::bytesOutsideTheTableStay()
{
    for (int from = 1; from <= 4; ++from) {
        QSet<int> row;
        for (int pos = 1; pos <= PocetZnaku; ++pos)
            row.insert(KodZnaku(from, pos));
        for (int to = 1; to <= 5; ++to)
            for (int c = 0x80; c < 0x100; ++c)
                if (!row.contains(c))
                    QCOMPARE(int(PrevestZnak(from, to, c)), c);
    }
}

void TestKonverze::equalSetsLeaveEveryByte()
{
    QByteArray all;
    for (int c = 1; c < 0x100; ++c)
        all.append(char(c));
    for (int set = 1; set <= 5; ++set) {
        for (int c = 0; c < 0x100; ++c)
            QCOMPARE(int(PrevestZnak(set, set, c)), c);
        QCOMPARE(converted(set, set, all), all);
    }
}

// The whole-text routine must give, byte for byte, what the one-character rule gives.
void TestKonverze::textConversionMatchesCharacterRule()
{
    QByteArray all;
    for (int c = 1; c < 0x100; ++c)
        all.append(char(c));
    for (int from = 1; from <= 5; ++from) {
        for (int to = 1; to <= 5; ++to) {
            const QByteArray out = converted(from, to, all);
            QCOMPARE(out.size(), all.size());
            for (int i = 0; i < all.size(); ++i)
                QCOMPARE(static_cast<unsigned char>(out[i]),
                         PrevestZnak(from, to, static_cast<unsigned char>(all[i])));
        }
    }
}

void TestKonverze::examples_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("pangram to ASCII")
        << int(Windows1250) << int(Ascii) << windows1250(u"Příliš žluťoučký kůň úpěl ďábelské ódy")
        << QByteArray("Prilis zlutoucky kun upel dabelske ody");
    QTest::newRow("Ť to ISO") << int(Windows1250) << int(Iso8859_2) << QByteArray("\x8D")
                              << QByteArray("\xAB");
    QTest::newRow("Ť from ISO") << int(Iso8859_2) << int(Windows1250) << QByteArray("\xAB")
                                << QByteArray("\x8D");
    QTest::newRow("Kamenický Č") << int(Kamenicky) << int(Windows1250) << QByteArray("\x80")
                                 << QByteArray("\xC8");
    QTest::newRow("Latin 2 ů to Kamenický")
        << int(Latin2) << int(Kamenicky) << QByteArray("\x85") << QByteArray("\x96");
    for (int to = 1; to <= 5; ++to)
        QTest::addRow("ä stays, target %d", to)
            << int(Windows1250) << to << QByteArray("\xE4") << QByteArray("\xE4");
    QTest::newRow("seven-bit text, Kamenický to ASCII")
        << int(Kamenicky) << int(Ascii) << QByteArray("abc\r\nXYZ\t~\n") << QByteArray("abc\r\nXYZ\t~\n");
}

void TestKonverze::examples()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(converted(from, to, input), expected);
}

void TestKonverze::roundTrips_data()
{
    QTest::addColumn<int>("other");
    QTest::newRow("Kamenický") << int(Kamenicky);
    QTest::newRow("Latin 2") << int(Latin2);
    QTest::newRow("ISO 8859-2") << int(Iso8859_2);
    QTest::newRow("Windows 1250") << int(Windows1250);
}

void TestKonverze::roundTrips()
{
    QFETCH(int, other);
    const QByteArray original = windowsSample();
    const QByteArray there = converted(Windows1250, other, original);
    if (other != Windows1250)
        QVERIFY(there != original);
    QCOMPARE(converted(other, Windows1250, there), original);
}

void TestKonverze::emptyTextAndBufferIdentity()
{
    char empty[1] = {0};
    QCOMPARE(Prevest(Windows1250, Ascii, empty), empty);
    QCOMPARE(empty[0], '\0');

    QByteArray text = windowsSample();
    const qsizetype size = text.size();
    char *buffer = text.data();
    QCOMPARE(Prevest(Windows1250, Latin2, buffer), buffer);
    QCOMPARE(text.size(), size);
    QCOMPARE(qstrlen(buffer), size_t(size));
}

void TestKonverze::stopsAtNul()
{
    char text[] = "\xE1\0\xE1";
    Prevest(Windows1250, Ascii, text);
    QCOMPARE(text[0], 'a');
    QCOMPARE(text[1], '\0');
    QCOMPARE(text[2], '\xE1');
}

void TestKonverze::setNumbersOutOfRangeChangeNothing()
{
    QByteArray text = windowsSample();
    const QByteArray original = text;
    for (int bad : {0, 6, 255}) {
        Prevest(static_cast<unsigned char>(bad), Ascii, text.data());
        Prevest(Windows1250, static_cast<unsigned char>(bad), text.data());
        QCOMPARE(text, original);
        QCOMPARE(int(PrevestZnak(bad, Ascii, 0xE1)), 0xE1);
    }
    QCOMPARE(int(KodZnaku(0, 1)), 0);
    QCOMPARE(int(KodZnaku(1, 31)), 0);
}

QTEST_GUILESS_MAIN(TestKonverze)
#include "tst_konverze.moc"
