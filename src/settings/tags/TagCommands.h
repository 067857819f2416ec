#pragma once

#include <functional>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;
class TPrompts;
class TRxRichEdit;
class TSettingsStore;
struct TTagMenuEntry;

// The user tags of the "Z&kratky" menu: building the menu from the stored tags and
// putting a tag's two texts around the selection of the active page.
class TagCommands : public QObject
{
    Q_OBJECT
public:
    TagCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                TSettingsStore *settings /* may be null */, QObject *parent = nullptr);

    // Empties the menu and fills it with the stored tags (names and hot keys as stored
    // now). `taken` are the keys that stay with others: the commands' shortcuts (but those a
    // command yields to a tag) and the main menu titles' mnemonics (Alt+letter); the keys an
    // editor keeps for moving and selecting (EditorKeys) stay with the editor too. A tag
    // whose key is taken, or already given to an earlier tag, gets no shortcut (the key is
    // still shown in its caption); choosing it from the menu works. The menu and the keys
    // are remembered for RebuildTagMenu.
    void BuildTagMenu(QMenu *mmUZIV, const QList<QKeySequence> &taken);
    // The same from the settings dialog's lists (its OK), into the menu last built.
    void RebuildTagMenu(const QStringList &names, const QStringList &hotKeys);

    // Whether a tag has this key now (the keypad's keys as the main ones).
    bool TakesKey(QKeyCombination key) const;

    // Appends one tag item: caption (a "-" alone is a separator line, "&" marks the
    // accelerator), the key parsed from the hot-key text, and the tag's number.
    QAction *AddTagMenuItem(const QString &name, const QString &hotKey, int number);

    // The tag with this number: its before and after texts, read from the store now, go
    // around the active page's selection as one undo step; the caret then stands just
    // after the before text. Without a page nothing happens.
    void usertagClick(int number);

    // Puts the two texts (any line breaks) around the editor's selection as one undo step
    // and leaves the caret after the before text, nothing selected. Throws TError when the
    // text would outgrow the editor; the text is then left as it was.
    static void WrapSelection(TRxRichEdit *editor, const QString &before, const QString &after);

private:
    void fill(const QList<TTagMenuEntry> &entries);

    std::function<TRxRichEdit *()> m_activeEditor;
    TPrompts *m_prompts;
    QWidget *m_window;
    TSettingsStore *m_settings;
    QPointer<QMenu> m_menu;
    QList<QKeySequence> m_taken;
    QList<QKeyCombination> m_used; // keys given out while the menu is filled
};
