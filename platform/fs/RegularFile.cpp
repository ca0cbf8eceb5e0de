#include "platform/fs/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

int openRegularFile(const std::string& linuxPath, int flags)
{
    const int fd = ::open(linuxPath.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return -1;
    struct stat status{};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    // A regular file never waits; the flag goes so that nothing downstream sees EAGAIN.
    const int statusFlags = fcntl(fd, F_GETFL);
    if (statusFlags >= 0)
        (void)fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK);
    return fd;
}

bool isRegularFile(const std::string& linuxPath)
{
    struct stat status{};
    return stat(linuxPath.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace vd
