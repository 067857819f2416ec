#include "spell/TSpellChecker.h"

#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "spell/SpellWords.h"
#include "spell/TAbstractSpeller.h"
#include "spell/TSpellerDialog2.h"

#include <QLocale>
#include <QTextBlock>

namespace {

// A line longer than this is shown in the dialog only around its error.
constexpr int MaxShownLine = 4096;
constexpr int ShownAround = 1000;

QString messageFor(int code)
{
    switch (code) {
    case 1:
    case 3:
        return TSpellChecker::tr("Neznáme slovo");
    case 4:
        return TSpellChecker::tr("Chybné dělení slov");
    case 5:
        return TSpellChecker::tr("Capitalization error");
    case 6:
        return TSpellChecker::tr("Possible abbreviation");
    case 10:
        return TSpellChecker::tr("Sentence capitalization error");
    case 11:
        return TSpellChecker::tr("Repeated word");
    case 12:
        return TSpellChecker::tr("Mezery navíc");
    case 13:
        return TSpellChecker::tr("Missing space");
    case 14:
        return TSpellChecker::tr("Numerals in start of word");
    default:
        return {};
    }
}

QString firstUpper(const QString &word)
{
    if (word.isEmpty())
        return word;
    return QLocale(QLocale::Czech).toUpper(word.left(1)) + word.mid(1);
}

// The error text without its last character, then without the blanks right before its
// new last character.
QString withoutExtraSpaces(const QString &error)
{
    QString s = error.left(qMax<qsizetype>(0, error.size() - 1));
    if (s.isEmpty())
        return s;
    const QChar last = s.back();
    s.chop(1);
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s + last;
}

} // namespace

TSpellChecker::TSpellChecker(SpellerFactory factory, TPrompts *prompts, QWidget *dialogParent,
                             QObject *parent)
    : QObject(parent), m_factory(std::move(factory)), m_prompts(prompts), m_dialogParent(dialogParent)
{}

TSpellChecker::~TSpellChecker()
{
    // A dialog without a parent window is ours to free.
    if (m_dialog && !m_dialog->parent())
        delete m_dialog;
}

TSpellerDialog2 *TSpellChecker::Dialog() const
{
    return m_dialog;
}

void TSpellChecker::showFailure(const QString &text)
{
    QWidget *parent = m_dialog && m_dialog->isVisible() ? static_cast<QWidget *>(m_dialog) : m_dialogParent;
    m_prompts->ShowError(parent, text);
}

bool TSpellChecker::ensureSpeller()
{
    if (m_speller)
        return true;
    try {
        m_speller = m_factory(Language, Options);
    } catch (const ESpellError &e) {
        if (e.kind() == ESpellError::NotInstalled)
            m_prompts->ShowMessage(m_dialogParent, tr("Kontrola pravopisu"), e.message());
        else
            showFailure(e.message());
    } catch (const TError &e) {
        showFailure(e.message());
    }
    return m_speller != nullptr;
}

void TSpellChecker::Check(TRxRichEdit *editor)
{
    if (!editor)
        return;
    if (!m_dialog)
        m_dialog = new TSpellerDialog2(this, m_dialogParent);
    if (m_editor != editor) {
        disconnect(m_editorChanges);
        disconnect(m_editorGone);
        m_editor = editor;
        // Any change of the text, ours or not, may move the block last read.
        m_editorChanges = connect(editor->Doc(), &Document::ContentsChange, this, [this] { forgetBlock(); });
        // A page closed during the check ends it.
        m_editorGone = connect(editor, &QObject::destroyed, this, [this] { finish(); });
    }
    forgetBlock();
    m_checking = false;
    if (!ensureSpeller()) {
        finish();
        return;
    }
    const int start = editor->SelStart();
    const int length = editor->SelLength();
    m_rangeEnd = length > 0 ? start + length : editor->TextLength();
    int blockPos = 0;
    const QString &block = blockAt(start, &blockPos);
    m_pos = blockPos + int(SpellWords::WordStart(block, start - blockPos, QString()));
    m_errLen = 0;
    m_status = 0;
    m_checking = true;
    try {
        loop();
    } catch (const TError &e) {
        showFailure(e.message());
    }
}

const QString &TSpellChecker::blockAt(int pos, int *blockPos)
{
    const QTextBlock b = m_editor->Doc()->Text()->findBlock(pos);
    if (b.position() != m_blockPos) {
        m_block = b.text();
        m_blockPos = b.position();
    }
    *blockPos = m_blockPos;
    return m_block;
}

bool TSpellChecker::isBreakAt(int pos)
{
    int blockPos = 0;
    const QString &block = blockAt(pos, &blockPos);
    return pos == blockPos + block.size() && pos < m_editor->TextLength();
}

void TSpellChecker::run(const std::function<void()> &command)
{
    if (!m_checking)
        return;
    if (!m_editor) {
        finish();
        return;
    }
    try {
        command();
        loop();
    } catch (const TError &e) {
        showFailure(e.message());
    }
}

void TSpellChecker::loop()
{
    for (;;) {
        m_status = 0;
        int pos = m_pos + m_errLen;
        while (pos < m_rangeEnd && isBreakAt(pos))
            ++pos;
        if (pos >= m_rangeEnd) {
            m_pos = pos;
            m_errLen = 0;
            finish();
            emit Finished();
            return;
        }
        int blockPos = 0;
        const QString &block = blockAt(pos, &blockPos);
        m_lineEnd = qMin(blockPos + int(block.size()), m_rangeEnd);
        const QStringView piece = QStringView(block).sliced(pos - blockPos, m_lineEnd - pos);
        int length = 0, offset = 0;
        m_status = pos == blockPos ? m_speller->VerifyFirst(piece, &length, &offset)
                                   : m_speller->VerifyNext(piece, &length, &offset);
        if (m_status != 0) {
            m_pos = pos + offset;
            m_errLen = m_status == 12 ? length - 1 : length;
            m_editor->SetSelStart(m_pos);
            m_editor->SetSelLength(m_errLen);
            m_errorWord = m_speller->GetErrorWord();
        } else {
            m_pos = m_lineEnd;
            m_errLen = 0;
        }
        if (m_status == 2)
            replaceError(m_speller->GetReplacement());
        if (m_status != 0 && m_status != 2)
            break;
    }
    showError();
}

void TSpellChecker::replaceError(const QString &text)
{
    const int before = m_editor->TextLength();
    m_editor->SetSelStart(m_pos);
    m_editor->SetSelLength(m_errLen);
    m_editor->SetSelText(text);
    const int delta = m_editor->TextLength() - before;
    m_rangeEnd += delta;
    m_lineEnd += delta;
    m_errLen = m_status == 12 ? 0 : m_errLen + delta;
}

void TSpellChecker::showError()
{
    TSpellerDialog2 *d = m_dialog;
    const int code = m_status;
    const QString message = messageFor(code);
    if (!message.isEmpty()) {
        QStringList suggestions;
        TSpellerDialog2::DisplayMode mode = TSpellerDialog2::dmWord;
        switch (code) {
        case 1:
        case 4:
            m_speller->GetSuggestions(m_errorWord, suggestions);
            break;
        case 3: {
            m_speller->GetSuggestions(m_errorWord, suggestions);
            const QString replacement = m_speller->GetReplacement();
            if (!replacement.isEmpty() && !suggestions.contains(replacement))
                suggestions.prepend(replacement);
            break;
        }
        case 5:
        case 10:
            suggestions << firstUpper(m_errorWord);
            break;
        case 12:
            suggestions << withoutExtraSpaces(m_errorWord);
            break;
        case 11:
            mode = TSpellerDialog2::dmRepeatedWord;
            break;
        case 13:
        case 14:
            mode = TSpellerDialog2::dmNoSuggestion;
            break;
        default:
            break;
        }
        int blockPos = 0;
        QString line = blockAt(m_pos, &blockPos);
        int start = m_pos - blockPos;
        const int length = qMin(m_errLen, int(line.size()) - start);
        if (line.size() > MaxShownLine) {
            const int from = qMax(0, start - ShownAround);
            const int to = qMin(int(line.size()), start + length + ShownAround);
            const QString ellipsis(QChar(0x2026));
            line = (from > 0 ? ellipsis : QString()) + line.mid(from, to - from)
                   + (to < line.size() ? ellipsis : QString());
            start = start - from + (from > 0 ? 1 : 0);
        }
        d->ShowError(code, message, mode, suggestions, line, start, length, m_errorWord);
    }
    d->setWindowTitle(
        Caption.isEmpty()
            ? TSpellerDialog2::tr("Kontrola pravopisu")
            : QString(Caption).replace(QLatin1String("%s"), QLocale(QLocale::Czech).nativeLanguageName()));
    if (!d->isVisible())
        d->show();
    d->raise();
    d->activateWindow();
}

void TSpellChecker::finish()
{
    m_checking = false;
    if (m_dialog && m_dialog->isVisible())
        m_dialog->hide();
}

// ---- commands ----

void TSpellChecker::Change(const QString &text, bool edited)
{
    run([&] {
        if (!edited && m_status == 1)
            m_speller->AddChangeOnce(m_errorWord, text);
        replaceError(text);
    });
}

void TSpellChecker::ChangeAll(const QString &suggestion)
{
    run([&] {
        m_speller->AddChangeAlways(m_errorWord, suggestion);
        replaceError(suggestion);
    });
}

void TSpellChecker::Skip()
{
    run([] {});
}

void TSpellChecker::SkipAll()
{
    run([&] { m_speller->IgnoreAlways(m_errorWord); });
}

void TSpellChecker::Add()
{
    run([&] {
        m_speller->AddToCustomDictionary(m_errorWord);
        m_errLen = 0;
    });
}

void TSpellChecker::Delete()
{
    run([&] {
        const int count = qMin(m_errLen + 1, m_editor->TextLength() - m_pos);
        m_editor->SetSelStart(m_pos);
        m_editor->SetSelLength(count);
        m_editor->SetSelText(QString());
        m_rangeEnd -= count;
        m_lineEnd -= count;
        m_errLen = 0;
    });
}

void TSpellChecker::Cancel()
{
    finish();
}
