// Times the spelling check: F7 over 1 MB of ordinary Czech text with a few errors (target
// under 2 s from F7 to the end of the range), the same over a 16 MB page and over one
// 1 MB line, and Hunspell's suggestions for misspelt words (target typically under
// 300 ms; the worst case is printed). Run with QT_QPA_PLATFORM=offscreen.
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsStore.h"
#include "spell/SpellCommands.h"
#include "spell/SpellDictionaries.h"
#include "spell/THunspellSpeller.h"
#include "spell/TSpellChecker.h"
#include "spell/TSpellerDialog2.h"

#include "BenchCommon.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BenchPrompts.h"

#include <cmath>
#include <cstdio>

namespace {

using Bench::SilentPrompts;

const QStringList Misspelt = {"přílš",        "pravopys",
                              "neuvěřytelný", "zluťoučký",
                              "kůn",          "ďábelksé",
                              "vyjímka",      "mňoukaa",
                              "slovezo",      "nejneobhospodařovávatelnějšímu",
                              "štěkající",    "abecedaa",
                              "qwertzuiop",   "Prah",
                              "výjmečně",     "protoře",
                              "dobrí",        "krásnyý",
                              "zmrzlyna",     "polévkya",
                              "nemocnyce",    "přesvědčyvý",
                              "Masarik",      "elektryckou",
                              "spysovatel",   "mjesto",
                              "obyvatelstfo", "nezapomenutelnej",
                              "xyzzyx",       "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};

// Words of the dictionary that pass on their own, to build text from.
QStringList vocabulary(THunspellSpeller &speller, int count)
{
    const QStringList all = Bench::DictionaryWords();
    if (all.isEmpty())
        return {};
    QRandomGenerator rng(1029);
    QStringList out;
    while (out.size() < count) {
        const QString w = all.at(rng.bounded(int(all.size())));
        if (speller.IsCorrect(w))
            out << w;
    }
    // The short everyday words lead a Zipf ranking, as in real text.
    for (const char *w :
         {"a", "v", "se", "na", "je", "že", "to", "s", "z", "do", "o", "k", "i", "jako", "pro"})
        out.prepend(QString::fromUtf8(w));
    return out;
}

// Sentences of Zipf-ranked words in lines of 60 to 110 characters (or one line), with
// `errors` misspelt words spread over it.
QString czechText(const QStringList &words, qsizetype size, int errors, bool oneLine, quint32 seed,
                  int firstError = 0)
{
    QRandomGenerator rng(seed);
    std::vector<double> cumulative(size_t(words.size()));
    double sum = 0;
    for (qsizetype i = 0; i < words.size(); ++i)
        cumulative[size_t(i)] = sum += 1.0 / double(i + 1);
    auto word = [&] {
        const double r = rng.generateDouble() * sum;
        const auto it = std::lower_bound(cumulative.begin(), cumulative.end(), r);
        return words.at(qMin<qsizetype>(words.size() - 1, it - cumulative.begin()));
    };
    QString out;
    out.reserve(size + 200);
    const qsizetype every = errors > 0 ? size / errors : size + 1;
    qsizetype nextError = errors > 0 ? every / 2 : size + 1;
    int errorIndex = firstError;
    qsizetype lineStart = 0;
    bool sentenceStart = true;
    const int lineLength = 60 + int(rng.bounded(50));
    while (out.size() < size) {
        QString w = word();
        if (out.size() >= nextError) {
            w = Misspelt.at(errorIndex++ % Misspelt.size());
            nextError += every;
        }
        if (sentenceStart)
            w[0] = w[0].toUpper();
        out += w;
        sentenceStart = rng.bounded(12) == 0;
        out += sentenceStart         ? QStringLiteral(". ")
               : rng.bounded(9) == 0 ? QStringLiteral(", ")
                                     : QStringLiteral(" ");
        if (!oneLine && out.size() - lineStart > lineLength) {
            out.chop(1);
            out += '\n';
            lineStart = out.size();
        }
    }
    return out;
}

// Hands everything to the real binding and adds up the time spent on suggestions.
class TimedSpeller : public TAbstractSpeller
{
public:
    explicit TimedSpeller(std::unique_ptr<TAbstractSpeller> inner)
        : TAbstractSpeller(inner->Language(), inner->Options()), m_inner(std::move(inner))
    {}
    double suggestMs = 0;
    int VerifyFirst(QStringView t, int *l, int *o) override { return m_inner->VerifyFirst(t, l, o); }
    int VerifyNext(QStringView t, int *l, int *o) override { return m_inner->VerifyNext(t, l, o); }
    void AddChangeOnce(const QString &w, const QString &r) override { m_inner->AddChangeOnce(w, r); }
    void AddChangeAlways(const QString &w, const QString &r) override { m_inner->AddChangeAlways(w, r); }
    void AddToCustomDictionary(const QString &w) override { m_inner->AddToCustomDictionary(w); }
    void IgnoreAlways(const QString &w) override { m_inner->IgnoreAlways(w); }
    void GetSuggestions(const QString &w, QStringList &list) override
    {
        QElapsedTimer t;
        t.start();
        m_inner->GetSuggestions(w, list);
        suggestMs += Bench::Ms(t);
    }
    QString GetReplacement() override { return m_inner->GetReplacement(); }
    QString GetErrorWord() override { return m_inner->GetErrorWord(); }
    bool IsCorrect(const QString &w) override { return m_inner->IsCorrect(w); }

private:
    std::unique_ptr<TAbstractSpeller> m_inner;
};

struct Run
{
    double ms = 0;
    int stops = 0;
};

// F7 at the start of the text, then "Přeskočit" at every stop, until the range ends.
Run checkAll(TSpellChecker &checker, TRxRichEdit &editor)
{
    editor.SetSelStart(0);
    QElapsedTimer t;
    t.start();
    checker.Check(&editor);
    Run run;
    TSpellerDialog2 *d = checker.Dialog();
    while (d && d->isVisible()) {
        ++run.stops;
        if (qEnvironmentVariableIsSet("BENCH_SPELL_STOPS"))
            std::printf("  stop: %s\n", qPrintable(editor.textCursor().selectedText()));
        d->SkipButton->click();
    }
    run.ms = Bench::Ms(t);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir config;
    const QString aff = "/usr/share/hunspell/cs_CZ.aff", dic = "/usr/share/hunspell/cs_CZ.dic";
    if (!QFile::exists(dic)) {
        std::printf("hunspell-cs is not installed\n");
        return 1;
    }

    QElapsedTimer t;
    t.start();
    THunspellSpeller probe(1029, 0x000F, aff, dic, config.path());
    std::printf("%-58s %8.1f ms\n", "load cs_CZ dictionary", Bench::Ms(t));
    const QStringList words = vocabulary(probe, 30000);

    SilentPrompts prompts;
    TSettingsStore store(config.filePath("quortosk.ini"));
    QMainWindow window;
    auto *editor = new TRxRichEdit(&window);
    window.setCentralWidget(editor);
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();

    struct Case
    {
        const char *what;
        qsizetype size;
        int errors;
        bool oneLine;
        int firstError; // each case its own misspellings: suggestions are kept per word
    };
    const Case cases[] = {
        {"1 MB, 10 errors (binding made at this F7)", 1000000, 10, false, 0},
        {"1 MB, 10 other errors, later F7", 1000000, 10, false, 10},
        {"1 MB, no errors", 1000000, 0, false, 0},
        {"1 MB in one line, 10 other errors", 1000000, 10, true, 20},
        {"16 MB, 100 errors (30 distinct, seen before)", 16000000, 100, false, 0},
    };
    // The first F7 through the command itself, which reads the dictionary.
    {
        editor->setPlainText(czechText(words, 1000000, 10, false, 7));
        SpellCommands commands([editor] { return editor; }, &prompts, &window, &store);
        editor->SetSelStart(0);
        t.restart();
        commands.mmSpellClick();
        int stops = 0;
        for (TSpellerDialog2 *d = commands.Speller()->Dialog(); d && d->isVisible(); ++stops)
            d->SkipButton->click();
        std::printf("%-58s %8.1f ms  stops %d\n", "1 MB, 10 errors, first F7 (dictionary read)", Bench::Ms(t),
                    stops);
        QFile::remove(config.filePath("CUSTOM.DIC"));
    }

    TimedSpeller *timed = nullptr;
    TSpellChecker checker(
        [&](int language, int options) -> std::unique_ptr<TAbstractSpeller> {
            auto sp = std::make_unique<TimedSpeller>(
                std::make_unique<THunspellSpeller>(language, options, aff, dic, config.path()));
            timed = sp.get();
            return sp;
        },
        &prompts, &window);
    for (const Case &c : cases) {
        const QString text = czechText(words, c.size, c.errors, c.oneLine, 7, c.firstError);
        editor->setPlainText(text);
        QApplication::processEvents();
        const double before = timed ? timed->suggestMs : 0;
        const Run run = checkAll(checker, *editor);
        const double suggest = timed->suggestMs - before;
        std::printf("%-58s %8.1f ms  stops %3d  suggestions %7.1f ms  loop %7.1f ms\n", c.what, run.ms,
                    run.stops, suggest, run.ms - suggest);
    }

    // Suggestions on a fresh binding, each word once, in the order listed.
    THunspellSpeller speller(1029, 0x000F, aff, dic, config.path());
    QList<double> times;
    double worst = 0;
    QString worstWord;
    for (const QString &w : Misspelt) {
        QStringList list;
        t.restart();
        speller.GetSuggestions(w, list);
        const double ms = Bench::Ms(t);
        times << ms;
        if (ms > worst) {
            worst = ms;
            worstWord = w;
        }
    }
    Bench::Report("suggestions for a misspelt word", times);
    std::printf("%-58s %8.1f ms  (%s, %lld letters)\n", "worst suggestion time", worst, qPrintable(worstWord),
                qlonglong(worstWord.size()));

    // Single words as checking-as-you-type would ask, on a binding that has seen nothing.
    THunspellSpeller cold(1029, 0x000F, aff, dic, config.path());
    t.restart();
    int wrong = 0;
    for (int i = 0; i < 10000; ++i)
        wrong += cold.IsCorrect(words.at(i % words.size())) ? 0 : 1;
    std::printf("%-58s %8.3f ms  (%d rejected)\n", "IsCorrect, one word (mean of 10,000 distinct)",
                Bench::Ms(t) / 10000, wrong);
    return 0;
}
