// The full tables of the Czech 8-bit sets a page can be kept in: every byte round-trips,
// the Czech letters agree with the conversion's table, the other bytes agree with the
// system's iconv where it knows the set, and what a set lacks becomes "?".
#include "text/CodePage.h"
#include "text/Konverze.h"
#include "text/TextFile.h"

#include <QSet>
#include <QTest>

#include "TestFiles.h"

using TextFile::Encoding;

class TestCodePage : public QObject
{
    Q_OBJECT

    static QByteArray allBytes(bool withBreaksAndNul)
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            if (withBreaksAndNul || (b != 0 && b != '\r' && b != '\n'))
                bytes.append(char(b));
        return bytes;
    }

private slots:
    void everyByteRoundTrips_data()
    {
        QTest::addColumn<int>("set");
        QTest::newRow("Windows 1250") << int(Konverze::Windows1250);
        QTest::newRow("Kamenický") << int(Konverze::Kamenicky);
        QTest::newRow("Latin 2") << int(Konverze::Latin2);
        QTest::newRow("ISO 8859-2") << int(Konverze::Iso8859_2);
    }
    void everyByteRoundTrips()
    {
        QFETCH(int, set);
        const CodePage &page = CodePage::Of(set);
        QCOMPARE(page.Set(), set);
        QSet<char16_t> seen;
        for (int b = 0; b < 256; ++b) {
            const QChar c = page.ToUnicode(static_cast<unsigned char>(b));
            QVERIFY2(c != QChar::ReplacementCharacter, qPrintable(QString::number(b, 16)));
            QVERIFY2(!seen.contains(c.unicode()), qPrintable(QString::number(b, 16)));
            seen.insert(c.unicode());
            unsigned char back = 0;
            QVERIFY(page.FromUnicode(c, &back));
            QCOMPARE(int(back), b);
        }
        // Through the file codec, as a page reads and saves a file: every byte but the
        // breaks and NUL (which the editor turns into its own breaks and drops) comes back.
        const Encoding encoding = TextFile::encodingOfSet(set);
        QCOMPARE(TextFile::setOf(encoding), set);
        const QByteArray bytes = allBytes(false);
        const TextFile::Decoded d = TextFile::decodeAs(bytes, encoding, QStringLiteral("x"));
        QCOMPARE(d.format.encoding, encoding);
        QCOMPARE(d.text.size(), bytes.size());
        QCOMPARE(TextFile::unstorableCount(d.text, encoding), 0);
        QCOMPARE(TextFile::encode(d.text, d.format), bytes);
        // Line breaks follow the file: only LF stays LF, anything else is written CR LF.
        const QByteArray lf = "a\n" + bytes.right(40) + "\n";
        const TextFile::Decoded l = TextFile::decodeAs(lf, encoding, QStringLiteral("x"));
        QVERIFY(l.format.lfOnly);
        QCOMPARE(TextFile::encode(l.text, l.format), lf);
        const QByteArray mixed = "a\r\n" + bytes.right(40) + "\n";
        const TextFile::Decoded m = TextFile::decodeAs(mixed, encoding, QStringLiteral("x"));
        QVERIFY(!m.format.lfOnly);
        QCOMPARE(TextFile::encode(m.text, m.format), "a\r\n" + bytes.right(40) + "\r\n");
    }

    // The thirty Czech letters of each set are the letters of the conversion's table: a
    // page read in a set shows what the conversion from that set to Windows 1250 gives.
    void czechLettersAgreeWithTheConversion()
    {
        const CodePage &windows = CodePage::Of(Konverze::Windows1250);
        for (int set = Konverze::Windows1250; set <= Konverze::Iso8859_2; ++set) {
            for (int position = 1; position <= Konverze::PocetZnaku; ++position) {
                const QChar letter = windows.ToUnicode(KodZnaku(Konverze::Windows1250, position));
                QCOMPARE(CodePage::Of(set).ToUnicode(KodZnaku(set, position)), letter);
            }
        }
    }

    // Latin 2 and ISO 8859-2 agree with the system's iconv byte for byte (ICU leaves AA of
    // code page 852 undefined; the table has the "not" sign there, as iconv does). Kamenický,
    // which iconv lacks, has code page 437's box drawing, Greek and signs from B0 on.
    void upperBytesAgreeWithIconv_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<int>("from");
        QTest::newRow("Latin 2") << int(Konverze::Latin2) << QByteArray("CP852") << 0x80;
        QTest::newRow("ISO 8859-2") << int(Konverze::Iso8859_2) << QByteArray("ISO-8859-2") << 0x80;
        QTest::newRow("Kamenický from B0") << int(Konverze::Kamenicky) << QByteArray("CP437") << 0xB0;
    }
    void upperBytesAgreeWithIconv()
    {
        QFETCH(int, set);
        QFETCH(QByteArray, charset);
        QFETCH(int, from);
        QByteArray bytes;
        for (int b = from; b < 256; ++b)
            bytes.append(char(b));
        const QString text = CodePage::Of(set).Decode(bytes);
        const QByteArray viaIconv = TestFiles::IconvTo(text.toUtf8(), charset.constData());
        QCOMPARE(viaIconv.toHex(' '), bytes.toHex(' '));
    }

    void kamenickyHoldsTheSlovakLetters()
    {
        const CodePage &k = CodePage::Of(Konverze::Kamenicky);
        const QString slovak = QStringLiteral("äľĺôŕÄĽĹÔŔüöÜÖ§«»");
        QCOMPARE(TextFile::unstorableCount(slovak, Encoding::Kamenicky), 0);
        QCOMPARE(k.Decode(k.Encode(slovak)), slovak);
        QCOMPARE(k.Encode(QStringLiteral("ľĺŕ")), QByteArray("\x8C\x8D\xAA"));
    }

    // A byte Windows 1250 leaves undefined reads as the C1 control of its value and goes
    // back as itself; a character a set lacks becomes "?" when stored, a pair as one.
    void whatASetLacks_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Kamenický: euro, Polish ł")
            << int(Encoding::Kamenicky) << QStringLiteral("€ałč") << QStringLiteral("?a?č");
        QTest::newRow("Latin 2: euro, quotes")
            << int(Encoding::Latin2) << QStringLiteral("„€ő“") << QStringLiteral("??ő?");
        QTest::newRow("ISO 8859-2: box, euro")
            << int(Encoding::Iso8859_2) << QStringLiteral("─ť€") << QStringLiteral("?ť?");
        QTest::newRow("Windows 1250: box drawing")
            << int(Encoding::Windows1250) << QStringLiteral("░€") << QStringLiteral("?€");
    }
    void whatASetLacks()
    {
        QFETCH(int, encoding);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const auto e = Encoding(encoding);
        QCOMPARE(TextFile::storable(text, e), stored);
        QCOMPARE(TextFile::unstorableCount(text, e), stored.count(QLatin1Char('?')));
        TextFile::Format format;
        format.encoding = e;
        QCOMPARE(TextFile::encode(text, format), CodePage::Of(TextFile::setOf(e)).Encode(stored));
        // An emoji, a surrogate pair, is one character: one "?" on the page.
        QCOMPARE(TextFile::storable(QStringLiteral("a😀"), e), QStringLiteral("a?"));
        QCOMPARE(TextFile::unstorableCount(QStringLiteral("a😀"), e), 1);
    }

    void undefinedWindows1250Bytes()
    {
        const CodePage &w = CodePage::Of(Konverze::Windows1250);
        for (const unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
            QCOMPARE(w.ToUnicode(b).unicode(), char16_t(b));
            QCOMPARE(w.Encode(QString(w.ToUnicode(b))), QByteArray(1, char(b)));
        }
    }

    // A page of another set is read piece by piece like any 8-bit page, and refuses nothing.
    void pendingTextDecodesInTheSet()
    {
        QByteArray bytes;
        for (int i = 0; i < 2000; ++i)
            bytes.append("\x9C\xA0\x87 line\r\n"); // Latin 2: "ťáç line"
        TextFile::PendingText pending(bytes, 0, Encoding::Latin2, bytes.size());
        QString text;
        while (!pending.AtEnd())
            text += pending.Next(1000);
        QCOMPARE(text, QStringLiteral("ťáç line\n").repeated(2000));
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
