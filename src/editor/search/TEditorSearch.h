#pragma once

#include "editor/search/TSearchDialog.h"

#include <QObject>
#include <QPointer>

class TRxRichEdit;

// The search state of one editor: its own Find and Replace dialogs (created when first
// asked for, kept and destroyed with the editor) and the dialog that ran its last search,
// which F3 repeats. It lives as a child of the editor, so every page has its own.
class TEditorSearch : public QObject
{
    Q_OBJECT
public:
    // The editor's search state, created at the first call.
    static TEditorSearch *of(TRxRichEdit *editor);
    // The editor's search state if it has one, nullptr otherwise.
    static TEditorSearch *find(const TRxRichEdit *editor);

    TRxRichEdit *Editor() const { return m_editor; }
    TSearchDialog *FindDialog() const { return m_findDialog; }
    TSearchDialog *ReplaceDialog() const { return m_replaceDialog; }
    TSearchDialog *LastSearch() const { return m_lastSearch; }

    // The Find and Replace commands: create the dialog if needed, preset its search text
    // from the selection (unless it is showing) and show it modeless.
    void ShowFindDialog();
    void ShowReplaceDialog();

    // Searches with the dialog's text and options from the selection: down from its end
    // or up from its start, no wrap-around. A hit becomes the selection. Returns found.
    bool SearchWithDialog(TSearchDialog *dialog, bool moveAside, bool reportMiss);
    // Moves a showing dialog up or down when it covers the selection.
    void MoveDialogAside(TSearchDialog *dialog);
    // F3: the last search again with its dialog's current text and options.
    bool RepeatSearch();
    // The Replace dialog's buttons. ReplaceOne replaces the selection when it is a hit and
    // selects the next hit, otherwise only finds and selects the next hit; ReplaceAll
    // replaces every hit from the selection's start on, as one edit. Both return the
    // number of replacements.
    int ReplaceOne(TSearchDialog *dialog);
    int ReplaceAll(TSearchDialog *dialog);
    // Whether the selection is exactly a hit of the dialog's search text, under its options.
    bool SelectionIsHit(TSearchDialog *dialog) const;

signals:
    // A search found nothing.
    void TextNotFound(TRxRichEdit *editor, const QString &searchText);
    // Replace All replaced `count` (at least one) occurrences.
    void ReplacedAll(TRxRichEdit *editor, int count);
    // A dialog of this editor was closed.
    void CloseFindDialog(TRxRichEdit *editor, TSearchDialog *dialog);

private:
    explicit TEditorSearch(TRxRichEdit *editor);
    TSearchDialog *createDialog(int kind);
    void showDialog(TSearchDialog *dialog);

    TRxRichEdit *m_editor;
    QPointer<TSearchDialog> m_findDialog;
    QPointer<TSearchDialog> m_replaceDialog;
    QPointer<TSearchDialog> m_lastSearch;
};
