#pragma once

#include "text/TextFile.h"
#include "text/FileSignature.h"

#include <QDateTime>
#include <QObject>
#include <QString>

// The side of an editor that a document reads and writes: its text with "\n" between lines.
class DocumentText
{
public:
    virtual ~DocumentText() = default;
    virtual QString TextForSave() const = 0;
    // Replaces the whole text after a load: not undoable, caret at the start. The editor
    // may take it in piece by piece.
    virtual void TakeLoadedText(TextFile::PendingText text) = 0;
};

// One page's document: its file identity (the path as opened or saved, or the untitled
// caption), the encoding, the modified flag and the last save, and loading and saving.
// The page and its editor share it; the editor itself does no file I/O.
class Document : public QObject
{
    Q_OBJECT
public:
    using Encoding = TextFile::Encoding;

    explicit Document(DocumentText *text, QObject *parent = nullptr);

    // The page's hint: the path as opened or saved, or "bezejmenný<n>" while untitled.
    QString FileName() const { return m_fileName; }
    bool HasFile() const { return m_hasFile; }
    void SetUntitled(const QString &caption);
    // The full path the last Save As wrote (empty before): the editor's own hint.
    QString SavedName() const { return m_savedName; }

    // The page's encoding, byte-order mark and line-break style: found when the file was
    // read, kept by Save and Save As, changed by the user's choice of encoding.
    Encoding TextEncoding() const { return m_format.encoding; }
    TextFile::Format Format() const { return m_format; }
    void SetFormat(const TextFile::Format &format);
    // Text as this page can hold it: on Windows-1250 pages what the set lacks becomes "?".
    QString Storable(const QString &text) const { return TextFile::storable(text, m_format.encoding); }
    // The Czech 8-bit set the last file read seems to be in (a conversion set number), 0
    // when none was guessed.
    int GuessedSet() const { return m_guessedSet; }
    QDateTime LastSave() const { return m_lastSave; }

    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // Reads the file into the editor; throws TError and leaves everything as it was when the
    // file cannot be read. The document then names the file and is unmodified.
    void Load(const QString &fileName);
    // Writes the text atomically to its file or to a new name; throws TError on failure,
    // leaving the old file, the identity and the flag as they were.
    void Save();
    void SaveAs(const QString &fileName);

    // The file as our last load or save left it (size, time, inode): a file found otherwise
    // was changed by another program.
    FileSignature Signature() const { return m_signature; }
    void SetSignature(const FileSignature &signature);
    // Reads the document's file as Load would, without touching the editor; the file's
    // signature from before the reading goes to *signature. Throws TError.
    QString ReadFileText(FileSignature *signature) const;
    // A text kept from an earlier run: shown as a modified page named after its file (or
    // untitled with `fileName` as its caption), its file as it was when the text was kept.
    void Recover(const QString &text, const QString &fileName, bool hasFile, const FileSignature &signature);

signals:
    void ModifiedChanged(bool modified);
    void FormatChanged();
    // A file was read into the editor.
    void Loaded();
    // After a load, a save, a recovery or a new signature: the file or its known state changed.
    void SignatureChanged();

private:
    void write(const QString &fileName);

    DocumentText *m_text;
    QString m_fileName;
    QString m_savedName;
    bool m_hasFile = false;
    bool m_modified = false;
    TextFile::Format m_format;
    int m_guessedSet = 0;
    QDateTime m_lastSave;
    FileSignature m_signature;
};
