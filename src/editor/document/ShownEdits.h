#pragma once

#include <QString>

#include <vector>

class QTextDocument;

// The edits made to the part of a large text shown while the whole text is built aside, in
// order, so that the whole text takes them when it takes the shown part's place: each edit
// as the same replacement at the same position (the shown part is the whole text's start),
// each undo and redo as an undo and redo of the whole text, so that its undo history holds
// the same steps. It follows the shown text through a copy of it, which also tells a real
// change of the text from a change of formats only.
class ShownEdits
{
public:
    // The shown document as its text was put in: no edits yet.
    void Start(const QTextDocument &shown);
    void Clear();
    bool Empty() const { return m_steps.empty(); }

    // The shown document changed as QTextDocument::contentsChange reports it (the document
    // already holds the new text). During an undo or redo the change is its effect and is
    // not noted as an edit.
    void Changed(const QTextDocument &shown, int from, int removed, int added);
    void BeginUndo(bool redo);
    void EndUndo() { --m_undoing; }

    // Does the same to `whole`, which began with the shown text as it was put in, in the
    // caller's undo history. Should the result's start differ from `shown` (an undo step that
    // the two documents grouped differently), the start is made the shown text in one step
    // instead, with the history before it dropped: the text is never lost. Returns false then.
    bool Replay(QTextDocument *whole, const QTextDocument &shown) const;

private:
    struct Step
    {
        enum Kind { Edit, Undo, Redo } kind = Edit;
        int from = 0;
        int removed = 0;
        QString text;
    };
    std::vector<Step> m_steps;
    QString m_copy;        // the shown text now, "\n" between lines
    int m_startLength = 0; // the shown text's length when it was put in
    int m_undoing = 0;
};
