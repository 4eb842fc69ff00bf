#include "ProcessSignals.h"

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace pacewise {

namespace {

int signalSockets[2] = {-1, -1};

constexpr int caughtSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int ignoredSignals[] = {SIGPIPE, SIGUSR1, SIGUSR2};

void forwardSignal(int signal)
{
    const char byte = char(signal);
    // Nothing else is safe in a signal handler; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[1], &byte, 1);
}

} // namespace

ProcessSignals::ProcessSignals(QObject *parent)
    : QObject(parent)
{
    for (const int signal : ignoredSignals)
        ::signal(signal, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(signalSockets[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(signalSockets[0], &byte, 1) != 1)
            return;
        if (byte == SIGHUP)
            emit hangUp();
        else
            emit terminationRequested();
    });
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : caughtSignals)
        ::sigaction(signal, &action, nullptr);
}

ProcessSignals::~ProcessSignals()
{
    for (const int signal : ignoredSignals)
        ::signal(signal, SIG_DFL);
    if (!m_notifier)
        return;
    for (const int signal : caughtSignals)
        ::signal(signal, SIG_DFL);
    m_notifier.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

} // namespace pacewise
