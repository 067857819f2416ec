#include "app/shell/TMainForm.h"

#include "about/AboutInfo.h"
#include "about/HelpGuide.h"
#include "about/TfrmAbout.h"
#include "app/commands/CommandEnabler.h"
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/EncodingCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/MainCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/PrintCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/files/FileDrop.h"
#include "app/files/FileWatch.h"
#include "app/files/Recovery.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TStatusPanels.h"
#include "app/shell/TWindowCaption.h"
#include "common/PngImage.h"
#include "common/StartTrace.h"
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/dialog/SettingsCommands.h"
#include "settings/options/EditorAppearance.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/options/TLanguages.h"
#include "settings/store/TSettingsStore.h"
#include "settings/tags/TagCommands.h"
#include "speedbar/TSpeedBar.h"
#include "spell/SpellCommands.h"
#include "spell/TypingSpellCheck.h"

#include <cstdio>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

TMainForm::TMainForm(TPrompts *prompts, TSettingsStore *settings, QWidget *parent)
    : QMainWindow(parent), m_prompts(prompts), m_settings(settings)
{
    Q_INIT_RESOURCE(quortosk); // the images live in a static library
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quorvel Tosk"));
    setWindowIcon(PngIcon(QStringLiteral(":/icons/quortosk.png")));
    StartTrace::Mark("  window icon");
    setGeometry(137, 82, 438, 331); // the client area, as the settings store it

    createLayout();
    StartTrace::Mark("layout");
    createStatusBar();
    createMenus();
    StartTrace::Mark("menus");
    createControllers();
    StartTrace::Mark("controllers");
    createCommands();
    StartTrace::Mark("commands");
    initSettings();
    ReadStartDir();
    StartTrace::Mark("settings read");
}

TMainForm::~TMainForm() = default;

void TMainForm::createLayout()
{
    editvzor2 = new TRxRichEdit(this);
    editvzor2->setObjectName(QStringLiteral("editvzor2"));
    editvzor2->hide();
    StartTrace::Mark("  template editor made");
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8);
    editvzor2->setFont(font);
    StartTrace::Mark("  template font");
    editvzor2->SetWordWrap(true);

    StartTrace::Mark("  template editor");
    ToolBar = new TSpeedBar(this); // hidden at first, stores its own layout
    addToolBar(Qt::TopToolBarArea, ToolBar);

    StartTrace::Mark("  speed bar");
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    // The panel opens the chosen files through the file commands, made later.
    pnlLEVY = new TFilePanel(
        QDir::currentPath(), [this](const QStringList &names) { m_files->OpenPanelFiles(names); }, Splitter1);
    pnlLEVY->hide();
    StartTrace::Mark("  file panel");
    connect(pnlLEVY, &TFilePanel::FolderChanged, this,
            [this](const QString &folder) { m_startDir = folder; });
    PageControl1 = new TPageControl(Splitter1);
    PageControl1->SetImage(PngIcon(QStringLiteral(":/icons/modified.png")));
    Splitter1->addWidget(pnlLEVY);
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(1, 1);
    connect(Splitter1, &QSplitter::splitterMoved, pnlLEVY, &TFilePanel::Splitter1Moved);
    setCentralWidget(Splitter1);
}

void TMainForm::createStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(StatusBar);
    StatusBar->hide();
}

void TMainForm::createMenus()
{
    // Empty at first: the controllers are given the menus they fill or show, and the
    // command table fills the rest once the controllers are there.
    m_commands = new CommandTable(this);
    m_menus = MainCommands::AddMenus(*m_commands);
    mmFile = m_menus.mmFile;
    mmEdit = m_menus.mmEdit;
    mmView = m_menus.mmView;
    mmUZIV = m_menus.mmUZIV;
    Nstroje1 = m_menus.Nstroje1;
    mmHelp = m_menus.mmHelp;
    mmReopen = m_menus.mmReopen;
    ss1 = m_menus.ss1;
    mmLANGUAGE = m_menus.mmLANGUAGE;
    pmActivePage = m_menus.pmActivePage;
    pmMAINPAGE = m_menus.pmMAINPAGE;
}

void TMainForm::createControllers()
{
    // The status bar follows every editor's caret itself, from the moment its page is made.
    m_statusPanels = new TStatusPanels(StatusBar, this, [this] { return ActiveEditor(); });
    // Short messages of the commands go to the status bar's hint panel.
    const auto statusMessage = [this](const QString &text) { return m_statusPanels->ShowMessage(text); };
    // Every editor leaves the keys of the commands and of the tags to the window.
    m_pages = new PageCommands(
        PageControl1, editvzor2, pmActivePage,
        [this](QKeyCombination key) {
            return m_commands->TakesKey(key) || (m_tags && m_tags->TakesKey(key));
        },
        this);
    m_files = new FileCommands(
        m_pages, m_prompts, this, [this](const QString &name, int data) { AddToRecent(name, data); },
        [this] { WriteStartDir(); }, this);
    m_edits = new EditCommands(m_pages, statusMessage, this);
    m_textTools = new TextToolCommands(m_pages, m_prompts, this, statusMessage, this);
    m_printing = new PrintCommands([this] { return ActiveEditor(); }, m_prompts, this, this);
    m_about = new AboutCommands(
        this, AboutInfo::LanguageCode(m_settings ? LanguageChoice::Read(*m_settings) : QString()), this);
    m_spelling = new SpellCommands([this] { return ActiveEditor(); }, m_prompts, this, m_settings, this);
    m_typingSpell = new TypingSpellCheck([this] { return ActiveEditor(); }, m_spelling->Source(), m_prompts,
                                         this, pmActivePage, this);
    connect(m_pages, &PageCommands::PageCreated, m_typingSpell,
            [this](TTabSheet *page) { m_typingSpell->WatchEditor(page->Editor()); });
    m_tags = new TagCommands([this] { return ActiveEditor(); }, m_prompts, this, m_settings, this);
    m_appearance = std::make_unique<WidgetAppearance>(
        editvzor2, [this] { return ActiveEditor(); }, [this] { templateLookChosen(); });
    m_settingsDialog = new SettingsCommands(
        m_appearance.get(),
        [this](const QStringList &names, const QStringList &keys) {
            m_tags->RebuildTagMenu(names, keys);
            giveTagsTheirKeys();
        },
        m_prompts, this, m_settings, this);
    m_view = new ViewCommands({ToolBar, StatusBar, pnlLEVY, PageControl1, mmLANGUAGE, editvzor2}, m_prompts,
                              m_settings, this, this);

    connect(m_pages, &PageCommands::PageCreated, m_statusPanels, &TStatusPanels::WatchPage);
    // Panel 4 shows the new page's insert mode at the next idle moment.
    connect(m_pages, &PageCommands::ActivePageChanged, m_statusPanels, &TStatusPanels::ScheduleIdle);
    // Line and column are the new active page's at once, not only after its caret moves.
    connect(m_pages, &PageCommands::ActivePageChanged, m_statusPanels,
            [this](TTabSheet *page) { m_statusPanels->ShowCaret(page ? page->Editor() : nullptr); });
    new TWindowCaption(m_pages, this, this);
    m_encodings = new EncodingCommands(m_pages, m_prompts, this, StatusBar, this);
    connect(PageControl1, &TPageControl::TabContextMenuRequested, this,
            [this](const QPoint &pos) { pmMAINPAGE->popup(pos); });
    connect(PageControl1, &TPageControl::PageCloseRequested, m_files, &FileCommands::ClosePage);

    // Changes on disk, recovery copies, files dropped on the window.
    m_fileWatch = new FileWatch(m_prompts, this,
                                {[this](TTabSheet *page) { return m_files->SaveInPlace(page); },
                                 [this](TTabSheet *page, bool ask) { m_files->CloseGivenPage(page, ask); }},
                                this);
    connect(m_pages, &PageCommands::PageCreated, m_fileWatch, &FileWatch::WatchPage);
    m_recovery = new Recovery(m_pages, m_prompts, this, this);
    connect(m_pages, &PageCommands::PageCreated, m_recovery, &Recovery::WatchPage);
    m_fileDrop = new FileDrop(
        this, [this](const QStringList &names) { m_files->OpenFiles(names, 1); }, this);
    connect(m_pages, &PageCommands::PageCreated, m_fileDrop, &FileDrop::WatchPage);
}

namespace {
// Commands whose keys a user tag may take: the user's own choice wins over the key the
// program gives its help guide (a tag on F1 keeps F1; "&Nápověda" is then chosen from the
// menu). Every other command keeps its keys.
const char *const YieldingCommands[] = {"mmNAPOVEDA"};
} // namespace

void TMainForm::createCommands()
{
    // The commands that work on the whole text wait for a large one still coming in.
    m_commands->SetWholeTextWait([this] {
        TTabSheet *page = m_pages->ActivePage();
        return !page || !page->Doc() || page->Doc()->AwaitWhole();
    });
    MainCommands::AddRows(*m_commands, {m_pages, m_files, m_edits, m_view, m_textTools, m_printing, m_about,
                                        ToolBar, m_spelling, m_settingsDialog, m_typingSpell, m_encodings});
    // The speed bar is one of the parts the view commands show and hide, made with the
    // layout; its items are the table's.
    StartTrace::Mark("  rows");
    ToolBar->SetItems(m_commands->SpeedBarItems());
    StartTrace::Mark("  speed bar items");
    m_view->FillLanguageMenu(Languages::SearchFolders());
    StartTrace::Mark("  language menu");

    // The user tags: no tag takes a key a command or a menu title already has, but for the
    // keys of the commands that yield them.
    QList<QKeySequence> taken = m_commands->Shortcuts();
    for (const char *name : YieldingCommands)
        for (const QKeySequence &key : m_commands->RowKeys(QLatin1String(name)))
            taken.removeOne(key);
    for (QAction *title : menuBar()->actions())
        taken << QKeySequence::mnemonic(title->text());
    m_tags->BuildTagMenu(mmUZIV, taken);
    giveTagsTheirKeys();
    StartTrace::Mark("  tag menu");

    // The guide's table of keys is read from the menus as they are in this run.
    m_about->SetKeyList([this] { return keyRows(); });
    m_about->SetErrorShower([this](const QString &text) { m_prompts->ShowError(this, text); });

    m_enabler = new CommandEnabler(m_commands, m_pages, this);
    connect(m_files, &FileCommands::Saved, m_enabler, &CommandEnabler::PageSaved);
    m_enabler->UpdateCommands();
}

void TMainForm::giveTagsTheirKeys()
{
    for (const char *name : YieldingCommands) {
        QList<QKeySequence> keys = m_commands->RowKeys(QLatin1String(name));
        keys.removeIf([this](const QKeySequence &key) { return m_tags->TakesKey(key[0]); });
        m_commands->Action(QLatin1String(name))->setShortcuts(keys);
    }
}

namespace {
// A menu text as a name: no "&" marks, nothing after a tab.
QString plainCaption(const QString &text)
{
    QString plain = text.section(QLatin1Char('\t'), 0, 0);
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    return plain.replace(QLatin1Char('\x01'), QLatin1Char('&')).trimmed();
}

void addKeyRows(QMenu *menu, const QString &path, QList<HelpGuide::KeyRow> &rows)
{
    for (QAction *a : menu->actions()) {
        const QString name = path + QStringLiteral(" › ") + plainCaption(a->text());
        if (a->menu()) {
            addKeyRows(a->menu(), name, rows);
        } else if (!a->isSeparator() && !a->shortcuts().isEmpty()) {
            QStringList keys;
            for (const QKeySequence &key : a->shortcuts())
                keys << key.toString(QKeySequence::NativeText);
            rows.append({name, keys.join(QStringLiteral(", "))});
        }
    }
}
} // namespace

QList<HelpGuide::KeyRow> TMainForm::keyRows() const
{
    QList<HelpGuide::KeyRow> rows;
    for (QAction *title : menuBar()->actions())
        if (title->menu())
            addKeyRows(title->menu(), plainCaption(title->text()), rows);
    return rows;
}

void TMainForm::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_shown)
        return;
    m_shown = true;
    RestoreSettings();
    editvzor2->SetWordWrap(m_edits->WrapMark());
    // FormShow: the untitled page numbered 1.
    m_pages->mmNewClick();
    // The panels show the caret at once, not only after it first moves.
    m_statusPanels->ShowCaret(ActiveEditor());
    m_statusPanels->ScheduleIdle();
    StartTrace::Mark("first show done");
}

bool TMainForm::event(QEvent *e)
{
    if (e->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Queued: the paint under way reaches the screen first.
        QMetaObject::invokeMethod(this, &TMainForm::afterFirstPaint, Qt::QueuedConnection);
    }
    return QMainWindow::event(e);
}

void TMainForm::afterFirstPaint()
{
    StartTrace::Mark("after first paint");
    // The menu items' images are not on screen: they wait until the window has answered its
    // first events (the window manager's, the user's first keys), then come a few at each
    // turn of the event loop. A menu opened sooner takes them all as it opens, and a speed
    // button finds its own when it is first painted.
    auto *images = new QTimer(this);
    connect(images, &QTimer::timeout, this, [this, images] {
        images->setInterval(0);
        if (m_commands->SetNextImages(ImagesPerTurn))
            return;
        images->deleteLater();
        StartTrace::Mark("menu images");
    });
    images->start(ImagesDelayMs);
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    if (m_ending) { // everything is written already; no questions now
        e->accept();
        return;
    }
    if (!m_files->FormCloseQuery()) {
        e->ignore();
        return;
    }
    SaveSettings();
    StoreLastFiles();
    // Every modified page was saved or let go by the user's answer: no copy is needed.
    m_recovery->DiscardAll();
    e->accept();
}

void TMainForm::EndWithoutQuestions()
{
    if (m_ending)
        return;
    m_ending = true;
    // Nobody would answer a box now, and a box would keep the program alive: a settings
    // problem goes to the terminal, the copies are kept, and the program ends.
    if (m_settings)
        m_settings->SetProblemHandler(&ReportOnTerminal);
    m_recovery->WriteAllNow();
    SaveSettings();
    StoreLastFiles(true); // only a normal close is reopened; the copies keep the unsaved text
    // Ends every event loop, also a modal dialog's: the question nobody sees goes away.
    QCoreApplication::exit(0);
    // A box shown at start (the recovery question, an error about a command-line file) runs
    // before the main loop, which would forget the exit when it starts: it finds this then.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void TMainForm::ReportOnTerminal(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(text));
}

TTabSheet *TMainForm::ActivePage() const
{
    return m_pages->ActivePage();
}

TRxRichEdit *TMainForm::ActiveEditor() const
{
    return m_pages->ActiveEditor();
}
