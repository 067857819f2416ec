#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSettings>
#include <QString>
#include <QVariant>

// The text of the settings file and the values in it, without any file: what the settings
// file's own format (SettingsFile) reads and writes.
//
// Sections, keys, comments and the "@ByteArray(...)"/"@Variant(...)" forms are those of
// Qt's INI format, and the file stays UTF-8. Values differ in one point. Qt's INI reader
// splits unquoted commas into a list, trims blanks and takes "\" as an escape, so a value
// written by hand ("Item0=x,y", "Path=C:\Temp") came back changed. Here:
// - a quoted value (its first and last non-blank characters are '"') reads as Qt reads it;
// - an unquoted value reads as exactly the characters after "=", with one exception kept
//   for files written before: when the value is exactly what Qt's writer makes of its
//   decoded text (decode with Qt's escapes, encode again, compare equal), it is decoded.
//   "a\nb" written by an earlier version still reads as two lines; "C:\Temp" reads as
//   written.
// - the writer writes every value as Qt does, except that a value whose form holds an
//   escape ("\n", "\\", "\"", "\x..", ...) is put in quotes; so any unquoted value the
//   program writes is literal, and Qt's reader (other tools, older versions) still reads
//   every value the same.
namespace IniText {

// Larger input is read only this far and counts as damaged.
inline constexpr qsizetype MaxBytes = 16 * 1024 * 1024;

struct ReadResult
{
    QSettings::SettingsMap values; // keys with "/" between section and sub-keys
    bool damaged = false;          // lines that could not be read (they are left out)
};

ReadResult Read(QByteArrayView data);
QByteArray Write(const QSettings::SettingsMap &values);

// One value: the bytes after "=" (line break removed), and the form written after "=".
QVariant ReadValue(QByteArrayView raw);
QByteArray WriteValue(const QVariant &value);

// Qt's INI forms, kept byte for byte: a key or section name, a string value as Qt writes
// and reads it (a value with unquoted commas reads as a list), a value's text form.
QByteArray QtEscapedKey(const QString &key);
QString QtUnescapedKey(QByteArrayView key);
QByteArray QtEscapedString(const QString &text);
bool QtUnescapedString(QByteArrayView raw, QString &text, QStringList &list); // true: a list
QString QtVariantToString(const QVariant &value);
QVariant QtStringToVariant(const QString &text);

} // namespace IniText
