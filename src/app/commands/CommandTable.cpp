#include "app/commands/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

CommandTable::CommandTable(QWidget *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("Commands"));
}

void CommandTable::problem(const QString &text)
{
    m_problems << text;
#ifndef NDEBUG
    qFatal("Command table: %s", qPrintable(text));
#else
    qWarning("Command table: %s", qPrintable(text));
#endif
}

void CommandTable::Add(const CommandRow &row)
{
    const int index = int(m_rows.size());
    m_rows << row;
    for (const CommandPlace &place : row.places)
        addPlace(index, place);
}

void CommandTable::AddPlace(const QString &command, const CommandPlace &place, int image)
{
    const auto it = m_rowOf.find(command);
    if (it == m_rowOf.end()) {
        problem(QStringLiteral("no command named %1 for %2").arg(command, place.name));
        return;
    }
    CommandRow &row = m_rows[*it];
    row.places << place;
    if (image >= 0)
        row.image = image;
    addPlace(*it, place);
}

void CommandTable::addPlace(int index, const CommandPlace &place)
{
    const CommandRow &row = m_rows.at(index);
    if (m_actions.contains(place.name)) {
        problem(QStringLiteral("%1 is in the table twice").arg(place.name));
        return;
    }
    auto *action = new QAction(place.caption, m_window);
    action->setObjectName(place.name);
    action->setVisible(!place.hidden);
    if (place.place == Place::MainMenu) {
        action->setShortcuts(row.shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(row.checkable);
        m_window->addAction(action); // keys work while the menu bar is hidden too
    }
    const auto handler = row.handler;
    if (action->isCheckable()) {
        connect(action, &QAction::triggered, this, [action, handler] {
            action->setChecked(!action->isChecked());
            if (handler)
                handler();
        });
    } else if (handler) {
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    }
    if (row.enabling == Enabling::Unbuilt)
        action->setEnabled(false);
    m_actions.insert(place.name, action);
    m_rowOf.insert(place.name, index);
    m_placeOf.insert(place.name, place.place);
    m_order << place.name;
}

void CommandTable::AddSubmenu(QMenu *menu)
{
    m_submenus.insert(menu->objectName(), menu);
}

QAction *CommandTable::Action(const QString &name)
{
    if (QAction *action = m_actions.value(name))
        return action;
    problem(QStringLiteral("no command named %1").arg(name));
    auto *stray = new QAction(name, this);
    stray->setEnabled(false);
    m_actions.insert(name, stray); // asked once, reported once
    return stray;
}

const CommandRow *CommandTable::RowOf(const QString &name) const
{
    const auto it = m_rowOf.find(name);
    return it == m_rowOf.end() ? nullptr : &m_rows.at(*it);
}

void CommandTable::FillMenu(QMenu *menu, const QStringList &layout)
{
    for (const QString &item : layout) {
        if (item == QLatin1String("-"))
            menu->addSeparator();
        else if (QMenu *sub = m_submenus.value(item))
            menu->addMenu(sub);
        else
            menu->addAction(Action(item));
    }
}

void CommandTable::Apply(const CommandState &state)
{
    for (auto it = m_rowOf.cbegin(); it != m_rowOf.cend(); ++it) {
        const Enabling rule = m_rows.at(it.value()).enabling;
        if (m_placeOf.value(it.key()) == Place::SpeedBar) {
            if (rule == Enabling::Unbuilt)
                m_actions.value(it.key())->setEnabled(false);
            continue;
        }
        bool on = true;
        switch (rule) {
        case Enabling::Always:
            break;
        case Enabling::PageOpen:
            on = state.pageOpen;
            break;
        case Enabling::CanUndo:
            on = state.pageOpen && state.canUndo;
            break;
        case Enabling::CanRedo:
            on = state.pageOpen && state.canRedo;
            break;
        case Enabling::Selection:
            on = state.pageOpen && state.selection;
            break;
        case Enabling::CanPaste:
            on = state.pageOpen && state.canPaste;
            break;
        case Enabling::NotUtf8:
            on = !state.utf8Page;
            break;
        case Enabling::Unbuilt:
            on = false;
            break;
        }
        m_actions.value(it.key())->setEnabled(on);
    }
}

QList<QKeySequence> CommandTable::Shortcuts() const
{
    QList<QKeySequence> keys;
    for (const CommandRow &row : m_rows)
        keys += row.shortcuts;
    return keys;
}
