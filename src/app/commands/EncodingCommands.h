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
// active page's encoding, the bar that offers to convert or re-read a file whose 8-bit
// Czech set seems not to be Windows 1250, and the bar that offers to convert a T602 document.
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
    bool KamenickyShown() const;
    bool Latin2Shown() const;
    bool Iso8859_2Shown() const;

    // Follows a new page's document: its encoding, and the guess made when a file is read.
    void WatchPage(TTabSheet *page);

    // "Windows 1250" and "UTF-8" of "Kó&dování".
    void mmKodWin1250Click();
    void mmKodUtf8Click();
    // "Kamenický", "Latin 2" and "ISO 8859-2" of "Kó&dování".
    void mmKodKamenickyClick();
    void mmKodLatin2Click();
    void mmKodIso88592Click();

    // An unmodified page with a file re-reads it in the chosen encoding; any other page
    // keeps its text and writes the chosen encoding from its next save. A change to an
    // 8-bit set that would turn characters into "?" asks first, with their count. One undo
    // step.
    void SetPageEncoding(TTabSheet *page, TextFile::Encoding encoding);
    // The page read in another 8-bit set: an unmodified page with a file re-reads it; any
    // other 8-bit page has its text's bytes read again in the new set. One undo step.
    void ReadPageAs(TTabSheet *page, TextFile::Encoding encoding);

    // The bar above a page that names the set its text seems to be in (nullptr if none).
    static TPageBar *GuessBar(const TTabSheet *page);
    // The bar above a page that was opened from a T602 document (nullptr if none).
    static TPageBar *T602Bar(const TTabSheet *page);
    // Converts the page's text from the set to Windows 1250 as one undo step.
    static void ConvertToWindows1250(TRxRichEdit *editor, int set);
    // Cleans a T602 document's marks from the page's bytes and reads them in the set (a
    // conversion number), kept as the page's own set holds them; one undo step.
    static void ConvertT602(TRxRichEdit *editor, int set);

signals:
    // The active page's encoding changed, or another page became active.
    void EncodingShown();

private:
    void showGuessBar(TTabSheet *page);
    void showT602Bar(TTabSheet *page, int set);
    // "Ponechat": the bar goes, the page stays as it is.
    static void addKeepButton(TPageBar *bar);
    bool shown(TextFile::Encoding encoding) const;
    void refresh();
    // "Latin 2 · LF": the page's encoding and the line breaks its file is written with.
    static QString panelText(TextFile::Encoding encoding, bool lfOnly);

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
    QLabel *m_panel = nullptr;
};
