#pragma once

#include "text/FileSignature.h"
#include "text/TextFile.h"

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
    // Characters in the text, a line break counting one: while a large text comes in, the
    // part shown.
    int TextLength() const;
    // Characters of the whole text: while a large text comes in, the part shown and, as the
    // file has them, the characters still to come. What may still be typed is counted from it.
    int WholeLength() const;
    // Replaces the whole text as a load does (not undoable, undo history emptied, the
    // flag left as it is): the editor puts its caret at the start.
    void ReplaceText(TextFile::PendingText text);
    // Takes `text` as the page's own: the whole text replaced as a file read does it,
    // unmodified, nothing to undo.
    void LoadText(TextFile::PendingText text);
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
    // to the saved text leaves it set); cleared by Load, Save, Save As and the reloads.
    // Everything that shows it follows ModifiedChanged.
    bool Modified() const { return m_modified; }
    // The page counts as changed without an edit of its text: its file went, or a command
    // that changes nothing was still asked for.
    void MarkChanged() { setModified(true); }

    // Reads the file into the text; throws TError and leaves everything as it was when the
    // file cannot be read. The document then names the file and is unmodified.
    void Load(const QString &fileName);

    // What a save came to.
    enum class SaveResult {
        Written,
        ChangedOnDisk, // another program changed the file since `accepted`: nothing written
        Gone,          // the document went while its text was still coming in
    };
    // Writes the text atomically to its file. A text still coming in is waited for first
    // (AwaitWhole); the temporary file is written and flushed to disk, and it takes the
    // file's name only if the file is still as `accepted` (or gone). `accepted` is the file's
    // state the user agreed to write over: Signature(), or the state a question showed.
    // Throws TError on failure, leaving the old file, the identity and the flag as they were.
    // After Gone nothing of the document may be touched.
    SaveResult Save(const FileSignature &accepted);
    SaveResult Save() { return Save(m_signature); }
    // The same to a new name, which the document then has; the user was asked about a file
    // already there.
    SaveResult SaveAs(const QString &fileName);

    // The file: whether another program changed it since our last load or save (or since
    // `accepted`). A file that is gone, or that is no regular file, has nothing to lose.
    bool ChangedOnDisk() const { return ChangedOnDisk(m_signature); }
    bool ChangedOnDisk(const FileSignature &accepted) const;
    // The file on disk now.
    FileSignature DiskState() const { return FileSignature::Of(m_fileName); }

    // Up to this size a reload is one undo step; above it, it is a load that empties the
    // undo history.
    static constexpr qint64 UndoableReloadLimit = 1024 * 1024;
    bool ReloadUndoable() const { return DiskState().size <= UndoableReloadLimit; }
    // Reads the file again in the page's encoding: one undo step up to UndoableReloadLimit,
    // beyond it as Load does. Unmodified after it, with the file's new signature; throws
    // TError and changes nothing when the file cannot be read.
    void Reload();
    // Reads the file's bytes again in `encoding` (a UTF-8 byte-order mark wins), its
    // format then the page's: one undo step, unmodified, with the file's new signature.
    // Throws TError and changes nothing when the file cannot be read in it.
    void ReloadAs(Encoding encoding);
    // Puts the page in `format` as one undo step (undo brings the old format back). When
    // `text` is given it becomes the page's whole text in the same step (only the lines
    // that differ are touched); it must be text the new encoding can store.
    void SwitchEncoding(const TextFile::Format &format, const QString *text = nullptr);

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

    // Waits until the whole text is in, without blocking the window: other events go on,
    // the user's input waits for whatever the caller opens next (a box, a dialog), never
    // going into the text. True at once when nothing is loading; false when the document
    // went meanwhile (its page was closed): then nothing of it may be touched.
    bool AwaitWhole();

    // The file as our last load or save left it (size, time, inode): a file found otherwise
    // was changed by another program.
    FileSignature Signature() const { return m_signature; }
    // Tells the watchers to look at the file now.
    void CheckDisk() { emit SignatureChanged(); }
    // A text kept from an earlier run: shown as a modified page named after its file (or
    // untitled with `fileName` as its caption), in the page's format (encoding, byte-order
    // mark, line breaks) and with its file as it was when the text was kept.
    void Recover(const QString &text, const QString &fileName, bool hasFile, const FileSignature &signature,
                 const TextFile::Format &format);

    // For tests: called at the points where another program's write is the hardest to see.
    enum class Probe {
        AwaitingWhole, // the wait for the whole text begins
        BeforeCommit,  // a save's temporary file is written and flushed, the last check is next
    };
    void SetProbe(std::function<void(Probe)> probe) { m_probe = std::move(probe); }

signals:
    void ModifiedChanged(bool modified);
    // A command waits for the whole text (true) or has it (false).
    void AwaitingWhole(bool waiting);
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
    void setModified(bool modified);
    void setSignature(const FileSignature &signature);
    // Writes the whole text; `accepted` as Save's, or nullptr for no check.
    SaveResult write(const QString &fileName, const FileSignature *accepted);
    // Makes the text `text` as one undo step, touching only the lines that differ.
    void replaceUndoable(const QString &current, const QString &text);
    void probe(Probe at) const
    {
        if (m_probe)
            m_probe(at);
    }

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
    std::function<void(Probe)> m_probe;
};
