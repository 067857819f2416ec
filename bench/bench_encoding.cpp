// Opening the same 16 MB Czech text as a UTF-8 file and as a Windows-1250 file, and guessing
// the 8-bit set of 16 MB files in each Czech set.
#include "BenchCommon.h"
#include "text/Cp1250.h"
#include "editor/view/TRxRichEdit.h"
#include "text/TextFile.h"
#include "text/CzechSets.h"
#include "text/Konverze.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <utility>

using Bench::Ms;
using Bench::Report;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// One open as the program does it: a new editor, the file read, decoded and set, painted.
// Milliseconds to the first screen, and to the whole text taken in between events.
std::pair<double, double> openOnce(QApplication &app, const QString &path, TextFile::Encoding expected)
{
    TRxRichEdit editor;
    editor.resize(900, 700);
    editor.show();
    app.processEvents();
    QElapsedTimer t;
    t.start();
    editor.Doc()->Load(path);
    app.processEvents();
    const double first = Ms(t);
    while (editor.Loading())
        app.processEvents();
    const double whole = Ms(t);
    if (editor.Doc()->TextEncoding() != expected)
        std::printf("!! %s opened in the wrong encoding\n", qPrintable(path));
    return {first, whole};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;

    // The same text in both files: 16 MB of UTF-8, and its Windows-1250 bytes.
    QString text = Cp1250::decode(Bench::CzechText(15 * 1024 * 1024, 50, 1500, 42));
    QByteArray utf8 = text.toUtf8();
    while (utf8.size() < 16 * 1024 * 1024) {
        text += text.left(64 * 1024);
        utf8 = text.toUtf8();
    }
    text = QString::fromUtf8(utf8.left(16 * 1024 * 1024)); // whole characters only
    if (text.endsWith(QChar::ReplacementCharacter))
        text.chop(1);
    utf8 = text.toUtf8();
    const QByteArray cp1250 = Cp1250::encode(text);
    const QString utf8Path = dir.filePath("utf8.txt"), cpPath = dir.filePath("cp1250.txt");
    if (!writeFile(utf8Path, utf8) || !writeFile(cpPath, cp1250))
        return 1;
    std::printf("text: %lld characters; UTF-8 file %lld bytes, Windows-1250 file %lld bytes\n",
                qlonglong(text.size()), qlonglong(utf8.size()), qlonglong(cp1250.size()));

    // Decoding alone (what TextFile adds on top of the editor's own work).
    QList<double> decUtf8, decCp;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        const TextFile::Decoded a = TextFile::decode(utf8, utf8Path);
        decUtf8 << Ms(t);
        t.restart();
        const TextFile::Decoded b = TextFile::decode(cp1250, cpPath);
        decCp << Ms(t);
        if (a.text != b.text || a.format.encoding != TextFile::Encoding::Utf8)
            std::printf("!! the two files decode differently\n");
    }
    Report("decode 16 MB UTF-8 (validate + break rule)", decUtf8);
    Report("decode same text as Windows-1250 (+ set guess)", decCp);
    std::printf("decode ratio UTF-8 / Windows-1250 (medians): %.2f\n", median(decUtf8) / median(decCp));

    // The whole open, alternating so that both meet the same machine state.
    QList<double> openUtf8, openCp, wholeUtf8, wholeCp;
    for (int i = 0; i < 5; ++i) {
        const auto [firstU, wholeU] = openOnce(app, utf8Path, TextFile::Encoding::Utf8);
        const auto [firstC, wholeC] = openOnce(app, cpPath, TextFile::Encoding::Windows1250);
        openUtf8 << firstU;
        wholeUtf8 << wholeU;
        openCp << firstC;
        wholeCp << wholeC;
    }
    Report("open 16 MB UTF-8 file: first screen", openUtf8);
    Report("open same text as Windows-1250 file: first screen", openCp);
    Report("open 16 MB UTF-8 file: whole text in", wholeUtf8);
    Report("open same text as Windows-1250 file: whole text in", wholeCp);
    // The whole UTF-8 file is checked before its first screen (its encoding depends on every
    // byte), so the first screen costs that one pass more.
    std::printf("open ratio UTF-8 / Windows-1250 (medians): first screen %.2f, whole text %.2f (target <= 1.20)\n",
                median(openUtf8) / median(openCp), median(wholeUtf8) / median(wholeCp));

    // Guessing the set of 16 MB files.
    struct Case
    {
        const char *name;
        QByteArray bytes;
        int expected;
    };
    const QByteArray big = Bench::CzechText(16 * 1024 * 1024, 50, 1500, 7);
    auto inSet = [&big](int set) {
        QByteArray b = big;
        Prevest(Konverze::Windows1250, static_cast<unsigned char>(set), b.data(), std::size_t(b.size()));
        return b;
    };
    QByteArray asciiThenOne(16 * 1024 * 1024, 'a'); // the high-byte scan runs to the end
    asciiThenOne[asciiThenOne.size() - 1] = char(0xE8);
    const Case cases[] = {
        {"guess 16 MB Windows 1250", big, Konverze::Windows1250},
        {"guess 16 MB Latin 2", inSet(Konverze::Latin2), Konverze::Latin2},
        {"guess 16 MB Kamenicky", inSet(Konverze::Kamenicky), Konverze::Kamenicky},
        {"guess 16 MB ISO 8859-2 (+ whole-text letter check)", inSet(Konverze::Iso8859_2), Konverze::Iso8859_2},
        {"guess 16 MB ASCII with one high byte at the end", asciiThenOne, -1},
    };
    for (const Case &c : cases) {
        QList<double> times;
        int got = 0;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer t;
            t.start();
            got = CzechSets::Guess(c.bytes);
            times << Ms(t);
        }
        Report(c.name, times);
        if (c.expected >= 0 && got != c.expected)
            std::printf("!! guessed %d, expected %d\n", got, c.expected);
    }
    std::printf("(target for the guess: < 50 ms)\n");
    std::fflush(stdout);
    return 0;
}
