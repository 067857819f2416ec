#include "app/commands/ViewCommands.h"

#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/view/TCurrentLine.h"
#include "editor/view/TLineNumberArea.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/options/TLanguages.h"

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

QString ViewCommands::TabsCaption() const
{
    return m_tabsDownNext ? tr("Záložky dole") : tr("Záložky nahoře");
}

void ViewCommands::setMark(bool &mark, bool on)
{
    if (mark == on)
        return;
    mark = on;
    emit MarksChanged();
}

void ViewCommands::SetToolBarMark(bool on)
{
    setMark(m_toolBar, on);
}

void ViewCommands::SetStatusBarMark(bool on)
{
    setMark(m_statusBar, on);
}

void ViewCommands::SetSidePanelMark(bool on)
{
    setMark(m_sidePanel, on);
}

// Each switch flips its mark and shows or hides its widget to match the mark.
void ViewCommands::mmTOOLBARClick()
{
    setMark(m_toolBar, !m_toolBar);
    m_parts.toolBar->setVisible(m_toolBar);
}

void ViewCommands::mmStatusBarClick()
{
    setMark(m_statusBar, !m_statusBar);
    m_parts.statusBar->setVisible(m_statusBar);
}

void ViewCommands::mmSpeedClick()
{
    setMark(m_sidePanel, !m_sidePanel);
    m_parts.sidePanel->setVisible(m_sidePanel);
}

void ViewCommands::mmZALOZKYClick()
{
    // The caption is the state: it names where the next choice puts the tabs.
    m_parts.pages->SetTabsAtBottom(m_tabsDownNext);
    setMark(m_tabsDownNext, !m_tabsDownNext);
}

void ViewCommands::mmMultiLineClick()
{
    setMark(m_multiLine, !m_multiLine);
    m_parts.pages->SetMultiLine(m_multiLine);
}

QList<TRxRichEdit *> ViewCommands::editors() const
{
    QList<TRxRichEdit *> all;
    if (m_parts.templateEditor)
        all << m_parts.templateEditor;
    for (int i = 0; m_parts.pages && i < m_parts.pages->PageCount(); ++i) {
        if (TRxRichEdit *editor = m_parts.pages->Page(i)->Editor())
            all << editor;
    }
    return all;
}

void ViewCommands::SetLineNumbersMark(bool on)
{
    for (TRxRichEdit *editor : editors())
        TLineNumberArea::SetShown(editor, on);
    setMark(m_lineNumbers, on);
}

void ViewCommands::SetCurrentLineMark(bool on)
{
    for (TRxRichEdit *editor : editors())
        TCurrentLine::SetShown(editor, on);
    setMark(m_currentLine, on);
}

void ViewCommands::mmLineNumbersClick()
{
    SetLineNumbersMark(!m_lineNumbers);
}

void ViewCommands::mmCurrentLineClick()
{
    SetCurrentLineMark(!m_currentLine);
}

void ViewCommands::FillLanguageMenu(const QStringList &folders)
{
    QMenu *menu = m_parts.languageMenu;
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
