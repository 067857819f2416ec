#pragma once

#include <functional>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

// Where a command appears. Each place has its own component name and caption; the main
// menu's item carries the shortcut and lives on the window, so its key works while the menu
// bar is hidden.
enum class Place { MainMenu, PageMenu, SpeedBar };

// When a command can run; the state behind each rule follows signals (CommandState).
enum class Enabling {
    Always,
    PageOpen,  // a page is open
    CanUndo,   // the active editor has something to undo
    CanRedo,   // the active editor has something to redo
    Selection, // the active editor has a selection
    CanPaste,  // a page is open and the clipboard holds text
    NotUtf8,   // the active page (if any) is not a UTF-8 page: tools that work through Windows-1250
    Unbuilt,   // its part of the program does not exist yet: always disabled
};

struct CommandPlace
{
    Place place;
    QString name; // component name: the action's object name
    QString caption;
    bool hidden = false; // listed in its menu but not shown
};

// One command: its handler, shortcut, image, enabling rule, and the places it appears in.
struct CommandRow
{
    std::function<void()> handler;
    QList<QKeySequence> shortcuts;
    int image = -1;
    Enabling enabling = Enabling::Always;
    // A check-marked item whose handler sets the mark itself (handlers are called directly
    // too): the toggle QAction makes before `triggered` is taken back first.
    bool checkable = false;
    QList<CommandPlace> places;
};

// What the enabling rules depend on.
struct CommandState
{
    bool pageOpen = false;
    bool canUndo = false;
    bool canRedo = false;
    bool selection = false;
    bool canPaste = false;
    bool utf8Page = false; // the active page is a UTF-8 page
};

// The program's commands: one row each, with one QAction per place sharing the row's
// handler. Menus are filled from the table by component name; a name that is not in the
// table is a fault reported by Problems() (and fatal in a debug build).
class CommandTable : public QObject
{
    Q_OBJECT
public:
    explicit CommandTable(QWidget *window);

    void Add(const CommandRow &row);
    // Another place of the command whose main-menu item is `command` (the speed bar's
    // buttons are added to the rows this way), with the row's image number.
    void AddPlace(const QString &command, const CommandPlace &place, int image);
    // A submenu that menu layouts name by its object name.
    void AddSubmenu(QMenu *menu);

    // The action of a place by its component name. A name not in the table is recorded as a
    // problem and answered with a detached, disabled action, never a null pointer.
    QAction *Action(const QString &name);
    bool Has(const QString &name) const { return m_actions.contains(name); }
    // All component names, in the order they were added.
    QStringList Names() const { return m_order; }
    // The row an action belongs to (nullptr for names not in the table).
    const CommandRow *RowOf(const QString &name) const;

    // Fills a menu with the items named in `layout`: component names, "-" for a separator,
    // the object name of a submenu added with AddSubmenu.
    void FillMenu(QMenu *menu, const QStringList &layout);

    // Enables every action by its row's rule. Speed bar places stay enabled (their buttons do
    // nothing without a page) unless the command is not built; the save button keeps its
    // own rule (CommandEnabler).
    void Apply(const CommandState &state);

    QStringList Problems() const { return m_problems; }
    // Every shortcut the commands use.
    QList<QKeySequence> Shortcuts() const;

private:
    void problem(const QString &text);
    void addPlace(int row, const CommandPlace &place);

    QWidget *m_window;
    QList<CommandRow> m_rows;
    QHash<QString, QAction *> m_actions;
    QHash<QString, int> m_rowOf;
    QHash<QString, Place> m_placeOf;
    QHash<QString, QMenu *> m_submenus;
    QStringList m_order;
    QStringList m_problems;
};
