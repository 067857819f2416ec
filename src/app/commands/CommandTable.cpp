#include "app/commands/CommandTable.h"

#include "speedbar/CommandImages.h"
#include "speedbar/TSpeedBar.h"

#include <algorithm>
#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CommandTable::CommandTable(QMainWindow *window) : QObject(window), m_window(window)
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

QMenu *CommandTable::AddMenu(const MenuRow &row)
{
    QMenu *menu = nullptr;
    if (row.spot || row.popup) {
        menu = new QMenu(row.title, m_window);
    } else {
        menu = m_window->menuBar()->addMenu(row.title);
        m_window->menuBar()->setObjectName(QStringLiteral("mmMainMenu"));
    }
    menu->setObjectName(row.name);
    if (m_menus.contains(row.name))
        problem(QStringLiteral("menu %1 is declared twice").arg(row.name));
    m_menus.insert(row.name, menu);
    // A menu opened before the images were given (the window not painted yet) gets them now.
    connect(menu, &QMenu::aboutToShow, this, &CommandTable::SetImages);
    if (row.spot) {
        menu->menuAction()->setObjectName(row.name + QLatin1String("Item"));
        m_entries << Entry{row.spot->menu, row.spot->group, menu->menuAction(), true};
    }
    if (row.pageOnly)
        m_pageOnlyMenus << menu;
    if (row.startsDisabled)
        menu->setEnabled(false);
    return menu;
}

void CommandTable::Add(const CommandRow &row)
{
    const int index = int(m_rows.size());
    m_rows << row;
    QAction *main = addPlace(index, Kind::Main, row.name, row.caption);
    main->setShortcuts(row.keys);
    main->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(main); // keys work while the menu bar is hidden too
    const ItemBinding &binding = row.binding;
    if (binding.checked || binding.caption) {
        main->setCheckable(bool(binding.checked));
        auto show = [main, binding] {
            if (binding.checked)
                main->setChecked(binding.checked());
            if (binding.caption)
                main->setText(binding.caption());
        };
        show();
        if (binding.watch)
            binding.watch(main, show);
        // The toggle QAction makes before `triggered` is replaced by the controller's state.
        connect(main, &QAction::triggered, main, show);
    }
    if (row.menu)
        m_entries << Entry{row.menu->menu, row.menu->group, main, false};
    if (row.page) {
        QAction *item = addPlace(index, Kind::Page, row.page->name, row.page->caption);
        item->setVisible(!row.page->hidden);
        m_entries << Entry{QStringLiteral("pmActivePage"), row.page->group, item, false};
    }
    if (row.speed) {
        addPlace(index, Kind::Speed, QLatin1String(row.speed->name),
                 QCoreApplication::translate("TSpeedBar", row.speed->caption));
        m_images.append({main, row.speed->image});
    }
}

void CommandTable::SetImages()
{
    SetNextImages(int(m_images.size()));
}

bool CommandTable::SetNextImages(int count)
{
    const qsizetype n = qBound(qsizetype(0), qsizetype(count), m_images.size());
    for (qsizetype i = 0; i < n; ++i)
        if (const QPointer<QAction> &action = m_images.at(i).first)
            action->setIcon(CommandImage(m_images.at(i).second));
    m_images.remove(0, n);
    return !m_images.isEmpty();
}

QAction *CommandTable::addPlace(int index, Kind kind, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, m_window);
    action->setObjectName(name);
    if (m_places.contains(name))
        problem(QStringLiteral("%1 is in the table twice").arg(name));
    // Connected before any binding: the handler runs first, then the mark follows the state.
    const CommandRow &row = m_rows.at(index);
    if (const auto handler = row.handler) {
        if (row.whileLoading == WhileLoading::WholeText) {
            connect(action, &QAction::triggered, this, [this, handler] {
                // The wait runs events: the window may go meanwhile, and this table with it.
                const QPointer<CommandTable> self(this);
                const auto awaitWhole = m_awaitWhole;
                if ((!awaitWhole || awaitWhole()) && self)
                    handler();
            });
        } else {
            connect(action, &QAction::triggered, this, [handler] { handler(); });
        }
    }
    m_places.insert(name, {index, kind, action});
    return action;
}

void CommandTable::FillMenus()
{
    QList<Entry> entries = m_entries;
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.menu != b.menu)
            return a.menu < b.menu;
        return a.group != b.group ? a.group < b.group : a.submenu < b.submenu;
    });
    QMenu *menu = nullptr;
    int group = 0;
    for (const Entry &e : std::as_const(entries)) {
        QMenu *target = m_menus.value(e.menu);
        if (!target) {
            problem(QStringLiteral("no menu named %1 for %2").arg(e.menu, e.action->objectName()));
            continue;
        }
        if (target == menu && e.group != group)
            target->addSeparator();
        menu = target;
        group = e.group;
        target->addAction(e.action);
    }
    m_entries.clear();
    for (const CommandRow &row : std::as_const(m_rows))
        if (row.enabling == Enabling::SaveItem && row.menu)
            if (QMenu *m = m_menus.value(row.menu->menu))
                watchSaveMenu(m);
}

void CommandTable::watchSaveMenu(QMenu *menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        m_openMenus.insert(menu);
        emit StateWanted();
    });
    // Queued: an item chosen from the menu is triggered after the menu hides.
    connect(
        menu, &QMenu::aboutToHide, this,
        [this, menu] {
            m_openMenus.remove(menu);
            emit StateWanted();
        },
        Qt::QueuedConnection);
}

QAction *CommandTable::Action(const QString &name)
{
    if (const auto it = m_places.constFind(name); it != m_places.cend())
        return it->action;
    problem(QStringLiteral("no command named %1").arg(name));
    auto *stray = new QAction(name, this);
    stray->setEnabled(false);
    m_places.insert(name, {-1, Kind::Speed, stray}); // asked once, reported once
    return stray;
}

QList<TSpeedBarItem> CommandTable::SpeedBarItems()
{
    QList<TSpeedBarItem> items;
    for (const CommandRow &row : std::as_const(m_rows)) {
        if (!row.speed)
            continue;
        const SpeedPlace &s = *row.speed;
        items << TSpeedBarItem{QCoreApplication::translate("TSpeedBar", s.section),
                               QLatin1String(s.name),
                               QCoreApplication::translate("TSpeedBar", s.caption),
                               s.image,
                               Action(QLatin1String(s.name)),
                               s.designLeft};
    }
    return items;
}

void CommandTable::Apply(const CommandState &state)
{
    for (const PlaceRef &place : std::as_const(m_places)) {
        if (place.row < 0)
            continue; // a stray action stays disabled
        const CommandRow &row = m_rows.at(place.row);
        if (place.kind == Kind::Speed) {
            place.action->setEnabled(!row.speed->ownRule || state.saveButton);
            continue;
        }
        bool on = true;
        switch (row.enabling) {
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
        case Enabling::SaveItem:
            on = state.pageOpen;
            if (place.kind == Kind::Main && row.menu && m_openMenus.contains(m_menus.value(row.menu->menu)))
                on = on && state.modified;
            break;
        }
        place.action->setEnabled(on);
    }
    for (QMenu *menu : std::as_const(m_pageOnlyMenus))
        menu->menuAction()->setEnabled(state.pageOpen);
}

QList<QKeySequence> CommandTable::Shortcuts() const
{
    QList<QKeySequence> keys;
    for (const CommandRow &row : m_rows)
        keys += row.keys;
    return keys;
}

QList<QKeySequence> CommandTable::RowKeys(const QString &name) const
{
    for (const CommandRow &row : m_rows)
        if (row.name == name)
            return row.keys;
    return {};
}

bool CommandTable::TakesKey(QKeyCombination key) const
{
    const QKeyCombination plain(key.keyboardModifiers() & ~Qt::KeypadModifier, key.key());
    for (const CommandRow &row : m_rows)
        for (const QKeySequence &seq : row.keys)
            if (seq.count() == 1 && seq[0] == plain)
                return true;
    return false;
}
