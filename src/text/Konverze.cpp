#include "text/Konverze.h"

#include <cstring>

using namespace Konverze;

// clang-format off
constexpr std::array<std::array<unsigned char, PocetZnaku>, PocetSad> kTabulka = {{
    //  á     Á     č     Č     ď     Ď     é     É     ě     Ě     í     Í     ň     Ň     ó
    //  Ó     ř     Ř     š     Š     ť     Ť     ú     Ú     ů     Ů     ý     Ý     ž     Ž
    {{ 0xE1, 0xC1, 0xE8, 0xC8, 0xEF, 0xCF, 0xE9, 0xC9, 0xEC, 0xCC, 0xED, 0xCD, 0xF2, 0xD2, 0xF3,
       0xD3, 0xF8, 0xD8, 0x9A, 0x8A, 0x9D, 0x8D, 0xFA, 0xDA, 0xF9, 0xD9, 0xFD, 0xDD, 0x9E, 0x8E }}, // Windows 1250
    {{ 0xA0, 0x8F, 0x87, 0x80, 0x83, 0x85, 0x82, 0x90, 0x88, 0x89, 0xA1, 0x8B, 0xA4, 0xA5, 0xA2,
       0x95, 0xA9, 0x9E, 0xA8, 0x9B, 0x9F, 0x86, 0xA3, 0x97, 0x96, 0xA6, 0x98, 0x9D, 0x91, 0x92 }}, // Kamenický
    {{ 0xA0, 0xB5, 0x9F, 0xAC, 0xD4, 0xD2, 0x82, 0x90, 0xD8, 0xB7, 0xA1, 0xD6, 0xE5, 0xD5, 0xA2,
       0xE0, 0xFD, 0xFC, 0xE7, 0xE6, 0x9C, 0x9B, 0xA3, 0xE9, 0x85, 0xDE, 0xEC, 0xED, 0xA7, 0xA6 }}, // Latin 2
    {{ 0xE1, 0xC1, 0xE8, 0xC8, 0xEF, 0xCF, 0xE9, 0xC9, 0xEC, 0xCC, 0xED, 0xCD, 0xF2, 0xD2, 0xF3,
       0xD3, 0xF8, 0xD8, 0xB9, 0xA9, 0xBB, 0xAB, 0xFA, 0xDA, 0xF9, 0xD9, 0xFD, 0xDD, 0xBE, 0xAE }}, // ISO 8859-2
    {{ 'a',  'A',  'c',  'C',  'd',  'D',  'e',  'E',  'e',  'E',  'i',  'I',  'n',  'N',  'o',
       'O',  'r',  'R',  's',  'S',  't',  'T',  'u',  'U',  'u',  'U',  'y',  'Y',  'z',  'Z'  }}, // ASCII
}};
// clang-format on

const std::array<std::array<unsigned char, PocetZnaku>, PocetSad> TabulkaZnaku = kTabulka;

namespace {

constexpr bool platnaSada(unsigned char sada)
{
    return sada >= 1 && sada <= PocetSad;
}

// The rule itself: the first position of the source row holding the byte links it to
// the target row.
constexpr unsigned char prevestZnak(unsigned char zdroj, unsigned char cil, unsigned char c)
{
    if (c < 0x80 || !platnaSada(zdroj) || !platnaSada(cil))
        return c;
    const auto &radek = kTabulka[zdroj - 1];
    for (int pozice = 0; pozice < PocetZnaku; ++pozice) {
        if (radek[pozice] == c)
            return kTabulka[cil - 1][pozice];
    }
    return c;
}

// Every (source, target) pair as a 256-byte map built from the rule at compile time, so
// a whole text costs one table look-up per byte.
using Mapa = std::array<unsigned char, 256>;
using Mapy = std::array<std::array<Mapa, PocetSad>, PocetSad>;

constexpr Mapy vytvorMapy()
{
    Mapy mapy{};
    for (int z = 1; z <= PocetSad; ++z)
        for (int c = 1; c <= PocetSad; ++c)
            for (int b = 0; b < 256; ++b)
                mapy[z - 1][c - 1][b] =
                    prevestZnak(static_cast<unsigned char>(z), static_cast<unsigned char>(c),
                                static_cast<unsigned char>(b));
    return mapy;
}

constexpr Mapy kMapy = vytvorMapy();

} // namespace

unsigned char KodZnaku(int sada, int pozice)
{
    if (sada < 1 || sada > PocetSad || pozice < 1 || pozice > PocetZnaku)
        return 0;
    return kTabulka[sada - 1][pozice - 1];
}

unsigned char PrevestZnak(unsigned char zdroj, unsigned char cil, unsigned char c)
{
    return prevestZnak(zdroj, cil, c);
}

void Prevest(unsigned char zdroj, unsigned char cil, char *text, std::size_t delka)
{
    if (!text || !platnaSada(zdroj) || !platnaSada(cil) || zdroj == cil)
        return;
    const Mapa &mapa = kMapy[zdroj - 1][cil - 1];
    auto *p = reinterpret_cast<unsigned char *>(text);
    for (std::size_t i = 0; i < delka; ++i)
        p[i] = mapa[p[i]];
}

char *Prevest(unsigned char zdroj, unsigned char cil, char *text)
{
    if (text)
        Prevest(zdroj, cil, text, std::strlen(text)); // the NUL maps to itself
    return text;
}
