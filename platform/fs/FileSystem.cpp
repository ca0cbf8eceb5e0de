#include "platform/fs/FileSystem.h"

#include "platform/fs/PathResolver.h"
#include "platform/fs/WinPath.h"
#include "platform/fs/Wildcard.h"
#include "platform/text/StringOps.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {
namespace {

std::optional<FileStatus> statusOf(const std::string& linuxPath)
{
    struct stat st{};
    if (stat(linuxPath.c_str(), &st) != 0 && lstat(linuxPath.c_str(), &st) != 0)
        return std::nullopt;
    FileStatus status;
    status.isFolder = S_ISDIR(st.st_mode);
    status.size = status.isFolder ? 0 : static_cast<std::uint64_t>(st.st_size);
    status.modifiedTime = st.st_mtim.tv_sec;
    return status;
}

} // namespace

std::optional<std::vector<FolderEntry>> listFolder(std::string_view winPattern)
{
    const std::string pattern = winFileName(winPattern);
    if (pattern.empty())
        return std::nullopt;
    const std::optional<std::string> folder = resolvePath(winFolderOf(winPattern));
    if (!folder)
        return std::nullopt;
    DIR* dir = opendir(folder->c_str());
    if (!dir)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    const std::string prefix = *folder == "/" ? std::string("/") : *folder + '/';
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !matchesWildcard(pattern, name))
            continue;
        if (std::optional<FileStatus> status = statusOf(prefix + entry->d_name))
            entries.push_back({std::string(name), *status});
    }
    closedir(dir);
    // Upper-case order, as the old file system listed names.
    std::vector<std::pair<std::string, FolderEntry>> keyed;
    keyed.reserve(entries.size());
    for (FolderEntry& entry : entries)
        keyed.emplace_back(toUpperAscii(entry.name), std::move(entry));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    entries.clear();
    for (auto& [key, entry] : keyed)
        entries.push_back(std::move(entry));
    return entries;
}

std::optional<FileStatus> fileStatus(std::string_view winPath)
{
    const std::optional<std::string> path = resolvePath(winPath);
    return path ? statusOf(*path) : std::nullopt;
}

bool pathExists(std::string_view winPath)
{
    return fileStatus(winPath).has_value();
}

bool fileExists(std::string_view winPath)
{
    const std::optional<FileStatus> status = fileStatus(winPath);
    return status && !status->isFolder;
}

bool folderExists(std::string_view winPath)
{
    const std::optional<FileStatus> status = fileStatus(winPath);
    return status && status->isFolder;
}

bool removeFile(std::string_view winPath)
{
    const std::optional<std::string> path = resolvePath(winPath);
    struct stat st{};
    return path && lstat(path->c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && unlink(path->c_str()) == 0;
}

bool removeFolder(std::string_view winPath)
{
    const std::optional<std::string> path = resolvePath(winPath);
    return path && *path != "/" && rmdir(path->c_str()) == 0;
}

bool renamePath(std::string_view fromWinPath, std::string_view toWinPath)
{
    const std::optional<std::string> from = resolvePath(fromWinPath);
    const std::string name = winFileName(toWinPath);
    const std::optional<std::string> toFolder = resolvePath(winFolderOf(toWinPath));
    if (!from || name.empty() || name == "." || name == ".." || !toFolder)
        return false;
    const std::string to = (*toFolder == "/" ? std::string() : *toFolder) + '/' + name;
    if (to == *from)
        return true;

    struct stat fromStatus{}, existingStatus{};
    if (lstat(from->c_str(), &fromStatus) != 0)
        return false;
    if (const std::optional<std::string> existing = resolvePath(toWinPath)) {
        const bool sameFile = lstat(existing->c_str(), &existingStatus) == 0
            && existingStatus.st_dev == fromStatus.st_dev && existingStatus.st_ino == fromStatus.st_ino;
        if (!sameFile)
            return false;
    }
    if (renameat2(AT_FDCWD, from->c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // File systems without RENAME_NOREPLACE: the target was found absent just above.
    return (errno == EINVAL || errno == ENOSYS) && rename(from->c_str(), to.c_str()) == 0;
}

bool copyFileNew(std::string_view fromWinPath, std::string_view toWinPath)
{
    const std::optional<std::string> from = resolvePath(fromWinPath);
    if (!from || pathExists(toWinPath))
        return false;
    const std::optional<std::string> to = resolvePathForCreate(toWinPath);
    if (!to)
        return false;
    std::error_code error;
    return std::filesystem::copy_file(*from, *to, std::filesystem::copy_options::none, error) && !error;
}

bool makeFolder(std::string_view winPath)
{
    const std::optional<PartialPath> partial = resolveExistingPart(winPath);
    if (!partial || partial->missing.size() > 1)
        return false;
    if (partial->missing.empty())
        return folderExists(winPath);
    const std::string path = partial->existing + '/' + partial->missing.front();
    return mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && folderExists(winPath));
}

bool makeFolders(std::string_view winPath)
{
    const std::optional<PartialPath> partial = resolveExistingPart(winPath);
    if (!partial)
        return false;
    std::string path = partial->existing;
    for (const std::string& component : partial->missing) {
        path += '/' + component;
        if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    return folderExists(winPath);
}

} // namespace vd
