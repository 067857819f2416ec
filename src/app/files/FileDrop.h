#pragma once

#include <functional>
#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;
class TTabSheet;

// Files dropped on the window from a file manager open as pages, in the order given.
// Watches the window and every editor: a drop of files onto an editor opens them instead
// of pasting their names; a drop of text stays the editor's own.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    // `open` receives the dropped files' paths once the drop has finished.
    FileDrop(QWidget *window, std::function<void(const QStringList &)> open, QObject *parent = nullptr);

    void WatchPage(TTabSheet *page);

    // The local files (not folders) the data names, in order; empty for anything else.
    static QStringList LocalFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    std::function<void(const QStringList &)> m_open;
};
