#pragma once

#include "text/TextFile.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QTextDocument;

// Puts a whole new text into a document. A large text is shown from its start at once and
// taken in slice by slice between events, each slice decoded from the file's bytes only
// then; none of it enters the undo history (which is emptied), and while it comes in the
// document has no undo at all.
class TextLoader : public QObject
{
    Q_OBJECT
public:
    explicit TextLoader(QTextDocument *text, QObject *parent = nullptr);

    // Replaces the whole text: the first slice now, the rest between events. A load still
    // under way is dropped first.
    void Start(TextFile::PendingText text);
    bool Loading() const { return m_loading; }
    // Takes in all that is left, now.
    void Finish();
    // Runs `whenWhole` at once, or as soon as the text is whole; a new load drops it.
    void AfterLoad(std::function<void()> whenWhole);
    // True while the loader itself changes the text: those changes are no edits.
    bool Taking() const { return m_taking > 0; }

signals:
    // How much is in, in percent, after each turn; 100 when a load ends, whole or dropped.
    void Progress(int percent);

private:
    void takeSlices(qint64 budgetNs); // budget -1: all that is left
    void drop();

    QTextDocument *m_text;
    TextFile::PendingText m_pending; // what the document does not hold yet
    bool m_loading = false;
    int m_taking = 0;
    std::function<void()> m_afterLoad;
    QTimer m_timer;
};
