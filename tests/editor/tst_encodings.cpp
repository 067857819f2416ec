// UTF-8 pages and the guess of the Czech 8-bit sets, on the file level: decoding, writing
// back, and what enca makes of real Czech text in each set.
#include "common/TErrorText.h"
#include "text/Cp1250.h"
#include "text/TextFile.h"
#include "text/CzechSets.h"
#include "text/Konverze.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include "TestFiles.h"

using TextFile::Encoding;

namespace {

// Czech prose with every letter with a diacritic, ASCII besides, so that each 8-bit set
// holds all of it.
const char *const CzechProse =
    "Příliš žluťoučký kůň úpěl ďábelské ódy. Když jsme v úterý ráno vyjeli z Brna, pršelo\n"
    "a na silnici ležely větve, které v noci shodil vítr. Řidič autobusu jel opatrně, protože\n"
    "věděl, že za Tišnovem bývá náledí i v dubnu. Děti vzadu zpívaly písničky o myšce, která\n"
    "si ušila čepici z ořechové skořápky, a babička jim šeptem připomínala, že dědeček čeká\n"
    "na nádraží s dřevěným vozíkem. Ve vsi nás přivítal pes Žeryk, štěkal a vrtěl ocasem.\n"
    "Odpoledne jsme šli k řece, kde rostou olše a vrby. Voda byla studená, ale čistá; mezi\n"
    "kameny se mihli pstruzi. Tatínek vyprávěl, jak tu kdysi stával mlýn a mlynář Šťastný\n"
    "prodával mouku až do Žďáru. Ťapka, naše kočka, spala na radiátoru. Ďáblova rokle,\n"
    "Čertův kámen a Ňůrův důl jsou místa, o nichž se tu vypráví pověsti. Óda zazněla u Řehoře.\n";

QByteArray iconvTo(const QByteArray &utf8, const char *charset)
{
    return TestFiles::IconvTo(utf8, charset);
}

// The text in a set by the program's own letter table, from its Windows-1250 form.
QByteArray byTable(const QByteArray &utf8, int set)
{
    QByteArray bytes = Cp1250::encode(QString::fromUtf8(utf8));
    Prevest(Konverze::Windows1250, static_cast<unsigned char>(set), bytes.data(), std::size_t(bytes.size()));
    return bytes;
}

} // namespace

class TstEncodings : public QObject
{
    Q_OBJECT

private:
    TestFiles::TempFolder m_dir;

private slots:
    // A UTF-8 file read and written back unchanged is the same file, byte for byte,
    // whatever it holds, with or without a byte-order mark, LF-only or CR LF.
    void utf8RoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<bool>("lfOnly");
        QTest::newRow("czech CR LF") << QByteArray("žluťoučký\r\nkůň\r\n") << false << false;
        QTest::newRow("czech LF only") << QByteArray("žluťoučký\nkůň\n") << false << true;
        QTest::newRow("BOM CR LF") << QByteArray("\xEF\xBB\xBFPříliš\r\núpěl") << true << false;
        QTest::newRow("BOM LF only") << QByteArray("\xEF\xBB\xBFPříliš\núpěl\n") << true << true;
        QTest::newRow("BOM and ASCII only") << QByteArray("\xEF\xBB\xBFplain\r\n") << true << false;
        QTest::newRow("emoji") << QByteArray("smích \xF0\x9F\x98\x80 a \xF0\x9F\x91\x8D\n") << false << true;
        QTest::newRow("cyrillic") << QByteArray("Привет, мир\r\nčeský text\r\n") << false << false;
        QTest::newRow("no break at all") << QByteArray("€ jen jeden řádek") << false << false;
        QTest::newRow("highest code point") << QByteArray("a\xF4\x8F\xBF\xBFz") << false << false;
        QTest::newRow("BOM inside kept as a character") << QByteArray("a\xEF\xBB\xBFz\n") << false << true;
    }
    void utf8RoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, bom);
        QFETCH(bool, lfOnly);
        const QString path = m_dir.WriteFile("utf8.txt", file);
        const TextFile::Decoded d = TextFile::readDecoded(path);
        QCOMPARE(d.format.encoding, Encoding::Utf8);
        QCOMPARE(d.format.bom, bom);
        QCOMPARE(d.format.lfOnly, lfOnly);
        QCOMPARE(d.guessedSet, 0);
        QVERIFY(!d.text.contains(QLatin1Char('\r')));
        const QString out = m_dir.filePath("utf8-out.txt");
        TextFile::writeFile(out, d.text, d.format);
        QCOMPARE(TestFiles::ReadBytes(out), file);
    }

    // Mixed breaks follow the old rule (read any, write CR LF); so does a lone CR among LFs.
    void utf8MixedBreaksWriteCrLf_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("LF and CR LF") << QByteArray("č\nř\r\nž") << QByteArray("č\r\nř\r\nž");
        QTest::newRow("LF and a lone CR") << QByteArray("č\nř\rž\n") << QByteArray("č\r\nř\r\nž\r\n");
    }
    void utf8MixedBreaksWriteCrLf()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        const TextFile::Decoded d = TextFile::decode(file, QStringLiteral("f"));
        QCOMPARE(d.format.encoding, Encoding::Utf8);
        QVERIFY(!d.format.lfOnly);
        QCOMPARE(TextFile::encode(d.text, d.format), written);
    }

    // Bytes that are not UTF-8 make the file a Windows-1250 page, read byte for byte as
    // before and written back unchanged.
    void invalidUtf8IsWindows1250_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("czech in windows-1250") << QByteArray("\x9elu\x9dou\xe8k\xfd k\xf9\xf2\r\n");
        QTest::newRow("valid UTF-8, then one stray byte") << QByteArray("žluťoučký \xE8\r\n");
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF"
                                                      "b");
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF");
        QTest::newRow("surrogate half") << QByteArray("\xED\xA0\x80");
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80");
        QTest::newRow("F5 lead byte") << QByteArray("\xF5\x80\x80\x80");
        QTest::newRow("lone continuation") << QByteArray("a\x80z");
        QTest::newRow("sequence cut at the end") << QByteArray("kůň\xC5");
        QTest::newRow("BOM then latin 2") << QByteArray("\xEF\xBB\xBF\xA7lu");
    }
    void invalidUtf8IsWindows1250()
    {
        QFETCH(QByteArray, file);
        const QString path = m_dir.WriteFile("cp.txt", file);
        const TextFile::Decoded d = TextFile::readDecoded(path);
        QCOMPARE(d.format.encoding, Encoding::Windows1250);
        QVERIFY(!d.format.bom);
        QCOMPARE(d.text, TextFile::fromFileBytes(file));
        QCOMPARE(d.text.size(), file.size() - file.count("\r\n"));
        const QString out = m_dir.filePath("cp-out.txt");
        TextFile::writeFile(out, d.text, d.format);
        QCOMPARE(TestFiles::ReadBytes(out), file);
    }

    // Windows-1250 pages follow the UTF-8 rule for breaks: a file with only LF is written
    // with LF, any other (mixed, CR LF, a lone CR, none at all) with CR LF.
    void windows1250KeepsLfOnly_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("LF only") << QByteArray("\x9a\x9d\x9e\nb\n") << QByteArray("\x9a\x9d\x9e\nb\n");
        QTest::newRow("ASCII, LF only") << QByteArray("plain\nascii") << QByteArray("plain\nascii");
        QTest::newRow("CR LF") << QByteArray("\x9a\r\nb\r\n") << QByteArray("\x9a\r\nb\r\n");
        QTest::newRow("LF and CR LF") << QByteArray("\x9a\nb\r\n") << QByteArray("\x9a\r\nb\r\n");
        QTest::newRow("LF and a lone CR") << QByteArray("a\nb\rc") << QByteArray("a\r\nb\r\nc");
    }
    void windows1250KeepsLfOnly()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        const TextFile::Decoded d = TextFile::decode(file, QStringLiteral("f"));
        QCOMPARE(d.format.encoding, Encoding::Windows1250);
        QCOMPARE(TextFile::encode(d.text + QStringLiteral("\n\u010d"), d.format), written + (d.format.lfOnly ? "\n\xe8" : "\r\n\xe8"));
        QCOMPARE(TextFile::encode(d.text, d.format), written);
    }

    // A file in an encoding of 16 or 32 bits is refused: read as 8-bit text a save would
    // destroy it.
    void wideByteOrderMarksAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                                 "a\0b\0",
                                                 6)
                                   << QString("UTF-16");
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0b", 6) << QString("UTF-16");
        QTest::newRow("UTF-32 LE") << QByteArray("\xFF\xFE\0\0a\0\0\0", 8) << QString("UTF-32");
        QTest::newRow("UTF-32 BE") << QByteArray("\0\0\xFE\xFF\0\0\0a", 8) << QString("UTF-32");
    }
    void wideByteOrderMarksAreRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        const QString path = m_dir.WriteFile("wide.txt", file);
        for (int forced = 0; forced < 3; ++forced) {
            QString message;
            try {
                if (forced == 0)
                    TextFile::readDecoded(path);
                else
                    TextFile::readDecodedAs(path, forced == 1 ? Encoding::Windows1250 : Encoding::Utf8);
            } catch (const TError &e) {
                message = e.message();
            }
            QVERIFY2(message.contains(path) && message.contains(name), qPrintable(message));
        }
    }

    // Reading as UTF-8 on request drops nothing: bytes that are not UTF-8 refuse it.
    void readAsUtf8RefusesInvalidBytes()
    {
        const QString path = m_dir.WriteFile("latin.txt", "k\xf9\xf2");
        bool refused = false;
        try {
            TextFile::readDecodedAs(path, Encoding::Utf8);
        } catch (const TError &e) {
            refused = e.message().contains(path) && e.message().contains(QLatin1String("UTF-8"));
        }
        QVERIFY(refused);
        const TextFile::Decoded asked =
            TextFile::readDecodedAs(m_dir.WriteFile("ascii.txt", "abc\n"), Encoding::Utf8);
        QCOMPARE(asked.format.encoding, Encoding::Utf8);
        QCOMPARE(asked.text, QString("abc\n"));
        // Asked for Windows-1250, UTF-8 bytes come as their 8-bit letters, without a guess.
        const TextFile::Decoded cp =
            TextFile::readDecodedAs(m_dir.WriteFile("u.txt", "ž"), Encoding::Windows1250);
        QCOMPARE(cp.format.encoding, Encoding::Windows1250);
        QCOMPARE(cp.text, Cp1250::decode("ž"));
        QCOMPARE(cp.guessedSet, 0);
    }

    // The limit counts characters: a UTF-8 file of two-byte letters may take twice the bytes.
    void utf8LimitCountsCharacters()
    {
        QByteArray big;
        big.reserve(2 * TextFile::MaxLength + 2);
        for (qsizetype i = 0; i < TextFile::MaxLength; ++i)
            big.append("\xC5\xBE", 2); // ž
        const QString exact = m_dir.WriteFile("big.txt", big);
        QCOMPARE(TextFile::readDecoded(exact).text.size(), TextFile::MaxLength);
        QVERIFY(!TextFile::openText(exact).text.AtEnd()); // the editor's way counts alike
        big.append("\xC5\xBE", 2);
        const QString over = m_dir.WriteFile("big.txt", big);
        big.clear();
        for (const bool editorWay : {false, true}) {
            bool refused = false;
            try {
                if (editorWay)
                    TextFile::openText(over);
                else
                    TextFile::readDecoded(over);
            } catch (const TError &e) {
                refused = e.message().contains(over);
            }
            QVERIFY(refused);
        }
    }

    // The editor takes a file in pieces decoded one at a time: joined, they are the whole
    // decoded text, whatever the piece size, and every later piece begins with a break.
    void piecesJoinToTheWholeText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF, lone CR, LF CR, NUL") << QByteArray("ab\r\ncd\re\n\rf\0g\r\n\r\nh\r", 19);
        QTest::newRow("Windows-1250 letters") << QByteArray("\xf8\xe1\r\n\x9e\r\r\n\x9a\n\n\xe8");
        QTest::newRow("UTF-8 with a four-byte letter")
            << QByteArray("p\xC5\x99\r\n\xF0\x9F\x98\x80\r\xC5\xBE\n\n\xE2\x82\xAC\r\n");
        QTest::newRow("UTF-8 with its byte-order mark") << QByteArray("\xEF\xBB\xBF\xC5\xBE\r\na\r\nb");
        QTest::newRow("no break at all") << QByteArray("\xC5\xBE\xC5\xBE" "abc\xC5\xBE");
        QTest::newRow("only breaks") << QByteArray("\r\n\r\n\r\r\n\n");
    }
    void piecesJoinToTheWholeText()
    {
        QFETCH(QByteArray, bytes);
        const TextFile::Decoded whole = TextFile::decode(bytes, QStringLiteral("f"));
        for (qsizetype size = 1; size <= bytes.size() + 1; ++size) {
            TextFile::Opened opened = TextFile::prepare(bytes, QStringLiteral("f"));
            QCOMPARE(opened.format, whole.format);
            QString joined = opened.text.Next(size);
            while (!opened.text.AtEnd()) {
                const QString piece = opened.text.Next(size);
                QVERIFY2(piece.startsWith(QLatin1Char('\n')), qPrintable(QString::number(size)));
                joined += piece;
            }
            QCOMPARE(joined, whole.text);
            QCOMPARE(opened.text.Percent(), 100);
            // A text decoded before comes in pieces the same way.
            TextFile::PendingText text(whole.text);
            QString again = text.Next(size);
            while (!text.AtEnd())
                again += text.Next(size);
            QCOMPARE(again, whole.text);
        }
    }

    // A line far longer than a piece is cut inside, so that no piece (the part shown first
    // above all) holds megabytes; a cut never falls between CR and LF or inside a UTF-8
    // sequence, which joining the pieces back would show as a wrong text.
    void longLinesAreCut_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // Lines of 45,000 bytes, and one of two-byte and four-byte letters (a surrogate pair
        // in the decoded text), cut at 20,000 bytes or characters.
        QByteArray eight("kr\xe1tk\xfd\r\n");
        for (int i = 0; i < 100000; ++i)
            eight.append(i % 45000 == 44999 ? "\r\n" : "\x9e");
        QByteArray utf8("kr\xC3\xA1tk\xC3\xBD\r\n");
        for (int i = 0; i < 30000; ++i)
            utf8.append(i % 3 == 0 ? "\xC5\xBE" : "\xF0\x9F\x98\x80");
        QTest::newRow("Windows-1250") << eight + "\r\nend";
        QTest::newRow("UTF-8, letters of two and four bytes") << utf8 + "\r\nend";
    }
    void longLinesAreCut()
    {
        QFETCH(QByteArray, bytes);
        constexpr qsizetype Size = 20000;
        const TextFile::Decoded whole = TextFile::decode(bytes, QStringLiteral("f"));
        TextFile::Opened opened = TextFile::prepare(bytes, QStringLiteral("f"));
        QString joined;
        while (!opened.text.AtEnd()) {
            const QString piece = opened.text.Next(Size);
            QVERIFY(!piece.isEmpty());
            QVERIFY2(piece.size() <= 2 * Size, qPrintable(QString::number(piece.size())));
            joined += piece;
        }
        QCOMPARE(joined, whole.text);
        TextFile::PendingText text(whole.text);
        QString again;
        while (!text.AtEnd()) {
            const QString piece = text.Next(Size);
            QVERIFY(!piece.isEmpty());
            QVERIFY(piece.size() <= 2 * Size);
            again += piece;
        }
        QCOMPARE(again, whole.text);
    }

    // Whether a file is over the limit is counted without decoding it: the count agrees
    // with the decoded length right at the limit, in both encodings.
    void lengthCountedWithoutDecoding_data() { piecesJoinToTheWholeText_data(); }
    void lengthCountedWithoutDecoding()
    {
        QFETCH(QByteArray, bytes);
        const qsizetype length = TextFile::decode(bytes, QStringLiteral("f")).text.size();
        for (qsizetype limit = 0; limit <= length + 1; ++limit) {
            const TextFile::Opened opened = TextFile::prepare(bytes, QStringLiteral("f"));
            QCOMPARE(opened.text.Exceeds(limit), length > limit);
        }
    }

    void storableByEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lostIn1250");
        QTest::addColumn<QString>("as1250");
        QTest::addColumn<QString>("asUtf8");
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("czech") << QString("žluťoučký") << 0 << QString("žluťoučký") << QString("žluťoučký");
        QTest::newRow("cyrillic") << QString("мир č") << 3 << QString("??? č") << QString("мир č");
        QTest::newRow("emoji counts once")
            << ("a" + emoji + "b") << 1 << QString("a?b") << ("a" + emoji + "b");
        QTest::newRow("NUL dropped in both")
            << (QString(QChar(0)) + "x") << 0 << QString("x") << QString("x");
        QTest::newRow("half a pair") << (QString("a") + QChar(0xD83D) + "b") << 1 << QString("a?b")
                                     << (QString("a") + QChar(QChar::ReplacementCharacter) + "b");
    }
    void storableByEncoding()
    {
        QFETCH(QString, text);
        QFETCH(int, lostIn1250);
        QFETCH(QString, as1250);
        QFETCH(QString, asUtf8);
        QCOMPARE(TextFile::unstorableCount(text, Encoding::Windows1250), qsizetype(lostIn1250));
        QCOMPARE(TextFile::storable(text, Encoding::Windows1250), as1250);
        QCOMPARE(TextFile::storable(text, Encoding::Utf8), asUtf8);
    }

    // ---- the guess of the 8-bit set ----

    // Our letter table and iconv agree on the sets iconv knows: the samples below are the
    // same text in each set.
    void samplesAgreeWithIconv()
    {
        const QByteArray utf8(CzechProse);
        QCOMPARE(iconvTo(utf8, "CP1250"), Cp1250::encode(QString::fromUtf8(utf8)));
        QCOMPARE(iconvTo(utf8, "IBM852"), byTable(utf8, Konverze::Latin2));
        QCOMPARE(iconvTo(utf8, "ISO-8859-2"), byTable(utf8, Konverze::Iso8859_2));
    }

    void guessesTheSet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("set");
        const QByteArray utf8(CzechProse);
        QTest::newRow("Windows 1250 (iconv)") << iconvTo(utf8, "CP1250") << int(Konverze::Windows1250);
        QTest::newRow("Latin 2 (iconv)") << iconvTo(utf8, "IBM852") << int(Konverze::Latin2);
        QTest::newRow("ISO 8859-2 (iconv)") << iconvTo(utf8, "ISO-8859-2") << int(Konverze::Iso8859_2);
        QTest::newRow("Kamenický (our table)")
            << byTable(utf8, Konverze::Kamenicky) << int(Konverze::Kamenicky);
        QTest::newRow("one line of Latin 2")
            << iconvTo(utf8.left(utf8.indexOf('\n')), "IBM852") << int(Konverze::Latin2);
        QTest::newRow("ASCII only") << QByteArray("Prilis zlutoucky kun upel dabelske ody.\n") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("one word: unsure") << iconvTo("kůň", "IBM852") << 0;
        QTest::newRow("two words: unsure") << byTable("čaj s medem", Konverze::Kamenicky) << 0;
        // Without Š Ť Ž š ť ž Windows 1250 and ISO 8859-2 read alike: no ISO 8859-2 guess.
        const QByteArray noSTZ =
            iconvTo("Večer jsme seděli u kamen, pili čaj a četli noviny o cestě na "
                    "sever, kde lední medvědi loví tuleně a slunce v létě nezapadá.\n"
                    "Řidič autobusu jel opatrně, věděl, kde bývá náledí i v dubnu. Děti "
                    "vzadu zpívaly písničky, babička jim připomínala, kde dědeček čeká.\n",
                    "ISO-8859-2");
        QVERIFY(!noSTZ.isEmpty());
        QTest::newRow("ISO 8859-2 without its own letters") << noSTZ << 0;
        // ISO 8859-2 bytes beside a Windows 1250 ž: both sets' letters, so no ISO guess.
        QTest::newRow("ISO 8859-2 with a 9E byte") << (iconvTo(utf8, "ISO-8859-2") + "\x9e") << 0;
    }
    void guessesTheSet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, set);
        QCOMPARE(CzechSets::Guess(bytes), set);
        // Opening such a file gives a Windows-1250 page that carries the guess.
        if (!bytes.isEmpty()) {
            const TextFile::Decoded d = TextFile::decode(bytes, QStringLiteral("f"));
            QCOMPARE(d.format.encoding, Encoding::Windows1250);
            QCOMPARE(d.guessedSet, set);
        }
    }

    // A long file is judged by its head and samples of the rest: Latin 2 text after an
    // ASCII head longer than the head enca reads is still found.
    void guessReadsSamplesOfTheRest()
    {
        const QByteArray latin2 = iconvTo(CzechProse, "IBM852");
        QByteArray bytes(CzechSets::HeadBytes + 1000, 'a');
        for (int i = 0; i < 16 * 1024 * 1024 / latin2.size(); ++i)
            bytes += latin2;
        QVERIFY(bytes.size() > 16 * 1024 * 1024);
        const QByteArray sample = CzechSets::Sample(bytes);
        QVERIFY(sample.size() < 256 * 1024);
        QVERIFY(sample.startsWith(bytes.left(CzechSets::HeadBytes)));
        QVERIFY(sample.endsWith(bytes.right(CzechSets::SampleBytes)));
        QCOMPARE(CzechSets::Guess(bytes), int(Konverze::Latin2));
        // The conversion of the bar turns it into the right letters.
        QCOMPARE(CzechSets::ToWindows1250(Cp1250::decode(latin2), Konverze::Latin2),
                 QString::fromUtf8(CzechProse));
    }
};

QTEST_GUILESS_MAIN(TstEncodings)
#include "tst_encodings.moc"
