#include "platform/fs/FileSource.h"

#include "platform/fs/PathResolver.h"
#include "platform/fs/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vd {
namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

FileSource::~FileSource()
{
    close();
}

FileSource::FileSource(FileSource&& other) noexcept
{
    *this = std::move(other);
}

FileSource& FileSource::operator=(FileSource&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        buffer_ = std::move(other.buffer_);
        begin_ = std::exchange(other.begin_, 0);
        end_ = std::exchange(other.end_, 0);
        bufferOffset_ = std::exchange(other.bufferOffset_, 0);
        failed_ = std::exchange(other.failed_, false);
    }
    return *this;
}

bool FileSource::open(std::string_view winPath)
{
    close();
    const std::optional<std::string> path = resolvePath(winPath);
    return path && openLinux(*path);
}

bool FileSource::openLinux(const std::string& linuxPath)
{
    close();
    // A folder, a FIFO or a device is refused as an unreadable file; none of them may block.
    const int fd = openRegularFile(linuxPath, O_RDONLY);
    if (fd < 0)
        return false;
    fd_ = fd;
    buffer_.resize(kBufferSize);
    return true;
}

void FileSource::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    begin_ = end_ = 0;
    bufferOffset_ = 0;
    failed_ = false;
}

bool FileSource::refill()
{
    if (fd_ < 0 || failed_)
        return false;
    // Keep what is unread at the front, then read behind it.
    if (begin_ > 0) {
        std::copy(buffer_.begin() + static_cast<long>(begin_), buffer_.begin() + static_cast<long>(end_), buffer_.begin());
        bufferOffset_ += begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<size_t>(got);
            return true;
        }
        if (got == 0)
            return false;
        if (errno != EINTR) {
            failed_ = true;
            return false;
        }
    }
}

bool FileSource::seek(std::uint64_t offset)
{
    if (fd_ < 0 || lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0)
        return false;
    begin_ = end_ = 0;
    bufferOffset_ = offset;
    failed_ = false;
    return true;
}

std::optional<std::uint64_t> FileSource::size() const
{
    struct stat status{};
    if (fd_ < 0 || fstat(fd_, &status) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

} // namespace vd
