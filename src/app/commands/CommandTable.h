#pragma once

#include <functional>
#include <optional>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;
struct TSpeedBarItem;

// When a command can run; the state behind each rule follows signals (CommandEnabler).
enum class Enabling {
    Always,
    PageOpen,  // a page is open
    CanUndo,   // the active editor has something to undo
    CanRedo,   // the active editor has something to redo
    Selection, // the active editor has a selection
    CanPaste,  // a page is open and the clipboard holds text
    NotUtf8,   // the active page (if any) is not a UTF-8 page: tools that work through Windows-1250
    // A page is open. Inside its open menu the main item shows greyed while the page is
    // unmodified; outside the menu its key keeps working (Ctrl+S always saves).
    SaveItem,
};

// What a command does while the active page's text is still coming in (a large file).
enum class WhileLoading {
    PartShown, // works on the part shown, at once
    // Waits for the whole text first, without blocking the window; keys typed meanwhile go to
    // what the command then opens, never into the text.
    WholeText,
};

// Where an item or a submenu stands: in the menu of that object name, in a numbered group.
// A menu lists its groups in rising order, each group's items in the order of the rows and
// then its submenus, with a separator line between two groups.
struct MenuSpot
{
    QString menu;
    int group = 0;
};

// A menu of the window: a title of the menu bar (no spot, not a pop-up), a submenu (at its
// spot) or a pop-up menu.
struct MenuRow
{
    QString name{}; // object name
    QString title{};
    std::optional<MenuSpot> spot{};
    bool popup = false;
    bool pageOnly = false;       // usable only while a page is open ("Úpr&avy", "Velikos&t")
    bool startsDisabled = false; // enabled by the part that fills it ("Znovu otevřít")
};

// The command's item in the page menu ("pmActivePage"), with its own name and caption. A
// hidden item is listed but not shown.
struct PagePlace
{
    QString name;
    QString caption;
    int group = 0;
    bool hidden = false;
};

// The command's button on the speed bar. Section and caption are untranslated source texts
// of the translation context "TSpeedBar"; the name is the key of the stored layout.
struct SpeedPlace
{
    const char *name;
    const char *section;
    const char *caption;
    int image;      // CommandImage number; the command's main item shows it too
    int designLeft; // left on the first layout (top 3), -1 if not on it
    // The save button's own rule: greyed after a save and while no page is open, enabled
    // again when the caret or selection of an editor moves. Other buttons stay enabled
    // (they do nothing without a page).
    bool ownRule = false;
};

// What the main item shows of state its controller keeps: a check mark (`checked`), or a
// caption that names the state (`caption`). `watch` connects `changed` to the signal that
// tells the state may have changed.
struct ItemBinding
{
    std::function<bool()> checked;
    std::function<QString()> caption;
    std::function<void(QObject *context, std::function<void()> changed)> watch;
};

// The check mark shows `(source->*get)()`, following `signal`.
template <typename Source, typename Signal>
ItemBinding MarkOf(Source *source, bool (Source::*get)() const, Signal signal)
{
    return {[source, get] { return (source->*get)(); },
            {},
            [source, signal](QObject *context, std::function<void()> changed) {
                QObject::connect(source, signal, context, std::move(changed));
            }};
}

// The caption is `(source->*get)()`, following `signal`.
template <typename Source, typename Signal>
ItemBinding CaptionOf(Source *source, QString (Source::*get)() const, Signal signal)
{
    return {{},
            [source, get] { return (source->*get)(); },
            [source, signal](QObject *context, std::function<void()> changed) {
                QObject::connect(source, signal, context, std::move(changed));
            }};
}

// One command. Its main item carries the keys and the check mark; without a menu spot it
// lives on the window only, for its keys. The page menu item and the speed bar button, where
// the command has them, run the same handler.
struct CommandRow
{
    // Every member has an initializer, so a row names only what it has.
    QString name{}; // component name of the main item: the QAction's object name
    QString caption{};
    std::function<void()> handler{};
    QList<QKeySequence> keys{};
    Enabling enabling = Enabling::Always;
    std::optional<MenuSpot> menu{};
    std::optional<PagePlace> page{};
    std::optional<SpeedPlace> speed{};
    ItemBinding binding{}; // checkable commands: what the check mark shows
    WhileLoading whileLoading = WhileLoading::PartShown;
};

// What the enabling rules depend on.
struct CommandState
{
    bool pageOpen = false;
    bool canUndo = false;
    bool canRedo = false;
    bool selection = false;
    bool canPaste = false;
    bool utf8Page = false;   // the active page is a UTF-8 page
    bool modified = false;   // the active page is modified
    bool saveButton = false; // the save button's own rule (SpeedPlace::ownRule)
};

// The program's commands and menus: one row each, one QAction per place sharing the row's
// handler. The menus are made empty when declared and filled by FillMenus from the rows'
// spots; a name that is not in the table is a fault reported by Problems() (and fatal in a
// debug build).
class CommandTable : public QObject
{
    Q_OBJECT
public:
    explicit CommandTable(QMainWindow *window);

    // Makes the menu now (a title of the menu bar is added to the bar at once).
    QMenu *AddMenu(const MenuRow &row);
    // How the commands that work on the whole text wait for it: true when the command may
    // then run (false: the page or the window went meanwhile).
    void SetWholeTextWait(std::function<bool()> awaitWhole) { m_awaitWhole = std::move(awaitWhole); }
    // Makes the row's actions. The main item lives on the window, so its keys work while the
    // menu bar is hidden.
    void Add(const CommandRow &row);
    // Puts every item and submenu at its spot.
    void FillMenus();
    // Gives the items of the speed bar's commands their images. Reading the image files
    // waits for this (the window calls it after its first paint); a menu that opens sooner
    // calls it itself. Later calls do nothing.
    void SetImages();
    // The same, `count` items at a time, so that the window answers input in between.
    // True while items are still waiting.
    bool SetNextImages(int count);

    // The action of a place by its component name. A name not in the table is recorded as a
    // problem and answered with a detached, disabled action, never a null pointer.
    QAction *Action(const QString &name);

    // The speed bar's buttons, in the order of the rows, each with its place's action.
    QList<TSpeedBarItem> SpeedBarItems();

    // Enables every action and the page-only menus by their rules.
    void Apply(const CommandState &state);

    QStringList Problems() const { return m_problems; }
    // Every key of the commands, and whether a key is one of them.
    QList<QKeySequence> Shortcuts() const;
    // The keys a command's row gives it (its action may have given some up since).
    QList<QKeySequence> RowKeys(const QString &name) const;
    bool TakesKey(QKeyCombination key) const;

signals:
    // A menu with a SaveItem opened or closed: the rules want the state read again.
    void StateWanted();

private:
    enum class Kind { Main, Page, Speed };
    struct PlaceRef
    {
        int row;
        Kind kind;
        QAction *action;
    };
    struct Entry // an item or a submenu waiting for FillMenus
    {
        QString menu;
        int group;
        QAction *action;
        bool submenu; // a submenu stands after the items of its group
    };

    void problem(const QString &text);
    QAction *addPlace(int row, Kind kind, const QString &name, const QString &caption);
    void watchSaveMenu(QMenu *menu);

    QMainWindow *m_window;
    QList<QPair<QPointer<QAction>, int>> m_images; // actions waiting for their CommandImage
    QList<CommandRow> m_rows;
    QHash<QString, PlaceRef> m_places;
    QHash<QString, QMenu *> m_menus;
    QList<QMenu *> m_pageOnlyMenus;
    QList<Entry> m_entries;
    QSet<QMenu *> m_openMenus; // menus with a SaveItem that are open now
    QStringList m_problems;
    std::function<bool()> m_awaitWhole;
};
