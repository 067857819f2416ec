#pragma once

// A few lines of Czech prose with every accented letter, and the same text in the other
// Czech 8-bit sets.
#include "text/Cp1250.h"
#include "text/Konverze.h"

#include <QByteArray>
#include <QString>

namespace CzechProse {

inline const char *const Prose = "Příliš žluťoučký kůň úpěl ďábelské ódy.\n"
                                 "Když jsme v úterý ráno vyjeli z Brna, pršelo a na silnici ležely větve.\n"
                                 "Řidič autobusu jel opatrně, protože věděl, že za Tišnovem bývá náledí.\n"
                                 "Děti vzadu zpívaly písničky o myšce, která si ušila čepici z ořechu.\n"
                                 "Ťapka, naše kočka, spala na radiátoru; Ďáblova rokle a Ňůrův důl.\n";

// Czech text in a set through the conversion's letter table (independent of the page tables).
inline QByteArray InSet(const QString &text, int set)
{
    QByteArray bytes = Cp1250::encode(text);
    Prevest(Konverze::Windows1250, static_cast<unsigned char>(set), bytes.data(), std::size_t(bytes.size()));
    return bytes;
}

} // namespace CzechProse
