#include "editor/view/TEditorEdits.h"

#include "editor/view/TRxRichEdit.h"

#include <QTextCharFormat>
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
    ApplyEditsInPlace(editor, edits);
}

void ApplyEditsInPlace(TRxRichEdit *editor, const QList<TextEdits::Edit> &edits)
{
    if (!editor || edits.isEmpty())
        return;
    // From the last edit to the first, so that earlier positions stay true. The document
    // reports the whole block as one change, and lays out only once, at its end.
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    // The page is plain text, one format throughout: handing it over saves the look-up of
    // the format at each edit.
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    for (qsizetype i = edits.size() - 1; i >= 0; --i) {
        const TextEdits::Edit &e = edits[i];
        cursor.setPosition(int(e.from));
        cursor.setPosition(int(e.from + e.length), QTextCursor::KeepAnchor);
        if (e.text.isEmpty())
            cursor.removeSelectedText();
        else // the document copies the text: no string of our own per edit
            cursor.insertText(
                QString::fromRawData(reinterpret_cast<const QChar *>(e.text.data()), e.text.size()), format);
    }
    cursor.endEditBlock();
}
