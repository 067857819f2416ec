#include "editor/Document.h"

#include "text/TextFile.h"

#include <QDir>
#include <QFileInfo>

Document::Document(DocumentText *text, QObject *parent) : QObject(parent), m_text(text) {}

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
    SetFormat(opened.format); // first: the editor takes the text as this encoding holds it
    m_guessedSet = opened.guessedSet;
    m_text->TakeLoadedText(std::move(opened.text));
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
                       const FileSignature &signature)
{
    m_text->TakeLoadedText(TextFile::PendingText(text));
    if (hasFile) {
        m_fileName = fileName;
        m_hasFile = true;
    } else {
        SetUntitled(fileName);
    }
    SetModified(true);
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
    TextFile::writeFile(fileName, m_text->TextForSave(), m_format); // atomic: a failure keeps the old file
    m_lastSave = QDateTime::currentDateTime();
    SetModified(false);
    // Our own write, as the file watcher will find it when its notice comes.
    m_signature = FileSignature::Of(fileName);
}
