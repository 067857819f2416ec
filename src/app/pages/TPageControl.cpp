#include "app/pages/TPageControl.h"

#include "app/pages/TPageBar.h"
#include "app/pages/TTabStrip.h"
#include "editor/view/TRxRichEdit.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QStackedWidget>
#include <QToolTip>
#include <QVBoxLayout>

TTabSheet::TTabSheet(QWidget *parent) : QWidget(parent)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_document = new Document(this);
    connect(m_document, &Document::ModifiedChanged, this,
            [this](bool modified) { setImageIndex(modified ? 0 : -1); });
}

TTabSheet::~TTabSheet()
{
    // The editor goes first: it must never show a document already freed.
    delete m_editor;
}

void TTabSheet::SetEditor(TRxRichEdit *editor)
{
    Q_ASSERT(editor->Doc() == m_document);
    m_editor = editor;
    editor->setParent(this);
    m_layout->addWidget(editor);
}

void TTabSheet::AddBar(TPageBar *bar)
{
    bar->setParent(this);
    // Above the editor, below the bars already there.
    const int editorAt = m_editor ? m_layout->indexOf(m_editor) : m_layout->count();
    m_layout->insertWidget(editorAt < 0 ? 0 : editorAt, bar);
    bar->show();
}

QList<TPageBar *> TTabSheet::Bars() const
{
    return findChildren<TPageBar *>(QString(), Qt::FindDirectChildrenOnly);
}

QString TTabSheet::Hint() const
{
    return m_document->FileName();
}

void TTabSheet::SetCaption(const QString &caption)
{
    m_caption = caption;
    emit CaptionChanged(this);
}

void TTabSheet::setImageIndex(int index)
{
    if (m_imageIndex == index)
        return;
    m_imageIndex = index;
    emit ImageIndexChanged(this);
}

TPageControl::TPageControl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageControl1"));
    m_strip = new TTabStrip(this);
    m_stack = new QStackedWidget(this);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_strip);
    m_layout->addWidget(m_stack, 1);
    m_strip->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_strip, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit TabContextMenuRequested(m_strip->mapToGlobal(pos)); });
    connect(m_strip, &TTabStrip::currentChanged, this, [this](int index) {
        m_stack->setCurrentIndex(index);
        emit ActivePageChanged(ActivePage());
    });
    m_strip->setTabsClosable(true);
    connect(m_strip, &TTabStrip::tabCloseRequested, this, [this](int index) {
        if (TTabSheet *page = Page(index))
            emit PageCloseRequested(page);
    });
    m_strip->installEventFilter(this); // tooltips, asked for when shown: the path may change
}

QString TPageControl::TabToolTip(int index) const
{
    const TTabSheet *page = Page(index);
    const Document *doc = page ? page->Doc() : nullptr;
    if (!doc || !doc->HasFile())
        return {};
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(doc->FileName()).absoluteFilePath()));
}

bool TPageControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_strip && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int index = m_strip->tabAt(help->pos());
        const bool onClose = m_strip->closeButtonAt(help->pos()) >= 0;
        const QString tip = onClose ? tr("Zavřít") : TabToolTip(index);
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, m_strip,
                               onClose ? m_strip->tabCloseRect(index) : m_strip->tabRect(index));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int TPageControl::PageCount() const
{
    return int(m_pages.size());
}

TTabSheet *TPageControl::Page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

int TPageControl::IndexOf(const TTabSheet *page) const
{
    return int(m_pages.indexOf(const_cast<TTabSheet *>(page)));
}

TTabSheet *TPageControl::ActivePage() const
{
    return Page(m_strip->currentIndex());
}

int TPageControl::ActivePageIndex() const
{
    return m_strip->currentIndex();
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    SetActivePageIndex(IndexOf(page));
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_strip->setCurrentIndex(index);
}

void TPageControl::AddPage(TTabSheet *page)
{
    m_pages.append(page);
    m_stack->addWidget(page);
    m_strip->addTab(page->Caption());
    syncTab(page);
    connect(page, &TTabSheet::CaptionChanged, this, &TPageControl::syncTab);
    connect(page, &TTabSheet::ImageIndexChanged, this, &TPageControl::syncTab);
}

void TPageControl::DeletePage(TTabSheet *page)
{
    const int index = IndexOf(page);
    if (index < 0)
        return;
    m_pages.removeAt(index);
    m_stack->removeWidget(page);
    delete page;
    // The strip emits currentChanged for the tab it selects next.
    m_strip->removeTab(index);
    if (m_pages.isEmpty())
        emit ActivePageChanged(nullptr);
}

TTabSheet *TPageControl::FindNextPage(TTabSheet *from, bool forward) const
{
    if (m_pages.isEmpty())
        return nullptr;
    const int n = int(m_pages.size());
    int index = IndexOf(from);
    if (index < 0)
        index = forward ? n - 1 : 0;
    return m_pages.at(((forward ? index + 1 : index - 1) + n) % n);
}

void TPageControl::SetTabsAtBottom(bool bottom)
{
    if (m_atBottom == bottom)
        return;
    m_atBottom = bottom;
    m_layout->removeWidget(m_strip);
    m_layout->insertWidget(bottom ? 1 : 0, m_strip);
    m_strip->setAtBottom(bottom);
}

bool TPageControl::TabsAtBottom() const
{
    return m_atBottom;
}

void TPageControl::SetMultiLine(bool on)
{
    m_strip->setMultiLine(on);
}

bool TPageControl::MultiLine() const
{
    return m_strip->multiLine();
}

void TPageControl::syncTab(TTabSheet *page)
{
    const int index = IndexOf(page);
    if (index < 0)
        return;
    m_strip->setTabText(index, page->Caption());
    m_strip->setTabIcon(index, page->ImageIndex() == 0 ? m_marker : QIcon());
}
