#include "konverze/TfrmKonverze.h"

#include "text/Cp1250.h"
#include "editor/document/Document.h"
#include "editor/view/TEditorEdits.h"
#include "editor/view/TRxRichEdit.h"
#include "text/Konverze.h"
#include "text/KonverzeText.h"
#include "konverze/TKonverzePreview.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The original layout's pixel sizes were for an 8-point dialog font 13 pixels high;
// scale them to the font in use.
int scaled(const QWidget *w, int pixels)
{
    return qRound(pixels * w->fontMetrics().height() / 13.0);
}

} // namespace

TfrmKonverze::TfrmKonverze(TRxRichEdit *editor, QWidget *parent) : QDialog(parent), m_editor(editor)
{
    setWindowTitle(tr("Konverze"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    GroupBox1 = new QGroupBox(tr("Konverze"), this);
    Label1 = new QLabel(tr("Z:"), GroupBox1);
    Label2 = new QLabel(tr("Do:"), GroupBox1);
    lstZdroj = new QListWidget(GroupBox1);
    lstZdroj->addItems({tr("Windows 1250"), tr("Kamenický"), tr("Latin 2"), tr("ISO 8859-2")});
    lstCil = new QListWidget(GroupBox1);
    lstCil->addItems({tr("Windows 1250"), tr("Kamenický"), tr("Latin 2"), tr("ISO 8859-2"), tr("ASCII")});
    for (QListWidget *list : {lstZdroj, lstCil}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFixedSize(scaled(this, 113), scaled(this, 89));
    }
    Label1->setBuddy(lstZdroj);
    Label2->setBuddy(lstCil);
    btnKonvert = new QPushButton(tr("&Konvertovat"), GroupBox1);
    btnKonvert->setDefault(true);
    btnKonvert->setAutoDefault(true);
    btnStorno = new QPushButton(tr("Storno"), GroupBox1);
    btnStorno->setAutoDefault(false);

    auto *grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(lstZdroj, 1, 0, 3, 1);
    grid->addWidget(lstCil, 1, 1, 3, 1);
    grid->addWidget(btnKonvert, 1, 2);
    grid->addWidget(btnStorno, 2, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnMinimumWidth(2, scaled(this, 75));

    // The check box stands where the preview frame's caption would, outside the frame so
    // that it stays usable while the frame is disabled.
    CheckBox1 = new QCheckBox(tr("Náhled"), this);
    GroupBox2 = new QGroupBox(this);
    editPreview = new TKonverzePreview(GroupBox2);
    editPreview->setFixedSize(scaled(this, 329), scaled(this, 129));
    QSizePolicy keep = editPreview->sizePolicy();
    keep.setRetainSizeWhenHidden(true); // the frame keeps its size while the preview is off
    editPreview->setSizePolicy(keep);
    auto *previewLayout = new QVBoxLayout(GroupBox2);
    previewLayout->addWidget(editPreview);

    auto *main = new QVBoxLayout(this);
    main->addWidget(GroupBox1);
    main->addSpacing(scaled(this, 4));
    main->addWidget(CheckBox1);
    main->addWidget(GroupBox2, 1);
    main->setSizeConstraint(QLayout::SetFixedSize); // a dialog border, not resizable

    setTabOrder(lstZdroj, lstCil);
    setTabOrder(lstCil, btnKonvert);
    setTabOrder(btnKonvert, btnStorno);
    setTabOrder(btnStorno, editPreview);
    setTabOrder(editPreview, CheckBox1);

    FormCreate();

    connect(CheckBox1, &QCheckBox::toggled, this, &TfrmKonverze::CheckBox1Click);
    connect(lstZdroj, &QListWidget::currentRowChanged, this, &TfrmKonverze::lstZdrojClick);
    connect(lstCil, &QListWidget::currentRowChanged, this, &TfrmKonverze::lstCilClick);
    connect(btnKonvert, &QPushButton::clicked, this, &TfrmKonverze::btnKonvertClick);
    connect(btnStorno, &QPushButton::clicked, this, &TfrmKonverze::btnStornoClick);
}

void TfrmKonverze::FormCreate()
{
    lstZdroj->setCurrentRow(0);
    lstCil->setCurrentRow(0);
    CheckBox1->setChecked(false);
    GroupBox2->setEnabled(false);
    editPreview->setVisible(false);
    lstZdroj->setFocus();
}

int TfrmKonverze::Source() const
{
    return lstZdroj->currentRow() + 1;
}

int TfrmKonverze::Target() const
{
    return lstCil->currentRow() + 1;
}

int TfrmKonverze::pageSet() const
{
    const int set = m_editor && m_editor->Doc() ? TextFile::setOf(m_editor->Doc()->TextEncoding()) : 0;
    return set ? set : Konverze::Windows1250;
}

QString TfrmKonverze::ConvertedText(QStringView text, int source, int target)
{
    QByteArray bytes = Cp1250::encode(text.toString());
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    Prevest(static_cast<unsigned char>(source), static_cast<unsigned char>(target), bytes.data(),
            std::size_t(bytes.size()));
    return Cp1250::decode(bytes);
}

void TfrmKonverze::ObnovitNahled(int source, int target)
{
    if (!m_editor) {
        editPreview->Clear();
        return;
    }
    if (m_editor->Loading())
        m_editor->FinishLoad(); // the preview reads the document's lines as they come into view
    // Shown as the page's editor would show it.
    editPreview->setFont(m_editor->font());
    QPalette pal = editPreview->palette();
    const QPalette page = m_editor->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, page.color(QPalette::Active, QPalette::Base));
        pal.setColor(group, QPalette::Text, page.color(QPalette::Active, QPalette::Text));
    }
    editPreview->setPalette(pal);
    editPreview->ShowConverted(m_editor->document(), KonverzeText::Map(source, target, pageSet()));
}

void TfrmKonverze::CheckBox1Click()
{
    const bool on = CheckBox1->isChecked();
    GroupBox2->setEnabled(on);
    editPreview->setVisible(on);
    if (on)
        ObnovitNahled(Source(), Target());
    else
        editPreview->Clear();
}

void TfrmKonverze::lstZdrojClick()
{
    if (!editPreview->isHidden())
        ObnovitNahled(Source(), Target());
}

void TfrmKonverze::lstCilClick()
{
    if (!editPreview->isHidden())
        ObnovitNahled(Source(), Target());
}

void TfrmKonverze::btnKonvertClick()
{
    if (m_editor) {
        if (m_editor->Loading())
            m_editor->FinishLoad();
        // The document's raw text, its breaks still U+2029, spares a pass over 16 MB. Only
        // the lines that change are touched, each in place, all in one undo step; the
        // document keeps its lines. The page counts as changed afterwards unless nothing
        // changed at all.
        const QString text = m_editor->document()->toRawText();
        QString storage;
        QList<TextEdits::Edit> edits =
            KonverzeText::LineEdits(text, KonverzeText::Map(Source(), Target(), pageSet()), &storage);
        // A page already at the limit gets no final line break rather than losing a character.
        if (!edits.isEmpty() && edits.last().from == text.size() && text.size() >= TRxRichEdit::MaxLength)
            edits.removeLast();
        m_editor->SetSelStart(0); // no caret riding along with the edits
        ApplyEditsInPlace(m_editor, edits);
        m_editor->SetSelStart(0);
    }
    accept();
}

void TfrmKonverze::btnStornoClick()
{
    reject();
}
