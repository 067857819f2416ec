// Printing an editor's text to PDF files, read back with poppler's pdftotext, pdfinfo and
// pdftoppm; the print, page setup, preview and progress dialogs driven as a user would.
#include "app/commands/PrintCommands.h"
#include "editor/print/TEditorPrinter.h"
#include "editor/view/TRxRichEdit.h"
#include "TFakePrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, as pdftotext reads it, blank lines dropped and blanks between
// words (a tab's gap among them) made one.
QStringList pdfPages(const QString &pdf)
{
    QStringList pages =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (pages.size() > 1 && pages.last().trimmed().isEmpty())
        pages.removeLast(); // pdftotext ends every page with a form feed
    for (QString &page : pages) {
        QStringList lines = page.split(QLatin1Char('\n'));
        lines.removeAll(QString());
        for (QString &line : lines)
            line = line.simplified();
        page = lines.join(QLatin1Char('\n'));
    }
    return pages;
}

int pdfPageCount(const QString &pdf)
{
    const auto m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfPageSize(const QString &pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+) pts"))
                       .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.captured(1);
}

// The top left corner of the first word on the first page, in points from the sheet's.
QPointF pdfFirstWordCorner(const QString &pdf)
{
    const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\""))
                       .match(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QPointF(-1, -1);
}

QString words(int count)
{
    QStringList w;
    for (int i = 0; i < count; ++i)
        w << QStringLiteral("slovo%1").arg(i, 4, 10, QLatin1Char('0'));
    return w.join(QLatin1Char(' '));
}

// Runs `action` on the next modal window that shows up; the timer that watches for it
// deletes itself then.
QPointer<QTimer> onModal(const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(w);
        }
    });
    timer->start();
    return timer;
}

} // namespace

class TstPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TFakePrompts m_prompts;
    std::unique_ptr<TRxRichEdit> m_editor;

    TRxRichEdit *editorWith(const QString &text, bool wrap = false, int width = 500)
    {
        m_editor = std::make_unique<TRxRichEdit>();
        m_editor->setFont(QFont(QStringLiteral("Courier New"), 10));
        m_editor->resize(width, 300);
        m_editor->SetWordWrap(wrap);
        m_editor->show();
        if (!QTest::qWaitForWindowExposed(m_editor.get()))
            return nullptr;
        m_editor->setPlainText(text);
        return m_editor.get();
    }

    static void toPdf(QPrinter &printer, const QString &file)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }

private slots:
    void init() { m_prompts = TFakePrompts(); }
    void cleanup() { m_editor.reset(); }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed");
    }

    void printsToPdf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("empty text: one empty page") << QString() << QStringList{QString()};
        QTest::newRow("lines") << QStringLiteral("první\n\ndruhý\n") << QStringList{"první\ndruhý"};
        QTest::newRow("form feed starts a new page")
            << QStringLiteral("první strana\fdruhá strana\n\f\ntřetí")
            << QStringList{"první strana", "druhá strana", "třetí"};
        QTest::newRow("Czech letters") << QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy")
                                       << QStringList{"Příliš žluťoučký kůň úpěl ďábelské ódy"};
        QTest::newRow("tabs") << QStringLiteral("a\tb") << QStringList{"a b"};
    }
    void printsToPdf()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pages);
        TRxRichEdit *editor = editorWith(text);
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = m_dir.filePath(QStringLiteral("out.pdf"));
        toPdf(printer, pdf);
        QVERIFY(commands.PrintTo(editor, &printer));
        QCOMPARE(m_prompts.errors, QStringList());
        QCOMPARE(pdfPageCount(pdf), pages.size());
        QCOMPARE(pdfPages(pdf), pages);
    }

    // A line wider than the page continues on the next printed line, broken at the last
    // character that fits; a line longer than 4,096 characters prints whole.
    void longLineContinues_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::newRow("three printed lines") << 25;
        QTest::newRow("longer than 4096 characters") << 600;
    }
    void longLineContinues()
    {
        QFETCH(int, wordCount);
        const QString line = words(wordCount) + QStringLiteral(" KONEC");
        TRxRichEdit *editor = editorWith(line);
        QVERIFY(editor);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
        toPdf(printer, pdf);
        TEditorPrinter job(*editor, printer);
        QVERIFY(job.Print());

        const QStringList printed = pdfPages(pdf).join(QLatin1Char('\n')).split(QLatin1Char('\n'));
        QVERIFY2(printed.size() > 2, qPrintable(printed.join('|')));
        QString without = line;
        without.remove(QLatin1Char(' '));
        QCOMPARE(printed.join(QString()).remove(QLatin1Char(' ')), without);

        // Each printed line is as long as fits: one more character would pass the width.
        const QFontMetricsF metrics(job.PrinterFont(), &printer);
        const TEditorPrinter::Page &first = job.Pages().first();
        QCOMPARE(first.first().text, line.left(first.first().text.size()));
        const QString piece = first.first().text;
        QVERIFY(metrics.horizontalAdvance(piece) <= printer.width());
        QVERIFY(metrics.horizontalAdvance(line.left(piece.size() + 1)) > printer.width());
        QCOMPARE(first.at(1).text, line.mid(piece.size(), first.at(1).text.size()));
    }

    // With word wrap on the printed lines are the display lines; with it off the lines of
    // the text, whole.
    void printedLines_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::newRow("wrap on") << true;
        QTest::newRow("wrap off") << false;
    }
    void printedLines()
    {
        QFETCH(bool, wrap);
        const QString text =
            QStringLiteral("krátký\n") + words(30) + QStringLiteral("\n\n\tx\n") + words(12) + "\n";
        TRxRichEdit *editor = editorWith(text, wrap, 260);
        QVERIFY(editor);
        QStringList expected;
        if (wrap) {
            for (int i = 0; i < editor->LineCount(); ++i)
                expected << editor->LineText(i);
            QVERIFY(expected.size() > 6);
        } else {
            expected = text.split(QLatin1Char('\n'));
            expected.removeLast();
        }
        QCOMPARE(TEditorPrinter::PrintedLines(*editor), expected);
    }

    // Told of its progress, the line finding stops when asked to; a text changed while the
    // progress let events in (a reload) is read again: no lines of a text half replaced.
    void printedLinesStop()
    {
        TRxRichEdit *editor = editorWith(words(3000).replace(QStringLiteral("0 "), QStringLiteral("0\n")));
        QVERIFY(editor);
        QStringList lines;
        int asked = 0;
        QVERIFY(TEditorPrinter::PrintedLines(*editor, &lines, [&asked](double) { return ++asked > 0; }));
        QVERIFY(asked > 0);
        QCOMPARE(lines, TEditorPrinter::PrintedLines(*editor));
        QVERIFY(!TEditorPrinter::PrintedLines(*editor, &lines, [](double) { return false; }));
        bool reloaded = false;
        QVERIFY(TEditorPrinter::PrintedLines(*editor, &lines, [editor, &reloaded](double) {
            if (!std::exchange(reloaded, true)) {
                editor->selectAll();
                editor->insertPlainText(QStringLiteral("nový\ntext"));
            }
            return true;
        }));
        QVERIFY(reloaded);
        QCOMPARE(lines, (QStringList{QStringLiteral("nový"), QStringLiteral("text")}));
    }

    // The editor's text colour on white, its background not printed; the size in points
    // is the screen's.
    void colourAndSize()
    {
        TRxRichEdit *editor = editorWith(QStringLiteral("MMMMMMMMMMMM\nMMMMMMMMMMMM"));
        QVERIFY(editor);
        QPalette pal = editor->palette();
        pal.setColor(QPalette::Text, QColor(220, 0, 0));
        pal.setColor(QPalette::Base, QColor(0, 0, 220));
        editor->setPalette(pal);
        QFont font = editor->font();
        font.setPixelSize(40);
        editor->setFont(font);

        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = m_dir.filePath(QStringLiteral("colour.pdf"));
        toPdf(printer, pdf);
        TEditorPrinter job(*editor, printer);
        QCOMPARE(job.PrinterFont().pointSizeF(), 40 * 72.0 / editor->logicalDpiY());
        QVERIFY(job.Print());

        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, m_dir.filePath(QStringLiteral("colour"))});
        QImage image(m_dir.filePath(QStringLiteral("colour.png")));
        QVERIFY(!image.isNull());
        int red = 0, blue = 0, white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    ++red;
                else if (c.blue() > 150 && c.red() < 100)
                    ++blue;
                else if (c == Qt::white)
                    ++white;
            }
        QVERIFY2(red > 50, qPrintable(QString::number(red)));
        QCOMPARE(blue, 0);
        QVERIFY(white > image.width() * image.height() * 9 / 10);
    }

    // A printer error is shown in the error box and ends the command; nothing crashes.
    void printerErrorInErrorBox_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        const QString missing = m_dir.filePath(QStringLiteral("no such folder/out.pdf"));
        QTest::newRow("file cannot be created")
            << missing << QStringLiteral("Soubor %1 nelze vytvořit").arg(missing);
        QTest::newRow("no printer and no file") << QString() << QStringLiteral("Není vybrána žádná tiskárna");
    }
    void printerErrorInErrorBox()
    {
        QFETCH(QString, file);
        QFETCH(QString, error);
        TRxRichEdit *editor = editorWith(QStringLiteral("text"));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, file);
        QVERIFY(!commands.PrintTo(editor, &printer));
        QCOMPARE(m_prompts.errors, QStringList{error});
        QCOMPARE(editor->PlainText(), QStringLiteral("text"));
    }

    // A print that runs longer than the delay shows an application-modal progress dialog;
    // "Storno" there aborts the job and leaves no half-written file.
    void progressDialogCancels()
    {
        TRxRichEdit *editor = editorWith(words(40000).replace(QStringLiteral("0 "), QStringLiteral("0\n")));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        commands.SetProgressDelay(0);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
        toPdf(printer, pdf);
        QString cancelText;
        Qt::WindowModality modality = Qt::NonModal;
        onModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QProgressDialog *>(w);
            if (!dialog)
                return;
            modality = dialog->windowModality();
            const auto buttons = dialog->findChildren<QPushButton *>();
            if (buttons.size() == 1) {
                cancelText = buttons.first()->text();
                QTest::mouseClick(buttons.first(), Qt::LeftButton);
            }
        });
        QVERIFY(!commands.PrintTo(editor, &printer));
        QCOMPARE(cancelText, QStringLiteral("Storno"));
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(m_prompts.errors, QStringList());
        QVERIFY(!QFile::exists(pdf));
    }

    // Stopped while laying out, no job has started: a file of that name stays as it was.
    // Stopped while drawing, the job is aborted: the unfinished file is removed.
    void stopped_data()
    {
        QTest::addColumn<double>("stopAt");
        QTest::addColumn<bool>("oldFileKept");
        QTest::newRow("while laying out") << 0.2 << true;
        QTest::newRow("while drawing") << 0.8 << false;
    }
    void stopped()
    {
        QFETCH(double, stopAt);
        QFETCH(bool, oldFileKept);
        TRxRichEdit *editor = editorWith(words(3000).replace(QStringLiteral("0 "), QStringLiteral("0\n")));
        QVERIFY(editor);
        const QString pdf = m_dir.filePath(QStringLiteral("stopped.pdf"));
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, pdf);
        TEditorPrinter job(*editor, printer);
        QVERIFY(!job.Print([stopAt](double done) { return done < stopAt; }));
        QCOMPARE(QFile::exists(pdf), oldFileKept);
        if (oldFileKept) {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
        }
    }

    // A PDF file cannot make copies itself: they are printed, collated or not. The reverse
    // order of the print dialog is the program's to follow.
    void copies_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("one") << 1 << true << false << QStringList{"jedna", "dvě"};
        QTest::newRow("collated") << 2 << true << false << QStringList{"jedna", "dvě", "jedna", "dvě"};
        QTest::newRow("not collated") << 2 << false << false << QStringList{"jedna", "jedna", "dvě", "dvě"};
        QTest::newRow("reverse") << 1 << true << true << QStringList{"dvě", "jedna"};
        QTest::newRow("reverse, collated")
            << 2 << true << true << QStringList{"dvě", "jedna", "dvě", "jedna"};
    }
    void copies()
    {
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, reverse);
        QFETCH(QStringList, pages);
        TRxRichEdit *editor = editorWith(QStringLiteral("jedna\fdvě"));
        QVERIFY(editor);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = m_dir.filePath(QStringLiteral("copies.pdf"));
        toPdf(printer, pdf);
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
        printer.setPageOrder(reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        TEditorPrinter job(*editor, printer);
        QVERIFY(job.Print());
        QCOMPARE(pdfPages(pdf), pages);
    }

    // The print dialog: one object for the run, copies 1, collate on, printing to a file
    // offered, no page range and no selection. Accepting it prints; cancelling does not.
    void printDialog()
    {
        TRxRichEdit *editor = editorWith(QStringLiteral("z dialogu"));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        // The dialog proposes the printer's output file, when it has one, at its creation.
        const QString pdf = m_dir.filePath(QStringLiteral("dialog.pdf"));
        toPdf(*commands.Printer(), pdf);
        QPrintDialog *dialog = commands.PrintDialog();
        QCOMPARE(commands.PrintDialog(), dialog);
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintCollateCopies));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
        QCOMPARE(commands.Printer()->copyCount(), 1);
        QVERIFY(commands.Printer()->collateCopies());
        QCOMPARE(commands.Printer()->printRange(), QPrinter::AllPages);

        bool shown = false;
        bool rangeShown = true;
        onModal([&](QWidget *w) {
            shown = w == dialog;
            // Qt's page range group, which it shows even when no range is offered.
            auto *range = w->findChild<QWidget *>(QStringLiteral("gbPrintRange"));
            rangeShown = !range || !range->isHidden();
            w->close();
        });
        commands.mmPrintClick();
        QVERIFY(shown);
        QVERIFY(!rangeShown);
        QVERIFY(!QFile::exists(pdf));

        onModal([&](QWidget *w) {
            if (auto *d = qobject_cast<QDialog *>(w))
                d->accept();
        });
        commands.mmPrintClick();
        QCOMPARE(m_prompts.errors.join("|"), QString());
        QCOMPARE(pdfPages(pdf), QStringList{"z dialogu"});
    }

    // Landscape chosen in the page setup applies to the prints after it.
    void pageSetupAppliesLater()
    {
        TRxRichEdit *editor = editorWith(QStringLiteral("na šířku"));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        commands.Printer()->setPageSize(QPageSize(QPageSize::A4));
        bool clicked = false;
        onModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QPageSetupDialog *>(w);
            if (!dialog) {
                w->close();
                return;
            }
            if (auto *landscape = dialog->findChild<QRadioButton *>(QStringLiteral("landscape"))) {
                landscape->click();
                clicked = true;
            }
            dialog->accept();
        });
        commands.mmPrinterSetupClick();
        QVERIFY(clicked);

        const QString pdf = m_dir.filePath(QStringLiteral("landscape.pdf"));
        toPdf(*commands.Printer(), pdf);
        QVERIFY(commands.PrintTo(editor, commands.Printer()));
        const QStringList size = pdfPageSize(pdf).split(QStringLiteral(" x "));
        QCOMPARE(size.size(), 2);
        QCOMPARE(qRound(size.at(0).toDouble()), 842); // A4 on its side
        QCOMPARE(qRound(size.at(1).toDouble()), 595);
    }

    // Landscape chosen in the page setup reaches the next "&Tisk..." through its dialog, and
    // the text keeps at least 10 mm from the edges of a sheet with no unprintable border.
    void pageSetupReachesThePrintDialog()
    {
        TRxRichEdit *editor = editorWith(QStringLiteral("okraj"));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        const QString pdf = m_dir.filePath(QStringLiteral("setup-then-print.pdf"));
        toPdf(*commands.Printer(), pdf);
        commands.Printer()->setPageSize(QPageSize(QPageSize::A4));
        commands.PrintDialog(); // made before the setup, as after an earlier print
        onModal([](QWidget *w) {
            if (auto *setup = qobject_cast<QPageSetupDialog *>(w))
                if (auto *landscape = setup->findChild<QRadioButton *>(QStringLiteral("landscape")))
                    landscape->click();
            if (auto *d = qobject_cast<QDialog *>(w))
                d->accept();
        });
        commands.mmPrinterSetupClick();
        onModal([](QWidget *w) {
            if (auto *d = qobject_cast<QDialog *>(w))
                d->accept();
        });
        commands.mmPrintClick();
        QCOMPARE(m_prompts.errors, QStringList());
        const QStringList size = pdfPageSize(pdf).split(QStringLiteral(" x "));
        QCOMPARE(size.size(), 2);
        QCOMPARE(qRound(size.at(0).toDouble()), 842); // A4 on its side
        QCOMPARE(qRound(size.at(1).toDouble()), 595);
        const QPointF corner = pdfFirstWordCorner(pdf);
        const double tenMm = 10 * 72.0 / 25.4;
        QVERIFY2(corner.x() >= tenMm - 0.5 && corner.y() >= tenMm - 0.5,
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
        QVERIFY(corner.x() < tenMm + 5); // at the margin, not somewhere inside
    }

    // The preview shows the pages the same code prints.
    void preview()
    {
        TRxRichEdit *editor = editorWith(QStringLiteral("jedna\fdvě\ftři"));
        QVERIFY(editor);
        PrintCommands commands([editor] { return editor; }, &m_prompts, editor);
        int pages = -1;
        onModal([&](QWidget *w) {
            if (auto *widget = w->findChild<QPrintPreviewWidget *>())
                pages = widget->pageCount();
            w->close();
        });
        commands.mmPrintPreviewClick();
        QCOMPARE(pages, 3);
        QCOMPARE(m_prompts.errors, QStringList());
    }

    // Without a page the commands that print do nothing.
    void noPage()
    {
        PrintCommands commands([] { return nullptr; }, &m_prompts, nullptr);
        bool shown = false;
        QPointer<QTimer> watch = onModal([&](QWidget *w) {
            shown = true;
            w->close();
        });
        commands.mmPrintClick();
        commands.mmPrintPreviewClick();
        QTest::qWait(100);
        delete watch.data();
        QVERIFY(!shown);
        QCOMPARE(m_prompts.errors, QStringList());
    }
};

QTEST_MAIN(TstPrinting)
#include "tst_printing.moc"
