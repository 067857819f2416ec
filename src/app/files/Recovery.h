#pragma once

#include "app/files/RecoveryStore.h"

#include <functional>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>

class PageCommands;
class QTimer;
class RecoveryStore;
class TPrompts;
class TTabSheet;
class QWidget;

// Recovery copies of unsaved pages. A few seconds after typing pauses on a modified page,
// its text is copied into the recovery store: the text is taken from the editor in slices
// between events (a whole-text snapshot of 16 MB would hold the window for 30 ms), started
// over when the text changes meanwhile, then encoded and written on a worker thread. A copy
// goes when its page is saved, reloaded or closed. At start, copies left by an instance
// that is no longer running are offered; ended by a signal or a logout, the program writes
// every unsaved page's copy at once and keeps them for the next start.
class Recovery : public QObject
{
    Q_OBJECT
public:
    enum class Choice { Restore, Discard, Later };
    // Asks whether to restore `count` texts; Later (the box closed) keeps them for next time.
    using Ask = std::function<Choice(QWidget *window, int count)>;

    Recovery(PageCommands *pages, TPrompts *prompts, QWidget *window, QObject *parent = nullptr);
    ~Recovery() override;

    // Where copies go; nothing is kept without an open store (the tests' windows).
    void SetStore(RecoveryStore *store);
    RecoveryStore *Store() const { return m_store; }
    // How long typing must pause before a copy is taken (3 s).
    void SetPauseMs(int ms) { m_pauseMs = ms; }
    void SetAsk(Ask ask) { m_ask = std::move(ask); }
    // The real question: "Nalezeny neuložené texty z minulého spuštění (n)." with "Obnovit"
    // (the default) and "Zahodit".
    static Choice AskDialog(QWidget *window, int count);

    // Every page of the window, from its creation (PageCommands::PageCreated).
    void WatchPage(TTabSheet *page);

    // At start: offers the copies that ended instances left; restored copies open as
    // modified pages with their paths and captions, the last one active. Returns how many.
    int OfferLeftCopies();
    // Ending without questions (a signal, a logout): writes the copy of every unsaved page
    // now, on this thread, and keeps all copies. Nothing is removed afterwards.
    void WriteAllNow();
    // The window closed after the close query: every page was saved or let go by the user,
    // so every copy goes, with the instance's folder.
    void DiscardAll();

    // A copy is being taken or written.
    bool Busy() const;

signals:
    void CopyWritten(TTabSheet *page);
    void CopyRemoved(TTabSheet *page);

private:
    struct PageState
    {
        QPointer<TTabSheet> page;
        QTimer *pause = nullptr;
        int id = 0;          // the copy's number, 0 before the first
        quint64 changes = 0; // edits of the text so far
        quint64 copied = 0;  // `changes` when the copy on disk was taken
        bool onDisk = false; // a copy is (or is being) written
    };
    struct Snapshot
    {
        PageState *state = nullptr;
        QString text;
        int pos = 0;
        int total = 0;
        quint64 changesAtStart = 0;
    };

    void textChanged(PageState *state);
    void modifiedChanged(PageState *state, bool modified);
    void pageGone(TTabSheet *page);
    void schedule(PageState *state);
    void sliceStep();
    void abandonSnapshot(PageState *state);
    void snapshotDone();
    void removeCopy(PageState *state);
    // The page's record as it is now, without its text.
    RecoveryCopy recordFor(PageState *state) const;
    QString cannotKeepText(const QString &problem) const;
    void tellCannotKeep(const QString &problem);

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
    RecoveryStore *m_store = nullptr;
    Ask m_ask;
    int m_pauseMs = 3000;
    bool m_ending = false; // no more copies taken or removed
    bool m_kept = false;   // WriteAllNow ran: the copies stay for the next start
    bool m_toldCannotKeep = false;
    QHash<TTabSheet *, PageState *> m_states;
    QList<QPointer<TTabSheet>> m_waiting;
    Snapshot m_snapshot;
    QTimer *m_slice;
    QThreadPool m_writer; // one thread: writes and removals keep their order
    int m_pendingWrites = 0;
};
