#include "unixsignals.h"

#include "logging.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP, SIGUSR1 };

// [0] is written by the handler, [1] is read on the main thread.
int g_socketPair[2] = { -1, -1 };

extern "C" void onSignal(int signalNumber)
{
    // Only async-signal-safe calls here.
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_socketPair[0], &byte, sizeof byte);
}

} // namespace

UnixSignals::UnixSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_socketPair) != 0) {
        qCWarning(lcSystem, "socketpair: %s", std::strerror(errno));
        // A later start's request must not end this copy, even if it goes unheard.
        ::signal(SIGUSR1, SIG_IGN);
        return;
    }
    m_notifier = new QSocketNotifier(g_socketPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

UnixSignals::~UnixSignals()
{
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    for (const int s : kSignals) {
        // A later start may still have read this copy's PID just before the lock went; its request
        // must not end this copy's exit with a signal.
        action.sa_handler = s == SIGUSR1 ? SIG_IGN : SIG_DFL;
        ::sigaction(s, &action, nullptr);
    }
    if (g_socketPair[0] >= 0) {
        ::close(g_socketPair[0]);
        ::close(g_socketPair[1]);
        g_socketPair[0] = g_socketPair[1] = -1;
    }
}

void UnixSignals::readSignal()
{
    m_notifier->setEnabled(false);
    unsigned char byte = 0;
    if (::read(g_socketPair[1], &byte, sizeof byte) == sizeof byte) {
        if (byte == SIGUSR1)
            emit activationRequested();
        else
            emit terminationRequested(byte);
    }
    m_notifier->setEnabled(true);
}

#else

// Windows has no such signals; its logoff reaches the program through the session manager instead.
UnixSignals::UnixSignals(QObject *parent)
    : QObject(parent)
{
}

UnixSignals::~UnixSignals() = default;

void UnixSignals::readSignal()
{
}

#endif
