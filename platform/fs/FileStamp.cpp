#include "platform/fs/FileStamp.h"

#include "platform/fs/PathResolver.h"

#include <sys/stat.h>

namespace vd {

std::optional<FileStamp> fileStamp(std::string_view winPath)
{
    const std::optional<std::string> native = resolvePath(winPath);
    return native ? linuxFileStamp(*native) : std::nullopt;
}

std::optional<FileStamp> linuxFileStamp(const std::string& linuxPath)
{
    struct stat info {};
    if (::stat(linuxPath.c_str(), &info) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec& t) { return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return FileStamp{std::uint64_t(info.st_dev), std::uint64_t(info.st_ino), std::int64_t(info.st_size),
                     nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

} // namespace vd
