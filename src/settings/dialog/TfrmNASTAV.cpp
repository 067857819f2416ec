#include "settings/dialog/TfrmNASTAV.h"

#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "text/TextFile.h"
#include "settings/options/EditorAppearance.h"
#include "settings/tags/HotKeyText.h"
#include "settings/tags/THotKeyEdit.h"
#include "settings/options/TLastFiles.h"
#include "settings/options/TLaunchers.h"
#include "settings/store/TSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The original layout's pixel sizes were for an 8-point dialog font 13 pixels high;
// scale them to the font in use.
int scaled(const QWidget *w, int pixels)
{
    return qRound(pixels * w->fontMetrics().height() / 13.0);
}

void setColor(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, role, color);
    w->setPalette(pal);
}

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter p(&pixmap);
    p.setPen(Qt::gray);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// Tag texts keep CR LF between lines; the fields show them with any break.
QString storedText(const QString &fieldText)
{
    QString text = fieldText;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

// A name as one line of the list.
QString listText(const QString &name)
{
    QString text = name;
    for (QChar &c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

TfrmNASTAV::TfrmNASTAV(EditorAppearance *appearance, TagMenuBuilder rebuildTagMenu, TPrompts *prompts,
                       TSettingsStore *settings, QWidget *parent)
    : QDialog(parent), m_appearance(appearance),
      m_rebuildTagMenu(std::move(rebuildTagMenu)), m_prompts(prompts), m_settings(settings)
{
    setObjectName(QStringLiteral("frmNASTAV"));
    setWindowTitle(tr("Nastavení"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_chooseFont = [](QWidget *parent, const QFont &font) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, parent);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = createObecne();
    TabSheet2 = createPismo();
    TabSheet3 = createZkratky();
    PageControl1->addTab(TabSheet1, tr("Obecné"));
    PageControl1->addTab(TabSheet2, tr("Písmo/barvy"));
    PageControl1->addTab(TabSheet3, tr("Zkratky"));

    btnOK = new QPushButton(tr("O&K"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnSTORNO = new QPushButton(tr("Storno"), this);
    btnSTORNO->setObjectName(QStringLiteral("btnSTORNO"));
    for (QPushButton *b : {btnOK, btnSTORNO})
        b->setMinimumSize(scaled(this, 75), scaled(this, 25));
    connect(btnOK, &QPushButton::clicked, this, &TfrmNASTAV::btnOKClick);
    connect(btnSTORNO, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnSTORNO);
    auto *main = new QVBoxLayout(this);
    main->addWidget(PageControl1);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize); // not resizable

    FormCreate();
}

QList<QPair<QString, QColor>> TfrmNASTAV::Colors()
{
    return {
        {tr("černá"), QColor(QRgb(0x000000))},           {tr("kaštanová"), QColor(QRgb(0x800000))},
        {tr("zelená"), QColor(QRgb(0x008000))},          {tr("olivová"), QColor(QRgb(0x808000))},
        {tr("námořnická modř"), QColor(QRgb(0x000080))}, {tr("fialová"), QColor(QRgb(0x800080))},
        {tr("šedozelená"), QColor(QRgb(0x008080))},      {tr("šedá"), QColor(QRgb(0x808080))},
        {tr("stříbrná"), QColor(QRgb(0xC0C0C0))},        {tr("červená"), QColor(QRgb(0xFF0000))},
        {tr("žlutozelená"), QColor(QRgb(0x00FF00))},     {tr("žlutá"), QColor(QRgb(0xFFFF00))},
        {tr("modrá"), QColor(QRgb(0x0000FF))},           {tr("fuchsiová"), QColor(QRgb(0xFF00FF))},
        {tr("akvamarínová"), QColor(QRgb(0x00FFFF))},    {tr("bílá"), QColor(QRgb(0xFFFFFF))},
    };
}

QWidget *TfrmNASTAV::createObecne()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    GroupBox1 = new QGroupBox(tr("Zástupci"), page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Button4 = new QPushButton(tr("Přidat do složky &ODESLAT"), GroupBox1);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button3 = new QPushButton(tr("Přidat na &PLOCHU"), GroupBox1);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton *b : {Button4, Button3}) {
        b->setMinimumSize(scaled(this, 145), scaled(this, 25));
        b->setAutoDefault(false);
    }
    connect(Button4, &QPushButton::clicked, this, &TfrmNASTAV::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmNASTAV::Button3Click);

    auto *grid = new QGridLayout(GroupBox1);
    grid->setVerticalSpacing(scaled(this, 7));
    grid->addWidget(Button4, 0, 0);
    grid->addWidget(Button3, 1, 0);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    // Off at first; the main window stores the open files when it closes while it is on.
    chkREOPEN = new QCheckBox(tr("Při spuštění &znovu otevřít soubory z minula"), page);
    chkREOPEN->setObjectName(QStringLiteral("chkREOPEN"));

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox1);
    layout->addWidget(chkREOPEN);
    GroupBox1->setMinimumSize(scaled(this, 289),
                              scaled(this, 209) - chkREOPEN->sizeHint().height() - layout->spacing());
    return page;
}

QWidget *TfrmNASTAV::createPismo()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    GroupBox2 = new QGroupBox(tr("Nastavení"), page);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));

    lstTextBarva = new QListWidget(GroupBox2);
    lstTextBarva->setObjectName(QStringLiteral("lstTextBarva"));
    lstTextBarva->addItems({tr("barva textu"), tr("barva pozadí")});
    lstTextBarva->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTextBarva->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTextBarva->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTextBarva->setFixedHeight(2 * lstTextBarva->sizeHintForRow(0) + 2 * lstTextBarva->frameWidth());
    lstTextBarva->setFixedWidth(
        qMax(scaled(this, 81), lstTextBarva->sizeHintForColumn(0) + 2 * lstTextBarva->frameWidth() + 4));

    Button1 = new QPushButton(tr("Typ &písma..."), GroupBox2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("&Standard"), GroupBox2);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(scaled(this, 25));
    }
    Button1->setMinimumWidth(scaled(this, 89));
    Button2->setMinimumWidth(scaled(this, 75));
    connect(Button1, &QPushButton::clicked, this, &TfrmNASTAV::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmNASTAV::Button2Click);

    cmbColor = new QComboBox(GroupBox2);
    cmbColor->setObjectName(QStringLiteral("cmbColor"));
    for (const auto &[name, color] : Colors())
        cmbColor->addItem(swatch(color), name, color);
    cmbColor->setMinimumWidth(scaled(this, 89));
    connect(cmbColor, &QComboBox::activated, this, &TfrmNASTAV::cmbColorChange);

    edit_vzor = new QPlainTextEdit(GroupBox2);
    edit_vzor->setObjectName(QStringLiteral("edit_vzor"));
    edit_vzor->setReadOnly(true);
    edit_vzor->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_vzor->setPlainText(QStringList(5, tr("ukázka textu")).join(QLatin1Char('\n')));
    edit_vzor->setFixedSize(scaled(this, 268), scaled(this, 73));

    auto *grid = new QGridLayout(GroupBox2);
    grid->addWidget(lstTextBarva, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Button1, 0, 1);
    grid->addWidget(Button2, 0, 2);
    grid->addWidget(cmbColor, 1, 1);
    grid->addWidget(edit_vzor, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox2);
    GroupBox2->setMinimumSize(scaled(this, 289), scaled(this, 209));
    return page;
}

QWidget *TfrmNASTAV::createZkratky()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    GroupBox3 = new QGroupBox(tr("Klávesové zkratky"), page);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));

    lstZNACKY = new QListWidget(GroupBox3);
    lstZNACKY->setObjectName(QStringLiteral("lstZNACKY"));
    lstZNACKY->setSelectionMode(QAbstractItemView::SingleSelection);
    lstZNACKY->setFixedSize(scaled(this, 97), scaled(this, 179));
    connect(lstZNACKY, &QListWidget::itemSelectionChanged, this, &TfrmNASTAV::lstZNACKYClick);

    RxSpeedButton1 = new QToolButton(GroupBox3);
    RxSpeedButton1->setObjectName(QStringLiteral("RxSpeedButton1"));
    RxSpeedButton1->setText(QStringLiteral("+"));
    RxSpeedButton1->setToolTip(tr("Přidat"));
    RxSpeedButton2 = new QToolButton(GroupBox3);
    RxSpeedButton2->setObjectName(QStringLiteral("RxSpeedButton2"));
    RxSpeedButton2->setText(QStringLiteral("-"));
    RxSpeedButton2->setToolTip(tr("Odstranit"));
    for (QToolButton *b : {RxSpeedButton1, RxSpeedButton2}) {
        b->setAutoRaise(true); // flat
        b->setFixedSize(scaled(this, 20), scaled(this, 20));
    }
    connect(RxSpeedButton1, &QToolButton::clicked, this, &TfrmNASTAV::RxSpeedButton1Click);
    connect(RxSpeedButton2, &QToolButton::clicked, this, &TfrmNASTAV::RxSpeedButton2Click);

    Label1 = new QLabel(tr("Název:"), GroupBox3);
    Edit1 = new QLineEdit(GroupBox3);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    connect(Edit1, &QLineEdit::textEdited, this, &TfrmNASTAV::Edit1Change);
    Label2 = new QLabel(tr("Hotkey:"), GroupBox3);
    HotKey2 = new THotKeyEdit(GroupBox3);
    HotKey2->setObjectName(QStringLiteral("HotKey2"));
    connect(HotKey2, &THotKeyEdit::Exited, this, &TfrmNASTAV::HotKey2Exit);
    Label3 = new QLabel(tr("Před vybraný text:"), GroupBox3);
    memoSTART = new QPlainTextEdit(GroupBox3);
    memoSTART->setObjectName(QStringLiteral("memoSTART"));
    Label4 = new QLabel(tr("Za vybraný text:"), GroupBox3);
    memoEND = new QPlainTextEdit(GroupBox3);
    memoEND->setObjectName(QStringLiteral("memoEND"));
    for (QPlainTextEdit *memo : {memoSTART, memoEND}) {
        memo->setTabChangesFocus(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // A text editor asks for much room; these take what the frame gives them.
        memo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        memo->setMinimumWidth(scaled(this, 150));
        memo->setFixedHeight(scaled(this, 48));
    }
    Edit1->setMinimumWidth(scaled(this, 150));
    connect(memoSTART, &QPlainTextEdit::textChanged, this, &TfrmNASTAV::memoSTARTChange);
    connect(memoEND, &QPlainTextEdit::textChanged, this, &TfrmNASTAV::memoENDChange);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(HotKey2);
    Label3->setBuddy(memoSTART);
    Label4->setBuddy(memoEND);

    auto *small = new QVBoxLayout;
    small->addWidget(RxSpeedButton1);
    small->addWidget(RxSpeedButton2);
    small->addStretch(1);
    auto *fields = new QVBoxLayout;
    fields->setSpacing(scaled(this, 2));
    fields->addWidget(Label1);
    fields->addWidget(Edit1);
    fields->addWidget(Label2);
    fields->addWidget(HotKey2);
    fields->addWidget(Label3);
    fields->addWidget(memoSTART);
    fields->addWidget(Label4);
    fields->addWidget(memoEND);
    fields->addStretch(1);
    auto *row = new QHBoxLayout(GroupBox3);
    row->addWidget(lstZNACKY, 0, Qt::AlignTop);
    row->addLayout(small);
    row->addLayout(fields, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox3);
    GroupBox3->setMinimumSize(scaled(this, 289), scaled(this, 209));
    return page;
}

void TfrmNASTAV::FormCreate()
{
    // The sample starts as the template: font, text colour, background.
    if (m_appearance) {
        const EditorLook look = m_appearance->Look();
        setSampleFont(look.font);
        setSampleColor(QPalette::Text, look.text);
        setSampleColor(QPalette::Base, look.background);
    }
    showColor(SampleBackground());
    PageControl1->setCurrentIndex(0);
    // No tag is selected at first: empty fields, Alt+A for the hot key.
    HotKey2->SetHotKey(QKeyCombination(Qt::AltModifier, Qt::Key_A));
    loadTags();
    if (m_settings)
        chkREOPEN->setChecked(TLastFiles::ReopenOn(*m_settings));
}

void TfrmNASTAV::loadTags()
{
    if (m_settings) {
        try {
            TSettingsSession session(*m_settings);
            m_tags.Load(session);
            m_tagsLoaded = true;
        } catch (const TError &e) {
            // What cannot be read is not written over at closing.
            m_prompts->ShowError(parentWidget(), e.message());
        }
    }
    const QSignalBlocker block(lstZNACKY);
    for (const QString &name : m_tags.Names())
        lstZNACKY->addItem(listText(name));
}

void TfrmNASTAV::saveTags()
{
    if (!m_settings || !m_tagsLoaded)
        return;
    try {
        TSettingsSession session(*m_settings);
        m_tags.Save(session);
        session.Close();
    } catch (const TError &e) {
        m_prompts->ShowError(this, e.message());
    }
}

void TfrmNASTAV::SetLauncherFolders(const QString &desktop, const QString &applications)
{
    m_desktopFolder = desktop;
    m_applicationsFolder = applications;
}

QColor TfrmNASTAV::SampleTextColor() const
{
    return edit_vzor->palette().color(QPalette::Active, QPalette::Text);
}

QColor TfrmNASTAV::SampleBackground() const
{
    return edit_vzor->palette().color(QPalette::Active, QPalette::Base);
}

void TfrmNASTAV::setSampleFont(const QFont &font)
{
    edit_vzor->setFont(font);
}

void TfrmNASTAV::setSampleColor(QPalette::ColorRole role, const QColor &color)
{
    setColor(edit_vzor, role, color);
}

void TfrmNASTAV::showColor(const QColor &color)
{
    // The desktop's own window colour is not one of the sixteen, even where it looks
    // like one of them: no entry is selected for it.
    int index = -1;
    if (color != QGuiApplication::palette().color(QPalette::Active, QPalette::Base)) {
        const QList<QPair<QString, QColor>> colors = Colors();
        for (int i = 0; i < colors.size() && index < 0; ++i)
            if (colors.at(i).second.rgb() == color.rgb())
                index = i;
    }
    cmbColor->setCurrentIndex(index);
}

void TfrmNASTAV::cmbColorChange(int index)
{
    const QColor color = cmbColor->itemData(index).value<QColor>();
    if (!color.isValid())
        return;
    // The text colour only when "barva textu" is selected; otherwise the background.
    const QListWidgetItem *text = lstTextBarva->item(0);
    setSampleColor(text && text->isSelected() ? QPalette::Text : QPalette::Base, color);
}

void TfrmNASTAV::Button1Click()
{
    // The dialog opens on the family the sample really shows: "Courier New" is drawn by a
    // substitute on most systems, and the dialog would otherwise pick some other font.
    const QFont current = edit_vzor->font();
    QFont offered = current;
    offered.setFamilies({QFontInfo(current).family()});
    const std::optional<QFont> font = m_chooseFont(this, offered);
    if (!font)
        return;
    const bool unchanged = font->family() == offered.family() && font->pointSizeF() == offered.pointSizeF()
                           && font->weight() == offered.weight() && font->italic() == offered.italic()
                           && font->underline() == offered.underline()
                           && font->strikeOut() == offered.strikeOut();
    // OK without a change keeps the font as it was stored, substitute and all.
    setSampleFont(unchanged ? current : *font);
}

void TfrmNASTAV::Button2Click()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter); // a monospaced substitute where it is missing
    font.setPointSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    setSampleFont(font);
    setSampleColor(QPalette::Text, QColor(QRgb(0x000000)));
    setSampleColor(QPalette::Base, QColor(QRgb(0xFFFFFF)));
    cmbColor->setCurrentIndex(int(Colors().size()) - 1); // "bílá"
}

void TfrmNASTAV::showTagFields(const QString &name, const QString &start, const QString &end)
{
    m_filling = true;
    Edit1->setText(name);
    memoSTART->setPlainText(start);
    memoEND->setPlainText(end);
    m_filling = false;
}

void TfrmNASTAV::lstZNACKYClick()
{
    const QList<QListWidgetItem *> selected = lstZNACKY->selectedItems();
    const int row = selected.isEmpty() ? -1 : lstZNACKY->row(selected.first());
    if (row == m_selected)
        return;
    m_selected = row;
    if (row < 0)
        return;
    showTagFields(m_tags.Name(row), TextFile::normalizeBreaks(m_tags.Start(row)),
                  TextFile::normalizeBreaks(m_tags.End(row)));
    HotKey2->SetHotKey(HotKeyText::Parse(m_tags.HotKey(row)).value_or(QKeyCombination()));
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TfrmNASTAV::Edit1Change(const QString &text)
{
    if (m_filling || m_selected < 0)
        return;
    m_tags.SetName(m_selected, text);
    if (QListWidgetItem *item = lstZNACKY->item(m_selected))
        item->setText(listText(text));
}

void TfrmNASTAV::HotKey2Exit()
{
    if (m_selected < 0)
        return;
    // A stored text that means the key shown stays as written (also one this program
    // cannot read, when the field was left empty).
    const QKeyCombination shown = HotKey2->HotKey();
    if (HotKeyText::Parse(m_tags.HotKey(m_selected)).value_or(QKeyCombination()) == shown)
        return;
    m_tags.SetHotKey(m_selected, HotKeyText::Write(shown));
}

void TfrmNASTAV::memoSTARTChange()
{
    if (m_filling || m_selected < 0)
        return;
    const QString text = memoSTART->toPlainText();
    if (TextFile::normalizeBreaks(m_tags.Start(m_selected)) != text)
        m_tags.SetStart(m_selected, storedText(text));
}

void TfrmNASTAV::memoENDChange()
{
    if (m_filling || m_selected < 0)
        return;
    const QString text = memoEND->toPlainText();
    if (TextFile::normalizeBreaks(m_tags.End(m_selected)) != text)
        m_tags.SetEnd(m_selected, storedText(text));
}

void TfrmNASTAV::RxSpeedButton1Click()
{
    const QString name = tr("[Název]");
    m_tags.Append(name);
    {
        const QSignalBlocker block(lstZNACKY);
        lstZNACKY->addItem(listText(name));
    }
    lstZNACKY->setFocus(Qt::OtherFocusReason);
}

void TfrmNASTAV::RxSpeedButton2Click()
{
    if (m_selected < 0)
        return;
    const int row = m_selected;
    m_selected = -1;
    m_tags.Remove(row);
    {
        const QSignalBlocker block(lstZNACKY);
        delete lstZNACKY->takeItem(row);
        lstZNACKY->clearSelection();
        lstZNACKY->setCurrentRow(-1);
    }
    showTagFields(QString(), QString(), QString());
}

void TfrmNASTAV::btnOKClick()
{
    if (HotKey2->hasFocus())
        HotKey2Exit(); // Enter in the field: the key shown is the key meant
    if (m_appearance)
        m_appearance->Apply({edit_vzor->font(), SampleTextColor(), SampleBackground()});
    if (!m_tags.IsEmpty() && m_rebuildTagMenu)
        m_rebuildTagMenu(m_tags.Names(), m_tags.HotKeys());
    if (m_settings)
        TLastFiles::SetReopenOn(*m_settings, chkREOPEN->isChecked());
    accept();
}

void TfrmNASTAV::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        if (HotKey2->hasFocus())
            HotKey2Exit(); // closing takes the focus from the field
        saveTags();
    }
    QDialog::done(result);
}

void TfrmNASTAV::Button3Click()
{
    makeLauncher(false);
}

void TfrmNASTAV::Button4Click()
{
    makeLauncher(true);
}

void TfrmNASTAV::makeLauncher(bool sendTo)
{
    try {
        const std::optional<QString> &folder = sendTo ? m_applicationsFolder : m_desktopFolder;
        const QString target =
            folder ? *folder : (sendTo ? Launchers::ApplicationsFolder() : Launchers::DesktopFolder());
        const QString icon = m_iconFile.isEmpty() ? Launchers::ProgramIconFile() : m_iconFile;
        const QString file = Launchers::WriteLauncher(target, icon, sendTo);
        if (!sendTo)
            Launchers::MarkTrusted(file);
        else if (QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
            m_prompts->ShowMessage(this, tr("Otevřít v"),
                                   tr("Zástupce je uložen v %1. Aby jej prostředí nabízelo pro textové "
                                      "soubory, spusťte v terminálu: update-desktop-database \"%1\" "
                                      "(balík desktop-file-utils), nebo se odhlaste a znovu přihlaste.")
                                       .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));
    } catch (const TError &e) {
        m_prompts->ShowError(this, e.message());
    }
}

TfrmNASTAV::~TfrmNASTAV()
{
    if (HotKey2)
        disconnect(HotKey2, nullptr, this, nullptr);
}
