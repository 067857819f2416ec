#pragma once

// Shared by the benchmark programs: test text and the printing of figures.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace Bench {

// Windows-1250 Czech words in CR LF lines of 10 to 120 characters; every `longEvery`-th line
// is a paragraph of about `longLength` characters that wraps over many display lines.
inline QByteArray CzechText(qsizetype size, int longEvery, int longLength, quint32 seed)
{
    static const char *words[] = {"p\xf8\xedli\x9a", "\x9elu\x9dou\xe8k\xfd", "k\xf9\xf2", "\xfap\xecl",
                                  "\xef\xe1\x62\x65lsk\xe9", "\xf3\x64y", "text", "editor", "soubor",
                                  "a", "v", "na", "konverze", "pravopis", "sloupec", "\xf8\xe1\x64\x65k"};
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(size + longLength + 256);
    for (int line = 1; out.size() < size; ++line) {
        const int target = line % longEvery == 0 ? longLength : 10 + int(rng.bounded(110));
        for (int len = 0; len < target;) {
            const char *w = words[rng.bounded(int(std::size(words)))];
            out.append(w).append(' ');
            len += int(qstrlen(w)) + 1;
        }
        out.append("\r\n");
    }
    out.truncate(size);
    return out;
}

// The lower-case base forms of the Czech spelling dictionary's word list, 1 to 14 letters long
// (none when the dictionary is not installed).
inline QStringList DictionaryWords()
{
    QFile f(QStringLiteral("/usr/share/hunspell/cs_CZ.dic"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList all;
    f.readLine(); // the word count
    while (!f.atEnd()) {
        const QString w = QString::fromUtf8(f.readLine()).section('/', 0, 0).trimmed();
        if (w.size() >= 1 && w.size() <= 14 && w == w.toLower() && !w.contains('.'))
            all << w;
    }
    return all;
}

// The system's load average over the last 1, 5 and 15 minutes, as uptime shows it.
inline QByteArray LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return "unknown";
    return f.readLine().split(' ').mid(0, 3).join(' ');
}

inline double Ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

inline void Report(const char *what, QList<double> v)
{
    if (v.isEmpty())
        return;
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += x;
    std::printf("%-58s n=%3lld  mean %6.2f ms  median %6.2f ms  p95 %6.2f ms  max %6.2f ms\n", what,
                qlonglong(v.size()), sum / v.size(), v.at(v.size() / 2),
                v.at(qMin(v.size() - 1, v.size() * 95 / 100)), v.last());
}

} // namespace Bench
