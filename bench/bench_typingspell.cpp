// Times checking as you type on a shown 16 MB page with the Czech dictionary: reading the
// dictionary on the worker thread (and the longest stall of the GUI thread meanwhile),
// one check of the visible area (words seen for the first time, and again), and
// keystrokes with the check on against the same keystrokes with it off (target: a
// keystroke under 16 ms). Run with QT_QPA_PLATFORM=offscreen.
#include "BenchCommon.h"
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsStore.h"
#include "spell/SpellerSource.h"
#include "spell/VisibleSpellCheck.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BenchPrompts.h"
#include <QTimer>

#include <cstdio>

using Bench::Ms;
using Bench::Report;

namespace {

using Bench::SilentPrompts;

// Base forms from the dictionary's word list: they pass on their own.
QStringList vocabulary(int count)
{
    const QStringList all = Bench::DictionaryWords();
    QRandomGenerator rng(1029);
    QStringList out;
    while (out.size() < count && !all.isEmpty())
        out << all.at(rng.bounded(int(all.size())));
    return out;
}

// Lines of 10 to 120 characters, every 50th a paragraph of about 1,500 characters; one
// word in `errorEvery` misspelt (a letter added).
QString pageText(const QStringList &words, qsizetype size, int errorEvery, bool oneLine)
{
    QRandomGenerator rng(42);
    QString out;
    out.reserve(size + 2000);
    for (int line = 1; out.size() < size; ++line) {
        const int target = oneLine ? int(size) : line % 50 == 0 ? 1500 : 10 + int(rng.bounded(110));
        for (int len = 0; len < target && out.size() < size;) {
            QString w = words.at(rng.bounded(int(words.size())));
            if (rng.bounded(errorEvery) == 0)
                w += QLatin1Char('x');
            out += w;
            out += QLatin1Char(' ');
            len += int(w.size()) + 1;
        }
        out += QLatin1Char('\n');
    }
    out.truncate(size);
    return out;
}

void pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir config;
    if (!QFile::exists(QStringLiteral("/usr/share/hunspell/cs_CZ.dic"))) {
        std::printf("hunspell-cs is not installed\n");
        return 1;
    }
    const QStringList words = vocabulary(30000);
    SilentPrompts prompts;
    TSettingsStore store(config.filePath(QStringLiteral("quortosk.ini")));

    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    QElapsedTimer t;
    t.start();
    // Room is left for the keys: a full page takes no more characters.
    editor.SetWholeText(pageText(words, TRxRichEdit::MaxLength - 10000, 50, false));
    QApplication::processEvents();
    std::printf("16 MB page shown: %d characters, %d lines, set in %.0f ms\n", editor.TextLength(),
                editor.document()->blockCount(), Ms(t));

    // The dictionary is read on the worker; the GUI thread keeps ticking meanwhile.
    SpellerSource source(&store, &prompts, &editor);
    bool loaded = false;
    QObject::connect(&source, &SpellerSource::Loaded, [&] { loaded = true; });
    QTimer tick;
    QElapsedTimer sinceTick;
    double longestStall = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestStall = qMax(longestStall, Ms(sinceTick));
        sinceTick.restart();
    });
    tick.start(1);
    sinceTick.start();
    pump(500); // the same ticking without a read, for comparison
    const double idleStall = longestStall;
    longestStall = 0;
    t.restart();
    source.LoadInBackground();
    const double startCall = Ms(t);
    while (!loaded)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double loadMs = Ms(t);
    tick.stop();
    std::printf("%-58s %8.1f ms\n  (LoadInBackground returned in %.2f ms; longest gap between 1 ms GUI "
                "ticks %.1f ms while reading, %.1f ms idle)\n",
                "dictionary read on the worker thread", loadMs, startCall, longestStall, idleStall);

    VisibleSpellCheck check(&editor, [&source] { return source.Speller(); });
    const int length = editor.TextLength();

    // One check of the visible area, at places seen for the first time, then again.
    QRandomGenerator rng(7);
    QList<int> places;
    for (int i = 0; i < 60; ++i)
        places << int(rng.bounded(length));
    check.SetActive(true);
    QList<double> cold, warm;
    int underlined = 0;
    for (const bool again : {false, true}) {
        for (int pos : places) {
            editor.SetSelStart(pos);
            editor.ensureCursorVisible();
            QApplication::processEvents();
            t.restart();
            check.CheckNow();
            (again ? warm : cold) << Ms(t);
            underlined += int(check.Underlined().size());
        }
    }
    Report("visible-area check, words new to the speller", cold);
    Report("visible-area check, words seen before", warm);
    std::printf("  (%d words on screen underlined on average, %d characters checked at the last place)\n",
                underlined / int(cold.size() + warm.size()), check.CheckedTo() - check.CheckedFrom());

    // Keystrokes at the start of a line in the middle, a new line every seven words, each
    // run at a place of its own (a block grown by earlier runs would cost more to lay out).
    // With the check on, a pause every 20 keys lets it run.
    auto typeKeys = [&](int place, int count, bool pauses) {
        editor.SetSelStart(editor.document()->findBlock(length / 2 + place * 40000).position());
        editor.ensureCursorVisible();
        pump(VisibleSpellCheck::TypingPause + 100);
        QList<double> keys;
        const QString letters = QStringLiteral("pravopis ");
        for (int i = 0; i < count; ++i) {
            const bool enter = i % 63 == 62;
            const QChar c = enter ? QChar('\r') : letters[i % letters.size()];
            const Qt::Key key = enter ? Qt::Key_Return : c == ' ' ? Qt::Key_Space : Qt::Key_A;
            t.restart();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&editor, &press);
            QApplication::processEvents();
            keys << Ms(t);
            if (pauses && i % 20 == 19)
                pump(VisibleSpellCheck::TypingPause + 50);
        }
        return keys;
    };
    int checks = 0;
    QObject::connect(&check, &VisibleSpellCheck::Checked, [&] { ++checks; });
    check.SetActive(false);
    typeKeys(0, 20, false); // warming up
    QList<double> off = typeKeys(1, 200, false);
    check.SetActive(true);
    QList<double> on = typeKeys(2, 200, true);
    const int checksInPauses = checks;
    const QList<double> onSteady = typeKeys(3, 200, false);
    check.SetActive(false);
    off << typeKeys(4, 200, false);
    check.SetActive(true);
    on << typeKeys(5, 200, true);
    Report("keystroke + repaint, 16 MB page, check off", off);
    Report("keystroke + repaint, 16 MB page, check on, pause every 20 keys", on);
    Report("keystroke + repaint, 16 MB page, check on, no pause", onSteady);
    std::printf("  (%d checks ran in the pauses of the first run with pauses)\n", checksInPauses);

    // A 1 MB line on screen: only its visible part is read.
    editor.SetWholeText(pageText(words, 1000000, 50, true));
    editor.SetSelStart(500000);
    editor.ensureCursorVisible();
    QApplication::processEvents();
    QList<double> longLine;
    for (int i = 0; i < 20; ++i) {
        t.restart();
        check.CheckNow();
        longLine << Ms(t);
    }
    Report("visible-area check inside a 1 MB line (wrapped)", longLine);
    editor.SetWordWrap(false);
    editor.horizontalScrollBar()->setValue(editor.horizontalScrollBar()->maximum() / 2);
    QApplication::processEvents();
    QList<double> unwrapped;
    for (int i = 0; i < 20; ++i) {
        t.restart();
        check.CheckNow();
        unwrapped << Ms(t);
    }
    Report("visible-area check inside a 1 MB line (not wrapped)", unwrapped);
    return 0;
}
