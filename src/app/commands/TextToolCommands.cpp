// Text tools: find and replace, go to line, case, date and time, conversion, T602, spelling.
#include "app/commands/TextToolCommands.h"

#include "app/commands/PageCommands.h"

#include "common/TPrompts.h"
#include "editor/search/TEditorSearch.h"
#include "editor/search/TSearchDialog.h"
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "konverze/TfrmKonverze.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/T602.h"
#include "text/TextCommands.h"

#include <QApplication>
#include <QDateTime>

namespace {

// Replaces the selection by convert(selection) and selects the same range again.
template <typename Convert> void convertSelection(TRxRichEdit *editor, Convert convert)
{
    const int start = editor->SelStart();
    const int length = editor->SelLength();
    if (length == 0)
        return;
    editor->SetSelText(convert(editor->SelText()));
    editor->SetSelStart(start);
    editor->SetSelLength(length);
}

} // namespace

TextToolCommands::TextToolCommands(PageCommands *pages, TPrompts *prompts, QWidget *window,
                                   std::function<bool(const QString &)> message, QObject *parent)
    : QObject(parent), m_message(std::move(message)), m_pages(pages), m_prompts(prompts), m_window(window)
{
    setObjectName(QStringLiteral("TextToolCommands"));
}

// ---- find and replace ----

TEditorSearch *TextToolCommands::searchOf(TRxRichEdit *editor)
{
    TEditorSearch *search = TEditorSearch::of(editor);
    if (!search->property("messagesLinked").toBool()) {
        search->setProperty("messagesLinked", true);
        // The dialog that searched last is the one that missed.
        connect(search, &TEditorSearch::TextNotFound, this,
                [this, search] { tell(tr("Nenalezeno"), search->LastSearch()); });
        connect(search, &TEditorSearch::ReplacedAll, this, [this, search](TRxRichEdit *, int count) {
            tell(tr("Zaměněno: %1").arg(count), search->ReplaceDialog());
        });
    }
    return search;
}

void TextToolCommands::tell(const QString &text, TSearchDialog *dialog)
{
    if (m_message && m_message(text))
        return;
    if (dialog && dialog->isVisible())
        dialog->ShowMessage(text);
}

void TextToolCommands::mmFindClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        searchOf(editor)->ShowFindDialog();
}

void TextToolCommands::mmFindAgainClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (!editor)
        return;
    TEditorSearch *search = TEditorSearch::find(editor);
    if (!search || !search->LastSearch() || search->LastSearch()->SearchText().isEmpty()) {
        QApplication::beep();
        tell(tr("Nenalezeno"), nullptr); // nothing to repeat
        return;
    }
    if (!searchOf(editor)->RepeatSearch())
        QApplication::beep(); // the miss itself is told through TextNotFound
}

void TextToolCommands::mmReplaceClick()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        searchOf(editor)->ShowReplaceDialog();
}

// ---- go to line ----

void TextToolCommands::mmGOTOClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (!editor)
        return;
    // The question names the last line: on a huge text the lines are counted first, between
    // events, instead of freezing the window; digits typed meanwhile go into the box.
    if (editor->AwaitLinesCounted())
        goToLine(editor);
}

void TextToolCommands::goToLine(TRxRichEdit *editor)
{
    const int lines = editor->LineCount();
    QString value;
    const bool ok =
        m_prompts->InputQuery(m_window, tr("Přejít na"), tr("Přejít na řádek [1 až %1]").arg(lines), value);
    if (ok) {
        value.truncate(255);
        editor->SetSelStart(editor->SelStart());
        int n = 0;
        if (!TextCommands::ParseWholeNumber(value, &n)) {
            m_prompts->ShowError(m_window, tr("'%1' is not a valid integer value").arg(value));
            editor->setFocus();
            return;
        }
        int target = -1;
        if (n == 0)
            target = editor->LineStart(-1);
        else if (n > 0)
            target = editor->LineStart(n - 1);
        if (target < 0)
            target = editor->TextLength(); // past the last line, or below 0
        editor->SetSelStart(target);
        editor->ensureCursorVisible();
    }
    editor->setFocus();
}

// ---- case ----

void TextToolCommands::UpperItem1Click()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        convertSelection(editor, [](const QString &s) { return CaseRules::toUpper(s); });
}

void TextToolCommands::LowerItem1Click()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        convertSelection(editor, [](const QString &s) { return CaseRules::toLower(s); });
}

void TextToolCommands::InvertItem1Click()
{
    if (TRxRichEdit *editor = m_pages->ActiveEditor())
        convertSelection(editor, [](const QString &s) { return CaseRules::invert(s); });
}

// ---- date and time ----

void TextToolCommands::Vloitdatumaas1Click()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (!editor)
        return;
    const QDate date = QDate::currentDate();
    const QTime time = QTime::currentTime();
    editor->SetSelText(TextCommands::DateTimeText(QLocale::system(), QDateTime(date, time)));
}

// ---- conversion and T602 ----

bool TextToolCommands::refuseUtf8Page(TRxRichEdit *editor, const QString &title)
{
    if (editor->Doc()->TextEncoding() != TextFile::Encoding::Utf8)
        return false;
    // The speed bar's buttons stay enabled; the menu items are greyed on such a page.
    m_prompts->ShowMessage(
        m_window, title,
        tr("Na stránce v kódování UTF-8 tento nástroj nepracuje: pracuje přes Windows 1250 "
           "a ostatní znaky by změnil na „?“."));
    return true;
}

void TextToolCommands::mmKonverzeClick()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (!editor)
        return; // no page, no text to convert
    if (refuseUtf8Page(editor, tr("Konverze")))
        return;
    TfrmKonverze dialog(editor, m_window);
    dialog.exec();
}

void TextToolCommands::KonverzezT6021Click()
{
    TRxRichEdit *editor = m_pages->ActiveEditor();
    if (!editor)
        return;
    if (refuseUtf8Page(editor, tr("Konverze z T602")))
        return;
    // The marks are bytes of the file: the page's text is cleaned as its own set's bytes.
    const CodePage &set = CodePage::Of(TextFile::setOf(editor->Doc()->TextEncoding()));
    const QString text = editor->PlainText();
    const QString cleaned = set.Decode(T602::cleanText(set.Encode(text), "\n"));
    // One undo step that touches only the lines that change.
    ApplyEdits(editor, text, TextEdits::lineEdits(text, cleaned));
    editor->SetSelStart(0);
}
