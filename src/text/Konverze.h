#pragma once

#include <array>
#include <cstddef>

// The letter table of the Czech 8-bit character sets and the two routines that convert
// text between them. Only the fifteen Czech letters with a diacritic, each in lower and
// upper case, are converted; every other byte passes through unchanged.
//
// Character-set numbers, as the conversion dialog lists them (counted from 1):
//   1 Windows 1250, 2 Kamenický, 3 Latin 2 (code page 852), 4 ISO 8859-2, 5 ASCII.
// Numbers 1 to 4 may be a source, 1 to 5 a target.

namespace Konverze {

enum ZnakovaSada : unsigned char {
    Windows1250 = 1,
    Kamenicky = 2,
    Latin2 = 3,
    Iso8859_2 = 4,
    Ascii = 5,
};

constexpr int PocetSad = 5;
constexpr int PocetZnaku = 30;

} // namespace Konverze

// TabulkaZnaku[set - 1][position - 1]: the code of one letter in one character set. The
// positions run through á č ď é ě í ň ó ř š ť ú ů ý ž, each first in lower, then in upper
// case; the same position in every row is the same letter.
extern const std::array<std::array<unsigned char, Konverze::PocetZnaku>, Konverze::PocetSad> TabulkaZnaku;

// The code at a character-set number (1..5) and position (1..30), both counted from 1.
unsigned char KodZnaku(int sada, int pozice);

// Converts one byte from the source set to the target set. Bytes below 0x80 and bytes that
// are not one of the source set's thirty codes come back unchanged; so does everything
// when a set number is out of range.
unsigned char PrevestZnak(unsigned char zdroj, unsigned char cil, unsigned char c);

// Converts a NUL-terminated 8-bit text in place, byte by byte, and returns the same
// buffer; the text keeps its length. Allocates nothing.
char *Prevest(unsigned char zdroj, unsigned char cil, char *text);

// The same for a buffer of known length (which may hold NUL bytes).
void Prevest(unsigned char zdroj, unsigned char cil, char *text, std::size_t delka);
