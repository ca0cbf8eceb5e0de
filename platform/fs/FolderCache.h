#pragma once
// The names in folders, kept between path resolutions so that a case-insensitive match costs one
// stat of the folder instead of a listing. A folder is listed again when it has changed (its
// modification time, inode or device differ) or when it changed so recently that a change in
// the same clock tick could still be missed.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

class FolderCache {
public:
    enum class Match { Exact, OtherCase, None };
    struct Found {
        Match match = Match::None;
        std::string name; // the name as it stands on disk
    };

    FolderCache();
    ~FolderCache();
    FolderCache(const FolderCache&) = delete;
    FolderCache& operator=(const FolderCache&) = delete;

    // Looks a name up in a folder (a Linux path): exact match first, then ASCII case-insensitive
    // (the first such name in byte order when several differ only in case). nullopt when the
    // folder cannot be listed.
    std::optional<Found> find(const std::string& folder, std::string_view name);

    void clear();
    size_t folderCount() const;

    // The cache that path resolution uses.
    static FolderCache& instance();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace vd
