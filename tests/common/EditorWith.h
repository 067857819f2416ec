#pragma once

// A lone editor control for the tests of what works on one page.
#include "editor/document/Document.h"
#include "editor/view/TRxRichEdit.h"

#include <QSize>

#include <memory>

// The editor's text made `text` as a file just read: unmodified, nothing to undo.
inline void TakeAsLoaded(TRxRichEdit *editor, const QString &text)
{
    editor->Doc()->LoadText(TextFile::PendingText(text));
    editor->FinishLoad();
}

// A new editor holding `text` as a page holds a file just read: unmodified, nothing to undo.
// Shown at `size` unless that is empty.
inline std::unique_ptr<TRxRichEdit> EditorWith(const QString &text, QSize size = {})
{
    auto editor = std::make_unique<TRxRichEdit>();
    if (size.isValid())
        editor->resize(size);
    TakeAsLoaded(editor.get(), text);
    if (size.isValid())
        editor->show();
    return editor;
}
