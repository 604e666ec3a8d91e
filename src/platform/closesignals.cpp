#include "platform/closesignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t firstSignal = 0;

// The main thread did not answer: it may be stuck in a call that never returns. Ending without
// writing leaves the store as it was, since every write of it replaces the file at once.
void onNoAnswer(int) {
    ::_exit(128 + firstSignal);
}

void onSignal(int signal) {
    const char byte = 1;
    // Only async-signal-safe work here; the notifier does the rest on the event loop.
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, 1);
    if (firstSignal == 0) {
        firstSignal = signal;
        ::alarm(CloseSignals::AnswerSeconds);
    }
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
    struct sigaction noAnswer = {};
    noAnswer.sa_handler = onNoAnswer;
    sigemptyset(&noAnswer.sa_mask);
    ::sigaction(SIGALRM, &noAnswer, nullptr);
}

CloseSignals::~CloseSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
