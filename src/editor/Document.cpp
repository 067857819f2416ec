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

void Document::Load(const QString &fileName)
{
    const QString text = TextFile::readFile(fileName); // throws; nothing changed then
    m_text->TakeLoadedText(text);
    m_fileName = fileName;
    m_hasFile = true;
    SetModified(false);
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
    TextFile::writeFile(fileName, m_text->TextForSave()); // atomic: a failure keeps the old file
    m_lastSave = QDateTime::currentDateTime();
    SetModified(false);
}
