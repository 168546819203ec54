#include "app/UnixSignals.h"

// Only Unix has these signals. Elsewhere the class is an empty shell, and the end of
// a desktop session still reaches Terminate through the session manager.
#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_SignalPipe[2] = {-1, -1};

// Only async-signal-safe work here: wake the event loop through the socket.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_SignalPipe[0], &byte, 1);
}
} // namespace
#endif

UnixSignals::UnixSignals(QObject *parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_SignalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_SignalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_SignalPipe[1], &byte, 1);
        emit terminateRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
#endif
}
