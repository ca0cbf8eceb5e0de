#pragma once
// Ends the test process with the step's name when a step does not come back in time: a hang in
// the program fails the walk instead of stalling it until ctest's timeout.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace walk {

class Watchdog {
public:
    Watchdog();
    ~Watchdog();
    void arm(std::string step, std::chrono::seconds patience);
    void disarm();

private:
    void watch();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::string step_;
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace walk
