#include "about/THelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Nápověda – Quorvel Tosk"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setOpenExternalLinks(true); // web and mail links: QDesktopServices
    m_browser->document()->setDocumentMargin(12);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 600);
}

bool THelpWindow::ShowGuide(const QString &file, const QList<HelpGuide::KeyRow> &keys)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html =
        HelpGuide::WithKeys(QString::fromUtf8(f.readAll()), keys, tr("Příkaz"), tr("Klávesy"));
    // Pictures and other pages of the guide are found beside it.
    m_browser->setSearchPaths({QFileInfo(file).absolutePath()});
    m_browser->document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    m_browser->setHtml(html);
    return true;
}

void THelpWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
