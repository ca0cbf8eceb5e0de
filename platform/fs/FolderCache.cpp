#include "platform/fs/FolderCache.h"

#include "platform/fs/NameFolding.h"

#include <dirent.h>
#include <sys/stat.h>
#include <ctime>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace vd {
namespace {

// File systems stamp folders with a coarse clock (a kernel tick; 2 s on FAT), so a listing
// made within that time of the folder's last change may miss a change stamped the same.
constexpr long long kRacyWindowNs = 2'000'000'000LL;
// Beyond this many folders the cache starts over rather than tracking use.
constexpr size_t kMaxFolders = 4096;

long long nanoseconds(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

struct Listing {
    dev_t device = 0;
    ino_t inode = 0;
    long long modifiedNs = 0;
    bool stable = false; // listed long enough after its last change to be trusted
    std::unordered_set<std::string> names;
    std::unordered_map<std::string, std::string> byFoldedName;
};

bool listFolder(const std::string& folder, const struct stat& status, Listing& listing)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir)
        return false;
    listing = Listing{};
    listing.device = status.st_dev;
    listing.inode = status.st_ino;
    listing.modifiedNs = nanoseconds(status.st_mtim);
    listing.stable = listing.modifiedNs + kRacyWindowNs < nanoseconds(now);
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        listing.names.emplace(name);
        auto [it, inserted] = listing.byFoldedName.try_emplace(foldName(name), name);
        if (!inserted && std::string_view(it->second) > name)
            it->second = name;
    }
    closedir(dir);
    return true;
}

} // namespace

struct FolderCache::Impl {
    std::mutex mutex;
    std::unordered_map<std::string, Listing> folders;
};

FolderCache::FolderCache() : d_(std::make_unique<Impl>()) {}
FolderCache::~FolderCache() = default;

FolderCache& FolderCache::instance()
{
    static FolderCache cache;
    return cache;
}

std::optional<FolderCache::Found> FolderCache::find(const std::string& folder, std::string_view name)
{
    struct stat status{};
    if (stat(folder.empty() ? "/" : folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;

    Impl& d = *d_;
    std::lock_guard lock(d.mutex);
    auto it = d.folders.find(folder);
    const bool current = it != d.folders.end() && it->second.stable && it->second.device == status.st_dev
        && it->second.inode == status.st_ino && it->second.modifiedNs == nanoseconds(status.st_mtim);
    if (!current) {
        Listing listing;
        if (!listFolder(folder, status, listing)) {
            if (it != d.folders.end())
                d.folders.erase(it);
            return std::nullopt;
        }
        if (it == d.folders.end() && d.folders.size() >= kMaxFolders)
            d.folders.clear();
        it = d.folders.insert_or_assign(folder, std::move(listing)).first;
    }

    const Listing& listing = it->second;
    if (listing.names.count(std::string(name)))
        return Found{Match::Exact, std::string(name)};
    const auto folded = listing.byFoldedName.find(foldName(name));
    if (folded != listing.byFoldedName.end())
        return Found{Match::OtherCase, folded->second};
    return Found{};
}

void FolderCache::clear()
{
    Impl& d = *d_;
    std::lock_guard lock(d.mutex);
    d.folders.clear();
}

size_t FolderCache::folderCount() const
{
    Impl& d = *d_;
    std::lock_guard lock(d.mutex);
    return d.folders.size();
}

} // namespace vd
