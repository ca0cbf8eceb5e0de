#pragma once
// Writes that fail part way, as on a full disk: the process's file-size limit (which binds root
// too) cuts every file written while it is set.
#include <sys/resource.h>

#include <csignal>
#include <cstddef>
#include <functional>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// Calls rewrite(limit) for every 512-byte boundary below `newSize` at which the new file can be
// cut (0, 512, 1024, ...), then once with RLIM_INFINITY. The caller writes under the limit with
// UnderFileSizeLimit.
inline void ForEachWriteFailure(std::size_t newSize, const std::function<void(rlim_t limit)>& rewrite)
{
    for (rlim_t limit = 0; limit < newSize; limit += 512)
        rewrite(limit);
    rewrite(RLIM_INFINITY);
}

template <class Write>
auto UnderFileSizeLimit(rlim_t limit, Write write)
{
    FileSizeLimit bound(limit);
    return write();
}

} // namespace testsupport
