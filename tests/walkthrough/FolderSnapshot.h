#pragma once
// What the files of a folder hold: size, change time and a hash of the bytes of each, so a step
// can be checked for files lost, truncated or changed that it was not meant to change. A folder
// that is not ours to read (the home folder) is taken by size and time alone.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace walk {

struct FileState {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    std::uint64_t hash = 0; // 0: the bytes were not read
};

class FolderSnapshot {
public:
    // The files under the root (recursively when deep); a file unchanged in size and time since
    // the previous snapshot keeps its hash without being read again.
    static FolderSnapshot take(const std::filesystem::path& root, bool deep = true,
                               const FolderSnapshot* previous = nullptr, bool readBytes = true);

    // Files of this snapshot missing from the later one, or shorter there (of those shorter, the
    // ones the test calls cut when it is given a way to tell).
    std::vector<std::string> lostOrTruncated(const FolderSnapshot& later,
                                             const std::function<bool(const std::string&)>& cut = {}) const;
    // Files whose bytes (or, when not read, size or time) differ in the later one, and files new
    // there.
    std::vector<std::string> changed(const FolderSnapshot& later) const;
    std::vector<std::string> added(const FolderSnapshot& later) const;

    const std::map<std::string, FileState>& files() const { return files_; }

private:
    std::map<std::string, FileState> files_; // by path relative to the root
};

} // namespace walk
