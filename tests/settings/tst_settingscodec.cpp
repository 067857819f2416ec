// Text forms of settings values.
#include "settings/store/TSettingsCodec.h"

#include <QPalette>

#include <climits>
#include <QTest>

using C = TSettingsCodec;
using OptInt = std::optional<qint32>;
Q_DECLARE_METATYPE(OptInt)
using OptBool = std::optional<bool>;
Q_DECLARE_METATYPE(OptBool)

class TestSettingsCodec : public QObject
{
    Q_OBJECT
private slots:
    void trim_data();
    void trim();
    void parseInteger_data();
    void parseInteger();
    void integerRoundTrip_data();
    void integerRoundTrip();
    void truth_data();
    void truth();
    void enumeration_data();
    void enumeration();
    void setRead_data();
    void setRead();
    void setWrite_data();
    void setWrite();
    void numbers_data();
    void numbers();
    void colorFromValue_data();
    void colorFromValue();
    void colorToValue_data();
    void colorToValue();
    void fontHeightAndSize_data();
    void fontHeightAndSize();
    void mulDivAtTheEnds();
};

void TestSettingsCodec::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Courier New" << "Courier New";
    QTest::newRow("blanks both ends") << "  140 " << "140";
    QTest::newRow("control characters") << QString("\t\r\nTrue\x01") << "True";
    QTest::newRow("inner blanks stay") << " a  b " << "a  b";
    QTest::newRow("only blanks") << " \t " << "";
    QTest::newRow("non-breaking space is text") << QString(QChar(0xA0)) + "x" << QString(QChar(0xA0)) + "x";
}

void TestSettingsCodec::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(C::Trim(text), expected);
}

void TestSettingsCodec::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptInt>("expected");
    QTest::newRow("decimal") << "140" << OptInt(140);
    QTest::newRow("negative") << "-11" << OptInt(-11);
    QTest::newRow("plus sign") << "+7" << OptInt(7);
    QTest::newRow("system colour") << "-2147483643" << OptInt(qint32(0x80000005u));
    QTest::newRow("lowest") << "-2147483648" << OptInt(std::numeric_limits<qint32>::min());
    QTest::newRow("highest") << "2147483647" << OptInt(std::numeric_limits<qint32>::max());
    QTest::newRow("too big") << "2147483648" << OptInt();
    QTest::newRow("too small") << "-2147483649" << OptInt();
    QTest::newRow("dollar hex") << "$FF" << OptInt(255);
    QTest::newRow("0x hex full pattern") << "0x80000008" << OptInt(qint32(0x80000008u));
    QTest::newRow("word") << "wide" << OptInt();
    QTest::newRow("digits then word") << "12px" << OptInt();
    QTest::newRow("empty") << "" << OptInt();
    QTest::newRow("sign only") << "-" << OptInt();
    QTest::newRow("inner blank") << "1 2" << OptInt();
    QTest::newRow("arabic-indic digits are no number") << QString::fromUtf8("\u0661\u0662") << OptInt();
}

void TestSettingsCodec::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(OptInt, expected);
    QCOMPARE(C::ParseInteger(text), expected);
    QCOMPARE(C::DecodeInteger(text), expected.value_or(0));
}

void TestSettingsCodec::integerRoundTrip_data()
{
    QTest::addColumn<qint32>("value");
    for (qint32 v : {0, 1, -1, 140, -11, 238, std::numeric_limits<qint32>::min(),
                     std::numeric_limits<qint32>::max(), qint32(0x80000008u)})
        QTest::newRow(qPrintable(QString::number(v))) << v;
}

void TestSettingsCodec::integerRoundTrip()
{
    QFETCH(qint32, value);
    QCOMPARE(C::DecodeInteger(C::EncodeInteger(value)), value);
}

void TestSettingsCodec::truth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptBool>("expected");
    QTest::newRow("True") << "True" << OptBool(true);
    QTest::newRow("False") << "False" << OptBool(false);
    QTest::newRow("lower-case false") << "false" << OptBool(false);
    QTest::newRow("upper-case TRUE") << "TRUE" << OptBool(true);
    QTest::newRow("digit 1 is no identifier") << "1" << OptBool();
    QTest::newRow("yes") << "yes" << OptBool();
    QTest::newRow("empty") << "" << OptBool();
}

void TestSettingsCodec::truth()
{
    QFETCH(QString, text);
    QFETCH(OptBool, expected);
    QCOMPARE(C::DecodeTruth(text), expected);
    if (expected)
        QCOMPARE(C::EncodeTruth(*expected), *expected ? QStringLiteral("True") : QStringLiteral("False"));
}

void TestSettingsCodec::enumeration_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: no match
    QTest::newRow("tpTop") << "tpTop" << 0;
    QTest::newRow("tpBottom") << "tpBottom" << 1;
    QTest::newRow("case ignored") << "TPBOTTOM" << 1;
    QTest::newRow("tpRight") << "tpRight" << 3;
    QTest::newRow("names no position") << "tpMiddle" << -1;
    QTest::newRow("ordinal is no identifier") << "1" << -1;
}

void TestSettingsCodec::enumeration()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto value = C::DecodeEnum(text, C::TabPositionIds());
    QCOMPARE(value.value_or(-1), expected);
    if (expected >= 0)
        QCOMPARE(C::DecodeEnum(C::EncodeEnum(expected, C::TabPositionIds()), C::TabPositionIds()), value);
}

void TestSettingsCodec::setRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("empty set") << "[]" << 0u;
    QTest::newRow("empty text") << "" << 0u;
    QTest::newRow("bold italic") << "[fsBold,fsItalic]" << 3u;
    QTest::newRow("with a blank") << "[fsBold, fsItalic]" << 3u;
    QTest::newRow("any order") << "[fsStrikeOut,fsBold]" << 9u;
    QTest::newRow("case ignored") << "[FSUNDERLINE]" << 4u;
    QTest::newRow("unknown words skipped") << "[fsBold,fsShadow]" << 1u;
    QTest::newRow("no brackets") << "fsItalic fsUnderline" << 6u;
    QTest::newRow("repeated member") << "[fsBold,fsBold]" << 1u;
}

void TestSettingsCodec::setRead()
{
    QFETCH(QString, text);
    QFETCH(quint32, expected);
    QCOMPARE(C::DecodeSet(text, C::FontStyleIds()), expected);
}

void TestSettingsCodec::setWrite_data()
{
    QTest::addColumn<quint32>("members");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << 0u << "[]";
    QTest::newRow("bold italic without blank") << 3u << "[fsBold,fsItalic]";
    QTest::newRow("ordinal order") << 12u << "[fsUnderline,fsStrikeOut]";
    QTest::newRow("all") << 15u << "[fsBold,fsItalic,fsUnderline,fsStrikeOut]";
}

void TestSettingsCodec::setWrite()
{
    QFETCH(quint32, members);
    QFETCH(QString, expected);
    QCOMPARE(C::EncodeSet(members, C::FontStyleIds()), expected);
    QCOMPARE(C::DecodeSet(expected, C::FontStyleIds()), members);
}

void TestSettingsCodec::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("expected"); // -999: missing or bad
    QTest::newRow("four") << "137,82,575,413" << QList<int>{137, 82, 575, 413};
    QTest::newRow("blanks") << "1, 2 ,3 4" << QList<int>{1, 2, 3, 4};
    QTest::newRow("negative") << "-1,-1,-8,-8" << QList<int>{-1, -1, -8, -8};
    QTest::newRow("short") << "10,20" << QList<int>{10, 20, -999, -999};
    QTest::newRow("bad word") << "10,x,30,40" << QList<int>{10, -999, 30, 40};
    QTest::newRow("empty") << "" << QList<int>{-999, -999, -999, -999};
    QTest::newRow("too many") << "1,2,3,4,5" << QList<int>{1, 2, 3, 4};
}

void TestSettingsCodec::numbers()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, expected);
    const auto decoded = C::DecodeNumbers(text, 4);
    QCOMPARE(decoded.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(decoded.at(i).value_or(-999), expected.at(i));
}

void TestSettingsCodec::colorFromValue_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("white") << qint32(16777215) << QColor(255, 255, 255);
    QTest::newRow("red is the low byte") << qint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << qint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("window") << C::clWindow << QColor(1, 2, 3);
    QTest::newRow("window text") << C::clWindowText << QColor(4, 5, 6);
    QTest::newRow("highlight") << qint32(0x8000000Du) << QColor(7, 8, 9);
    QTest::newRow("button face") << qint32(0x8000000Fu) << QColor(10, 11, 12);
    QTest::newRow("unknown system colour") << qint32(0x800000FFu) << QColor(0, 0, 0);
}

void TestSettingsCodec::colorFromValue()
{
    QFETCH(qint32, value);
    QFETCH(QColor, expected);
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    pal.setColor(QPalette::Active, QPalette::Text, QColor(4, 5, 6));
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    pal.setColor(QPalette::Active, QPalette::Button, QColor(10, 11, 12));
    QCOMPARE(C::ColorFromTColor(value, pal), expected);
}

void TestSettingsCodec::colorToValue_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("white") << QColor(255, 255, 255) << qint32(16777215);
    QTest::newRow("black") << QColor(0, 0, 0) << qint32(0);
    QTest::newRow("red") << QColor(255, 0, 0) << qint32(0xFF);
    QTest::newRow("mixed") << QColor(0x12, 0x34, 0x56) << qint32(0x563412);
    QTest::newRow("from HSV") << QColor::fromHsv(0, 255, 255) << qint32(0xFF);
}

void TestSettingsCodec::colorToValue()
{
    QFETCH(QColor, color);
    QFETCH(qint32, expected);
    QCOMPARE(C::TColorFromColor(color), expected);
    QCOMPARE(C::ColorFromTColor(expected, QPalette()), color.toRgb());
}

void TestSettingsCodec::fontHeightAndSize_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("ppi");
    QTest::addColumn<int>("height");
    QTest::newRow("8 pt at 96") << 8 << 96 << -11;
    QTest::newRow("10 pt at 96") << 10 << 96 << -13;
    QTest::newRow("12 pt at 96") << 12 << 96 << -16;
    QTest::newRow("8 pt at 120") << 8 << 120 << -13;
    QTest::newRow("10 pt at 144") << 10 << 144 << -20;
}

void TestSettingsCodec::fontHeightAndSize()
{
    QFETCH(int, points);
    QFETCH(int, ppi);
    QFETCH(int, height);
    QCOMPARE(C::FontHeightFromSize(points, ppi), height);
    QCOMPARE(C::FontSizeFromHeight(height, ppi), points);
}

// Stored values may be anything: results beyond int saturate, and INT_MIN itself, whose
// magnitude is one more than INT_MAX, is still reached exactly (a fuzzer found it off by one).
void TestSettingsCodec::mulDivAtTheEnds()
{
    QCOMPARE(C::MulDiv(INT_MIN, -1801677676, -1801677676), INT_MIN);
    QCOMPARE(C::MulDiv(INT_MIN, 1, 1), INT_MIN);
    QCOMPARE(C::MulDiv(INT_MAX, 1, 1), INT_MAX);
    QCOMPARE(C::MulDiv(INT_MIN, 2, 1), INT_MIN); // saturated
    QCOMPARE(C::MulDiv(INT_MAX, 2, 1), INT_MAX); // saturated
    QCOMPARE(C::MulDiv(INT_MIN, -1, 1), INT_MAX); // saturated the other way
    QCOMPARE(C::MulDiv(7, 3, 2), 11);             // 10.5 rounds away from zero
    QCOMPARE(C::MulDiv(-7, 3, 2), -11);
    QCOMPARE(C::MulDiv(5, 5, 0), -1);
}

QTEST_MAIN(TestSettingsCodec)
#include "tst_settingscodec.moc"
