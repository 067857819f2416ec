#include "app/commands/PageCommands.h"

#include "app/pages/TPageControl.h"
#include "editor/view/TCurrentLine.h"
#include "editor/view/TLineNumberArea.h"
#include "editor/view/TRxRichEdit.h"

#include <QMenu>

PageCommands::PageCommands(TPageControl *pages, TRxRichEdit *templateEditor, QMenu *pageMenu,
                           std::function<bool(QKeyCombination)> windowKeys, QObject *parent)
    : QObject(parent), m_pages(pages), m_template(templateEditor), m_pageMenu(pageMenu),
      m_windowKeys(std::move(windowKeys))
{
    setObjectName(QStringLiteral("PageCommands"));
    connect(m_pages, &TPageControl::ActivePageChanged, this, [this](TTabSheet *page) {
        if (page && page->Editor() && page->window()->isVisible())
            page->Editor()->setFocus();
        emit ActivePageChanged(page);
    });
}

TTabSheet *PageCommands::ActivePage() const
{
    return m_pages->ActivePage();
}

TRxRichEdit *PageCommands::ActiveEditor() const
{
    TTabSheet *page = ActivePage();
    return page ? page->Editor() : nullptr;
}

TTabSheet *PageCommands::CreatePage(const QString &caption)
{
    auto *page = new TTabSheet;
    page->SetCaption(caption);
    auto *editor = new TRxRichEdit(page->Doc());
    page->SetEditor(editor);
    SetupEditor(editor);
    m_pages->AddPage(page);
    emit PageCreated(page);
    emit PageCountChanged(m_pages->PageCount());
    return page;
}

void PageCommands::SetupEditor(TRxRichEdit *editor)
{
    editor->SetWordWrap(m_template->WordWrap());
    TLineNumberArea::SetShown(editor, TLineNumberArea::Shown(m_template));
    TCurrentLine::SetShown(editor, TCurrentLine::Shown(m_template));
    editor->setFont(m_template->font());
    QPalette pal = editor->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, m_template->palette().color(group, QPalette::Base));
        pal.setColor(group, QPalette::Text, m_template->palette().color(group, QPalette::Text));
    }
    editor->setPalette(pal);
    editor->SetWindowKeys(m_windowKeys);
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this, [this, editor](const QPoint &pos) {
        if (m_pageMenu)
            m_pageMenu->popup(editor->mapToGlobal(pos));
    });
}

void PageCommands::DiscardPage(TTabSheet *page, TTabSheet *previous)
{
    m_pages->DeletePage(page);
    if (previous && m_pages->IndexOf(previous) >= 0)
        m_pages->SetActivePage(previous);
    emit PageCountChanged(m_pages->PageCount());
}

void PageCommands::CloseActivePage()
{
    TTabSheet *page = ActivePage();
    if (!page)
        return;
    const int index = m_pages->IndexOf(page);
    m_pages->DeletePage(page);
    const int count = m_pages->PageCount();
    if (count > 0) // the page before the closed one; the last when the first was closed
        m_pages->SetActivePageIndex(index > 0 ? index - 1 : count - 1);
    emit PageCountChanged(count);
}

QString PageCommands::TakeUntitledCaption(const QString &caption)
{
    const QString stem = tr("bezejmenný");
    for (int i = 0; i < m_pages->PageCount(); ++i) {
        if (m_pages->Page(i)->Caption() == caption)
            return stem + QString::number(++m_untitledCount);
    }
    if (caption.startsWith(stem)) {
        bool number = false;
        const int n = QStringView(caption).mid(stem.size()).toInt(&number);
        if (number && n > m_untitledCount)
            m_untitledCount = n;
    }
    return caption;
}

void PageCommands::mmNewClick()
{
    ++m_untitledCount;
    const QString name = tr("bezejmenný") + QString::number(m_untitledCount);
    TTabSheet *page = CreatePage(name);
    page->Doc()->SetUntitled(name);
    m_pages->SetActivePage(page);
    page->Editor()->setFocus();
}

void PageCommands::zalvpred1Click()
{
    if (m_pages->PageCount() > 1)
        m_pages->SetActivePage(m_pages->FindNextPage(ActivePage(), true));
}

void PageCommands::zalzpet1Click()
{
    if (m_pages->PageCount() > 1)
        m_pages->SetActivePage(m_pages->FindNextPage(ActivePage(), false));
}
