#include "platform/fs/DriveMap.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace vd {
namespace {

// "/srv/ksj/" -> "/srv/ksj", "/" -> "": a root joins its components with "/" + name.
std::string trimRoot(std::string_view root)
{
    while (!root.empty() && root.back() == '/')
        root.remove_suffix(1);
    return std::string(root);
}

std::string realPathOf(const std::string& root)
{
    char* real = realpath(root.empty() ? "/" : root.c_str(), nullptr);
    if (!real)
        return root;
    std::string result = trimRoot(real);
    free(real);
    return result;
}

bool underRoot(std::string_view path, std::string_view root)
{
    return path.substr(0, root.size()) == root && (path.size() == root.size() || path[root.size()] == '/');
}

} // namespace

DriveMap::DriveMap()
{
    set('Z', "/");
}

bool DriveMap::set(char letter, std::string_view linuxRoot)
{
    const char upper = static_cast<char>((letter >= 'a' && letter <= 'z') ? letter - 'a' + 'A' : letter);
    if (upper < 'A' || upper > 'Z' || linuxRoot.empty() || linuxRoot.front() != '/')
        return false;
    Drive drive{upper, trimRoot(linuxRoot), {}};
    drive.realRoot = realPathOf(drive.root);
    for (Drive& d : drives_) {
        if (d.letter == upper) {
            d = std::move(drive);
            return true;
        }
    }
    drives_.push_back(std::move(drive));
    return true;
}

DriveMap DriveMap::fromSpec(std::string_view spec, std::vector<std::string>* rejected)
{
    DriveMap map;
    size_t start = 0;
    while (start <= spec.size()) {
        size_t end = spec.find(';', start);
        if (end == std::string_view::npos)
            end = spec.size();
        std::string_view entry = spec.substr(start, end - start);
        start = end + 1;
        while (!entry.empty() && entry.front() == ' ')
            entry.remove_prefix(1);
        while (!entry.empty() && entry.back() == ' ')
            entry.remove_suffix(1);
        if (entry.empty())
            continue;
        const size_t equals = entry.find('=');
        std::string_view letter = entry.substr(0, equals);
        if (letter.size() == 2 && letter[1] == ':')
            letter.remove_suffix(1);
        const bool ok = equals != std::string_view::npos && letter.size() == 1
            && map.set(letter[0], entry.substr(equals + 1));
        if (!ok && rejected)
            rejected->emplace_back(entry);
    }
    return map;
}

std::optional<std::string> DriveMap::rootOf(char letter) const
{
    const char upper = static_cast<char>((letter >= 'a' && letter <= 'z') ? letter - 'a' + 'A' : letter);
    for (const Drive& d : drives_)
        if (d.letter == upper)
            return d.root;
    return std::nullopt;
}

std::optional<std::string> DriveMap::toWindows(std::string_view linuxPath) const
{
    if (linuxPath.empty() || linuxPath.front() != '/')
        return std::nullopt;
    const std::string normal = std::filesystem::path(linuxPath).lexically_normal().string();
    const Drive* best = nullptr;
    size_t bestLength = 0;
    bool bestIsOwnRoot = false;
    for (const Drive& d : drives_) {
        // A folder reached through a symbolic link (a file dialog may give either) counts too,
        // after a drive whose own root matches as long.
        for (const bool own : {true, false}) {
            const std::string& root = own ? d.root : d.realRoot;
            if (!underRoot(normal, root))
                continue;
            if (!best || root.size() > bestLength || (root.size() == bestLength && own && !bestIsOwnRoot)) {
                best = &d;
                bestLength = root.size();
                bestIsOwnRoot = own;
            }
        }
    }
    if (!best)
        return std::nullopt;
    std::string result{best->letter, ':'};
    std::string_view rest = std::string_view(normal).substr(bestLength);
    if (rest.empty())
        rest = "/";
    for (char c : rest)
        result += c == '/' ? '\\' : c;
    return result;
}

namespace {

std::mutex& driveMapMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<const DriveMap>& currentMap()
{
    static std::shared_ptr<const DriveMap> map;
    return map;
}

} // namespace

std::shared_ptr<const DriveMap> driveMap()
{
    std::lock_guard lock(driveMapMutex());
    std::shared_ptr<const DriveMap>& map = currentMap();
    if (!map) {
        const char* spec = std::getenv("VELDORAN_DRIVES");
        std::vector<std::string> rejected;
        map = std::make_shared<const DriveMap>(DriveMap::fromSpec(spec ? spec : "", &rejected));
        for (const std::string& entry : rejected)
            std::fprintf(stderr, "veldoran: VELDORAN_DRIVES entry \"%s\" is not <letter>=<absolute folder>; ignored\n",
                entry.c_str());
    }
    return map;
}

void setDriveMap(DriveMap map)
{
    std::lock_guard lock(driveMapMutex());
    currentMap() = std::make_shared<const DriveMap>(std::move(map));
}

} // namespace vd
