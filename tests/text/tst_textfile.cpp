// Reading and writing the editor's Windows-1250 files, without widgets.
#include "common/TErrorText.h"
#include "text/Cp1250.h"
#include "text/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTest>

#include "TestFiles.h"

class TstTextFile : public QObject
{
    Q_OBJECT

private:
    TestFiles::TempFolder m_dir;

private slots:
    void lineBreaks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("lone LF") << QByteArray("a\nb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("lone CR") << QByteArray("a\rb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QString("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("LF CR is two breaks")
            << QByteArray("a\n\rb") << QString("a\n\nb") << QByteArray("a\r\n\r\nb");
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QString("a\n\nb") << QByteArray("a\r\n\r\nb");
        QTest::newRow("trailing CR") << QByteArray("a\r") << QString("a\n") << QByteArray("a\r\n");
        QTest::newRow("empty") << QByteArray() << QString() << QByteArray();
        QTest::newRow("NUL dropped, neighbours kept")
            << QByteArray("a\0b\0\0c", 6) << QString("abc") << QByteArray("abc");
    }
    void lineBreaks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        const QString path = m_dir.WriteFile("breaks.txt", file);
        const QString read = TextFile::readFile(path);
        QCOMPARE(read, text);
        const QString out = m_dir.filePath("out.txt");
        TextFile::writeFile(out, read);
        QCOMPARE(TestFiles::ReadBytes(out), written);
    }

    // Every byte but CR, LF and NUL survives a read and a write unchanged.
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString path = m_dir.WriteFile("bytes.txt", all);
        const QString text = TextFile::readFile(path);
        QCOMPARE(text.size(), all.size());
        const QString out = m_dir.filePath("bytes-out.txt");
        TextFile::writeFile(out, text);
        QCOMPARE(TestFiles::ReadBytes(out), all);
    }

    // The Czech letters come out as the characters the platform's own decoder gives.
    void czechLettersDecodeAsWindows1250()
    {
        const QByteArray bytes("\xe1\xe8\xef\xe9\xec\xed\xf2\xf3\xf8\x9a\x9d\xfa\xf9\xfd\x9e"
                               "\xc1\xc8\xcf\xc9\xcc\xcd\xd2\xd3\xd8\x8a\x8d\xda\xd9\xdd\x8e");
        QStringDecoder reference("windows-1250");
        QCOMPARE(TextFile::fromFileBytes(bytes), reference.decode(bytes));
        QCOMPARE(TextFile::fromFileBytes(bytes), QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"));
    }

    void sanitizeReplacesWhatCannotBeStored_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("czech kept") << QString("žluťoučký") << QString("žluťoučký");
        QTest::newRow("cyrillic") << QString("aжb") << QString("a?b");
        QTest::newRow("euro kept") << QString("5 €") << QString("5 €");
        QTest::newRow("emoji is one ?") << QString::fromUtf8("x\xF0\x9F\x98\x80y") << QString("x?y");
        QTest::newRow("NUL dropped") << QString(QChar(0)) + "a" << QString("a");
    }
    void sanitizeReplacesWhatCannotBeStored()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(Cp1250::sanitize(in), out);
    }

    void badInputIsRefused()
    {
        const auto fails = [](const QString &path, const QString &expectedStart) {
            try {
                TextFile::readFile(path);
            } catch (const TError &e) {
                return e.message().startsWith(expectedStart);
            }
            return false;
        };
        QVERIFY(fails(m_dir.filePath("missing.txt"), "Cannot open file "));
        QVERIFY(fails(m_dir.path(), "Cannot open file "));
        // A binary file reads without a crash; its NUL bytes are gone.
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char(i * 7));
        const QString bin = m_dir.WriteFile("binary.bin", binary);
        QVERIFY(!TextFile::readFile(bin).contains(QChar(0)));
    }

    // A file longer than the editor holds is refused whole, never cut.
    void fileOverTheLimitIsRefused()
    {
        QByteArray big(TextFile::MaxLength, 'x');
        const QString exact = m_dir.WriteFile("exact.txt", big);
        QCOMPARE(TextFile::readFile(exact).size(), TextFile::MaxLength);
        big.append('y');
        const QString over = m_dir.WriteFile("over.txt", big);
        bool refused = false;
        try {
            TextFile::readFile(over);
        } catch (const TError &e) {
            refused = e.message().contains(over);
        }
        QVERIFY(refused);
    }

    // A failed write leaves the old file as it was.
    void failedWriteKeepsOldFile()
    {
        const QString path = m_dir.WriteFile("keep.txt", "old contents");
        bool failed = false;
        try {
            TextFile::writeFile(m_dir.filePath("no-such-dir/new.txt"), "x");
        } catch (const TError &e) {
            failed = e.message().startsWith("Cannot create file ");
        }
        QVERIFY(failed);
        failed = false;
        try {
            TextFile::writeFile(m_dir.path(), "x"); // a folder cannot be written as a file
        } catch (const TError &) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(TestFiles::ReadBytes(path), QByteArray("old contents"));
    }

    void errorBoxTextRules_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("full stop added") << QString("Cannot open file x") << QString("Cannot open file x.");
        QTest::newRow("ends in full stop") << QString("Done.") << QString("Done.");
        QTest::newRow("ends in a character before it") << QString("Why!") << QString("Why!");
        QTest::newRow("ends in a letter with diacritics") << QString("Chyba č") << QString("Chyba č.");
        QTest::newRow("ends in slash, after full stop") << QString("/tmp/") << QString("/tmp/.");
    }
    void errorBoxTextRules()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(ErrorBoxText(in), out);
    }

    void exeBaseName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("base");
        QTest::newRow("linux") << QString("/usr/bin/quortosk") << QString("quortosk");
        QTest::newRow("windows") << QString("C:/Program Files/QUORTOSK.EXE") << QString("QUORTOSK");
    }
    void exeBaseName()
    {
        QFETCH(QString, path);
        QFETCH(QString, base);
        QCOMPARE(ExeBaseName(path), base);
        QCOMPARE(AddBackslash(QString()), QString());
        QCOMPARE(AddBackslash("/tmp"), QString("/tmp/"));
        QCOMPARE(AddBackslash("/tmp/"), QString("/tmp/"));
    }
};

QTEST_GUILESS_MAIN(TstTextFile)
#include "tst_textfile.moc"
