#include "platform/closesignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the notifier does the rest on the event loop.
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

CloseSignals::CloseSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    for (int end : pipeEnds)
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(pipeEnds[1], buffer, sizeof buffer) == sizeof buffer) {
        }
        emit closeRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

CloseSignals::~CloseSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
