#pragma once
// SIGTERM, SIGINT and SIGHUP end the program through its normal shut-down path (windows closed, the
// event loop left, destructors run) instead of killing it on the spot. The signal handler only
// writes to a pipe; the event loop reads it and runs the action.
#include <functional>
#include <memory>

class TerminationSignals {
public:
    // Handles the signals while the object lives; one object per process.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals(); // the previous action again: a second signal during shut-down kills

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
