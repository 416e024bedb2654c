#include "platform/qt/shutdown_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include "platform/qt/entry_guard.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tap::qt {

#ifdef Q_OS_UNIX
namespace {
int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const auto n = ::write(g_signalPipe[0], &byte, 1);
}
}  // namespace

void routeShutdownSignals(std::function<void()> onShutdown) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [f = guardedShutdown(std::move(onShutdown))] {
        char byte;
        [[maybe_unused]] const auto n = ::read(g_signalPipe[1], &byte, 1);
        f();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}
#else
void routeShutdownSignals(std::function<void()>) {}
#endif

}  // namespace tap::qt
