#pragma once

#include "app/shell/TKeyboardLocks.h"

#include <functional>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QLabel;
class QStatusBar;
class QWidget;
class TRxRichEdit;

// The seven panels of the main window's status bar and what keeps them current: the
// caret panels from the editors' selection events, the key panels and the hint panel at
// idle moments. An idle moment is the end of a burst of input events: an application
// event filter notes input and a zero timer runs once the event queue is empty, so
// nothing runs while the user does nothing.
class TStatusPanels : public QObject
{
    Q_OBJECT
public:
    static constexpr int PanelCount = 7;

    // Fills `bar` with the panels; `window` is the main window whose menus and widgets
    // feed the hint panel. `activeEditor` gives the editor whose insert mode panel 4 shows.
    TStatusPanels(QStatusBar *bar, QWidget *window, std::function<TRxRichEdit *()> activeEditor);
    ~TStatusPanels() override;

    QString PanelText(int panel) const; // panel 1..7
    QLabel *Panel(int panel) const;

    void ShowCaret(TRxRichEdit *editor); // panels 1-3 from the editor's selection start
    // Follows the caret of a new page's editor: the panels show the values of the editor
    // that raised the event, and keep them across a page switch.
    void WatchPage(class TTabSheet *page);
    void UpdateKeyPanels();                 // panels 4-6
    void ShowHint(const QString &longHint); // panel 7
    void ScheduleIdle();                    // run the idle update once the queue is empty

    // A short message of a command ("Nenalezeno") in panel 7, held there for a while before
    // hints take the panel back. False (nothing shown) while the status bar is hidden.
    bool ShowMessage(const QString &text);
    bool MessageShown() const { return m_messageHold.isActive(); }
    void SetMessageHold(int ms) { m_messageHold.setInterval(ms); } // 3 s; tests shorten it

    // The long hint a widget shows: the first non-empty hint of the widget or of its
    // parents in turn (a page's hint is its file identity), after the first "|".
    static QString HintOf(const QWidget *widget);

    // Tests replace the keyboard with a fake.
    void SetLockReader(std::function<TKeyboardLocks()> reader) { m_readLocks = std::move(reader); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void idle();
    void setPanel(int panel, const QString &text);
    bool belongsToWindow(const QObject *object) const;

    QLabel *m_panels[PanelCount] = {};
    QStatusBar *m_bar;
    QTimer m_messageHold;
    QString m_heldHint; // the hint that came while a message held the panel
    QPointer<QWidget> m_window;
    std::function<TRxRichEdit *()> m_activeEditor;
    std::function<TKeyboardLocks()> m_readLocks = ReadKeyboardLocks;
    QTimer m_idle;
    // Caret panels waiting for the editor to count its display lines.
    // The first try may take a few milliseconds; retries run between events beside the
    // editor's own background counting, so they stay short.
    static constexpr int CaretBudgetMs = 8;
    static constexpr int RetryBudgetMs = 2;
    QPointer<TRxRichEdit> m_pendingCaret;
    QTimer m_caretRetry;
};
