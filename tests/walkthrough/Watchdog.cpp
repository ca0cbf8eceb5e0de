#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace walk {

Watchdog::Watchdog() : thread_([this] { watch(); }) {}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::arm(std::string step, std::chrono::seconds patience)
{
    {
        std::lock_guard lock(mutex_);
        step_ = std::move(step);
        deadline_ = std::chrono::steady_clock::now() + patience;
        armed_ = true;
    }
    wake_.notify_all();
}

void Watchdog::disarm()
{
    std::lock_guard lock(mutex_);
    armed_ = false;
}

void Watchdog::watch()
{
    std::unique_lock lock(mutex_);
    while (!stop_) {
        if (!armed_) {
            wake_.wait(lock);
            continue;
        }
        if (wake_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ && !stop_
            && std::chrono::steady_clock::now() >= deadline_) {
            std::fprintf(stderr, "walk: no answer from the program after the step: %s\n", step_.c_str());
            std::fflush(stderr);
            std::abort();
        }
    }
}

} // namespace walk
