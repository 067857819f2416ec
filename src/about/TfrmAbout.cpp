#include "about/TfrmAbout.h"

#include "about/AboutInfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The addresses the dialog links to. The program has no home page or e-mail address of
// its own, so those links are not shown; the notice names the licence and the credit the
// toolkit the program is built on.
const QString LicenceUrl = QStringLiteral("https://www.gnu.org/licenses/old-licenses/gpl-2.0.html");
const QString ToolkitUrl = QStringLiteral("https://www.qt.io");
const QString ToolkitLogo = QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png");

const QSize ClientSize(298, 311);

QFrame *captionlessFrame(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

// ---- TLinkLabel ----

TLinkLabel::TLinkLabel(Kind kind, const QString &target, QWidget *parent)
    : QLabel(target, parent), m_kind(kind), m_target(target)
{
    setTextFormat(Qt::PlainText);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 128, 0));
    setPalette(pal);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
}

TLinkLabel::TLinkLabel(const QPixmap &picture, const QString &target, QWidget *parent)
    : QLabel(parent), m_kind(Web), m_target(target)
{
    setPixmap(picture);
    setCursor(Qt::PointingHandCursor);
}

QUrl TLinkLabel::Url() const
{
    if (m_kind == Mail)
        return QUrl(QStringLiteral("mailto:") + m_target);
    return QUrl(m_target);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint()))
        return;
    QDesktopServices::openUrl(Url());
}

// ---- TfrmAbout ----

TfrmAbout::TfrmAbout(const QString &languageCode, QWidget *parent, const QStringList &folders)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("O programu"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // "Autor": the product, its notice and the credit.
    tabAutor = new QWidget;
    tabAutor->setObjectName(QStringLiteral("tabAutor"));
    auto *autor = new QVBoxLayout(tabAutor);

    QFrame *upper = captionlessFrame(tabAutor);
    auto *upperLayout = new QVBoxLayout(upper);
    auto *productLine = new QHBoxLayout;
    lblProduct = new QLabel(QStringLiteral("Quorvel Tosk"), upper);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    Label5 = new QLabel(upper);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont big = lblProduct->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    lblProduct->setFont(big);
    Label5->setFont(big);
    productLine->addWidget(lblProduct);
    productLine->addWidget(Label5);
    productLine->addStretch();
    upperLayout->addLayout(productLine);
    auto *purpose = new QLabel(tr("Textový editor pro češtinu"), upper);
    upperLayout->addWidget(purpose);
    upperLayout->addSpacing(8);
    auto *notice =
        new QLabel(tr("Svobodný software, šířený pod licencí GNU GPL verze 2 nebo pozdější:"), upper);
    notice->setWordWrap(true);
    upperLayout->addWidget(notice);
    auto *lblLicence = new TLinkLabel(TLinkLabel::Web, LicenceUrl, upper);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    upperLayout->addWidget(lblLicence);
    upperLayout->addStretch();
    autor->addWidget(upper, 1);

    QFrame *lower = captionlessFrame(tabAutor);
    auto *lowerLayout = new QGridLayout(lower);
    auto *credit = new QLabel(tr("Postaveno na knihovně Qt"), lower);
    credit->setObjectName(QStringLiteral("lblCredit"));
    auto *lblToolkit = new TLinkLabel(TLinkLabel::Web, ToolkitUrl, lower);
    lblToolkit->setObjectName(QStringLiteral("lblToolkit"));
    lowerLayout->addWidget(credit, 0, 0);
    lowerLayout->addWidget(lblToolkit, 1, 0);
    const QPixmap logo(ToolkitLogo);
    if (!logo.isNull()) {
        auto *imgToolkit =
            new TLinkLabel(logo.scaledToHeight(31, Qt::SmoothTransformation), ToolkitUrl, lower);
        imgToolkit->setObjectName(QStringLiteral("imgToolkit"));
        lowerLayout->addWidget(imgToolkit, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    }
    lowerLayout->setColumnStretch(0, 1);
    autor->addWidget(lower);
    PageControl1->addTab(tabAutor, tr("Autor"));

    // "Informace": the information file's text.
    tabInformace = new QWidget;
    tabInformace->setObjectName(QStringLiteral("tabInformace"));
    auto *info = new QVBoxLayout(tabInformace);
    Memo1 = new QPlainTextEdit(tabInformace);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette silver = Memo1->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(silver);
    info->addWidget(Memo1);
    PageControl1->addTab(tabInformace, tr("Informace"));

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept); // Esc closes as well

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);

    FormCreate(languageCode, folders.isEmpty()
                                 ? AboutInfo::InformationFolders(QCoreApplication::applicationDirPath())
                                 : folders);

    // Not resizable: the designed size, or what the fonts need if that is more.
    setFixedSize(sizeHint().expandedTo(ClientSize));
}

void TfrmAbout::FormCreate(const QString &languageCode, const QStringList &folders)
{
    Label5->setText(AboutInfo::Version);
    const QString code = languageCode.isEmpty() ? QStringLiteral("CSY") : languageCode;
    const QString file = AboutInfo::InformationFile(folders, code);
    QString text;
    const bool shown = !file.isEmpty() && AboutInfo::ReadInformation(file, &text);
    if (shown)
        Memo1->setPlainText(text);
    PageControl1->setTabVisible(PageControl1->indexOf(tabInformace), shown);
    PageControl1->setCurrentWidget(tabAutor);
}

QList<TLinkLabel *> TfrmAbout::Links() const
{
    return findChildren<TLinkLabel *>();
}

void TfrmAbout::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    const QScreen *s = parentWidget() ? parentWidget()->screen() : screen();
    if (s) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmAbout::Execute(QWidget *parent, const QString &languageCode)
{
    TfrmAbout dialog(languageCode, parent);
    dialog.exec();
}

// ---- AboutCommands ----

AboutCommands::AboutCommands(QWidget *window, const QString &languageCode, QObject *parent)
    : QObject(parent), m_window(window), m_languageCode(languageCode)
{}

void AboutCommands::mmAboutClick()
{
    TfrmAbout::Execute(m_window, m_languageCode);
}

void AboutCommands::mmNAPOVEDAClick()
{
    const QStringList folders =
        m_helpFolders.isEmpty() ? HelpGuide::Folders(QCoreApplication::applicationDirPath()) : m_helpFolders;
    const QString file = HelpGuide::File(folders, HelpGuide::Language(m_languageCode));
    if (!m_help)
        m_help = new THelpWindow(m_window);
    if (file.isEmpty() || !m_help->ShowGuide(file, m_keys ? m_keys() : QList<HelpGuide::KeyRow>())) {
        const QString text = tr("Nápovědu se nepodařilo najít (hledána ve složkách %1).")
                                 .arg(QDir::toNativeSeparators(folders.join(QStringLiteral(", "))));
        if (m_showError)
            m_showError(text);
        else
            QMessageBox::critical(m_window, QCoreApplication::applicationName(), text);
        return;
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
