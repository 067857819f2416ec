// The page layout of printing with fixed character widths: breaks, tabs, form feeds and
// page ends, without a printer.
#include "editor/print/PrintLayout.h"

#include <QTest>

namespace {

// Every character 10 pixels wide except "W" (20) and "i" (5); 12 pixels high.
class FixedMetrics : public TPrintMetrics
{
public:
    mutable qint64 measured = 0; // characters measured so far
    qreal Width(QStringView text) const override
    {
        measured += text.size();
        qreal w = 0;
        for (QChar c : text)
            w += c == u'W' ? 20 : c == u'i' ? 5 : 10;
        return w;
    }
    qreal Height() const override { return 12; }
    qreal AverageCharWidth() const override { return 10; }
};

// Records the output as "page:x,y:text" entries.
class RecordingSink : public TPrintSink
{
public:
    QStringList pieces;
    int page = 1;
    void DrawText(qreal x, qreal y, QStringView text) override
    {
        pieces << QStringLiteral("%1:%2,%3:%4").arg(page).arg(x).arg(y).arg(text);
    }
    void NewPage() override { ++page; }
};

// Lays the text out line by line as printing does: each line followed by a break.
struct Printed
{
    QStringList pieces;
    int pages = 0;
};
Printed print(const QStringList &lines, qreal width, qreal height)
{
    FixedMetrics metrics;
    RecordingSink sink;
    TPrintLayout layout(metrics, width, height, sink);
    for (const QString &line : lines) {
        layout.Write(line);
        layout.LineBreak();
    }
    if (layout.PageCount() != sink.page)
        return {
            {QStringLiteral("page count %1 against %2 pages started").arg(layout.PageCount()).arg(sink.page)},
            -1};
    return {sink.pieces, sink.page};
}

} // namespace

class TstPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<qreal>("height");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<int>("pages");

        // Drawn lines are 12 + 2 = 14 high; empty lines 12.
        QTest::newRow("empty text: one blank page") << QStringList() << 100.0 << 200.0 << QStringList() << 1;
        QTest::newRow("one empty line") << QStringList{QString()} << 100.0 << 200.0 << QStringList() << 1;
        QTest::newRow("lines go down by their height")
            << QStringList{"abc", "", "de"} << 100.0 << 200.0 << QStringList{"1:0,0:abc", "1:0,26:de"} << 1;
        QTest::newRow("long line breaks at the last character that fits")
            << QStringList{"abcdefghijKLMNOPQRSTuv", "x"} << 100.0 << 200.0
            << QStringList{"1:0,0:abcdefghij", "1:0,14:KLMNOPQRST", "1:0,28:uv", "1:0,42:x"} << 1;
        QTest::newRow("breaks inside words, blanks are characters")
            << QStringList{"slovo slovo"} << 80.0 << 200.0 << QStringList{"1:0,0:slovo sl", "1:0,14:ovo"}
            << 1;
        QTest::newRow("proportional widths: exactly full fits")
            << QStringList{"WWWWWiiW"} << 100.0 << 200.0 << QStringList{"1:0,0:WWWWW", "1:0,14:iiW"} << 1;
        QTest::newRow("a character wider than the page is drawn alone")
            << QStringList{"ab"} << 5.0 << 200.0 << QStringList{"1:0,0:a", "1:0,14:b"} << 1;
        QTest::newRow("tab to the next stop of 8 average widths")
            << QStringList{"a\tb\tc"} << 200.0 << 200.0 << QStringList{"1:0,0:a", "1:80,0:b", "1:160,0:c"}
            << 1;
        QTest::newRow("tab on a stop moves to the next one")
            << QStringList{"12345678\tb"} << 200.0 << 200.0 << QStringList{"1:0,0:12345678", "1:160,0:b"}
            << 1;
        QTest::newRow("tab past the width goes on the next line")
            << QStringList{"123456789\tb"} << 100.0 << 200.0 << QStringList{"1:0,0:123456789", "1:0,14:b"}
            << 1;
        QTest::newRow("text after a tab breaks at the width")
            << QStringList{"\tabc"} << 100.0 << 200.0 << QStringList{"1:80,0:ab", "1:0,14:c"} << 1;
        QTest::newRow("nothing fits after a tab: next line")
            << QStringList{"\t\tWa"} << 170.0 << 200.0 << QStringList{"1:0,12:Wa"} << 1;
        QTest::newRow("form feed starts a new page") << QStringList{"a\fb", "c"} << 100.0 << 200.0
                                                     << QStringList{"1:0,0:a", "2:0,0:b", "2:0,14:c"} << 2;
        QTest::newRow("form feed on a line of its own")
            << QStringList{"a", "\f", "b"} << 100.0 << 200.0 << QStringList{"1:0,0:a", "2:0,12:b"} << 2;
        QTest::newRow("two form feeds leave a blank page")
            << QStringList{"a\f\fb"} << 100.0 << 200.0 << QStringList{"1:0,0:a", "3:0,0:b"} << 3;
        QTest::newRow("a final form feed adds no blank page")
            << QStringList{"a\f"} << 100.0 << 200.0 << QStringList{"1:0,0:a"} << 1;
        // Page height 60: after a drawn line y must stay within 60 - 2 * 14 = 32.
        QTest::newRow("page ends when the next line would start below H - 2 line heights")
            << QStringList{"a", "b", "c", "d"} << 100.0 << 60.0
            << QStringList{"1:0,0:a", "1:0,14:b", "1:0,28:c", "2:0,0:d"} << 2;
        QTest::newRow("the last line filling the page adds no blank page")
            << QStringList{"a", "b", "c"} << 100.0 << 60.0 << QStringList{"1:0,0:a", "1:0,14:b", "1:0,28:c"}
            << 1;
        // Empty lines are 12 high and may run down to H itself (five of them: y = 60); text is
        // then drawn only where it fits above the page's bottom edge.
        QTest::newRow("text below empty lines fits above the bottom")
            << QStringList{"", "", "", "", "x"} << 100.0 << 60.0 << QStringList{"1:0,48:x"} << 1;
        QTest::newRow("text is never drawn past the bottom")
            << QStringList{"", "", "", "", "", "x"} << 100.0 << 60.0 << QStringList{"2:0,0:x"} << 2;
        QTest::newRow("a page of empty lines is a blank page")
            << QStringList{"", "", "", "", "", "", "", "", "", "", "", "", "x"} << 100.0 << 60.0
            << QStringList{"3:0,0:x"} << 3;
        QTest::newRow("wrapped pieces follow the page-end rule")
            << QStringList{"abcdefghijklmnopqrstuvwxyz1234567890"} << 100.0 << 60.0
            << QStringList{"1:0,0:abcdefghij", "1:0,14:klmnopqrst", "1:0,28:uvwxyz1234", "2:0,0:567890"} << 2;
    }
    void layout()
    {
        QFETCH(QStringList, lines);
        QFETCH(qreal, width);
        QFETCH(qreal, height);
        QFETCH(QStringList, pieces);
        QFETCH(int, pages);
        const Printed printed = print(lines, width, height);
        QCOMPARE(printed.pieces, pieces);
        QCOMPARE(printed.pages, pages);
    }

    // Breaks given inside the written text act as the line-by-line calls do.
    void writeTakesBreaksInline()
    {
        FixedMetrics metrics;
        RecordingSink sink;
        TPrintLayout layout(metrics, 100, 60, sink);
        layout.Write(u"a\nb\nc\nd");
        QCOMPARE(sink.pieces, (QStringList{"1:0,0:a", "1:0,14:b", "1:0,28:c", "2:0,0:d"}));
        QCOMPARE(layout.PageCount(), 2);
    }

    void fittingLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("available");
        QTest::addColumn<int>("fit");
        QTest::newRow("empty") << QString() << 100.0 << 0;
        QTest::newRow("no room") << QString("abc") << 0.0 << 0;
        QTest::newRow("less than one character") << QString("abc") << 9.9 << 0;
        QTest::newRow("all fits") << QString("abc") << 100.0 << 3;
        QTest::newRow("exactly") << QString("abcde") << 50.0 << 5;
        QTest::newRow("narrow letters beyond the estimate") << QString(40, u'i') + "x" << 100.0 << 20;
        QTest::newRow("wide letters below the estimate") << QString(40, u'W') << 100.0 << 5;
        QTest::newRow("wide then narrow") << QString("WWWiiiiiiiiiiiiiii") << 100.0 << 11;
    }
    void fittingLength()
    {
        QFETCH(QString, text);
        QFETCH(qreal, available);
        QFETCH(int, fit);
        FixedMetrics metrics;
        QCOMPARE(TPrintLayout::FittingLength(metrics, text, available), qsizetype(fit));
    }

    // A line of a megabyte is measured about one printed line at a time, never whole for
    // every printed line (which took minutes).
    void longLineIsNotMeasuredWhole()
    {
        FixedMetrics metrics;
        RecordingSink sink;
        TPrintLayout layout(metrics, 800, 1e9, sink);
        const QString line = QString(1000 * 1000, u'x');
        layout.Write(line);
        QCOMPARE(sink.pieces.size(), 1000 * 1000 / 80);
        QVERIFY2(metrics.measured < 20 * qint64(line.size()), qPrintable(QString::number(metrics.measured)));
    }
};

QTEST_GUILESS_MAIN(TstPrintLayout)
#include "tst_printlayout.moc"
