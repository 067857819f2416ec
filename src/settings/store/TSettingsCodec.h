#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QPalette;

// The text forms of settings values: every value in the settings file is text, and these
// functions turn numbers, truth values, enumerations, sets, colours and fonts into that
// text and back. Parsing is forgiving where the program has always been forgiving:
// identifiers match without regard to case, and a result of std::nullopt means "leave
// the property as it is".
class TSettingsCodec
{
public:
    // Leading and trailing blanks and control characters removed.
    static QString Trim(const QString &text);

    // Signed decimal. ParseInteger accepts an optional sign, decimal digits or a "$" or
    // "0x" hexadecimal number within 32 bits; DecodeInteger gives 0 for anything else.
    static QString EncodeInteger(qint32 value);
    static std::optional<qint32> ParseInteger(const QString &text);
    static qint32 DecodeInteger(const QString &text);

    // "True" / "False"; matched without regard to case.
    static QString EncodeTruth(bool value);
    static std::optional<bool> DecodeTruth(const QString &text);

    // An enumeration value written as its identifier; an unknown identifier gives nullopt.
    static QString EncodeEnum(int value, const QStringList &identifiers);
    static std::optional<int> DecodeEnum(const QString &text, const QStringList &identifiers);

    // A set as bit i for identifier i: "[fsBold,fsItalic]", "[]" when empty. Reading
    // splits at blanks, commas and brackets and skips words that name no member.
    static QString EncodeSet(quint32 members, const QStringList &identifiers);
    static quint32 DecodeSet(const QString &text, const QStringList &identifiers);

    // Comma-separated integers ("10,20,300,400"). Reading splits at commas and blanks;
    // the result has exactly `count` entries, nullopt for a missing or bad number.
    static QString EncodeNumbers(const QList<int> &numbers);
    static QList<std::optional<int>> DecodeNumbers(const QString &text, int count);

    // Colours are 32-bit values 0x00BBGGRR; a value with the top bit set is a system
    // colour (its low byte the system colour's number), taken from the palette.
    static constexpr qint32 clWindowText = qint32(0x80000008u);
    static constexpr qint32 clWindow = qint32(0x80000005u);
    static bool IsSystemColor(qint32 color) { return color < 0; }
    static QColor ColorFromTColor(qint32 color, const QPalette &palette);
    static qint32 TColorFromColor(const QColor &color);

    // Font height in pixels (negative: character height) and size in points, converted
    // at a logical resolution, rounding as the platform's MulDiv does.
    static int MulDiv(int number, int numerator, int denominator);
    static int FontHeightFromSize(int points, int pixelsPerInch);
    static int FontSizeFromHeight(int height, int pixelsPerInch);

    // Identifiers of the enumerations and sets the program stores.
    static const QStringList &TabPositionIds(); // tpTop, tpBottom, tpLeft, tpRight
    static const QStringList &FontPitchIds();   // fpDefault, fpVariable, fpFixed
    static const QStringList &FontStyleIds();   // fsBold, fsItalic, fsUnderline, fsStrikeOut
};
