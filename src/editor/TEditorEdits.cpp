#include "editor/TEditorEdits.h"

#include "editor/TRxRichEdit.h"

#include <QTextCursor>

void ApplyEdits(TRxRichEdit *editor, QStringView currentText, const QList<TextEdits::Edit> &edits)
{
    if (!editor || edits.isEmpty())
        return;
    if (TextEdits::preferOneSpan(currentText, edits)) {
        qsizetype start = 0, length = 0;
        const QString span = TextEdits::appliedSpan(currentText, edits, &start, &length);
        editor->ReplaceRange(int(start), int(length), span);
        return;
    }
    // From the last edit to the first, so that earlier positions stay true. The document
    // reports the whole block as one change, and lays out only once, at its end.
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    for (qsizetype i = edits.size() - 1; i >= 0; --i) {
        const TextEdits::Edit &e = edits[i];
        cursor.setPosition(int(e.from));
        cursor.setPosition(int(e.from + e.length), QTextCursor::KeepAnchor);
        if (e.text.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertText(e.text.toString());
    }
    cursor.endEditBlock();
}
