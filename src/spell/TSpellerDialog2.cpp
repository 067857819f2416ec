#include "spell/TSpellerDialog2.h"

#include "spell/TMisspellingEdit.h"
#include "spell/TSpellChecker.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int MaxDictionaryWord = 64; // longer words cannot be skipped always or added

} // namespace

TSpellerDialog2::TSpellerDialog2(TSpellChecker *checker, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_checker(checker)
{
    setObjectName(QStringLiteral("SpellerDialog2"));
    setWindowTitle(tr("Kontrola pravopisu"));
    setModal(false);

    InfoMsg = new QLabel(this);
    Misspelling = new TMisspellingEdit(this);
    Misspelling->setMinimumSize(302, 73);
    InfoMsg->setBuddy(Misspelling);
    Label2 = new QLabel(tr("&Možnosti"), this);
    Variants = new QListWidget(this);
    Variants->setMinimumSize(196, 122);
    Label2->setBuddy(Variants);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setMinimumWidth(99);
        return b;
    };
    ChangeButton = button(tr("Zaměnit"), "ChangeButton");
    DelButton = button(tr("&Odstranit"), "DelButton");
    StartButton = button(tr("Začít"), "StartButton");
    ChangeAllButton = button(tr("Zaměňovat"), "ChangeAllButton");
    SkipButton = button(tr("&Přeskočit"), "SkipButton");
    SkipAllButton = button(tr("Př&eskakovat"), "SkipAllButton");
    AddButton = button(tr("Přid&at"), "AddButton");
    CancelButton = button(tr("Storno"), "CancelButton");
    CancelButton->setMinimumWidth(70);
    CancelEdit = button(tr("Zpět poslední"), "CancelEdit");
    CancelEdit->setMinimumWidth(119);
    ChangeButton->setDefault(true);
    DelButton->hide();
    StartButton->hide();
    CancelEdit->hide();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 8, 6);
    grid->setHorizontalSpacing(7);
    grid->addWidget(InfoMsg, 0, 0, 1, 2);
    grid->addWidget(Misspelling, 1, 0, 1, 2);
    grid->addItem(new QSpacerItem(0, 8), 2, 0);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(Variants, 4, 0, 6, 1);
    // "Zaměnit", "Odstranit" and "Začít" share one place; the one shown lies on top.
    grid->addWidget(ChangeButton, 4, 1);
    grid->addWidget(DelButton, 4, 1);
    grid->addWidget(StartButton, 4, 1);
    grid->addWidget(ChangeAllButton, 5, 1);
    grid->addItem(new QSpacerItem(0, 12), 6, 1);
    grid->addWidget(SkipButton, 7, 1);
    grid->addWidget(SkipAllButton, 8, 1);
    grid->setRowStretch(9, 1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(7);
    bottom->addWidget(CancelButton);
    bottom->addWidget(CancelEdit);
    bottom->addStretch();
    grid->addLayout(bottom, 10, 0);
    grid->addWidget(AddButton, 10, 1);
    grid->setSizeConstraint(QLayout::SetMinimumSize);
    StartButton->raise();
    const QList<QWidget *> order = {Misspelling, Variants,      ChangeButton, DelButton,    ChangeAllButton,
                                    SkipButton,  SkipAllButton, AddButton,    CancelButton, CancelEdit};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(ChangeButton, &QPushButton::clicked, this, &TSpellerDialog2::ChangeButtonClick);
    connect(DelButton, &QPushButton::clicked, this, &TSpellerDialog2::DelButtonClick);
    connect(StartButton, &QPushButton::clicked, this, &TSpellerDialog2::StartButtonClick);
    connect(ChangeAllButton, &QPushButton::clicked, this, &TSpellerDialog2::ChangeAllButtonClick);
    connect(SkipButton, &QPushButton::clicked, this, &TSpellerDialog2::SkipButtonClick);
    connect(SkipAllButton, &QPushButton::clicked, this, &TSpellerDialog2::SkipAllButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TSpellerDialog2::AddButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TSpellerDialog2::CancelButtonClick);
    connect(CancelEdit, &QPushButton::clicked, this, &TSpellerDialog2::CancelEditClick);
    connect(Misspelling, &TMisspellingEdit::Edited, this, &TSpellerDialog2::MisspellingChange);
    connect(Variants, &QListWidget::itemDoubleClicked, this, &TSpellerDialog2::VariantsDblClick);
}

QString TSpellerDialog2::selectedSuggestion() const
{
    const QListWidgetItem *item = Variants->currentItem();
    return item ? item->text() : QString();
}

bool TSpellerDialog2::hasSelectedSuggestion() const
{
    return Variants->currentItem() != nullptr && Variants->count() > 0;
}

void TSpellerDialog2::ShowError(int code, const QString &message, DisplayMode mode,
                                const QStringList &suggestions, const QString &line, int errorStart,
                                int errorLength, const QString &errorWord)
{
    m_code = code;
    m_errorWord = errorWord;
    m_edited = false;
    m_deactivated = false;

    Misspelling->setEnabled(true);
    Misspelling->SetLine(line, errorStart, errorLength);
    InfoMsg->setEnabled(true);
    InfoMsg->setText(message);
    StartButton->hide();
    CancelEdit->hide();

    Variants->clear();
    const bool any = mode == dmWord && !suggestions.isEmpty();
    switch (mode) {
    case dmWord:
        ChangeButton->show();
        ChangeButton->setEnabled(any);
        DelButton->hide();
        ChangeAllButton->setEnabled(any && (code == 1 || code == 3));
        SkipButton->setEnabled(true);
        SkipAllButton->setEnabled(code == 1 && errorWord.size() <= MaxDictionaryWord);
        AddButton->setEnabled(SkipAllButton->isEnabled());
        Variants->addItems(suggestions);
        if (any)
            Variants->setCurrentRow(0);
        Variants->setEnabled(any);
        Label2->setEnabled(any);
        break;
    case dmNoSuggestion:
        ChangeButton->show();
        ChangeButton->setEnabled(false);
        DelButton->hide();
        ChangeAllButton->setEnabled(false);
        SkipButton->setEnabled(true);
        SkipAllButton->setEnabled(false);
        AddButton->setEnabled(false);
        Variants->setEnabled(false);
        break;
    case dmRepeatedWord:
        ChangeButton->hide();
        DelButton->show();
        DelButton->setEnabled(true);
        ChangeAllButton->setEnabled(false);
        SkipButton->show();
        SkipButton->setEnabled(true);
        SkipAllButton->setEnabled(false);
        AddButton->setEnabled(false);
        Variants->setEnabled(false);
        break;
    }
}

// ---- the user's edit of the error ----

void TSpellerDialog2::MisspellingChange()
{
    if (m_deactivated)
        return;
    m_edited = true;
    CancelEdit->show();
    ChangeButton->show();
    ChangeButton->setEnabled(true);
    ChangeAllButton->setEnabled(false);
    SkipAllButton->setEnabled(false);
    AddButton->setEnabled(false);
    Variants->setEnabled(false);
    DelButton->hide();
}

void TSpellerDialog2::CancelEditClick()
{
    Misspelling->RestoreError(m_errorWord);
    m_edited = false;
    CancelEdit->hide();
    const bool selected = hasSelectedSuggestion();
    switch (m_code) {
    case 11:
        DelButton->show();
        DelButton->setEnabled(true);
        ChangeButton->hide();
        SkipButton->show();
        ChangeAllButton->setEnabled(false);
        SkipAllButton->setEnabled(false);
        AddButton->setEnabled(false);
        break;
    case 6:
    case 13:
    case 14:
        ChangeButton->show();
        ChangeButton->setEnabled(false);
        SkipButton->setEnabled(true);
        DelButton->hide();
        ChangeAllButton->setEnabled(false);
        SkipAllButton->setEnabled(false);
        AddButton->setEnabled(false);
        Variants->setEnabled(false);
        break;
    default:
        DelButton->hide();
        ChangeButton->show();
        ChangeButton->setEnabled(selected);
        SkipButton->setEnabled(true);
        SkipAllButton->setEnabled(m_code == 1);
        AddButton->setEnabled(m_code == 1);
        Variants->setEnabled(selected);
        ChangeAllButton->setEnabled(selected && (m_code == 1 || m_code == 3));
        break;
    }
    Misspelling->setFocus();
}

// ---- commands ----

void TSpellerDialog2::ChangeButtonClick()
{
    if (m_edited)
        m_checker->Change(Misspelling->EditedText(), true);
    else if (hasSelectedSuggestion())
        m_checker->Change(selectedSuggestion(), false);
}

void TSpellerDialog2::VariantsDblClick()
{
    if (ChangeButton->isVisible() && ChangeButton->isEnabled())
        ChangeButtonClick();
}

void TSpellerDialog2::ChangeAllButtonClick()
{
    if (hasSelectedSuggestion())
        m_checker->ChangeAll(selectedSuggestion());
}

void TSpellerDialog2::DelButtonClick()
{
    m_checker->Delete();
}

void TSpellerDialog2::SkipButtonClick()
{
    m_checker->Skip();
}

void TSpellerDialog2::SkipAllButtonClick()
{
    m_checker->SkipAll();
}

void TSpellerDialog2::AddButtonClick()
{
    m_checker->Add();
}

void TSpellerDialog2::CancelButtonClick()
{
    m_checker->Cancel();
}

void TSpellerDialog2::StartButtonClick()
{
    // Nothing to restart: the user ends the check or starts a new one.
    StartButton->hide();
}

void TSpellerDialog2::reject()
{
    CancelButtonClick();
}

void TSpellerDialog2::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (isVisible())
        m_checker->Cancel();
}

// ---- focus ----

void TSpellerDialog2::Deactivate()
{
    m_deactivated = true;
    m_edited = false;
    StartButton->show();
    StartButton->raise();
    CancelEdit->hide();
    for (QWidget *w : {static_cast<QWidget *>(DelButton), static_cast<QWidget *>(ChangeButton),
                       static_cast<QWidget *>(ChangeAllButton), static_cast<QWidget *>(SkipButton),
                       static_cast<QWidget *>(SkipAllButton), static_cast<QWidget *>(AddButton),
                       static_cast<QWidget *>(Misspelling), static_cast<QWidget *>(Variants),
                       static_cast<QWidget *>(InfoMsg), static_cast<QWidget *>(Label2)})
        w->setEnabled(false);
    Variants->clear();
    Misspelling->ClearLine();
}

void TSpellerDialog2::checkDeactivation()
{
    // Only turning to another window of the program counts: a message box of the check
    // itself, or another application, leaves the error where it was.
    const QWidget *active = QApplication::activeWindow();
    if (!isVisible() || m_deactivated || isActiveWindow() || !active || active == this
        || QApplication::activeModalWidget())
        return;
    Deactivate();
}

void TSpellerDialog2::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        if (m_deactivated)
            InfoMsg->setEnabled(true);
    } else {
        QTimer::singleShot(0, this, &TSpellerDialog2::checkDeactivation);
    }
}

void TSpellerDialog2::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_placed)
        return;
    m_placed = true;
    resize(minimumSizeHint().expandedTo(QSize(317, 288)));
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}
