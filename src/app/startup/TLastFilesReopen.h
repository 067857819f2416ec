#pragma once

#include <QObject>

class QTimer;
class TMainForm;
class TSettingsStore;

// A start without file arguments, with "Při spuštění znovu otevřít soubory z minula" on:
// the files of the last normal close open again, in their order, each with its caret, and
// the page that was active becomes active. It waits for the window's first paint, so the
// window shows before any file is read; each enters the recent files as a file named on the
// command line does. Files that are gone are named in one notice; a file
// whose page a recovery copy has just restored is not opened a second time.
class TLastFilesReopen : public QObject
{
    Q_OBJECT
public:
    // Made before the window is shown, so that its first paint is seen. Without a store
    // (a start with file arguments) nothing is reopened.
    TLastFilesReopen(TMainForm &form, TSettingsStore *store, QObject *parent = nullptr);
    ~TLastFilesReopen() override;

    // The start's own work is done (command line, recovery copies): the files open at the
    // first paint, or at once when the window was painted already. A window that is never
    // painted (started minimized) gets them after a few seconds.
    void Start();
    bool Done() const { return m_done; }

signals:
    // The walk is over; `opened` pages were made.
    void Reopened(int opened);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reopenSoon();
    void reopen();

    TMainForm &m_form;
    TSettingsStore *m_store;
    QTimer *m_fallback;
    bool m_painted = false;
    bool m_started = false;
    bool m_done = false;
};
