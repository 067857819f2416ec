#include "app/commands/EncodingCommands.h"

#include "app/commands/PageCommands.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "text/CodePage.h"
#include "text/CzechSets.h"
#include "text/Konverze.h"
#include "text/T602.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using TextFile::Encoding;

namespace {
const char *const GuessProperty = "encodingGuess";
const char *const T602Property = "t602Document";

constexpr Encoding AllEncodings[] = {Encoding::Windows1250, Encoding::Kamenicky, Encoding::Latin2,
                                     Encoding::Iso8859_2, Encoding::Utf8};

// The set's name as the conversion lists it ("Windows 1250", "Latin 2"), or "UTF-8".
QString setName(Encoding encoding)
{
    return TextFile::isEightBit(encoding) ? CzechSets::Name(TextFile::setOf(encoding))
                                          : TextFile::encodingName(encoding);
}

// A button of the bar that does `act` (when given) and then takes the bar away.
void addDismissing(TPageBar *bar, const QString &caption, const char *name, std::function<void()> act = {})
{
    QPointer<TPageBar> self(bar);
    bar->AddButton(caption,
                   [self, act = std::move(act)] {
                       if (act)
                           act();
                       if (self)
                           self->Dismiss();
                   })
        ->setObjectName(QLatin1String(name));
}
} // namespace

EncodingCommands::EncodingCommands(PageCommands *pages, TPrompts *prompts, QWidget *window,
                                   QStatusBar *statusBar, QObject *parent)
    : QObject(parent), m_pages(pages), m_prompts(prompts), m_window(window)
{
    setObjectName(QStringLiteral("EncodingCommands"));
    connect(pages, &PageCommands::PageCreated, this, &EncodingCommands::WatchPage);
    connect(pages, &PageCommands::ActivePageChanged, this, &EncodingCommands::refresh);
    connect(pages, &PageCommands::PageCountChanged, this, &EncodingCommands::refresh);

    m_panel = new QLabel(statusBar);
    m_panel->setObjectName(QStringLiteral("StatusPanelEncoding"));
    m_panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_panel->setContentsMargins(2, 0, 2, 0);
    m_panel->setTextFormat(Qt::PlainText);
    m_panel->setToolTip(tr("Kódování a konce řádků stránky"));
    // Wide enough for either name, so the bar does not move when pages change.
    const QFontMetrics fm = m_panel->fontMetrics();
    int widest = 0;
    for (const Encoding encoding : AllEncodings)
        widest = qMax(widest, fm.horizontalAdvance(panelText(encoding, false)));
    m_panel->setMinimumWidth(widest + 2 * m_panel->frameWidth() + 8);
    statusBar->addPermanentWidget(m_panel);
    refresh();
}

bool EncodingCommands::shown(Encoding encoding) const
{
    const TTabSheet *page = m_pages->ActivePage();
    return page && page->Doc() && page->Doc()->TextEncoding() == encoding;
}

bool EncodingCommands::Windows1250Shown() const
{
    return shown(Encoding::Windows1250);
}

bool EncodingCommands::Utf8Shown() const
{
    return shown(Encoding::Utf8);
}

bool EncodingCommands::KamenickyShown() const
{
    return shown(Encoding::Kamenicky);
}

bool EncodingCommands::Latin2Shown() const
{
    return shown(Encoding::Latin2);
}

bool EncodingCommands::Iso8859_2Shown() const
{
    return shown(Encoding::Iso8859_2);
}

void EncodingCommands::WatchPage(TTabSheet *page)
{
    Document *doc = page->Doc();
    if (!doc)
        return;
    QPointer<TTabSheet> guarded(page);
    connect(doc, &Document::Loaded, this, [this, guarded] {
        if (guarded)
            showGuessBar(guarded);
    });
    connect(doc, &Document::FormatChanged, this, [this, guarded] {
        if (!guarded)
            return;
        // A UTF-8 page is no 8-bit text, and a page in the guessed set needs no offer.
        const Encoding now = guarded->Doc()->TextEncoding();
        if (TPageBar *bar = GuessBar(guarded))
            if (now == Encoding::Utf8 || TextFile::setOf(now) == bar->property(GuessProperty).toInt())
                bar->Dismiss();
        if (now == Encoding::Utf8)
            if (TPageBar *bar = T602Bar(guarded))
                bar->Dismiss();
        if (guarded == m_pages->ActivePage())
            refresh();
    });
}

QString EncodingCommands::panelText(Encoding encoding, bool lfOnly)
{
    return tr("%1 · %2").arg(TextFile::encodingName(encoding), lfOnly ? tr("LF") : tr("CR LF"));
}

void EncodingCommands::refresh()
{
    TTabSheet *page = m_pages->ActivePage();
    const Document *doc = page ? page->Doc() : nullptr;
    m_panel->setText(doc ? panelText(doc->TextEncoding(), doc->Format().lfOnly) : QString());
    emit EncodingShown();
}

// ---- the guess bar ----

TPageBar *EncodingCommands::GuessBar(const TTabSheet *page)
{
    if (!page)
        return nullptr;
    for (TPageBar *bar : page->Bars())
        if (bar->property(GuessProperty).isValid() && bar->isVisibleTo(page))
            return bar;
    return nullptr;
}

TPageBar *EncodingCommands::T602Bar(const TTabSheet *page)
{
    if (!page)
        return nullptr;
    for (TPageBar *bar : page->Bars())
        if (bar->property(T602Property).isValid() && bar->isVisibleTo(page))
            return bar;
    return nullptr;
}

void EncodingCommands::showGuessBar(TTabSheet *page)
{
    if (TPageBar *old = GuessBar(page)) // a file read again is judged again
        old->Dismiss();
    if (TPageBar *old = T602Bar(page))
        old->Dismiss();
    const int set = page->Doc()->GuessedSet();
    if (page->Doc()->T602Document() && TextFile::isEightBit(page->Doc()->TextEncoding())) {
        showT602Bar(page, set ? set : TextFile::setOf(page->Doc()->TextEncoding()));
        return;
    }
    if (page->Doc()->TextEncoding() != Encoding::Windows1250
        || (set != Konverze::Kamenicky && set != Konverze::Latin2 && set != Konverze::Iso8859_2))
        return;
    auto *bar = new TPageBar(tr("Text je zřejmě v kódování %1.").arg(CzechSets::Name(set)));
    bar->setProperty(GuessProperty, set);
    QPointer<TTabSheet> guarded(page);
    addDismissing(bar, tr("Převést do Windows 1250"), "btnPrevest", [guarded, set] {
        if (guarded && guarded->Editor())
            ConvertToWindows1250(guarded->Editor(), set);
    });
    addDismissing(bar, tr("Otevřít jako %1").arg(CzechSets::Name(set)), "btnOtevritJako",
                  [this, guarded, set] {
                      if (guarded)
                          ReadPageAs(guarded, TextFile::encodingOfSet(set));
                  });
    addKeepButton(bar);
    page->AddBar(bar);
}

void EncodingCommands::addKeepButton(TPageBar *bar)
{
    addDismissing(bar, tr("Ponechat"), "btnPonechat");
}

void EncodingCommands::showT602Bar(TTabSheet *page, int set)
{
    // "v kódování Kamenických": the set is named after its authors, the Kamenický brothers.
    auto *bar = new TPageBar(set == Konverze::Kamenicky
                                 ? tr("Dokument T602, zřejmě v kódování Kamenických")
                                 : tr("Dokument T602, zřejmě v kódování %1").arg(CzechSets::Name(set)));
    bar->setProperty(T602Property, set);
    QPointer<TTabSheet> guarded(page);
    addDismissing(bar, tr("Převést dokument T602"), "btnPrevestT602", [guarded, set] {
        if (guarded && guarded->Editor())
            ConvertT602(guarded->Editor(), set);
    });
    addKeepButton(bar);
    page->AddBar(bar);
}

void EncodingCommands::ConvertT602(TRxRichEdit *editor, int set)
{
    Document *doc = editor->Doc();
    if (!doc->AwaitWhole() || !TextFile::isEightBit(doc->TextEncoding()))
        return;
    // The page's text as the bytes its set writes: the document's own bytes when the page
    // still holds what was read. The marks are bytes of the file, so they go before the
    // bytes are read in the document's set; what the page's set lacks then becomes "?".
    const QString text = editor->PlainText();
    const QByteArray bytes = CodePage::Of(TextFile::setOf(doc->TextEncoding())).Encode(text);
    const QString converted = doc->Storable(CodePage::Of(set).Decode(T602::cleanText(bytes, "\n")));
    ApplyEdits(editor, text, TextEdits::lineEdits(text, converted));
    editor->SetSelStart(0);
}

void EncodingCommands::ConvertToWindows1250(TRxRichEdit *editor, int set)
{
    if (!editor->Doc()->AwaitWhole())
        return;
    const QString text = editor->PlainText();
    const QString converted = CzechSets::ToWindows1250(text, set);
    // One undo step that touches only the lines that change, as the conversion dialog does.
    ApplyEdits(editor, text, TextEdits::lineEdits(text, converted));
    editor->SetSelStart(0);
}

// ---- choosing the encoding ----

void EncodingCommands::mmKodWin1250Click()
{
    SetPageEncoding(m_pages->ActivePage(), Encoding::Windows1250);
}

void EncodingCommands::mmKodUtf8Click()
{
    SetPageEncoding(m_pages->ActivePage(), Encoding::Utf8);
}

void EncodingCommands::mmKodKamenickyClick()
{
    SetPageEncoding(m_pages->ActivePage(), Encoding::Kamenicky);
}

void EncodingCommands::mmKodLatin2Click()
{
    SetPageEncoding(m_pages->ActivePage(), Encoding::Latin2);
}

void EncodingCommands::mmKodIso88592Click()
{
    SetPageEncoding(m_pages->ActivePage(), Encoding::Iso8859_2);
}

void EncodingCommands::ReadPageAs(TTabSheet *page, Encoding encoding)
{
    TRxRichEdit *editor = page ? page->Editor() : nullptr;
    if (!editor)
        return;
    Document *doc = editor->Doc();
    if (!doc->AwaitWhole())
        return;
    const Encoding from = doc->TextEncoding();
    if (from == encoding || !TextFile::isEightBit(from) || !TextFile::isEightBit(encoding)
        || (!doc->Modified() && doc->HasFile() && QFileInfo::exists(doc->FileName()))) {
        SetPageEncoding(page, encoding);
        return;
    }
    // Typed text stays: the page's bytes are what its set writes, each read in the new set.
    TextFile::Format format = doc->Format();
    format.encoding = encoding;
    const QString text = CodePage::Of(TextFile::setOf(encoding))
                             .Decode(CodePage::Of(TextFile::setOf(from)).Encode(editor->PlainText()));
    doc->SwitchEncoding(format, &text);
    refresh();
}

void EncodingCommands::SetPageEncoding(TTabSheet *page, Encoding encoding)
{
    TRxRichEdit *editor = page ? page->Editor() : nullptr;
    if (!editor) {
        refresh();
        return;
    }
    Document *doc = editor->Doc();
    if (doc->TextEncoding() == encoding) {
        refresh(); // the item's own toggle is taken back
        return;
    }
    if (!doc->AwaitWhole()) {
        refresh();
        return;
    }

    if (!doc->Modified() && doc->HasFile() && QFileInfo::exists(doc->FileName())) {
        // Nothing typed is lost: the file is read again, as the chosen encoding reads it.
        try {
            doc->ReloadAs(encoding);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
        }
        refresh();
        return;
    }

    TextFile::Format format = doc->Format();
    format.encoding = encoding;
    format.bom = false; // a byte-order mark only where the file had one
    if (TextFile::isEightBit(encoding)) {
        const QString text = editor->PlainText();
        const qsizetype lost = TextFile::unstorableCount(text, encoding);
        if (lost > 0) {
            const QString question =
                tr("Počet znaků, které kódování %1 neumí uložit: %2. Změnou kódování se z nich "
                   "stanou otazníky („?“). Změnit kódování?")
                    .arg(setName(encoding))
                    .arg(lost);
            if (m_prompts->Confirm(m_window, question) != TPrompts::Yes) {
                refresh();
                return;
            }
            const QString kept = TextFile::storable(text, encoding);
            doc->SwitchEncoding(format, &kept);
            refresh();
            return;
        }
    }
    doc->SwitchEncoding(format);
    refresh();
}
