// Times the text tools on a 16 MB page shown in the main window: Replace All of 100,000
// occurrences, the whole character-set conversion and its preview, the T602 clean-up, and
// Prevest against a plain byte-copy loop. Targets: Replace All < 2 s, conversion < 0.5 s,
// opening the preview or switching its sets < 50 ms, T602 < 1 s, Prevest within 3x of the
// copy loop. Sections can be picked by name: replace, konverze, preview, t602, prevest.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/shell/TMainForm.h"
#include "common/TPrompts.h"
#include "editor/search/TEditorSearch.h"
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "konverze/TfrmKonverze.h"
#include "konverze/TKonverzePreview.h"
#include "text/Cp1250.h"
#include "text/Konverze.h"
#include "text/KonverzeText.h"
#include "text/T602.h"
#include "text/TextCommands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qsizetype kSize = 16 * 1000 * 1000;
constexpr int kHits = 100000;

// Czech words in Windows-1250, lines of 20..110 characters, T602 marks in every 40th
// line, and the word "hledat" exactly kHits times. With softBreaks, three of four lines
// end in the T602 soft line break 0x8D, as in a wrapped T602 paragraph.
QByteArray makeText(bool softBreaks = false)
{
    static const char *words[] = {"p\xf8\xedli\x9a",
                                  "\x9elu\x9dou\xe8k\xfd",
                                  "k\xf9\xf2",
                                  "\xfap\xecl",
                                  "\xef\xe1\x62\x65lsk\xe9",
                                  "\xf3\x64y",
                                  "text",
                                  "editor",
                                  "soubor",
                                  "a",
                                  "v",
                                  "na",
                                  "konverze",
                                  "pravopis"};
    QRandomGenerator rng(1250);
    QByteArray out;
    out.reserve(kSize + 4000);
    const qsizetype every = kSize / kHits;
    qsizetype nextHit = every / 2;
    int hits = 0, line = 0;
    while (out.size() < kSize - 200) {
        if (++line % 40 == 0)
            out.append("@LH 6\x8D\x13@HE ");
        const int target = 20 + int(rng.bounded(90));
        const qsizetype start = out.size();
        while (out.size() - start < target) {
            if (hits < kHits && out.size() >= nextHit) {
                out.append("hledat ");
                ++hits;
                nextHit += every;
                continue;
            }
            out.append(words[rng.bounded(int(std::size(words)))]);
            out.append(' ');
        }
        if (softBreaks && line % 4 != 0)
            out.append('\x8D');
        out.append('\n');
    }
    while (hits < kHits) {
        out.append("hledat\n");
        ++hits;
    }
    return out;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void report(const char *what, double msTaken, double targetMs)
{
    std::printf("%-58s %9.1f ms  (target < %.0f ms) %s\n", what, msTaken, targetMs,
                msTaken < targetMs ? "ok" : "MISSED");
}

void pressKey(QWidget *w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(w, &release);
}

TRxRichEdit *freshPage(TMainForm &form, const QString &text)
{
    TRxRichEdit *editor = form.ActiveEditor();
    editor->Doc()->LoadText(TextFile::PendingText(text));
    editor->FinishLoad();
    editor->SetSelStart(0);
    settle();
    return editor;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // A section name on the command line runs only that section (for profiling).
    const QStringList only = app.arguments().mid(1);
    auto wanted = [&only](const char *section) {
        return only.isEmpty() || only.contains(QLatin1String(section));
    };
    QStandardPaths::setTestModeEnabled(true);
    TDialogPrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.resize(1000, 700);
    form.show();
    settle();

    const QByteArray bytes = makeText();
    const QString text = Cp1250::decode(bytes);
    std::printf("text: %lld characters, %lld lines, word wrap %s\n", (long long)text.size(),
                (long long)text.count(u'\n'), form.ActiveEditor()->WordWrap() ? "on" : "off");

    // Replace All, 100,000 hits, with the Replace dialog and the page shown.
    if (wanted("replace")) {
        TRxRichEdit *editor = freshPage(form, text);
        TEditorSearch *search = TEditorSearch::of(editor);
        search->ShowReplaceDialog();
        search->ReplaceDialog()->SetSearchText(QStringLiteral("HLEDAT"));
        search->ReplaceDialog()->SetReplaceText(QStringLiteral("najdi"));
        settle();
        QElapsedTimer t;
        t.start();
        const int count = search->ReplaceAll(search->ReplaceDialog());
        const double edit = ms(t);
        settle();
        std::printf("Replace All: %d replacements (edit %.1f ms, then repaint)\n", count, edit);
        report("Replace All of 100,000 occurrences, view shown", ms(t), 2000);
        t.restart();
        editor->Undo();
        settle();
        std::printf("  undo of the Replace All: %.1f ms\n", ms(t));
        search->ReplaceDialog()->hide();
    }

    // Find Next from the start for a word the text lacks (the whole text is searched), and
    // for one found near the end, with each option set.
    if (wanted("find")) {
        TRxRichEdit *editor = freshPage(form, text + QStringLiteral("\nkonecn\u00e9 slovo"));
        TEditorSearch *search = TEditorSearch::of(editor);
        search->ShowFindDialog();
        TSearchDialog *dialog = search->FindDialog();
        const struct
        {
            const char *what;
            QString word;
            bool matchCase, wholeWord;
        } rows[] = {
            {"Find Next, a word not in the text", QStringLiteral("nikde"), false, false},
            {"Find Next, not in the text, match case", QStringLiteral("nikde"), true, false},
            {"Find Next, not in the text, whole word", QStringLiteral("nikde"), false, true},
            {"Find Next, the last word (\"KONECN\u00c9\")", QStringLiteral("KONECN\u00c9"), false, false},
        };
        for (const auto &row : rows) {
            dialog->SetSearchText(row.word);
            dialog->SetMatchCase(row.matchCase);
            dialog->SetWholeWord(row.wholeWord);
            editor->SetSelStart(0);
            settle();
            QElapsedTimer t;
            t.start();
            const bool found = search->SearchWithDialog(dialog, false, false);
            settle();
            std::printf("%-58s %9.1f ms  (%s)\n", row.what, ms(t), found ? "found" : "not found");
        }
        dialog->hide();
    }

    // The whole conversion: read the page, convert, put it back into the shown editor.
    if (wanted("konverze")) {
        TRxRichEdit *editor = freshPage(form, text);
        QByteArray expected = bytes;
        Prevest(Konverze::Windows1250, Konverze::Kamenicky, expected.data(), std::size_t(expected.size()));
        TfrmKonverze dialog(editor, &form);
        dialog.lstZdroj->setCurrentRow(0);
        dialog.lstCil->setCurrentRow(1);
        QElapsedTimer t;
        t.start();
        dialog.btnKonvert->click();
        const double click = ms(t);
        settle();
        const double total = ms(t);
        std::printf("Conversion: click %.1f ms, then repaint %.1f ms; result %s, modified %s\n", click,
                    total - click, Cp1250::encode(editor->PlainText()) == expected ? "byte-exact" : "WRONG",
                    editor->Modified() ? "yes" : "no");
        report("Conversion Windows 1250 -> Kamenicky of the whole page", total, 500);
        t.restart();
        editor->Undo();
        settle();
        std::printf("  undo of the conversion: %.1f ms, text %s\n", ms(t),
                    editor->PlainText() == text ? "restored" : "NOT RESTORED");

        // Where the click's time goes: reading the page's text and finding the edits; the
        // rest is the document taking the edits in.
        freshPage(form, text);
        t.restart();
        const QString raw = editor->document()->toRawText();
        const double read = ms(t);
        t.restart();
        QString storage;
        const auto edits = KonverzeText::LineEdits(
            raw, KonverzeText::Map(Konverze::Windows1250, Konverze::Kamenicky), &storage);
        std::printf("  of the click: reading the text %.1f ms, finding %lld line edits %.1f ms\n", read,
                    (long long)edits.size(), ms(t));

        // For comparison, on the same page: the way it was done before, a copy of the whole
        // text converted through bytes, line edits of it, applied as one replacement.
        freshPage(form, text);
        t.restart();
        const QString plain = editor->PlainText();
        const QString converted = TfrmKonverze::ConvertedText(plain, 1, 2);
        ApplyEdits(editor, plain, TextEdits::lineEdits(plain, converted));
        editor->SetSelStart(0);
        settle();
        std::printf("  the same the previous way (whole copy, one replacement): %.1f ms\n", ms(t));
    }
    if (wanted("preview")) {
        // Each figure: the dialog's handler and the preview's repaint, without the idle work
        // of the page behind the dialog.
        TRxRichEdit *editor = freshPage(form, text);
        TfrmKonverze preview(editor, &form);
        preview.show();
        settle();
        auto timed = [&preview](const char *what, double target, const std::function<void()> &step) {
            QElapsedTimer t;
            t.start();
            step();
            preview.repaint();
            if (target > 0)
                report(what, ms(t), target);
            else
                std::printf("  %s: %.1f ms\n", what, ms(t));
        };
        timed("Preview of a 16 MB page: opening (Nahled checked)", 50,
              [&] { preview.CheckBox1->setChecked(true); });
        timed("Preview: a click on another target set", 50, [&] { preview.lstCil->setCurrentRow(4); });
        timed("Preview: a click on another source set", 50, [&] { preview.lstZdroj->setCurrentRow(2); });
        timed("preview scrolled to the end (Ctrl+End)", 0,
              [&] { pressKey(preview.editPreview, Qt::Key_End, Qt::ControlModifier); });
        QByteArray end = bytes.right(20000);
        Prevest(Konverze::Latin2, Konverze::Ascii, end.data(), std::size_t(end.size()));
        const QString shown = preview.editPreview->ShownText();
        std::printf("  the end shown converted (%lld characters): %s\n", (long long)shown.size(),
                    shown.size() > 100 && Cp1250::decode(end).endsWith(shown) ? "yes" : "NO");
        timed("20 pages up, each repainted", 0, [&] {
            for (int i = 0; i < 20; ++i) {
                pressKey(preview.editPreview, Qt::Key_PageUp);
                preview.editPreview->repaint();
            }
        });
    }
    // The T602 clean-up, the command as a whole and the byte work alone.
    if (wanted("t602")) {
        TRxRichEdit *editor = freshPage(form, text);
        QElapsedTimer t;
        t.start();
        form.Commands().Action(QStringLiteral("KonverzezT6021"))->trigger();
        settle();
        report("T602 clean-up, marks in every 40th line (command)", ms(t), 1000);
        t.restart();
        const QByteArray cleaned = T602::cleanText(bytes, "\n");
        std::printf("  byte work alone: %.1f ms (%lld bytes removed)\n", ms(t),
                    (long long)(bytes.size() + 1 - cleaned.size()));
        t.restart();
        editor->Undo();
        settle();
        std::printf("  undo: %.1f ms\n", ms(t));

        const QString soft = Cp1250::decode(makeText(true));
        freshPage(form, soft);
        t.restart();
        form.Commands().Action(QStringLiteral("KonverzezT6021"))->trigger();
        settle();
        report("T602 clean-up, soft breaks in 3 of 4 lines (command)", ms(t), 1000);
    }

    // Prevest against a plain byte-copy loop over the same buffer.
    if (wanted("prevest")) {
        std::vector<char> buffer(bytes.begin(), bytes.end());
        buffer.push_back('\0');
        std::vector<char> copy(buffer.size());
        double bestPrevest = 1e18, bestCopy = 1e18;
        unsigned checksum = 0;
        for (int round = 0; round < 7; ++round) {
            QElapsedTimer t;
            t.start();
            Prevest(Konverze::Windows1250, Konverze::Kamenicky, buffer.data());
            bestPrevest = std::min(bestPrevest, ms(t));
            Prevest(Konverze::Kamenicky, Konverze::Windows1250, buffer.data()); // back

            t.restart();
            const char *src = buffer.data();
            char *dst = copy.data();
            for (std::size_t i = 0; i < buffer.size(); ++i)
                dst[i] = src[i];
            bestCopy = std::min(bestCopy, ms(t));
            checksum += static_cast<unsigned char>(copy[copy.size() / 2]);
        }
        std::printf("Prevest over %lld bytes: %.2f ms; byte-copy loop: %.2f ms; ratio %.2fx "
                    "(target within 3x) %s  [%u]\n",
                    (long long)bytes.size(), bestPrevest, bestCopy, bestPrevest / bestCopy,
                    bestPrevest / bestCopy <= 3.0 ? "ok" : "MISSED", checksum);
    }
    return 0;
}
