#pragma once

#include "app/commands/CommandTable.h"
#include "app/shell/TMainForm.h"
#include "speedbar/TSpeedBar.h"
#include "TFakePrompts.h"

#include <functional>
#include <QAction>
#include <QStandardPaths>

// The speed bar's items as the main window's command table makes them, each bound to the
// action `actionOf` gives for its component name (none: no action).
inline QList<TSpeedBarItem>
ProgramSpeedItems(const std::function<QAction *(const QString &name)> &actionOf = {})
{
    QStandardPaths::setTestModeEnabled(true); // the window keeps away from the user's folders
    TFakePrompts prompts;
    TMainForm form(&prompts, nullptr);
    QList<TSpeedBarItem> items = form.Commands().SpeedBarItems();
    for (TSpeedBarItem &item : items)
        item.action = actionOf ? actionOf(item.name) : nullptr;
    return items;
}
