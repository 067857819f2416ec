#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;
class TPrompts;
class TRxRichEdit;

// The printing commands: "&Tisk..." prints the active page after the print dialog,
// "Nastavení t&iskárny..." chooses printer, paper and orientation for later printing, and
// "Ná&hled tisku..." shows the pages as they will print. One printer and one print dialog
// serve the whole run, so the choices made in them carry over from one print to the next.
class PrintCommands : public QObject
{
    Q_OBJECT
public:
    // activeEditor gives the active page's editor, or null when no page is open.
    PrintCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                  QObject *parent = nullptr);
    ~PrintCommands() override;

    void mmPrintClick();
    void mmPrinterSetupClick();
    void mmPrintPreviewClick();

    // Prints the editor's text on the printer as "&Tisk..." does once its dialog is
    // accepted: a progress dialog with "Storno" for a print that takes longer than the
    // progress delay, printer errors in the error box. True when the job was printed.
    bool PrintTo(TRxRichEdit *editor, QPrinter *printer);

    // The printer the dialogs set up; made at the first use (asking the print server for
    // its printers takes time) and kept.
    QPrinter *Printer();
    // Created at the first use and kept until the page setup changes the printer.
    QPrintDialog *PrintDialog();
    // Margins no smaller than the printer's unprintable border, and MinimumMarginMm where
    // the sheet has none.
    static void KeepPrintableMargins(QPrinter *printer);
    static constexpr double MinimumMarginMm = 10;

    // How long a print runs before the progress dialog shows; half a second.
    void SetProgressDelay(int ms) { m_progressDelay = ms; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<TRxRichEdit *()> m_activeEditor;
    TPrompts *m_prompts;
    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QPrintDialog> m_printDialog;
    int m_progressDelay = 500;
};
