#include "FolderSnapshot.h"

#include <fstream>
#include <iterator>

namespace walk {

namespace fs = std::filesystem;

namespace {

std::uint64_t hashOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
        if (!in)
            break;
    }
    return hash;
}

} // namespace

FolderSnapshot FolderSnapshot::take(const fs::path& root, bool deep, const FolderSnapshot* previous, bool readBytes)
{
    FolderSnapshot snapshot;
    std::error_code error;
    const auto record = [&](const fs::directory_entry& entry) {
        std::error_code ignored;
        if (!entry.is_regular_file(ignored))
            return;
        // The entry's path starts with the root as given: cut it off, with no look-up on disk.
        const std::string name = entry.path().lexically_relative(root).generic_string();
        FileState state{entry.file_size(ignored), entry.last_write_time(ignored), 0};
        if (previous) {
            const auto old = previous->files_.find(name);
            if (old != previous->files_.end() && old->second.size == state.size && old->second.time == state.time) {
                snapshot.files_[name] = old->second;
                return;
            }
        }
        state.hash = readBytes ? hashOf(entry.path()) : 0;
        snapshot.files_[name] = state;
    };
    if (deep) {
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
             !error && it != end; it.increment(error))
            record(*it);
    } else {
        for (fs::directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
             !error && it != end; it.increment(error))
            record(*it);
    }
    return snapshot;
}

std::vector<std::string> FolderSnapshot::lostOrTruncated(const FolderSnapshot& later,
                                                         const std::function<bool(const std::string&)>& cut) const
{
    std::vector<std::string> out;
    for (const auto& [name, state] : files_) {
        const auto after = later.files_.find(name);
        if (after == later.files_.end())
            out.push_back(name + " (lost)");
        else if (after->second.size < state.size && (!cut || cut(name)))
            out.push_back(name + " (" + std::to_string(state.size) + " -> " + std::to_string(after->second.size) + " bytes)");
    }
    return out;
}

std::vector<std::string> FolderSnapshot::changed(const FolderSnapshot& later) const
{
    std::vector<std::string> out;
    for (const auto& [name, state] : files_) {
        const auto after = later.files_.find(name);
        if (after == later.files_.end())
            continue;
        const bool unread = state.hash == 0 || after->second.hash == 0;
        if (after->second.size != state.size || after->second.hash != state.hash
            || (unread && after->second.time != state.time))
            out.push_back(name);
    }
    return out;
}

std::vector<std::string> FolderSnapshot::added(const FolderSnapshot& later) const
{
    std::vector<std::string> out;
    for (const auto& [name, state] : later.files_)
        if (!files_.count(name))
            out.push_back(name);
    return out;
}

} // namespace walk
