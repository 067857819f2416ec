#include "app/commands/ViewCommands.h"

#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "settings/TLanguageChoice.h"
#include "settings/TLanguages.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTranslator>

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
    delete m_languageGroup.data();
    m_languageGroup = new QActionGroup(menu);
    m_languageGroup->setExclusive(true);
    const QList<Languages::File> files = Languages::Available(folders);
    if (files.isEmpty()) {
        menu->setEnabled(false);
        return;
    }
    // The language in use has the check mark: the stored choice when start-up could load its
    // file (Czech when nothing is stored), otherwise the untranslated texts of "[default]".
    const QString chosen = m_settings ? LanguageChoice::Read(*m_settings) : LanguageChoice::Czech;
    QTranslator probe;
    const QString inUse = Languages::Load(probe, chosen, folders) ? chosen : QString();

    auto addItem = [&](const QString &caption, const QString &name, const QString &code) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        m_languageGroup->addAction(item);
        if (code == inUse) {
            item->setChecked(true);
            m_languageChecked = item;
        }
        connect(item, &QAction::triggered, this, [this, item, code] { languageItemClick(item, code); });
    };
    addItem(tr("[default]"), QStringLiteral("Dflt1"), QString());
    for (const Languages::File &file : files)
        addItem(file.caption, file.code + QLatin1Char('1'), file.code);
    menu->setEnabled(true);
}

void ViewCommands::languageItemClick(QAction *item, const QString &code)
{
    // The choice takes effect at the next start; nothing changes in the running program
    // but the check mark, which shows the stored choice from now on.
    if (m_settings) {
        try {
            LanguageChoice::Write(*m_settings, code);
        } catch (const TError &e) {
            m_prompts->ShowError(m_window, e.message());
            item->setChecked(false);
            if (m_languageChecked)
                m_languageChecked->setChecked(true);
            return;
        }
    }
    m_languageChecked = item;
    m_prompts->ShowMessage(m_window, QStringLiteral("Quorvel Tosk"), tr("Restart this program"));
}
