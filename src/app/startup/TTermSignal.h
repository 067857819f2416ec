#pragma once

#include <functional>
#include <QObject>

class QSocketNotifier;

// Turns a termination request (SIGTERM or SIGHUP on POSIX systems: a session that ends,
// `kill`) into a call of `onTerm` from the event loop, also from a modal dialog's loop,
// where the program writes what it must keep and ends (TMainForm::EndWithoutQuestions).
// Elsewhere it does nothing.
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
