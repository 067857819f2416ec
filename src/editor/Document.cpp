#include "editor/Document.h"

#include "editor/TextFile.h"

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
    const TextFile::Decoded decoded = TextFile::readDecoded(fileName); // throws; nothing changed then
    SetFormat(decoded.format); // first: the editor takes the text as this encoding holds it
    m_guessedSet = decoded.guessedSet;
    m_text->TakeLoadedText(decoded.text);
    m_fileName = fileName;
    m_hasFile = true;
    SetModified(false);
    emit Loaded();
}

void Document::Save()
{
    write(m_fileName);
}

void Document::SaveAs(const QString &fileName)
{
    write(fileName);
    m_fileName = fileName;
    m_savedName = QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
    m_hasFile = true;
}

void Document::write(const QString &fileName)
{
    TextFile::writeFile(fileName, m_text->TextForSave(), m_format); // atomic: a failure keeps the old file
    m_lastSave = QDateTime::currentDateTime();
    SetModified(false);
}
