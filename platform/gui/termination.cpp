#include "platform/gui/termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

int g_signalSockets[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSockets[0], &byte, 1);
}

} // namespace

void CloseOnTerminationSignals(std::function<void()> close)
{
    // Signal handlers may only write to a socket; the event loop does the closing.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [close = std::move(close)] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(g_signalSockets[1], &byte, 1);
        close();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace platform
