// Loads a 16 MB Windows-1250 file into a shown, wrapped editor and times caret moves and
// keystrokes with the work the status bar does on each selection event.
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

namespace {

QByteArray makeText(qsizetype size)
{
    // Czech words in Windows-1250, lines of 20..110 characters, every 50th a paragraph of
    // about 1500 characters that wraps over many display lines.
    static const char *words[] = {"p\xf8\xedli\x9a", "\x9elu\x9dou\xe8k\xfd", "k\xf9\xf2", "\xfap\xecl",
                                  "\xef\xe1\x62\x65lsk\xe9", "\xf3\x64y", "text", "editor", "soubor",
                                  "a", "v", "na", "konverze", "pravopis"};
    QRandomGenerator rng(42);
    QByteArray out;
    out.reserve(size + 2000);
    int line = 0;
    while (out.size() < size) {
        const int target = (++line % 50 == 0) ? 1500 : 20 + int(rng.bounded(90));
        int len = 0;
        while (len < target) {
            const char *w = words[rng.bounded(int(std::size(words)))];
            out.append(w);
            out.append(' ');
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
        f.write(makeText(16 * 1024 * 1024 - 1));
    }

    TRxRichEdit editor;
    editor.setFont(QFont(QStringLiteral("Courier New"), 10));
    editor.resize(900, 700);
    editor.show();
    app.processEvents();

    QElapsedTimer t;
    t.start();
    editor.LoadFromFile(path);
    const double loadOnly = ms(t);
    app.processEvents();
    const double loadShown = ms(t);
    editor.LineFromChar(editor.SelStart());
    const double firstLine = ms(t);
    std::printf("load 16 MB file into shown wrapped editor: read+set %.0f ms, painted %.0f ms, "
                "first display-line query %.0f ms (target < 1000 ms)\n",
                loadOnly, loadShown, firstLine);
    t.restart();
    editor.SetSelStart(editor.document()->characterCount() - 1);
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("jump to the end right after loading (counts every block before it): %.0f ms\n", ms(t));
    editor.resize(700, 700);
    app.processEvents();
    t.restart();
    editor.LineFromChar(editor.SelStart());
    app.processEvents();
    std::printf("first line query at the end after a width change: %.0f ms\n", ms(t));
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
        moves << ms(t);
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
        keys << ms(t);
    }
    // Enter splits a block: the block map changes shape.
    QList<double> enters;
    for (int i = 0; i < 50; ++i) {
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&editor, &press);
        editor.LineStart(editor.LineFromChar(editor.SelStart()));
        app.processEvents();
        enters << ms(t);
    }
    auto report = [](const char *what, QList<double> v) {
        std::sort(v.begin(), v.end());
        double sum = 0;
        for (double x : v)
            sum += x;
        std::printf("%s: mean %.2f ms, median %.2f ms, max %.2f ms (target < 16 ms)\n", what,
                    sum / v.size(), v.at(v.size() / 2), v.last());
    };
    report("caret move + line/column query + repaint", moves);
    report("keystroke + line/column query + repaint", keys);
    report("Enter + line/column query + repaint", enters);
    return 0;
}
