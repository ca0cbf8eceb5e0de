#pragma once
// What tells whether a file changed since it was last read, for caches of what was made from it:
// any write changes the change time (which no tool can set back), a replacement the file's
// identity as well.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// nullopt when the file cannot be found.
[[nodiscard]] std::optional<FileStamp> fileStamp(std::string_view winPath);
// The same for a file named by its Linux path.
[[nodiscard]] std::optional<FileStamp> linuxFileStamp(const std::string& linuxPath);

} // namespace vd
