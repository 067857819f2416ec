#include "editor/search/TSearchDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSearchDialog::TSearchDialog(Kind kind, QWidget *parent) : QDialog(parent), m_kind(kind)
{
    setWindowTitle(kind == Find ? tr("Najít") : tr("Zaměnit"));
    setModal(false);
    setSizeGripEnabled(false);

    auto *fields = new QGridLayout;
    auto *searchLabel = new QLabel(tr("&Najít:"), this);
    edtSearch = new QLineEdit(this);
    edtSearch->setMaxLength(MaxTextLength);
    edtSearch->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    searchLabel->setBuddy(edtSearch);
    fields->addWidget(searchLabel, 0, 0);
    fields->addWidget(edtSearch, 0, 1);
    if (kind == Replace) {
        auto *replaceLabel = new QLabel(tr("Zaměnit &za:"), this);
        edtReplace = new QLineEdit(this);
        edtReplace->setMaxLength(MaxTextLength);
        replaceLabel->setBuddy(edtReplace);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(edtReplace, 1, 1);
    }

    chkWholeWord = new QCheckBox(tr("Pouze &celá slova"), this);
    chkMatchCase = new QCheckBox(tr("&Rozlišovat malá a velká písmena"), this);
    auto *options = new QVBoxLayout;
    options->addWidget(chkWholeWord);
    options->addWidget(chkMatchCase);

    auto *below = new QHBoxLayout;
    below->addLayout(options);
    if (kind == Find) {
        auto *direction = new QGroupBox(tr("Směr"), this);
        rbUp = new QRadioButton(tr("Nahor&u"), direction);
        rbDown = new QRadioButton(tr("Do&lů"), direction);
        rbDown->setChecked(true);
        auto *dirLayout = new QHBoxLayout(direction);
        dirLayout->addWidget(rbUp);
        dirLayout->addWidget(rbDown);
        below->addWidget(direction);
    }

    lblHits = new QLabel(this);
    lblHits->setObjectName(QStringLiteral("lblHits"));
    lblHits->setTextFormat(Qt::PlainText);
    lblHits->setMinimumHeight(lblHits->fontMetrics().height()); // the dialog keeps its size

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(below);
    left->addWidget(lblHits);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    btnFindNext = new QPushButton(tr("Najít &další"), this);
    btnFindNext->setDefault(true);
    buttons->addWidget(btnFindNext);
    if (kind == Replace) {
        btnReplace = new QPushButton(tr("Za&měnit"), this);
        btnReplaceAll = new QPushButton(tr("Zaměnit &vše"), this);
        buttons->addWidget(btnReplace);
        buttons->addWidget(btnReplaceAll);
        connect(btnReplace, &QPushButton::clicked, this, [this] {
            lblMessage->clear();
            emit ReplaceClicked(this);
        });
        connect(btnReplaceAll, &QPushButton::clicked, this, [this] {
            lblMessage->clear();
            emit ReplaceAllClicked(this);
        });
    }
    btnCancel = new QPushButton(tr("Storno"), this);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    connect(btnFindNext, &QPushButton::clicked, this, [this] {
        lblMessage->clear();
        emit FindNextClicked(this);
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().height()); // the dialog keeps its size

    auto *main = new QHBoxLayout;
    main->addLayout(left, 1);
    main->addLayout(buttons);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(main);
    outer->addWidget(lblMessage);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(edtSearch, &QLineEdit::textChanged, lblMessage, &QLabel::clear);
    connect(edtSearch, &QLineEdit::textChanged, this, &TSearchDialog::updateButtons);
    updateButtons();
}

QString TSearchDialog::SearchText() const
{
    return edtSearch->text();
}

void TSearchDialog::SetSearchText(const QString &text)
{
    edtSearch->setText(text.left(MaxTextLength));
}

QString TSearchDialog::ReplaceText() const
{
    return edtReplace ? edtReplace->text() : QString();
}

void TSearchDialog::SetReplaceText(const QString &text)
{
    if (edtReplace)
        edtReplace->setText(text.left(MaxTextLength));
}

bool TSearchDialog::MatchCase() const
{
    return chkMatchCase->isChecked();
}

void TSearchDialog::SetMatchCase(bool on)
{
    chkMatchCase->setChecked(on);
}

bool TSearchDialog::WholeWord() const
{
    return chkWholeWord->isChecked();
}

void TSearchDialog::SetWholeWord(bool on)
{
    chkWholeWord->setChecked(on);
}

bool TSearchDialog::Down() const
{
    return !rbDown || rbDown->isChecked();
}

void TSearchDialog::SetDown(bool down)
{
    if (rbDown)
        (down ? rbDown : rbUp)->setChecked(true);
}

void TSearchDialog::ShowMessage(const QString &text)
{
    lblMessage->setText(text);
}

QString TSearchDialog::Message() const
{
    return lblMessage->text();
}

void TSearchDialog::ShowHits(const QString &text)
{
    lblHits->setText(text);
}

QString TSearchDialog::Hits() const
{
    return lblHits->text();
}

void TSearchDialog::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    emit Closed(this);
}

// Searching for nothing finds nothing: the buttons that search wait for a text.
void TSearchDialog::updateButtons()
{
    const bool any = !edtSearch->text().isEmpty();
    btnFindNext->setEnabled(any);
    if (btnReplace)
        btnReplace->setEnabled(any);
    if (btnReplaceAll)
        btnReplaceAll->setEnabled(any);
}
