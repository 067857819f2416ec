#pragma once

#include "text/TextFile.h"
#include "text/FileSignature.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QTextDocument;
class TextLoader;

// One page's document: its text, its file identity (the path as opened or saved, or the
// untitled caption), the encoding, the modified flag and the last save, and loading and
// saving. The page owns it, and it outlives the editor that shows it; the editor shows and
// edits the text and does no file I/O. Whatever watches the text (the file watch, the
// recovery copies, the line counter, the spell checks) connects here, not to an editor.
class Document : public QObject
{
    Q_OBJECT
public:
    using Encoding = TextFile::Encoding;

    explicit Document(QObject *parent = nullptr);

    // The text: plain text, laid out for a QPlainTextEdit. Lines are its blocks.
    QTextDocument *Text() const { return m_text; }
    // The whole text with "\n" between lines (no trailing break added); a text still
    // coming in is taken in first.
    QString PlainText() const;
    // The document's lines, each followed by CR LF.
    QString WholeText() const;
    // Characters in the text, a line break counting one.
    int TextLength() const;
    // Replaces the whole text as a load does (not undoable, undo history emptied, the
    // flag left as it is): the editor puts its caret at the start.
    void ReplaceText(TextFile::PendingText text);
    // Empties the text, the modified flag and the undo history.
    void Clear();

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
    // Text as this page can hold it: on 8-bit pages what the set lacks becomes "?".
    QString Storable(const QString &text) const { return TextFile::storable(text, m_format.encoding); }
    // Text as it enters this document: breaks as "\n", what the encoding lacks as "?".
    QString StorableText(const QString &text) const { return Storable(TextFile::normalizeBreaks(text)); }
    // The Czech 8-bit set the last file read seems to be in (a conversion set number), 0
    // when none was guessed.
    int GuessedSet() const { return m_guessedSet; }
    // Whether the last file read began as a T602 document (8-bit files only).
    bool T602Document() const { return m_t602; }
    QDateTime LastSave() const { return m_lastSave; }

    // Unsaved changes: set by every edit of the text, undo and redo included (undoing back
    // to the saved text leaves it set); cleared by Load, Save and Save As. A command that
    // re-reads the file into the page clears it; one that must make the page count as
    // changed without an edit sets it. Everything that shows it follows ModifiedChanged.
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // Reads the file into the text; throws TError and leaves everything as it was when the
    // file cannot be read. The document then names the file and is unmodified.
    void Load(const QString &fileName);
    // Writes the text atomically to its file or to a new name; throws TError on failure,
    // leaving the old file, the identity and the flag as they were.
    void Save();
    void SaveAs(const QString &fileName);

    // A large text is shown from its start at once while the whole text is built aside
    // (TextLoader), which then takes its place (TextSwapped); edits to the part shown
    // meanwhile are kept. The services that need the whole text wait for it first.
    bool Loading() const;
    void FinishLoad();
    // Runs `whenWhole` at once, or when the text being taken in is whole; a new load or
    // the document's end drops it.
    void AfterLoad(std::function<void()> whenWhole);
    // An undo or redo of the text, which `perform` does (the editor's own undo): so told, the
    // whole text of a load under way takes it as one too.
    void UndoStep(bool redo, const std::function<void()> &perform);

    // The file as our last load or save left it (size, time, inode): a file found otherwise
    // was changed by another program.
    FileSignature Signature() const { return m_signature; }
    void SetSignature(const FileSignature &signature);
    // Reads the document's file as Load would, without touching the text; the file's
    // signature from before the reading goes to *signature. Throws TError.
    QString ReadFileText(FileSignature *signature) const;
    // A text kept from an earlier run: shown as a modified page named after its file (or
    // untitled with `fileName` as its caption), in the page's format (encoding, byte-order
    // mark, line breaks) and with its file as it was when the text was kept.
    void Recover(const QString &text, const QString &fileName, bool hasFile, const FileSignature &signature,
                 const TextFile::Format &format);

signals:
    void ModifiedChanged(bool modified);
    void FormatChanged();
    // A file was read into the text.
    void Loaded();
    // After a load, a save, a recovery or a new signature: the file or its known state changed.
    void SignatureChanged();

    // Every change of the text, loads included, as QTextDocument::contentsChange reports it.
    void ContentsChange(int from, int removed, int added);
    // After each edit of the text (not a load), once per edit block.
    void Changed();
    // Around a replacement of the whole text (a load, a recovered copy, Clear).
    void TextAboutToBeReplaced();
    void TextReplaced();
    // How much of a large text is in, in percent; 100 when the load ends.
    void LoadProgress(int percent);
    // A large text, built whole aside, took the place of the part shown while it came in:
    // the same text from the start, in a new Text(). Whoever holds the old QTextDocument, its
    // layout or cursors into it takes the new one now; the old one is deleted later.
    void TextSwapped();

private:
    void onContentsChange(int from, int removed, int added);
    void connectText();
    void takeWhole(QTextDocument *whole, QTextDocument *shown);
    void write(const QString &fileName);

    QTextDocument *m_text = nullptr;
    TextLoader *m_loader = nullptr;
    bool m_edited = false; // an edit since the last Changed
    QString m_fileName;
    QString m_savedName;
    bool m_hasFile = false;
    bool m_modified = false;
    TextFile::Format m_format;
    int m_guessedSet = 0;
    bool m_t602 = false;
    QDateTime m_lastSave;
    FileSignature m_signature;
};
