#include "editor/view/EncodingSwitch.h"

#include "editor/document/Document.h"
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"

#include <QAbstractUndoItem>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format's part of the undo step; the text document calls it in order with the text's
// own parts, so undo restores the old text before the old format.
class FormatUndo : public QAbstractUndoItem
{
public:
    FormatUndo(Document *doc, const TextFile::Format &before, const TextFile::Format &after)
        : m_doc(doc), m_before(before), m_after(after)
    {}
    void undo() override
    {
        if (m_doc)
            m_doc->SetFormat(m_before);
    }
    void redo() override
    {
        if (m_doc)
            m_doc->SetFormat(m_after);
    }

private:
    QPointer<Document> m_doc;
    TextFile::Format m_before, m_after;
};

} // namespace

namespace EncodingSwitch {

void Apply(TRxRichEdit *editor, const TextFile::Format &format, const QString *text)
{
    Document *doc = editor->Doc();
    const TextFile::Format before = doc->Format();
    QTextCursor step(editor->document());
    step.beginEditBlock(); // the edits below join this block: one undo step
    // The format first, so that the new text enters as the new encoding stores it.
    doc->SetFormat(format);
    if (text) {
        const QString current = editor->PlainText();
        ApplyEdits(editor, current, TextEdits::lineEdits(current, *text));
    }
    // Its undo item last: QTextDocument merges typing into a step that ends with an
    // insertion next to it, and typing after a switch is a step of its own.
    editor->document()->appendUndoItem(new FormatUndo(doc, before, format));
    step.endEditBlock();
}

} // namespace EncodingSwitch
