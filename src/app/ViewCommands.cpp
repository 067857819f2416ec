#include "app/ViewCommands.h"

#include "app/TLanguages.h"
#include "app/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "settings/TLanguageChoice.h"

#include <QAction>
#include <QMenu>

ViewCommands::ViewCommands(const Parts &parts, TPrompts *prompts, TSettingsStore *settings, QWidget *window,
                           QObject *parent)
    : QObject(parent), m_parts(parts), m_prompts(prompts), m_settings(settings), m_window(window)
{
    setObjectName(QStringLiteral("ViewCommands"));
}

void ViewCommands::SetItems(const Items &items)
{
    m_items = items;
    m_items.tabs->setText(tr("Záložky dole"));
}

namespace {
// Flips a check mark and shows or hides its widget to match.
void flip(QAction *item, QWidget *widget)
{
    item->setChecked(!item->isChecked());
    widget->setVisible(item->isChecked());
}
} // namespace

void ViewCommands::mmTOOLBARClick()
{
    flip(m_items.toolBar, m_parts.toolBar);
}

void ViewCommands::mmStatusBarClick()
{
    flip(m_items.statusBar, m_parts.statusBar);
}

void ViewCommands::mmSpeedClick()
{
    flip(m_items.sidePanel, m_parts.sidePanel);
}

void ViewCommands::mmZALOZKYClick()
{
    // The caption is the state: it names where the next choice puts the tabs.
    const bool toBottom = m_items.tabs->text() == tr("Záložky dole");
    m_parts.pages->SetTabsAtBottom(toBottom);
    m_items.tabs->setText(toBottom ? tr("Záložky nahoře") : tr("Záložky dole"));
}

void ViewCommands::mmMultiLineClick()
{
    m_items.multiLine->setChecked(!m_items.multiLine->isChecked());
    m_parts.pages->SetMultiLine(m_items.multiLine->isChecked());
}

void ViewCommands::FillLanguageMenu(const QStringList &folders)
{
    QMenu *menu = m_items.languageMenu;
    menu->clear();
    const QList<Languages::File> files = Languages::Available(folders);
    for (const Languages::File &file : files) {
        QAction *item = menu->addAction(file.caption);
        item->setObjectName(file.code + QLatin1Char('1'));
        connect(item, &QAction::triggered, this, [this, code = file.code] { languageItemClick(code); });
    }
    if (files.isEmpty()) {
        menu->setEnabled(false);
        return;
    }
    auto *dflt = new QAction(tr("[default]"), menu);
    dflt->setObjectName(QStringLiteral("Dflt1"));
    connect(dflt, &QAction::triggered, this, [this] { languageItemClick(QString()); });
    menu->insertAction(menu->actions().value(0), dflt);
    menu->setEnabled(true);
}

void ViewCommands::languageItemClick(const QString &code)
{
    // The choice takes effect at the next start; nothing changes in the running program.
    if (m_settings) {
        try {
            LanguageChoice::Write(*m_settings, code);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
            return;
        }
    }
    m_prompts->ShowMessage(m_window, QStringLiteral("Quorvel Tosk"), tr("Restart this program"));
}
