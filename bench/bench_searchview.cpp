// Hits of a search counted on a 16 MB page while the Find dialog shows, and typing on that
// page with line numbers and the current line marked. Figures beside the 16 ms a frame
// takes: no event-loop turn should reach it.
#include "BenchCommon.h"
#include "editor/TCurrentLine.h"
#include "editor/TEditorSearch.h"
#include "editor/TLineNumberArea.h"
#include "editor/TRxRichEdit.h"
#include "editor/TSearchDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

using Bench::Ms;
using Bench::Report;

namespace {

constexpr double FrameMs = 16.0;

// Types `needle` into the shown Find dialog and runs the event loop until the count is
// shown: the whole time, and the longest single turn (the typing's own turn included).
void countFigures(QApplication &app, TSearchDialog *dialog, const QString &needle, bool wholeWord)
{
    dialog->edtSearch->clear();
    dialog->SetWholeWord(wholeWord);
    app.processEvents();
    QElapsedTimer all, turn;
    all.start();
    turn.start();
    dialog->edtSearch->setText(needle);
    double longest = Ms(turn);
    int turns = 0;
    while (dialog->Hits() == QStringLiteral("…")) {
        turn.restart();
        app.processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, Ms(turn));
        ++turns;
    }
    std::printf(
        "count \"%s\"%s on 16 MB: %-16s in %6.0f ms over %4d turns, longest turn %5.2f ms (target < %.0f)\n",
        qPrintable(needle), wholeWord ? " (whole word)" : "             ", qPrintable(dialog->Hits()),
        Ms(all), turns, longest, FrameMs);
}

// Keystrokes in the middle of the page, each with its repaint (editor and gutter).
QList<double> typing(QApplication &app, TRxRichEdit &editor, Qt::Key key, const QString &text, int count)
{
    QList<double> times;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&editor, &press);
        app.processEvents();
        editor.viewport()->repaint();
        if (TLineNumberArea *area = TLineNumberArea::of(&editor))
            area->repaint();
        times << Ms(t);
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(Bench::CzechText(16 * 1024 * 1024 - 1, 50, 1500, 42));
    }
    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    app.processEvents();
    editor.Doc()->Load(path);
    editor.FinishLoad();
    app.processEvents();
    std::printf("characters %d, file lines %d\n", editor.document()->characterCount() - 1,
                editor.document()->blockCount());

    // Counting while the Find dialog shows.
    TEditorSearch *search = TEditorSearch::of(&editor);
    search->ShowFindDialog();
    TSearchDialog *dialog = search->FindDialog();
    countFigures(app, dialog, QStringLiteral("text"), false);
    countFigures(app, dialog, QStringLiteral("na"), false);
    countFigures(app, dialog, QStringLiteral("a"), true);
    countFigures(app, dialog, QStringLiteral("žluťoučký"), true);
    // Typing on the page while the dialog shows: every keystroke starts the count again.
    editor.SetSelStart((editor.document()->characterCount() - 1) / 2);
    Report("keystroke with Find dialog counting \"a\"",
           typing(app, editor, Qt::Key_X, QStringLiteral("x"), 50));
    dialog->hide();
    app.processEvents();

    // Typing with and without line numbers and the current line's mark.
    const int middle = (editor.document()->characterCount() - 1) / 2;
    for (bool wrap : {true, false}) {
        editor.SetWordWrap(wrap);
        for (bool on : {false, true}) {
            TLineNumberArea::SetShown(&editor, on);
            TCurrentLine::SetShown(&editor, on);
            editor.SetSelStart(middle);
            app.processEvents();
            const QString label =
                QStringLiteral("%1, %2: ")
                    .arg(wrap ? "wrap on" : "wrap off", on ? "numbers + line mark" : "plain");
            Report(qPrintable(label + "keystroke + repaint"),
                   typing(app, editor, Qt::Key_A, QStringLiteral("a"), 100));
            Report(qPrintable(label + "Enter + repaint"),
                   typing(app, editor, Qt::Key_Return, QStringLiteral("\r"), 30));
            Report(qPrintable(label + "Page Down + repaint"),
                   typing(app, editor, Qt::Key_PageDown, QString(), 30));
        }
    }
    std::printf("target: each keystroke under %.0f ms\n", FrameMs);
    return 0;
}
