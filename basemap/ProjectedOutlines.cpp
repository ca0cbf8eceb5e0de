#include "basemap/ProjectedOutlines.h"

#include "platform/dc/PointRuns.h"
#include "platform/fs/FileStamp.h"

#include <list>
#include <mutex>
#include <optional>

namespace {

struct Entry {
    std::string path;
    OutlineProjectionKey key;
    vd::FileStamp stamp;
    std::shared_ptr<const ProjectedRuns> runs;
};

// Enough for both projections of the coastline and the borders of two views.
constexpr std::size_t kKeptEntries = 8;

} // namespace

std::shared_ptr<const ProjectedRuns> CachedOutlineRuns(const std::string& winPath, const OutlineProjectionKey& key,
                                                       const std::function<std::shared_ptr<const ProjectedRuns>()>& build)
{
    static std::mutex mutex;
    static std::list<Entry> entries; // most recently used first
    const std::optional<vd::FileStamp> stamp = vd::fileStamp(winPath);
    if (stamp) {
        const std::lock_guard lock(mutex);
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->path == winPath && it->key == key && it->stamp == *stamp) {
                entries.splice(entries.begin(), entries, it);
                return entries.front().runs;
            }
        }
    }
    std::shared_ptr<const ProjectedRuns> runs = build();
    if (!runs || !stamp)
        return runs;
    const std::lock_guard lock(mutex);
    entries.push_front(Entry{winPath, key, *stamp, runs});
    if (entries.size() > kKeptEntries)
        entries.pop_back();
    return runs;
}

void DrawProjectedRuns(vd::Dc& dc, const ProjectedRuns& runs)
{
    const bool asPolylines = vd::PolylineMatchesSegments(dc);
    std::size_t start = 0;
    for (const int count : runs.counts) {
        vd::DrawPointRun(dc, runs.points.data() + start, count, asPolylines);
        start += std::size_t(count);
    }
}
