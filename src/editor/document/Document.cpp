#include "editor/document/Document.h"

#include "editor/document/TextLoader.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"

#include "text/TextEdits.h"

#include <QAbstractUndoItem>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format's part of an undo step; the text document calls it in order with the text's
// own parts, so undo restores the old text before the old format.
class FormatUndo : public QAbstractUndoItem
{
public:
    FormatUndo(Document *doc, const TextFile::Format &before, const TextFile::Format &after)
        : m_doc(doc), m_before(before), m_after(after)
    {}
    void undo() override
    {
        if (m_doc)
            m_doc->SetFormat(m_before);
    }
    void redo() override
    {
        if (m_doc)
            m_doc->SetFormat(m_after);
    }

private:
    QPointer<Document> m_doc;
    TextFile::Format m_before, m_after;
};

} // namespace

Document::Document(QObject *parent) : QObject(parent)
{
    m_text = new QTextDocument(this);
    m_text->setDocumentLayout(new QPlainTextDocumentLayout(m_text));
    m_text->setUndoRedoEnabled(true);
    m_loader = new TextLoader(m_text, this);
    connectText();
    connect(m_loader, &TextLoader::Progress, this, &Document::LoadProgress);
    connect(m_loader, &TextLoader::Built, this, &Document::takeWhole);
}

void Document::connectText()
{
    // Ours first: whoever hears of a change finds the flag already set.
    connect(m_text, &QTextDocument::contentsChange, this, &Document::onContentsChange);
    connect(m_text, &QTextDocument::contentsChange, this, &Document::ContentsChange);
    connect(m_text, &QTextDocument::contentsChanged, this, [this] {
        if (m_edited && !m_loader->Taking()) {
            m_edited = false;
            emit Changed();
        }
    });
}

void Document::takeWhole(QTextDocument *whole, QTextDocument *shown)
{
    shown->disconnect(this);
    whole->setParent(this); // its undo history is on (TextLoader), edits replayed in it
    m_text = whole;
    connectText();
    emit TextSwapped();
    shown->deleteLater(); // whoever showed it has let it go
}

void Document::onContentsChange(int, int removed, int added)
{
    if ((removed == 0 && added == 0) || m_loader->Taking())
        return;
    m_edited = true;
    setModified(true);
}

QString Document::PlainText() const
{
    m_loader->Finish();
    return TextCommands::DocumentText(*m_text);
}

QString Document::WholeText() const
{
    const QString text = PlainText();
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            out.append(QLatin1String("\r\n"));
        else
            out.append(c);
    }
    out.append(QLatin1String("\r\n"));
    return out;
}

int Document::TextLength() const
{
    return m_text->characterCount() - 1;
}

int Document::WholeLength() const
{
    return m_loader->WholeLength();
}

void Document::ReplaceText(TextFile::PendingText text)
{
    emit TextAboutToBeReplaced();
    m_loader->Start(std::move(text));
    m_edited = false;
    emit TextReplaced();
}

void Document::LoadText(TextFile::PendingText text)
{
    ReplaceText(std::move(text));
    setModified(false);
}

void Document::Clear()
{
    LoadText(TextFile::PendingText());
}

bool Document::Loading() const
{
    return m_loader->Loading();
}

void Document::FinishLoad()
{
    m_loader->Finish();
}

void Document::AfterLoad(std::function<void()> whenWhole)
{
    m_loader->AfterLoad(std::move(whenWhole));
}

bool Document::AwaitWhole()
{
    if (!Loading())
        return true;
    const QPointer<Document> self(this);
    QEventLoop wait;
    // Each load that ends (or is dropped for a new one) says so with its last progress.
    connect(this, &Document::LoadProgress, &wait, [this, &wait] {
        if (!Loading())
            wait.quit();
    });
    connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
    emit AwaitingWhole(true);
    probe(Probe::AwaitingWhole);
    if (self && Loading())
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (!self)
        return false; // nothing of this object may be touched now
    emit AwaitingWhole(false);
    return true;
}

void Document::UndoStep(bool redo, const std::function<void()> &perform)
{
    m_loader->UndoStep(redo, perform);
}

void Document::SetUntitled(const QString &caption)
{
    m_fileName = caption;
    m_hasFile = false;
}

void Document::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit ModifiedChanged(modified);
}

void Document::SetFormat(const TextFile::Format &format)
{
    if (m_format == format)
        return;
    m_format = format;
    emit FormatChanged();
}

void Document::Load(const QString &fileName)
{
    // Taken before the reading: a change while we read then still shows as a change.
    const FileSignature before = FileSignature::Of(fileName);
    TextFile::Opened opened = TextFile::openText(fileName); // throws; nothing changed then
    SetFormat(opened.format); // first: the text comes in as this encoding holds it
    m_guessedSet = opened.guessedSet;
    m_t602 = opened.t602;
    LoadText(std::move(opened.text));
    m_fileName = fileName;
    m_hasFile = true;
    setSignature(before);
    emit Loaded();
}

void Document::setSignature(const FileSignature &signature)
{
    m_signature = signature;
    emit SignatureChanged();
}

bool Document::ChangedOnDisk(const FileSignature &accepted) const
{
    if (!m_hasFile)
        return false;
    const FileSignature now = DiskState();
    // Nothing to lose, or no file to write over (a folder took the name): the write says so.
    return now.exists && now != accepted && QFileInfo(m_fileName).isFile();
}

void Document::Reload()
{
    if (!ReloadUndoable()) {
        Load(m_fileName); // the way Open loads
        return;
    }
    // Taken before the reading: a change while we read then still shows as a change.
    const FileSignature before = DiskState();
    const QString text = TextFile::readDecodedAs(m_fileName, m_format.encoding).text; // throws
    if (!AwaitWhole())
        return;
    replaceUndoable(PlainText(), text); // Ctrl+Z brings the old text back
    setModified(false);                 // the page is its file again
    setSignature(before);
}

void Document::ReloadAs(Encoding encoding)
{
    const FileSignature before = DiskState();
    TextFile::Decoded decoded = TextFile::readDecodedAs(m_fileName, encoding); // throws
    if (!AwaitWhole())
        return;
    SwitchEncoding(decoded.format, &decoded.text);
    setModified(false); // the page is its file again, one undo step away from before
    setSignature(before);
}

void Document::SwitchEncoding(const TextFile::Format &format, const QString *text)
{
    const TextFile::Format before = m_format;
    QTextCursor step(m_text);
    step.beginEditBlock(); // the edits below join this block: one undo step
    // The format first, so that the new text enters as the new encoding stores it.
    SetFormat(format);
    if (text)
        replaceUndoable(PlainText(), *text);
    // Its undo item last: QTextDocument merges typing into a step that ends with an
    // insertion next to it, and typing after a switch is a step of its own.
    m_text->appendUndoItem(new FormatUndo(this, before, format));
    step.endEditBlock();
}

void Document::replaceUndoable(const QString &current, const QString &text)
{
    QList<TextEdits::Edit> edits = TextEdits::lineEdits(current, text);
    if (edits.isEmpty())
        return;
    QString span;
    if (TextEdits::preferOneSpan(current, edits)) {
        qsizetype start = 0, length = 0;
        span = TextEdits::appliedSpan(current, edits, &start, &length);
        edits = {TextEdits::Edit{start, length, span}};
    }
    QTextCursor cursor(m_text);
    cursor.beginEditBlock();
    // From the last edit to the first, so that earlier positions stay true. Each new text
    // goes in after the old one, which then goes: a caret before or inside the old text
    // stays at its start instead of riding to the end of the new one.
    for (qsizetype i = edits.size() - 1; i >= 0; --i) {
        const TextEdits::Edit &e = edits[i];
        const int from = int(e.from), to = int(e.from + e.length);
        if (!e.text.isEmpty()) {
            cursor.setPosition(to);
            cursor.insertText(e.text.toString());
        }
        if (to > from) {
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    cursor.endEditBlock();
}

void Document::Recover(const QString &text, const QString &fileName, bool hasFile,
                       const FileSignature &signature, const TextFile::Format &format)
{
    SetFormat(format); // first: the text comes in as this encoding holds it
    ReplaceText(TextFile::PendingText(text));
    if (hasFile) {
        m_fileName = fileName;
        m_hasFile = true;
    } else {
        SetUntitled(fileName);
    }
    setModified(true); // the copy holds changes its file does not
    setSignature(hasFile ? signature : FileSignature());
}

Document::SaveResult Document::Save(const FileSignature &accepted)
{
    const SaveResult result = write(m_fileName, &accepted);
    if (result == SaveResult::Written)
        emit SignatureChanged();
    return result;
}

Document::SaveResult Document::SaveAs(const QString &fileName)
{
    const SaveResult result = write(fileName, nullptr);
    if (result != SaveResult::Written)
        return result;
    m_fileName = fileName;
    m_savedName = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    m_hasFile = true;
    emit SignatureChanged();
    return result;
}

Document::SaveResult Document::write(const QString &fileName, const FileSignature *accepted)
{
    if (!AwaitWhole())
        return SaveResult::Gone;
    // Atomic: a failure keeps the old file. The last look at the file is taken after the
    // temporary file is on disk, right before the rename: Linux has no rename that checks
    // the target, so only a write in that last moment can still be lost. The signature is
    // the written file's own, taken before it took the name, so another program's write
    // right after ours is never ours.
    bool changed = false;
    const auto lastLook = [&] {
        probe(Probe::BeforeCommit);
        const FileSignature now = FileSignature::Of(fileName);
        changed = accepted && now.exists && now != *accepted;
        return !changed;
    };
    const FileSignature written = TextFile::writeFile(fileName, PlainText(), m_format, lastLook);
    if (changed)
        return SaveResult::ChangedOnDisk;
    m_lastSave = QDateTime::currentDateTime();
    setModified(false);
    m_signature = written;
    return SaveResult::Written;
}
