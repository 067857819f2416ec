// Texts of the status bar panels: number format, long hints, caret and key panels.
#include "app/shell/TStatusText.h"

#include <QTest>

namespace {

// Expected texts are written with "_" where the locale's group separator goes.
QString withSeparator(QString text, const QLocale &locale)
{
    return text.replace(QLatin1Char('_'), locale.groupSeparator());
}

} // namespace

class TestStatusText : public QObject
{
    Q_OBJECT
private slots:
    void number_data();
    void number();
    void separatorsOfCommonLocales_data();
    void separatorsOfCommonLocales();
    void longHint_data();
    void longHint();
    void caretPanels_data();
    void caretPanels();
    void keyPanels_data();
    void keyPanels();
};

void TestStatusText::number_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    for (const char *name : {"cs_CZ", "en_US", "de_DE", "C"}) {
        const QString l = QLatin1String(name);
        QTest::addRow("%s zero", name) << l << qint64(0) << "0";
        QTest::addRow("%s one digit", name) << l << qint64(7) << "7";
        QTest::addRow("%s three digits", name) << l << qint64(999) << "999";
        QTest::addRow("%s four digits", name) << l << qint64(1000) << "1_000";
        QTest::addRow("%s 1234", name) << l << qint64(1234) << "1_234";
        QTest::addRow("%s six digits", name) << l << qint64(123456) << "123_456";
        QTest::addRow("%s seven digits", name) << l << qint64(1234567) << "1_234_567";
        QTest::addRow("%s largest position", name) << l << qint64(16777215) << "16_777_215";
    }
}

void TestStatusText::number()
{
    QFETCH(QString, locale);
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    const QLocale loc(locale);
    QCOMPARE(StatusText::Number(value, loc), withSeparator(expected, loc));
}

void TestStatusText::separatorsOfCommonLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English comma") << "en_US"
                                   << "1,234,567";
    QTest::newRow("German dot") << "de_DE"
                                << "1.234.567";
    QTest::newRow("Czech no-break space") << "cs_CZ" << QString::fromUtf8("1\u00a0234\u00a0567");
    // The C locale omits separators in QLocale::toString; the panels still group.
    QTest::newRow("C locale still grouped") << "C"
                                            << "1,234,567";
}

void TestStatusText::separatorsOfCommonLocales()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(StatusText::Number(1234567, QLocale(locale)), expected);
}

void TestStatusText::longHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("expected");
    QTest::newRow("status bar's own hint")
        << QString::fromUtf8("|Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, "
                             "Cesta k souboru")
        << QString::fromUtf8("Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, "
                             "Cesta k souboru");
    QTest::newRow("no bar: whole hint") << "/home/jan/dopis.txt"
                                        << "/home/jan/dopis.txt";
    QTest::newRow("short and long") << "Uložit|Uloží soubor"
                                    << "Uloží soubor";
    QTest::newRow("toolbar button: nothing after the bar") << "Uložit|"
                                                           << "";
    QTest::newRow("only the first bar splits") << "a|b|c"
                                               << "b|c";
    QTest::newRow("empty") << ""
                           << "";
}

void TestStatusText::longHint()
{
    QFETCH(QString, hint);
    QFETCH(QString, expected);
    QCOMPARE(StatusText::LongHint(hint), expected);
}

void TestStatusText::caretPanels_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("lineStart");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QString>("columnText");
    QTest::addColumn<QString>("positionText");
    QTest::newRow("very start") << 0 << 0 << 0 << "1"
                                << "1"
                                << "0";
    QTest::newRow("after abc") << 3 << 0 << 0 << "1"
                               << "4"
                               << "3";
    // Two lines of ten characters, each break one position.
    QTest::newRow("start of third line") << 22 << 2 << 22 << "3"
                                         << "1"
                                         << "22";
    QTest::newRow("grouped values") << 123456 << 4321 << 122000 << "4_322"
                                    << "1_457"
                                    << "123_456";
    QTest::newRow("largest document end") << 16777215 << 0 << 0 << "1"
                                          << "16_777_216"
                                          << "16_777_215";
}

void TestStatusText::caretPanels()
{
    QFETCH(int, selStart);
    QFETCH(int, line);
    QFETCH(int, lineStart);
    QFETCH(QString, lineText);
    QFETCH(QString, columnText);
    QFETCH(QString, positionText);
    const QLocale cs(QLocale::Czech, QLocale::Czechia);
    const StatusText::Caret c = StatusText::CaretPanels(selStart, line, lineStart, cs);
    QCOMPARE(c.line, withSeparator(lineText, cs));
    QCOMPARE(c.column, withSeparator(columnText, cs));
    QCOMPARE(c.position, withSeparator(positionText, cs));
}

void TestStatusText::keyPanels_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("num");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("insert, nothing locked") << false << true << false << false << QStringList{"INS", "", ""};
    QTest::newRow("overwrite") << true << true << false << false << QStringList{"OVR", "", ""};
    QTest::newRow("caps lock") << false << true << true << false << QStringList{"INS", "CAP", ""};
    QTest::newRow("num lock") << false << true << false << true << QStringList{"INS", "", "NUM"};
    QTest::newRow("both locks, overwrite")
        << true << true << true << true << QStringList{"OVR", "CAP", "NUM"};
    QTest::newRow("platform cannot tell: empty")
        << false << false << true << true << QStringList{"INS", "", ""};
}

void TestStatusText::keyPanels()
{
    QFETCH(bool, overwrite);
    QFETCH(bool, known);
    QFETCH(bool, caps);
    QFETCH(bool, num);
    QFETCH(QStringList, expected);
    const StatusText::Keys k = StatusText::KeyPanels(overwrite, known, caps, num);
    QCOMPARE(QStringList({k.insert, k.caps, k.num}), expected);
}

QTEST_GUILESS_MAIN(TestStatusText)
#include "tst_statustext.moc"
