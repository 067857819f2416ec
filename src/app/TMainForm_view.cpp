// View options, the status bar and the language submenu.
#include "app/TMainForm.h"

#include "common/TErrorText.h"
#include "app/TLanguages.h"
#include "app/TPageControl.h"
#include "common/TPrompts.h"
#include "app/TStatusPanels.h"
#include "editor/TRxRichEdit.h"
#include "settings/TLanguageChoice.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

void TMainForm::initViewCommands()
{
    Action(QStringLiteral("mmZALOZKY"))->setText(tr("Záložky dole"));

    m_statusPanels = new TStatusPanels(StatusBar, this, [this] { return ActiveEditor(); });
    connect(this, &TMainForm::EditorSelectionChanged, this, &TMainForm::UpdateStatusPanels);
    // Panel 4 shows the new page's insert mode at the next idle moment.
    connect(this, &TMainForm::ActivePageChanged, m_statusPanels, &TStatusPanels::ScheduleIdle);

    FillLanguageMenu(Languages::SearchFolders());
}

void TMainForm::UpdateStatusPanels(TRxRichEdit *editor)
{
    // The values of the editor that raised the event, active or not.
    m_statusPanels->ShowCaret(editor);
    if (QAction *save = Action(QStringLiteral("savebutton")))
        save->setEnabled(true);
}

void TMainForm::mmTOOLBARClick()
{
    QAction *action = Action(QStringLiteral("mmTOOLBAR"));
    action->setChecked(!action->isChecked());
    ToolBar->setVisible(action->isChecked());
}

void TMainForm::mmStatusBarClick()
{
    QAction *action = Action(QStringLiteral("mmStatusBar"));
    action->setChecked(!action->isChecked());
    StatusBar->setVisible(action->isChecked());
}

void TMainForm::mmSpeedClick()
{
    QAction *action = Action(QStringLiteral("mmSpeed"));
    action->setChecked(!action->isChecked());
    pnlLEVY->setVisible(action->isChecked());
}

void TMainForm::mmZALOZKYClick()
{
    // The caption is the state: it names where the next choice puts the tabs.
    QAction *action = Action(QStringLiteral("mmZALOZKY"));
    if (action->text() == tr("Záložky dole")) {
        PageControl1->SetTabsAtBottom(true);
        action->setText(tr("Záložky nahoře"));
    } else {
        PageControl1->SetTabsAtBottom(false);
        action->setText(tr("Záložky dole"));
    }
}

void TMainForm::mmMultiLineClick()
{
    QAction *action = Action(QStringLiteral("mmMultiLine"));
    action->setChecked(!action->isChecked());
    PageControl1->SetMultiLine(action->isChecked());
}

void TMainForm::FillLanguageMenu(const QStringList &folders)
{
    mmLANGUAGE->clear();
    const QList<Languages::File> files = Languages::Available(folders);
    for (const Languages::File &file : files) {
        QAction *item = mmLANGUAGE->addAction(file.caption);
        item->setObjectName(file.code + QLatin1Char('1'));
        connect(item, &QAction::triggered, this, [this, code = file.code] { languageItemClick(code); });
    }
    if (files.isEmpty()) {
        mmLANGUAGE->setEnabled(false);
        return;
    }
    auto *dflt = new QAction(tr("[default]"), mmLANGUAGE);
    dflt->setObjectName(QStringLiteral("Dflt1"));
    connect(dflt, &QAction::triggered, this, [this] { languageItemClick(QString()); });
    mmLANGUAGE->insertAction(mmLANGUAGE->actions().value(0), dflt);
    mmLANGUAGE->setEnabled(true);
}

void TMainForm::languageItemClick(const QString &code)
{
    // The choice takes effect at the next start; nothing changes in the running program.
    if (m_settings) {
        try {
            LanguageChoice::Write(*m_settings, code);
        } catch (const TError &e) {
            showErrorOf(e);
            return;
        }
    }
    m_prompts->ShowMessage(this, QStringLiteral("Quorvel Tosk"), tr("Restart this program"));
}

void TMainForm::mmTOOLEDITClick() {}
void TMainForm::mmNASTAVClick() {}
void TMainForm::mmAboutClick() {}
