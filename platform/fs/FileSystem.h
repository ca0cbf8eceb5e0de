#pragma once
// Folder listing and whole-file operations on Windows-form paths. Every function reports
// failure in its result; none throws.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct FileStatus {
    bool isFolder = false;
    std::uint64_t size = 0;       // bytes; 0 for a folder
    std::int64_t modifiedTime = 0; // seconds since 1970-01-01 UTC
};

struct FolderEntry {
    std::string name; // as on disk
    FileStatus status;
};

// The entries of a folder that match the pattern of the path's last component
// ("Z:\data\CITYPLGN\*.*", "D:\N03\n03*.txt"; see Wildcard.h), sorted by name without regard
// to case. "." and ".." are never listed. nullopt when the folder does not exist or cannot be
// read, or when the path ends in a separator (no pattern); an empty list when nothing matches.
[[nodiscard]] std::optional<std::vector<FolderEntry>> listFolder(std::string_view winPattern);

[[nodiscard]] std::optional<FileStatus> fileStatus(std::string_view winPath);
[[nodiscard]] bool pathExists(std::string_view winPath);
[[nodiscard]] bool fileExists(std::string_view winPath);   // an existing file, not a folder
[[nodiscard]] bool folderExists(std::string_view winPath);

// Removes a file (never a folder).
[[nodiscard]] bool removeFile(std::string_view winPath);
// Removes an empty folder.
[[nodiscard]] bool removeFolder(std::string_view winPath);

// Renames a file or folder. As on the old platform an existing target (in any case) is never
// replaced, except by the same file under a name that differs only in case.
[[nodiscard]] bool renamePath(std::string_view fromWinPath, std::string_view toWinPath);

// Copies a file to a new one; an existing target (in any case) is never replaced.
[[nodiscard]] bool copyFileNew(std::string_view fromWinPath, std::string_view toWinPath);

// Makes a folder whose parent exists; true when the folder exists afterwards.
[[nodiscard]] bool makeFolder(std::string_view winPath);
// Makes a folder and every missing folder above it; true when the folder exists afterwards.
[[nodiscard]] bool makeFolders(std::string_view winPath);

} // namespace vd
