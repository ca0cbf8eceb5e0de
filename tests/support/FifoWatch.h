#pragma once
// A FIFO (named pipe) where a reader looks, and a watch that frees a reader that waits on it
// anyway: after a generous delay the watch opens the FIFO's write end (a reader waiting in open()
// goes on) and closes it again (a reader waiting in read() sees the end). So a reader that blocks
// fails its test, with `readerWaited()`, instead of hanging the run.
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

// Replaces whatever is at the path by a FIFO; false when none could be made.
inline bool MakeFifo(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::filesystem::remove_all(path, ignored);
    return mkfifo(path.c_str(), 0644) == 0;
}

class FifoWatch {
public:
    explicit FifoWatch(std::filesystem::path fifo, std::chrono::seconds patience = std::chrono::seconds(30))
        : fifo_(std::move(fifo)), thread_([this, patience] { watch(patience); })
    {
    }
    ~FifoWatch() { finish(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    // Ends the watch; true when a reader had to be freed.
    bool finish()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
        return waited_;
    }

private:
    void watch(std::chrono::seconds patience)
    {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, patience, [this] { return done_; }))
            return;
        waited_ = true;
        // A non-blocking open of the write end succeeds only while a reader has the FIFO open (or
        // waits to): open and close until the reader has returned.
        while (!done_) {
            lock.unlock();
            const int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            lock.lock();
        }
    }

    std::filesystem::path fifo_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool waited_ = false;
    std::thread thread_;
};

} // namespace testsupport
