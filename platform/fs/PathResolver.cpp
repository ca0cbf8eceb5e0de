#include "platform/fs/PathResolver.h"

#include "platform/fs/DriveMap.h"
#include "platform/fs/FolderCache.h"
#include "platform/fs/WinPath.h"

#include <sys/stat.h>
#include <unistd.h>

namespace vd {
namespace {

// Linux paths are built as root + "/" + name, with "" standing for "/".
std::string asLinuxPath(const std::string& path)
{
    return path.empty() ? std::string("/") : path;
}

std::optional<std::string> currentFolder()
{
    char* cwd = getcwd(nullptr, 0);
    if (!cwd)
        return std::nullopt;
    std::string folder = cwd;
    free(cwd);
    if (folder == "/")
        folder.clear();
    return folder;
}

std::optional<std::string> baseFolder(const WinPathParts& parts)
{
    if (parts.drive)
        return driveMap()->rootOf(parts.drive);
    if (parts.rooted)
        return driveMap()->rootOf('Z');
    return currentFolder();
}

bool existsExactly(const std::string& path)
{
    struct stat status{};
    return stat(asLinuxPath(path).c_str(), &status) == 0;
}

bool isFolder(const std::string& path)
{
    struct stat status{};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

namespace {

std::optional<PartialPath> resolveParts(const WinPathParts& parts)
{
    // A NUL would cut the name short on its way to the system and open another file.
    for (const std::string& component : parts.components)
        if (component.find('\0') != std::string::npos)
            return std::nullopt;
    const std::optional<std::string> base = baseFolder(parts);
    if (!base)
        return std::nullopt;

    // A relative path may begin by climbing above the current folder.
    std::string top = *base;
    std::vector<std::string> components = parts.components;
    size_t climbs = 0;
    while (climbs < components.size() && components[climbs] == "..") {
        top.resize(top.empty() ? 0 : top.rfind('/'));
        ++climbs;
    }
    components.erase(components.begin(), components.begin() + static_cast<long>(climbs));
    // Most paths the system builds name the disk exactly: one stat settles them. Otherwise the
    // case usually differs near the end ("...\veldoran\mapelmnt\pfctrfl.dat"), so the walk
    // through the folder listings starts below the longest folder that exists as written.
    std::vector<size_t> prefixEnds{top.size()};
    std::string exact = top;
    for (const std::string& component : components) {
        exact += '/' + component;
        prefixEnds.push_back(exact.size());
    }
    if (existsExactly(exact))
        return PartialPath{exact, {}};
    size_t start = components.size();
    while (start > 0 && !isFolder(asLinuxPath(exact.substr(0, prefixEnds[start]))))
        --start;

    FolderCache& cache = FolderCache::instance();
    std::string current = exact.substr(0, prefixEnds[start]);
    for (size_t i = start; i < components.size(); ++i) {
        const std::string& component = components[i];
        const std::optional<FolderCache::Found> found = cache.find(current, component);
        if (found && found->match != FolderCache::Match::None) {
            current += '/' + found->name;
            continue;
        }
        // A folder that may be entered but not listed still answers an exact name.
        if (!found && existsExactly(current + '/' + component)) {
            current += '/' + component;
            continue;
        }
        return PartialPath{current, {components.begin() + static_cast<long>(i), components.end()}};
    }
    return PartialPath{current, {}};
}

} // namespace

std::optional<PartialPath> resolveExistingPart(std::string_view winPath)
{
    return resolveParts(parseWinPath(winPath));
}

std::optional<std::string> resolvePath(std::string_view winPath)
{
    const WinPathParts parts = parseWinPath(winPath);
    std::optional<PartialPath> partial = resolveParts(parts);
    if (!partial || !partial->missing.empty())
        return std::nullopt;
    std::string path = asLinuxPath(partial->existing);
    // "name\" names a folder; a file of that name does not answer it.
    if (parts.trailingSeparator && !isFolder(path))
        return std::nullopt;
    return path;
}

std::optional<std::string> resolvePathForCreate(std::string_view winPath)
{
    std::optional<PartialPath> partial = resolveExistingPart(winPath);
    if (!partial || partial->missing.size() > 1)
        return std::nullopt;
    if (partial->missing.empty())
        return asLinuxPath(partial->existing);
    return partial->existing + '/' + partial->missing.front();
}

std::optional<std::string> toWindowsPath(std::string_view linuxPath)
{
    if (linuxPath.empty())
        return std::nullopt;
    if (linuxPath.front() == '/')
        return driveMap()->toWindows(linuxPath);
    const std::optional<std::string> cwd = currentFolder();
    if (!cwd)
        return std::nullopt;
    return driveMap()->toWindows(*cwd + '/' + std::string(linuxPath));
}

void clearFolderCache()
{
    FolderCache::instance().clear();
}

} // namespace vd
