#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns a termination request (SIGTERM or SIGHUP on POSIX systems: a session that ends,
// `kill`) into an ordinary close of the main window, run by the event loop, so that
// the close query and the saving of the settings happen as for the close box. Elsewhere
// it does nothing.
class TTermSignal : public QObject
{
    Q_OBJECT
public:
    explicit TTermSignal(std::function<void()> onTerm, QObject *parent = nullptr);
    ~TTermSignal() override;

private:
    std::function<void()> m_onTerm;
    QSocketNotifier *m_notifier = nullptr;
    bool m_running = false;
};
