// Settings of the main window: form storage, recent files, the side panel's start folder.
#include "app/shell/TMainForm.h"

#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/files/TMRUManager.h"
#include "app/pages/TPageControl.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/document/Document.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TFormStorage.h"
#include "settings/options/TLastFiles.h"
#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "settings/store/TStoreLink.h"
#include "speedbar/TSpeedBar.h"
#include "spell/TypingSpellCheck.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSplitter>
#include <QStatusBar>

namespace K = SettingsKeys;
using C = TSettingsCodec;

namespace {
// Keeps the side panel's width while the panel is hidden (the splitter gives a hidden
// panel no width) and gives it back when the panel is shown again.
class TPanelWidth : public QObject
{
public:
    TPanelWidth(QWidget *panel, QSplitter *splitter, int width)
        : QObject(panel), m_panel(panel), m_splitter(splitter), m_width(width)
    {
        panel->installEventFilter(this);
    }

    int Width() const { return m_panel->isVisible() ? m_panel->width() : m_width; }
    void SetWidth(int width)
    {
        m_width = width;
        if (m_panel->isVisible())
            apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched == m_panel && e->type() == QEvent::Hide && m_panel->width() > 0)
            m_width = m_panel->width();
        else if (watched == m_panel && e->type() == QEvent::Show)
            QMetaObject::invokeMethod(
                this, [this] { apply(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void apply()
    {
        const int index = m_splitter->indexOf(m_panel);
        QList<int> sizes = m_splitter->sizes();
        if (index < 0 || sizes.size() < 2 || !m_panel->isVisible())
            return;
        int total = 0;
        for (int s : sizes)
            total += s;
        sizes[index] = m_width;
        sizes[index == 0 ? 1 : 0] = qMax(0, total - m_width);
        m_splitter->setSizes(sizes);
    }

    QWidget *m_panel;
    QSplitter *m_splitter;
    int m_width;
};
} // namespace

// What the form storage needs beyond the window's own components: the parts of the
// template editor's font and colours that a QFont or QPalette does not keep (character
// set, pitch, system colours).
struct TMainForm::SettingsPart
{
    explicit SettingsPart(TMainForm *f)
        : form(f), storage(f, f->m_settings, K::FormSection),
          levyWidth(new TPanelWidth(f->pnlLEVY, f->Splitter1, 140))
    {}

    // Called when the window goes: a restore without a save is saved now, and problems
    // are then shown without the window as parent.
    static void Delete(SettingsPart *part)
    {
        TSettingsStore *store = part->form->m_settings;
        TPrompts *prompts = part->form->m_prompts;
        if (part->form->m_ending)
            store->SetProblemHandler(&TMainForm::ReportOnTerminal);
        else
            store->SetProblemHandler([prompts](const QString &text) { prompts->ShowError(nullptr, text); });
        delete part;
        store->SetProblemHandler(nullptr);
    }

    TFontValues templateFont() const;
    void setTemplateFont(const TFontValues &v);

    TMainForm *form;
    TFormStorage storage;
    TPanelWidth *levyWidth; // pnlLEVY.Width; owned by the panel
    int sideTabs = -1;      // a stored tpLeft (2) or tpRight (3), kept while the tabs stay at the top
    qint32 fontCharset = 238;
    int fontPitch = 0; // fpDefault
    qint32 fontColor = C::clWindowText;
    qint32 color = C::clWindow;
};

namespace {
// The stored number of a colour: the system colour it was restored as while the colour
// is still that one, else the colour itself.
qint32 storedColor(qint32 remembered, const QColor &now)
{
    if (C::IsSystemColor(remembered) && C::ColorFromTColor(remembered, QGuiApplication::palette()) == now)
        return remembered;
    return C::TColorFromColor(now);
}

void setEditorColor(QWidget *editor, QPalette::ColorRole role, const QColor &color)
{
    QPalette pal = editor->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, role, color);
    editor->setPalette(pal);
}
} // namespace

void TMainForm::initSettings()
{
    MRUMan = new TMRUManager(mmReopen, this);
    connect(MRUMan, &TMRUManager::Click, this,
            [this](const QString &name, const QString &, qint32) { m_files->OpenFileReporting(name); });
    if (!m_settings)
        return;
    // Problems of the settings file are told once, in the standard error box.
    m_settings->SetProblemHandler([this](const QString &text) { m_prompts->ShowError(this, text); });

    auto *part = new SettingsPart(this);
    m_settingsPart = std::unique_ptr<SettingsPart, void (*)(SettingsPart *)>(part, &SettingsPart::Delete);
    FormStorage1 = &part->storage;
    FormStorage1->AddLink(MRUMan);
    // The speed bar keeps its layout in "Options\TMainFormToolBar".
    FormStorage1->AddLink(ToolBar);

    TStoredProperties &p = FormStorage1->Properties();
    // A check mark: its controller keeps it.
    auto checked = [](auto *controller, auto get, auto set) {
        return std::make_pair(
            std::function<bool()>([controller, get] { return (controller->*get)(); }),
            std::function<void(bool)>([controller, set](bool v) { (controller->*set)(v); }));
    };
    auto shown = [this](QWidget *w) {
        return std::make_pair(std::function<bool()>([this, w] { return w->isVisibleTo(this); }),
                              std::function<void(bool)>([w](bool v) { w->setVisible(v); }));
    };
    auto add = [&p](const QString &name,
                    const std::pair<std::function<bool()>, std::function<void(bool)>> &b) {
        p.AddTruth(name, b.first, b.second);
    };

    add(K::itmWrap_Checked, checked(m_edits, &EditCommands::WrapMark, &EditCommands::SetWrapMark));
    add(K::mmStatusBar_Checked,
        checked(m_view, &ViewCommands::StatusBarMark, &ViewCommands::SetStatusBarMark));
    add(K::StatusBar_Visible, shown(StatusBar));
    p.AddTruth(
        K::PageControl1_MultiLine, [this] { return PageControl1->MultiLine(); },
        [this](bool v) { PageControl1->SetMultiLine(v); });
    // The panel's sizes are kept at 96 dots per inch, so that it looks alike on every screen.
    const int ppi = TFormStorage::PixelsPerInch();
    auto onScreen = [ppi](qint32 v) { return C::MulDiv(v, ppi, 96); };
    auto stored = [ppi](int v) { return C::MulDiv(v, 96, ppi); };
    part->levyWidth->SetWidth(onScreen(140));
    pnlLEVY->SetDirsHeight(onScreen(105));
    pnlLEVY->SetDriveWidth(onScreen(137));
    p.AddInteger(
        K::pnlLEVY_Width, [part, stored] { return stored(part->levyWidth->Width()); },
        [part, onScreen](qint32 v) { part->levyWidth->SetWidth(onScreen(v)); });
    add(K::pnlLEVY_Visible, shown(pnlLEVY));
    add(K::mmSpeed_Checked, checked(m_view, &ViewCommands::SidePanelMark, &ViewCommands::SetSidePanelMark));
    p.AddInteger(
        K::pnlDIRS_Height, [this, stored] { return stored(pnlLEVY->DirsHeight()); },
        [this, onScreen](qint32 v) { pnlLEVY->SetDirsHeight(onScreen(v)); });
    // Tabs at the sides are not offered: they stay at the top, but the stored value is
    // kept and written back while the tabs have not been moved since.
    p.AddEnum(
        K::PageControl1_TabPosition, C::TabPositionIds(),
        [this, part] {
            const int now = PageControl1->TabsAtBottom() ? 1 : 0;
            return part->sideTabs >= 2 && now == 0 ? part->sideTabs : now;
        },
        [this, part](int v) {
            part->sideTabs = v;
            if (v <= 1)
                PageControl1->SetTabsAtBottom(v == 1);
        });
    p.AddInteger(
        K::DriveComboBox1_Width, [this, stored] { return stored(pnlLEVY->DriveWidth()); },
        [this, onScreen](qint32 v) { pnlLEVY->SetDriveWidth(onScreen(v)); });
    add(K::mmTOOLBAR_Checked, checked(m_view, &ViewCommands::ToolBarMark, &ViewCommands::SetToolBarMark));
    p.AddFont(
        K::editvzor2_Font, [part] { return part->templateFont(); },
        [part](const TFontValues &v) { part->setTemplateFont(v); });
    p.AddColor(
        K::editvzor2_Color,
        [this, part] {
            return storedColor(part->color, editvzor2->palette().color(QPalette::Active, QPalette::Base));
        },
        [this, part](qint32 v) {
            part->color = v;
            setEditorColor(editvzor2, QPalette::Base, C::ColorFromTColor(v, QGuiApplication::palette()));
        });
    add(K::ToolBar_Visible, shown(ToolBar));
    add(K::mmAutoSpell_Checked, checked(m_typingSpell, &TypingSpellCheck::IsOn, &TypingSpellCheck::SetOn));
    add(K::mmLineNumbers_Checked,
        checked(m_view, &ViewCommands::LineNumbersMark, &ViewCommands::SetLineNumbersMark));
    add(K::mmCurrentLine_Checked,
        checked(m_view, &ViewCommands::CurrentLineMark, &ViewCommands::SetCurrentLineMark));
}

void TMainForm::templateLookChosen()
{
    // Colours the user chose are his colours, also where they equal today's desktop
    // colours: a darker desktop theme must not change them at the next start.
    if (!m_settingsPart)
        return;
    const QPalette &pal = editvzor2->palette();
    m_settingsPart->fontColor = C::TColorFromColor(pal.color(QPalette::Active, QPalette::Text));
    m_settingsPart->color = C::TColorFromColor(pal.color(QPalette::Active, QPalette::Base));
}

TFontValues TMainForm::SettingsPart::templateFont() const
{
    const TRxRichEdit *editvzor2 = form->editvzor2;
    const QFont font = editvzor2->font();
    const int ppi = TFormStorage::PixelsPerInch();
    TFontValues v;
    v.Charset = fontCharset;
    v.Color = storedColor(fontColor, editvzor2->palette().color(QPalette::Active, QPalette::Text));
    if (font.pixelSize() > 0) {
        v.Height = -font.pixelSize();
        v.Size = C::FontSizeFromHeight(v.Height, ppi);
    } else {
        v.Size = qRound(font.pointSizeF());
        v.Height = C::FontHeightFromSize(v.Size, ppi);
    }
    v.Name = font.family();
    v.Pitch = fontPitch;
    v.Style = (font.bold() ? 1u : 0u) | (font.italic() ? 2u : 0u) | (font.underline() ? 4u : 0u)
              | (font.strikeOut() ? 8u : 0u);
    return v;
}

void TMainForm::SettingsPart::setTemplateFont(const TFontValues &v)
{
    TRxRichEdit *editvzor2 = form->editvzor2;
    // One sub-property changes per call; height and size are both read, the size last,
    // so a size that disagrees with the height wins.
    const TFontValues now = templateFont();
    fontCharset = v.Charset;
    fontPitch = v.Pitch;
    if (v.Color != now.Color) {
        fontColor = v.Color;
        setEditorColor(editvzor2, QPalette::Text, C::ColorFromTColor(v.Color, QGuiApplication::palette()));
    }
    QFont font = editvzor2->font();
    constexpr int largest = 1638; // the largest size the platform's font dialog offers
    // In 64 bits: the stored value may be INT_MIN, whose negation does not fit an int.
    if (v.Height != now.Height && v.Height != 0)
        font.setPixelSize(int(qMin<qint64>(qAbs(qint64(v.Height)), largest)));
    if (v.Size != now.Size && v.Size != 0)
        font.setPointSize(int(qMin<qint64>(qAbs(qint64(v.Size)), largest)));
    if (!v.Name.isEmpty())
        font.setFamily(v.Name);
    if (v.Pitch == 2)
        font.setFixedPitch(true);
    else if (v.Pitch == 1)
        font.setFixedPitch(false);
    font.setBold(v.Style & 1u);
    font.setItalic(v.Style & 2u);
    font.setUnderline(v.Style & 4u);
    font.setStrikeOut(v.Style & 8u);
    editvzor2->setFont(font);
}

void TMainForm::AddToRecent(const QString &fileName, int userData)
{
    // The command line passes no number (0): a file already listed keeps its own.
    MRUMan->Add(fileName, userData != 0 ? std::optional<qint32>(userData) : std::nullopt);
}

void TMainForm::ReadStartDir()
{
    m_startDir = pnlLEVY->Folder();
    if (!m_settings)
        return;
    try {
        TSettingsSession session(*m_settings);
        const QString dir = session.ReadString(K::Options, K::StartDir);
        // A folder that is gone leaves the panel in the current folder.
        if (!dir.isEmpty())
            pnlLEVY->SetFolder(dir); // m_startDir follows
    } catch (const TError &e) {
        m_settings->ReportProblem(e.message());
    }
}

void TMainForm::WriteStartDir()
{
    if (!m_settings)
        return;
    try {
        TSettingsSession session(*m_settings);
        session.WriteString(K::Options, K::StartDir, QDir::toNativeSeparators(m_startDir));
        session.Close();
    } catch (const TError &e) {
        m_settings->ReportProblem(e.message());
    }
}

void TMainForm::RestoreSettings()
{
    if (FormStorage1)
        FormStorage1->Restore();
}

void TMainForm::SaveSettings()
{
    if (FormStorage1)
        FormStorage1->Save();
}

void TMainForm::StoreLastFiles(bool none)
{
    if (!m_settings)
        return;
    TLastFiles last;
    if (!none && TLastFiles::ReopenOn(*m_settings)) {
        for (int i = 0; i < PageControl1->PageCount(); ++i) {
            TTabSheet *page = PageControl1->Page(i);
            if (!page->Doc()->HasFile())
                continue;
            if (page == ActivePage())
                last.active = int(last.files.size());
            last.files.append({page->Doc()->FileName(), page->Editor()->textCursor().position()});
        }
    }
    try {
        // A settings file that holds no list is left as it is.
        if (last.files.isEmpty() && TLastFiles::Read(*m_settings).files.isEmpty())
            return;
        TLastFiles::Write(*m_settings, last);
    } catch (const TError &e) {
        m_settings->ReportProblem(e.message());
    }
}
