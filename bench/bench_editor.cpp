// Loads a 16 MB Windows-1250 file into a shown, wrapped editor and times caret moves and
// keystrokes with the work the status bar does on each selection event.
#include "BenchCommon.h"
#include "editor/TRxRichEdit.h"
#include "editor/TextFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>

using Bench::Ms;
using Bench::Report;

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

    QElapsedTimer t;
    t.start();
    editor.Doc()->Load(path);
    const double loadOnly = Ms(t);
    app.processEvents();
    const double loadShown = Ms(t);
    editor.LineFromChar(editor.SelStart());
    const double firstLine = Ms(t);
    std::printf("load 16 MB file into shown wrapped editor: read+set %.0f ms, painted %.0f ms, "
                "first display-line query %.0f ms (target < 1000 ms)\n",
                loadOnly, loadShown, firstLine);
    t.restart();
    editor.SetSelStart(editor.document()->characterCount() - 1);
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("jump to the end right after loading (counts every block before it): %.0f ms\n", Ms(t));
    editor.resize(700, 700);
    app.processEvents();
    t.restart();
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("first line query at the end after a width change: %.0f ms\n", Ms(t));
    std::printf("characters %d, blocks %d, display lines %d\n", editor.document()->characterCount() - 1,
                editor.document()->blockCount(), editor.LineCount());

    // Caret moves across the document, each followed by what the status bar asks and a repaint.
    QRandomGenerator rng(7);
    const int length = editor.document()->characterCount() - 1;
    QList<double> moves;
    for (int i = 0; i < 200; ++i) {
        const int pos = int(rng.bounded(length));
        t.restart();
        editor.SetSelStart(pos);
        const int line = editor.LineFromChar(editor.SelStart());
        const int col = editor.SelStart() - editor.LineStart(line);
        app.processEvents();
        moves << Ms(t);
        Q_UNUSED(col);
    }
    // Keystrokes in the middle of the text.
    editor.SetSelStart(length / 2);
    QList<double> keys;
    for (int i = 0; i < 100; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
        const int line = editor.LineFromChar(editor.SelStart());
        editor.LineStart(line);
        app.processEvents();
        keys << Ms(t);
    }
    // Enter splits a block: the block map changes shape.
    QList<double> enters;
    for (int i = 0; i < 50; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&editor, &press);
        editor.LineStart(editor.LineFromChar(editor.SelStart()));
        app.processEvents();
        enters << Ms(t);
    }
    Report("caret move + line/column query + repaint", moves);
    Report("keystroke + line/column query + repaint", keys);
    Report("Enter + line/column query + repaint", enters);
    return 0;
}
