#include "app/startup/TTermSignal.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1); // async-signal-safe
}
} // namespace
#endif

TTermSignal::TTermSignal(std::function<void()> onTerm, QObject *parent)
    : QObject(parent), m_onTerm(std::move(onTerm))
{
#ifdef Q_OS_UNIX
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_pipe[1], &byte, 1);
        if (m_onTerm && !m_running) { // a second signal while the first is handled: nothing more
            m_running = true;
            m_onTerm();
            m_running = false;
        }
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP})
        ::sigaction(sig, &action, nullptr);
#endif
}

TTermSignal::~TTermSignal()
{
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGTERM, SIGHUP})
        ::sigaction(sig, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
#endif
}
