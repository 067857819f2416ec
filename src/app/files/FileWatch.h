#pragma once

#include "text/FileSignature.h"

#include <functional>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;
class TPageBar;
class TPrompts;
class TTabSheet;

// Watches the files of the open pages. When another program changes or deletes a page's
// file, a bar above the page says so and offers what can be done; nothing happens without
// a click. Our own saves are told apart by the file's size, time and inode as the save left
// them (the document's signature), since the watcher's notice of our own rename can come
// after the save has returned. Notices are gathered for a moment, so a burst of writes
// raises one bar; a change while the bar is up updates it.
class FileWatch : public QObject
{
    Q_OBJECT
public:
    // What the bar of a deleted file needs from the file commands.
    struct Actions
    {
        // Writes the page's text back to its own path (the file is gone, so not Save As);
        // true when written.
        std::function<bool(TTabSheet *page)> saveInPlace;
        // Closes the page, asking first about unsaved changes when `ask`.
        std::function<void(TTabSheet *page, bool ask)> closePage;
    };

    FileWatch(TPrompts *prompts, QWidget *window, Actions actions, QObject *parent = nullptr);

    // Every page, from its creation; the page's file is followed through loads and saves.
    void WatchPage(TTabSheet *page);
    // How long notices are gathered before the file is looked at (150 ms).
    void SetSettleMs(int ms) { m_settleMs = ms; }

    // The bar shown above the page, or nullptr.
    TPageBar *BarOf(TTabSheet *page) const;
    QStringList WatchedPaths() const;

    // The bar's buttons.
    void Reload(TTabSheet *page); // "Načíst znovu"
    void Keep(TTabSheet *page);   // "Ponechat": no bar again until the file changes again

signals:
    void BarShown(TTabSheet *page);
    void Reloaded(TTabSheet *page);

private:
    enum class BarKind { None, Changed, Deleted };
    struct PageState
    {
        QPointer<TTabSheet> page;
        QString path; // absolute; empty while the page has no file
        QPointer<TPageBar> bar;
        BarKind kind = BarKind::None;
        bool keptSeen = false;
        FileSignature kept; // the file's state the user chose to keep the page against
        bool editedBeforeDeletion = false;
        QTimer *settle = nullptr;
    };

    void pathNoticed(const QString &path, bool isFolder);
    void check(PageState *state);
    void showChanged(PageState *state);
    void showDeleted(PageState *state);
    void fillChangedButtons(PageState *state);
    TPageBar *barFor(PageState *state, const QString &message);
    void dismiss(PageState *state);
    void pageGone(TTabSheet *page);
    void syncWatches();

    TPrompts *m_prompts;
    QWidget *m_window;
    Actions m_actions;
    QFileSystemWatcher m_watcher;
    QHash<TTabSheet *, PageState *> m_states;
    int m_settleMs = 150;
};
