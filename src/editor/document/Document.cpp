#include "editor/document/Document.h"

#include "editor/document/TextLoader.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>

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
    SetModified(true);
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

void Document::ReplaceText(TextFile::PendingText text)
{
    emit TextAboutToBeReplaced();
    m_loader->Start(std::move(text));
    m_edited = false;
    emit TextReplaced();
}

void Document::Clear()
{
    ReplaceText(TextFile::PendingText());
    SetModified(false);
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

void Document::UndoStep(bool redo, const std::function<void()> &perform)
{
    m_loader->UndoStep(redo, perform);
}

void Document::SetUntitled(const QString &caption)
{
    m_fileName = caption;
    m_hasFile = false;
}

void Document::SetModified(bool modified)
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
    ReplaceText(std::move(opened.text));
    m_fileName = fileName;
    m_hasFile = true;
    SetModified(false);
    SetSignature(before);
    emit Loaded();
}

QString Document::ReadFileText(FileSignature *signature) const
{
    *signature = FileSignature::Of(m_fileName);
    return TextFile::readDecodedAs(m_fileName, m_format.encoding).text;
}

void Document::SetSignature(const FileSignature &signature)
{
    m_signature = signature;
    emit SignatureChanged();
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
    SetModified(true); // the copy holds changes its file does not
    SetSignature(hasFile ? signature : FileSignature());
}

void Document::Save()
{
    write(m_fileName);
    emit SignatureChanged();
}

void Document::SaveAs(const QString &fileName)
{
    write(fileName);
    m_fileName = fileName;
    m_savedName = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    m_hasFile = true;
    emit SignatureChanged();
}

void Document::write(const QString &fileName)
{
    // Atomic: a failure keeps the old file. The signature is the written file's own, taken
    // before it took the name, so another program's write right after ours is never ours.
    const FileSignature written = TextFile::writeFile(fileName, PlainText(), m_format);
    m_lastSave = QDateTime::currentDateTime();
    SetModified(false);
    m_signature = written;
}
