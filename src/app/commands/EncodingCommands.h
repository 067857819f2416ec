#pragma once

#include "text/TextFile.h"

#include <QObject>
#include <QPointer>

class PageCommands;
class QLabel;
class QStatusBar;
class QWidget;
class TPageBar;
class TPrompts;
class TRxRichEdit;
class TTabSheet;

// The encoding of each page: the "Kó&dování" items, the status bar panel that names the
// active page's encoding, and the bar that offers to convert a file whose 8-bit Czech set
// seems not to be Windows 1250.
class EncodingCommands : public QObject
{
    Q_OBJECT
public:
    // The panel goes to the right end of `statusBar`.
    EncodingCommands(PageCommands *pages, TPrompts *prompts, QWidget *window, QStatusBar *statusBar,
                     QObject *parent = nullptr);

    QLabel *Panel() const { return m_panel; }
    // The check marks of the submenu's items: the active page's encoding.
    bool Windows1250Shown() const;
    bool Utf8Shown() const;

    // Follows a new page's document: its encoding, and the guess made when a file is read.
    void WatchPage(TTabSheet *page);

    // "Windows 1250" and "UTF-8" of "Kó&dování".
    void mmKodWin1250Click();
    void mmKodUtf8Click();

    // An unmodified page with a file re-reads it in the chosen encoding; any other page
    // keeps its text and writes the chosen encoding from its next save. A change to
    // Windows 1250 that would turn characters into "?" asks first. One undo step.
    void SetPageEncoding(TTabSheet *page, TextFile::Encoding encoding);

    // The bar above a page that names the set its text seems to be in (nullptr if none).
    static TPageBar *GuessBar(const TTabSheet *page);
    // Converts the page's text from the set to Windows 1250 as one undo step.
    static void ConvertToWindows1250(TRxRichEdit *editor, int set);

signals:
    // The active page's encoding changed, or another page became active.
    void EncodingShown();

private:
    void showGuessBar(TTabSheet *page);
    void refresh();
    // "Windows-1250 · LF": the page's encoding and the line breaks its file is written with.
    static QString panelText(TextFile::Encoding encoding, bool lfOnly);

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
    QLabel *m_panel = nullptr;
};
