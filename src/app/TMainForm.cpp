#include "app/TMainForm.h"

#include "common/TErrorText.h"
#include "app/TPageControl.h"
#include "common/TPrompts.h"
#include "editor/TRxRichEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

TMainForm::TMainForm(TPrompts *prompts, TSettingsStore *settings, QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_settings(settings)
{
    Q_INIT_RESOURCE(quortosk); // the images live in a static library
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quorvel Tosk"));
    resize(438, 331);
    move(137, 82);

    createActions();
    createMenus();
    createPageMenus();

    editvzor2 = new TRxRichEdit(this);
    editvzor2->setObjectName(QStringLiteral("editvzor2"));
    editvzor2->hide();
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8);
    editvzor2->setFont(font);
    editvzor2->SetWordWrap(true);

    ToolBar = new QToolBar(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, ToolBar);
    ToolBar->hide();

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    pnlLEVY = new QWidget(Splitter1);
    pnlLEVY->setObjectName(QStringLiteral("pnlLEVY"));
    pnlLEVY->resize(140, pnlLEVY->height());
    pnlLEVY->hide();
    PageControl1 = new TPageControl(Splitter1);
    PageControl1->SetImage(QIcon(QStringLiteral(":/icons/modified.png")));
    Splitter1->addWidget(pnlLEVY);
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Splitter1);
    connect(PageControl1, &TPageControl::ActivePageChanged, this, [this](TTabSheet *page) {
        if (page && page->Editor() && isVisible())
            page->Editor()->setFocus();
        emit ActivePageChanged(page);
    });
    connect(PageControl1, &TPageControl::TabContextMenuRequested, this,
            [this](const QPoint &pos) { pmMAINPAGE->popup(pos); });

    createStatusBar();

    initFileCommands();
    initTextCommands();
    initViewCommands();
    initSettings();
    FormCreate();
}

TMainForm::~TMainForm() = default;

// ---- construction ----

QAction *TMainForm::addAction(const QString &name, const QString &caption,
                              const QKeySequence &shortcut, void (TMainForm::*handler)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    m_actions.insert(name, action);
    QMainWindow::addAction(action); // shortcuts work while the menu bar is hidden too
    return action;
}

// A menu item with a check mark whose handler decides the mark itself (the handlers are
// also called directly): the toggle QAction makes before `triggered` is taken back first.
QAction *TMainForm::addSwitch(const QString &name, const QString &caption,
                              const QKeySequence &shortcut, void (TMainForm::*handler)())
{
    QAction *action = addAction(name, caption, shortcut, nullptr);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, action, handler] {
        action->setChecked(!action->isChecked());
        (this->*handler)();
    });
    return action;
}

QAction *TMainForm::Action(const QString &name) const
{
    return m_actions.value(name);
}

void TMainForm::createActions()
{
    using K = QKeySequence;
    const auto ctrl = Qt::CTRL, shift = Qt::SHIFT;
    addAction("mmNew", tr("&Nový"), K(ctrl | Qt::Key_N), &TMainForm::mmNewClick);
    addAction("mmOpen", tr("&Otevřít"), K(ctrl | Qt::Key_O), &TMainForm::mmOpenClick);
    addAction("mmSave", tr("&Uložit"), K(ctrl | Qt::Key_S), &TMainForm::mmSaveClick);
    addAction("mmSaveAs", tr("Uložit j&ako..."), K(ctrl | shift | Qt::Key_S), &TMainForm::mmSaveAsClick);
    addAction("mmSaveAll", tr("U&ložit vše"), K(), &TMainForm::mmSaveAllClick);
    addAction("mmClose", tr("&Zavřít"), K(ctrl | Qt::Key_F4), &TMainForm::mmCloseClick);
    addAction("mmCloseAll", tr("Zavřít vš&e"), K(), &TMainForm::mmCloseAllClick);
    addAction("mmPrint", tr("&Tisk..."), K(ctrl | Qt::Key_P), &TMainForm::mmPrintClick);
    addAction("mmPrinterSetup", tr("Nastavení t&iskárny..."), K(), &TMainForm::mmPrinterSetupClick);
    addAction("mmExit", tr("&Konec"), K(), &TMainForm::mmExitClick);

    addAction("mmUndo", tr("&Zpět"), K(ctrl | Qt::Key_Z), &TMainForm::mmUndoClick);
    addAction("mmCut", tr("&Vyjmout"), K(ctrl | Qt::Key_X), &TMainForm::mmCutClick);
    addAction("mmCopy", tr("&Kopírovat"), K(ctrl | Qt::Key_C), &TMainForm::mmCopyClick);
    addAction("mmPaste", tr("V&ložit"), K(ctrl | Qt::Key_V), &TMainForm::mmPasteClick);
    addAction("mmFind", tr("&Najít..."), K(ctrl | Qt::Key_F), &TMainForm::mmFindClick);
    addAction("mmFindAgain", tr("&Hledat další"), K(Qt::Key_F3), &TMainForm::mmFindAgainClick);
    addAction("mmReplace", tr("Zaměn&it..."), K(ctrl | Qt::Key_H), &TMainForm::mmReplaceClick);
    addAction("mmGOTO", tr("Přejít na..."), K(ctrl | Qt::Key_G), &TMainForm::mmGOTOClick);
    addAction("Vloitdatumaas1", tr("Vložit &datum a čas"), K(ctrl | Qt::Key_D), &TMainForm::Vloitdatumaas1Click);
    addAction("UpperItem1", tr("&Velká písmena"), K(ctrl | shift | Qt::Key_V), &TMainForm::UpperItem1Click);
    addAction("LowerItem1", tr("&Malá písmena"), K(ctrl | shift | Qt::Key_M), &TMainForm::LowerItem1Click);
    addAction("InvertItem1", tr("&Inverze"), K(), &TMainForm::InvertItem1Click);
    addAction("mmSelectAll", tr("Vybr&at vše"), K(ctrl | Qt::Key_A), &TMainForm::mmSelectAllClick);
    addSwitch("itmWrap", tr("Zalo&mit řádky"), K(ctrl | Qt::Key_W), &TMainForm::itmWrapClick)->setChecked(true);

    addSwitch("mmTOOLBAR", tr("&Panel nástrojů"), K(), &TMainForm::mmTOOLBARClick);
    addSwitch("mmStatusBar", tr("&Stavový řádek"), K(), &TMainForm::mmStatusBarClick);
    addSwitch("mmSpeed", tr("SpeedP&anel"), K(Qt::Key_F9), &TMainForm::mmSpeedClick);

    addAction("mmKonverze", tr("&Konverze..."), K(), &TMainForm::mmKonverzeClick);
    addAction("mmSpell", tr("&Pravopis..."), K(Qt::Key_F7), &TMainForm::mmSpellClick);
    addAction("KonverzezT6021", tr("Konverze z T602"), K(ctrl | shift | Qt::Key_T), &TMainForm::KonverzezT6021Click);
    addAction("mmTOOLEDIT", tr("N&astavit panel nástrojů..."), K(), &TMainForm::mmTOOLEDITClick);
    addAction("mmNASTAV", tr("&Nastavení..."), K(Qt::Key_F8), &TMainForm::mmNASTAVClick);
    addAction("mmAbout", tr("O pro&gramu..."), K(), &TMainForm::mmAboutClick);

    addAction("mmZALOZKY", tr("Záložky dole"), K(), &TMainForm::mmZALOZKYClick);
    addSwitch("mmMultiLine", tr("Viceřádkový režim"), K(), &TMainForm::mmMultiLineClick);

    // Items of the page context menu: their own captions, the same handlers.
    addAction("pmaClose", tr("Zavřít"), K(), &TMainForm::mmCloseClick);
    addAction("pmaCloseAll", tr("Zavřít vše"), K(), &TMainForm::mmCloseAllClick);
    addAction("pmaCut", tr("Vyjmout"), K(), &TMainForm::mmCutClick);
    addAction("pmaCopy", tr("Kopírovat"), K(), &TMainForm::mmCopyClick);
    addAction("pmaPaste", tr("Vložit"), K(), &TMainForm::mmPasteClick);
    addAction("pmaNew", tr("Nový"), K(), &TMainForm::mmNewClick);
    addAction("pmaOpen", tr("Otevřít"), K(), &TMainForm::mmOpenClick);
    addAction("pmaSave", tr("Uložit"), K(), &TMainForm::mmSaveClick);
    addAction("pmaSaveAs", tr("Uložit jako..."), K(), &TMainForm::mmSaveAsClick);
    addAction("pmaSaveAll", tr("Uložit vše"), K(), &TMainForm::mmSaveAllClick);
    addAction("pmaFind", tr("Najít"), K(), &TMainForm::mmFindClick);
    addAction("pmaReplace", tr("Zaměnit"), K(), &TMainForm::mmReplaceClick);
    addAction("pmaExit", tr("&Konec"), K(), &TMainForm::mmExitClick);
    addAction("zalvpred1", QStringLiteral("zalvpred"), K(ctrl | Qt::Key_Tab), &TMainForm::zalvpred1Click);
    addAction("zalzpet1", QStringLiteral("zalzpet"), K(ctrl | shift | Qt::Key_Tab), &TMainForm::zalzpet1Click);
    // Some keyboards report Ctrl+Shift+Tab as Ctrl+Backtab.
    Action("zalzpet1")->setShortcuts({K(ctrl | shift | Qt::Key_Tab), K(ctrl | shift | Qt::Key_Backtab)});
}

void TMainForm::createMenus()
{
    auto add = [this](QMenu *menu, const char *name) { menu->addAction(Action(QLatin1String(name))); };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mmMainMenu"));

    mmFile = bar->addMenu(tr("&Soubor"));
    mmFile->setObjectName(QStringLiteral("mmFile"));
    add(mmFile, "mmNew");
    add(mmFile, "mmOpen");
    mmReopen = mmFile->addMenu(tr("Znovu otevřít"));
    mmReopen->setObjectName(QStringLiteral("mmReopen"));
    mmReopen->menuAction()->setObjectName(QStringLiteral("mmReopenItem"));
    mmReopen->setEnabled(false);
    mmFile->addSeparator();
    add(mmFile, "mmSave");
    add(mmFile, "mmSaveAs");
    add(mmFile, "mmSaveAll");
    mmFile->addSeparator();
    add(mmFile, "mmClose");
    add(mmFile, "mmCloseAll");
    mmFile->addSeparator();
    add(mmFile, "mmPrint");
    add(mmFile, "mmPrinterSetup");
    mmFile->addSeparator();
    add(mmFile, "mmExit");
    connect(mmFile, &QMenu::aboutToShow, this, &TMainForm::mmFileClick);

    mmEdit = bar->addMenu(tr("Úpr&avy"));
    mmEdit->setObjectName(QStringLiteral("mmEdit"));
    add(mmEdit, "mmUndo");
    mmEdit->addSeparator();
    add(mmEdit, "mmCut");
    add(mmEdit, "mmCopy");
    add(mmEdit, "mmPaste");
    mmEdit->addSeparator();
    add(mmEdit, "mmFind");
    add(mmEdit, "mmFindAgain");
    add(mmEdit, "mmReplace");
    add(mmEdit, "mmGOTO");
    mmEdit->addSeparator();
    add(mmEdit, "Vloitdatumaas1");
    ss1 = mmEdit->addMenu(tr("Velikos&t"));
    ss1->setObjectName(QStringLiteral("ss1"));
    add(ss1, "UpperItem1");
    add(ss1, "LowerItem1");
    add(ss1, "InvertItem1");
    mmEdit->addSeparator();
    add(mmEdit, "mmSelectAll");
    add(mmEdit, "itmWrap");
    connect(mmEdit, &QMenu::aboutToShow, this, &TMainForm::mmEditClick);
    connect(mmEdit, &QMenu::aboutToHide, this, &TMainForm::restoreEditCommands, Qt::QueuedConnection);

    mmView = bar->addMenu(tr("&Zobrazit"));
    mmView->setObjectName(QStringLiteral("mmView"));
    add(mmView, "mmTOOLBAR");
    add(mmView, "mmStatusBar");
    add(mmView, "mmSpeed");

    mmUZIV = bar->addMenu(tr("Z&kratky"));
    mmUZIV->setObjectName(QStringLiteral("mmUZIV"));

    Nstroje1 = bar->addMenu(tr("&Nástroje"));
    Nstroje1->setObjectName(QStringLiteral("Nstroje1"));
    add(Nstroje1, "mmKonverze");
    add(Nstroje1, "mmSpell");
    add(Nstroje1, "KonverzezT6021");
    Nstroje1->addSeparator();
    mmLANGUAGE = Nstroje1->addMenu(tr("&Jazyková verze"));
    mmLANGUAGE->setObjectName(QStringLiteral("mmLANGUAGE"));
    Nstroje1->addSeparator();
    add(Nstroje1, "mmTOOLEDIT");
    add(Nstroje1, "mmNASTAV");

    mmHelp = bar->addMenu(tr("Nápo&věda"));
    mmHelp->setObjectName(QStringLiteral("mmHelp"));
    add(mmHelp, "mmAbout");

    // Commands of parts of the program that are not built yet stay disabled.
    for (const char *name : {"mmPrint", "mmPrinterSetup", "mmSpell", "mmTOOLEDIT", "mmNASTAV", "mmAbout"}) {
        m_unbuilt << QLatin1String(name);
        Action(QLatin1String(name))->setEnabled(false);
    }
}

void TMainForm::createPageMenus()
{
    pmActivePage = new QMenu(this);
    pmActivePage->setObjectName(QStringLiteral("pmActivePage"));
    auto add = [this](const char *name) { pmActivePage->addAction(Action(QLatin1String(name))); };
    add("pmaClose");
    add("pmaCloseAll");
    pmActivePage->addSeparator();
    add("pmaCut");
    add("pmaCopy");
    add("pmaPaste");
    pmActivePage->addSeparator();
    add("pmaNew");
    add("pmaOpen");
    add("pmaSave");
    add("pmaSaveAs");
    add("pmaSaveAll");
    pmActivePage->addSeparator();
    add("pmaFind");
    add("pmaReplace");
    pmActivePage->addSeparator();
    add("pmaExit");
    // The menu lists the page-switching items hidden; a hidden action's key would not work,
    // so the keys stay with the window's visible (but unlisted) actions.
    for (const char *name : {"zalvpred1", "zalzpet1"}) {
        QAction *shown = Action(QLatin1String(name));
        auto *hidden = new QAction(shown->text(), pmActivePage);
        hidden->setObjectName(QLatin1String(name) + QStringLiteral("Item"));
        hidden->setVisible(false);
        connect(hidden, &QAction::triggered, shown, &QAction::trigger);
        pmActivePage->addAction(hidden);
    }

    pmMAINPAGE = new QMenu(this);
    pmMAINPAGE->setObjectName(QStringLiteral("pmMAINPAGE"));
    pmMAINPAGE->addAction(Action("mmZALOZKY"));
    pmMAINPAGE->addAction(Action("mmMultiLine"));
}

void TMainForm::createStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(StatusBar);
    StatusBar->hide();
}

void TMainForm::FormCreate()
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/quortosk.png")));
    UpdateCommands();
    Action("mmExit")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    ReadStartDir();
}

void TMainForm::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_shown)
        return;
    m_shown = true;
    RestoreSettings();
    editvzor2->SetWordWrap(Action("itmWrap")->isChecked());
    FormShow();
}

void TMainForm::FormShow()
{
    mmNewClick();
    if (NewEditor)
        NewEditor->setFocus();
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    SaveSettings();
    e->accept();
}

// ---- pages ----

TTabSheet *TMainForm::ActivePage() const
{
    return PageControl1->ActivePage();
}

TRxRichEdit *TMainForm::ActiveEditor() const
{
    TTabSheet *page = ActivePage();
    return page ? page->Editor() : nullptr;
}

TTabSheet *TMainForm::createPage(const QString &caption, const QString &hint)
{
    auto *page = new TTabSheet;
    page->SetCaption(caption);
    page->SetHint(hint);
    page->SetImageIndex(-1);
    auto *editor = new TRxRichEdit;
    page->SetEditor(editor);
    SetupEditor(editor);
    PageControl1->AddPage(page);
    NewSheet = page;
    NewEditor = editor;
    return page;
}

void TMainForm::SetupEditor(TRxRichEdit *editor)
{
    editor->SetWordWrap(editvzor2->WordWrap());
    editor->setFont(editvzor2->font());
    QPalette pal = editor->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, editvzor2->palette().color(group, QPalette::Base));
        pal.setColor(group, QPalette::Text, editvzor2->palette().color(group, QPalette::Text));
    }
    editor->setPalette(pal);
    editor->SetModified(false);
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this,
            [this, editor](const QPoint &pos) { pmActivePage->popup(editor->mapToGlobal(pos)); });
    connect(editor, &TRxRichEdit::Changed, this, &TMainForm::NewRichEditChange);
    connect(editor, &TRxRichEdit::SelectionChanged, this, &TMainForm::NewRichEditSelectionChange);
}

void TMainForm::mmNewClick()
{
    ++m_untitledCount;
    const QString name = tr("bezejmenný") + QString::number(m_untitledCount);
    TTabSheet *page = createPage(name, name);
    PageControl1->SetActivePage(page);
    NewEditor->setFocus();
    NewEditor->SetModified(false);
    UpdateCommands();
}

void TMainForm::UpdateCommands()
{
    const bool any = PageControl1->PageCount() > 0;
    for (const char *name : {"mmFind", "mmFindAgain", "mmReplace", "mmPrint", "mmClose", "mmCloseAll",
                             "mmSave", "mmSaveAll", "mmSaveAs", "pmaFind", "pmaReplace"}) {
        if (!m_unbuilt.contains(QLatin1String(name)))
            Action(QLatin1String(name))->setEnabled(any);
    }
    mmEdit->menuAction()->setEnabled(any);
    const auto items = mmEdit->actions() + ss1->actions();
    for (QAction *a : items)
        if (!a->isSeparator())
            a->setEnabled(any);
    for (const char *name : {"pmaClose", "pmaCloseAll", "pmaCut", "pmaCopy", "pmaPaste", "pmaSave",
                             "pmaSaveAs", "pmaSaveAll"})
        Action(QLatin1String(name))->setEnabled(any);
}

void TMainForm::NewRichEditChange(TRxRichEdit *editor)
{
    // The marker goes on the page of the editor that changed; that is the active page for
    // typing, but a find dialog may change a page in the background.
    auto *page = editor ? qobject_cast<TTabSheet *>(editor->parentWidget()) : nullptr;
    if (page && editor->Modified() && page->ImageIndex() != 0)
        page->SetImageIndex(0);
}

void TMainForm::NewRichEditSelectionChange(TRxRichEdit *editor)
{
    emit EditorSelectionChanged(editor);
}

void TMainForm::zalvpred1Click()
{
    if (PageControl1->PageCount() <= 1)
        return;
    PageControl1->SetActivePage(PageControl1->FindNextPage(ActivePage(), true));
}

void TMainForm::zalzpet1Click()
{
    if (PageControl1->PageCount() <= 1)
        return;
    PageControl1->SetActivePage(PageControl1->FindNextPage(ActivePage(), false));
}

void TMainForm::CloseActivePage()
{
    TTabSheet *page = ActivePage();
    if (!page)
        return;
    const int index = PageControl1->IndexOf(page);
    PageControl1->DeletePage(page);
    const int count = PageControl1->PageCount();
    if (count > 0) // the page before the closed one; the last when the first was closed
        PageControl1->SetActivePageIndex(index > 0 ? index - 1 : count - 1);
    UpdateCommands();
}

void TMainForm::mmFileClick()
{
    TRxRichEdit *editor = ActiveEditor();
    Action("mmSave")->setEnabled(editor && editor->Modified());
}

// ---- edit commands ----

void TMainForm::mmEditClick()
{
    TRxRichEdit *editor = ActiveEditor();
    if (!editor)
        return;
    editor->setFocus();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    Action("mmPaste")->setEnabled(mime && mime->hasText());
    Action("mmUndo")->setEnabled(editor->CanUndo());
    const bool selected = editor->SelLength() > 0;
    Action("mmCut")->setEnabled(selected);
    Action("mmCopy")->setEnabled(selected);
}

// After the menu closes its items take their keys again; their state is decided afresh
// by mmEditClick whenever the menu opens or one of the keys is pressed.
void TMainForm::restoreEditCommands()
{
    const bool any = PageControl1->PageCount() > 0;
    for (const char *name : {"mmPaste", "mmUndo", "mmCut", "mmCopy"})
        Action(QLatin1String(name))->setEnabled(any);
}

bool TMainForm::editCommandAllowed(QAction *action)
{
    if (!ActiveEditor())
        return false;
    mmEditClick();
    const bool allowed = action->isEnabled();
    restoreEditCommands();
    return allowed;
}

void TMainForm::mmUndoClick()
{
    if (editCommandAllowed(Action("mmUndo")))
        ActiveEditor()->Undo();
}

void TMainForm::mmCutClick()
{
    if (editCommandAllowed(Action("mmCut")))
        ActiveEditor()->cut();
}

void TMainForm::mmCopyClick()
{
    if (editCommandAllowed(Action("mmCopy")))
        ActiveEditor()->copy();
}

void TMainForm::mmPasteClick()
{
    if (editCommandAllowed(Action("mmPaste")))
        ActiveEditor()->paste();
}

void TMainForm::mmSelectAllClick()
{
    if (TRxRichEdit *editor = ActiveEditor())
        editor->SelectAllText();
}

void TMainForm::itmWrapClick()
{
    QAction *wrap = Action("itmWrap");
    const bool w = !wrap->isChecked();
    editvzor2->SetWordWrap(w);
    if (TRxRichEdit *editor = ActiveEditor())
        editor->SetWordWrap(w);
    wrap->setChecked(w);
}

void TMainForm::showErrorOf(const std::exception &e)
{
    if (const auto *err = dynamic_cast<const TError *>(&e))
        m_prompts->ShowError(this, err->message());
    else
        m_prompts->ShowError(this, QString::fromLocal8Bit(e.what()));
}
