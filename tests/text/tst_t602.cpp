// Clean-up of T602 documents opened as text: four marks, the first of each per line.
#include "text/T602.h"

#include <QTest>

class TestT602 : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void text_data();
    void text();
    void documentStart_data();
    void documentStart();
};

void TestT602::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("@LH with two more characters") << QByteArray("@LH 6abc") << QByteArray("abc");
    QTest::newRow("only the first @HE goes") << QByteArray("a @HE b @HE c") << QByteArray("a  b @HE c");
    QTest::newRow("0x8D twice: the first goes") << QByteArray("x\x8Dy\x8Dz") << QByteArray("xy\x8Dz");
    QTest::newRow("a genuine Ť goes too") << QByteArray("\x8D"
                                                        "ab")
                                          << QByteArray("ab");
    QTest::newRow("@LH at the line's end") << QByteArray("abc@LH") << QByteArray("abc");
    QTest::newRow("@LH one short of the end") << QByteArray("abc@LHx") << QByteArray("abc");
    QTest::newRow("0x13 twice") << QByteArray("a\x13"
                                              "b\x13")
                                << QByteArray("ab\x13");
    QTest::newRow("all four marks") << QByteArray("\x8D@LH12x\x13y@HEz") << QByteArray("xyz");
    QTest::newRow("marks are case-sensitive") << QByteArray("@lh @he") << QByteArray("@lh @he");
    // Each step sees the line as the earlier steps left it: removing 0x8D joins "@L" and
    // "H" into a mark that step 2 then removes.
    QTest::newRow("an earlier step makes a mark") << QByteArray("@L\x8DH12ab") << QByteArray("ab");
    QTest::newRow("@HE made by removing 0x13") << QByteArray("x@H\x13"
                                                             "Ey")
                                               << QByteArray("xy");
    QTest::newRow("empty line") << QByteArray() << QByteArray();
    QTest::newRow("no marks") << QByteArray("plain text \xE1") << QByteArray("plain text \xE1");
}

void TestT602::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, expected);
    QCOMPARE(T602::cleanLine(line), expected);
}

void TestT602::text_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty text stays empty") << QByteArray() << QByteArray();
    QTest::newRow("mark at a line end leaves the next line") << QByteArray("abc@LH\r\n@LH 6def\r\n")
                                                             << QByteArray("abc\n"
                                                                           "def\n");
    QTest::newRow("mark in two lines, each loses its first") << QByteArray("a@HE@HE\nb@HE@HE")
                                                             << QByteArray("a@HE\n"
                                                                           "b@HE\n");
    QTest::newRow("CR, LF and CR LF breaks") << QByteArray("a\rb\nc\r\nd") << QByteArray("a\nb\nc\nd\n");
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QByteArray("a\n\nb\n");
    QTest::newRow("empty lines kept") << QByteArray("\n\n") << QByteArray("\n\n");
    QTest::newRow("last line gains a break") << QByteArray("x") << QByteArray("x\n");
    QTest::newRow("@LH does not reach into the next line") << QByteArray("@LH\nabc") << QByteArray("\nabc\n");
}

void TestT602::text()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(T602::cleanText(text, "\n"), expected);
    QByteArray withCrLf = expected;
    withCrLf.replace("\n", "\r\n");
    QCOMPARE(T602::cleanText(text), withCrLf);
}

void TestT602::documentStart_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("document");
    QTest::newRow("two dot commands first") << QByteArray("@CT 0\r\n@LM 1\r\ntext\r\n") << true;
    QTest::newRow("four commands, LF breaks") << QByteArray("@CT 0\n@LM 1\n@RM 80\n@PL 60\nx\n") << true;
    QTest::newRow("commands without values") << QByteArray("@MT\r\n@MB\r\n") << true;
    QTest::newRow("second command on the fifth line")
        << QByteArray("@OP\r\nTitul\r\n\r\n\x8D\r\n@PN 1\r\nrest") << true;
    QTest::newRow("second command on the sixth line") << QByteArray("@OP\na\nb\nc\nd\n@PN 1\n") << false;
    QTest::newRow("one dot command only") << QByteArray("@CT 0\r\nPříliš\r\nžluťoučký\r\n") << false;
    QTest::newRow("an address line and a mention") << QByteArray("@home\r\nmail @LM 1\r\n") << false;
    QTest::newRow("three letters are no command") << QByteArray("@CTX\r\n@LMN 1\r\n") << false;
    QTest::newRow("an @ alone") << QByteArray("@\r\n@\r\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestT602::documentStart()
{
    QFETCH(QByteArray, head);
    QFETCH(bool, document);
    QCOMPARE(T602::IsDocument(head), document);
}

QTEST_GUILESS_MAIN(TestT602)
#include "tst_t602.moc"
