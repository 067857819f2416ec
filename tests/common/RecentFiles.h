#pragma once

// What the "Znovu otevřít" submenu lists.
#include "app/shell/TMainForm.h"

#include <QAction>
#include <QMenu>

// The paths of the submenu's files, newest first.
inline QStringList RecentPaths(const TMainForm &form)
{
    QStringList out;
    for (const QAction *a : form.mmReopen->actions())
        if (a->text().contains(QLatin1Char('\t')))
            out << a->text().section(QLatin1Char('\t'), 1);
    return out;
}
