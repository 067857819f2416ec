#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QWidget;
class SpellerSource;
class TPrompts;
class TRxRichEdit;
class VisibleSpellCheck;

// "Kon&trolovat při psaní": checking as you type. While the item is checked, the unknown
// words on screen in the active page are underlined (VisibleSpellCheck), and a right click
// on one puts up to five suggestions, "Přidat do slovníku" and "Přeskakovat" at the top of
// the page menu. The dictionary is read on a worker thread the first time it is needed.
class TypingSpellCheck : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxSuggestions = 5;

    // `pageMenu` ("pmActivePage") gets the items for an underlined word.
    TypingSpellCheck(std::function<TRxRichEdit *()> activeEditor, SpellerSource *source, TPrompts *prompts,
                     QWidget *window, QMenu *pageMenu, QObject *parent = nullptr);

    // Every page's editor, when the page is made.
    void WatchEditor(TRxRichEdit *editor);

    // Switches the check on or off.
    void mmAutoSpellClick();

    // The item's check mark shows the state; restored settings set it.
    bool IsOn() const { return m_on; }
    void SetOn(bool on);

signals:
    void OnChanged();
    void MenuItemsAdded(); // the page menu has the items for an underlined word

private:
    void loadFailed(const QString &message, bool notInstalled);
    void recheck();
    void fillMenu();
    void clearMenu();
    QList<VisibleSpellCheck *> checks() const;

    std::function<TRxRichEdit *()> m_activeEditor;
    SpellerSource *m_source;
    TPrompts *m_prompts;
    QWidget *m_window;
    QPointer<QMenu> m_menu;
    QList<QPointer<TRxRichEdit>> m_editors;
    QList<QAction *> m_menuItems;
    bool m_on = false;
    bool m_told = false; // a missing or broken dictionary is told once a run
};
