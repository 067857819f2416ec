// Cost of one caret move with the status bar's update, in the main window, on a 16 MB
// document with word wrap on. Prints the figures; the target is under 16 ms a move.
#include "app/TMainForm.h"
#include "app/TPrompts.h"
#include "app/TStatusPanels.h"
#include "editor/TRxRichEdit.h"

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

// Windows-1250 text: lines of 10 to 120 characters, every 40th line a paragraph of about
// 2000 characters that wraps over many display lines.
QByteArray makeText(qsizetype size)
{
    static const char *words[] = {"\x9elu\x9dou\xe8k\xfd", "k\xf9\xf2", "p\xf8\xedli\x9a", "text", "a",
                                  "stavov\xfd", "\xf8\xe1\x64\x65k", "sloupec", "pozice", "v", "na"};
    QRandomGenerator rng(1234);
    QByteArray out;
    out.reserve(size + 4096);
    for (int line = 1; out.size() < size; ++line) {
        const int target = line % 40 == 0 ? 2000 : 10 + int(rng.bounded(110));
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

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void report(const char *what, QList<double> v)
{
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += x;
    std::printf("%-58s n=%3lld  mean %6.2f ms  median %6.2f ms  p95 %6.2f ms  max %6.2f ms\n", what,
                qlonglong(v.size()), sum / v.size(), v.at(v.size() / 2),
                v.at(qMin(v.size() - 1, v.size() * 95 / 100)), v.last());
}

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
    form.mmStatusBarClick();
    app.processEvents();
    auto *panels = form.findChild<TStatusPanels *>();
    TRxRichEdit *editor = form.ActiveEditor();
    if (!panels || !editor)
        return 2;
    editor->setFocus();

    QElapsedTimer t;
    t.start();
    editor->LoadFromFile(path);
    app.processEvents();
    std::printf("platform %s; 16 MB wrapped document loaded and shown in %.0f ms\n",
                qPrintable(QGuiApplication::platformName()), ms(t));
    t.restart();
    editor->SetSelStart(editor->document()->characterCount() - 1);
    app.processEvents();
    std::printf("first jump to the end (counts the display lines once): %.0f ms; panels %s / %s / %s\n",
                ms(t), qPrintable(panels->PanelText(1)), qPrintable(panels->PanelText(2)),
                qPrintable(panels->PanelText(3)));

    const int length = editor->document()->characterCount() - 1;
    QRandomGenerator rng(99);

    // A jump anywhere (click, go to line, find): selection event, status panels, repaint.
    QList<double> jumps;
    for (int i = 0; i < 200; ++i) {
        const int pos = int(rng.bounded(length));
        t.restart();
        editor->SetSelStart(pos);
        app.processEvents();
        jumps << ms(t);
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
        arrows << ms(t);
    }

    // The status bar's own share: the update alone at random places.
    QList<double> updates;
    for (int i = 0; i < 500; ++i) {
        const QSignalBlocker block(editor);
        editor->SetSelStart(int(rng.bounded(length)));
        t.restart();
        form.UpdateStatusPanels(editor);
        updates << ms(t);
    }
    app.processEvents();

    std::printf("\ncharacters %d, display lines %d\n", length, editor->LineCount());
    report("caret jump + status panels + repaint", jumps);
    report("arrow key + status panels + idle update + repaint", arrows);
    report("status panel update alone (line, column, position)", updates);
    std::printf("target: one caret move including the status bar under 16 ms\n");
    return 0;
}
