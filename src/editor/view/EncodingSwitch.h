#pragma once

#include "text/TextFile.h"

class TRxRichEdit;

// Changing a page's encoding as one undo step: the editor's undo takes back the new format
// together with any text that changed with it.
namespace EncodingSwitch {

// Puts the page in `format`. When `text` is given it becomes the page's whole text in the
// same step (only the lines that differ are touched); it must be text the new encoding
// can store.
void Apply(TRxRichEdit *editor, const TextFile::Format &format, const QString *text = nullptr);

} // namespace EncodingSwitch
