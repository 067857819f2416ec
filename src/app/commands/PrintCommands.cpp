#include "app/commands/PrintCommands.h"

#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/print/TEditorPrinter.h"
#include "editor/view/TRxRichEdit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QScreen>

#include <climits>

PrintCommands::PrintCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                             QObject *parent)
    : QObject(parent), m_activeEditor(std::move(activeEditor)), m_prompts(prompts), m_window(window)
{}

QPrinter *PrintCommands::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setCopyCount(1);
        m_printer->setCollateCopies(true);
        KeepPrintableMargins(m_printer.get());
    }
    return m_printer.get();
}

void PrintCommands::KeepPrintableMargins(QPrinter *printer)
{
    // The text starts at the margins: never inside the printer's unprintable border, and
    // at least 10 mm in on a sheet that has none (a PDF), where a printer would cut it.
    QPageLayout layout = printer->pageLayout();
    layout.setUnits(QPageLayout::Point);
    QMarginsF least = layout.minimumMargins();
    if (least.isNull()) {
        const double m = MinimumMarginMm * 72.0 / 25.4;
        least = QMarginsF(m, m, m, m);
    }
    const QMarginsF now = layout.margins();
    const QMarginsF wanted(qMax(now.left(), least.left()), qMax(now.top(), least.top()),
                           qMax(now.right(), least.right()), qMax(now.bottom(), least.bottom()));
    if (wanted != now)
        printer->setPageMargins(wanted, QPageLayout::Point);
}

PrintCommands::~PrintCommands()
{
    delete m_printDialog.data(); // before the printer it works on
}

QPrintDialog *PrintCommands::PrintDialog()
{
    if (!m_printDialog) {
        m_printDialog = new QPrintDialog(Printer(), m_window);
        m_printDialog->setObjectName(QStringLiteral("PrintDialog"));
        // Copies, collation and printing to a file are offered; a page range, the selection
        // and the current page are not: the whole text always prints.
        m_printDialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
                                  | QAbstractPrintDialog::PrintShowPageSize);
        m_printDialog->installEventFilter(this);
    }
    return m_printDialog;
}

bool PrintCommands::eventFilter(QObject *watched, QEvent *event)
{
    // Qt's dialog, built with CUPS, shows its page range group on every showing even when
    // the range is not offered (it would hand the range to the print server). The whole
    // text always prints, so the group goes.
    // The type first: the dialog's QPointer is not asked about an object being destroyed.
    if (event->type() == QEvent::Show && watched == m_printDialog)
        if (auto *range = m_printDialog->findChild<QWidget *>(QStringLiteral("gbPrintRange")))
            range->hide();
    return QObject::eventFilter(watched, event);
}

void PrintCommands::mmPrintClick()
{
    TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor)
        return;
    if (PrintDialog()->exec() != QDialog::Accepted)
        return;
    KeepPrintableMargins(Printer()); // another printer may have been chosen
    PrintTo(editor, Printer());
}

void PrintCommands::mmPrinterSetupClick()
{
    QPageSetupDialog dialog(Printer(), m_window);
    if (dialog.exec() != QDialog::Accepted) // an accepted dialog has set the printer up
        return;
    KeepPrintableMargins(Printer());
    // The print dialog keeps the page layout it was made with and would give it back to
    // the printer: the next one is made with the new setup.
    delete m_printDialog.data();
}

void PrintCommands::mmPrintPreviewClick()
{
    TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor)
        return;
    QPrintPreviewDialog dialog(Printer(), m_window);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    if (const QScreen *screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize() * 3 / 4);
    // The preview's own print button paints through here as well, on the real printer.
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, editor](QPrinter *printer) { PrintTo(editor, printer); });
    dialog.exec();
}

bool PrintCommands::PrintTo(TRxRichEdit *editor, QPrinter *printer)
{
    if (!editor || !printer)
        return false;
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progressDialog;
    auto progress = [&](double done) {
        if (!progressDialog) {
            if (clock.elapsed() < m_progressDelay)
                return true;
            progressDialog =
                std::make_unique<QProgressDialog>(tr("Probíhá tisk..."), tr("Storno"), 0, 1000, m_window);
            progressDialog->setObjectName(QStringLiteral("PrintProgress"));
            progressDialog->setWindowTitle(tr("Tisk"));
            progressDialog->setWindowModality(Qt::ApplicationModal);
            progressDialog->setMinimumDuration(INT_MAX); // shown here, not by its own guess
            progressDialog->setAutoClose(false);
            progressDialog->setAutoReset(false);
            progressDialog->show();
        }
        progressDialog->setValue(qBound(0, int(done * 1000), 1000));
        QCoreApplication::processEvents(); // paints the dialog and takes the click on "Storno"
        return !progressDialog->wasCanceled();
    };
    try {
        TEditorPrinter job(*editor, *printer);
        return job.Print(progress);
    } catch (const TError &e) {
        progressDialog.reset();
        m_prompts->ShowError(m_window, e.message());
        return false;
    }
}
