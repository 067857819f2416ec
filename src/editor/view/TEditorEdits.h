#pragma once

#include "text/TextEdits.h"

class TRxRichEdit;

// Applies edits to an editor as one undo step: either each edit in place within one edit
// block, or, when the edits lie dense, the whole span through the editor's ReplaceRange.
// currentText is the editor's text as TextCommands::DocumentText gives it; the edits'
// texts must be text the editor can hold ("\n" breaks, Windows-1250 characters) and the
// result must not outgrow the editor.
void ApplyEdits(TRxRichEdit *editor, QStringView currentText, const QList<TextEdits::Edit> &edits);

// Applies edits each in place, within one edit block: one undo step and one change event.
// For edits that never join or split lines this beats one big replacement even when most
// lines change: the document keeps its lines and swaps only their text. Same conditions on
// the edits as above; the editor must not be loading.
void ApplyEditsInPlace(TRxRichEdit *editor, const QList<TextEdits::Edit> &edits);
