#include "platform/fs/FileSink.h"

#include "platform/fs/PathResolver.h"
#include "platform/fs/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {
namespace {

constexpr size_t kFlushSize = 64 * 1024;
constexpr char kEndOfText = 0x1A;
constexpr int kSuffixDigits = 16; // of a temporary file's name

std::string randomSuffix()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    static_assert(sizeof text == kSuffixDigits + 1);
    return text;
}

std::optional<char> byteAt(int fd, off_t offset)
{
    char c = 0;
    if (pread(fd, &c, 1, offset) != 1)
        return std::nullopt;
    return c;
}

// ".<name>.<16 hex digits>.tmp", as openReplacement() names its temporary file.
bool isReplacementName(std::string_view name)
{
    constexpr std::string_view tail = ".tmp";
    if (name.size() < 1 + 1 + 1 + kSuffixDigits + tail.size() || name.front() != '.' ||
        name.substr(name.size() - tail.size()) != tail)
        return false;
    const std::string_view digits = name.substr(name.size() - tail.size() - kSuffixDigits, kSuffixDigits);
    if (name[name.size() - tail.size() - kSuffixDigits - 1] != '.')
        return false;
    for (const char c : digits)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

} // namespace

void removeLeftReplacements(const std::string& linuxFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::recursive_directory_iterator it(linuxFolder, error), end; !error && it != end; it.increment(error)) {
        if (it.depth() >= 1)
            it.disable_recursion_pending();
        std::error_code statusError;
        if (it->is_regular_file(statusError) && isReplacementName(it->path().filename().string()))
            fs::remove(it->path(), statusError);
    }
}

FileSink::~FileSink()
{
    if (fd_ < 0)
        return;
    if (mode_ == WriteMode::Replace)
        abandon();
    else
        (void)close();
}

bool FileSink::open(std::string_view winPath, WriteMode mode)
{
    const std::optional<std::string> path =
        mode == WriteMode::AppendExisting ? resolvePath(winPath) : resolvePathForCreate(winPath);
    if (!path) {
        abandon();
        return false;
    }
    return openLinuxPath(*path, mode);
}

bool FileSink::openLinuxPath(std::string linuxPath, WriteMode mode)
{
    abandon();
    mode_ = mode;
    failed_ = false;
    target_ = std::move(linuxPath);
    if (mode == WriteMode::Replace)
        return openReplacement();

    // Read access too, so that a text append can look at how the old text ends.
    const int flags = O_APPEND | (mode == WriteMode::Append ? O_CREAT : 0);
    // Only a regular file is appended to: a FIFO in its place would hold a write-only open.
    int fd = openRegularFile(target_, O_RDWR | flags);
    if (fd < 0 && errno == EACCES)
        fd = openRegularFile(target_, O_WRONLY | flags);
    if (fd < 0)
        return false;
    fd_ = fd;
    return true;
}

bool FileSink::openReplacement()
{
    struct stat old{};
    const bool exists = stat(target_.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    // A link is kept a link: the file it points to is the one replaced.
    struct stat link{};
    if (exists && lstat(target_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* real = realpath(target_.c_str(), nullptr);
        if (!real)
            return false;
        target_ = real;
        free(real);
    }

    const size_t slash = target_.rfind('/');
    const std::string folder = target_.substr(0, slash);
    // The temporary name starts with "." and ends in ".tmp": never matched by the patterns the
    // system lists its own files with, should a crash leave it behind.
    const std::string name = target_.substr(slash + 1, 200);
    const mode_t permissions = exists ? (old.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = folder + "/." + name + '.' + randomSuffix() + ".tmp";
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        // The replacement keeps the old file's owner and permissions where it may; where it may
        // not (another user's file), it is still written.
        if (exists) {
            (void)!fchown(fd, old.st_uid, old.st_gid);
            (void)!fchmod(fd, permissions);
        }
        fd_ = fd;
        temporary_ = std::move(candidate);
        return true;
    }
    return false;
}

bool FileSink::write(std::string_view bytes)
{
    if (fd_ < 0 || failed_)
        return false;
    buffer_.append(bytes);
    if (buffer_.size() >= kFlushSize)
        flush();
    return !failed_;
}

bool FileSink::flush()
{
    size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        const ssize_t wrote = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (wrote > 0)
            done += static_cast<size_t>(wrote);
        else if (wrote < 0 && errno == EINTR)
            continue;
        else
            failed_ = true;
    }
    buffer_.clear();
    return !failed_;
}

bool FileSink::startTextAppend()
{
    if (fd_ < 0 || mode_ == WriteMode::Replace || failed_)
        return false;
    struct stat status{};
    off_t size = fstat(fd_, &status) == 0 ? status.st_size : -1;
    if (size > 0 && !byteAt(fd_, size - 1) && errno == EBADF)
        return true; // a file we may write but not read: appended to as it stands
    if (size > 0 && byteAt(fd_, size - 1) == kEndOfText)
        size = ftruncate(fd_, size - 1) == 0 ? size - 1 : -1;
    if (size == 0)
        return true;
    const std::optional<char> last = size > 0 ? byteAt(fd_, size - 1) : std::nullopt;
    if (!last) {
        failed_ = true;
        return false;
    }
    if (*last == '\r')
        return write("\n");
    if (*last != '\n')
        return write("\r\n");
    return true;
}

bool FileSink::close()
{
    if (fd_ < 0)
        return false;
    flush();
    if (mode_ == WriteMode::Replace && !failed_ && fsync(fd_) != 0)
        failed_ = true;
    if (::close(fd_) != 0)
        failed_ = true;
    fd_ = -1;
    if (mode_ == WriteMode::Replace) {
        if (!failed_ && rename(temporary_.c_str(), target_.c_str()) != 0)
            failed_ = true;
        if (failed_)
            unlink(temporary_.c_str());
        temporary_.clear();
    }
    return !failed_;
}

void FileSink::abandon()
{
    buffer_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
}

} // namespace vd
