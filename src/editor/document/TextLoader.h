#pragma once

#include "editor/document/ShownEdits.h"
#include "text/TextFile.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;

// Puts a whole new text into a document. A large text is shown from its start at once,
// while a second thread builds the whole text, decoded from the file's bytes, into a
// QTextDocument of its own; that one then takes the shown one's place (Built). None of it
// enters the undo history (which is emptied). The part shown can be edited meanwhile: the
// whole text takes the same edits, undo steps and all, when it takes its place.
class TextLoader : public QObject
{
    Q_OBJECT
public:
    explicit TextLoader(QTextDocument *text, QObject *parent = nullptr);
    ~TextLoader() override;

    // The text loaded into: after Built, the whole one.
    QTextDocument *Text() const { return m_text; }
    // Replaces the whole text: the first slice now, the whole text when it is built. A load
    // still under way is dropped first.
    void Start(TextFile::PendingText text);
    bool Loading() const { return m_loading; }
    // Characters of the whole text: while loading, the part shown (with its edits) and what
    // is still to come, counted from the file.
    int WholeLength() const;
    // The whole text, now: waits for the rest to be built.
    void Finish();
    // Runs `whenWhole` at once, or as soon as the text is whole; a new load drops it.
    void AfterLoad(std::function<void()> whenWhole);
    // True while the loader itself changes the text: those changes are no edits.
    bool Taking() const { return m_taking > 0; }
    // An undo (or redo) of the text, which `perform` does: while the part shown is edited,
    // the whole text is to take it as an undo, not as an edit.
    void UndoStep(bool redo, const std::function<void()> &perform);

signals:
    // How much is in, in percent, now and then; 100 when a load ends, whole or dropped.
    void Progress(int percent);
    // The whole text, built aside, replaces the part shown so far: `whole` (now Text())
    // holds the same text from the start, edits to the part shown included, with their undo
    // steps; it is laid out for a QPlainTextEdit and belongs to the receiver, which lets the
    // old document go.
    void Built(QTextDocument *whole, QTextDocument *shown);

private:
    struct Job;
    void jobEnded(quint64 id);
    void deliver();
    void drop();

    QTextDocument *m_text;
    std::unique_ptr<Job> m_job;                  // building the text being loaded
    std::vector<std::unique_ptr<Job>> m_dropped; // dropped loads, still ending
    quint64 m_jobs = 0;
    bool m_loading = false;
    int m_taking = 0;
    qsizetype m_rest = 0; // characters still to come after the first slice
    std::function<void()> m_afterLoad;
    QTimer m_progress;
    ShownEdits m_edits;                  // to the part shown while the rest comes in
    QMetaObject::Connection m_shownLink; // those edits, heard
};
