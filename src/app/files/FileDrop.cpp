#include "app/files/FileDrop.h"

#include "app/pages/TPageControl.h"
#include "editor/view/TRxRichEdit.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget *window, std::function<void(const QStringList &)> open, QObject *parent)
    : QObject(parent), m_open(std::move(open))
{
    setObjectName(QStringLiteral("FileDrop"));
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

void FileDrop::WatchPage(TTabSheet *page)
{
    if (page && page->Editor())
        page->Editor()->viewport()->installEventFilter(this);
}

QStringList FileDrop::LocalFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!QFileInfo(path).isDir())
            files << path;
    }
    return files;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *e)
{
    switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(e);
        if (LocalFiles(drag->mimeData()).isEmpty())
            break; // text and everything else: the editor's own drop
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(e);
        const QStringList files = LocalFiles(drop->mimeData());
        if (files.isEmpty())
            break;
        drop->acceptProposedAction();
        // Opened after the drop has returned: the file manager is not kept waiting by a
        // long load or an error box.
        QMetaObject::invokeMethod(
            this, [this, files] { m_open(files); }, Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}
