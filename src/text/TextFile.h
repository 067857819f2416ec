#pragma once

#include "text/FileSignature.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Reading and writing the editor's text files: 8-bit Windows-1250 without a byte-order mark,
// or UTF-8 for files that are valid UTF-8 with at least one multi-byte sequence; a page may
// also be kept in one of the other Czech 8-bit sets (Kamenický, Latin 2, ISO 8859-2).
namespace TextFile {

// The character set of a page's file. Every set but UTF-8 is 8-bit: one byte a character.
enum class Encoding { Windows1250, Utf8, Kamenicky, Latin2, Iso8859_2 };

// The 8-bit sets as the conversion numbers them (Konverze::Windows1250 ...); 0 for UTF-8.
int setOf(Encoding encoding);
// The page encoding of a conversion set number; Windows 1250 for any number but 2 to 4.
Encoding encodingOfSet(int set);
inline bool isEightBit(Encoding encoding)
{
    return encoding != Encoding::Utf8;
}

// How a page's file is written, as found when it was read.
struct Format
{
    Encoding encoding = Encoding::Windows1250;
    bool bom = false;    // UTF-8 only: the file began with EF BB BF
    bool lfOnly = false; // every line break of the file was a lone LF (and it had one)
    bool operator==(const Format &) const = default;
};

// A file's bytes decoded for the editor.
struct Decoded
{
    QString text; // "\n" between lines
    Format format;
    // For 8-bit text with bytes 80-FF: the Czech set it seems to be in, as a conversion
    // set number (CzechSets::Guess); 0 when unknown, for UTF-8 and for pure ASCII.
    int guessedSet = 0;
    // An 8-bit file that begins as a T602 document does (T602::IsDocument).
    bool t602 = false;
};

// A file's text on its way into an editor, given out piece by piece: the file's bytes,
// each piece decoded only when it is taken, or a text decoded before. Pieces end just before
// a line break or at the end, so each piece after the first begins with the break before its
// first line; only a line far longer than a piece is cut inside, and never inside a CR LF or
// a UTF-8 sequence (nor a UTF-16 surrogate pair).
class PendingText
{
public:
    PendingText() = default;
    explicit PendingText(QString text);
    // The bytes from `from` on, valid in `encoding` (as prepare() found them); `units` are
    // the UTF-16 units they decode to before NULs and CR LF pairs are taken out.
    PendingText(QByteArray bytes, qsizetype from, Encoding encoding, qsizetype units);

    bool AtEnd() const { return m_pos >= m_size; }
    // The next piece: about `size` characters (bytes of the file), more to end its last
    // line; a line far longer than `size` is cut into pieces.
    QString Next(qsizetype size);
    // All that is left, at once.
    QString Rest();
    // How much has been given out, in percent.
    int Percent() const;
    // Whether what is left decodes to more than `limit` characters, without decoding it.
    bool Exceeds(qsizetype limit) const;
    // The characters what is left decodes to, exactly, without decoding it.
    qsizetype Length() const;

private:
    QString m_text;
    QByteArray m_bytes;
    bool m_fromBytes = false;
    Encoding m_encoding = Encoding::Windows1250;
    qsizetype m_start = 0; // where the text begins (after a byte-order mark)
    qsizetype m_pos = 0;   // how much has been given out
    qsizetype m_size = 0;
    qsizetype m_units = 0;

    // UTF-16 units what is left decodes to before NULs and CR LF pairs are taken out.
    qsizetype unitsLeft() const;
};

// A file read for an editor: its text still to be decoded, and its format.
struct Opened
{
    PendingText text;
    Format format;
    int guessedSet = 0; // as in Decoded
    bool t602 = false;
};

// The longest text an editor holds: 16,777,215 characters.
constexpr qsizetype MaxLength = 0xFFFFFF;
// The most bytes read from a file: a text at the limit takes up to twice its characters in
// Windows-1250 with CR LF, and more in UTF-8.
constexpr qint64 MaxFileBytes = 4 * qint64(MaxLength) + 4;

// Decodes file bytes of an 8-bit set (Windows 1250 unless told) into editor text: CR LF, a
// lone CR and a lone LF each become one "\n" (LF CR gives two); NUL bytes are dropped, the
// bytes around them read as usual.
QString fromFileBytes(QByteArrayView bytes, Encoding encoding = Encoding::Windows1250);

// Encodes editor text ("\n" or U+2029 between lines) for a file of an 8-bit set (Windows
// 1250 unless told): every break written as CR LF, or as LF when lfOnly; a character the set
// lacks as "?".
QByteArray toFileBytes(const QString &text, bool lfOnly = false, Encoding encoding = Encoding::Windows1250);

// Splits text given with CR LF, CR or LF breaks into the editor's "\n" form.
QString normalizeBreaks(const QString &text);

// Decodes file bytes: UTF-8 when they are valid UTF-8 and hold a multi-byte sequence (a
// byte-order mark counts), else Windows-1250 byte for byte with the set guessed. Line breaks
// as in fromFileBytes, NUL characters dropped in both. Throws TError for a UTF-16 or UTF-32
// byte-order mark: read as 8-bit text such a file would be destroyed by a save.
Decoded decode(const QByteArray &bytes, const QString &fileName);
// Chooses the encoding as decode() does, but decodes only what that needs: one check of the
// bytes. The text is decoded piece by piece as the editor takes it.
Opened prepare(QByteArray bytes, const QString &fileName);

// Decodes the bytes in the chosen encoding (no guessing). Throws TError when UTF-8 is
// asked for and the bytes are not valid UTF-8: nothing is dropped silently. An 8-bit set
// reads every byte.
Decoded decodeAs(const QByteArray &bytes, Encoding encoding, const QString &fileName);

// Encodes editor text for a file in the given format: LF breaks when lfOnly, else CR LF;
// UTF-8 with the byte-order mark if the format has one.
QByteArray encode(const QString &text, const Format &format);

// Characters of the text that the encoding cannot hold (each becomes "?" when stored).
qsizetype unstorableCount(const QString &text, Encoding encoding);
// The text as a page of that encoding holds it: 8-bit pages turn what their set cannot
// hold into "?"; UTF-8 pages keep every character (an unpaired surrogate, which UTF-8
// cannot carry, becomes U+FFFD). NUL characters are dropped in both.
QString storable(const QString &text, Encoding encoding);

// The encoding's name as the status bar shows it: "Windows-1250", "UTF-8", "Kamenický",
// "Latin 2" or "ISO-8859-2".
QString encodingName(Encoding encoding);

// Reads a regular file for an editor, with readDecoded's errors, decoding nothing yet.
Opened openText(const QString &fileName);
// Reads and decodes a whole regular file (see decode and readFile for the errors).
Decoded readDecoded(const QString &fileName);
Decoded readDecodedAs(const QString &fileName, Encoding encoding);

// Reads a whole regular file as Windows-1250. Throws TError("Cannot open file <name>") when it cannot be
// read, and a clear error when it is not a regular file or holds more than MaxLength
// characters.
QString readFile(const QString &fileName);

// Writes the text atomically (temporary file, then rename): on failure the old file is
// left as it was and TError("Cannot create file <name>") is thrown. A device, FIFO or
// socket (also behind a link) is refused and left untouched. Returns the signature of what
// was written, taken from the written file itself before it took the name: a change of the
// name after that is always another program's. `mayCommit`, when given, is asked once the
// temporary file is written and flushed to disk, right before the rename: false drops the
// temporary file and leaves the old one (the result's `exists` is then false).
void writeFile(const QString &fileName, const QString &text);
FileSignature writeFile(const QString &fileName, const QString &text, const Format &format,
                        const std::function<bool()> &mayCommit = {});

} // namespace TextFile
