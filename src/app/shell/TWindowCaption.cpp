#include "app/shell/TWindowCaption.h"

#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "editor/document/Document.h"

#include <QWidget>

TWindowCaption::TWindowCaption(PageCommands *pages, QWidget *window, QObject *parent)
    : QObject(parent), m_pages(pages), m_window(window)
{
    connect(pages, &PageCommands::PageCreated, this, &TWindowCaption::watch);
    connect(pages, &PageCommands::ActivePageChanged, this, &TWindowCaption::refresh);
    connect(pages, &PageCommands::PageCountChanged, this, &TWindowCaption::refresh);
    refresh();
}

QString TWindowCaption::CaptionOf(const TTabSheet *page)
{
    const QString program = QStringLiteral("Quorvel Tosk");
    if (!page)
        return program;
    const Document *doc = page->Doc();
    const QString name = doc && doc->HasFile() ? doc->FileName() : page->Caption();
    const bool modified = doc && doc->Modified();
    return program + QStringLiteral(" - ") + (modified ? QStringLiteral("*") : QString()) + name;
}

void TWindowCaption::watch(TTabSheet *page)
{
    connect(page, &TTabSheet::CaptionChanged, this, &TWindowCaption::refresh);
    if (Document *doc = page->Doc()) {
        connect(doc, &Document::ModifiedChanged, this, &TWindowCaption::refresh);
        connect(doc, &Document::SignatureChanged, this, &TWindowCaption::refresh);
    }
    refresh();
}

void TWindowCaption::refresh()
{
    const QString caption = CaptionOf(m_pages->ActivePage());
    if (m_window->windowTitle() != caption)
        m_window->setWindowTitle(caption);
}
