// Searching the editor's text: direction, case, whole words, and the Replace All plan.
#include "text/TextEdits.h"
#include "text/TextFile.h"
#include "text/TextSearch.h"

#include <QRandomGenerator>
#include <QTest>

using TextSearch::Options;

namespace {

QString applied(const QString &text, const TextSearch::ReplaceAllPlan &plan, qsizetype needleLength,
                const QString &replacement)
{
    QList<TextEdits::Edit> edits;
    for (qsizetype hit : plan.hits)
        edits.append(TextEdits::Edit{hit, needleLength, replacement});
    return TextEdits::applied(text, edits);
}

// Replace All done the slow way, one replacement at a time in a changing string, each
// search starting after the text just inserted.
QString replacedOneByOne(QString text, const QString &needle, const QString &replacement, qsizetype from,
                         const Options &options, int *count, qsizetype *lastStart)
{
    *count = 0;
    *lastStart = -1;
    while (true) {
        const qsizetype p = TextSearch::findDown(text, needle, from, options);
        if (p < 0)
            return text;
        text.replace(p, needle.size(), replacement);
        *lastStart = p;
        from = p + replacement.size();
        ++*count;
    }
}

// Every hit, as repeated Find Next reports them: down from the caret, each search starting
// at the end of the last hit; up from it, each before the last hit's start (in text order).
QList<qsizetype> hitsDown(const QString &text, const QString &needle, qsizetype caret, const Options &options)
{
    QList<qsizetype> hits;
    for (qsizetype p = caret; (p = TextSearch::findDown(text, needle, p, options)) >= 0; p += needle.size())
        hits << p;
    return hits;
}

QList<qsizetype> hitsUp(const QString &text, const QString &needle, qsizetype caret, const Options &options)
{
    QList<qsizetype> hits;
    for (qsizetype p = caret; (p = TextSearch::findUp(text, needle, p, options)) >= 0;)
        hits.prepend(p);
    return hits;
}

} // namespace

class TestTextSearch : public QObject
{
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void wholeWordUpAgreesWithDown_data();
    void wholeWordUpAgreesWithDown();
    void normalizeBreaks_data();
    void normalizeBreaks();
    void replaceAll_data();
    void replaceAll();
    void replaceAllAgreesWithOneByOne();
    void replaceAllStopsAtMaxCount();
};

void TestTextSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("position"); // from (down) or before (up)
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("expected");

    const QString abc2 = QStringLiteral("abc abc");
    QTest::newRow("down from 0") << abc2 << "abc" << true << 0 << false << false << 0;
    QTest::newRow("down from the first hit's end") << abc2 << "abc" << true << 3 << false << false << 4;
    QTest::newRow("down from the end: no wrap") << abc2 << "abc" << true << 7 << false << false << -1;
    QTest::newRow("down: a hit starting at from") << abc2 << "abc" << true << 4 << false << false << 4;
    QTest::newRow("down: hit must start at or after from")
        << abc2 << "abc" << true << 5 << false << false << -1;
    QTest::newRow("up from the end") << abc2 << "abc" << false << 7 << false << false << 4;
    QTest::newRow("up from the second hit") << abc2 << "abc" << false << 4 << false << false << 0;
    QTest::newRow("up: a hit ending at the start counts")
        << abc2 << "abc" << false << 3 << false << false << 0;
    QTest::newRow("up: overlapping the start does not")
        << abc2 << "abc" << false << 2 << false << false << -1;
    QTest::newRow("up from 0: no wrap") << abc2 << "abc" << false << 0 << false << false << -1;
    QTest::newRow("up, case-sensitive, overlapping text") << "aaaa"
                                                          << "aa" << false << 2 << true << false << 0;
    QTest::newRow("up, folded, overlapping text") << "aaaa"
                                                  << "AA" << false << 3 << false << false << 1;

    QTest::newRow("whole word skips a word's start") << "abc ab"
                                                     << "ab" << true << 0 << false << true << 4;
    QTest::newRow("whole word up") << "abc ab"
                                   << "ab" << false << 6 << false << true << 4;
    QTest::newRow("whole word up skips inside words") << "abc ab"
                                                      << "ab" << false << 4 << false << true << -1;
    QTest::newRow("whole word: the text is the word") << "ab"
                                                      << "ab" << true << 0 << false << true << 0;
    QTest::newRow("whole word at the text's start") << "ab,xab"
                                                    << "ab" << true << 0 << true << true << 0;
    QTest::newRow("whole word at the text's end") << "xab,ab"
                                                  << "ab" << true << 0 << true << true << 4;
    QTest::newRow("whole word up at the end") << "xab,ab"
                                              << "ab" << false << 6 << true << true << 4;
    QTest::newRow("whole word up at the start") << "ab,abx"
                                                << "ab" << false << 6 << false << true << 0;
    QTest::newRow("whole word: digits are word characters") << "1ab ab"
                                                            << "ab" << true << 0 << false << true << 4;
    QTest::newRow("whole word: underscore is a word character") << "_ab"
                                                                << "ab" << true << 0 << false << true << -1;
    QTest::newRow("whole word: Czech letters are word characters") << "žab ab"
                                                                   << "ab" << true << 0 << false << true << 4;
    QTest::newRow("whole word: line breaks bound words") << "x\nab\n"
                                                         << "ab" << true << 0 << false << true << 2;
    QTest::newRow("whole word from inside a word") << "xab ab"
                                                   << "ab" << true << 1 << false << true << 4;

    QTest::newRow("case off: ABC finds abc") << "xabc"
                                             << "ABC" << true << 0 << false << false << 1;
    QTest::newRow("case on: ABC misses abc") << "xabc"
                                             << "ABC" << true << 0 << true << false << -1;
    QTest::newRow("case off up") << "abc x"
                                 << "ABC" << false << 5 << false << false << 0;
    QTest::newRow("case on up") << "abc x"
                                << "ABC" << false << 5 << true << false << -1;
    QTest::newRow("Czech capitals fold")
        << QStringLiteral("kůň žluť") << QStringLiteral("ŽLUŤ") << true << 0 << false << false << 4;
    QTest::newRow("Ů finds ů") << QStringLiteral("kůň") << QStringLiteral("Ů") << true << 0 << false << false
                               << 1;
    QTest::newRow("Slovak ľ folds") << QStringLiteral("Ľudo ľ") << QStringLiteral("ľ") << true << 1 << false
                                    << false << 5;
    QTest::newRow("u does not find ů") << QStringLiteral("kůň") << "u" << true << 0 << false << false << -1;
    QTest::newRow("punctuation first") << "a, b, c"
                                       << ", C" << true << 0 << false << false << 4;

    QTest::newRow("across a line break") << "ab\ncd"
                                         << "b\nc" << true << 0 << false << false << 1;
    QTest::newRow("empty needle") << "abc"
                                  << "" << true << 0 << false << false << -1;
    QTest::newRow("empty needle up") << "abc"
                                     << "" << false << 3 << false << false << -1;
    QTest::newRow("needle longer than the text") << "ab"
                                                 << "abc" << true << 0 << false << false << -1;
    QTest::newRow("needle longer than the text up") << "ab"
                                                    << "abc" << false << 2 << false << false << -1;
    QTest::newRow("from past the end") << "abc"
                                       << "c" << true << 10 << false << false << -1;
    QTest::newRow("before past the end") << "abc"
                                         << "c" << false << 10 << false << false << 2;
    QTest::newRow("empty text") << ""
                                << "a" << true << 0 << false << false << -1;
}

void TestTextSearch::find()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, down);
    QFETCH(int, position);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, expected);
    const Options options{matchCase, wholeWord};
    const qsizetype hit = down ? TextSearch::findDown(text, needle, position, options)
                               : TextSearch::findUp(text, needle, position, options);
    QCOMPARE(hit, qsizetype(expected));
}

// Whole words found upward are those found downward, from either end and from a caret. The
// needles are single words, so whole-word hits cannot overlap and both directions must meet
// the same ones.
void TestTextSearch::wholeWordUpAgreesWithDown_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QList<qsizetype>>("hits");

    using Hits = QList<qsizetype>;
    QTest::newRow("ab inside xab and abx is no hit") << "xab ab abx"
                                                     << "ab" << false << 0 << Hits{4};
    QTest::newRow("at the text's start and end") << "ab x ab"
                                                 << "ab" << false << 3 << Hits{0, 5};
    QTest::newRow("the text is the word") << "ab"
                                          << "ab" << true << 0 << Hits{0};
    QTest::newRow("next to Czech letters")
        << QStringLiteral("žab ab abč Ab") << "ab" << false << 6 << Hits{4, 11};
    QTest::newRow("next to digits") << "1ab ab2 ab"
                                    << "ab" << false << 5 << Hits{8};
    QTest::newRow("Czech word, case folded")
        << QStringLiteral("ŽLUŤ žluťoučký žluť") << QStringLiteral("žluť") << false << 4 << Hits{0, 15};
    QTest::newRow("case kept") << "Ab ab"
                               << "ab" << true << 0 << Hits{3};
    QTest::newRow("hits touching the caret on both sides") << "ab,ab.ab"
                                                           << "ab" << false << 5 << Hits{0, 3, 6};
    QTest::newRow("caret inside a word just before ab") << "xab ab"
                                                        << "ab" << false << 1 << Hits{4};
    QTest::newRow("caret inside a word just after ab") << "abx ab"
                                                       << "ab" << false << 2 << Hits{4};
}

void TestTextSearch::wholeWordUpAgreesWithDown()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(int, caret);
    QFETCH(QList<qsizetype>, hits);
    const Options options{matchCase, true};
    QCOMPARE(hitsDown(text, needle, 0, options), hits);
    QCOMPARE(hitsUp(text, needle, text.size(), options), hits);
    // From the caret each way: the hits that start at or after it, and those that end at or
    // before it.
    QList<qsizetype> after, before;
    for (const qsizetype hit : hits) {
        if (hit >= caret)
            after << hit;
        else if (hit + needle.size() <= caret)
            before << hit;
    }
    QCOMPARE(hitsDown(text, needle, caret, options), after);
    QCOMPARE(hitsUp(text, needle, caret, options), before);
}

void TestTextSearch::normalizeBreaks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR") << "a\rb"
                        << "a\nb";
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a\nb";
    QTest::newRow("LF") << "a\nb"
                        << "a\nb";
    QTest::newRow("LF CR is two") << "a\n\rb"
                                  << "a\n\nb";
    QTest::newRow("trailing CR") << "a\r"
                                 << "a\n";
    QTest::newRow("none") << "abc"
                          << "abc";
}

void TestTextSearch::normalizeBreaks()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(TextFile::normalizeBreaks(input), expected);
}

void TestTextSearch::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");

    QTest::newRow("a by aa is not searched again") << "aaa"
                                                   << "a"
                                                   << "aa" << 0 << false << false << "aaaaaa" << 3;
    QTest::newRow("starting mid-text") << "a b a b a"
                                       << "a"
                                       << "x" << 3 << false << false << "a b x b x" << 2;
    QTest::newRow("starting inside a hit") << "abab"
                                           << "ab"
                                           << "X" << 1 << false << false << "abX" << 1;
    QTest::newRow("nothing found") << "abc"
                                   << "x"
                                   << "y" << 0 << false << false << "abc" << 0;
    QTest::newRow("replaced by nothing") << "a,a,a"
                                         << "a"
                                         << "" << 0 << false << false << ",," << 3;
    QTest::newRow("case folded") << QStringLiteral("Kůň KŮŇ kůň") << QStringLiteral("kůň") << "x" << 0
                                 << false << false << "x x x" << 3;
    QTest::newRow("case kept") << QStringLiteral("Kůň KŮŇ kůň") << QStringLiteral("kůň") << "x" << 0 << true
                               << false << QStringLiteral("Kůň KŮŇ x") << 1;
    QTest::newRow("whole words only") << "cat catalog cat"
                                      << "cat"
                                      << "dog" << 0 << false << true << "dog catalog dog" << 2;
    // The search after a replacement sees the inserted text before it: "-a" at 2 follows
    // "a" in the old text, but follows "x-" once the first hit is replaced.
    QTest::newRow("whole word sees the replacement before it") << "-a-a"
                                                               << "-a"
                                                               << "x-" << 0 << false << true << "x-x-" << 2;
    QTest::newRow("whole word after an empty replacement at the start")
        << "-a-a-a"
        << "-a"
        << "" << 0 << false << true << "" << 3;
    QTest::newRow("whole word after an empty replacement") << "x -a-a"
                                                           << "-a"
                                                           << "" << 0 << false << true << "x " << 2;
    QTest::newRow("empty search text") << "abc"
                                       << ""
                                       << "x" << 0 << false << false << "abc" << 0;
    QTest::newRow("from the end") << "abc"
                                  << "c"
                                  << "x" << 3 << false << false << "abc" << 0;
}

void TestTextSearch::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(QString, replacement);
    QFETCH(int, from);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(QString, expected);
    QFETCH(int, count);
    const auto plan =
        TextSearch::planReplaceAll(text, needle, replacement, from, Options{matchCase, wholeWord});
    QCOMPARE(plan.count(), count);
    QCOMPARE(applied(text, plan, needle.size(), replacement), expected);
    if (count > 0) {
        QCOMPARE(expected.mid(plan.lastReplacementStart, replacement.size()), replacement);
        for (qsizetype i = 1; i < plan.hits.size(); ++i)
            QVERIFY(plan.hits[i] >= plan.hits[i - 1] + needle.size());
    }
}

// Random texts over a small alphabet, so hits touch and overlap: the one-edit plan must
// give what replacing one hit after the other gives.
void TestTextSearch::replaceAllAgreesWithOneByOne()
{
    QRandomGenerator random(1250);
    const QString alphabet = QStringLiteral("aAb -áÁ_");
    const auto randomText = [&](int maxLength) {
        QString s;
        const int n = random.bounded(maxLength + 1);
        for (int i = 0; i < n; ++i)
            s.append(alphabet[random.bounded(int(alphabet.size()))]);
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString text = randomText(24);
        QString needle = randomText(3);
        if (needle.isEmpty())
            needle = QStringLiteral("a");
        const QString replacement = randomText(3);
        const int from = random.bounded(int(text.size()) + 1);
        const Options options{random.bounded(2) == 1, random.bounded(2) == 1};
        int count = 0;
        qsizetype lastStart = -1;
        const QString expected =
            replacedOneByOne(text, needle, replacement, from, options, &count, &lastStart);
        const auto plan = TextSearch::planReplaceAll(text, needle, replacement, from, options);
        const QString context = QStringLiteral("text '%1' needle '%2' by '%3' from %4 case %5 word %6")
                                    .arg(text, needle, replacement)
                                    .arg(from)
                                    .arg(options.matchCase)
                                    .arg(options.wholeWord);
        QVERIFY2(applied(text, plan, needle.size(), replacement) == expected, qPrintable(context));
        QVERIFY2(plan.count() == count, qPrintable(context));
        if (count > 0)
            QVERIFY2(plan.lastReplacementStart == lastStart, qPrintable(context));
    }
}

// The editor's length limit: the run stops after the replacements that still fit.
void TestTextSearch::replaceAllStopsAtMaxCount()
{
    const QString text = QStringLiteral("a-a-a-a");
    const Options options;
    for (int max = 0; max <= 5; ++max) {
        const auto plan = TextSearch::planReplaceAll(text, u"a", u"bb", 0, options, max);
        const int done = qMin(max, 4);
        QCOMPARE(plan.count(), done);
        QString expected = text;
        for (int i = 0; i < done; ++i)
            expected.replace(expected.indexOf(u'a'), 1, QStringLiteral("bb"));
        QCOMPARE(applied(text, plan, 1, QStringLiteral("bb")), expected);
    }
}

QTEST_GUILESS_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
