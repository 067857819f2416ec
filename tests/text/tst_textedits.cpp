// Edits as replaced ranges: line-by-line differences and their application.
#include "text/Cp1250.h"
#include "text/T602.h"
#include "text/TextEdits.h"

#include <QRandomGenerator>
#include <QTest>

using TextEdits::Edit;

class TestTextEdits : public QObject
{
    Q_OBJECT
private slots:
    void lineEdits_data();
    void lineEdits();
    void t602ByLines();
    void appliedSpan();
    void preferOneSpan_data();
    void preferOneSpan();
};

void TestTextEdits::lineEdits_data()
{
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<int>("edits");
    QTest::newRow("same text") << "a\nb\n"
                               << "a\nb\n"
                               << 0;
    QTest::newRow("one line changes") << "a\nb\nc\n"
                                      << "a\nB\nc\n"
                                      << 1;
    QTest::newRow("first and last") << "a\nb\nc"
                                    << "A\nb\nC" << 2;
    QTest::newRow("final break added") << "a\nb"
                                       << "a\nb\n"
                                       << 1;
    QTest::newRow("last line and final break") << "a\nb"
                                               << "a\nB\n"
                                               << 2;
    QTest::newRow("final break removed") << "a\nb\n"
                                         << "a\nb" << 1;
    QTest::newRow("a line emptied") << "a\n@HE\nc\n"
                                    << "a\n\nc\n"
                                    << 1;
    QTest::newRow("empty lines stay") << "\n\nx\n"
                                      << "\n\ny\n"
                                      << 1;
    QTest::newRow("both empty") << ""
                                << "" << 0;
    QTest::newRow("other line count: everything") << "a\nb"
                                                  << "a\nb\nc" << 1;
    QTest::newRow("from nothing") << ""
                                  << "x\n"
                                  << 1;
}

void TestTextEdits::lineEdits()
{
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(int, edits);
    const QList<Edit> list = TextEdits::lineEdits(oldText, newText);
    QCOMPARE(list.size(), edits);
    QCOMPARE(TextEdits::applied(oldText, list), newText);
    for (qsizetype i = 1; i < list.size(); ++i)
        QVERIFY(list[i].from >= list[i - 1].from + list[i - 1].length);
}

// The T602 command edits line by line: the edits must give exactly the cleaned text.
void TestTextEdits::t602ByLines()
{
    QRandomGenerator random(602);
    const QList<QByteArray> pieces = {"abc", " ", "@LH", "@HE", "\x8D", "\x13", "\xE1", "\n", "\n", "x@L"};
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes;
        const int n = random.bounded(30);
        for (int i = 0; i < n; ++i)
            bytes.append(pieces[random.bounded(int(pieces.size()))]);
        const QString oldText = Cp1250::decode(bytes);
        const QString newText = Cp1250::decode(T602::cleanText(bytes, "\n"));
        QVERIFY2(TextEdits::applied(oldText, TextEdits::lineEdits(oldText, newText)) == newText,
                 bytes.toHex().constData());
    }
}

void TestTextEdits::appliedSpan()
{
    const QString text = QStringLiteral("0123456789");
    const QString x = QStringLiteral("XX");
    const QList<Edit> edits = {Edit{2, 1, x}, Edit{5, 2, QStringView()}, Edit{9, 0, x}};
    qsizetype start = -1, length = -1;
    QCOMPARE(TextEdits::appliedSpan(text, edits, &start, &length), QStringLiteral("XX3478XX"));
    QCOMPARE(start, qsizetype(2));
    QCOMPARE(length, qsizetype(7));
    QCOMPARE(TextEdits::applied(text, edits), QStringLiteral("01XX3478XX9"));
    QCOMPARE(TextEdits::applied(text, {}), text);
}

void TestTextEdits::preferOneSpan_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("editEvery"); // an edit in every n-th line
    QTest::addColumn<bool>("oneSpan");
    QTest::newRow("every line") << 100 << 1 << true;
    QTest::newRow("every tenth line") << 100 << 10 << false;
    QTest::newRow("a single edit") << 100 << 1000 << true;
}

void TestTextEdits::preferOneSpan()
{
    QFETCH(int, lines);
    QFETCH(int, editEvery);
    QFETCH(bool, oneSpan);
    QString text;
    QList<Edit> edits;
    const QString y = QStringLiteral("y");
    for (int i = 0; i < lines; ++i) {
        if (i % editEvery == 0)
            edits.append(Edit{text.size(), 1, y});
        text.append(QStringLiteral("x line\n"));
    }
    if (edits.isEmpty())
        edits.append(Edit{0, 1, y});
    QCOMPARE(TextEdits::preferOneSpan(text, edits), oneSpan);
}

QTEST_GUILESS_MAIN(TestTextEdits)
#include "tst_textedits.moc"
