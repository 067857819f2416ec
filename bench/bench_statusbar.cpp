// Cost of one caret move with the status bar's update, in the main window, on a 16 MB
// document with word wrap on. Prints the figures; the target is under 16 ms a move.
#include "BenchCommon.h"
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/shell/TMainForm.h"
#include "app/pages/TPageControl.h"
#include "common/TPrompts.h"
#include "app/shell/TStatusPanels.h"
#include "editor/view/TRxRichEdit.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray makeText(qsizetype size)
{
    return Bench::CzechText(size, 40, 2000, 1234);
}

using Bench::Ms;
using Bench::Report;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(makeText(16 * 1024 * 1024 - 1));
    }

    TDialogPrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.resize(1000, 760);
    form.show();
    form.View()->mmStatusBarClick();
    app.processEvents();
    auto *panels = form.findChild<TStatusPanels *>();
    TRxRichEdit *editor = form.ActiveEditor();
    if (!panels || !editor)
        return 2;
    editor->setFocus();

    QElapsedTimer t;
    t.start();
    editor->Doc()->Load(path);
    app.processEvents();
    const double shown = Ms(t);
    while (editor->Loading())
        app.processEvents();
    std::printf("platform %s; 16 MB wrapped document: first screen %.0f ms, whole text in %.0f ms\n",
                qPrintable(QGuiApplication::platformName()), shown, Ms(t));
    const int length = editor->document()->characterCount() - 1;
    QRandomGenerator rng(99);

    // Right after loading the display lines are not counted yet: a jump to the end moves at
    // once and the line panel fills in when the counting (in short slices) reaches it.
    t.restart();
    editor->SetSelStart(length);
    app.processEvents();
    const double firstJump = Ms(t);
    QList<double> waiting;
    while (panels->PanelText(1).isEmpty()) {
        QElapsedTimer slice;
        slice.start();
        app.processEvents();
        waiting << Ms(slice);
    }
    std::printf("first jump to the end: %.0f ms; line panel filled %.0f ms later; panels %s / %s / %s\n",
                firstJump, Ms(t) - firstJump, qPrintable(panels->PanelText(1)),
                qPrintable(panels->PanelText(2)), qPrintable(panels->PanelText(3)));
    Report("event-loop turn while the lines are counted", waiting);

    // A jump anywhere (click, go to line, find): selection event, status panels, repaint.
    QList<double> jumps;
    for (int i = 0; i < 200; ++i) {
        const int pos = int(rng.bounded(length));
        t.restart();
        editor->SetSelStart(pos);
        app.processEvents();
        jumps << Ms(t);
    }

    // Arrow keys through the text, as the user moves: key event, panels, idle, repaint.
    QList<double> arrows;
    editor->SetSelStart(length / 3);
    app.processEvents();
    for (int i = 0; i < 300; ++i) {
        const Qt::Key key = i % 3 == 2 ? Qt::Key_Right : Qt::Key_Down;
        t.restart();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &release);
        app.processEvents();
        arrows << Ms(t);
    }

    // The status bar's own share: the update alone at random places.
    QList<double> updates;
    for (int i = 0; i < 500; ++i) {
        const QSignalBlocker block(editor);
        editor->SetSelStart(int(rng.bounded(length)));
        t.restart();
        form.StatusPanels()->ShowCaret(editor);
        updates << Ms(t);
    }
    app.processEvents();

    // Page switches with Ctrl+Tab between this page and a second 16 MB page, first while the
    // second is still coming in, then with both whole.
    const QString second = dir.filePath(QStringLiteral("second.txt"));
    QFile::copy(path, second);
    form.Files()->OpenFile(second);
    auto switchPages = [&](int count) {
        QList<double> turns;
        for (int i = 0; i < count; ++i) {
            t.restart();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
            QApplication::sendEvent(form.ActiveEditor(), &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::ControlModifier);
            QApplication::sendEvent(form.ActiveEditor(), &release);
            app.processEvents();
            turns << Ms(t);
        }
        return turns;
    };
    const QList<double> switchesLoading = switchPages(20);
    const bool stillLoading = form.PageControl()->PageCount() == 2
                              && form.ActiveEditor()->Loading();
    while (form.ActiveEditor()->Loading())
        app.processEvents();
    const QList<double> switches = switchPages(100);

    // View changes on the whole 16 MB page: each command with the repaint that follows, then
    // the longest event-loop turn while the display lines are counted again.
    auto viewChange = [&](const char *name, auto command) {
        form.PageControl()->SetActivePage(form.PageControl()->Page(1));
        app.processEvents();
        t.restart();
        command();
        app.processEvents();
        const double first = Ms(t);
        double longest = 0;
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1500) {
            QElapsedTimer turn;
            turn.start();
            app.processEvents();
            longest = std::max(longest, Ms(turn));
        }
        std::printf("%-40s %6.1f ms, then longest turn %.1f ms\n", name, first, longest);
    };
    std::printf("\n");
    viewChange("word wrap off (Ctrl+W)", [&] { form.Edits()->itmWrapClick(); });
    viewChange("word wrap on again", [&] { form.Edits()->itmWrapClick(); });
    viewChange("zoom in (Ctrl++)", [&] { form.Edits()->mmZoomInClick(); });
    viewChange("zoom back (Ctrl+0)", [&] { form.Edits()->mmZoomResetClick(); });
    viewChange("window narrower by 200 pixels", [&] { form.resize(800, 760); });

    viewChange("Save (Ctrl+S) of the 16 MB page", [&] { form.Files()->mmSaveClick(); });
    {
        t.restart();
        form.Files()->mmCloseClick(); // unmodified: closes without asking
        app.processEvents();
        std::printf("%-40s %6.1f ms\n", "Close of the other 16 MB page", Ms(t));
    }

    std::printf("\ncharacters %d, display lines %d\n", length, editor->LineCount());
    Report("caret jump + status panels + repaint", jumps);
    Report("arrow key + status panels + idle update + repaint", arrows);
    Report("status panel update alone (line, column, position)", updates);
    Report(stillLoading ? "Ctrl+Tab page switch while the second page loads" : "Ctrl+Tab page switch (first 20)",
           switchesLoading);
    Report("Ctrl+Tab page switch, both pages whole", switches);
    std::printf("target: one caret move or page switch including the status bar under 16 ms\n");
    return 0;
}
