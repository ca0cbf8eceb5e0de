#include "app/shell/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A closed terminal (SIGHUP) ends the program as a desktop session's end (SIGTERM) does.
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end of the pipe, for the signal handler (only async-signal-safe calls there).
volatile sig_atomic_t g_writeEnd = -1;

void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    // A full pipe already holds a byte that ends the program: nothing is lost.
    if (g_writeEnd >= 0 && write(g_writeEnd, &byte, 1) < 0) {
    }
    errno = savedErrno;
}

} // namespace

struct TerminationSignals::Impl {
    int ends[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previous[std::size(kSignals)] = {};
    bool handled[std::size(kSignals)] = {};
};

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : d(std::make_unique<Impl>())
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, d->ends) != 0)
        return; // the signals keep their default action
    g_writeEnd = d->ends[0];
    d->notifier = std::make_unique<QSocketNotifier>(d->ends[1], QSocketNotifier::Read);
    QObject::connect(d->notifier.get(), &QSocketNotifier::activated, d->notifier.get(),
                     [readEnd = d->ends[1], onSignal = std::move(onSignal)] {
                         char bytes[16];
                         while (read(readEnd, bytes, sizeof bytes) > 0) {
                         }
                         onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        // A signal ignored when the program was started (nohup, a background job of a script)
        // stays ignored, as the starter meant.
        if (sigaction(kSignals[i], nullptr, &d->previous[i]) != 0 || d->previous[i].sa_handler == SIG_IGN)
            continue;
        d->handled[i] = sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    if (d->ends[0] < 0)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (d->handled[i])
            sigaction(kSignals[i], &d->previous[i], nullptr);
    g_writeEnd = -1;
    d->notifier.reset();
    close(d->ends[0]);
    close(d->ends[1]);
}
