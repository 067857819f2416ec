#include "app/commands/EncodingCommands.h"

#include "app/commands/PageCommands.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/EncodingSwitch.h"
#include "editor/TEditorEdits.h"
#include "editor/TRxRichEdit.h"
#include "text/CzechSets.h"
#include "text/Konverze.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

using TextFile::Encoding;

namespace {
const char *const GuessProperty = "encodingGuess";
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
    m_panel->setMinimumWidth(qMax(fm.horizontalAdvance(panelText(Encoding::Windows1250, false)),
                                  fm.horizontalAdvance(panelText(Encoding::Utf8, false)))
                             + 2 * m_panel->frameWidth() + 8);
    statusBar->addPermanentWidget(m_panel);
    refresh();
}

bool EncodingCommands::Windows1250Shown() const
{
    const TTabSheet *page = m_pages->ActivePage();
    return page && page->Doc() && page->Doc()->TextEncoding() == Encoding::Windows1250;
}

bool EncodingCommands::Utf8Shown() const
{
    const TTabSheet *page = m_pages->ActivePage();
    return page && page->Doc() && page->Doc()->TextEncoding() == Encoding::Utf8;
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
        // A UTF-8 page is no 8-bit text: an offer to convert it no longer fits.
        if (guarded->Doc()->TextEncoding() == Encoding::Utf8)
            if (TPageBar *bar = GuessBar(guarded))
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

void EncodingCommands::showGuessBar(TTabSheet *page)
{
    if (TPageBar *old = GuessBar(page)) // a file read again is judged again
        old->Dismiss();
    const int set = page->Doc()->GuessedSet();
    if (page->Doc()->TextEncoding() != Encoding::Windows1250
        || (set != Konverze::Kamenicky && set != Konverze::Latin2 && set != Konverze::Iso8859_2))
        return;
    auto *bar = new TPageBar(tr("Text je zřejmě v kódování %1.").arg(CzechSets::Name(set)));
    bar->setProperty(GuessProperty, set);
    QPointer<TTabSheet> guarded(page);
    QPointer<TPageBar> self(bar);
    bar->AddButton(tr("Převést do Windows 1250"),
                   [guarded, self, set] {
                       if (guarded && guarded->Editor())
                           ConvertToWindows1250(guarded->Editor(), set);
                       if (self)
                           self->Dismiss();
                   })
        ->setObjectName(QStringLiteral("btnPrevest"));
    bar->AddButton(tr("Ponechat"),
                   [self] {
                       if (self)
                           self->Dismiss();
                   })
        ->setObjectName(QStringLiteral("btnPonechat"));
    page->AddBar(bar);
}

void EncodingCommands::ConvertToWindows1250(TRxRichEdit *editor, int set)
{
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

    if (!doc->Modified() && doc->HasFile() && QFileInfo::exists(doc->FileName())) {
        // Nothing typed is lost: the file is read again, as the chosen encoding reads it.
        TextFile::Decoded decoded;
        try {
            decoded = TextFile::readDecodedAs(doc->FileName(), encoding);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
            refresh();
            return;
        }
        EncodingSwitch::Apply(editor, decoded.format, &decoded.text);
        doc->SetModified(false); // the page is its file again, one undo step away from before
        refresh();
        return;
    }

    TextFile::Format format = doc->Format();
    format.encoding = encoding;
    format.bom = false; // a byte-order mark only where the file had one
    if (encoding == Encoding::Windows1250) {
        const QString text = editor->PlainText();
        const qsizetype lost = TextFile::unstorableCount(text, Encoding::Windows1250);
        if (lost > 0) {
            const QString question =
                tr("Počet znaků, které kódování Windows 1250 neumí uložit: %1. Změnou kódování se z nich "
                   "stanou otazníky („?“). Změnit kódování?")
                    .arg(lost);
            if (m_prompts->Confirm(m_window, question) != TPrompts::Yes) {
                refresh();
                return;
            }
            const QString kept = TextFile::storable(text, Encoding::Windows1250);
            EncodingSwitch::Apply(editor, format, &kept);
            refresh();
            return;
        }
    }
    EncodingSwitch::Apply(editor, format);
    refresh();
}
